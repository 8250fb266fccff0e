#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class Albero;
class QTreeWidget;

// Form35, modal: the user picks one player of the championship, from the list of all players or of the
// team chosen in the team tree, and presses "Seleziona". The pick is handed back in CodGiocatoreScelto:
// the player's key, or -1 when the window was left with "Annulla" or its close box.
class SceltaGiocatoreDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::SceltaGiocatore;

    explicit SceltaGiocatoreDialog(QWidget* parent = nullptr);

    void carica() override;

private:
    // Lists the players of the team of the selected node, or every player for the root.
    void elenca();
    void seleziona();
    void annulla();

    Albero* albero_ = nullptr;
    QTreeWidget* elenco_ = nullptr;
};
