#pragma once

#include "calendar/calendarioqueries.h"

#include <QVariant>
#include <QVector>

// The writes of the results window.
class InserimentoRisultatiQueries {
public:
    // Writes `incontri` of match day `giornata` in that leg, in one transaction: each pairing's goals
    // into the leg's fields (G1A/G2A or G1R/G2R, always SQ1's and SQ2's), its played flag, date and
    // time (an empty text as one blank); the scores of a match not played are stored as Null. Then the
    // day's GIORNATA flag of that leg: -1 when at least one of its pairings is played in that leg, 0
    // otherwise. A pairing that is no longer in that match day stops the write: ErroreDatabase, and
    // the file stays as it was.
    static void scrivi(int giornata, bool andata, const QVector<IncontroGiornata>& incontri);

    // What a score box's text stores: its whole number, or Null when empty.
    static QVariant gol(const QString& testo);
};
