#pragma once

class Griglia;

// Widens the columns of a grid, never narrows them, so that every text below the fixed rows fits whole,
// measured in bold where its cell is bold (long names of players and teams).
void AllargaColonneAlTesto(Griglia* griglia);
