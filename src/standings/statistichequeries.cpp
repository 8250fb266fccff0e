#include "standings/statistichequeries.h"

#include "core/codici.h"
#include "core/database.h"
#include "standings/classificaqueries.h"

#include <functional>

namespace {

void contaRisultato(RisultatiPartite& r, int golCasa, int golFuori)
{
    ++r.partite;
    if (golCasa > golFuori)
        ++r.vittorieCasa;
    else if (golCasa == golFuori)
        ++r.pareggi;
    else
        ++r.vittorieFuori;
    r.golCasa += golCasa;
    r.golFuori += golFuori;
}

// The teams with the highest (or lowest) value among those that played; none when nobody played,
// or when the highest of a "most" record is 0 (nobody holds it).
struct Unita {
    QString molti;
    QString uno;
};

Primato primato(const QString& nome, const Unita& unita, const QVector<RigaClassifica>& righe, bool massimo,
                const std::function<Totale(const RigaClassifica&)>& valore)
{
    Primato p{nome, {}, 0, unita.molti, unita.uno};
    bool trovato = false;
    for (const RigaClassifica& r : righe) {
        if (r.giocate <= 0) continue;
        const qint64 v = valore(r).valore();
        if (!trovato || (massimo ? v > p.valore : v < p.valore)) {
            p.valore = v;
            p.squadre.clear();
            trovato = true;
        }
        if (v == p.valore) p.squadre.append(r.nome);
    }
    if (massimo && p.valore <= 0) p.squadre.clear();
    return p;
}

}  // namespace

StatisticheGiornata StatisticheQueries::giornata(int giornata, bool andata)
{
    StatisticheGiornata s;
    // In the return leg SQ2 is at home.
    Query q(andata ? QStringLiteral("SELECT G1A, G2A FROM PARTITA WHERE GIORNATANUM = ? AND DISPAND = ?")
                   : QStringLiteral("SELECT G2R, G1R FROM PARTITA WHERE GIORNATANUM = ? AND DISPRIT = ?"),
            {giornata, VERO});
    while (q.next()) contaRisultato(s.risultati, q.intero(0), q.intero(1));

    Query c(QStringLiteral("SELECT AMMONITO FROM PRESENZE WHERE GIORNATA = ? AND GIRONE = ?"),
            {giornata, GironePresenze(andata)});
    while (c.next()) {
        const int codice = c.intero(0);
        if (Espulso(codice))
            ++s.espulsioni;
        else if (Ammonito(codice))
            ++s.ammonizioni;
    }
    return s;
}

StatisticheCampionato StatisticheQueries::campionato(int puntiVittoria, int puntiPareggio, int puntiSconfitta)
{
    StatisticheCampionato s;
    const QVector<RigaClassifica> righe = ClassificaQueries::leggi(ClassificaQueries::Punti);

    // Each match has one home side: the home columns count every match once.
    RisultatiPartite& r = s.risultati;
    for (const RigaClassifica& x : righe) {
        r.partite += x.vinteInCasa + x.xInCasa + x.perseInCasa;
        r.vittorieCasa += x.vinteInCasa;
        r.pareggi += x.xInCasa;
        r.vittorieFuori += x.perseInCasa;
        r.golCasa += x.gFattiCasa;
        r.golFuori += x.gSubitiCasa;
    }
    if (r.partite == 0) return s;

    const auto puntiCasa = [=](const RigaClassifica& x) {
        return x.vinteInCasa * puntiVittoria + x.xInCasa * puntiPareggio + x.perseInCasa * puntiSconfitta;
    };
    const auto puntiFuori = [=](const RigaClassifica& x) {
        return x.vinteFuori * puntiVittoria + x.xFuori * puntiPareggio + x.perseFuori * puntiSconfitta;
    };
    const Unita gol{QStringLiteral("gol"), QStringLiteral("gol")};
    const Unita subiti{QStringLiteral("gol subiti"), QStringLiteral("gol subito")};
    const Unita punti{QStringLiteral("punti"), QStringLiteral("punto")};
    s.primati = {
        primato(QStringLiteral("Miglior attacco"), gol, righe, true, [](const auto& x) { return x.totaleFatti; }),
        primato(QStringLiteral("Peggior attacco"), gol, righe, false, [](const auto& x) { return x.totaleFatti; }),
        primato(QStringLiteral("Miglior difesa"), subiti, righe, false, [](const auto& x) { return x.totaleSubiti; }),
        primato(QStringLiteral("Peggior difesa"), subiti, righe, true, [](const auto& x) { return x.totaleSubiti; }),
        primato(QStringLiteral("Più vittorie"), {QStringLiteral("vittorie"), QStringLiteral("vittoria")}, righe, true,
                [](const auto& x) { return x.totaleVinte; }),
        primato(QStringLiteral("Più pareggi"), {QStringLiteral("pareggi"), QStringLiteral("pareggio")}, righe, true,
                [](const auto& x) { return x.pareggi(); }),
        primato(QStringLiteral("Più sconfitte"), {QStringLiteral("sconfitte"), QStringLiteral("sconfitta")}, righe,
                true, [](const auto& x) { return x.perse(); }),
        primato(QStringLiteral("Miglior rendimento in casa"), punti, righe, true, puntiCasa),
        primato(QStringLiteral("Miglior rendimento fuori casa"), punti, righe, true, puntiFuori),
    };
    return s;
}
