#pragma once

#include <optional>
#include <QString>
#include <QVector>

// What the chart windows read from the championship file. Every function throws ErroreDatabase when
// the file cannot be read; team names are bound, never pasted into the SQL.

// Where a chart drawn round by round stops: the first round not drawn.
struct GiornataStop {
    int giornata = 1;
    bool andata = true;  // true: the stop lies in the first leg and the return leg is not drawn at all

    // Whether round `numero` of a leg comes before the stop and is drawn.
    bool disegna(int numero, bool primoGirone) const
    {
        if (andata) return primoGirone && numero < giornata;
        return primoGirone || numero < giornata;
    }
    bool operator==(const GiornataStop&) const = default;
};

namespace GraficiQueries {

// The first round whose first leg is not played (flag 0), in the first leg; else the first round whose
// return leg is not played, in the return leg; else, the season over or no calendar yet, one past the
// last round of a leg (GiornatePerGirone + 1) in the return leg. GiornataCorrente and Andata stay untouched.
GiornataStop CercaGiornataDaGiocare(int numeroSquadre);

// One team's match (both legs of a PARTITA row) as the team sees it.
struct PartitaSquadra {
    struct Gara {
        bool giocata = false;  // the leg's played flag is -1
        int fatti = 0;         // the team's goals (a missing score counts 0)
        int subiti = 0;
    };
    int giornata = 0;
    bool primaSquadra = false;  // the team is SQ1: at home in the first leg, away in the return leg
    Gara andata;
    Gara ritorno;

    const Gara& gara(bool primoGirone) const { return primoGirone ? andata : ritorno; }
    bool inCasa(bool primoGirone) const { return primaSquadra == primoGirone; }
};
// Every match of the team (exact name), in round order.
QVector<PartitaSquadra> PartiteSquadra(const QString& squadra);

// One team's running points after each of its matches, the first leg's matches first, then the return
// leg's, in round order, up to the stop: a match not played repeats the total before it.
QVector<int> AndamentoSquadra(const QString& squadra, const GiornataStop& stop, int puntiVittoria, int puntiPareggio,
                              int puntiSconfitta);

// A team of the standings table with its points, in the league table's first order.
struct PuntiClassifica {
    QString nome;
    int punti = 0;
};
QVector<PuntiClassifica> ClassificaPerGrafico();

// The goals of each round's played matches: `giornatePerGirone` rounds of the first leg, then as many of
// the return leg; no value from the stop on. A round with no match played counts 0.
QVector<std::optional<int>> RetiPerGiornata(const GiornataStop& stop, int giornatePerGirone);

// One team's played legs over the whole season, by place and result.
struct RisultatiSquadra {
    int vinteCasa = 0;
    int vinteFuori = 0;
    int pareggiCasa = 0;
    int pareggiFuori = 0;
    int perseCasa = 0;
    int perseFuori = 0;
    bool operator==(const RisultatiSquadra&) const = default;
};
RisultatiSquadra ContaRisultati(const QString& squadra);

}  // namespace GraficiQueries
