#pragma once

// What the tests of the results window and of the calendar viewer share: a main window with its MDI
// area, the two windows registered, a temporary program folder and working folder, the message seam
// and the shared state reset. One instance per test function.

#include "calendar/finestrerisultati.h"
#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <algorithm>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

class AmbienteRisultati {
public:
    AmbienteRisultati()
    {
        AzzeraStato();
        ChiudiDbCampionato();
        stato().PercorsoImpostazioni = cartella.file(QStringLiteral("golvarno.def"));
        Finestre::istanza().azzera();
        RegistraFinestreRisultati();
        area = new QMdiArea(&principale);
        principale.setCentralWidget(area);
        principale.resize(1100, 760);
        Finestre::istanza().impostaArea(area);
        principale.show();
        if (!QTest::qWaitForWindowActive(&principale)) qWarning("la finestra principale non si è attivata");
    }

    ~AmbienteRisultati()
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

    // Shows a window through the registry on match day `giornata` of a leg, as its callers do.
    template <typename T> T* mostra(const QString& id, int giornata, bool andata)
    {
        stato().GiornataCorrente = giornata;
        stato().Andata = andata;
        return qobject_cast<T*>(Finestre::istanza().mostra(id));
    }

    static bool caricata(const QString& id) { return Finestre::istanza().caricata(id); }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QMainWindow principale;
    QMdiArea* area = nullptr;
    MessaggiDiTest messaggi;

private:
    int file_ = 0;
};

// A fingerprint of a file's bytes: equal fingerprints, the file was not written.
inline QByteArray ImprontaFile(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A field of the PARTITA row of `codPart`, as stored (an invalid QVariant for Null).
inline QVariant CampoPartita(int codPart, const QString& campo)
{
    Query q(QStringLiteral("SELECT %1 FROM Partita WHERE CodPart = ?").arg(campo), {codPart});
    return q.next() ? q.valore(0) : QVariant();
}

// A played flag of the GIORNATA row of `giornata` ("DispAnd" or "DispRit").
inline QVariant FlagGiornata(int giornata, bool andata)
{
    return Valore(andata ? QStringLiteral("SELECT DispAnd FROM Giornata WHERE Numero = ?")
                         : QStringLiteral("SELECT DispRit FROM Giornata WHERE Numero = ?"),
                  {giornata});
}

// The pairings of a match day as the calendar viewer and results entry list them: by the home team of
// the leg, then its away team.
inline QVector<PartitaFixture> PartiteOrdinate(const DatiFixture& d, int giornata, bool andata)
{
    QVector<PartitaFixture> v;
    for (const PartitaFixture& p : d.partite)
        if (p.giornata == giornata) v << p;
    std::sort(v.begin(), v.end(), [andata](const PartitaFixture& a, const PartitaFixture& b) {
        return std::pair(a.casa(andata), a.ospite(andata)) < std::pair(b.casa(andata), b.ospite(andata));
    });
    return v;
}

// Twenty team names of the longest length SQUADRA.NOME holds (30 characters).
inline QStringList NomiLunghi()
{
    QStringList nomi;
    for (int i = 1; i <= 20; ++i)
        nomi << QStringLiteral("Associazione Calcio Squadra %1").arg(i, 2, 10, QLatin1Char('0'));
    return nomi;
}
