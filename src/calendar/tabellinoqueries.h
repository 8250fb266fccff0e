#pragma once

#include <optional>
#include <QString>
#include <QStringList>
#include <QVector>

// A report field of PARTITA with the width of its column.
struct CampoTabellino {
    QString colonna;
    int lunghezza = 0;
    bool operator==(const CampoTabellino&) const = default;
};

// One match of a match day's list, the home team of the leg first.
struct PartitaTabellino {
    int codPart = 0;
    QString casa;
    QString ospite;
    bool operator==(const PartitaTabellino&) const = default;
};

// The report of one leg of a match, in the order of TabellinoQueries::campi().
struct DatiTabellino {
    QString casa;    // home team of the leg: SQ1 in the first leg, SQ2 in the return leg
    QString ospite;  // away team of the leg
    QStringList valori;
};

// The reads and the write of the match report editor.
class TabellinoQueries {
public:
    // Referee, linesmen, weather, pitch, spectators; then the six figures of each team.
    static constexpr int NumeroDati = 5;
    static constexpr int NumeroStatistiche = 6;  // shots, on goal, offsides, fouls, possession, corners
    static constexpr int NumeroCampi = NumeroDati + 2 * NumeroStatistiche;
    static constexpr int LunghezzaDato = 200;
    static constexpr int LunghezzaStatistica = 4;

    // The report fields of a leg: the five match data, then the home team's six figures, then the away
    // team's. Fields ending in A belong to the first leg and those ending in R to the return leg; the
    // digit names the team of the pairing (1 SQ1, 2 SQ2), so the home figures of the return leg are the
    // ...2R fields.
    static QVector<CampoTabellino> campi(bool andata);

    // The pairings of `giornata`, home team of the leg first, ordered by home team, then away team.
    // Throws ErroreDatabase.
    static QVector<PartitaTabellino> partite(int giornata, bool andata);

    // The leg's report of the match `codPart`; nullopt when there is no such match. Null fields and
    // fields holding only blanks (an empty text is stored as one blank) read as empty text.
    // Throws ErroreDatabase.
    static std::optional<DatiTabellino> leggi(int codPart, bool andata);

    // Writes the leg's report of `codPart` (NumeroCampi values in the order of campi()): an empty text
    // as one blank, a longer text cut to its column's width. False when the match is not in the file.
    // Throws ErroreDatabase.
    static bool scrivi(int codPart, bool andata, const QStringList& valori);
};
