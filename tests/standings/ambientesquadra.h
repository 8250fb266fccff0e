#pragma once

// What the tests of the team schedule, the trend statistics and the almanac share: a main window with
// its MDI area, the three windows registered, a temporary program folder and working folder, the
// message seam and the shared state reset. One instance per test function.

#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/griglia.h"
#include "standings/finestresquadra.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class AmbienteSquadra {
public:
    explicit AmbienteSquadra(CartellaTemporanea::Omissioni omissioni = CartellaTemporanea::Nessuna)
        : cartella(omissioni)
    {
        AzzeraStato();
        ChiudiDbCampionato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        Finestre::istanza().azzera();
        RegistraFinestreSquadra();
        area = new QMdiArea(&principale);
        principale.setCentralWidget(area);
        principale.resize(1100, 800);
        Finestre::istanza().impostaArea(area);
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale)) qWarning("la finestra principale non si è attivata");
    }

    ~AmbienteSquadra()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(nullptr);
        ChiudiDbCampionato();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SeamMessaggi::svuota();
    }

    // A championship in the working folder, opened and loaded into the shared state (no card shown).
    DatiFixture apri(FixtureCampionato f)
    {
        DatiFixture d = f.creaEApri();
        stato().CampionatoAperto = true;
        stato().MostraSchedaCampionato = false;
        CaricaCampionato();
        return d;
    }
    FixtureCampionato nuovo(int squadre)
    {
        FixtureCampionato f(QDir(lavoro.path()).filePath(QStringLiteral("c%1.GVN").arg(++file_)));
        f.squadre(squadre);
        return f;
    }
    FixtureCampionato piuGrande()
    {
        return FixtureCampionato::piuGrande(QDir(lavoro.path()).filePath(QStringLiteral("grande.GVN")));
    }

    // Shows a window through the registry with the team handed over.
    template <typename T> T* mostra(const QString& id, const QString& squadra = QString())
    {
        stato().SquadraCorrente = squadra;
        return qobject_cast<T*>(Finestre::istanza().mostra(id));
    }

    // The cells of a grid row.
    static QStringList riga(const Griglia* g, int r)
    {
        QStringList celle;
        for (int c = 0; c < g->colonne(); ++c) celle << g->testo(r, c);
        return celle;
    }

    // Double-clicks row `r` of a grid as the user does, scrolling to it first.
    static void doppioClic(Griglia* g, int r)
    {
        QTableView* v = g->vista();
        const QModelIndex i = v->model()->index(r - g->righeFisse(), 1);
        v->scrollTo(i);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
    }

    // Shows the window at its natural size, as the MDI area first places it, and tells whether its
    // grid would scroll sideways. With GOLVARNO_PNG set, the window is also saved there as <nome>.png.
    static bool scorreDiLato(Finestra* w, const QString& nome)
    {
        QWidget* c = w->contenitore();
        c->resize(c->sizeHint());
        QTest::qWait(50);
        QApplication::processEvents();
        const QByteArray cartella = qgetenv("GOLVARNO_PNG");
        if (!cartella.isEmpty()) c->grab().save(QDir(QString::fromLocal8Bit(cartella)).filePath(nome + ".png"));
        const Griglia* g = w->findChild<Griglia*>(QStringLiteral("Grid1"));
        return g && g->vista()->horizontalScrollBar()->isVisible();
    }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QMainWindow principale;
    QMdiArea* area = nullptr;
    MessaggiDiTest messaggi;

private:
    int file_ = 0;
};
