#pragma once

#include "match/schedapartitaqueries.h"
#include "platform/finestre.h"

#include <array>
#include <QVector>

class Azione;
class ComboCodici;
class EtichettaIncontro;
class EtichettaNome;
class Griglia;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// Form3, the match sheet: one match of one match day in one leg, with its header and five tabs
// (report, line-ups, substitutions, scorers, notes and statistics). It follows the hand-over triple
// GiornataCorrente, Andata and CodPartitaCorrente and reloads everything from the file at each
// activation, so what the editors it opens have saved shows as soon as the user comes back.
// Team 1 is the home team of the leg shown: left or upper in every tab.
class SchedaPartitaWindow : public Finestra {
    Q_OBJECT
public:
    explicit SchedaPartitaWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

    // What is shown (tests and the commands).
    const DatiPartita& partita() const { return partita_; }
    const std::array<SquadraInCampo, 2>& squadre() const { return squadre_; }
    const QVector<VocePartita>& elenco() const { return elenco_; }

    // The day arrows.
    void AllaGiornataPrecedente();
    void AllaGiornataSuccessiva();

private:
    // One team's controls of the line-up tab.
    struct RigaControlli {
        QLabel* cartellino;
        QLabel* numero;
        EtichettaNome* nome;
        QLabel* voto;
    };
    struct Lato {
        QGroupBox* formazione = nullptr;
        QVector<RigaControlli> righe;
        QGroupBox* cambi = nullptr;
        QTreeWidget* elencoCambi = nullptr;
        QGroupBox* marcatori = nullptr;
        Griglia* reti = nullptr;
        Azione* modificaCambio = nullptr;
        Azione* eliminaCambio = nullptr;
        Azione* inserisciCambio = nullptr;
        Azione* modificaRete = nullptr;
        Azione* inserisciRete = nullptr;
        Azione* eliminaRete = nullptr;
        int nomeMassimo = 0;  // the widest scorer's name shown, in pixels
    };

    void costruisciTestata(QWidget* pagina);
    void costruisciFormazioni(QWidget* pagina);
    void costruisciSostituzioni(QWidget* pagina);
    void costruisciMarcatori(QWidget* pagina);
    void costruisciNote(QWidget* pagina);

    void CaricaElencoPartite();
    void CaricaPartita();
    void spostaGiornata(bool avanti);
    void primaPartitaDellaGiornata();
    void svuotaPartita();
    void mostraTestata();
    void CaricaTabFormazioni();
    void CaricaSostituzioni();
    void CaricaTabReti();
    void CaricaTabNote();
    void aggiornaComandi();
    void adattaMarcatori(int lato);

    void giornataScelta();
    void gironeScelto();
    void partitaScelta();

    void modificaRete(int lato);
    void inserisciRete(int lato);
    void eliminaRete(int lato);
    void modificaSostituzione(int lato);
    void inserisciSostituzione(int lato);
    void eliminaSostituzione(int lato);
    int reteSelezionata(int lato) const;  // index into squadre_[lato].reti, -1 when none
    int cambioSelezionato(int lato) const;

    ComboCodici* combo1_ = nullptr;  // match day
    ComboCodici* combo2_ = nullptr;  // leg
    ComboCodici* combo3_ = nullptr;  // match
    QTabWidget* schede_ = nullptr;
    EtichettaIncontro* titolo_ = nullptr;  // Label3
    QLabel* risultato_ = nullptr;          // Label4
    QLabel* data_ = nullptr;               // Label1
    QLabel* ora_ = nullptr;                // Label2
    QLabel* arbitro_ = nullptr;            // Label12
    QVector<QLineEdit*> note_;             // Text16 .. Text19
    std::array<QVector<QLineEdit*>, 2> statistiche_;
    std::array<QLabel*, 2> testeStatistiche_{};
    std::array<Lato, 2> lati_;

    Azione* precedente_ = nullptr;
    Azione* successiva_ = nullptr;
    Azione* tabellino_ = nullptr;
    Azione* modificaDati_ = nullptr;
    Azione* opzioni_ = nullptr;
    Azione* formazioni_ = nullptr;
    Azione* guida_ = nullptr;

    // The list on show: its match day and leg (0: not filled yet) and its items.
    int giornataElenco_ = 0;
    bool andataElenco_ = true;
    QVector<VocePartita> elenco_;
    DatiPartita partita_;
    std::array<SquadraInCampo, 2> squadre_;
};

// Registers the match sheet.
void RegistraSchedaPartita();
