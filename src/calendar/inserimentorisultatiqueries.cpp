#include "calendar/inserimentorisultatiqueries.h"

#include "core/database.h"
#include "core/utilita.h"

QVariant InserimentoRisultatiQueries::gol(const QString& testo)
{
    const QString t = testo.trimmed();
    return t.isEmpty() ? QVariant() : QVariant(Val(t));
}

void InserimentoRisultatiQueries::scrivi(int giornata, bool andata, const QVector<IncontroGiornata>& incontri)
{
    const QString sql = andata ? QStringLiteral("UPDATE Partita SET G1A = ?, G2A = ?, DispAnd = ?, DataAnd = ?, "
                                                "HAnd = ? WHERE CodPart = ? AND GiornataNum = ?")
                               : QStringLiteral("UPDATE Partita SET G1R = ?, G2R = ?, DispRit = ?, DataRit = ?, "
                                                "HRit = ? WHERE CodPart = ? AND GiornataNum = ?");
    Transazione t;
    for (const IncontroGiornata& i : incontri) {
        const QVariant casa = i.disputata ? gol(i.golCasa) : QVariant();
        const QVariant ospite = i.disputata ? gol(i.golOspite) : QVariant();
        // The goals are always SQ1's and SQ2's: in the return leg the home team is SQ2.
        const QVariant g1 = andata ? casa : ospite;
        const QVariant g2 = andata ? ospite : casa;
        Query q(sql, {g1, g2, Flag(i.disputata), VuotoInSpazio(i.data), VuotoInSpazio(i.ora), i.codPart, giornata});
        if (q.righeToccate() != 1)
            throw ErroreDatabase(QStringLiteral("La partita %1 - %2 non è più nel calendario della giornata n° %3: "
                                                "nessun risultato della giornata è stato salvato.")
                                     .arg(i.casa, i.ospite)
                                     .arg(giornata));
    }
    const QString flag =
        andata ? QStringLiteral("UPDATE Giornata SET DispAnd = CASE WHEN EXISTS (SELECT 1 FROM Partita "
                                "WHERE GiornataNum = ? AND DispAnd = -1) THEN -1 ELSE 0 END WHERE Numero = ?")
               : QStringLiteral("UPDATE Giornata SET DispRit = CASE WHEN EXISTS (SELECT 1 FROM Partita "
                                "WHERE GiornataNum = ? AND DispRit = -1) THEN -1 ELSE 0 END WHERE Numero = ?");
    Esegui(flag, {giornata, giornata});
    t.commit();
}
