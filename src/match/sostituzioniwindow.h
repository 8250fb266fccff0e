#pragma once

#include "core/idfinestre.h"
#include "match/editoripartita.h"
#include "platform/finestre.h"

#include <memory>
#include <QStringList>
#include <QVector>

class Azione;
class ComboCodici;
class QCheckBox;
class QLineEdit;

// Form18, the substitution editor: the substitutions of one team in one match and leg, one at a time
// (who came on, who went off, the minute and half, the rating and cards of who came on). It works on
// the match and leg named when it loaded (CodPartitaCorrente, GiornataCorrente, Andata) and opens on
// CodSostituzione: -1 or -2 a new substitution of the home or the away team of the leg, 0 or more a
// stored one. The match sheet shows its work when it becomes active again.
class SostituzioniWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Sostituzioni;

    explicit SostituzioniWindow(QWidget* parent = nullptr);
    ~SostituzioniWindow() override;

    void carica() override;
    // Closing with a substitution typed or changed and not saved asks first.
    bool scarica() override;

    // The record commands.
    void Precedente();
    void Successiva();
    void Elimina();
    void Nuova();
    // True when the substitution was written.
    bool Salva();

    // What is shown (tests): the team (0 home, 1 away), the keys in order of entry and the one shown.
    const PartitaEditore& partita() const { return partita_; }
    int lato() const { return lato_; }
    const QVector<int>& chiavi() const { return chiavi_; }
    int selezionata() const { return selezionata_; }
    bool schedaSalvata() const { return schedaSalvata_; }
    // Whether the record differs from what was shown, loaded or saved last.
    bool modificata() const;

private:
    void AggiornaSostituzioni(int chiave);
    void AzzeraScheda();
    void CaricaScheda();
    // The heading of the stored substitution shown: its place in order of entry.
    void intestazioneSalvata();
    // Before the record on show gives way to another (`perFare`: what the user asked for): its edits
    // are saved or dropped as the user says. False keeps it: Cancel, or a save refused.
    bool lascia(const QString& perFare);
    void squadraScelta();
    void sposta(int verso);
    void abilitaRecord(bool abilita);
    void rifiutaEliminazione();
    void rinfrescaElenchi();
    QStringList valori() const;

    PartitaEditore partita_;
    int lato_ = 0;
    QVector<int> chiavi_;  // the hidden key list
    int selezionata_ = -1;
    bool schedaSalvata_ = false;
    bool caricamento_ = false;
    // What the stored record showed of who came on and who went off, and whether its link led to a row.
    GiocatoreMostrato entraMostrato_, esceMostrato_;
    bool collegata_ = false;
    QString votoMostrato_;  // the rating shown when the record was loaded or saved last
    QStringList mostrati_;  // the record as shown, loaded or saved last

    ComboCodici* squadra_ = nullptr;     // Combo4
    QLineEdit* incontro_ = nullptr;      // Text3
    QLineEdit* intestazione_ = nullptr;  // Text5
    ComboCodici* entra_ = nullptr;       // Combo2
    ComboCodici* esce_ = nullptr;        // Combo3
    ComboCodici* voto_ = nullptr;        // Combo1
    std::unique_ptr<CampoMinuto> minuto_;
    QCheckBox* ammonito_ = nullptr;
    QCheckBox* espulso_ = nullptr;
    Azione* precedente_ = nullptr;
    Azione* successiva_ = nullptr;
    Azione* elimina_ = nullptr;
    Azione* nuova_ = nullptr;
    Azione* salva_ = nullptr;
};

// Registers the substitution editor.
void RegistraSostituzioni();
