#pragma once

#include "calendar/ricercapartitequeries.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Griglia;
class QLabel;
class Azione;

// Form42: the postponed matches, every leg not played in a match day already registered as played in
// that leg. From the chosen row it opens results entry on that match day and leg, or the match sheet
// on that match. The list is read again at each activation, so results just entered drop out of it.
class PartiteDaRecuperareWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::PartiteDaRecuperare;

    explicit PartiteDaRecuperareWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

private:
    void caricaElenco();
    // The leg on the grid's current row; null when the current row holds none.
    const PartitaGirone* scelta() const;
    void aggiornaComandi();
    void apriRisultati();

    QLabel* intestazione_ = nullptr;
    Griglia* griglia_ = nullptr;
    Azione* risultati_ = nullptr;
    Azione* scheda_ = nullptr;
    QVector<PartitaGirone> partite_;  // row i + 1 of the grid
};
