#pragma once

// What the tests of the championship windows share: a main window with its MDI area, the windows
// registered, a temporary program folder and a temporary working folder, the message seam, and the
// shared state reset. One instance per test function.

#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "shell/finestrecampionato.h"
#include "support/cartellatemporanea.h"
#include "support/seammessaggi.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

class AmbienteFinestre {
public:
    explicit AmbienteFinestre(CartellaTemporanea::Omissioni omissioni = CartellaTemporanea::Nessuna)
        : cartella(omissioni), cartellaPrecedente_(QDir::currentPath())
    {
        AzzeraStato();
        ChiudiDbCampionato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        Finestre::istanza().azzera();
        RegistraFinestreCampionato();
        area = new QMdiArea(&principale);
        principale.setCentralWidget(area);
        principale.resize(1000, 720);
        Finestre::istanza().impostaArea(area);
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale)) qWarning("la finestra principale non si è attivata");
        QDir::setCurrent(lavoro.path());
    }

    ~AmbienteFinestre()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(nullptr);
        ChiudiDbCampionato();
        QDir::setCurrent(cartellaPrecedente_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SeamMessaggi::svuota();
    }

    // A path in the working folder.
    QString percorso(const QString& nome) const { return QDir(lavoro.path()).filePath(nome); }

    // Shows a window through the registry and returns it as its class.
    template <typename T> T* mostra(const QString& id) { return qobject_cast<T*>(Finestre::istanza().mostra(id)); }

    static bool caricata(const QString& id) { return Finestre::istanza().caricata(id); }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QMainWindow principale;
    QMdiArea* area = nullptr;
    MessaggiDiTest messaggi;

private:
    QString cartellaPrecedente_;
};

// A fingerprint of a file's bytes: equal fingerprints, the file was not touched.
inline QByteArray ImprontaFile(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
