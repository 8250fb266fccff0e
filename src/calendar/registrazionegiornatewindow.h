#pragma once

#include "calendar/giornatecalendarioqueries.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QHash>

class Azione;
class ComboCodici;
class Pannello;
class QGridLayout;
class QLabel;
class QPushButton;

// Form10: the calendar typed by hand, one match day at a time: the pairings (home team of the first leg
// first), their dates and times, and the resting team when the number of teams is odd. It opens on
// GiornataCorrente: a new, blank day when that is past the days registered, else the stored day; coming
// back to it reads its day again unless it holds changes. A new day is added after the last one; in a
// stored day only what the user changed is written, its pairings keeping their codes. Its command "Date
// ed orari" opens the dates window on the day on show, for the day's own dates.
class RegistrazioneGiornateWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::RegistrazioneGiornate;

    explicit RegistrazioneGiornateWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;
    bool scarica() override;

    int giornata() const { return numero_; }
    bool nuova() const { return nuova_; }
    // Whether the user changed a team, a date or the resting team since the day was shown.
    bool modificata() const;

private:
    struct RigaIncontro {
        ComboCodici* casa = nullptr;
        ComboCodici* ospite = nullptr;
        QPushButton* date = nullptr;
        QLabel* riepilogo = nullptr;
    };

    void costruisciRighe();
    void riempiSquadre(ComboCodici* combo, const QString& scelta) const;
    // Shows match day `numero` as stored (blank when new); `consegna` hands it over in GiornataCorrente.
    void mostraGiornata(int numero, bool consegna = true);
    void aggiornaStato();
    void aggiornaRiepilogo(int riga);
    DatiGiornata digitata() const;
    int massimoGiornate() const;

    // Asks what to do with changes not saved: true when the window may leave the day.
    bool puoLasciare();
    void sposta(int verso);
    void nuovaGiornata();
    bool salva();
    void elimina();
    void modificaDate(int riga);
    void apriDateGiornata();

    QLabel* intestazione_ = nullptr;   // the match day on show
    QLabel* statoGiornata_ = nullptr;  // new or registered
    Azione* elimina_ = nullptr;        // the last day only
    QGridLayout* griglia_ = nullptr;
    QVector<RigaIncontro> righe_;
    QWidget* rigaRiposa_ = nullptr;
    ComboCodici* riposa_ = nullptr;
    Azione* date_ = nullptr;  // opens the dates window on this day
    DatiGiornata giornata_;   // the day as read, or a blank new one
    DatiGiornata mostrata_;   // the page as shown, before the user's edits
    int numero_ = 0;
    bool nuova_ = true;
    mutable QHash<QString, int> larghezzeNomi_;  // px of each team name in the lists, measured once
};
