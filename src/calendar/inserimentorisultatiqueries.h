#pragma once

#include "calendar/calendarioqueries.h"

#include <QVariant>
#include <QVector>

// A row of the results page to write: the pairing as it was read (code, teams) with the values on the
// page, and which of them the user changed. Only those are written.
struct RigaRisultato {
    IncontroGiornata incontro;
    bool risultato = false;  // the scores or the played box
    bool data = false;
    bool ora = false;
};

// The writes of the results window.
class InserimentoRisultatiQueries {
public:
    // Writes the changed fields of `righe` of match day `giornata` in that leg, in one transaction: the
    // goals into the leg's fields (G1A/G2A or G1R/G2R, always SQ1's and SQ2's) with the played flag, the
    // date, the time (an empty text as one blank); the scores of a match not played are stored as Null.
    // A pairing is written only while it is still in that match day with the teams the page shows.
    // When a result changed, the day's GIORNATA flag of that leg follows: -1 when at least one of its
    // pairings is played in that leg, 0 otherwise. A pairing that left the day or changed its teams,
    // or a day without its GIORNATA row, stops the write: ErroreDatabase, and the file stays as it was.
    static void scrivi(int giornata, bool andata, const QVector<RigaRisultato>& righe);

    // Why `righe` can no longer be written, in Italian: a pairing has left match day `giornata` or its
    // teams are no longer the ones read; "" when every one is still as the page shows it.
    static QString superata(int giornata, bool andata, const QVector<RigaRisultato>& righe);

    // What a score box's text stores: its whole number, or Null when empty.
    static QVariant gol(const QString& testo);
};
