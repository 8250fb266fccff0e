#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class QCheckBox;

// Form49: the greeting at start-up, "Cosa desideri fare?": open a championship, create one, or read the
// help. It leaves its choice in AzioneIniziale for the main window to carry out once it has closed. Its
// check box turns it off for later start-ups, and is stored only when the user clicked it.
class IntroduzioneDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Introduzione;

    explicit IntroduzioneDialog(QWidget* parent = nullptr);

    void carica() override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void scegli(int azione);  // 1 open, 2 create, 0 help
    void salvaPrimiPassi();

    QCheckBox* nonMostrare_ = nullptr;
    bool cliccato_ = false;  // the user clicked the check box since loading
};
