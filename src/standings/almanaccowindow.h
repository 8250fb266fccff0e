#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class Griglia;
class QLabel;

// Form40: the season almanac. The championship's name and number of teams, and its season figures
// side by side for the first leg, the return leg and both together: match days and matches played,
// home wins, draws, goals and goals per match, penalties, bookings and sendings-off. The figures are
// counted once, when the window loads; from it the user opens the championship properties.
class AlmanaccoWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Almanacco;

    explicit AlmanaccoWindow(QWidget* parent = nullptr);

    void carica() override;

private:
    void calcolaAlmanacco();

    QLabel* denominazione_ = nullptr;
    QLabel* squadre_ = nullptr;  // the number of teams
    Griglia* griglia_ = nullptr;
};
