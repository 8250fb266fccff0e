#include "players/rosaqueries.h"

#include "core/database.h"
#include "core/utilita.h"

#include <QHash>

namespace {

struct Ordine {
    QString voce;
    QString coda;  // the ORDER BY clause, ending with the key
};

const QVector<Ordine>& Ordini()
{
    static const QVector<Ordine> ordini{
        {QStringLiteral("Numero di maglia"), QStringLiteral(" ORDER BY Numero, Cognome, Nome, Codice")},
        {QStringLiteral("Cognome, nome"), QStringLiteral(" ORDER BY Cognome, Nome, Codice")},
        {QStringLiteral("Nome, cognome"), QStringLiteral(" ORDER BY Nome, Cognome, Codice")},
        {QStringLiteral("Ruolo"), QStringLiteral(" ORDER BY Ruolo, Cognome, Nome, Codice")},
        {QStringLiteral("Ordine di inserimento"), QStringLiteral(" ORDER BY Codice")},
    };
    return ordini;
}

// The orders offered under a numbering mode: all of them, or all but the shirt number.
int PrimoOrdine(bool numerazioneTradizionale) { return numerazioneTradizionale ? 1 : 0; }

// Rows of `tabella` per player of the team, by the player's key.
QHash<int, int> Conteggi(const QString& tabella, int codSquadra)
{
    QHash<int, int> n;
    Query q(QStringLiteral("SELECT CodGiocatore, COUNT(*) FROM %1 WHERE CodGiocatore IN "
                           "(SELECT Codice FROM Giocatore WHERE CodSquadra = ?) GROUP BY CodGiocatore")
                .arg(tabella),
            {codSquadra});
    while (q.next()) n.insert(q.intero(0), q.intero(1));
    return n;
}

}  // namespace

QStringList GiocatoreRosa::celle() const
{
    QString maglia = NullInVuoto(numero);
    if (maglia == QLatin1String("0")) maglia.clear();
    return {maglia,      cognome,      nome,    ruolo, nazione, QString::number(presenze), QString::number(reti),
            dataNascita, luogoNascita, altezza, peso};
}

QStringList RosaQueries::ordini(bool numerazioneTradizionale)
{
    QStringList voci;
    for (int i = PrimoOrdine(numerazioneTradizionale); i < Ordini().size(); ++i) voci << Ordini()[i].voce;
    return voci;
}

QVector<GiocatoreRosa> RosaQueries::rosa(int codSquadra, int ordine, bool numerazioneTradizionale)
{
    const int indice = qBound(0, PrimoOrdine(numerazioneTradizionale) + ordine - 1, int(Ordini().size()) - 1);
    const QHash<int, int> presenze = Conteggi(QStringLiteral("Presenze"), codSquadra);
    const QHash<int, int> reti = Conteggi(QStringLiteral("Reti"), codSquadra);

    QVector<GiocatoreRosa> rosa;
    Query q(QStringLiteral("SELECT Codice, Numero, Cognome, Nome, Ruolo, Nazione, DataNasc, LuogoNasc, Altezza, Peso "
                           "FROM Giocatore WHERE CodSquadra = ?") +
                Ordini()[indice].coda,
            {codSquadra});
    while (q.next()) {
        GiocatoreRosa g;
        g.codice = q.intero(0);
        g.numero = q.valore(1);
        g.cognome = NullInVuoto(q.valore(2));
        g.nome = NullInVuoto(q.valore(3));
        g.ruolo = NullInVuoto(q.valore(4));
        g.nazione = NullInVuoto(q.valore(5));
        g.dataNascita = NullInVuoto(q.valore(6));
        g.luogoNascita = NullInVuoto(q.valore(7));
        g.altezza = NullInVuoto(q.valore(8));
        g.peso = NullInVuoto(q.valore(9));
        g.presenze = presenze.value(g.codice);
        g.reti = reti.value(g.codice);
        rosa << g;
    }
    return rosa;
}

bool RosaQueries::elimina(int codice)
{
    Query q(QStringLiteral("DELETE FROM Giocatore WHERE Codice = ?"), {codice});
    return q.righeToccate() > 0;
}

std::optional<GiocatoreInVendita> RosaQueries::giocatore(int codice)
{
    Query q(QStringLiteral("SELECT Nome, Cognome, CodSquadra FROM Giocatore WHERE Codice = ?"), {codice});
    if (!q.next()) return std::nullopt;
    return GiocatoreInVendita{codice, NullInVuoto(q.valore(0)), NullInVuoto(q.valore(1)), q.intero(2)};
}

bool RosaQueries::trasferisci(int codice, int codSquadra)
{
    Query q(QStringLiteral("UPDATE Giocatore SET CodSquadra = ? WHERE Codice = ?"), {codSquadra, codice});
    return q.righeToccate() > 0;
}
