#pragma once

// What the tests of the match report editor, the postponed matches and the result search share: a
// main window with its MDI area, the three windows registered, stand-ins for the windows they open,
// a temporary program folder and working folder, the message seam and the shared state reset.
// One instance per test function.

#include "calendar/finestreconsultazione.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "support/cartellatemporanea.h"
#include "support/finestraditest.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

class AmbienteConsultazione {
public:
    // `altre`: window ids registered as stand-ins (windows of other folders, e.g. "Form3").
    explicit AmbienteConsultazione(const QStringList& altre = {})
    {
        AzzeraStato();
        ChiudiDbCampionato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        Finestre::istanza().azzera();
        FinestraDiTest::diario().clear();
        RegistraFinestreConsultazione();
        for (const QString& id : altre) FinestraDiTest::registra(id);
        area = new QMdiArea(&principale);
        principale.setCentralWidget(area);
        principale.resize(1200, 800);
        Finestre::istanza().impostaArea(area);
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale)) qWarning("la finestra principale non si è attivata");
    }

    ~AmbienteConsultazione()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(nullptr);
        ChiudiDbCampionato();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SeamMessaggi::svuota();
    }

    // A championship in the working folder, opened and loaded as the open command does.
    DatiFixture apri(FixtureCampionato f) { return f.creaECarica(); }
    FixtureCampionato nuovo(int squadre = 6)
    {
        FixtureCampionato f(percorso(QStringLiteral("c%1.GVN").arg(++file_)));
        f.squadre(squadre);
        return f;
    }
    QString percorso(const QString& nome) const { return QDir(lavoro.path()).filePath(nome); }

    template <typename T> T* mostra(const QString& id) { return qobject_cast<T*>(Finestre::istanza().mostra(id)); }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QMainWindow principale;
    QMdiArea* area = nullptr;
    MessaggiDiTest messaggi;

private:
    int file_ = 0;
};

// A field of the PARTITA row of `codPart`, as stored (an invalid QVariant for Null).
inline QVariant CampoPartita(int codPart, const QString& campo)
{
    Query q(QStringLiteral("SELECT %1 FROM PARTITA WHERE CODPART = ?").arg(campo), {codPart});
    return q.next() ? q.valore(0) : QVariant();
}
