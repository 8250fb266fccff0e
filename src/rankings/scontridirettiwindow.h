#pragma once

#include "platform/finestre.h"

class ComboCodici;
class EtichettaIncontro;
class QGroupBox;
class QLabel;
class QStackedWidget;

// Form32: the pairing of two teams, first and return leg, each with its date, time, teams and result,
// and the match sheet of either leg one click away.
class ScontriDirettiWindow : public Finestra {
    Q_OBJECT
public:
    explicit ScontriDirettiWindow(QWidget* parent = nullptr);

    void carica() override;

private:
    // The controls of one leg's frame.
    struct Girone {
        QGroupBox* frame = nullptr;
        QLabel* data = nullptr;
        QLabel* orario = nullptr;
        EtichettaIncontro* squadre = nullptr;
        QLabel* risultato = nullptr;
    };

    Girone creaGirone(const QString& titolo, const QStringList& nomi, bool andata);
    void VisualizzaRisultati();
    void VisualizzaPartita(bool andata);

    ComboCodici* combo1_ = nullptr;
    ComboCodici* combo2_ = nullptr;
    QStackedWidget* pagine_ = nullptr;  // the instruction, or both frames
    Girone andata_, ritorno_;
    // The pairing shown: both legs are one PARTITA row.
    int codPart_ = 0;
    int giornata_ = 0;
};
