#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form28: the goals one team scored, or conceded, in each round, one bar per round of the first leg and
// then of the return leg, up to the first round not yet played. The team is chosen in Combo1, the figure
// in Combo2 ("Reti segnate" or "Reti subite"); either change redraws. The figure follows GolFatti, which the
// "Gol fatti" and "Gol subiti" commands set before they show the window, also when it is already open; a
// figure picked in Combo2 is written back to GolFatti, so that bringing the window forward keeps it. A
// round without a played match of the team has no bar, and the rounds after it keep their own rows.
class GraficoGolWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoGol;
    explicit GraficoGolWindow(QWidget* parent = nullptr);

    void attiva() override;

protected:
    bool prepara() override;
    bool disegna() override;

private:
    ComboCodici* combo2_ = nullptr;
};
