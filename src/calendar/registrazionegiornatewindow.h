#pragma once

#include "calendar/giornatecalendarioqueries.h"
#include "platform/finestre.h"

class ComboCodici;
class Pannello;
class QGridLayout;
class QLabel;
class QPushButton;

// Form10: the calendar typed by hand, one match day at a time: the pairings (home team of the first leg
// first), their dates and times, and the resting team when the number of teams is odd. It opens on
// GiornataCorrente: a new, blank day when that is past the days registered, else the stored day. A new
// day is added after the last one; a stored day is changed in place, its pairings keeping their codes.
class RegistrazioneGiornateWindow : public Finestra {
    Q_OBJECT
public:
    explicit RegistrazioneGiornateWindow(QWidget* parent = nullptr);

    void carica() override;
    bool scarica() override;

    int giornata() const { return numero_; }
    bool nuova() const { return nuova_; }
    bool modificata() const { return modificata_; }

private:
    struct RigaIncontro {
        ComboCodici* casa = nullptr;
        ComboCodici* ospite = nullptr;
        QPushButton* date = nullptr;
        QLabel* riepilogo = nullptr;
    };

    void costruisciRighe();
    void riempiSquadre(ComboCodici* combo, const QString& scelta) const;
    void mostraGiornata(int numero);
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

    QLabel* label1_ = nullptr;  // the match day on show
    QLabel* label2_ = nullptr;  // new or registered
    QVector<Pannello*> pannelli_;
    QGridLayout* griglia_ = nullptr;
    QVector<RigaIncontro> righe_;
    QWidget* rigaRiposa_ = nullptr;
    ComboCodici* riposa_ = nullptr;
    DatiGiornata giornata_;  // the day as read, or a blank new one
    int numero_ = 0;
    bool nuova_ = true;
    bool modificata_ = false;
};
