#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

// Form41: the settings of the open championship (name, points per result, shirt numbering), saved with
// a reload of the championship, and the rename of a team, written at once in every table.
class ProprietaCampionatoWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::ProprietaCampionato;

    explicit ProprietaCampionatoWindow(QWidget* parent = nullptr);

    void carica() override;
    // Settings typed and not saved: asks whether to save them first (false: the user stays).
    bool scarica() override;

private:
    void salva();
    // Checks and writes the settings shown; the shared state follows them. False when refused or failed.
    bool scriviImpostazioni();
    // The settings as shown: name, numbering, points for a win, a draw, a loss.
    QStringList impostazioniMostrate() const;
    void rinomina();
    // Rewrites the name in every table that holds it, in one transaction.
    static void scriviNuovoNome(int codice, const QString& vecchio, const QString& nuovo);

    QLineEdit* denominazione_ = nullptr;  // name
    QRadioButton* numerazioneTradizionale_ = nullptr;
    QRadioButton* numerazioneCorrente_ = nullptr;
    QLineEdit* puntiVittoria_ = nullptr;   // points for a win
    QLineEdit* puntiPareggio_ = nullptr;   // a draw
    QLineEdit* puntiSconfitta_ = nullptr;  // a loss
    QListWidget* squadre_ = nullptr;
    QStringList caricate_;  // the settings as loaded or last saved
};
