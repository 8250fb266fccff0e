#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/calendariosquadraqueries.h"

#include <QPixmap>
#include <QVector>

class ComboCodici;
class Griglia;

// Form21: one team's schedule for the whole season, the first leg and then the return leg, one row
// per match day with date, time, teams and result, and a small picture of the team's win, draw or
// loss. From the chosen row it opens the match sheet; the tool strip also opens the team's trend
// chart, trend statistics and result search. The team comes from SquadraCorrente when the window
// loads; afterwards only picking another team refills it.
class CalendarioSquadraWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::CalendarioSquadra;

    explicit CalendarioSquadraWindow(QWidget* parent = nullptr);

    void carica() override;

    // The team on show (the text of the team list).
    QString squadra() const;
    // The rows of the grid below the heading, as last filled.
    const QVector<RigaTabellaDiMarcia>& righe() const { return righe_; }

private:
    void caricaTabellaDiMarcia();
    void apriSchedaPartita();
    void apriConSquadra(const QString& id);
    void apriRicercaRisultati();
    void impostaLarghezze();

    ComboCodici* squadre_ = nullptr;
    Griglia* griglia_ = nullptr;
    QVector<RigaTabellaDiMarcia> righe_;       // row i + 1 of the grid
    QPixmap vittoria_, pareggio_, sconfitta_;  // null when the bitmap was missing at load
};
