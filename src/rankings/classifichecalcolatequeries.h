#pragma once

#include "core/stato.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// The nine computed rankings of the rankings window, by their number (TipoClassifica):
// 1 penalties, 2 fair play, 3 own goals of each team; 4 appearances, 5 bookings, 6 sendings-off,
// 7 average rating of each player; 8 the ten best single ratings; 9 the dream team.
struct Classifica {
    QString titolo;        // the window's caption once computed
    bool squadre = false;  // a team ranking: one line per team; else a grid
    // Grid of a player ranking: heading, widths (twips), columns centred in data rows. The player's name,
    // in column 1, is bold.
    QStringList intestazione;
    QList<int> larghezze;
    QList<int> centrate;
    QList<int> incontri;  // columns of pairings, "home - away"
    // The lines of a team ranking (one cell each) or the grid rows below the heading; a ranking without
    // rows has one empty grid row.
    QVector<QStringList> righe;
};

namespace ClassificheCalcolate {

constexpr int PRIMA = 1;
constexpr int ULTIMA = 9;

// The caption of ranking `tipo` once computed; empty outside 1..9.
QString Titolo(int tipo);

// Computes ranking `tipo` (1..9) from the open championship: one grouped query per table read.
// Names in the style `formatoNome` (style 3: the initial, a blank and the surname); teams from `squadre`
// (index 0 unused). Equal values rank by the shown name ignoring case, then by the code.
// Throws ErroreDatabase on failure.
Classifica Calcola(int tipo, int formatoNome, const QVector<TipoSquadra>& squadre);

// The general number format of an average or a rating: "10", "6,5", "6,3333" (rounded to four decimals).
QString TestoMedia(double valore);

}  // namespace ClassificheCalcolate
