#include "platform/spinner.h"
#include "standings/classificaparzialedialog.h"
#include "standings/finestreclassifica.h"
#include "support/ambientetest.h"

#include <memory>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

// The partial-table dialog: the spans it accepts and refuses, what it hands over, its spinners.
class TestClassificaParziale : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    // A championship of 8 teams (7 match days a leg), three match days played.
    void apri() { a_->apri(a_->nuovo().squadre(8).giocaFinoA(3, true)); }

    static Finestra* dialogo() { return Finestre::istanza().finestra(QStringLiteral("Form7")); }
    template <typename T> static T* parte(const QString& nome) { return dialogo()->findChild<T*>(nome); }
    static QLineEdit* casella(int n) { return parte<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    static QRadioButton* opzione(int n) { return parte<QRadioButton>(QStringLiteral("Option%1").arg(n)); }
    static void clicca(const char* comando)
    {
        QTest::mouseClick(parte<QPushButton>(QLatin1String(comando)), Qt::LeftButton);
    }

    // Types a span into the dialog the way the user does.
    static void compila(const QString& da, bool daAndata, const QString& a, bool aAndata)
    {
        for (auto [n, testo] : {std::pair{1, da}, std::pair{2, a}}) {
            casella(n)->clear();
            QTest::keyClicks(casella(n), testo);
        }
        QTest::mouseClick(opzione(daAndata ? 1 : 2), Qt::LeftButton);
        QTest::mouseClick(opzione(aAndata ? 3 : 4), Qt::LeftButton);
    }

    // Values no check can produce: a refusal must leave them as they are.
    static void segnaVariabili()
    {
        Stato& s = stato();
        s.ParzDaGiornata = 99, s.ParzDaGirone = 9, s.ParzAGiornata = 98, s.ParzAGirone = 8;
        s.ClassificaCompleta = true;
    }
    static QList<int> variabili()
    {
        const Stato& s = stato();
        return {s.ParzDaGiornata, s.ParzDaGirone, s.ParzAGiornata, s.ParzAGirone};
    }

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreClassifica); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void ok_data()
    {
        QTest::addColumn<QString>("da");
        QTest::addColumn<bool>("daAndata");
        QTest::addColumn<QString>("a");
        QTest::addColumn<bool>("aAndata");
        QTest::addColumn<int>("giornate");
        QTest::addColumn<QString>("errore");  // empty: accepted
        QTest::addColumn<QList<int>>("arco");

        const QString DA = "La giornata indicata nel riquadro 'DA' non è corretta!";
        const QString A = "La giornata indicata nel riquadro 'A' non è corretta!";
        const QString INTERVALLO = "L'intervallo di giornate indicato non è corretto!";
        const QString GIRONI =
            "Una classifica parziale non può iniziare nel girone di ritorno e terminare nel girone di andata!";
        const QList<int> nessuno;
        QTest::newRow("caselle vuote") << "" << true << "" << true << 7 << DA << nessuno;
        QTest::newRow("A oltre l'ultima") << "1" << true << "8" << true << 7 << A << nessuno;
        QTest::newRow("DA negativa") << "-2" << true << "3" << true << 7 << DA << nessuno;
        QTest::newRow("DA che arrotonda a 0") << "0.5" << true << "3" << true << 7 << DA << nessuno;
        QTest::newRow("nessun calendario") << "1" << true << "1" << true << 0 << DA << nessuno;
        QTest::newRow("5-3 andata") << "5" << true << "3" << true << 7 << INTERVALLO << nessuno;
        QTest::newRow("3 ritorno - 5 andata") << "3" << false << "5" << true << 7 << GIRONI << nessuno;
        QTest::newRow("5 andata - 3 ritorno") << "5" << true << "3" << false << 7 << "" << QList<int>{5, 1, 3, 2};
        QTest::newRow("una giornata") << "4" << true << "4" << true << 7 << "" << QList<int>{4, 1, 4, 1};
        QTest::newRow("tutto il ritorno") << "1" << false << "7" << false << 7 << "" << QList<int>{1, 2, 7, 2};
        QTest::newRow("7abc") << "7abc" << true << " 7" << false << 7 << "" << QList<int>{7, 1, 7, 2};
        QTest::newRow("decimali") << "2.5" << true << "3.5" << true << 7 << "" << QList<int>{2, 1, 4, 1};
    }
    void ok()
    {
        QFETCH(QString, da);
        QFETCH(bool, daAndata);
        QFETCH(QString, a);
        QFETCH(bool, aAndata);
        QFETCH(int, giornate);
        QFETCH(QString, errore);
        QFETCH(QList<int>, arco);
        MessaggiDiTest& m = a_->messaggi();
        apri();
        stato().GiornateInserite = giornate;
        segnaVariabili();
        QVERIFY(Finestre::istanza().mostra("Form7"));
        compila(da, daAndata, a, aAndata);
        if (!errore.isEmpty()) m.ok();
        clicca("Command1");
        if (errore.isEmpty()) {
            QCOMPARE(variabili(), arco);
            QVERIFY(!stato().ClassificaCompleta && !Finestre::istanza().caricata("Form7"));
            QVERIFY(Finestre::istanza().visibile("Form6"));
        } else {
            QVERIFY(m.quanti() == 1 && m.ultimo().testo == errore);
            QCOMPARE(variabili(), (QList<int>{99, 9, 98, 8}));
            QVERIFY(stato().ClassificaCompleta && Finestre::istanza().visibile("Form7"));
            QCOMPARE(casella(1)->text(), da);  // entries kept
            QVERIFY(!Finestre::istanza().caricata("Form6"));
        }
    }

    // The arc handed over is the one the league table computes.
    void tabellaDellArco()
    {
        apri();
        Finestre::istanza().mostra("Form7");
        compila("2", true, "3", true);
        clicca("Command1");
        QCOMPARE(Finestre::istanza().finestra("Form6")->windowTitle(),
                 QStringLiteral("Classifica parziale, dalla giornata n° 2 (andata) alla giornata n° 3 (andata)"));
        QCOMPARE(Valore("SELECT SUM(GIOCATE) FROM PUNTISQUADRE").toInt(), 8 * 2);
    }

    // The dialog's own step rule, then that both spinners use it.
    void spinner_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("verso");
        QTest::addColumn<QString>("atteso");  // "-": the box is left alone
        QTest::newRow("giù da 1") << u"1"_s << -1 << "0";
        QTest::newRow("giù da 0") << u"0"_s << -1 << "-";
        QTest::newRow("su senza limite") << u"99"_s << 1 << "100";
        QTest::newRow("su da 7abc") << u"7abc"_s << 1 << "8";
        QTest::newRow("giù da 2.5") << u"2.5"_s << -1 << "1.5";
        QTest::newRow("su da negativa") << u"-3"_s << 1 << "-2";
    }
    void spinner()
    {
        QFETCH(QString, testo);
        QFETCH(int, verso);
        QFETCH(QString, atteso);
        QCOMPARE(ClassificaParzialeDialog::passo(testo, verso).value_or("-"), atteso);
    }
    void spinnerCollegati()
    {
        apri();
        Finestre::istanza().mostra("Form7");
        for (int n : {1, 2}) {
            casella(n)->setText("7abc");
            parte<Spinner>(QStringLiteral("UpDown%1").arg(n))->su();
            QCOMPARE(casella(n)->text(), QStringLiteral("8"));
        }
    }

    // "Annulla" after refusals changes nothing; a dialog opened again starts empty.
    void annullaERiapertura()
    {
        MessaggiDiTest& m = a_->messaggi();
        apri();
        segnaVariabili();
        Finestre::istanza().mostra("Form7");
        compila("5", false, "3", false);
        m.ok().ok();
        clicca("Command1");
        compila("0", true, "3", true);
        clicca("Command1");
        clicca("Command2");
        QVERIFY(!Finestre::istanza().caricata("Form7") && !Finestre::istanza().caricata("Form6"));
        QCOMPARE(variabili(), (QList<int>{99, 9, 98, 8}));

        Finestre::istanza().mostra("Form7");
        compila("2", false, "4", false);
        clicca("Command1");
        QVERIFY(Finestre::istanza().mostra("Form7"));
        QVERIFY(casella(1)->text().isEmpty() && casella(2)->text().isEmpty());
        QVERIFY(opzione(1)->isChecked() && opzione(3)->isChecked());
    }

    void aspetto()
    {
        a_->apri(a_->piuGrande());
        Finestre::istanza().mostra("Form7");
        QMdiSubWindow* sotto = AmbienteTest::cornice("Form7");
        QVERIFY(QTest::qWaitForWindowExposed(sotto));
        QVERIFY(AmbienteTest::contenuta("Form7"));
        AmbienteTest::foto(AmbienteTest::cornice("Form7"), "form7.png");
    }
};

QTEST_MAIN(TestClassificaParziale)
#include "tst_classificaparziale.moc"
