#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/statistichequeries.h"

class Griglia;
class QGroupBox;
class QLabel;

// The statistics window (Form4). With StatGiornata set it shows match day GiornataCorrente of leg
// Andata: results, goals, bookings and sendings-off; otherwise the championship as PUNTISQUADRE holds
// it after its last rebuild (whole season or span, never rebuilt here): results, goals and the teams'
// records. Every activation reads the hand-over variables again and refills.
class StatisticheWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Statistiche;

    explicit StatisticheWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

private:
    void aggiorna();
    // Caption and records frame of a match day (true) or of the championship.
    void impostaModo(bool giornata);
    void mostraRisultati(const RisultatiPartite& r);
    void aggiungiVoce(const QString& voce, Totale totale, const QString& perPartita);
    void mostraGiornata(const StatisticheGiornata& s);
    void mostraCampionato(const StatisticheCampionato& s);
    void svuota();
    void dimensiona();

    QLabel* intestazione_ = nullptr;
    Griglia* cifre_ = nullptr;
    QGroupBox* riquadroPrimati_ = nullptr;
    Griglia* primati_ = nullptr;
};
