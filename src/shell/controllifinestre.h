#pragma once

#include <initializer_list>
#include <QString>

class Azione;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;
class Spinner;

// Small builders for the controls of the championship windows: every control carries its name as
// objectName, so that the windows and their tests find it by name.

QLineEdit* Casella(const QString& nome, const QString& testo, QWidget* parent, int lunghezzaMassima = 0,
                   int larghezza = 0);
QGroupBox* Riquadro(const QString& nome, const QString& titolo, QWidget* parent);
// The push button of `comando` (PulsanteDa); Enter in the window does not press it.
QPushButton* Pulsante(const QString& nome, Azione* comando, QWidget* parent);
QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* parent);

// A row of buttons aligned to the right, as at the bottom of a window.
QHBoxLayout* RigaPulsanti(std::initializer_list<QPushButton*> pulsanti);

// A number box with its spinner beside it, in a widget of their own; the spinner is named `nomeSpinner`.
QWidget* ConSpinner(QLineEdit* casella, const QString& nomeSpinner, QWidget* parent, Spinner** spinner = nullptr);

// The frame shared by the wizards: a picture on the left; on the right the step indicator "FASE n di m"
// above the pages of the steps; the buttons Indietro, Avanti, Annulla and Help along the bottom.
struct NomiWizard {
    QString immagine;                  // the picture's control
    QString fase, numero, di, totale;  // the four labels of the step indicator
    QString testoDi;                   // "di" or "DI"
    int fasi = 2;
    QString indietro, avanti, annulla, guida;  // the four buttons
};
struct ScheletroWizard {
    QLabel* numero = nullptr;  // holds the current step
    QStackedWidget* pagine = nullptr;
    // The commands of the four buttons; the wizard gives them what they run.
    Azione* indietro = nullptr;
    Azione* avanti = nullptr;
    Azione* annulla = nullptr;
    Azione* guida = nullptr;
};
ScheletroWizard CostruisciWizard(QWidget* finestra, const QString& icona, const NomiWizard& nomi);
