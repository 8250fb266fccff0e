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

// The values of a chart drawn round by round, one per row (none: the row shows nothing).
using ValoriPerGiornata = QVector<std::optional<double>>;

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
// leg's, in round order, up to the stop: a match not played repeats the total before it. A season's points may pass
// what an int holds (2147483647 for a win): the totals are 64 bits wide.
QVector<qint64> AndamentoSquadra(const QString& squadra, const GiornataStop& stop, int puntiVittoria, int puntiPareggio,
                                 int puntiSconfitta);

// A team of the standings table with its points, in the league table's first order.
struct PuntiClassifica {
    QString nome;
    qint64 punti = 0;
};
QVector<PuntiClassifica> ClassificaPerGrafico();

// The goals of each round's played matches: `giornatePerGirone` rounds of the first leg, then as many of
// the return leg; no value from the stop on. A round with no match played counts 0.
ValoriPerGiornata RetiPerGiornata(const GiornataStop& stop, int giornatePerGirone);

// The goals one team scored (`fatti`) or conceded in each round's played match: `giornatePerGirone`
// rounds of the first leg, then as many of the return leg; no value for a round without a played match of
// the team (its first of the round counts) nor from the stop on.
ValoriPerGiornata RetiSquadraPerGiornata(const QString& squadra, bool fatti, const GiornataStop& stop,
                                         int giornatePerGirone);

// Bookings (card 1..100) and sendings-off (above 100) of each round's line-ups, laid out as
// RetiPerGiornata: every appearance of the round counts, its match played or not.
struct CartelliniPerGiornata {
    ValoriPerGiornata ammonizioni;
    ValoriPerGiornata espulsioni;
};
CartelliniPerGiornata ContaCartelliniPerGiornata(const GiornataStop& stop, int giornatePerGirone);

// A player of the list of the player charts: "<first name> <surname>" (a missing first name leaves the
// leading blank), by surname and first name.
struct GiocatoreGrafico {
    int codice = 0;
    QString testo;
    bool operator==(const GiocatoreGrafico&) const = default;
};
// The players of a team (its code), or of every team.
QVector<GiocatoreGrafico> GiocatoriPerGrafico(std::optional<int> codSquadra);

// A player's running total of goals after each round (own goals left out, a goal of unknown kind counted),
// laid out as RetiPerGiornata; every round before the stop has its value.
ValoriPerGiornata RetiGiocatorePerGiornata(int codGiocatore, const GiornataStop& stop, int giornatePerGirone);

// A player's appearances over the whole season by card: none, booked, sent off.
struct CartelliniGiocatore {
    int senza = 0;
    int ammonizioni = 0;
    int espulsioni = 0;
    bool operator==(const CartelliniGiocatore&) const = default;
};
CartelliniGiocatore ContaCartelliniGiocatore(int codGiocatore);

// A player's rating in each round (the first rated appearance of the round; 0 when he has none, "S.V."
// included), laid out as RetiPerGiornata.
ValoriPerGiornata VotiGiocatorePerGiornata(int codGiocatore, const GiornataStop& stop, int giornatePerGirone);

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
