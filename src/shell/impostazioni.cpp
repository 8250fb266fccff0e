#include "shell/impostazioni.h"

#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"

#include <QStringList>

namespace {

const QString CONNESSIONE = QStringLiteral("DbImpostazioni");
const QStringList CAMPI{QStringLiteral("VisualizzaPrimiPassi"), QStringLiteral("ViewOption"),
                        QStringLiteral("VisualizzaVoti"), QStringLiteral("VisualizzaScheda")};

// The settings database for the length of one use: closed again whatever happens.
class ConnessioneImpostazioni {
public:
    ConnessioneImpostazioni() : db_(ApriConnessione(CONNESSIONE, stato().PercorsoImpostazioni, false, false)) {}
    ~ConnessioneImpostazioni()
    {
        db_ = QSqlDatabase();
        ChiudiConnessione(CONNESSIONE);
    }
    ConnessioneImpostazioni(const ConnessioneImpostazioni&) = delete;
    ConnessioneImpostazioni& operator=(const ConnessioneImpostazioni&) = delete;
    QSqlDatabase db() const { return db_; }

private:
    QSqlDatabase db_;
};

}  // namespace

void ImpostazioniPredefinite()
{
    Stato& s = stato();
    s.MostraPrimiPassi = true;
    s.MostraSchedaCampionato = true;
    s.MostraVoti = true;
    s.FormatoNome = 1;
}

bool Impostazioni::leggi()
{
    ImpostazioniPredefinite();
    if (!EsisteFile(stato().PercorsoImpostazioni)) return false;
    try {
        ConnessioneImpostazioni c;
        Query q(QStringLiteral("SELECT * FROM Impostazioni ORDER BY rowid LIMIT 1"), {}, c.db());
        if (!q.primo()) return false;
        Stato& s = stato();
        // A truth value counts as set only when it is stored as true (-1).
        s.MostraPrimiPassi = q.intero(QStringLiteral("VisualizzaPrimiPassi")) == VERO;
        s.MostraVoti = q.intero(QStringLiteral("VisualizzaVoti")) == VERO;
        s.MostraSchedaCampionato = q.intero(QStringLiteral("VisualizzaScheda")) == VERO;
        const int stile = q.intero(QStringLiteral("ViewOption"));
        s.FormatoNome = (stile >= 1 && stile <= 3) ? stile : 1;
        return true;
    } catch (const ErroreDatabase&) {
        // A file that cannot be read is treated as a missing one.
        ImpostazioniPredefinite();
        return false;
    }
}

bool Impostazioni::scrivi(const QVariantMap& campi)
{
    if (!EsisteFile(stato().PercorsoImpostazioni)) return false;
    QStringList assegnazioni;
    QVariantList valori;
    for (auto it = campi.cbegin(); it != campi.cend(); ++it) {
        if (!CAMPI.contains(it.key())) throw ErroreDatabase(QStringLiteral("Campo %1 non previsto.").arg(it.key()));
        assegnazioni << it.key() + QStringLiteral(" = ?");
        valori << it.value();
    }
    if (assegnazioni.isEmpty()) return true;
    ConnessioneImpostazioni c;
    const QVariant primaRiga =
        Valore(QStringLiteral("SELECT rowid FROM Impostazioni ORDER BY rowid LIMIT 1"), {}, c.db());
    if (!primaRiga.isValid()) return false;
    valori << primaRiga;
    Esegui(QStringLiteral("UPDATE Impostazioni SET %1 WHERE rowid = ?").arg(assegnazioni.join(QStringLiteral(", "))),
           valori, c.db());
    return true;
}
