#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/andamentosquadraqueries.h"

#include <optional>

class ComboCodici;
class Griglia;

// Form22: one team's season trend. For the first leg, the return leg and the whole season, at home,
// away and both together: legs played, won, drawn and lost, goals scored and conceded with their
// averages, points earned and points per match. The team comes from SquadraCorrente when the window
// loads; picking another team in the list counts again.
class AndamentoSquadraWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::AndamentoSquadra;

    explicit AndamentoSquadraWindow(QWidget* parent = nullptr);

    void carica() override;

    // The team counted last (the text of the team list at that moment).
    QString squadraAndamento() const { return squadraAndamento_; }
    // The counters of the last count; none when it could not read the file.
    const std::optional<ContatoriAndamento>& contatori() const { return contatori_; }

private:
    void calcolaAndamento();
    void mostraAndamento();

    ComboCodici* squadre_ = nullptr;
    Griglia* griglia_ = nullptr;
    QString squadraAndamento_;
    std::optional<ContatoriAndamento> contatori_;
};
