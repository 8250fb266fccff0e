#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/classificaqueries.h"

#include <optional>
#include <QString>

class QLineEdit;
class QRadioButton;
class Spinner;

// The partial-table dialog (Form7, "Classifica parziale"): a first match day with its leg and a last
// match day with its leg. "Ok" checks the span; a valid one is handed to the league table (the four
// Parz... variables and ClassificaCompleta = False), the dialog closes and the league table (Form6)
// is shown. A refused span leaves the dialog open and the hand-over variables untouched.
class ClassificaParzialeDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::ClassificaParziale;

    explicit ClassificaParzialeDialog(QWidget* parent = nullptr);

    void carica() override;

    // What the user asked for, as typed.
    struct Richiesta {
        QString da;  // the "DA" box
        bool daAndata = true;
        QString a;  // the "A" box
        bool aAndata = true;
    };
    // The span of a request, or the refusal to show (`errore`). The match days are the boxes' numbers
    // rounded to whole numbers (halves to the even neighbour), each from 1 to `giornateInserite`.
    struct Esito {
        std::optional<ArcoGiornate> arco;
        QString errore;
    };
    static Esito verifica(const Richiesta& r, int giornateInserite);

    // The number at the start of a text: blanks skipped, the longest leading decimal number with "."
    // as separator ("7abc" 7, "2.5" 2.5, "abc" and "" 0).
    static double numeroIniziale(const QString& testo);
    // What a spinner click writes: up adds 1 (an empty box becomes "1"), down takes 1 away only while
    // the number is above 0; nullopt leaves the box alone.
    static std::optional<QString> passo(const QString& testo, int verso);

    // "Ok": checks, hands over and opens the league table. False when the span was refused.
    bool conferma();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* da_ = nullptr;
    QLineEdit* a_ = nullptr;
    Spinner* spinnerDa_ = nullptr;
    Spinner* spinnerA_ = nullptr;
    QRadioButton* daAndata_ = nullptr;
    QRadioButton* daRitorno_ = nullptr;
    QRadioButton* aAndata_ = nullptr;
    QRadioButton* aRitorno_ = nullptr;
    bool posizionata_ = false;
};
