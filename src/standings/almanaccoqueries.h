#pragma once

#include "core/totale.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One figure of the almanac in each leg.
struct FiguraAlmanacco {
    Totale andata;
    Totale ritorno;
    Totale totale() const { return andata + ritorno; }
};

// The season figures of the open championship, each counted by one aggregate query per leg.
struct DatiAlmanacco {
    FiguraAlmanacco turni;        // match days flagged played in GIORNATA
    FiguraAlmanacco partite;      // match legs flagged played
    FiguraAlmanacco vittorie;     // played legs won by the home team (SQ1 first leg, SQ2 return leg)
    FiguraAlmanacco pareggi;      // played legs drawn
    FiguraAlmanacco reti;         // goals of both teams in the played legs
    FiguraAlmanacco rigori;       // goal records of kind penalty, played or not
    FiguraAlmanacco ammonizioni;  // appearance rows with a card code 1 to 100
    FiguraAlmanacco espulsioni;   // appearance rows with a card code above 100
};

class AlmanaccoQueries {
public:
    // Throws ErroreDatabase when the file cannot be read.
    static DatiAlmanacco CalcolaAlmanacco();

    // The nine rows of the almanac table (label, first leg, return leg, total); goals per match are
    // written as Media gives them, in the Italian number format.
    static QVector<QStringList> TabellaAlmanacco(const DatiAlmanacco& d);
    // The labels of those rows, in order.
    static QStringList EtichetteAlmanacco();
};
