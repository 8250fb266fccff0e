#include "support/vecchioformato.h"

#include "core/database.h"
#include "core/schema.h"

#include <QFileInfo>
#include <QStringList>
#include <QUuid>

namespace {

bool aggiuntoDopo(const QString& tabella, const QString& campo)
{
    return (tabella == "CAMPIONATO" && campo == "NUMERAZIONE") || (tabella == "GIOCATORE" && campo == "FOTO") ||
           (tabella == "PRESENZE" && (campo == "VOTO" || campo == "CHIHASOST"));
}

bool numerico(const QString& tabella, const QString& campo)
{
    for (const TabellaSchema& t : SchemaCampionato())
        for (const CampoSchema& c : t.campi)
            if (t.nome == tabella && c.nome == campo) return !c.tipo.startsWith("VARCHAR");
    return false;
}

}  // namespace

VecchioFormato::VecchioFormato(const QString& percorso, bool numeriSenzaTipo, bool codiciSemplici)
    : connessione_(QStringLiteral("vecchio_") + QUuid::createUuid().toString(QUuid::Id128)),
      codiciSemplici_(codiciSemplici)
{
    if (QFileInfo::exists(percorso)) throw ErroreDatabase(QStringLiteral("Il file %1 esiste già.").arg(percorso));
    QSqlDatabase d = ApriConnessione(connessione_, percorso);
    Transazione t(d);
    for (TabellaSchema tab : SchemaCampionato()) {
        tab.campi.removeIf([&tab](const CampoSchema& c) { return aggiuntoDopo(tab.nome, c.nome); });
        for (CampoSchema& c : tab.campi)
            if (numeriSenzaTipo && c.tipo != "COUNTER" && !c.tipo.startsWith("VARCHAR"))
                c.tipo.clear();
            else if (codiciSemplici && c.tipo == "COUNTER")
                c.tipo = "INTEGER";
        Esegui(SqlCreaTabella(tab), {}, d);
    }
    t.commit();
}

VecchioFormato::~VecchioFormato() { chiudi(); }

QSqlDatabase VecchioFormato::db() const { return QSqlDatabase::database(connessione_, false); }

void VecchioFormato::chiudi() { ChiudiConnessione(connessione_); }

qint64 VecchioFormato::inserisci(const QString& tabella, QVariantMap valori)
{
    QString contatore;
    for (const TabellaSchema& t : SchemaCampionato())
        if (t.nome == tabella) contatore = ContatoreDi(t);
    if (codiciSemplici_ && !contatore.isEmpty() && !valori.contains(contatore))
        valori.insert(
            contatore,
            Valore(QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM %2").arg(contatore, tabella), {}, db()));
    QStringList segnaposto;
    QVariantList scritti;
    for (auto it = valori.cbegin(); it != valori.cend(); ++it) {
        segnaposto << QStringLiteral("?");
        scritti << (numeriComeTesto_ && numerico(tabella, it.key()) ? QVariant(it.value().toString()) : it.value());
    }
    Query q(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabella, valori.keys().join(", "), segnaposto.join(", ")),
        scritti, db());
    return contatore.isEmpty() || !codiciSemplici_ ? q.ultimoId().toLongLong() : valori.value(contatore).toLongLong();
}

qint64 VecchioFormato::squadra(const QString& nome) { return inserisci("SQUADRA", {{"NOME", nome}, {"PENALITA", 0}}); }

qint64 VecchioFormato::partita(int giornata, const QString& sq1, const QString& sq2)
{
    return inserisci("PARTITA", {{"GIORNATANUM", giornata},
                                 {"SQ1", sq1},
                                 {"SQ2", sq2},
                                 {"DISPAND", -1},
                                 {"DISPRIT", -1},
                                 {"G1A", 1},
                                 {"G2A", 0},
                                 {"G1R", 2},
                                 {"G2R", 2}});
}

qint64 VecchioFormato::presenza(const QVariant& girone, const QVariant& giornata, const QString& squadra,
                                const QVariant& titolare, int riga, const QVariant& sostituito,
                                const QVariant& codPartita)
{
    return inserisci("PRESENZE", {{"GIRONE", girone},
                                  {"GIORNATA", giornata},
                                  {"SQUADRA", squadra},
                                  {"TITOLARE", titolare},
                                  {"RIGA", riga},
                                  {"SOSTITUITO", sostituito},
                                  {"CODPARTITA", codPartita},
                                  {"CODGIOCATORE", 1},
                                  {"AMMONITO", 0}});
}

qint64 VecchioFormato::rete(qint64 codPart, int girone, const QString& squadra, const QVariant& minuto)
{
    return inserisci("RETI",
                     {{"CODPART", codPart}, {"GIRONE", girone}, {"SQUADRA", squadra}, {"MINUTO", minuto}, {"TIPO", 1}});
}

int VecchioFormato::creaStagione(const QString& percorso, int squadre, bool numeriComeTesto, bool codiciSemplici)
{
    VecchioFormato f(percorso, numeriComeTesto, codiciSemplici);
    f.numeriComeTesto_ = numeriComeTesto;
    Transazione t(f.db());
    f.inserisci("CAMPIONATO", {{"GIORNATEINS", squadre - 1},
                               {"NUMSQUADRE", squadre},
                               {"PUNTIVIT", 3},
                               {"PUNTIX", 1},
                               {"PUNTISC", 0},
                               {"DENOM", "Campionato versione 4"}});
    QStringList nomi;
    for (int i = 1; i <= squadre; ++i) {
        nomi << QStringLiteral("Squadra %1").arg(i, 2, 10, QLatin1Char('0'));
        const qint64 codice = f.squadra(nomi.last());
        for (int g = 1; g <= 18; ++g)
            f.inserisci("GIOCATORE", {{"NOME", "Nome"},
                                      {"COGNOME", QStringLiteral("Giocatore %1").arg(g)},
                                      {"NUMERO", g},
                                      {"CODSQUADRA", codice}});
    }

    // Circle method: position 0 stays, the others turn by one each round.
    int presenze = 0;
    for (int g = 1; g < squadre; ++g) {
        f.inserisci("GIORNATA", {{"NUMERO", g}, {"DISPAND", -1}, {"DISPRIT", -1}});
        for (int i = 0; i < squadre / 2; ++i) {
            const int a = i == 0 ? 0 : (g + i - 1) % (squadre - 1) + 1;
            const int b = (g + squadre - 2 - i) % (squadre - 1) + 1;
            const QString casa = nomi[g % 2 ? a : b], ospite = nomi[g % 2 ? b : a];
            const qint64 codPart = f.partita(g, casa, ospite);
            for (int girone = 1; girone <= 2; ++girone)
                for (const QString& sq : {casa, ospite}) {
                    // Three starters replaced, in a different order from their rows.
                    for (int r = 1; r <= 11; ++r) {
                        const int minuto = r == 9 ? 75 : r == 10 ? 30 : r == 11 ? 60 : 0;
                        f.presenza(girone, g, sq, -1, r, minuto, 0);
                    }
                    for (int r = -1; r >= -3; --r) f.presenza(girone, g, sq, 0, r, 0, 0);
                    presenze += 14;
                    f.rete(codPart, girone, sq, g == 1 ? QVariant() : QVariant(20 + 25 * girone));
                }
        }
    }
    t.commit();
    return presenze;
}
