#include "charts/graficiqueries.h"

#include "core/cercagiornate.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/totale.h"
#include "core/utilita.h"

#include <QHash>
#include <QPair>

namespace {

const QString PARTITE_SQUADRA =
    QStringLiteral("SELECT GiornataNum, Sq1, Sq2, DispAnd, DispRit, G1A, G2A, G1R, G2R FROM Partita "
                   "WHERE Sq1 = ? OR Sq2 = ? ORDER BY GiornataNum, Riga, CodPart");

// How an appearance's card counts.
const QString SENZA_CARTELLINO = QStringLiteral("SUM(CASE WHEN Ammonito < 1 THEN 1 ELSE 0 END)");
const QString AMMONIZIONI = QStringLiteral("SUM(CASE WHEN Ammonito BETWEEN 1 AND 100 THEN 1 ELSE 0 END)");
const QString ESPULSIONI = QStringLiteral("SUM(CASE WHEN Ammonito > 100 THEN 1 ELSE 0 END)");

// The values of a chart drawn round by round: rounds 1..giornatePerGirone of the first leg, then of the
// return leg, each from valore(giornata, andata) (a value or none) in that order; no value from the stop on.
template <typename F> ValoriPerGiornata PerGiornata(const GiornataStop& stop, int giornatePerGirone, F valore)
{
    ValoriPerGiornata v;
    for (bool andata : {true, false})
        for (int g = 1; g <= giornatePerGirone; ++g)
            if (stop.disegna(g, andata))
                v.append(valore(g, andata));  // a value, or a round without one
            else
                v.append(std::nullopt);
    return v;
}

using ChiaveGiornata = QPair<int, bool>;  // round, first leg

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

QVector<qint64> AndamentoSquadra(const QString& squadra, const GiornataStop& stop, int puntiVittoria, int puntiPareggio,
                                 int puntiSconfitta)
{
    const QVector<PartitaSquadra> partite = PartiteSquadra(squadra);
    QVector<qint64> punti;
    Totale totale;
    for (bool andata : {true, false}) {
        for (const PartitaSquadra& p : partite) {
            if (!stop.disegna(p.giornata, andata)) break;
            const PartitaSquadra::Gara& g = p.gara(andata);
            if (g.giocata)
                totale += g.fatti > g.subiti ? puntiVittoria : g.fatti == g.subiti ? puntiPareggio : puntiSconfitta;
            punti.append(totale.valore());
        }
    }
    return punti;
}

QVector<PuntiClassifica> ClassificaPerGrafico()
{
    QVector<PuntiClassifica> righe;
    Query q(QStringLiteral("SELECT Nome, Punti FROM PuntiSquadre "
                           "ORDER BY Punti DESC, Giocate, DiffReti DESC, TotaleFatti DESC, TotaleVinte DESC, rowid"));
    while (q.next()) righe.append({q.testo("Nome"), q.intero64("Punti")});
    return righe;
}

ValoriPerGiornata RetiPerGiornata(const GiornataStop& stop, int giornatePerGirone)
{
    // TOTAL never fails, where SUM stops with an error when the scores of the file add up past 64 bits.
    QHash<ChiaveGiornata, qint64> reti;
    Query q(QStringLiteral("SELECT GiornataNum, "
                           "TOTAL(CASE WHEN DispAnd = ? THEN IFNULL(G1A, 0) + IFNULL(G2A, 0) ELSE 0 END), "
                           "TOTAL(CASE WHEN DispRit = ? THEN IFNULL(G1R, 0) + IFNULL(G2R, 0) ELSE 0 END) "
                           "FROM Partita GROUP BY GiornataNum"),
            {VERO, VERO});
    while (q.next()) {
        reti[{q.intero(0), true}] = q.intero64(1);
        reti[{q.intero(0), false}] = q.intero64(2);
    }
    return PerGiornata(stop, giornatePerGirone, [&](int g, bool andata) { return double(reti.value({g, andata})); });
}

ValoriPerGiornata RetiSquadraPerGiornata(const QString& squadra, bool fatti, const GiornataStop& stop,
                                         int giornatePerGirone)
{
    const QVector<PartitaSquadra> partite = PartiteSquadra(squadra);
    const auto reti = [&](int g, bool andata) -> std::optional<double> {
        for (const PartitaSquadra& p : partite)
            if (p.giornata == g && p.gara(andata).giocata) return fatti ? p.gara(andata).fatti : p.gara(andata).subiti;
        return std::nullopt;
    };
    return PerGiornata(stop, giornatePerGirone, reti);
}

CartelliniPerGiornata ContaCartelliniPerGiornata(const GiornataStop& stop, int giornatePerGirone)
{
    // Only the appearances with a card are read, and counted here: grouping them in the query would sort them.
    QHash<ChiaveGiornata, QPair<int, int>> conti;
    Query q(QStringLiteral("SELECT Giornata, Girone, Ammonito > 100 FROM Presenze "
                           "WHERE Ammonito >= 1 AND Girone IN (?, ?)"),
            {GironePresenze(true), GironePresenze(false)});
    while (q.next()) {
        QPair<int, int>& conto = conti[{q.intero(0), q.intero(1) == GironePresenze(true)}];
        ++(q.intero(2) ? conto.second : conto.first);
    }
    return {PerGiornata(stop, giornatePerGirone,
                        [&](int g, bool a) {
                            return conti.value({g, a}).first;
                        }),
            PerGiornata(stop, giornatePerGirone, [&](int g, bool a) {
                return conti.value({g, a}).second;
            })};
}

QVector<GiocatoreGrafico> GiocatoriPerGrafico(std::optional<int> codSquadra)
{
    QString sql = QStringLiteral("SELECT Codice, Nome, Cognome FROM Giocatore");
    QVariantList parametri;
    if (codSquadra) {
        sql += QStringLiteral(" WHERE CodSquadra = ?");
        parametri.append(*codSquadra);
    }
    Query q(sql + QStringLiteral(" ORDER BY Cognome, Nome, Codice"), parametri);
    QVector<GiocatoreGrafico> giocatori;
    while (q.next())
        giocatori.append({q.intero(0), NullInVuoto(q.valore(1)) + QLatin1Char(' ') + NullInVuoto(q.valore(2))});
    return giocatori;
}

ValoriPerGiornata RetiGiocatorePerGiornata(int codGiocatore, const GiornataStop& stop, int giornatePerGirone)
{
    QHash<ChiaveGiornata, int> reti;
    Query q(QStringLiteral("SELECT p.GiornataNum, r.Girone, COUNT(*) FROM Reti r "
                           "INNER JOIN Partita p ON r.CodPart = p.CodPart "
                           "WHERE r.CodGiocatore = ? AND r.Tipo <> ? AND r.Girone IN (?, ?) "
                           "GROUP BY p.GiornataNum, r.Girone"),
            {codGiocatore, TIPO_AUTORETE, GIRONE_RETI_ANDATA, GIRONE_RETI_RITORNO});
    while (q.next()) reti[{q.intero(0), q.intero(1) == GIRONE_RETI_ANDATA}] = q.intero(2);
    int totale = 0;
    return PerGiornata(stop, giornatePerGirone, [&](int g, bool andata) { return totale += reti.value({g, andata}); });
}

CartelliniGiocatore ContaCartelliniGiocatore(int codGiocatore)
{
    Query q(QStringLiteral("SELECT %1, %2, %3 FROM Presenze WHERE CodGiocatore = ?")
                .arg(SENZA_CARTELLINO, AMMONIZIONI, ESPULSIONI),
            {codGiocatore});
    q.primo();
    return {q.intero(0), q.intero(1), q.intero(2)};
}

ValoriPerGiornata VotiGiocatorePerGiornata(int codGiocatore, const GiornataStop& stop, int giornatePerGirone)
{
    QHash<ChiaveGiornata, double> voti;
    Query q(QStringLiteral("SELECT Giornata, Girone, Voto FROM Presenze "
                           "WHERE CodGiocatore = ? AND Voto <> ? AND Girone IN (?, ?) ORDER BY Codice"),
            {codGiocatore, SENZA_VOTO, GironePresenze(true), GironePresenze(false)});
    while (q.next()) {
        const ChiaveGiornata chiave{q.intero(0), q.intero(1) == GironePresenze(true)};
        if (!voti.contains(chiave)) voti[chiave] = q.numero(2);
    }
    return PerGiornata(stop, giornatePerGirone, [&](int g, bool andata) { return voti.value({g, andata}); });
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
