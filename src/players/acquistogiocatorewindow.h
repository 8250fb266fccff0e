#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class Albero;
class Azione;
class ComboCodici;
class QTreeWidget;

// Form17: a team buys a player of another team. The buyer is chosen in the list at the top
// (preselected from SquadraCorrente), the team tree chooses whose players are listed: every team but
// the buyer, or one other team. "Acquistare" moves the selected player into the buyer's squad after a
// question; "Scheda giocatore" opens his card. The list is refilled only by a click on the tree.
class AcquistoGiocatoreWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::AcquistoGiocatore;

    explicit AcquistoGiocatoreWindow(QWidget* parent = nullptr);

    void carica() override;

private:
    void nodoCliccato();
    void ElencaGiocatoriAcquistabili();
    void AcquistaGiocatore();
    void giocatoreAssente(int codice);
    void togliDallElenco(int codice);
    void apriScheda();
    int codiceSelezionato() const;
    // Each column as wide as its widest text so far (the team column for every team's name), within a bound.
    void misuraColonne();
    // The columns across the list: the room beyond what their texts need shared out in proportion.
    void adattaColonne();

    ComboCodici* combo1_ = nullptr;
    Albero* albero_ = nullptr;
    QTreeWidget* elenco_ = nullptr;
    Azione* acquista_ = nullptr;
    Azione* scheda_ = nullptr;
    int larghezze_[4] = {};  // what each column's texts need, px

protected:
    void resizeEvent(QResizeEvent* e) override;
};
