#pragma once

#include "calendar/ricercapartitequeries.h"
#include "platform/finestre.h"

#include <QVector>

class Griglia;
class QLabel;
class QPushButton;

// Form42: the postponed matches, every leg not played in a match day already registered as played in
// that leg. From the chosen row it opens results entry on that match day and leg, or the match sheet
// on that match. The list is read again at each activation, so results just entered drop out of it.
class PartiteDaRecuperareWindow : public Finestra {
    Q_OBJECT
public:
    explicit PartiteDaRecuperareWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

private:
    void CaricaElenco();
    // The leg on the grid's current row; null when the current row holds none.
    const PartitaGirone* scelta() const;
    void aggiornaComandi();
    void apriRisultati();

    QLabel* label1_ = nullptr;
    Griglia* grid1_ = nullptr;
    QPushButton* risultati_ = nullptr;
    QPushButton* scheda_ = nullptr;
    QVector<PartitaGirone> partite_;  // row i + 1 of the grid
};
