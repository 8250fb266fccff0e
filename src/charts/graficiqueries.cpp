#include "charts/graficiqueries.h"

#include "core/cercagiornate.h"
#include "core/codici.h"
#include "core/database.h"

namespace {

const QString PARTITE_SQUADRA =
    QStringLiteral("SELECT GiornataNum, Sq1, Sq2, DispAnd, DispRit, G1A, G2A, G1R, G2R FROM Partita "
                   "WHERE Sq1 = ? OR Sq2 = ? ORDER BY GiornataNum, Riga, CodPart");

}  // namespace

namespace GraficiQueries {

GiornataStop CercaGiornataDaGiocare(int numeroSquadre)
{
    Query q(QStringLiteral("SELECT MIN(CASE WHEN DispAnd = ? THEN Numero END), "
                           "MIN(CASE WHEN DispRit = ? THEN Numero END) FROM Giornata"),
            {FALSO, FALSO});
    q.primo();
    if (!q.valore(0).isNull()) return {q.intero(0), true};
    if (!q.valore(1).isNull()) return {q.intero(1), false};
    return {GiornatePerGirone(numeroSquadre) + 1, false};
}

QVector<PartitaSquadra> PartiteSquadra(const QString& squadra)
{
    QVector<PartitaSquadra> partite;
    Query q(PARTITE_SQUADRA, {squadra, squadra});
    while (q.next()) {
        PartitaSquadra p;
        p.giornata = q.intero("GiornataNum");
        p.primaSquadra = q.testo("Sq1") == squadra;
        const auto gara = [&](const char* disp, const char* g1, const char* g2) {
            const int a = q.intero(g1);
            const int b = q.intero(g2);
            return PartitaSquadra::Gara{Disputata(q.valore(disp)), p.primaSquadra ? a : b, p.primaSquadra ? b : a};
        };
        p.andata = gara("DispAnd", "G1A", "G2A");
        p.ritorno = gara("DispRit", "G1R", "G2R");
        partite.append(p);
    }
    return partite;
}

QVector<int> AndamentoSquadra(const QString& squadra, const GiornataStop& stop, int puntiVittoria, int puntiPareggio,
                              int puntiSconfitta)
{
    const QVector<PartitaSquadra> partite = PartiteSquadra(squadra);
    QVector<int> punti;
    int totale = 0;
    for (bool andata : {true, false}) {
        for (const PartitaSquadra& p : partite) {
            if (!stop.disegna(p.giornata, andata)) break;
            const PartitaSquadra::Gara& g = p.gara(andata);
            if (g.giocata)
                totale += g.fatti > g.subiti ? puntiVittoria : g.fatti == g.subiti ? puntiPareggio : puntiSconfitta;
            punti.append(totale);
        }
    }
    return punti;
}

QVector<PuntiClassifica> ClassificaPerGrafico()
{
    QVector<PuntiClassifica> righe;
    Query q(QStringLiteral("SELECT Nome, Punti FROM PuntiSquadre "
                           "ORDER BY Punti DESC, Giocate, DiffReti DESC, TotaleFatti DESC, TotaleVinte DESC, rowid"));
    while (q.next()) righe.append({q.testo("Nome"), q.intero("Punti")});
    return righe;
}

QVector<std::optional<int>> RetiPerGiornata(const GiornataStop& stop, int giornatePerGirone)
{
    QVector<int> andata(giornatePerGirone + 1, 0);
    QVector<int> ritorno(giornatePerGirone + 1, 0);
    Query q(QStringLiteral("SELECT GiornataNum, "
                           "SUM(CASE WHEN DispAnd = ? THEN IFNULL(G1A, 0) + IFNULL(G2A, 0) ELSE 0 END), "
                           "SUM(CASE WHEN DispRit = ? THEN IFNULL(G1R, 0) + IFNULL(G2R, 0) ELSE 0 END) "
                           "FROM Partita GROUP BY GiornataNum"),
            {VERO, VERO});
    while (q.next()) {
        const int g = q.intero(0);
        if (g < 1 || g > giornatePerGirone) continue;
        andata[g] = q.intero(1);
        ritorno[g] = q.intero(2);
    }
    QVector<std::optional<int>> reti;
    for (bool primo : {true, false})
        for (int g = 1; g <= giornatePerGirone; ++g)
            reti.append(stop.disegna(g, primo) ? std::optional<int>((primo ? andata : ritorno)[g]) : std::nullopt);
    return reti;
}

RisultatiSquadra ContaRisultati(const QString& squadra)
{
    RisultatiSquadra r;
    for (const PartitaSquadra& p : PartiteSquadra(squadra))
        for (bool andata : {true, false}) {
            const PartitaSquadra::Gara& g = p.gara(andata);
            if (!g.giocata) continue;
            const bool casa = p.inCasa(andata);
            int& conto = g.fatti > g.subiti    ? (casa ? r.vinteCasa : r.vinteFuori)
                         : g.fatti == g.subiti ? (casa ? r.pareggiCasa : r.pareggiFuori)
                                               : (casa ? r.perseCasa : r.perseFuori);
            ++conto;
        }
    return r;
}

}  // namespace GraficiQueries
