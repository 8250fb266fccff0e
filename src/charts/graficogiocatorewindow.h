#pragma once

#include "charts/finestragrafico.h"
#include "core/idfinestre.h"

#include <optional>

class Albero;
class QTreeWidgetItem;

// Form31: one player's chart. The team tree (TreeView1) chooses whose players the list (Combo1) holds;
// "Visualizza grafico" draws, for the chosen player, the chart that TipoGraficoGiocatore asks for at
// that moment:
//  1 his running total of goals after each round (a line; own goals left out);
//  2 his appearances without a card, bookings and sendings-off over the season (a pie of three slices);
//  3 his rating in each round (bars on a fixed scale from 0 to 10; 0 where he has none).
// The per-round charts stop at the first round not yet played when the window was opened.
class GraficoGiocatoreWindow : public FinestraGrafico {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::GraficoGiocatore;
    enum Tipo { Reti = 1, Cartellini = 2, Voti = 3 };

    explicit GraficoGiocatoreWindow(QWidget* parent = nullptr);

protected:
    bool prepara() override;
    bool disegna() override;

private:
    // Lists the players of a team (its code), or of every team; a team without players leaves the list
    // as it was.
    void aggiornaGiocatori(std::optional<int> squadra);
    void nodoCliccato(QTreeWidgetItem* nodo);
    bool disegnaPerGiornata(Tipo tipo, int codice);
    bool disegnaCartellini(int codice);

    Albero* albero_ = nullptr;
    ComboCodici* combo1_ = nullptr;
};
