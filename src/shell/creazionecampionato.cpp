#include "shell/creazionecampionato.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/messaggio.h"
#include "shell/controllifinestre.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

QString nomeConnessione(const char* prefisso)
{
    return QString::fromLatin1(prefisso) + QUuid::createUuid().toString(QUuid::Id128);
}

void rimuoviFile(const QString& percorso)
{
    QFile::remove(percorso);
    QFile::remove(percorso + QStringLiteral("-journal"));
}

// Runs `scrivi` in one transaction on a connection of its own to the file; on any failure the file
// is removed and the failure passed on.
template <typename F> void completaFile(const QString& percorso, const char* prefisso, F scrivi)
{
    const QString conn = nomeConnessione(prefisso);
    try {
        {
            QSqlDatabase db = ApriConnessione(conn, percorso, false, false);
            Transazione t(db);
            scrivi(db);
            t.commit();
        }
        ChiudiConnessione(conn);
    } catch (...) {
        ChiudiConnessione(conn);
        rimuoviFile(percorso);
        throw;
    }
}

}  // namespace

void CreaFileNuovoCampionato(const QString& percorso, const DatiNuovoCampionato& d)
{
    CreaFileCampionato(percorso);
    completaFile(percorso, "nuovo_", [&](QSqlDatabase db) {
        Esegui("INSERT INTO CAMPIONATO (GIORNATEINS, NUMSQUADRE, PUNTIVIT, PUNTIX, PUNTISC, DENOM, NUMERAZIONE) "
               "VALUES (0, ?, ?, ?, ?, ?, ?)",
               {int(d.squadre.size()), d.puntiVittoria, d.puntiPareggio, d.puntiSconfitta,
                VuotoInSpazio(d.denominazione), d.numerazione},
               db);
        for (const QString& nome : d.squadre) Esegui("INSERT INTO SQUADRA (NOME) VALUES (?)", {nome}, db);
    });
}

void CreaFileNuovaStagione(const QString& percorso, const DatiNuovaStagione& d)
{
    if (percorso.isEmpty()) throw ErroreDatabase(QStringLiteral("Nessun nome di file indicato."));
    if (QFileInfo::exists(percorso)) throw ErroreDatabase(QStringLiteral("Il file %1 esiste già.").arg(percorso));
    // A consistent copy of the open championship, read on a connection of its own (so that no statement
    // left open by a window can stand in the way) while the championship stays open and unchanged.
    if (!DbCampionatoAperto()) throw ErroreDatabase(QStringLiteral("Nessun campionato aperto."));
    const QString origine = DbCampionato().databaseName();
    const QString conn = nomeConnessione("copia_");
    try {
        {
            QSqlDatabase db = ApriConnessione(conn, origine, true, false);
            Esegui("VACUUM INTO ?", {percorso}, db);
        }
        ChiudiConnessione(conn);
    } catch (...) {
        ChiudiConnessione(conn);
        rimuoviFile(percorso);
        throw;
    }
    completaFile(percorso, "stagione_", [&](QSqlDatabase db) {
        for (int codice : d.codiciDaEliminare) {
            Esegui("DELETE FROM GIOCATORE WHERE CODSQUADRA = ?", {codice}, db);
            Esegui("DELETE FROM SQUADRA WHERE CODICE = ?", {codice}, db);
        }
        for (const QString& nome : d.squadreDaInserire) Esegui("INSERT INTO SQUADRA (NOME) VALUES (?)", {nome}, db);
        const int squadre = Valore("SELECT COUNT(*) FROM SQUADRA", {}, db).toInt();
        Esegui("UPDATE CAMPIONATO SET DENOM = ?, NUMSQUADRE = ?, GIORNATEINS = 0 "
               "WHERE CODCAMP = (SELECT MIN(CODCAMP) FROM CAMPIONATO)",
               {VuotoInSpazio(d.denominazione), squadre}, db);
        for (const char* tabella : {"PRESENZE", "GIORNATA", "PARTITA", "RETI", "PUNTISQUADRE"})
            Esegui(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabella)), {}, db);
        Esegui("UPDATE GIOCATORE SET RETI = 0", {}, db);
    });
}

bool ApriCampionatoCreato(const QString& percorso, const QString& titolo)
{
    if (!ApriComeCampionato(percorso, titolo)) {
        rimuoviFile(percorso);
        return false;
    }
    stato().CampionatoCreato = 1;
    try {
        CaricaCampionato();
    } catch (const ErroreDatabase& e) {
        Messaggio::errore(QStringLiteral("Impossibile leggere il campionato del file ") + percorso +
                              QStringLiteral("\r\r") + MotivoErrore(e),
                          titolo);
    }
    return true;
}
