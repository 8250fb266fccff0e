#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form30: the bookings and the sendings-off of each round, all line-ups together, as two bars per round
// of the first leg and then of the return leg, up to the first round not yet played. Drawn once, at load.
class GraficoCartelliniWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoCartellini;
    explicit GraficoCartelliniWindow(QWidget* parent = nullptr);

protected:
    bool disegna() override;
};
