#pragma once

// What the tests of the calendar-building windows share: a main window with its MDI area, the four
// windows registered, a temporary program folder (with the calendar templates) and working folder, the
// message seam and the shared state reset. One instance per test function.

#include "calendar/finestrecostruzionecalendario.h"
#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/pannello.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <functional>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class AmbienteCostruzione {
public:
    explicit AmbienteCostruzione(const QList<int>& senzaModelli = {})
        : cartella(CartellaTemporanea::Nessuna, senzaModelli)
    {
        AzzeraStato();
        ChiudiDbCampionato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        stato().MostraSchedaCampionato = false;
        Finestre::istanza().azzera();
        RegistraFinestreCostruzioneCalendario();
        area = new QMdiArea(&principale);
        principale.setCentralWidget(area);
        principale.resize(1100, 800);
        Finestre::istanza().impostaArea(area);
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale)) qWarning("la finestra principale non si è attivata");
    }

    ~AmbienteCostruzione()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(nullptr);
        ChiudiDbCampionato();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SeamMessaggi::svuota();
    }

    // A championship of `squadre` teams in the working folder; apri() opens and loads it as the open
    // command does.
    FixtureCampionato nuovo(int squadre = 6)
    {
        FixtureCampionato f(QDir(lavoro.path()).filePath(QStringLiteral("c%1.GVN").arg(++file_)));
        f.squadre(squadre);
        return f;
    }
    DatiFixture apri(FixtureCampionato f) { return f.creaECarica(); }

    template <typename T> T* mostra(const QString& id) { return qobject_cast<T*>(Finestre::istanza().mostra(id)); }

    static bool caricata(const QString& id) { return Finestre::istanza().caricata(id); }
    template <typename T> static T* parte(const QString& id, const QString& nome)
    {
        Finestra* f = Finestre::istanza().finestra(id);
        return f ? f->findChild<T*>(nome) : nullptr;
    }
    // Clicks the panel button of highlight `id`.
    static void premi(int id)
    {
        Pannello* p = Pannello::perId(id);
        QVERIFY2(p, qPrintable(QStringLiteral("nessun pannello %1").arg(id)));
        QVERIFY(p->isEnabled());
        QTest::mouseClick(p, Qt::LeftButton);
    }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QMainWindow principale;
    QMdiArea* area = nullptr;
    MessaggiDiTest messaggi;

private:
    int file_ = 0;
};

// Runs `azione` on the application-modal widget as soon as one is up (a window shown modal, or a modal
// dialog), from inside its event loop; gives up after a few seconds.
inline void QuandoModale(std::function<void(QWidget*)> azione)
{
    auto* timer = new QTimer;
    auto tentativi = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tentativi, azione] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && ++*tentativi < 500) return;
        timer->stop();
        timer->deleteLater();
        if (w) azione(w);
    });
    timer->start(10);
}

// A fingerprint of a file's bytes: equal fingerprints, the file was not written.
inline QByteArray Impronta(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The pairings of the calendar in stored order, one text each: "day/row SQ1-SQ2 #CODPART".
inline QStringList Accoppiamenti()
{
    QStringList r;
    Query q("SELECT GIORNATANUM, RIGA, SQ1, SQ2, CODPART FROM PARTITA ORDER BY rowid");
    while (q.next())
        r << QStringLiteral("%1/%2 %3-%4 #%5")
                 .arg(q.intero(0))
                 .arg(q.intero(1))
                 .arg(q.testo(2), q.testo(3))
                 .arg(q.intero(4));
    return r;
}

inline int Conta(const QString& tabella) { return Valore(QStringLiteral("SELECT COUNT(*) FROM ") + tabella).toInt(); }
