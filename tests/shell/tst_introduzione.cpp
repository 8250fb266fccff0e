#include "ambientemdi.h"
#include "platform/guida.h"
#include "platform/pannello.h"
#include "shell/finestrecampionato.h"
#include "shell/introduzionedialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The introduction window: its choice left in AzioneIniziale, its check box stored only when clicked.
class TestIntroduzione : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;

    static bool guidaAperta()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Guida") && w->isVisible()) return true;
        return false;
    }

    // Shows the window modally, as the main window does, and runs `azioni` on it from inside its loop.
    // The window is unloaded after two seconds if the actions left it open.
    static void modale(const std::function<void(IntroduzioneDialog*)>& azioni)
    {
        QTimer::singleShot(0, [azioni] {
            auto* w = qobject_cast<IntroduzioneDialog*>(Finestre::istanza().finestra("Form49"));
            if (w) azioni(w);
        });
        QTimer scadenza;
        scadenza.setSingleShot(true);
        QObject::connect(&scadenza, &QTimer::timeout, [] { Finestre::istanza().scarica("Form49"); });
        scadenza.start(2000);
        Finestre::istanza().mostraModale("Form49");
        QVERIFY2(scadenza.isActive(), "la finestra è rimasta aperta");
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        Guida::imposta(amb_->cartella().file("golvarno.hlp"));
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Guida")) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Guida::imposta(QString());
        amb_.reset();
    }

    // The box shows the setting in force; the choice is left in AzioneIniziale, and the box is stored only
    // when clicked (cleared again still counts as a click).
    void scelte_data()
    {
        QTest::addColumn<bool>("primiPassi");  // in force when the window opens
        QTest::addColumn<int>("nelFile");      // VisualizzaPrimiPassi in the file
        QTest::addColumn<int>("clic");         // clicks on the check box
        QTest::addColumn<QString>("scelta");   // the control clicked; "" : the close box
        QTest::addColumn<int>("azione");
        QTest::addColumn<int>("fileDopo");
        QTest::addColumn<bool>("primiPassiDopo");
        QTest::addColumn<bool>("guida");

        // clang-format off
        QTest::newRow("apri senza toccare la casella") << true << -1 << 0 << "SSPanel1" << 1 << -1 << true << false;
        QTest::newRow("spunta e apri") << true << -1 << 1 << "SSPanel1" << 1 << 0 << false << false;
        QTest::newRow("spunta e apri dalla didascalia") << true << -1 << 1 << "Label1" << 1 << 0 << false << false;
        QTest::newRow("crea senza toccare la casella") << true << 0 << 0 << "SSPanel2" << 2 << 0 << true << false;
        QTest::newRow("spunta, togli e crea") << true << 0 << 2 << "Label2" << 2 << -1 << true << false;
        QTest::newRow("togli la spunta") << false << 0 << 1 << "SSPanel1" << 1 << -1 << true << false;
        QTest::newRow("guida con spunta") << true << -1 << 1 << "SSPanel3" << 0 << 0 << false << true;
        QTest::newRow("guida dalla didascalia") << true << -1 << 0 << "Label4" << 0 << -1 << true << true;
        QTest::newRow("chiusura con spunta") << true << -1 << 1 << "" << 0 << -1 << true << false;
        // clang-format on
    }
    void scelte()
    {
        QFETCH(bool, primiPassi);
        QFETCH(int, nelFile);
        QFETCH(int, clic);
        QFETCH(QString, scelta);
        QFETCH(int, azione);
        QFETCH(int, fileDopo);
        QFETCH(bool, primiPassiDopo);
        QFETCH(bool, guida);
        stato().MostraPrimiPassi = primiPassi;
        SulleImpostazioni("UPDATE Impostazioni SET VisualizzaPrimiPassi = ?", {nelFile});
        bool spuntata = primiPassi;
        modale([&](IntroduzioneDialog* w) {
            spuntata = w->findChild<QCheckBox*>("Check1")->isChecked();
            for (int i = 0; i < clic; ++i) QTest::mouseClick(w->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
            if (scelta.isEmpty())
                w->close();
            else
                QTest::mouseClick(w->findChild<QWidget*>(scelta), Qt::LeftButton);
        });
        QCOMPARE(spuntata, !primiPassi);
        QVERIFY(!AmbienteTest::caricata("Form49"));
        QCOMPARE(stato().AzioneIniziale, azione);
        QCOMPARE(SulleImpostazioni("SELECT VisualizzaPrimiPassi FROM Impostazioni").toInt(), fileDopo);
        QCOMPARE(stato().MostraPrimiPassi, primiPassiDopo);
        QCOMPARE(guidaAperta(), guida);
        if (guida) QCOMPARE(Guida::ultimoContesto(), 1);
    }

    // Without the settings file a click on the box is not stored, and nothing is said.
    void senzaFile()
    {
        QVERIFY(amb_->cartella().rimuovi("golvarno.def"));
        stato().MostraPrimiPassi = true;
        modale([](IntroduzioneDialog* w) {
            QTest::mouseClick(w->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
            QTest::mouseClick(w->findChild<Pannello*>("SSPanel2"), Qt::LeftButton);
        });
        QCOMPARE(stato().AzioneIniziale, 2);
        QVERIFY(stato().MostraPrimiPassi);
    }
};

QTEST_MAIN(TestIntroduzione)
#include "tst_introduzione.moc"
