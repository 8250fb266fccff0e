#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "players/schedegiocatoriqueries.h"

#include <optional>
#include <QVector>

class Albero;
class Azione;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// Form14: the players' cards, one player at a time out of a list chosen in the team tree (every
// player, or one team's squad), by surname, first name and key. The tool strip moves through the
// list, searches it, saves the personal data, deletes the player and opens the new-player window;
// the letter buttons jump to the first surname with an initial. The card shows the personal data,
// the photo and the player's figures counted over the whole file.
// The list is the window's own (keys and surnames): the commands act on the player the card shows,
// whatever other windows do meanwhile. CodGiocatoreCorrente is read once, when the window loads.
class SchedeGiocatoriWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::SchedeGiocatori;

    explicit SchedeGiocatoriWindow(QWidget* parent = nullptr);

    void carica() override;

    // The list open now, and the key of the player shown (-1 in the empty state).
    const QVector<VoceElencoGiocatori>& elenco() const { return elenco_; }
    int codiceMostrato() const;

private:
    void apriElenco(std::optional<int> squadra);
    void nodoCliccato();
    void mostra(int indice);
    void CaricaScheda();
    void mostraFoto(const QString& percorso);
    void statoVuoto();
    void impostaComandiScheda(bool attivi);
    bool radiceSelezionata() const;

    // The previous (-1) or the next (1) player of the list.
    void sposta(int passo);
    void ApriNuovoGiocatore();
    void RicercaGiocatore();
    void SalvaScheda();
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
    int indice_ = -1;  // the player shown, -1 in the empty state
};
