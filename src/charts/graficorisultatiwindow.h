#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form27: one team's played matches of the whole season as six bars, wins, draws and losses at home and
// away, each named in the legend with its count ("Vittorie in casa (5)").
class GraficoRisultatiWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoRisultati;
    explicit GraficoRisultatiWindow(QWidget* parent = nullptr);

protected:
    bool disegna() override;
};
