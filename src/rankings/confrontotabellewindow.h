#pragma once

#include "platform/finestre.h"
#include "rankings/confrontotabellequeries.h"

#include <QPixmap>
#include <QVector>

class ComboCodici;
class Griglia;

// Form25: two teams' seasons side by side, one row per round of each leg, with each team's match, its
// result and a win, draw or loss picture. From the chosen row it opens the calendar viewer at that round.
class ConfrontoTabelleWindow : public Finestra {
    Q_OBJECT
public:
    explicit ConfrontoTabelleWindow(QWidget* parent = nullptr);

    void carica() override;

    // The rows below the two heading rows, as last compared.
    const QVector<RigaConfronto>& righe() const { return righe_; }

private:
    void VisualizzaConfronto();
    void CaricaConfronto(const QString& a, const QString& b);
    void VediGiornata();
    void impostaLarghezze();

    ComboCodici* combo1_ = nullptr;
    ComboCodici* combo2_ = nullptr;
    Griglia* grid1_ = nullptr;
    QVector<RigaConfronto> righe_;             // grid row i + 2
    QPixmap vittoria_, pareggio_, sconfitta_;  // null when the bitmap was missing at load
};
