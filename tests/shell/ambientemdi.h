#pragma once

// What the tests of the main window's commands stand on: the test environment without its stand-in
// main window, and the program's own main window, the introduction and the championship card turned
// off. One instance per test function.

#include "shell/aperturacampionato.h"
#include "shell/finestraprincipale.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include <QAction>
#include <QCoreApplication>

class AmbienteMdi {
    AmbienteTest ambiente_{AmbienteTest::SenzaPrincipale{}};

public:
    FinestraPrincipale mdi;

    AmbienteMdi()
    {
        AperturaCampionato::impostaUltimoFile(QString());
        stato().PrimaAttivazione = false;
        stato().MostraSchedaCampionato = false;
    }
    ~AmbienteMdi()
    {
        Finestre::istanza().azzera();
        ChiudiDbCampionato();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    AmbienteMdi(const AmbienteMdi&) = delete;
    AmbienteMdi& operator=(const AmbienteMdi&) = delete;

    MessaggiDiTest& messaggi() const { return ambiente_.messaggi(); }

    // Runs a command from its menu item.
    void esegui(const QString& nome) { mdi.azione(nome)->trigger(); }
    // The open command, answering its dialog with `percorso` ("" cancels).
    void apri(const QString& percorso)
    {
        messaggi().file(percorso);
        esegui(QStringLiteral("ApriCampionato"));
    }
};
