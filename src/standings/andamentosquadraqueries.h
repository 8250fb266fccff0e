#pragma once

#include "core/totale.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One quarter of a team's season (a leg, at home or away): legs played, won, drawn and lost, goals
// scored and conceded, points earned on the field.
struct QuartoAndamento {
    Totale Giocate;
    Totale Vinte;
    Totale Pareggiate;
    Totale Perse;
    Totale Fatti;
    Totale Subiti;
    Totale Punti;
};

// A team's trend counters: first leg at home (SQ1) and away (SQ2), return leg at home (SQ2) and away (SQ1).
struct ContatoriAndamento {
    QuartoAndamento AndataCasa;
    QuartoAndamento AndataFuori;
    QuartoAndamento RitornoCasa;
    QuartoAndamento RitornoFuori;
};

class AndamentoSquadraQueries {
public:
    // Counts the played legs of `squadra` (names compared ignoring case, as the file compares them)
    // with the points per result given; penalty points are not subtracted. A played leg with a score
    // missing counts that score as 0, as the league table does. Throws ErroreDatabase.
    static ContatoriAndamento CalcolaAndamento(const QString& squadra, int puntiVittoria, int puntiPareggio,
                                               int puntiSconfitta);

    // The ten statistic rows of the trend table: the label, then the eleven cells of the
    // "Andata", "Ritorno" and "Totale" groups (home, away, both), with empty spacer cells between
    // the groups. Averages are written as Media gives them, in the Italian number format.
    static QVector<QStringList> TabellaAndamento(const ContatoriAndamento& c);
    // The labels of those rows, in order.
    static QStringList EtichetteAndamento();
};
