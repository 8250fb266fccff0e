#include "rankings/scontridirettiqueries.h"

#include "core/database.h"
#include "core/utilita.h"

namespace {

// A leg's result, home goals first, or "N.D." while it is not played. A goal value left empty counts 0,
// as the statistical comparison counts it.
QString Risultato(bool disputata, int golCasa, int golOspite)
{
    if (!disputata) return QStringLiteral("N.D.");
    return QStringLiteral("%1 - %2").arg(golCasa).arg(golOspite);
}

}  // namespace

std::optional<ScontroDiretto> ScontriDirettiQueries::cerca(const QString& a, const QString& b)
{
    Query q("SELECT CODPART, GIORNATANUM, SQ1, SQ2, DATAAND, HAND, DATARIT, HRIT, DISPAND, DISPRIT, "
            "G1A, G2A, G1R, G2R FROM PARTITA WHERE (SQ1 = ? AND SQ2 = ?) OR (SQ1 = ? AND SQ2 = ?) "
            "ORDER BY CODPART LIMIT 1",
            {a, b, b, a});
    if (!q.next()) return std::nullopt;
    ScontroDiretto s;
    s.codPart = q.intero(0);
    s.giornata = q.intero(1);
    s.sq1 = q.testo(2);
    s.sq2 = q.testo(3);
    s.dataAndata = NullInVuoto(q.valore(4));
    s.orarioAndata = NullInVuoto(q.valore(5));
    s.dataRitorno = NullInVuoto(q.valore(6));
    s.orarioRitorno = NullInVuoto(q.valore(7));
    s.risultatoAndata = Risultato(q.intero(8) == VERO, q.intero(10), q.intero(11));
    // In the return leg SQ2 is at home: its goals come first.
    s.risultatoRitorno = Risultato(q.intero(9) == VERO, q.intero(13), q.intero(12));
    return s;
}
