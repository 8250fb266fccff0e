#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class QCheckBox;
class QRadioButton;

// Form46: how player names are shown and whether the match sheets show ratings. The choice applies at
// once and is stored in the settings database with the two other display settings unchanged.
class OpzioniDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Opzioni;

    explicit OpzioniDialog(QWidget* parent = nullptr);

    void carica() override;

private:
    void ok();

    QRadioButton* nomeCognome_ = nullptr;
    QRadioButton* cognomeNome_ = nullptr;
    QRadioButton* soloCognome_ = nullptr;
    QCheckBox* mostraVoti_ = nullptr;
};
