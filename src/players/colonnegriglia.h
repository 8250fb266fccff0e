#pragma once

class QTreeWidget;

// The width resizeColumnToContents gives column `c` of a flat list: its heading or its widest cell, a cell
// counting for no more than the grid's limit for a text (a longer one is cut with "…").
int LarghezzaContenuto(const QTreeWidget* elenco, int c);
