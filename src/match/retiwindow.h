#pragma once

#include "core/idfinestre.h"
#include "match/editoripartita.h"
#include "platform/finestre.h"

#include <array>
#include <memory>
#include <QStringList>
#include <QVector>

class Azione;
class ComboCodici;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// Form19, the goal editor: the goals of one team in one match and leg, one at a time (scorer, minute
// and half, kind or own goal, description), by minute as they stood when it loaded, goals saved since
// at the end. It works on the match and leg named when it loaded (CodPartitaCorrente, Andata) and
// opens on CodRete: -1 or -2 a new goal of the home or the away team of the leg, 0 or more a stored
// one. Its saves and deletes keep the scorers' tallies (GIOCATORE.RETI).
class RetiWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Reti;

    explicit RetiWindow(QWidget* parent = nullptr);
    ~RetiWindow() override;

    void carica() override;
    // Closing with a goal typed or changed and not saved asks first.
    bool scarica() override;

    // The record commands.
    void Precedente();
    void Successivo();
    void Elimina();
    void Nuovo();
    // True when the goal was written.
    bool Salva();

    // What is shown (tests): the team (0 home, 1 away), its goals' keys and the one shown.
    const PartitaEditore& partita() const { return partita_; }
    int lato() const { return lato_; }
    const QVector<int>& chiavi() const { return liste_[lato_]; }
    int selezionata() const { return selezionata_; }
    bool reteSalvata() const { return reteSalvata_; }
    // Whether the record differs from what was shown, loaded or saved last.
    bool modificata() const;

private:
    void CaricaMarcatori();
    void AzzeraScheda();
    void CaricaScheda();
    // The heading of the stored goal shown: its place in the team's list.
    void intestazioneSalvata();
    // Before the record on show gives way to another (`perFare`: what the user asked for): its edits
    // are saved or dropped as the user says. False keeps it: Cancel, or a save refused.
    bool lascia(const QString& perFare);
    void squadraScelta();
    void sposta(int verso);
    void abilitaRecord(bool abilita);
    void svuotaRecord();
    QStringList valori() const;
    void limitaNote();

    PartitaEditore partita_;
    int lato_ = 0;
    std::array<QVector<int>, 2> liste_;  // the hidden goal lists of both teams
    int selezionata_ = -1;               // in the team's list
    bool reteSalvata_ = false;
    bool caricamento_ = false;
    GiocatoreMostrato marcatoreMostrato_;  // the scorer of the stored goal shown
    QStringList mostrati_;                 // the record as shown, loaded or saved last
    QString notePrima_;                    // the description before its last change

    ComboCodici* squadra_ = nullptr;     // Combo1
    QLineEdit* incontro_ = nullptr;      // Text1
    QLineEdit* intestazione_ = nullptr;  // Text6
    ComboCodici* marcatore_ = nullptr;   // Combo2
    ComboCodici* tipo_ = nullptr;        // Combo3
    std::unique_ptr<CampoMinuto> minuto_;
    QCheckBox* autorete_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    Azione* precedente_ = nullptr;
    Azione* successivo_ = nullptr;
    Azione* elimina_ = nullptr;
    Azione* nuovo_ = nullptr;
    Azione* salva_ = nullptr;
};

// Registers the goal editor.
void RegistraReti();
