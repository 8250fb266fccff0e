#pragma once

// What the tests of the main window's commands share: the shared state reset, a temporary program
// folder, the message seam and a real main window, the introduction and the championship card
// turned off. One instance per test function.

#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "shell/aperturacampionato.h"
#include "shell/finestraprincipale.h"
#include "support/cartellatemporanea.h"
#include "support/finestraditest.h"
#include "support/seammessaggi.h"

#include <QAction>
#include <QCoreApplication>

class AmbienteMdi {
    struct Azzeramento {
        Azzeramento()
        {
            AzzeraStato();
            ChiudiDbCampionato();
            Finestre::istanza().azzera();
            FinestraDiTest::diario().clear();
            AperturaCampionato::impostaUltimoFile(QString());
        }
    };
    Azzeramento azzeramento_;

public:
    CartellaTemporanea cartella;
    MessaggiDiTest messaggi;
    FinestraPrincipale mdi;

    AmbienteMdi()
    {
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

    // Runs a command from its menu item.
    void esegui(const QString& nome) { mdi.azione(nome)->trigger(); }
    // The open command, answering its dialog with `percorso` ("" cancels).
    void apri(const QString& percorso)
    {
        messaggi.file(percorso);
        esegui(QStringLiteral("ApriCampionato"));
    }
};
