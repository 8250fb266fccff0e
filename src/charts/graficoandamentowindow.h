#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form23: one team's progress, a line of the points it has gathered after each of its matches, the
// first leg's matches first, up to the first round not yet played. A match not played repeats the total
// before it; the rows after the last match drawn stay empty.
class GraficoAndamentoWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoAndamento;
    explicit GraficoAndamentoWindow(QWidget* parent = nullptr);

protected:
    bool prepara() override;
    bool disegna() override;
};
