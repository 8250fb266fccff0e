#pragma once

#include "platform/finestre.h"
#include "rankings/marcatoriqueries.h"

#include <optional>
#include <QVector>
#include <utility>

class ComboCodici;
class Griglia;
class QGroupBox;
class QToolButton;

// Form20: the top scorers of the championship or of one team, by goal tally, the first fifteen or all:
// the simple list (tally, name, team) or the detailed one with the goals of each kind. The team handed
// over in SquadraCorrente is chosen when the window loads; every later choice refills the list.
class MarcatoriWindow : public Finestra {
    Q_OBJECT
public:
    explicit MarcatoriWindow(QWidget* parent = nullptr);

    void carica() override;

    // The rows below the heading, as last filled.
    const QVector<RigaMarcatori>& righe() const { return righe_; }
    // How many times the list was filled (one at loading, one per choice).
    int riempimenti() const { return riempimenti_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void AggiornaMarcatori();
    void CaricaMarcatori(bool dettagliata);
    void impostaColonne(bool dettagliata);
    // Each list shows whole across: a list wider than the window widens it, until a narrower one follows.
    void adattaLarghezza();

    bool Caricamento = false;
    QToolButton* option1_ = nullptr;
    QToolButton* option2_ = nullptr;
    ComboCodici* combo1_ = nullptr;
    ComboCodici* combo2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    Griglia* grid1_ = nullptr;
    QVector<RigaMarcatori> righe_;
    int riempimenti_ = 0;
    bool adattata_ = false;                         // the first showing has fitted the window to its list
    std::optional<std::pair<int, int>> allargata_;  // the sub-window's width before and after a list widened it
};
