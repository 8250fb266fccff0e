#pragma once

#include "platform/pannello.h"

#include <functional>
#include <QAction>
#include <QString>

class QAbstractButton;
class QPushButton;
class QWidget;

// A command of the program: one QAction (caption, icon, tooltip, shortcut, help) shared by every
// control that runs it: the main window's menu and toolbar, a window's panel strip, a push button.
// It is enabled while two things hold:
//  - the window it opens is registered (richiedeFinestra): a command leading to a window that is not
//    in this build stays disabled, and enables itself once the window is registered;
//  - the owner says it is available (impostaDisponibile), e.g. "a row is selected".
// The controls built from it (PannelloDa, PulsanteDa) follow its state and trigger it when clicked.
class Azione : public QAction {
    Q_OBJECT
public:
    Azione(const QString& testo, const QIcon& icona, QObject* parent);
    Azione(const QString& testo, QObject* parent);
    // A command with its caption and tooltip and, when `icona` names one, its picture (Icona(icona)).
    static Azione* crea(const QString& testo, const QString& suggerimento, QObject* parent,
                        const QString& icona = QString());

    // The window this command opens: enabled only while its id is registered. Returns this, to chain.
    Azione* richiedeFinestra(const QString& id);
    QString finestraRichiesta() const { return finestra_; }

    // The owner's own condition; true unless set otherwise.
    void impostaDisponibile(bool disponibile);
    bool disponibile() const { return disponibile_; }

    // Runs `fare` when the command is triggered. Returns this, to chain.
    Azione* allo(std::function<void()> fare);
    Azione* conSuggerimento(const QString& suggerimento);

private:
    void aggiorna();

    QString finestra_;
    bool disponibile_ = true;
};

// A panel button of a tool strip that runs `azione`: its picture, caption (the action's text, where
// "\n" breaks lines) and tooltip come from the action and follow it, as does its enabled state.
// `idEvidenzia` is the mouse-over highlight id; the panel's objectName is `nome`.
Pannello* PannelloDa(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent,
                     Pannello::Disposizione disposizione = Pannello::Disposizione::IconaSopra);

// A panel button of the main window's toolbar: the action's picture and tooltip without a caption,
// otherwise as PannelloDa.
Pannello* PannelloIconaDa(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent);

// A push button that runs `azione` and follows its text, icon, tooltip and enabled state.
QPushButton* PulsanteDa(QAction* azione, const QString& nome, QWidget* parent);

// Keeps any button in step with an action (text, icon, tooltip, enabled) and triggers it on click.
void Collega(QAbstractButton* pulsante, QAction* azione);
