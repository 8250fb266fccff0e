#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class ComboCodici;
class QLineEdit;
class QPlainTextEdit;

// Form43: the club data of one team at a time (coach, president, penalty points, town, address,
// ground, colours, telephone, fax, notes): the fields of its SQUADRA row other than name and key.
class InformazioniSocietarieWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::InformazioniSocietarie;

    explicit InformazioniSocietarieWindow(QWidget* parent = nullptr);

    void carica() override;
    // Data typed and not saved: asks whether to save them first (false: the user stays).
    bool scarica() override;

    static constexpr int PenalitaMassima = 999;

private:
    void caricaInfoSocietarie();
    // Another team picked: the data typed for the team on show are saved or dropped first, as the user says.
    void squadraScelta();
    // Before the data on show give way (`perFare`: what the user asked for): true when they may, as
    // Messaggio::salvarePrima answers, or when nothing was typed.
    bool lascia(const QString& perFare);
    // False when the data were refused or could not be written.
    bool salvaInfoSocietarie();
    // The boxes' texts, in the order of caselle_, then the penalty and the notes.
    QStringList datiMostrati() const;

    ComboCodici* squadre_ = nullptr;  // the teams, each with its SQUADRA.CODICE
    // The text boxes in the order of colonne(): Allenatore, Presidente, Citta, Sede, Campo, Colori, Tel, Fax.
    QVector<QLineEdit*> caselle_;
    QLineEdit* penalita_ = nullptr;   // penalty points
    QPlainTextEdit* note_ = nullptr;  // notes
    QStringList caricati_;            // the data as loaded or last saved
    int mostrata_ = -1;               // the item of the team whose data are on show
};
