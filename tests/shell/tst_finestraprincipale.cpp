#include "core/database.h"
#include "core/stato.h"
#include "platform/finestre.h"
#include "platform/guida.h"
#include "platform/pannello.h"
#include "shell/comandi.h"
#include "shell/finestraprincipale.h"
#include "support/cartellatemporanea.h"
#include "support/finestraditest.h"
#include "support/seammessaggi.h"

#include <memory>
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSqlDatabase>
#include <QTest>
#include <QToolBar>

namespace {

const QString MANCA_GUIDA = QStringLiteral(
    "Attenzione: non è stato trovato il file della guida (GOLVARNO.HLP)\r\rLa guida non sarà quindi disponibile. "
    "Contattare l'autore per ulteriori informazioni e chiarimenti.");

void scriviPrimiPassi(const QString& def, int valore)
{
    {
        QSqlDatabase db = ApriConnessione("prova", def, false, false);
        Esegui("UPDATE Impostazioni SET VisualizzaPrimiPassi = ?", {valore}, db);
    }
    ChiudiConnessione("prova");
}

}  // namespace

// The main window: loading, the first activation, its menus and toolbar, its close box.
class TestFinestraPrincipale : public QObject {
    Q_OBJECT

    std::unique_ptr<MessaggiDiTest> messaggi;

private slots:
    void init()
    {
        AzzeraStato();
        Finestre::istanza().azzera();
        FinestraDiTest::diario().clear();
        messaggi = std::make_unique<MessaggiDiTest>();
    }
    void cleanup()
    {
        Finestre::istanza().azzera();
        messaggi.reset();
    }

    void caricamento_data()
    {
        QTest::addColumn<int>("omissioni");
        QTest::addColumn<bool>("guida");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("tutto") << int(CartellaTemporanea::Nessuna) << true << true;
        QTest::newRow("senza guida") << int(CartellaTemporanea::SenzaGuida) << false << true;
        QTest::newRow("senza bitmap") << int(CartellaTemporanea::SenzaBitmap) << true << false;
    }
    void caricamento()
    {
        QFETCH(int, omissioni);
        QFETCH(bool, guida);
        QFETCH(bool, bitmap);
        CartellaTemporanea cartella{CartellaTemporanea::Omissioni(omissioni)};
        if (!guida) messaggi->ok();
        FinestraPrincipale mdi;

        if (guida) {
            QCOMPARE(messaggi->quanti(), 0);
            QCOMPARE(stato().PercorsoGuida, cartella.file("golvarno.hlp"));
            QCOMPARE(Guida::file(), cartella.file("golvarno.hlp"));
        } else {
            QCOMPARE(messaggi->quanti(), 1);
            const auto r = messaggi->ultimo();
            QCOMPARE(r.testo, MANCA_GUIDA);
            QCOMPARE(r.titolo, QStringLiteral("Golvarno 2000"));
            QCOMPARE(r.icona, Messaggio::Icona::Critica);
            QCOMPARE(r.pulsanti, Messaggio::Pulsanti::Ok);
            QVERIFY(stato().PercorsoGuida.isEmpty());
            QVERIFY(!Guida::disponibile());
        }
        QCOMPARE(stato().PercorsoImpostazioni, cartella.file("golvarno.def"));
        QCOMPARE(stato().BmpAmmonitoPresente, bitmap);
        QCOMPARE(stato().BmpEspulsoPresente, bitmap);
        QCOMPARE(stato().IdEvidenziato, -1);
        QVERIFY(stato().PrimaAttivazione);
        QCOMPARE(mdi.objectName(), QStringLiteral("MDI1"));
        QCOMPARE(mdi.windowTitle(), QStringLiteral("Golvarno 2000"));
        QCOMPARE(Finestre::istanza().area(), mdi.area());
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The introduction is shown only when the settings ask for it; its choice is carried out once.
    void primaAttivazione_data()
    {
        QTest::addColumn<int>("primiPassi");  // VisualizzaPrimiPassi; 1 = no settings file
        QTest::addColumn<int>("scelta");      // AzioneIniziale set by the introduction
        QTest::addColumn<bool>("introduzione");
        QTest::addColumn<QString>("effetto");  // "apri": the open dialog, "Form9": the wizard
        QTest::newRow("chiesta, nessuna scelta") << -1 << 0 << true << "";
        QTest::newRow("non chiesta") << 0 << 1 << false << "";
        QTest::newRow("senza impostazioni") << 1 << 0 << true << "";
        QTest::newRow("apri") << -1 << 1 << true << "apri";
        QTest::newRow("crea") << -1 << 2 << true << "Form9";
    }
    void primaAttivazione()
    {
        QFETCH(int, primiPassi);
        QFETCH(int, scelta);
        QFETCH(bool, introduzione);
        QFETCH(QString, effetto);
        CartellaTemporanea cartella;
        if (primiPassi == 1)
            QVERIFY(cartella.rimuovi("golvarno.def"));
        else
            scriviPrimiPassi(cartella.file("golvarno.def"), primiPassi);
        FinestraPrincipale mdi;

        // The introduction records the choice and closes.
        FinestraDiTest::registra("Form49", [scelta](FinestraDiTest& w) {
            w.durante_attiva = [scelta](FinestraDiTest& f) {
                stato().AzioneIniziale = scelta;
                f.chiudi();
            };
        });
        FinestraDiTest::registra("Form9");
        if (effetto == "apri") messaggi->file(QString());  // the user cancels the open dialog

        mdi.attivazione();
        QCOMPARE(FinestraDiTest::diario().contains("Form49 carica"), introduzione);
        QCOMPARE(stato().AzioneIniziale, 0);
        QCOMPARE(messaggi->quanti(), effetto == "apri" ? 1 : 0);
        if (effetto == "apri") {
            QCOMPARE(messaggi->ultimo().tipo, Messaggio::Richiesta::Tipo::ApriFile);
            QCOMPARE(messaggi->ultimo().titolo, QStringLiteral("Apri un campionato"));
            QVERIFY(!stato().CampionatoAperto);
        }
        QCOMPARE(Finestre::istanza().visibile("Form9"), effetto == "Form9");
        QVERIFY(!stato().PrimaAttivazione);

        // Later activations read nothing again and show nothing.
        FinestraDiTest::diario().clear();
        if (primiPassi != 1) scriviPrimiPassi(cartella.file("golvarno.def"), primiPassi == 0 ? -1 : 0);
        const bool primiPassiLetti = stato().MostraPrimiPassi;
        mdi.attivazione();
        QVERIFY(FinestraDiTest::diario().isEmpty());
        QCOMPARE(stato().MostraPrimiPassi, primiPassiLetti);
        QCOMPARE(messaggi->quanti(), effetto == "apri" ? 1 : 0);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Without the introduction window in this build, nothing is shown and the settings are read.
    void primaAttivazioneSenzaIntroduzione()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        stato().MostraPrimiPassi = false;
        mdi.attivazione();
        QVERIFY(stato().MostraPrimiPassi);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void barraDegliStrumenti()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        auto* barra = mdi.findChild<QToolBar*>("Toolbar1");
        QVERIFY(barra);
        QVERIFY(!barra->isMovable());
        QCOMPARE(mdi.toolBarArea(barra), Qt::TopToolBarArea);

        const QList<int> ordine{0, 1, 15, 2, 3, 4, 5, 10, 7, 6, 9, 11, 13, 16, 17, 18};
        const QStringList suggerimenti{"Aprire un campionato",
                                       "Crea un nuovo campionato",
                                       "Scheda del campionato",
                                       "Registra le giornate di campionato",
                                       "Calendario del campionato",
                                       "Classifica del campionato",
                                       "Inserisci i risultati del prossimo turno",
                                       "Prossimo turno da disputare",
                                       "Rosa di una squadra",
                                       "Tabella di marcia di una squadra",
                                       "Grafico dell'andamento di una squadra",
                                       "Formazioni e marcatori",
                                       "Statistiche sul campionato",
                                       "Confronta tabelle di marcia",
                                       "Confronta grafici di andamento",
                                       "Richiama guida di Golvarno"};
        const QList<Pannello*>& pulsanti = mdi.pulsanti();
        QCOMPARE(pulsanti.size(), ordine.size());
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        for (int i = 0; i < ordine.size(); ++i) {
            Pannello* p = pulsanti[i];
            QCOMPARE(p->idEvidenzia(), 140 + ordine[i]);
            QCOMPARE(p->toolTip(), suggerimenti[i]);
            QVERIFY(!p->icona().isNull());
            QCOMPARE(Pannello::perId(140 + ordine[i]), p);
            if (i > 0) QVERIFY(p->geometry().left() > pulsanti[i - 1]->geometry().right());
        }
        QCOMPARE(Comandi::barra().size(), ordine.size());
    }

    // The mouse over a toolbar button lights it; over the window's empty area, nothing is lit.
    void evidenziazione()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        FinestraDiTest::registra("Form6");
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        Pannello* p = mdi.pulsanti().at(5);  // index 4, the league table
        QTest::mouseMove(p, p->rect().center());
        QTRY_COMPARE(stato().IdEvidenziato, 144);
        QVERIFY(p->acceso());
        QTest::mouseMove(mdi.area()->viewport(), mdi.area()->viewport()->rect().center());
        QTRY_COMPARE(stato().IdEvidenziato, -1);
        QVERIFY(!p->acceso());
    }

    // A command is offered only when its window exists in this build, and becomes available as
    // soon as the window is registered; its toolbar button follows.
    void disponibilita()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        QAction* classifica = mdi.azione("ClassificaGenerale");
        Pannello* pulsante = mdi.pulsanti().at(5);
        QCOMPARE(pulsante->idEvidenzia(), 144);
        QVERIFY(!classifica->isEnabled());
        QVERIFY(!pulsante->isEnabled());
        QVERIFY(mdi.azione("ApriCampionato")->isEnabled());
        QVERIFY(mdi.azione("Versione")->isEnabled());
        QVERIFY(mdi.pulsanti().at(0)->isEnabled());

        FinestraDiTest::registra("Form6");
        QVERIFY(classifica->isEnabled());
        QVERIFY(pulsante->isEnabled());
        QVERIFY(!mdi.azione("ClassificaParziale")->isEnabled());

        Finestre::istanza().azzera();
        QVERIFY(!classifica->isEnabled());
        QVERIFY(!pulsante->isEnabled());
    }

    void pulsanteEseguiIlComando()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        FinestraDiTest::registra("Form6");
        stato().CampionatoAperto = true;
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        Pannello* pulsante = mdi.pulsanti().at(5);
        QTest::mouseClick(pulsante, Qt::LeftButton, {}, pulsante->rect().center());
        QVERIFY(Finestre::istanza().visibile("Form6"));
        QVERIFY(stato().ClassificaCompleta);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The main window takes most of the screen; a new child that grows past the visible area of the main
    // window is moved back into it.
    void finestreInVista()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        const QRect schermo = mdi.screen()->availableGeometry();
        QVERIFY(schermo.contains(mdi.geometry()));
        QVERIFY(mdi.width() >= schermo.width() * 0.9 && mdi.height() >= schermo.height() * 0.9);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        const QSize vista = mdi.area()->viewport()->size();
        FinestraDiTest::registra("Form6");
        FinestraDiTest::registra("Form7", [vista](FinestraDiTest& w) {
            w.durante_attiva = [vista](FinestraDiTest& f) { f.contenitore()->resize(vista * 0.7); };
        });
        Finestre::istanza().mostra("Form6")->contenitore()->resize(vista / 2);
        Finestre::istanza().mostra("Form7");
        QVERIFY(QRect(QPoint(), vista).contains(Finestre::istanza().finestra("Form7")->contenitore()->geometry()));
    }

    void chiusura_data()
    {
        QTest::addColumn<bool>("esci");
        QTest::newRow("casella di chiusura") << false;
        QTest::newRow("Esci da Golvarno") << true;
    }
    // The close box and "Esci" unload the children through their own unload step (what they hold unsaved
    // is saved or asked about); one refusal keeps the program open.
    void chiusura()
    {
        QFETCH(bool, esci);
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        FinestraDiTest::registra("Form6");
        FinestraDiTest::registra("Form7", [](FinestraDiTest& w) { w.rifiutaScarico = true; });
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        Finestre::istanza().mostra("Form6");
        Finestre::istanza().mostra("Form7");
        const auto chiudi = [&] {
            if (!esci) return mdi.close();
            Comandi::esegui("Esci");
            return !mdi.isVisible();
        };

        QVERIFY(!chiudi());
        QVERIFY(mdi.isVisible());
        QVERIFY(Finestre::istanza().caricata("Form7"));

        FinestraDiTest::di("Form7")->rifiutaScarico = false;
        QVERIFY(chiudi());
        QVERIFY(!Finestre::istanza().caricata("Form6"));
        QVERIFY(!Finestre::istanza().caricata("Form7"));
        QVERIFY(FinestraDiTest::diario().contains("Form6 scarica"));
        QVERIFY(FinestraDiTest::diario().contains("Form7 scarica"));
    }
};

QTEST_MAIN(TestFinestraPrincipale)
#include "tst_finestraprincipale.moc"
