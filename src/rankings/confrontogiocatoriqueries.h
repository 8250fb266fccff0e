#pragma once

#include <array>
#include <optional>
#include <QString>
#include <QStringList>
#include <QVector>

// What the comparison of two players reads: each function takes both players' codes (the same code may
// stand on both sides) and reads each table once for the two of them. Players are chosen by code only,
// whichever team they played for. Nothing is written.
namespace ConfrontoGiocatoriQueries {

using Coppia = std::array<int, 2>;  // GIOCATORE.CODICE of player 1 and player 2

// The name text of a player: a blank, the first name, a blank and the surname (" Andrea Rossi"; a missing
// first name leaves two blanks). None when no player has the code.
std::optional<QString> NomeGiocatore(int codice);

// The rows of the ratings figures: "Voto più alto", "Voto più basso", "Ultimo voto" and "Voto medio",
// each with player 1's and player 2's value, over the appearances rated 1 to 10 ("S.V." and 0 left out).
// The last rating is that of the latest round of the return leg, else of the first leg; a player without
// a rated appearance has "N.D." in all four rows.
QVector<QStringList> RigheVoti(const Coppia& giocatori);

// The rows of the goals figures: "Totale reti" (own goals left out), then one row per kind of goal, each
// with player 1's and player 2's count.
QVector<QStringList> RigheReti(const Coppia& giocatori);

// A value per round of the season: rounds 1..giornatePerGirone of the first leg, then of the return leg.
using PerGiornata = QVector<double>;

// Each player's goals added up from the first round of the season to each round (own goals left out).
// The played flags play no part: every goal stored for a round counts.
std::array<PerGiornata, 2> RetiPerGiornata(const Coppia& giocatori, int giornatePerGirone);

// Each player's rating in each round: the first appearance of the round by key that is not rated "S.V.";
// 0 when he has none.
std::array<PerGiornata, 2> VotiPerGiornata(const Coppia& giocatori, int giornatePerGirone);

}  // namespace ConfrontoGiocatoriQueries
