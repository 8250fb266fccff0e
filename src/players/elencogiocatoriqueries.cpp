#include "players/elencogiocatoriqueries.h"

#include "core/database.h"

namespace {

const QString ORDINE = QStringLiteral(" ORDER BY Giocatore.Cognome, Giocatore.Nome, Giocatore.Codice");

}  // namespace

QVector<GiocatoreElenco> ElencoGiocatoriQueries::giocatori(std::optional<int> codSquadra)
{
    const QString sql = QStringLiteral("SELECT Giocatore.Codice, Giocatore.Cognome, Giocatore.Nome, Squadra.Nome, "
                                       "Giocatore.Ruolo FROM Giocatore LEFT JOIN Squadra ON Squadra.Codice = "
                                       "Giocatore.CodSquadra");
    Query q = codSquadra ? Query(sql + QStringLiteral(" WHERE Giocatore.CodSquadra = ?") + ORDINE, {*codSquadra})
                         : Query(sql + ORDINE);
    QVector<GiocatoreElenco> r;
    while (q.next()) r.append({q.intero(0), q.testo(1), q.testo(2), q.testo(3), q.testo(4)});
    return r;
}

std::optional<int> ElencoGiocatoriQueries::primoConIniziale(QChar lettera)
{
    // LIKE compares the letters A to Z ignoring case.
    const QVariant v = Valore(QStringLiteral("SELECT Codice FROM Giocatore WHERE Cognome LIKE ?") + ORDINE +
                                  QStringLiteral(" LIMIT 1"),
                              {QString(lettera) + QLatin1Char('%')});
    if (!v.isValid()) return std::nullopt;
    return InteroDi(v);
}
