#pragma once

#include "core/totale.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One PARTITA row as the team totals read it: both legs of a pairing. SQ1 is at home in the first leg,
// SQ2 in the return leg; G1A, G1R are SQ1's goals, G2A, G2R SQ2's. Null flags and goals read 0.
struct PartitaTotali {
    QString sq1, sq2;
    int dispAnd = 0, dispRit = 0;  // played flags: only -1 counts
    int g1a = 0, g2a = 0, g1r = 0, g2r = 0;
};

// Points for a win, a draw and a loss, as the championship gives them.
struct PuntiPerRisultato {
    int vittoria = 3, pareggio = 1, sconfitta = 0;
};

// One team's figures in one leg and venue, or summed over several.
struct Parziale {
    Totale giocate, vinte, pareggiate, perse, gFatti, gSubiti, punti;
    Parziale& operator+=(const Parziale& p);
};

// A team's totals by leg and venue.
struct TotaliSquadra {
    enum Settore { AndataCasa, AndataFuori, RitornoCasa, RitornoFuori, SETTORI };
    QString squadra;
    Parziale settori[SETTORI];
};

// Totals `squadra`'s played legs among `partite`, from zero: a leg counts only when its played flag is -1;
// the team is at home in the first leg as SQ1 and in the return leg as SQ2. Names are compared ignoring
// case, as the file compares them; rows without the team are passed over. Penalties play no part.
TotaliSquadra AccumulaSquadra(const QString& squadra, const QVector<PartitaTotali>& partite,
                              const PuntiPerRisultato& punti);

// The ten statistics of the comparison, in their order, with their labels.
enum class Statistica { Giocate, Vinte, Pareggi, Perse, GFatti, GSubiti, MediaFatti, MediaSubiti, Punti, MediaPunti };
constexpr int STATISTICHE = 10;
QString EtichettaStatistica(Statistica s);

// The eleven cells after the team's name in a statistic's row: "Andata" C, F, T, an empty gap, "Ritorno"
// C, F, T, an empty gap, "Totale" C, F, T. Counts are sums of the cell's leg and venue; an average divides
// the cell's sums (rounded to four decimals, Italian format, 0 without games).
QStringList CelleStatistica(const TotaliSquadra& t, Statistica s);

class ConfrontoStatisticoQueries {
public:
    // The pairings of `squadra`, in round order. Throws ErroreDatabase when the file cannot be read.
    static QVector<PartitaTotali> partite(const QString& squadra);
    // The same, totalled with the open championship's points.
    static TotaliSquadra totali(const QString& squadra);
};
