#pragma once

#include "calendar/ricercapartitequeries.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <optional>
#include <QVector>

class ComboCodici;
class QLabel;
class Azione;
class QRadioButton;

// Form13: the result search. One team's matches, from the match day and leg chosen, stepped through
// in season order (the first legs of match days 1..n, then the return legs) with "Precedente" and
// "Successivo". Each match shows its match day, leg, date, teams and result; the match found opens in
// the match sheet. On loading it preselects SquadraCorrente, match day GiornataCorrente and leg Andata.
class RicercaRisultatiWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::RicercaRisultati;

    explicit RicercaRisultatiWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

    // The match on show, or null (no team, or no match of the team in the chosen match day).
    const PartitaGirone* partitaMostrata() const;

private:
    void caricaGiornate();
    // Reads the chosen team's matches again; false when reading failed.
    bool leggiPartite();
    // Takes the place from the match day and leg chosen, then shows it.
    void posizioneScelta();
    void mostraPosizione();
    void aggiornaControlli();
    void passa(bool avanti);
    QString squadra() const;

    ComboCodici* squadre_ = nullptr;
    ComboCodici* elencoGiornate_ = nullptr;
    QRadioButton* andata_ = nullptr;
    QRadioButton* ritorno_ = nullptr;
    QLabel* giornata_ = nullptr;
    QLabel* data_ = nullptr;
    QLabel* incontro_ = nullptr;
    QLabel* risultato_ = nullptr;
    Azione* precedente_ = nullptr;
    Azione* successivo_ = nullptr;
    Azione* scheda_ = nullptr;

    QVector<PartitaGirone> partite_;  // the chosen team's, in season order
    PosizioneStagione posizione_;
    std::optional<int> mostrata_;  // index in partite_
    bool impostazione_ = false;    // the controls are being set from code
};
