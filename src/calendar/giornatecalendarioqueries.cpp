#include "calendar/giornatecalendarioqueries.h"

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

void GiornateCalendarioQueries::salvaDate(const DatiGiornata& g)
{
    Transazione t;
    if (g.registrata)
        Esegui("UPDATE GIORNATA SET DATAAND = ?, DATARIT = ? WHERE NUMERO = ?",
               {VuotoInSpazio(g.dataAnd.trimmed()), VuotoInSpazio(g.dataRit.trimmed()), g.numero});
    for (const DatiIncontro& i : g.incontri) {
        if (i.codPart <= 0) continue;
        Esegui("UPDATE PARTITA SET DATAAND = ?, HAND = ?, DATARIT = ?, HRIT = ? WHERE CODPART = ?",
               {VuotoInSpazio(i.date.DataAnd.trimmed()), VuotoInSpazio(i.date.HAnd.trimmed()),
                VuotoInSpazio(i.date.DataRit.trimmed()), VuotoInSpazio(i.date.HRit.trimmed()), i.codPart});
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
    for (qsizetype r = 0; r < salvata.incontri.size() && r < g.incontri.size(); ++r) {
        const DatiIncontro& prima = salvata.incontri[r];
        const DatiIncontro& ora = g.incontri[r];
        if (prima.giocato && (prima.sq1.compare(ora.sq1, Qt::CaseInsensitive) != 0 ||
                              prima.sq2.compare(ora.sq2, Qt::CaseInsensitive) != 0))
            return QStringLiteral("Attenzione: l'incontro n. %1 (%2 - %3) è già stato disputato, o ne sono state "
                                  "registrate formazioni o reti: le sue squadre non possono essere cambiate.")
                .arg(r + 1)
                .arg(prima.sq1, prima.sq2);
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
    const QVariant riposa = dispari ? QVariant(VuotoInSpazio(g.riposa)) : QVariant();
    QVector<int> codici;

    Transazione t;
    const QVariant riga = rigaCampionato();
    if (!g.registrata)
        Esegui("INSERT INTO GIORNATA (NUMERO, DATAAND, DATARIT, DISPAND, DISPRIT, RIPOSA) VALUES (?, ?, ?, 0, 0, ?)",
               {g.numero, VuotoInSpazio(g.dataAnd.trimmed()), VuotoInSpazio(g.dataRit.trimmed()), riposa});
    else if (dispari)
        Esegui("UPDATE GIORNATA SET RIPOSA = ? WHERE NUMERO = ?", {riposa, g.numero});

    for (int r = 0; r < g.incontri.size(); ++r) {
        const DatiIncontro& i = g.incontri[r];
        const QVariantList valori{VuotoInSpazio(i.date.DataAnd.trimmed()),
                                  VuotoInSpazio(i.date.HAnd.trimmed()),
                                  VuotoInSpazio(i.date.DataRit.trimmed()),
                                  VuotoInSpazio(i.date.HRit.trimmed()),
                                  i.sq1,
                                  i.sq2,
                                  r + 1};
        if (i.codPart > 0) {
            Esegui("UPDATE PARTITA SET DATAAND = ?, HAND = ?, DATARIT = ?, HRIT = ?, SQ1 = ?, SQ2 = ?, RIGA = ? "
                   "WHERE CODPART = ?",
                   valori + QVariantList{i.codPart});
            codici << i.codPart;
        } else {
            Query q("INSERT INTO PARTITA (GIORNATANUM, DISPAND, DISPRIT, DATAAND, HAND, DATARIT, HRIT, SQ1, SQ2, RIGA) "
                    "VALUES (?, 0, 0, ?, ?, ?, ?, ?, ?, ?)",
                    QVariantList{g.numero} + valori);
            codici << q.ultimoId().toInt();
        }
    }
    if (Valore("SELECT GIORNATEINS FROM CAMPIONATO WHERE rowid = ?", {riga}).toInt() < g.numero)
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
