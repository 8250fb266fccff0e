#pragma once

// What the tests of the main window's commands stand on: the test environment without its stand-in
// main window, and the program's own main window, the introduction and the championship card turned
// off. One instance per test function. Also the settings file read and written behind the program.

#include "core/database.h"
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

    AmbienteTest& ambiente() { return ambiente_; }
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

// Runs `sql` on the settings file in use (stato().PercorsoImpostazioni) through a connection of its own:
// the first value of its first row, if any.
inline QVariant SulleImpostazioni(const QString& sql, const QVariantList& valori = {})
{
    QVariant v;
    {
        Query q(sql, valori, ApriConnessione(QStringLiteral("prova"), stato().PercorsoImpostazioni, false, false));
        if (q.sql().isSelect() && q.next()) v = q.valore(0);
    }
    ChiudiConnessione(QStringLiteral("prova"));
    return v;
}

// The settings row as "VisualizzaPrimiPassi ViewOption VisualizzaVoti VisualizzaScheda"; "" without a row.
inline QString RigaImpostazioni()
{
    return SulleImpostazioni(QStringLiteral("SELECT VisualizzaPrimiPassi || ' ' || ViewOption || ' ' || "
                                            "VisualizzaVoti || ' ' || VisualizzaScheda FROM Impostazioni"))
        .toString();
}

// Replaces the settings row with `riga` (the four fields above); no row when `riga` is empty.
inline void ScriviRigaImpostazioni(const QVariantList& riga)
{
    SulleImpostazioni(QStringLiteral("DELETE FROM Impostazioni"));
    if (!riga.isEmpty())
        SulleImpostazioni(QStringLiteral("INSERT INTO Impostazioni (VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, "
                                         "VisualizzaScheda) VALUES (?, ?, ?, ?)"),
                          riga);
}
