#include "ambientemdi.h"
#include "support/fixturecampionato.h"

#include <memory>
#include <QFile>
#include <QTest>

// The open command and the check for an open championship that the data commands make first.
class TestAperturaCampionato : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteMdi> amb_;

    QString crea(const QString& nome, const QString& denominazione, int squadre = 6)
    {
        const QString percorso = amb_->ambiente().percorso(nome);
        FixtureCampionato(percorso).denominazione(denominazione).squadre(squadre).crea();
        return percorso;
    }

private slots:
    void init() { amb_ = std::make_unique<AmbienteMdi>(); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    // The championship card follows the opening when the settings ask for it.
    void apertura()
    {
        const QString a = crea("a.GVN", "Serie A 1998", 6);
        FinestraDiTest::registra("Form53");
        stato().MostraSchedaCampionato = true;
        stato().CampionatoCreato = 1;  // a file opened is never treated as just created
        stato().SquadraCorrente = "Qualcuna";
        amb_->messaggi().file(a);
        amb_->mdi.eseguiPulsante(0);  // the toolbar's open button runs the menu's command
        QCOMPARE(amb_->messaggi().ultimo().tipo, Messaggio::Richiesta::Tipo::ApriFile);
        QCOMPARE(amb_->mdi.windowTitle(), QStringLiteral("Golvarno 2000 - Serie A 1998"));
        QVERIFY(stato().CampionatoAperto);
        QCOMPARE(stato().CampionatoCreato, 0);
        QCOMPARE(stato().PercorsoCampionato, a);
        QVERIFY(stato().SquadraCorrente.isEmpty());
        QCOMPARE(DbCampionato().databaseName(), a);
        QVERIFY(Finestre::istanza().visibile("Form53"));
        // The next use starts from the file just chosen.
        amb_->apri(QString());
        QCOMPARE(amb_->messaggi().ultimo().valoreIniziale, a);
    }

    // Opening another championship closes the visible windows only; the same file may be opened again.
    void secondaApertura_data()
    {
        QTest::addColumn<bool>("stessoFile");
        QTest::newRow("altro file") << false;
        QTest::newRow("stesso file") << true;
    }
    void secondaApertura()
    {
        QFETCH(bool, stessoFile);
        const QString a = crea("a.GVN", "A", 6);
        const QString b = stessoFile ? a : crea("b.GVN", "B", 8);
        amb_->apri(a);
        FinestraDiTest::registra("Form6");
        FinestraDiTest::registra("Form7");
        Finestre::istanza().mostra("Form6");
        Finestre::istanza().carica("Form7");
        amb_->apri(b);
        QVERIFY(!Finestre::istanza().caricata("Form6"));
        QVERIFY(FinestraDiTest::diario().contains("Form6 scarica"));
        QVERIFY(Finestre::istanza().caricata("Form7"));
        QCOMPARE(stato().PercorsoCampionato, b);
        QCOMPARE(stato().NumeroSquadre, stessoFile ? 6 : 8);
        QCOMPARE(amb_->mdi.windowTitle(), QStringLiteral("Golvarno 2000 - ") + (stessoFile ? "A" : "B"));
    }

    // A file that is not a championship is refused before anything changes; so is a cancelled dialog.
    void fileNonValido_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("dialogo annullato") << QByteArray("-");
        QTest::newRow("testo") << QByteArray("questo non è un campionato");
        QTest::newRow("altro database") << QByteArray("sqlite");
    }
    void fileNonValido()
    {
        QFETCH(QByteArray, contenuto);
        const QString a = crea("a.GVN", "A");
        amb_->apri(a);
        FinestraDiTest::registra("Form6");
        Finestre::istanza().mostra("Form6");

        QString cattivo = amb_->ambiente().percorso("cattivo.GVN");
        if (contenuto == "-") {
            cattivo.clear();
        } else if (contenuto == "sqlite") {
            {
                QSqlDatabase db = ApriConnessione("altro", cattivo);
                Esegui("CREATE TABLE Altro (X INTEGER)", {}, db);
            }
            ChiudiConnessione("altro");
        } else {
            QFile f(cattivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        if (!cattivo.isEmpty()) amb_->messaggi().ok();
        amb_->apri(cattivo);
        QCOMPARE(amb_->messaggi().quanti(), cattivo.isEmpty() ? 2 : 3);  // two dialogs, one refusal
        if (!cattivo.isEmpty()) QVERIFY(amb_->messaggi().ultimo().testo.contains(cattivo));
        QCOMPARE(stato().PercorsoCampionato, a);
        QCOMPARE(DbCampionato().databaseName(), a);
        QCOMPARE(amb_->mdi.windowTitle(), QStringLiteral("Golvarno 2000 - A"));
        QVERIFY(Finestre::istanza().visibile("Form6"));
        QVERIFY(!FinestraDiTest::diario().contains("Form6 scarica"));
    }

    // The check of a guarded command: No ends it; Yes runs the open command, and the command goes
    // on only when a championship was opened.
    void guardia_data()
    {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<bool>("scegliFile");
        QTest::addColumn<bool>("prosegue");
        QTest::newRow("no") << "no" << false << false;
        QTest::newRow("si, annulla") << "si" << false << false;
        QTest::newRow("si, file") << "si" << true << true;
    }
    void guardia()
    {
        QFETCH(QString, risposta);
        QFETCH(bool, scegliFile);
        QFETCH(bool, prosegue);
        const QString a = crea("a.GVN", "A");
        FinestraDiTest::registra("Form6");
        stato().ClassificaCompleta = false;
        if (risposta == "si") {
            amb_->messaggi().si();
            amb_->messaggi().file(scegliFile ? a : QString());
        } else {
            amb_->messaggi().no();
        }
        amb_->mdi.azione("ClassificaGenerale")->trigger();
        QVERIFY(amb_->messaggi().mostrati().first().testo.startsWith("Occorre aprire un file"));
        QCOMPARE(amb_->messaggi().quanti(), risposta == "si" ? 2 : 1);
        QCOMPARE(stato().CampionatoAperto, prosegue);
        QCOMPARE(Finestre::istanza().visibile("Form6"), prosegue);
        QCOMPARE(stato().ClassificaCompleta, prosegue);

        // Once a championship is open the check never asks again.
        if (prosegue) {
            Finestre::istanza().scaricaSubito("Form6");
            amb_->mdi.azione("ClassificaGenerale")->trigger();
            QCOMPARE(amb_->messaggi().quanti(), 2);
            QVERIFY(Finestre::istanza().visibile("Form6"));
        }
    }
};

QTEST_MAIN(TestAperturaCampionato)
#include "tst_aperturacampionato.moc"
