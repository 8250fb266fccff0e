#include "core/campionato.h"

#include "core/calendarioautomatico.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/finestre.h"
#include "platform/messaggio.h"

#include <QFile>
#include <QFileInfo>
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

// Step 2 of the loading: the CAMPIONATO row. `conNumerazione` also reads the shirt numbering.
void leggiRigaCampionato(bool conNumerazione)
{
    Stato& s = stato();
    Query q("SELECT PuntiVit, PuntiX, PuntiSc, Denom, GiornateIns, Numerazione FROM Campionato ORDER BY CodCamp");
    if (!q.next()) {
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
    s.PuntiVittoria = q.intero("PuntiVit");
    s.PuntiPareggio = q.intero("PuntiX");
    s.PuntiSconfitta = q.intero("PuntiSc");
    s.Denominazione = q.testo("Denom");
    s.GiornateInserite = q.intero("GiornateIns");
    aggiornaTitolo();
    if (conNumerazione) {
        const int numerazione = q.intero("Numerazione");
        if (numerazione == NUMERAZIONE_TRADIZIONALE)
            s.NumerazioneTradizionale = true;
        else if (numerazione == 0 || numerazione == NUMERAZIONE_PERSONALE)
            s.NumerazioneTradizionale = false;
    }
}

void leggiSquadre()
{
    QVector<TipoSquadra> squadre(1);
    QVector<QString> nomi(1);
    Query q("SELECT Nome, Codice FROM Squadra ORDER BY Nome, Codice");
    while (q.next()) {
        squadre.append(TipoSquadra{q.testo(0), QString::number(q.intero(1))});
        nomi.append(q.testo(0));
    }
    Stato& s = stato();
    s.Squadre = squadre;
    s.NomiSquadre = nomi;
    s.NumeroSquadre = int(squadre.size()) - 1;
}

QString testoNuovoCampionato()
{
    return QStringLiteral("Il file ") + stato().PercorsoCampionato +
           QStringLiteral("\rè stato creato con successo!\r\r") +
           QStringLiteral("Si desidera creare automaticamente il calendario del campionato?\r") +
           QStringLiteral("(Premere F1 per ulteriori informazioni)");
}

const QByteArray INTESTAZIONE_SQLITE("SQLite format 3\0", 16);

bool intestazioneSqlite(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray inizio = f.read(16);
    return inizio.isEmpty() || inizio == INTESTAZIONE_SQLITE;  // an empty file is an empty database
}

// The driver's message without the statement that Query appends after a carriage return.
QString primaRiga(const QString& testo) { return testo.section(QLatin1Char('\r'), 0, 0).trimmed(); }

// The fields of the current layout missing from the file: empty when none. A file that lacks only
// fields added since the previous version is of that version.
QString verificaCampi(QSqlDatabase db)
{
    static const QStringList AGGIUNTI{"CAMPIONATO.NUMERAZIONE", "GIOCATORE.FOTO", "PRESENZE.VOTO",
                                      "PRESENZE.CHIHASOST"};
    QStringList mancanti;
    for (const TabellaSchema& t : SchemaCampionato()) {
        QStringList presenti;
        Query q(QStringLiteral("PRAGMA table_info(%1)").arg(t.nome), {}, db);
        while (q.next()) presenti << q.testo("name").toUpper();
        for (const CampoSchema& c : t.campi)
            if (!presenti.contains(c.nome)) mancanti << t.nome + QLatin1Char('.') + c.nome;
    }
    if (mancanti.isEmpty()) return QString();
    bool versionePrecedente = true;
    for (const QString& m : mancanti) versionePrecedente = versionePrecedente && AGGIUNTI.contains(m);
    if (versionePrecedente)
        return QStringLiteral("Il file è nel formato della versione 4: convertirlo con il comando "
                              "\"Conversione files versione 4\" del menu File.");
    return QStringLiteral("Nel file mancano i campi %1.").arg(mancanti.join(QStringLiteral(", ")));
}

}  // namespace

void ImpostaTitoloPrincipale(std::function<void(const QString&)> aggiorna) { agganciaTitolo() = std::move(aggiorna); }

QString TitoloPrincipale() { return QStringLiteral("Golvarno 2000 - ") + stato().Denominazione; }

bool ChiudiFinestre()
{
    CursoreAttesa();
    const bool chiuse = Finestre::istanza().chiudiVisibili();
    CursoreNormale();
    return chiuse;
}

void CaricaCampionato()
{
    Stato& s = stato();
    if (s.CampionatoAperto) ChiudiFinestre();
    s.CampionatoAperto = true;
    s.SquadraCorrente.clear();

    leggiRigaCampionato(true);
    leggiSquadre();

    if (s.CampionatoCreato == 1) {
        s.CampionatoCreato = 0;
        const int contesto = s.PercorsoGuida.isEmpty() ? -1 : 50;
        const auto risposta =
            Messaggio::mostra(testoNuovoCampionato(), Messaggio::Pulsanti::SiNo, Messaggio::Icona::Domanda,
                              QStringLiteral("Creazione di un nuovo campionato"), 0, contesto);
        if (risposta == Messaggio::Risposta::Si) MostraCalendarioAutomatico();
    } else if (s.MostraSchedaCampionato && Finestre::istanza().registrata(QStringLiteral("Form53"))) {
        Finestre::istanza().mostra(QStringLiteral("Form53"));
    }
}

void RileggiCampionato() { leggiRigaCampionato(false); }

QString VerificaFileCampionato(const QString& percorso, bool formatoAttuale)
{
    if (!EsisteFile(percorso)) return QStringLiteral("Il file non esiste o non può essere letto.");
    if (!intestazioneSqlite(percorso)) return QStringLiteral("Il file non è un archivio di Golvarno 2000.");

    const QString conn = QStringLiteral("verifica_") + QUuid::createUuid().toString(QUuid::Id128);
    QString motivo;
    try {
        // Read-write when possible, so that a transaction interrupted by a crash is rolled back.
        QSqlDatabase db = ApriConnessione(conn, percorso, !QFileInfo(percorso).isWritable(), false);
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
        else if (formatoAttuale)
            motivo = verificaCampi(db);
    } catch (const ErroreDatabase& e) {
        motivo = QStringLiteral("Il file è danneggiato (%1).").arg(primaRiga(e.testo()));
    }
    ChiudiConnessione(conn);
    return motivo;
}

bool ApriComeCampionato(const QString& percorso, const QString& titolo)
{
    auto rifiuta = [&](const QString& motivo) {
        Messaggio::errore(QStringLiteral("Impossibile aprire il file\r") + percorso + QStringLiteral("\r\r") + motivo,
                          titolo);
        return false;
    };
    const QString motivo = VerificaFileCampionato(percorso);
    if (!motivo.isEmpty()) return rifiuta(motivo);

    // The windows of the championship in use close while its file is still theirs: what they save on
    // closing must not land in the file being opened.
    // A window whose user cancelled its closing keeps the championship in use.
    if (stato().CampionatoAperto && !ChiudiFinestre()) return false;

    const QString precedente = DbCampionatoAperto() ? DbCampionato().databaseName() : QString();
    try {
        ApriDbCampionato(percorso);
    } catch (const ErroreDatabase& e) {
        if (!precedente.isEmpty()) {
            try {
                ApriDbCampionato(precedente);
            } catch (const ErroreDatabase&) {
            }
        }
        return rifiuta(primaRiga(e.testo()));
    }
    stato().PercorsoCampionato = percorso;
    return true;
}

bool ApriFileComeCampionato(const QString& percorso)
{
    if (!ApriComeCampionato(percorso)) return false;
    Stato& s = stato();
    s.CampionatoAperto = true;
    s.CampionatoCreato = 0;
    try {
        CaricaCampionato();
    } catch (const ErroreDatabase& e) {
        Messaggio::errore(QStringLiteral("Impossibile leggere il campionato del file\r") + percorso +
                              QStringLiteral("\r\r") + primaRiga(e.testo()),
                          QStringLiteral("Golvarno"));
        return false;
    }
    return true;
}
