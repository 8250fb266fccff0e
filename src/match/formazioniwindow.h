#pragma once

#include "match/formazioniqueries.h"
#include "match/giornataaccanto.h"
#include "platform/finestre.h"

#include <array>
#include <QVector>

class Azione;
class ComboCodici;
class QCheckBox;
class QComboBox;
class QTabWidget;
class Spinner;

// Form8, the line-up editor: both teams' starting elevens of one match in one leg, with a rating, a
// booking and a sending-off for each starter. Team 1, the home team of the leg, is on the first tab.
// The window keeps its own copy of the match, match day and leg it shows and saves against it; the
// rows are saved when the user moves to another match, match day or leg, before the substitution
// editor opens and when the window closes. A save writes the rows changed since they were read.
// Shown again by a command with another match handed over, it saves its rows and follows the hand-over;
// brought forward by the user, it keeps its match and hands that over. A move to another match with the
// cursor in a row leaves the row's new text selected, so that typing replaces it.
class FormazioniWindow : public Finestra {
    Q_OBJECT
public:
    explicit FormazioniWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;
    void attivaDallUtente() override { sincronizzaStato(); }
    bool scarica() override;

    // The match on show, its match day and leg (tests and the commands).
    const DatiPartita& partita() const { return partita_; }
    GiornataInGirone giornata() const { return giornata_; }

    // What a team's row shows, read as the save reads it.
    RigaFormazione riga(int lato, int indice) const;

    // Writes the rows changed since they were read; false when the file refused (the user was told).
    bool ArchiviaFormazioni();
    void AllaGiornataPrecedente() { spostaGiornata(false); }
    void AllaGiornataSuccessiva() { spostaGiornata(true); }
    void AggiungiSostituzione();
    void AggiungiGol();

private:
    struct Riga {
        QCheckBox* ammonito = nullptr;
        QCheckBox* espulso = nullptr;
        ComboCodici* giocatore = nullptr;
        QComboBox* voto = nullptr;
        Spinner* frecce = nullptr;
    };
    struct Lato {
        QWidget* pagina = nullptr;
        QVector<Riga> righe;
        std::array<RigaFormazione, RIGHE_TITOLARI> lette;  // the rows as read or last saved
    };

    void costruisciLato(int lato);
    bool eventFilter(QObject* o, QEvent* e) override;
    // Shows the handed-over match (GiornataCorrente, Andata, CodPartitaCorrente).
    void seguiConsegna();
    // Shows the match `codPart` of match day `g`, or the day's first match when it is not one of them.
    void mostraGiornata(GiornataInGirone g, int codPart);
    void CaricaElencoPartite();
    void CaricaFormazioni(int codPart);
    void mostraRiga(int lato, int indice);
    void sincronizzaStato() const;
    void spostaGiornata(bool avanti);

    void partitaScelta();
    void giornataScelta();
    void gironeScelto();
    int latoMostrato() const;

    ComboCodici* partite_ = nullptr;   // Combo3
    ComboCodici* giornate_ = nullptr;  // Combo6
    ComboCodici* gironi_ = nullptr;    // Combo7
    QTabWidget* schede_ = nullptr;     // SSTab1
    std::array<Lato, 2> lati_;
    Azione* precedente_ = nullptr;
    Azione* successiva_ = nullptr;
    Azione* sostituzioni_ = nullptr;
    Azione* reti_ = nullptr;
    Azione* guida_ = nullptr;

    GiornataInGirone giornata_;
    QVector<VocePartita> elenco_;
    DatiPartita partita_;
    std::array<SquadraFormazione, 2> squadre_;
};

// Registers the line-up editor.
void RegistraFormazioni();
