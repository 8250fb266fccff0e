#pragma once

#include "calendar/giornatecalendarioqueries.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

class EtichettaIncontro;
class QGridLayout;
class QLabel;
class QLineEdit;

// Form38: the dates of the calendar, match day by match day: the day's date in each leg, and the date
// and kick-off time of each pairing in each leg. A day's date can be copied to all its pairings. Changes
// are saved when the user moves to another day, saves, or closes the window; only the dates the user
// changed are written. Coming back to it shows the day as stored now, unless it holds changes.
class DateGiornateWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::DateGiornate;

    explicit DateGiornateWindow(QWidget* parent = nullptr);

    void attiva() override;
    bool scarica() override;

    int giornata() const { return giornata_.numero; }
    // Whether the user changed a date since the day was read (or last saved).
    bool modificata() const;

    // Shows match day `numero`, saving the day on show first when it has changes; stays on it when that
    // save fails.
    void vaiAGiornata(int numero);

private:
    struct RigaDate {
        EtichettaIncontro* incontro = nullptr;
        QLineEdit* dataAnd = nullptr;
        QLineEdit* hAnd = nullptr;
        QLineEdit* dataRit = nullptr;
        QLineEdit* hRit = nullptr;
    };

    QLineEdit* casella(const QString& nome, int caratteri);
    void mostraGiornata(int numero);
    // The day with the dates on screen.
    DatiGiornata digitata() const;
    void sposta(int verso);
    void copiaData(bool andata);
    // Saves the day when it has changes; false when the save failed (the user has been told).
    bool salvaSeServe();

    QLabel* intestazione_ = nullptr;    // the match day on show
    QLabel* riposa_ = nullptr;          // the resting team
    QLineEdit* dataAndata_ = nullptr;   // the day's first-leg date
    QLineEdit* dataRitorno_ = nullptr;  // the day's return-leg date
    QGridLayout* griglia_ = nullptr;
    QVector<RigaDate> righe_;
    DatiGiornata giornata_;  // as read, or last saved
};
