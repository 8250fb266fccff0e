#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

#include <QList>

// Form29: the progress of two or four teams side by side, one line per team named after it: the points
// each has gathered after each of its matches, as the team progress chart draws them. The number of teams
// is read once, at load, from ConfrontoDue; the teams are chosen in Combo1..Combo4 and drawn by "Vai"
// only, the chart showing from the first "Vai" on. A list left empty leaves its line out; the first
// must be chosen.
class GraficoConfrontoAndamentoWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoConfrontoAndamento;
    static const QString TITOLO_SCELTA;  // "Confronto degli andamenti"
    static const QString TESTO_SCELTA;   // choose at least the first team

    explicit GraficoConfrontoAndamentoWindow(QWidget* parent = nullptr);

protected:
    bool prepara() override;
    bool disegna() override;

private:
    QList<ComboCodici*> liste_;  // Combo1..Combo4
    int squadreConfrontate_ = 0;
};
