#pragma once

#include <QString>
#include <QVector>

// The standings counted afresh from the open championship's file (SQUADRA, PARTITA, CAMPIONATO),
// written plainly and apart from the standings engine, for the tests that check the engine or what
// shows it. A leg counts when its flag is exactly -1; a Null score counts as 0; a team named on both
// sides of a row counts it once, as the first named. Names are matched ignoring case.
struct SquadraAttesa {
    QString nome;
    int giocate = 0, punti = 0;  // points net of the penalty
    int vinteCasa = 0, perseCasa = 0, xCasa = 0, vinteFuori = 0, perseFuori = 0, xFuori = 0;
    int fattiCasa = 0, subitiCasa = 0, fattiFuori = 0, subitiFuori = 0;
    int mediaInglese = 0;

    int fatti() const { return fattiCasa + fattiFuori; }
    int subiti() const { return subitiCasa + subitiFuori; }
    int vinte() const { return vinteCasa + vinteFuori; }
    // The 17 numbers of the team's PUNTISQUADRE row in field order (GIOCATE ... MEDIAINGLESE), blank-separated.
    QString campi() const;
};

// One entry per SQUADRA row, in standings order: points, fewer played, goal difference, goals scored,
// wins (ties keep the name order). `da` and `a` bound a span in season order as girone * 100 + giornata
// (101 the first leg of round 1, 201 the return leg of round 1), both included; 0 and 0 the whole season.
QVector<SquadraAttesa> ClassificaAttesa(int da = 0, int a = 0);

// The team's PUNTISQUADRE row as SquadraAttesa::campi() writes it; "assente" without a row.
QString CampiSalvati(const QString& nome);
