#include "calendar/giornatecalendarioqueries.h"

#include "calendar/aggiornariga.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/utilita.h"

#include <QHash>

QString GiornateCalendarioQueries::testoDataOrario(const QVariant& memorizzato)
{
    return NullInVuoto(memorizzato).trimmed();
}

QVector<int> GiornateCalendarioQueries::numeri()
{
    QVector<int> n;
    Query q("SELECT DISTINCT NUMERO FROM GIORNATA WHERE NUMERO IS NOT NULL ORDER BY NUMERO");
    while (q.next()) n << q.intero(0);
    return n;
}

DatiGiornata GiornateCalendarioQueries::leggi(int numero)
{
    DatiGiornata g;
    g.numero = numero;
    Query giornata("SELECT DATAAND, DATARIT, RIPOSA, DISPAND, DISPRIT FROM GIORNATA WHERE NUMERO = ? ORDER BY rowid "
                   "LIMIT 1",
                   {numero});
    if (giornata.primo()) {
        g.registrata = true;
        g.dataAnd = testoDataOrario(giornata.valore(0));
        g.dataRit = testoDataOrario(giornata.valore(1));
        g.riposa = giornata.testo(2).trimmed();
        g.giocata = Disputata(giornata.valore(3)) || Disputata(giornata.valore(4));
    }

    // A pairing counts as played with a leg played, or with line-ups or goals already pointing to it.
    Query partite("SELECT CODPART, SQ1, SQ2, DATAAND, HAND, DATARIT, HRIT, DISPAND, DISPRIT, "
                  "EXISTS (SELECT 1 FROM PRESENZE WHERE CODPARTITA = PARTITA.CODPART) "
                  "OR EXISTS (SELECT 1 FROM RETI WHERE RETI.CODPART = PARTITA.CODPART) "
                  "FROM PARTITA WHERE GIORNATANUM = ? ORDER BY RIGA, rowid",
                  {numero});
    while (partite.next()) {
        DatiIncontro i;
        i.codPart = partite.intero(0);
        i.sq1 = partite.testo(1);
        i.sq2 = partite.testo(2);
        i.date.DataAnd = testoDataOrario(partite.valore(3));
        i.date.HAnd = testoDataOrario(partite.valore(4));
        i.date.DataRit = testoDataOrario(partite.valore(5));
        i.date.HRit = testoDataOrario(partite.valore(6));
        i.giocato = Disputata(partite.valore(7)) || Disputata(partite.valore(8)) || partite.intero(9) != 0;
        g.giocata = g.giocata || i.giocato;
        g.incontri << i;
    }
    return g;
}

namespace {

bool stesseDate(const TipoDataOrario& a, const TipoDataOrario& b)
{
    return a.DataAnd == b.DataAnd && a.HAnd == b.HAnd && a.DataRit == b.DataRit && a.HRit == b.HRit;
}

// The stored pairing of code `codPart`, or null.
const DatiIncontro* incontroDi(const DatiGiornata& g, int codPart)
{
    for (const DatiIncontro& i : g.incontri)
        if (i.codPart == codPart) return &i;
    return nullptr;
}

// A text field to write when it differs from the file: an empty text as one blank.
void seCambiato(QVector<CampoRiga>& campi, const QString& colonna, const QString& nuovo, const QString& memorizzato)
{
    if (nuovo.trimmed() != memorizzato) campi << CampoRiga{colonna, VuotoInSpazio(nuovo.trimmed())};
}

void dateCambiate(QVector<CampoRiga>& campi, const TipoDataOrario& nuove, const TipoDataOrario& memorizzate)
{
    seCambiato(campi, QStringLiteral("DATAAND"), nuove.DataAnd, memorizzate.DataAnd);
    seCambiato(campi, QStringLiteral("HAND"), nuove.HAnd, memorizzate.HAnd);
    seCambiato(campi, QStringLiteral("DATARIT"), nuove.DataRit, memorizzate.DataRit);
    seCambiato(campi, QStringLiteral("HRIT"), nuove.HRit, memorizzate.HRit);
}

QString incontroSparito(const DatiIncontro& i, int numero)
{
    return QStringLiteral("L'incontro %1 - %2 non è più nella giornata n. %3 del calendario: la giornata non è "
                          "stata salvata.")
        .arg(i.sq1, i.sq2)
        .arg(numero);
}

QString giornataSparita(int numero)
{
    return QStringLiteral("La giornata n. %1 non è più nel calendario: la giornata non è stata salvata.").arg(numero);
}

// Writes the fields of pairing `i` that differ from `memorizzato`, by its code in day `numero`.
void aggiornaIncontro(const DatiIncontro& i, const DatiIncontro& memorizzato, int numero, bool squadre)
{
    QVector<CampoRiga> campi;
    if (squadre) {
        if (i.sq1 != memorizzato.sq1) campi << CampoRiga{QStringLiteral("SQ1"), i.sq1};
        if (i.sq2 != memorizzato.sq2) campi << CampoRiga{QStringLiteral("SQ2"), i.sq2};
    }
    dateCambiate(campi, i.date, memorizzato.date);
    AggiornaRiga(QStringLiteral("PARTITA"), campi, QStringLiteral("CODPART = ? AND GIORNATANUM = ?"),
                 {i.codPart, numero}, incontroSparito(i, numero));
}

}  // namespace

bool GiornateCalendarioQueries::modificata(const DatiGiornata& digitata, const DatiGiornata& mostrata)
{
    if (digitata.dataAnd != mostrata.dataAnd || digitata.dataRit != mostrata.dataRit ||
        digitata.riposa != mostrata.riposa || digitata.incontri.size() != mostrata.incontri.size())
        return true;
    for (qsizetype r = 0; r < digitata.incontri.size(); ++r) {
        const DatiIncontro& d = digitata.incontri[r];
        const DatiIncontro& m = mostrata.incontri[r];
        if (d.sq1 != m.sq1 || d.sq2 != m.sq2 || !stesseDate(d.date, m.date)) return true;
    }
    return false;
}

QString GiornateCalendarioQueries::conModifiche(const DatiGiornata& memorizzata, const DatiGiornata& mostrata,
                                                const DatiGiornata& digitata, DatiGiornata& risultato)
{
    if (!mostrata.registrata && memorizzata.registrata)
        return QStringLiteral("La giornata n. %1 è stata registrata nel frattempo in un'altra finestra: la giornata "
                              "scritta qui non è stata salvata.\rChiudere e riaprire la finestra per vederla com'è "
                              "ora.")
            .arg(memorizzata.numero);
    auto cambia = [](QString& campo, const QString& ora, const QString& prima) {
        if (ora != prima) campo = ora;
    };
    DatiGiornata g = memorizzata;
    cambia(g.dataAnd, digitata.dataAnd, mostrata.dataAnd);
    cambia(g.dataRit, digitata.dataRit, mostrata.dataRit);
    cambia(g.riposa, digitata.riposa, mostrata.riposa);
    g.incontri.clear();
    for (qsizetype r = 0; r < digitata.incontri.size(); ++r) {
        const DatiIncontro& d = digitata.incontri[r];
        const DatiIncontro m = r < mostrata.incontri.size() ? mostrata.incontri[r] : DatiIncontro();
        if (m.codPart <= 0) {
            DatiIncontro nuovo = d;
            nuovo.codPart = 0;
            g.incontri << nuovo;
            continue;
        }
        const DatiIncontro* salvato = incontroDi(memorizzata, m.codPart);
        if (!salvato)
            return incontroSparito(m, memorizzata.numero) +
                   QStringLiteral("\rChiudere e riaprire la finestra per vedere "
                                  "la giornata com'è ora.");
        DatiIncontro i = *salvato;
        cambia(i.sq1, d.sq1, m.sq1);
        cambia(i.sq2, d.sq2, m.sq2);
        cambia(i.date.DataAnd, d.date.DataAnd, m.date.DataAnd);
        cambia(i.date.HAnd, d.date.HAnd, m.date.HAnd);
        cambia(i.date.DataRit, d.date.DataRit, m.date.DataRit);
        cambia(i.date.HRit, d.date.HRit, m.date.HRit);
        g.incontri << i;
    }
    risultato = g;
    return QString();
}

void GiornateCalendarioQueries::salvaDate(const DatiGiornata& g)
{
    Transazione t;
    const DatiGiornata memorizzata = leggi(g.numero);
    if (g.registrata) {
        QVector<CampoRiga> campi;
        seCambiato(campi, QStringLiteral("DATAAND"), g.dataAnd, memorizzata.dataAnd);
        seCambiato(campi, QStringLiteral("DATARIT"), g.dataRit, memorizzata.dataRit);
        AggiornaRiga(QStringLiteral("GIORNATA"), campi, QStringLiteral("NUMERO = ?"), {g.numero},
                     giornataSparita(g.numero));
    }
    for (const DatiIncontro& i : g.incontri) {
        if (i.codPart <= 0) continue;
        const DatiIncontro* salvato = incontroDi(memorizzata, i.codPart);
        if (!salvato) throw ErroreDatabase(incontroSparito(i, g.numero));
        aggiornaIncontro(i, *salvato, g.numero, false);
    }
    t.commit();
}

QString GiornateCalendarioQueries::problema(const DatiGiornata& g, int numeroSquadre)
{
    const int righe = numeroSquadre / 2;
    const bool dispari = numeroSquadre % 2 != 0;
    if (righe < 1) return QStringLiteral("Attenzione: per registrare una giornata occorrono almeno due squadre.");
    if (g.incontri.size() != righe)
        return QStringLiteral("Attenzione: una giornata di un campionato di %1 squadre comprende %2 incontri.")
            .arg(numeroSquadre)
            .arg(righe);

    for (int r = 0; r < righe; ++r)
        if (g.incontri[r].sq1.isEmpty() || g.incontri[r].sq2.isEmpty())
            return QStringLiteral("Attenzione: l'incontro n. %1 non è completo.\rIndicare entrambe le squadre di "
                                  "ogni incontro della giornata.")
                .arg(r + 1);
    if (dispari && g.riposa.isEmpty())
        return QStringLiteral("Attenzione: il campionato ha un numero dispari di squadre.\rIndicare la squadra che "
                              "riposa in questa giornata.");

    for (int r = 0; r < righe; ++r)
        if (g.incontri[r].sq1.compare(g.incontri[r].sq2, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Attenzione: nell'incontro n. %1 la squadra %2 è indicata contro se stessa.")
                .arg(r + 1)
                .arg(g.incontri[r].sq1);

    if (dispari)
        for (int r = 0; r < righe; ++r)
            for (const QString& s : {g.incontri[r].sq1, g.incontri[r].sq2})
                if (s.compare(g.riposa, Qt::CaseInsensitive) == 0)
                    return QStringLiteral("Attenzione: la squadra %1 riposa in questa giornata e non può giocare "
                                          "l'incontro n. %2.")
                        .arg(s)
                        .arg(r + 1);

    QHash<QString, int> incontroDi;  // team (lower case) -> the row where it plays first
    for (int r = 0; r < righe; ++r)
        for (const QString& s : {g.incontri[r].sq1, g.incontri[r].sq2}) {
            const QString chiave = s.toLower();
            if (incontroDi.contains(chiave))
                return QStringLiteral("Attenzione: la squadra %1 compare più di una volta nella giornata (incontri "
                                      "n. %2 e n. %3).\rOgni squadra gioca un solo incontro per giornata.")
                    .arg(s)
                    .arg(incontroDi.value(chiave))
                    .arg(r + 1);
            incontroDi.insert(chiave, r + 1);
        }
    return QString();
}

QString GiornateCalendarioQueries::cambioGiocate(const DatiGiornata& g, const DatiGiornata& salvata)
{
    for (qsizetype r = 0; r < g.incontri.size(); ++r) {
        const DatiIncontro& ora = g.incontri[r];
        const DatiIncontro* prima = ora.codPart > 0 ? incontroDi(salvata, ora.codPart) : nullptr;
        if (prima && prima->giocato &&
            (prima->sq1.compare(ora.sq1, Qt::CaseInsensitive) != 0 ||
             prima->sq2.compare(ora.sq2, Qt::CaseInsensitive) != 0))
            return QStringLiteral("Attenzione: l'incontro n. %1 (%2 - %3) è già stato disputato, o ne sono state "
                                  "registrate formazioni o reti: le sue squadre non possono essere cambiate.")
                .arg(r + 1)
                .arg(prima->sq1, prima->sq2);
    }
    return QString();
}

QVariant GiornateCalendarioQueries::rigaCampionato()
{
    const QVariant riga = Valore("SELECT rowid FROM CAMPIONATO ORDER BY rowid LIMIT 1");
    if (!riga.isValid())
        throw ErroreDatabase(QStringLiteral("Il file non contiene i dati generali del campionato (tabella "
                                            "CAMPIONATO vuota)."));
    return riga;
}

void GiornateCalendarioQueries::salvaIncontri(DatiGiornata& g, int numeroSquadre)
{
    const bool dispari = numeroSquadre % 2 != 0;
    QVector<int> codici;

    Transazione t;
    const QVariant riga = rigaCampionato();
    const DatiGiornata memorizzata = leggi(g.numero);
    if (!memorizzata.registrata)
        Esegui("INSERT INTO GIORNATA (NUMERO, DATAAND, DATARIT, DISPAND, DISPRIT, RIPOSA) VALUES (?, ?, ?, 0, 0, ?)",
               {g.numero, VuotoInSpazio(g.dataAnd.trimmed()), VuotoInSpazio(g.dataRit.trimmed()),
                dispari ? QVariant(VuotoInSpazio(g.riposa)) : QVariant()});
    else if (dispari && g.riposa != memorizzata.riposa)
        AggiornaRiga(QStringLiteral("GIORNATA"), {{QStringLiteral("RIPOSA"), VuotoInSpazio(g.riposa)}},
                     QStringLiteral("NUMERO = ?"), {g.numero}, giornataSparita(g.numero));

    for (int r = 0; r < g.incontri.size(); ++r) {
        const DatiIncontro& i = g.incontri[r];
        if (i.codPart > 0) {
            const DatiIncontro* salvato = incontroDi(memorizzata, i.codPart);
            if (!salvato) throw ErroreDatabase(incontroSparito(i, g.numero));
            aggiornaIncontro(i, *salvato, g.numero, true);
            codici << i.codPart;
        } else {
            codici << InserisciRiga(QStringLiteral("PARTITA"),
                                    QStringLiteral("INSERT INTO PARTITA (GIORNATANUM, DISPAND, DISPRIT, DATAAND, "
                                                   "HAND, DATARIT, HRIT, SQ1, SQ2, RIGA) VALUES (?, 0, 0, ?, ?, ?, ?, "
                                                   "?, ?, ?)"),
                                    {g.numero, VuotoInSpazio(i.date.DataAnd.trimmed()),
                                     VuotoInSpazio(i.date.HAnd.trimmed()), VuotoInSpazio(i.date.DataRit.trimmed()),
                                     VuotoInSpazio(i.date.HRit.trimmed()), i.sq1, i.sq2, r + 1});
        }
    }
    if (InteroDi(Valore("SELECT GIORNATEINS FROM CAMPIONATO WHERE rowid = ?", {riga})) < g.numero)
        Esegui("UPDATE CAMPIONATO SET GIORNATEINS = ? WHERE rowid = ?", {g.numero, riga});
    t.commit();

    g.registrata = true;
    for (int r = 0; r < g.incontri.size(); ++r) g.incontri[r].codPart = codici[r];
}

void GiornateCalendarioQueries::elimina(int numero)
{
    Transazione t;
    const QVariant riga = rigaCampionato();
    Esegui("DELETE FROM PARTITA WHERE GIORNATANUM = ?", {numero});
    Esegui("DELETE FROM GIORNATA WHERE NUMERO = ?", {numero});
    Esegui("UPDATE CAMPIONATO SET GIORNATEINS = ? WHERE rowid = ?", {numero - 1, riga});
    t.commit();
}
