#pragma once

#include "core/campionato.h"
#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "support/cartellatemporanea.h"
#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include <memory>
#include <QByteArray>
#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>

// What a test of the program's windows stands on, one instance per test case:
//  - the shared state, the window registry, the test windows' diary and the message seam reset;
//  - a temporary program folder (CartellaTemporanea) and a temporary working folder, made the current one;
//  - a main window with the MDI area that holds the windows (Finestre::impostaArea);
//  - the windows under test registered through their folder's registration function;
//  - every message box answered by the seam (messaggi()).
// Windows of other folders that the windows under test open are stood in for by registering a
// FinestraDiTest for their id once the environment is built.
// Championship files are written in the working folder and opened as the open command does, with the
// championship card turned off.
//
//     AmbienteTest a(RegistraFinestreRisultati);
//     const DatiFixture d = a.apri(a.nuovo(6).giocaFinoA(2, true));
//     auto* w = a.mostra<InserimentoRisultatiWindow>("Form5", 2, true);
//
// Everything is reset before the new environment is built, and an environment still alive when the next
// one is built is taken down first: whatever a failed case left behind never reaches the next case.
class AmbienteTest {
public:
    using Registrazione = void (*)();

    // `registra`: registers the windows under test (e.g. RegistraFinestreClassifica); `omissioni` and
    // `senzaModelli`: the files left out of the program folder (see CartellaTemporanea).
    explicit AmbienteTest(Registrazione registra = nullptr,
                          CartellaTemporanea::Omissioni omissioni = CartellaTemporanea::Nessuna,
                          const QList<int>& senzaModelli = {});
    // Everything but the main window, for a test that builds the program's own main window (which then
    // holds the MDI area): area() is null.
    struct SenzaPrincipale {};
    explicit AmbienteTest(SenzaPrincipale);
    ~AmbienteTest();
    AmbienteTest(const AmbienteTest&) = delete;
    AmbienteTest& operator=(const AmbienteTest&) = delete;

    CartellaTemporanea& cartella() const;
    MessaggiDiTest& messaggi() const;
    QMdiArea* area() const;
    // The path of `nome` in the working folder.
    QString percorso(const QString& nome) const;

    // A new championship file of `squadre` teams in the working folder (not written yet).
    FixtureCampionato nuovo(int squadre = 6);
    // The largest championship, in the working folder.
    FixtureCampionato piuGrande();
    // Writes the championship and opens it as the open command does (ApriFileComeCampionato).
    DatiFixture apri(FixtureCampionato f);

    // Shows a window through the registry, as its class (null when it is not one).
    template <typename T> T* mostra(const QString& id) { return qobject_cast<T*>(Finestre::istanza().mostra(id)); }
    // The same, with the team handed over in SquadraCorrente, as the commands that open it do.
    template <typename T> T* mostra(const QString& id, const QString& squadra)
    {
        stato().SquadraCorrente = squadra;
        return mostra<T>(id);
    }
    // The same, on match day `giornata` of a leg (GiornataCorrente, Andata).
    template <typename T> T* mostra(const QString& id, int giornata, bool andata)
    {
        stato().GiornataCorrente = giornata;
        stato().Andata = andata;
        return mostra<T>(id);
    }

    static bool caricata(const QString& id);
    // The child `nome` of the loaded window `id`; null when either is missing.
    template <typename T> static T* parte(const QString& id, const QString& nome)
    {
        Finestra* f = Finestre::istanza().finestra(id);
        return f ? f->findChild<T*>(nome) : nullptr;
    }
    // The MDI frame of a loaded window.
    static QMdiSubWindow* cornice(const QString& id);
    // Whether the frame of a window holds the whole window at its smallest size.
    static bool contenuta(const QString& id);
    // Saves a picture of `w` as `nome` into the folder named by GOLVARNO_FOTO, when it is set.
    static void foto(QWidget* w, const QString& nome);
    // A fingerprint of a file's bytes: equal fingerprints, the file was not written.
    static QByteArray impronta(const QString& percorso);

private:
    struct Parti;
    void monta(Registrazione registra, CartellaTemporanea::Omissioni omissioni, const QList<int>& senzaModelli,
               bool principale);
    void smonta();

    std::unique_ptr<Parti> parti_;
    int file_ = 0;
    static AmbienteTest* attuale_;
};
