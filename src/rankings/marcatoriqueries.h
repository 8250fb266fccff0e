#pragma once

#include "core/stato.h"

#include <array>
#include <optional>
#include <QString>
#include <QStringList>
#include <QVector>

// A player who has scored, with his goal tally as the goal editor keeps it (GIOCATORE.RETI) and his
// goals of each kind counted in RETI, in the order of the detailed list's columns.
struct Marcatore {
    int codice = 0;
    QString nome, cognome;
    int codSquadra = 0;
    int reti = 0;
    std::array<int, 7> perTipo{};
};

// The goal kinds of the detailed list's columns: penalty, free kick, right foot, left foot, header,
// overhead kick, back-heel. Own goals and goals of no stated kind have no column.
extern const std::array<int, 7> TIPI_COLONNE;

// One row of the top scorers list: a separator (all cells empty) before each group of equal tallies,
// or a player: tally, name, team and, in the detailed list, the seven kind counts.
struct RigaMarcatori {
    bool separatore = true;
    QStringList celle;
};

// The rows of the list from the scorers in list order: a separator before each new tally, the name in
// the style `formatoNome` ("A. Rossi" for style 3), the team from `squadre` by its code (empty when no
// team has it). No scorer: one empty row.
QVector<RigaMarcatori> RigheMarcatori(const QVector<Marcatore>& marcatori, bool dettagliata, int formatoNome,
                                      const QVector<TipoSquadra>& squadre);

class MarcatoriQueries {
public:
    // The players with a tally above 0, of one team or of all, by tally (highest first), team code and
    // surname; at most `limite` of them (0: all). One grouped query. Throws ErroreDatabase on failure.
    static QVector<Marcatore> marcatori(std::optional<int> codSquadra, int limite);
};
