#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Azione;
class Griglia;
class QPushButton;

// Form44: every player of the championship in one grid, by surname and first name, with his team and
// role. A letter button scrolls the first surname with that initial to the top; "Scheda giocatore" (or
// a double click) opens the card of the player of the current row, which is the last row right after
// filling. The list is read when the window opens and is not refreshed while it stays open.
class ElencoGiocatoriWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::ElencoGiocatori;

    explicit ElencoGiocatoriWindow(QWidget* parent = nullptr);

    void carica() override;

    // Scrolls to the first surname that begins with `lettera` (a button's caption).
    void saltaAllaLettera(QChar lettera);

private:
    void riempi();
    void apriScheda();

    Griglia* grid1_ = nullptr;
    Azione* scheda_ = nullptr;
    QVector<QPushButton*> lettere_;
    QVector<int> codici_;  // the players' keys in grid order: row r (from 1) is entry r - 1
};
