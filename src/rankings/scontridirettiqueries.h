#pragma once

#include <optional>
#include <QString>

// The pairing of two teams, both legs: SQ1 is at home in the first leg, SQ2 in the return leg.
struct ScontroDiretto {
    int codPart = 0;
    int giornata = 0;
    QString sq1, sq2;
    QString dataAndata, orarioAndata, dataRitorno, orarioRitorno;  // as stored; Null shows empty
    QString risultatoAndata, risultatoRitorno;                     // home goals first, or "N.D."
};

class ScontriDirettiQueries {
public:
    // The pairing of `a` and `b`, whichever is at home in the first leg; of two such rows the one with the
    // lowest code. None when the calendar has no such pairing. Throws ErroreDatabase when the file cannot be read.
    static std::optional<ScontroDiretto> cerca(const QString& a, const QString& b);
};
