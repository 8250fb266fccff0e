#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

// Form24: the standings table as bars, one per team in the league table's order, labelled with the
// first five letters of the name; penalty points may take a bar below zero. When RicalcolaClassifica
// asks for it the table is first rebuilt for the whole season; otherwise the table is charted as the
// league table left it (a span of rounds too). RicalcolaClassifica is cleared at load and at unload.
class GraficoClassificaWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoClassifica;
    explicit GraficoClassificaWindow(QWidget* parent = nullptr);

    bool scarica() override;

protected:
    bool disegna() override;
};
