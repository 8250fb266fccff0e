#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form26: the goals of each round, all played matches together, one bar per round of the first leg and
// then of the return leg, up to the first round not yet played. A round flagged as played whose matches
// are not counts 0; the rounds from the stop on have no bar.
class GraficoGolPerGiornataWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoGolPerGiornata;
    explicit GraficoGolPerGiornataWindow(QWidget* parent = nullptr);

protected:
    bool disegna() override;
};
