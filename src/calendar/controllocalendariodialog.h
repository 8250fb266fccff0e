#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class QLabel;
class QListWidget;

// Form39, modal: the match days of the calendar just built, one at a time, with the command that
// builds it anew. The rebuild replaces the calendar only when the new one is written: a refusal of the
// builder keeps the old calendar.
class ControlloCalendarioDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::ControlloCalendario;

    explicit ControlloCalendarioDialog(QWidget* parent = nullptr);

    void carica() override;

    int giornata() const { return numero_; }

private:
    void mostraGiornata(int numero);
    void sposta(int verso);
    void ricrea();

    QLabel* intestazione_ = nullptr;  // the match day on show
    QLabel* riposa_ = nullptr;        // the resting team, when there is one
    QListWidget* incontri_ = nullptr;
    int numero_ = 0;
};
