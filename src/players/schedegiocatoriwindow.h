#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "players/schedegiocatoriqueries.h"

#include <optional>
#include <QStringList>
#include <QVector>

class Albero;
class Azione;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidgetItem;

// Form14: the players' cards, one player at a time out of a list chosen in the team tree (every
// player, or one team's squad), by surname, first name and key. The tool strip moves through the
// list, searches it, saves the personal data, deletes the player and opens the new-player window;
// the letter buttons jump to the first surname with an initial. The card shows the personal data,
// the photo and the player's figures counted over the whole file.
// The list is the window's own (keys and surnames): the commands act on the player the card shows,
// whatever other windows do meanwhile; a player deleted meanwhile leaves the list when the card reaches
// him. CodGiocatoreCorrente is read once, when the window loads.
// Personal data typed and not saved are never dropped unseen: moving to another player (previous, next,
// search, letters, tree) or closing the window asks whether to save them first.
class SchedeGiocatoriWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::SchedeGiocatori;

    explicit SchedeGiocatoriWindow(QWidget* parent = nullptr);

    void carica() override;
    bool scarica() override;

    // The list open now, and the key of the player shown (-1 in the empty state).
    const QVector<VoceElencoGiocatori>& elenco() const { return elenco_; }
    int codiceMostrato() const;

private:
    enum class Esito { Mostrata, Assente, Errore };

    void apriElenco(std::optional<int> squadra);
    void nodoCliccato();
    // Shows the player at `indice`. One deleted meanwhile leaves the list, and the nearest remaining player
    // is shown instead, onward in the direction `verso` (1 forward, -1 back) and else the other way; the
    // empty state only when no player is left.
    void mostra(int indice, int verso = 1);
    // Moves to another player of the list, after asking about unsaved data; the shown player himself stays
    // as he is (nothing typed is reloaded away).
    void vaiA(int indice, int verso = 1);
    Esito CaricaScheda();
    void mostraFoto(const QString& percorso);
    void statoVuoto();
    void impostaComandiScheda(bool attivi);
    bool radiceSelezionata() const;

    // The previous (-1) or the next (1) player of the list.
    void sposta(int passo);
    void ApriNuovoGiocatore();
    void RicercaGiocatore();
    bool SalvaScheda();
    // The personal data as the boxes show them now, in the order of CAMPI_SALVATI.
    QStringList datiMostrati() const;
    bool modificata() const;
    // Before the card leaves the shown player (`dopo`: "passare a un altro giocatore", ...): true when it
    // may, asking to save what was typed (Yes saves, and a refused or failed save stays; No drops it;
    // Cancel stays).
    bool lasciaScheda(const QString& dopo);
    void EliminaGiocatore();
    void cambiaFoto();
    void saltaAllaLettera(QChar lettera);

    QWidget* paginaInformazioni();
    QWidget* paginaStatistiche();

    Albero* albero_ = nullptr;
    QTabWidget* tab_ = nullptr;
    QFrame* lettere_ = nullptr;
    QFrame* vuoto_ = nullptr;
    QLabel* foto_ = nullptr;
    QVector<QLineEdit*> testi_;  // Text1 .. Text28 by number (index 0 unused)
    Azione* precedente_ = nullptr;
    Azione* successivo_ = nullptr;
    Azione* salva_ = nullptr;
    Azione* elimina_ = nullptr;

    QVector<VoceElencoGiocatori> elenco_;
    int indice_ = -1;                        // the player shown, -1 in the empty state
    QTreeWidgetItem* nodoElenco_ = nullptr;  // the tree node whose list is open
    QStringList caricati_;                   // the personal data as the card showed them, or as last saved
};
