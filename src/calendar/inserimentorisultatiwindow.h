#pragma once

#include "calendar/calendarioqueries.h"
#include "calendar/navigazionegiornate.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Azione;
class EtichettaNome;
class QCheckBox;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QValidator;
class TestataGiornata;

// Results entry, "Inserimento risultati": the scores, played boxes, dates and times of one match day
// in one leg. Shown by a command, it moves to match day GiornataCorrente of leg Andata; brought forward
// by the user it keeps the day on show. Either way the page is read afresh unless it holds edits not
// saved yet, and the day on show is handed over whole: GiornataCorrente, Andata and its first match in
// CodPartitaCorrente (the user's click keeps a match of the day handed over already). Moving to another
// day or leg, opening the partial table and closing save a changed page first. A page read puts the
// cursor on its first score (or leaves it where it was), with the box's text selected. What the user
// changed is all that is written: a row left alone is never rewritten. Saving checks every changed row
// before writing any: a score without "Disputata?" asks whether the match was played (Sì ticks it, No
// stores it as not played, Annulla stays on the page), a match ticked as played with a score missing is
// refused. A page is only ever saved into the championship file it was read from.
class InserimentoRisultatiWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::InserimentoRisultati;

    explicit InserimentoRisultatiWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;
    void attivaDallUtente() override;
    bool scarica() override;

    // The match day and leg on show.
    GiornataGirone giornataMostrata() const { return {pagina_.giornata, pagina_.andata}; }
    // Whether the user changed a box since the page was read (or last saved).
    bool modificata() const;

    // The commands of the panel strip. Each returns false when it stopped (a refused or failed save).
    bool salva();
    bool giornataPrecedente();
    bool giornataSuccessiva();
    bool cambiaGirone();
    bool apriClassificaParziale();

private:
    struct Riga {
        EtichettaNome* casa = nullptr;
        QLineEdit* golCasa = nullptr;
        QLineEdit* golOspite = nullptr;
        EtichettaNome* ospite = nullptr;
        QCheckBox* disputata = nullptr;
        QLineEdit* data = nullptr;
        QLineEdit* ora = nullptr;
    };

    void costruisciRighe();
    // Puts the pairings read into the rows, and takes them as the page before any edit.
    void riempiRighe();
    // Reads match day `g` and shows it, dropping whatever the page held; typing starts on the first
    // score when `primoPunteggio`, else where the cursor was, over the box's text.
    void mostraPagina(GiornataGirone g, bool primoPunteggio = true);
    // Saves a changed page, then shows `g` and hands it over.
    bool vaiA(GiornataGirone g);
    bool salvaSeModificata();
    // Checks every row whose result the user changed: where a score stands without the played box it
    // asks, then ticks the box (Sì) or clears the scores (No).
    bool convalida();
    bool scriviPagina();
    QVector<IncontroGiornata> incontriMostrati() const;
    // Whether the page was read from the championship file open now.
    bool paginaDelFileAperto() const;
    void aggiornaComandi();

    GiornataCalendario pagina_;           // as read
    QVector<IncontroGiornata> mostrati_;  // the rows as shown before the user's edits (or last saved)
    QString file_;                        // the file the page was read from
    bool mostrata_ = false;
    int ultima_ = 0;  // the last match day of the calendar

    // The commands of the panel strip that depend on the page on show.
    Azione* precedente_ = nullptr;
    Azione* successiva_ = nullptr;
    Azione* cambioGirone_ = nullptr;
    Azione* salva_ = nullptr;
    Azione* classificaParziale_ = nullptr;

    QVector<Riga> righe_;
    TestataGiornata* testata_ = nullptr;
    QLabel* nota_ = nullptr;
    QWidget* tabella_ = nullptr;
    QVBoxLayout* zonaTabella_ = nullptr;
    QValidator* cifre_ = nullptr;  // scores: up to two digits
};
