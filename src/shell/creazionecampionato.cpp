#include "shell/creazionecampionato.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/messaggio.h"

#include <QUuid>

namespace {

void inserisciSquadra(const QString& nome, QSqlDatabase db)
{
    InserisciRiga(QStringLiteral("SQUADRA"), QStringLiteral("INSERT INTO SQUADRA (NOME) VALUES (?)"), {nome}, db);
}

}  // namespace

void CreaFileNuovoCampionato(const QString& percorso, const DatiNuovoCampionato& d)
{
    CreaFileCampionato(percorso, [&d](QSqlDatabase db) {
        InserisciRiga(QStringLiteral("CAMPIONATO"),
                      QStringLiteral("INSERT INTO CAMPIONATO (GIORNATEINS, NUMSQUADRE, PUNTIVIT, PUNTIX, PUNTISC, "
                                     "DENOM, NUMERAZIONE) VALUES (0, ?, ?, ?, ?, ?, ?)"),
                      {int(d.squadre.size()), d.puntiVittoria, d.puntiPareggio, d.puntiSconfitta,
                       VuotoInSpazio(d.denominazione), d.numerazione},
                      db);
        for (const QString& nome : d.squadre) inserisciSquadra(nome, db);
    });
}

void CreaFileNuovaStagione(const QString& percorso, const DatiNuovaStagione& d)
{
    if (!DbCampionatoAperto()) throw ErroreDatabase(QStringLiteral("Nessun campionato aperto."));
    const QString origine = DbCampionato().databaseName();
    CostruisciFileAccanto(percorso, [&](const QString& temporaneo) {
        // A consistent copy of the open championship, read on a connection of its own (so that no statement
        // left open by a window can stand in the way) while the championship stays open and unchanged; then
        // the copy is changed in one transaction.
        const QString conn = QStringLiteral("stagione_") + QUuid::createUuid().toString(QUuid::Id128);
        try {
            {
                QSqlDatabase db = ApriConnessione(conn, origine, true, false);
                Esegui("VACUUM INTO ?", {temporaneo}, db);
            }
            QSqlDatabase db = ApriConnessione(conn, temporaneo, false, false);
            Transazione t(db);
            for (int codice : d.codiciDaEliminare) {
                Esegui("DELETE FROM GIOCATORE WHERE CODSQUADRA = ?", {codice}, db);
                Esegui("DELETE FROM SQUADRA WHERE CODICE = ?", {codice}, db);
            }
            for (const QString& nome : d.squadreDaInserire) inserisciSquadra(nome, db);
            const int squadre = Valore("SELECT COUNT(*) FROM SQUADRA", {}, db).toInt();
            Esegui("UPDATE CAMPIONATO SET DENOM = ?, NUMSQUADRE = ?, GIORNATEINS = 0 "
                   "WHERE CODCAMP = (SELECT MIN(CODCAMP) FROM CAMPIONATO)",
                   {VuotoInSpazio(d.denominazione), squadre}, db);
            for (const char* tabella : {"PRESENZE", "GIORNATA", "PARTITA", "RETI", "PUNTISQUADRE"})
                Esegui(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabella)), {}, db);
            Esegui("UPDATE GIOCATORE SET RETI = 0", {}, db);
            t.commit();
        } catch (...) {
            ChiudiConnessione(conn);
            throw;
        }
        ChiudiConnessione(conn);
    });
}

bool ChiudiFinestreDelCampionato(const QString& eccetto, const QString& testo, const QString& titolo)
{
    if (!stato().CampionatoAperto || ChiudiFinestre(eccetto)) return true;
    Messaggio::errore(testo + QStringLiteral("\rUna finestra del campionato in uso non si è chiusa: chiuderla e "
                                             "riprovare."),
                      titolo);
    return false;
}

bool ApriCampionatoCreato(const QString& percorso, const QString& titolo, const QString& eccetto)
{
    return ApriECaricaCampionato(percorso, titolo, true, eccetto);
}
