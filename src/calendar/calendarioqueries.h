#pragma once

#include <QString>
#include <QVector>

// One pairing of a match day in one leg, as the calendar viewer and the results window show it:
// the home team of the leg first (SQ1 in the first leg, SQ2 in the return leg), with its goals first.
// Goals are text: "" when the field is Null. Dates and times come without the blank that stands
// for an empty text.
struct IncontroGiornata {
    int codPart = 0;
    QString casa;
    QString ospite;
    QString golCasa;
    QString golOspite;
    bool disputata = false;
    QString data;
    QString ora;

    // Home goals " - " away goals when played, "-" otherwise.
    QString risultato() const;
    bool operator==(const IncontroGiornata&) const = default;
};

struct GiornataCalendario {
    int giornata = 0;
    bool andata = true;
    QString riposa;  // the resting team, "" when none
    QVector<IncontroGiornata> incontri;
};

// The reads of the calendar viewer and of the results window.
class CalendarioQueries {
public:
    // The pairings of `giornata` in that leg, ordered " order by Sq1, Sq2" in the first leg and
    // " order by Sq2, Sq1" in the return leg (the home team of the leg, then its away team), with
    // the day's resting team. Throws ErroreDatabase.
    static GiornataCalendario leggi(int giornata, bool andata);
};
