#pragma once

// Finding a match day of the calendar from the played flags of GIORNATA.
// Both leave their answer in GiornataCorrente and Andata and return a status.

constexpr int GIORNATA_TROVATA = 1;
constexpr int CAMPIONATO_CONCLUSO = 2;       // GiornataDaGiocare: every match day played in both legs
constexpr int NESSUNA_GIORNATA_GIOCATA = 2;  // UltimaGiornataGiocata: no first leg played yet
constexpr int CALENDARIO_VUOTO = 3;          // GIORNATA has no rows

// The next match day to play: the lowest-numbered day whose first leg is not played; when every first
// leg is played, the lowest-numbered day whose return leg is not played. Only the flag 0 counts as
// not played. Status 1 (found), 2 (season completed) or 3 (no calendar); on 2 and 3 the variables are
// left as they were. Throws ErroreDatabase when the file cannot be read.
int GiornataDaGiocare();

// The last match day played: the last match day (in the order the days were added to the calendar)
// with its first leg played, unless that is the last day of the calendar, in which case the last day
// with its return leg played, or that last day's first leg when no return leg is played.
// Status 1 (found), 2 (no first leg played: day 1, first leg) or 3 (no calendar: variables unchanged).
int UltimaGiornataGiocata();

// The rounds of one leg in a championship of `numeroSquadre` teams: N - 1 with an even count, N with an
// odd one (every team rests once). The per-round charts and comparisons have this many rows per leg.
int GiornatePerGirone(int numeroSquadre);
