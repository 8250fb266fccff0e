#pragma once

// What the tests of the league table, the partial-table dialog and the statistics window share: a
// temporary program folder, an MDI area that holds the windows, the three windows registered, the
// shared state reset, and championship files in a temporary folder, loaded as the open command does.
// One instance per test function.

#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "standings/finestreclassifica.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

class AmbienteClassifica {
public:
    AmbienteClassifica()
    {
        AzzeraStato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        Finestre::istanza().azzera();
        area.resize(1280, 860);
        area.show();
        Finestre::istanza().impostaArea(&area);
        RegistraFinestreClassifica();
    }
    ~AmbienteClassifica()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(nullptr);
        ChiudiDbCampionato();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SeamMessaggi::svuota();
    }
    AmbienteClassifica(const AmbienteClassifica&) = delete;
    AmbienteClassifica& operator=(const AmbienteClassifica&) = delete;

    // A new championship file in the temporary folder.
    FixtureCampionato nuova() { return FixtureCampionato(dir.filePath(QStringLiteral("c%1.GVN").arg(++file_))); }
    FixtureCampionato piuGrande() { return FixtureCampionato::piuGrande(dir.filePath(QStringLiteral("grande.GVN"))); }

    // Writes the championship, opens it and loads it into the shared state (no championship card).
    DatiFixture apri(FixtureCampionato f)
    {
        DatiFixture d = f.creaEApri();
        stato().MostraSchedaCampionato = false;
        CaricaCampionato();
        return d;
    }

    // The MDI frame of a window shown through the registry.
    static QMdiSubWindow* cornice(const QString& id)
    {
        Finestra* w = Finestre::istanza().finestra(id);
        return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
    }
    // Whether the frame of a window holds the whole window at its natural size.
    static bool contenuta(const QString& id)
    {
        const QMdiSubWindow* s = cornice(id);
        const QSize minimo = Finestre::istanza().finestra(id)->minimumSizeHint();
        return s && s->contentsRect().width() >= minimo.width() && s->contentsRect().height() >= minimo.height();
    }
    // Saves a picture of the window into the folder named by GOLVARNO_FOTO, when it is set.
    static void foto(const QString& id, const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("GOLVARNO_FOTO");
        if (!cartella.isEmpty() && cornice(id)) cornice(id)->grab().save(cartella + QLatin1Char('/') + nome);
    }

    CartellaTemporanea cartella;
    QTemporaryDir dir;
    QMdiArea area;

private:
    int file_ = 0;
};
