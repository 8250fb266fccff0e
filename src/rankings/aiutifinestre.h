#pragma once

#include <QString>
#include <QStringList>

class ComboCodici;
class Finestra;
class QAction;
class QBoxLayout;
class QHBoxLayout;
class QWidget;

// What the rankings and comparison windows build alike.

// The "Chiudi" and "Help" buttons of a window's bottom row, added to `riga` with their tooltips:
// "Chiudi" unloads the window, "Help" opens the help at `contestoGuida`.
void AggiungiChiudiHelp(Finestra* finestra, QBoxLayout* riga, const QString& nomeChiudi, const QString& nomeHelp,
                        int contestoGuida);

// A pick-only team list of the windows that compare two teams: light grey, wide enough for a name of 30
// characters; `nome` is its objectName, `accessibile` what accessibility tools read.
ComboCodici* ElencoSquadre(const QString& nome, const QString& accessibile, QWidget* parent);
// Fills it with the open championship's teams in name order, each carrying its code, and chooses none.
void RiempiSenzaScelta(ComboCodici* elenco);
// The row that opens a window comparing two teams: the label "Squadre" (`nomeEtichetta`), the two lists
// Combo1 and Combo2, made into `prima` and `seconda`, and the button `nomePulsante` that runs `azione`.
QHBoxLayout* RigaDueSquadre(QWidget* parent, const QString& nomeEtichetta, ComboCodici*& prima, ComboCodici*& seconda,
                            QAction* azione, const QString& nomePulsante);
