#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class QCheckBox;

// Form37: builds the calendar of the open championship from the template for its number of teams.
// After a build it reloads the championship row, shows the calendar check (modal) and the dates window
// as its two boxes ask, and closes; after a refusal it stays open and shows neither.
class CalendarioAutomaticoDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::CalendarioAutomatico;

    explicit CalendarioAutomaticoDialog(QWidget* parent = nullptr);

private:
    void crea();

    QCheckBox* inserisciDate_ = nullptr;  // "Inserisci date ed orari delle giornate"
    QCheckBox* controlla_ = nullptr;      // "Controlla il calendario prima di accettarlo"
};
