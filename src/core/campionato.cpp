#include "core/campionato.h"

#include "core/calendarioautomatico.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/intervalli.h"
#include "core/schema.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/finestre.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <algorithm>
#include <numeric>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUuid>

namespace {

std::function<void(const QString&)>& agganciaTitolo()
{
    static std::function<void(const QString&)> f;
    return f;
}

void aggiornaTitolo()
{
    if (agganciaTitolo()) agganciaTitolo()(TitoloPrincipale());
}

QString testoNuovoCampionato()
{
    return QStringLiteral("Il file ") + stato().PercorsoCampionato +
           QStringLiteral("\rè stato creato con successo!\r\r") +
           QStringLiteral("Si desidera creare automaticamente il calendario del campionato?\r") +
           QStringLiteral("(Premere F1 per ulteriori informazioni)");
}

// What a load reads from the file, held apart until the whole file has been read.
struct RigaCampionato {
    bool presente = false;
    int puntiVittoria = 0, puntiPareggio = 0, puntiSconfitta = 0;
    QString denominazione;
    int giornate = 0;
    int numerazione = 0;
};

struct LetturaCampionato {
    RigaCampionato riga;
    QVector<TipoSquadra> squadre{TipoSquadra{}};  // index 0 unused
    QVector<QString> nomi{QString()};
};

// Step 2 of the loading: the CAMPIONATO row.
RigaCampionato leggiRigaCampionato()
{
    RigaCampionato r;
    Query q("SELECT PuntiVit, PuntiX, PuntiSc, Denom, GiornateIns, Numerazione FROM Campionato ORDER BY CodCamp");
    if (!q.next()) return r;
    r.presente = true;
    r.puntiVittoria = q.intero("PuntiVit");
    r.puntiPareggio = q.intero("PuntiX");
    r.puntiSconfitta = q.intero("PuntiSc");
    r.denominazione = q.testo("Denom");
    r.giornate = q.intero("GiornateIns");
    r.numerazione = q.intero("Numerazione");
    return r;
}

// `conNumerazione` also applies the shirt numbering.
void applicaRigaCampionato(const RigaCampionato& r, bool conNumerazione)
{
    Stato& s = stato();
    if (!r.presente) {
        // A file without its row: nothing of the championship opened before may survive.
        if (conNumerazione) {
            s.PuntiVittoria = s.PuntiPareggio = s.PuntiSconfitta = 0;
            s.Denominazione.clear();
            s.GiornateInserite = 0;
            s.NumerazioneTradizionale = false;
            aggiornaTitolo();
        }
        return;
    }
    s.PuntiVittoria = r.puntiVittoria;
    s.PuntiPareggio = r.puntiPareggio;
    s.PuntiSconfitta = r.puntiSconfitta;
    s.Denominazione = r.denominazione;
    s.GiornateInserite = r.giornate;
    aggiornaTitolo();
    if (conNumerazione) {
        if (r.numerazione == NUMERAZIONE_TRADIZIONALE)
            s.NumerazioneTradizionale = true;
        else if (r.numerazione == 0 || r.numerazione == NUMERAZIONE_PERSONALE)
            s.NumerazioneTradizionale = false;
    }
}

LetturaCampionato leggiCampionato()
{
    LetturaCampionato l;
    l.riga = leggiRigaCampionato();
    Query q("SELECT Nome, Codice FROM Squadra ORDER BY Nome, Codice");
    while (q.next()) {
        l.squadre.append(TipoSquadra{q.testo(0), QString::number(q.intero(1))});
        l.nomi.append(q.testo(0));
    }
    return l;
}

// The steps of the loading that follow the reading: the state, then the question about the calendar of a
// file just created or the championship card.
void completaCaricamento(const LetturaCampionato& l)
{
    Stato& s = stato();
    s.CampionatoAperto = true;
    s.SquadraCorrente.clear();
    applicaRigaCampionato(l.riga, true);
    s.Squadre = l.squadre;
    s.NomiSquadre = l.nomi;
    s.NumeroSquadre = int(l.squadre.size()) - 1;

    if (s.CampionatoCreato == 1) {
        s.CampionatoCreato = 0;
        const int contesto = s.PercorsoGuida.isEmpty() ? -1 : 50;
        const auto risposta =
            Messaggio::mostra(testoNuovoCampionato(), Messaggio::Pulsanti::SiNo, Messaggio::Icona::Domanda,
                              QStringLiteral("Creazione di un nuovo campionato"), 0, contesto);
        if (risposta == Messaggio::Risposta::Si) MostraCalendarioAutomatico();
    } else if (s.MostraSchedaCampionato && Finestre::istanza().registrata(IdFinestra::SchedaCampionato)) {
        Finestre::istanza().mostra(IdFinestra::SchedaCampionato);
    }
}

const QByteArray INTESTAZIONE_SQLITE("SQLite format 3\0", 16);

// What is wrong with the first bytes of the file, read without the engine; empty when nothing is.
// Bytes 18 and 19 say which journal the file uses: 1 the rollback journal of this program, 2 a
// write-ahead log, which the engine would start using (and the program's settings would rewrite) on opening.
QString verificaIntestazione(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("Il file non esiste o non può essere letto.");
    const QByteArray inizio = f.read(20);
    if (inizio.isEmpty()) return QString();  // an empty file is an empty database
    if (!inizio.startsWith(INTESTAZIONE_SQLITE)) return QStringLiteral("Il file non è un archivio di Golvarno 2000.");
    if (inizio.size() < 20) return QStringLiteral("Il file è danneggiato (intestazione incompleta).");
    if (inizio.at(18) == 2 || inizio.at(19) == 2)
        return QStringLiteral("Il file è stato scritto da un altro programma in modalità WAL, che Golvarno 2000 non "
                              "usa: il file non è stato aperto né modificato.");
    if (inizio.at(18) != 1 || inizio.at(19) != 1)
        return QStringLiteral("Il file è stato scritto da una versione del motore di dati che Golvarno 2000 non "
                              "conosce.");
    return QString();
}

// The check's own connection, with none of the settings of the program's connections (they would rewrite
// the file's header). Read-write when the file allows it, so that a transaction that a crash left
// unfinished is rolled back by the first read, as it must be before the file is used.
QSqlDatabase apriPerVerifica(const QString& nome, const QString& percorso)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(percorso);
    QString opzioni = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
    if (!QFileInfo(percorso).isWritable()) opzioni += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(opzioni);
    if (!db.open()) throw ErroreDatabase(db.lastError());
    return db;
}

// The counts the windows loop over, against the rows they count: empty when they agree.
QString verificaConteggi(QSqlDatabase db)
{
    // Numbers are read by their value: a file of the previous version may hold them as text, and its copy will
    // hold that value.
    const qint64 registrate = Valore(QStringLiteral("SELECT %1 FROM Campionato ORDER BY %2 LIMIT 1")
                                         .arg(ValoreNumericoSql("GiornateIns"), ValoreNumericoSql("CodCamp")),
                                     {}, db)
                                  .toLongLong();
    const qint64 presenti =
        Valore(QStringLiteral("SELECT COUNT(DISTINCT %1) FROM Giornata").arg(ValoreNumericoSql("Numero")), {}, db)
            .toLongLong();
    if (registrate < 0 || registrate > presenti)
        return QStringLiteral("Il file indica %1 giornate registrate, ma ne contiene %2.")
            .arg(registrate)
            .arg(presenti);
    const qint64 squadre = Valore("SELECT COUNT(*) FROM Squadra", {}, db).toLongLong();
    Query q(QStringLiteral("SELECT %1 AS G, COUNT(*) AS N FROM Partita GROUP BY G ORDER BY N DESC, G LIMIT 1")
                .arg(ValoreNumericoSql("GiornataNum")),
            {}, db);
    if (!q.next() || q.valore(1).toLongLong() <= squadre / 2) return QString();
    // Matches whose round is empty make one group, which is no round.
    if (q.valore(0).isNull())
        return QStringLiteral("Nel file %1 partite sono senza il numero della loro giornata (il campo GIORNATANUM "
                              "della tabella PARTITA è vuoto): non si può sapere in quale giornata si giochino.")
            .arg(q.valore(1).toLongLong());
    return QStringLiteral("La giornata %1 del file ha %2 partite, ma con %3 squadre se ne giocano al massimo %4.")
        .arg(q.testo(0))
        .arg(q.valore(1).toLongLong())
        .arg(squadre)
        .arg(squadre / 2);
}

// Two teams that the program cannot tell apart, named as the reason to refuse the file: the matches, line-ups and
// goals find their teams by name. Names compare as those the user types (ConfrontaNomiSquadra). Empty when every
// team has a name of its own.
QString nomiSquadreUguali(QSqlDatabase db)
{
    QStringList nomi;
    {
        Query q("SELECT NOME FROM SQUADRA ORDER BY rowid", {}, db);
        while (q.next()) nomi << q.testo(0);
    }
    QVector<int> ordine(nomi.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&nomi](int a, int b) { return ConfrontaNomiSquadra(nomi[a], nomi[b]) < 0; });
    for (qsizetype i = 1; i < ordine.size(); ++i) {
        const QString& primo = nomi[ordine[i - 1]];
        const QString& secondo = nomi[ordine[i]];
        if (ConfrontaNomiSquadra(primo, secondo) != 0) continue;
        const QString perche = QStringLiteral(": le partite, le formazioni e le reti indicano le squadre per nome, e "
                                              "non si potrebbe sapere a quale delle due appartengano.");
        if (primo.trimmed().isEmpty()) return QStringLiteral("Nel file due squadre sono senza nome") + perche;
        if (primo == secondo)
            return QStringLiteral("Nel file due squadre si chiamano «%1»").arg(ValoreInBreve(primo)) + perche;
        return QStringLiteral("Nel file due squadre si chiamano «%1» e «%2», nomi che il programma non distingue")
                   .arg(ValoreInBreve(primo), ValoreInBreve(secondo)) +
               perche;
    }
    return QString();
}

// The driver's message without the statement that Query appends after a carriage return.
QString primaRiga(const QString& testo) { return testo.section(QLatin1Char('\r'), 0, 0).trimmed(); }

// The fields of the current layout missing from the file: empty when none. A file that lacks only
// fields added since the previous version is of that version: without `formatoAttuale` it is the one expected.
QString verificaCampi(const CampiNelFile& campi, bool formatoAttuale)
{
    static const QStringList AGGIUNTI{"CAMPIONATO.NUMERAZIONE", "GIOCATORE.FOTO", "PRESENZE.VOTO",
                                      "PRESENZE.CHIHASOST"};
    QStringList mancanti;
    for (const TabellaSchema& t : SchemaCampionato()) {
        const QVector<CampoNelFile> presenti = campi.value(t.nome);
        for (const CampoSchema& c : t.campi)
            if (std::none_of(presenti.begin(), presenti.end(), [&](const CampoNelFile& p) { return p.nome == c.nome; }))
                mancanti << t.nome + QLatin1Char('.') + c.nome;
    }
    if (!formatoAttuale) mancanti.removeIf([](const QString& m) { return AGGIUNTI.contains(m); });
    if (mancanti.isEmpty()) return QString();
    bool versionePrecedente = formatoAttuale;
    for (const QString& m : mancanti) versionePrecedente = versionePrecedente && AGGIUNTI.contains(m);
    if (versionePrecedente)
        return QStringLiteral("Il file è nel formato della versione 4: convertirlo con il comando "
                              "\"Conversione files versione 4\" del menu File.");
    return QStringLiteral("Nel file mancano i campi %1.").arg(mancanti.join(QStringLiteral(", ")));
}

// The counters that leave a new row without its code (see NumeraNuoveRighe): empty when none.
QString verificaContatori(const QStringList& tabelle)
{
    QStringList fermi;
    for (const TabellaSchema& t : SchemaCampionato())
        if (tabelle.contains(t.nome)) fermi << t.nome + QLatin1Char('.') + ContatoreDi(t);
    if (fermi.isEmpty()) return QString();
    const QString testo = fermi.size() == 1
                              ? QStringLiteral("Nel file il campo %1 non è un contatore: non numera da sé le righe "
                                               "nuove, che resterebbero senza codice.")
                              : QStringLiteral("Nel file i campi %1 non sono contatori: non numerano da sé le righe "
                                               "nuove, che resterebbero senza codice.");
    return testo.arg(fermi.join(QStringLiteral(", "))) +
           QStringLiteral(" Il file non è stato creato da Golvarno 2000.");
}

}  // namespace

void ImpostaTitoloPrincipale(std::function<void(const QString&)> aggiorna) { agganciaTitolo() = std::move(aggiorna); }

QString TitoloPrincipale() { return QStringLiteral("Golvarno 2000 - ") + TestoInRiga(stato().Denominazione); }

bool ChiudiFinestre(const QString& eccetto)
{
    CursoreAttesa();
    bool chiuse = true;
    Finestre& registro = Finestre::istanza();
    // The first window that stays (its user cancelled) stops the closing: the championship is not replaced, so
    // the windows after it are neither asked nor closed.
    for (const QString& id : registro.registrate())
        if (id != eccetto && registro.visibile(id) && !registro.scaricaSubito(id)) {
            chiuse = false;
            break;
        }
    CursoreNormale();
    return chiuse;
}

void CaricaCampionato()
{
    // The whole file is read before anything changes: a failure leaves the state as it was.
    const LetturaCampionato l = leggiCampionato();
    if (stato().CampionatoAperto) ChiudiFinestre();
    completaCaricamento(l);
}

void RileggiCampionato() { applicaRigaCampionato(leggiRigaCampionato(), false); }

namespace {

// VerificaFileCampionato; with `tenuta` a file that passes stays open on the check's connection, whose name is
// put there (and nothing is left open when it does not pass).
QString verifica(const QString& percorso, bool formatoAttuale, QString* tenuta)
{
    // Only a regular file: opening a pipe or a device to read it would wait for ever.
    if (!QFileInfo(percorso).isFile() || !EsisteFile(percorso))
        return QStringLiteral("Il file non esiste o non può essere letto.");
    if (const QString motivo = verificaIntestazione(percorso); !motivo.isEmpty()) return motivo;

    const QString conn = QStringLiteral("verifica_") + QUuid::createUuid().toString(QUuid::Id128);
    QString motivo;
    try {
        QSqlDatabase db = apriPerVerifica(conn, percorso);
        QStringList esito;
        {
            Query q("PRAGMA quick_check", {}, db);
            while (q.next()) esito << q.testo(0);
        }
        const QStringList mancanti = esito == QStringList{QStringLiteral("ok")} ? TabelleMancanti(conn) : QStringList();
        if (esito != QStringList{QStringLiteral("ok")})
            motivo = QStringLiteral("Il file è danneggiato (%1).").arg(esito.value(0));
        else if (mancanti.size() == SchemaCampionato().size())
            motivo = QStringLiteral("Il file non contiene i dati di un campionato.");
        else if (!mancanti.isEmpty())
            motivo = QStringLiteral("Nel file mancano le tabelle %1.").arg(mancanti.join(QStringLiteral(", ")));
        else if (HaTrigger(conn))
            motivo = MotivoTrigger();
        else
            motivo = VerificaDatiCampionato(db, formatoAttuale);
    } catch (const ErroreDatabase& e) {
        // A file in use, read-only or out of reach is not a damaged file: the user is told which.
        const bool danneggiato =
            e.tipo() == ErroreDatabase::Tipo::Danneggiato || e.tipo() == ErroreDatabase::Tipo::Generico;
        motivo = danneggiato ? QStringLiteral("Il file è danneggiato (%1).").arg(primaRiga(e.testo())) : e.testo();
    }
    if (tenuta && motivo.isEmpty())
        *tenuta = conn;
    else
        ChiudiConnessione(conn);
    return motivo;
}

}  // namespace

QString VerificaDatiCampionato(QSqlDatabase db, bool formatoAttuale)
{
    // One reading of the file, as it stands when the check begins.
    Transazione lettura(db);
    const CampiNelFile campi = LeggiCampiNelFile(db);
    // Before anything reads a row by its number.
    QString motivo = TabelleSenzaNumeriDiRiga(db);
    if (motivo.isEmpty()) motivo = verificaCampi(campi, formatoAttuale);
    const QStringList fermi = motivo.isEmpty() ? ContatoriCheNonNumerano(db) : QStringList();
    // A copy converted from the previous version gets counters of its own.
    if (motivo.isEmpty() && formatoAttuale) motivo = verificaContatori(fermi);
    // Without its general data every table would give 0 points and no match day would count as registered.
    if (motivo.isEmpty() && !Valore("SELECT 1 FROM Campionato LIMIT 1", {}, db).isValid())
        motivo = QStringLiteral("Nel file mancano i dati generali del campionato (la denominazione, i punti "
                                "per vittoria, pareggio e sconfitta, le giornate registrate).");
    if (motivo.isEmpty()) motivo = ValoreFuoriIntervallo(db, campi, fermi);
    if (motivo.isEmpty()) motivo = nomiSquadreUguali(db);
    if (motivo.isEmpty()) motivo = verificaConteggi(db);
    return motivo;
}

QString VerificaFileCampionato(const QString& percorso, bool formatoAttuale)
{
    return verifica(percorso, formatoAttuale, nullptr);
}

namespace {

// After a file that could not be read: the championship in use (`precedente`, its file) goes on, or none.
void ripristina(const QString& precedente)
{
    if (!precedente.isEmpty()) {
        try {
            ApriDbCampionato(precedente);
            return;
        } catch (const ErroreDatabase&) {
        }
    }
    ChiudiDbCampionato();
    if (!stato().CampionatoAperto) return;
    // The file in use could not be opened again either: no championship is open, and none of its state stays.
    Stato& s = stato();
    s.CampionatoAperto = false;
    s.PercorsoCampionato.clear();
    applicaRigaCampionato(RigaCampionato{}, true);
    s.Squadre = {TipoSquadra{}};
    s.NomiSquadre = {QString()};
    s.NumeroSquadre = 0;
}

bool rifiutaFile(const QString& percorso, const QString& motivo, const QString& titolo)
{
    Messaggio::errore(QStringLiteral("Impossibile aprire il file\r") + percorso + QStringLiteral("\r\r") + motivo,
                      titolo);
    return false;
}

}  // namespace

bool ApriComeCampionato(const QString& percorso, const QString& titolo)
{
    const QString motivo = VerificaFileCampionato(percorso);
    if (!motivo.isEmpty()) return rifiutaFile(percorso, motivo, titolo);

    // The windows of the championship in use close while its file is still theirs: what they save on
    // closing must not land in the file being opened.
    // A window whose user cancelled its closing keeps the championship in use.
    if (stato().CampionatoAperto && !ChiudiFinestre()) return false;

    const QString precedente = DbCampionatoAperto() ? DbCampionato().databaseName() : QString();
    try {
        ApriDbCampionato(percorso);
    } catch (const ErroreDatabase& e) {
        ripristina(precedente);
        return rifiutaFile(percorso, primaRiga(e.testo()), titolo);
    }
    stato().PercorsoCampionato = percorso;
    return true;
}

bool ApriECaricaCampionato(const QString& percorso, const QString& titolo, bool creato, const QString& eccetto)
{
    // The file checked stays open on the check's connection, which becomes the championship connection.
    QString verificata;
    const QString motivo = verifica(percorso, true, &verificata);
    if (!motivo.isEmpty()) return rifiutaFile(percorso, motivo, titolo);
    if (stato().CampionatoAperto && !ChiudiFinestre(eccetto)) {
        ChiudiConnessione(verificata);
        return false;
    }

    // The new file is read whole on the championship connection before it replaces anything of the
    // championship in use; when it cannot be, the file in use is opened again.
    const QString precedente = DbCampionatoAperto() ? DbCampionato().databaseName() : QString();
    LetturaCampionato l;
    try {
        AdottaDbCampionato(verificata);
        l = leggiCampionato();
    } catch (const ErroreDatabase& e) {
        ripristina(precedente);
        QString testo = QStringLiteral("Impossibile leggere il campionato del file\r") + percorso +
                        QStringLiteral("\r\r") + primaRiga(e.testo());
        if (stato().CampionatoAperto) testo += QStringLiteral("\r\rIl campionato in uso resta aperto.");
        Messaggio::errore(testo, titolo);
        return false;
    }
    Stato& s = stato();
    s.PercorsoCampionato = percorso;
    s.CampionatoCreato = creato ? 1 : 0;
    completaCaricamento(l);
    return true;
}

bool ApriFileComeCampionato(const QString& percorso)
{
    return ApriECaricaCampionato(percorso, QStringLiteral("Golvarno"), false);
}
