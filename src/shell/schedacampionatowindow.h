#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "shell/schedacampionatoqueries.h"

class Azione;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The championship card (Form53, "Scheda del campionato"): a first look at the open championship.
// A tree on the left chooses one of five views (teams, standings, last match day played, next match
// day to play, top scorers); the list on the right shows it under a one-line heading. The action
// button opens the full window behind the selected node; the check box decides whether the card
// opens by itself after a championship is opened, and is saved only when the user clicked it.
// The card is unloaded and built afresh for each use.
class SchedaCampionatoWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::SchedaCampionato;

    explicit SchedaCampionatoWindow(QWidget* parent = nullptr);

    void carica() override;
    bool scarica() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void creaAlbero();
    void aggiornaIconeAlbero();
    void nodoCliccato(QTreeWidgetItem* nodo);
    QTreeWidgetItem* nodo(const QString& chiave) const;

    void mostraSquadre();
    void mostraClassifica();
    void mostraMarcatori();
    void mostraProssimoTurno();
    void mostraUltimoTurno();
    // Sets heading, action button and columns of a view and empties the list.
    void preparaVista(SchedaCampionatoQueries::Vista v);
    void aggiungiRighe(const QVector<QStringList>& righe);
    void elencaGiornata();
    void chiediCalendario();
    void adattaColonne();

    void azione();
    void aggiornaAzione();
    // The window the action button opens for a node ("" for the root).
    static QString finestraDelNodo(const QString& chiave);

    QTreeWidget* albero_;
    QLabel* intestazione_;
    QTreeWidget* elenco_;
    QCheckBox* casella_;
    Azione* dettagli_ = nullptr;  // the command of the selected node

    VistaScheda vista_;
    bool casellaCliccata_ = false;
    bool daProgramma_ = false;                   // the tree's selection is being set from code
    QTreeWidgetItem* correnteAlClic_ = nullptr;  // the selected node when the mouse went down on the tree
    bool posizionata_ = false;
};

// Registers the card's factory with the window registry (Form53). The main window calls it at start-up.
void RegistraSchedaCampionato();
