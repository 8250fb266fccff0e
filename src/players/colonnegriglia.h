#pragma once

class Griglia;
class QTreeWidget;

// Widens the columns of a grid, never narrows them, so that every text below the fixed rows fits whole,
// measured in bold where its cell is bold (long names of players and teams).
void AllargaColonneAlTesto(Griglia* griglia);

// The width resizeColumnToContents gives column `c` of a flat list: its heading or its widest cell.
int LarghezzaContenuto(const QTreeWidget* elenco, int c);
