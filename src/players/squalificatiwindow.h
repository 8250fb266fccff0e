#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class Griglia;
class QLabel;
class QLineEdit;
class Spinner;

// Form45: the players who miss the match day after the last one played, sent off or booked once too
// often, by a number of bookings per suspension that the user sets (3 at opening). The list is worked
// out from the line-ups when the window opens and again on "Ricalcola", never on its own. Before the
// first match day is played there is nothing to list: the window says so and does not open.
class SqualificatiWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Squalificati;

    explicit SqualificatiWindow(QWidget* parent = nullptr);

    void carica() override;
    // Works the list out again with the number of bookings shown.
    void ricalcola();

private:
    QLabel* giornata_ = nullptr;
    Griglia* grid1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    Spinner* spinner_ = nullptr;
};
