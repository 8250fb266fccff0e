#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Azione;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// Form9: a championship from scratch, in two steps (general data, then the team names).
class NuovoCampionatoWizard : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::NuovoCampionato;

    explicit NuovoCampionatoWizard(QWidget* parent = nullptr);

    void attiva() override;

    static constexpr int Righe = 20;

private:
    void costruisciFaseDati(QGroupBox* frame1);
    void costruisciFaseSquadre(QGroupBox* frame2);

    void mostraFaseDatiGenerali();
    void mostraFaseSquadre();
    void avanti();
    bool controllaDatiGenerali();
    bool controllaSquadre();
    void fatto();
    int numeroSquadre() const;

    QLabel* numeroFase_ = nullptr;  // the current step, "1" or "2"
    QStackedWidget* fasi_ = nullptr;
    QGroupBox* faseDati_ = nullptr;
    QGroupBox* faseSquadre_ = nullptr;

    QLineEdit* nomeFile_ = nullptr;       // file name
    QLineEdit* estensione_ = nullptr;     // extension
    QLineEdit* denominazione_ = nullptr;  // championship name
    QLineEdit* numeroSquadre_ = nullptr;  // number of teams
    QRadioButton* numerazioneTradizionale_ = nullptr;
    QRadioButton* numerazioneCorrente_ = nullptr;
    QLineEdit* puntiVittoria_ = nullptr;   // points for a win
    QLineEdit* puntiPareggio_ = nullptr;   // a draw
    QLineEdit* puntiSconfitta_ = nullptr;  // a loss

    QVector<QWidget*> righe_;   // Shape1(i): label and name box of row i + 1
    QVector<QLineEdit*> nomi_;  // Text8(i)

    Azione* indietro_ = nullptr;
    Azione* avanti_ = nullptr;  // Avanti / Fatto
};
