#include "players/acquistogiocatorequeries.h"

#include "core/database.h"

namespace {

const QString CAMPI = QStringLiteral("SELECT Codice, CodSquadra, Cognome, Nome, Ruolo FROM Giocatore ");
const QString ORDINE = QStringLiteral(" ORDER BY Cognome, Nome, Codice");

QVector<GiocatoreAcquistabile> Leggi(Query& q)
{
    QVector<GiocatoreAcquistabile> r;
    while (q.next()) r.append({q.intero(0), q.intero(1), q.testo(2), q.testo(3), q.testo(4)});
    return r;
}

}  // namespace

QVector<GiocatoreAcquistabile> AcquistoGiocatoreQueries::esclusaSquadra(int acquirente)
{
    Query q(CAMPI + QStringLiteral("WHERE CodSquadra <> ?") + ORDINE, {acquirente});
    return Leggi(q);
}

QVector<GiocatoreAcquistabile> AcquistoGiocatoreQueries::diSquadra(int squadra)
{
    Query q(CAMPI + QStringLiteral("WHERE CodSquadra = ?") + ORDINE, {squadra});
    return Leggi(q);
}

std::optional<GiocatoreAcquistabile> AcquistoGiocatoreQueries::giocatore(int codice)
{
    Query q(CAMPI + QStringLiteral("WHERE Codice = ?"), {codice});
    const QVector<GiocatoreAcquistabile> r = Leggi(q);
    if (r.isEmpty()) return std::nullopt;
    return r.first();
}

bool AcquistoGiocatoreQueries::trasferisci(int codice, int acquirente)
{
    const Query q(QStringLiteral("UPDATE Giocatore SET CodSquadra = ? WHERE Codice = ?"), {acquirente, codice});
    return q.righeToccate() > 0;
}
