#pragma once

class Griglia;
class QTreeWidget;

// Widens the columns of a grid, never narrows them, so that every text below the fixed rows fits whole,
// measured in bold where its cell is bold (long names of players and teams), up to the grid's limit for a
// text (Griglia::adattaColonnaAlTesto).
void AllargaColonneAlTesto(Griglia* griglia);

// The width resizeColumnToContents gives column `c` of a flat list: its heading or its widest cell, a cell
// counting for no more than the grid's limit for a text (a longer one is cut with "…").
int LarghezzaContenuto(const QTreeWidget* elenco, int c);
