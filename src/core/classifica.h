#pragma once

// The standings engine: rebuilds PUNTISQUADRE, one row per team of stato().Squadre, from the
// played legs of the open championship. Every reader sorts the rows with its own ORDER BY.
//
// Both rebuilds read the matches once, count in memory and replace the whole table in one
// transaction. On a database failure they throw ErroreDatabase with an Italian text for the user
// (show it with Messaggio::errore) and leave PUNTISQUADRE exactly as it was.

// Counts every played leg of the season.
void CalcolaClassifica();

// Counts the played legs between (ParzDaGirone, ParzDaGiornata) and (ParzAGirone, ParzAGiornata)
// of stato(), both ends included, in season order: the first legs of rounds 1, 2, ..., then the
// return legs of rounds 1, 2, ... (girone 1 first leg, 2 return leg). The whole penalty is subtracted.
void CalcolaClassificaParziale();
