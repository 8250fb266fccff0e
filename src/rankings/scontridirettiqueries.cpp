#include "rankings/scontridirettiqueries.h"

#include "core/database.h"
#include "core/utilita.h"
#include "rankings/confrontotabellequeries.h"

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
    s.risultatoAndata = TestoRisultato(q.intero(8) == VERO, q.valore(10), q.valore(11));
    // In the return leg SQ2 is at home: its goals come first.
    s.risultatoRitorno = TestoRisultato(q.intero(9) == VERO, q.valore(13), q.valore(12));
    return s;
}
