#pragma once

#include <QString>
#include <QStringList>

class Finestra;
class Griglia;
class QBoxLayout;

// What the rankings and comparison windows build alike.

// The "Chiudi" and "Help" buttons of a window's bottom row, added to `riga` with their tooltips:
// "Chiudi" unloads the window, "Help" opens the help at `contestoGuida`.
void AggiungiChiudiHelp(Finestra* finestra, QBoxLayout* riga, const QString& nomeChiudi, const QString& nomeHelp,
                        int contestoGuida);

// Widens a grid column, never narrows it, so that the widest of `testi` fits in the grid's font, bold when asked.
void AllargaColonna(Griglia* griglia, int colonna, const QStringList& testi, bool grassetto);
