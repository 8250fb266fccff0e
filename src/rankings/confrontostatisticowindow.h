#pragma once

#include "platform/finestre.h"
#include "rankings/confrontostatisticoqueries.h"

class ComboCodici;
class Griglia;
class QLabel;

// Form33: two teams' season figures side by side, by leg (first, return, both) and venue (home, away,
// both): games, wins, draws, losses, goals, points and the averages per game.
class ConfrontoStatisticoWindow : public Finestra {
    Q_OBJECT
public:
    explicit ConfrontoStatisticoWindow(QWidget* parent = nullptr);

    void carica() override;

private:
    void VisualizzaConfronto();
    void AggiungiSquadre(const TotaliSquadra& a, const TotaliSquadra& b);

    ComboCodici* combo1_ = nullptr;
    ComboCodici* combo2_ = nullptr;
    QLabel* label2_ = nullptr;
    Griglia* grid1_ = nullptr;
};
