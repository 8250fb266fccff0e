#pragma once

#include "calendar/calendarioqueries.h"
#include "calendar/navigazionegiornate.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Azione;
class QLabel;
class Pannello;
class TestataGiornata;

// The calendar viewer, "Calendario del campionato": the pairings of one match day in one leg, home
// team first, with results ("-" when not played), dates, times and the resting team. Each activation
// shows match day GiornataCorrente of leg Andata; its own navigation hands the day it moves to over
// in the same variables. The day on show goes with one of its matches in CodPartitaCorrente: the
// first after a move, or the one handed over already when it is of the day. From here the user goes on to results
// entry, the match sheet of the chosen pairing, the statistics of the day and the partial table up to the day on show.
class CalendarioWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Calendario;

    explicit CalendarioWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

    GiornataGirone giornataMostrata() const { return {giornata_.giornata, giornata_.andata}; }
    const GiornataCalendario& giornata() const { return giornata_; }
    // The chosen pairing's index (-1: none chosen).
    int incontroScelto() const { return scelto_; }
    void scegliIncontro(int indice);

    // The commands of the panel strip.
    void giornataPrecedente();
    void giornataSuccessiva();
    void cambiaGirone();
    void inserisciRisultati();
    void apriTabellino();
    void apriStatistiche();
    void apriClassificaParziale();

private:
    // A pairing's panel: the picture shown while it is lit, and its six captions.
    struct Riga {
        Pannello* pannello = nullptr;
        QLabel* immagine = nullptr;
        QVector<QLabel*> didascalie;  // home, "-", away, result, date, time
    };

    Riga nuovaRiga(int indice);
    void mostra(GiornataGirone g);
    void allineaColonne();
    void aggiornaScelta();
    void aggiornaComandi();
    void vaiA(GiornataGirone g);

    GiornataCalendario giornata_;
    int ultima_ = 0;
    int scelto_ = -1;

    // The commands of the panel strip that depend on the day on show.
    Azione* precedente_ = nullptr;
    Azione* successiva_ = nullptr;
    Azione* cambioGirone_ = nullptr;
    Azione* risultati_ = nullptr;
    Azione* tabellino_ = nullptr;
    Azione* statistiche_ = nullptr;
    Azione* classificaParziale_ = nullptr;

    QVector<Riga> righe_;  // grows to the largest match day shown; rows beyond the day are hidden
    QVector<QLabel*> intestazioni_;
    TestataGiornata* testata_ = nullptr;
    QWidget* elenco_ = nullptr;
    QLabel* nota_ = nullptr;
};
