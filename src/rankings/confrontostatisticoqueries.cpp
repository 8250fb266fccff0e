#include "rankings/confrontostatisticoqueries.h"

#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"

#include <initializer_list>

namespace {

bool StessaSquadra(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// One played leg: `propri` the team's goals, `altrui` the opponent's.
void ContaGara(Parziale& p, int propri, int altrui, const PuntiPerRisultato& punti)
{
    ++p.giocate;
    p.gFatti += propri;
    p.gSubiti += altrui;
    if (propri > altrui) {
        ++p.vinte;
        p.punti += punti.vittoria;
    } else if (propri == altrui) {
        ++p.pareggiate;
        p.punti += punti.pareggio;
    } else {
        ++p.perse;
        p.punti += punti.sconfitta;
    }
}

using S = TotaliSquadra::Settore;

// The legs and venues of each group of cells: C, F and T of "Andata", "Ritorno" and "Totale".
const std::initializer_list<S> GRUPPI[3][3] = {
    {{S::AndataCasa}, {S::AndataFuori}, {S::AndataCasa, S::AndataFuori}},
    {{S::RitornoCasa}, {S::RitornoFuori}, {S::RitornoCasa, S::RitornoFuori}},
    {{S::AndataCasa, S::RitornoCasa},
     {S::AndataFuori, S::RitornoFuori},
     {S::AndataCasa, S::AndataFuori, S::RitornoCasa, S::RitornoFuori}},
};

QString Cella(const Parziale& p, Statistica s)
{
    switch (s) {
    case Statistica::Giocate: return QString::number(p.giocate.valore());
    case Statistica::Vinte: return QString::number(p.vinte.valore());
    case Statistica::Pareggi: return QString::number(p.pareggiate.valore());
    case Statistica::Perse: return QString::number(p.perse.valore());
    case Statistica::GFatti: return QString::number(p.gFatti.valore());
    case Statistica::GSubiti: return QString::number(p.gSubiti.valore());
    case Statistica::MediaFatti: return NullInVuoto(Media(p.gFatti.valore(), p.giocate.valore()));
    case Statistica::MediaSubiti: return NullInVuoto(Media(p.gSubiti.valore(), p.giocate.valore()));
    case Statistica::Punti: return QString::number(p.punti.valore());
    case Statistica::MediaPunti: return NullInVuoto(Media(p.punti.valore(), p.giocate.valore()));
    }
    return {};
}

}  // namespace

Parziale& Parziale::operator+=(const Parziale& p)
{
    giocate += p.giocate;
    vinte += p.vinte;
    pareggiate += p.pareggiate;
    perse += p.perse;
    gFatti += p.gFatti;
    gSubiti += p.gSubiti;
    punti += p.punti;
    return *this;
}

TotaliSquadra AccumulaSquadra(const QString& squadra, const QVector<PartitaTotali>& partite,
                              const PuntiPerRisultato& punti)
{
    TotaliSquadra t;
    t.squadra = squadra;
    for (const PartitaTotali& m : partite) {
        const bool primo = StessaSquadra(m.sq1, squadra), secondo = StessaSquadra(m.sq2, squadra);
        if (!primo && !secondo) continue;
        if (m.dispAnd == VERO) {
            if (primo)
                ContaGara(t.settori[S::AndataCasa], m.g1a, m.g2a, punti);
            else
                ContaGara(t.settori[S::AndataFuori], m.g2a, m.g1a, punti);
        }
        if (m.dispRit == VERO) {
            // In the return leg SQ2 is at home.
            if (secondo)
                ContaGara(t.settori[S::RitornoCasa], m.g2r, m.g1r, punti);
            else
                ContaGara(t.settori[S::RitornoFuori], m.g1r, m.g2r, punti);
        }
    }
    return t;
}

QString EtichettaStatistica(Statistica s)
{
    static const QString ETICHETTE[STATISTICHE] = {
        QStringLiteral("Partite giocate"),
        QStringLiteral("Vittorie"),
        QStringLiteral("Pareggi"),
        QStringLiteral("Sconfitte"),
        QStringLiteral("Gol segnati"),
        QStringLiteral("Gol subiti"),
        QStringLiteral("Media gol segnati a partita"),
        QStringLiteral("Media gol subiti a partita"),
        QStringLiteral("Punti ottenuti"),
        QStringLiteral("Media punti a partita"),
    };
    return ETICHETTE[int(s)];
}

QStringList CelleStatistica(const TotaliSquadra& t, Statistica s)
{
    QStringList celle;
    for (int g = 0; g < 3; ++g) {
        if (g > 0) celle << QString();
        for (const auto& settori : GRUPPI[g]) {
            Parziale somma;
            for (S settore : settori) somma += t.settori[settore];
            celle << Cella(somma, s);
        }
    }
    return celle;
}

QVector<PartitaTotali> ConfrontoStatisticoQueries::partite(const QString& squadra)
{
    QVector<PartitaTotali> partite;
    Query q("SELECT SQ1, SQ2, DISPAND, DISPRIT, G1A, G2A, G1R, G2R FROM PARTITA WHERE SQ1 = ? OR SQ2 = ? "
            "ORDER BY GIORNATANUM, CODPART",
            {squadra, squadra});
    while (q.next())
        partite << PartitaTotali{q.testo(0),  q.testo(1),  q.intero(2), q.intero(3),
                                 q.intero(4), q.intero(5), q.intero(6), q.intero(7)};
    return partite;
}

TotaliSquadra ConfrontoStatisticoQueries::totali(const QString& squadra)
{
    const Stato& s = stato();
    return AccumulaSquadra(squadra, partite(squadra), {s.PuntiVittoria, s.PuntiPareggio, s.PuntiSconfitta});
}
