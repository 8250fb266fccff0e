#include "aiuticalendario.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "support/ambientetest.h"

#include "calendar/calendarioautomaticodialog.h"
#include "calendar/controllocalendariodialog.h"
#include "platform/cursore.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

// The automatic calendar dialog: the build with its two follow-up windows, and every refusal.
class TestCalendarioAutomaticoDialog : public QObject {
    Q_OBJECT

    static void cliccaCrea()
    {
        auto* crea = AmbienteTest::parte<QPushButton>(QStringLiteral("Form37"), QStringLiteral("Command1"));
        QTest::mouseClick(crea, Qt::LeftButton);
    }
    static void spunta(const QString& nome, bool valore)
    {
        auto* c = AmbienteTest::parte<QCheckBox>(QStringLiteral("Form37"), nome);
        QVERIFY(c);
        c->setChecked(valore);
    }

    std::unique_ptr<AmbienteTest> a_;

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreCostruzioneCalendario); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void creaSeiSquadre_data()
    {
        QTest::addColumn<bool>("controlla");
        QTest::addColumn<bool>("date");
        QTest::newRow("controllo e date") << true << true;
        QTest::newRow("nessuna delle due") << false << false;
    }
    void creaSeiSquadre()
    {
        QFETCH(bool, controlla);
        QFETCH(bool, date);
        a_->apri(a_->nuovo(6).senzaCalendario());
        QCOMPARE(stato().GiornateInserite, 0);
        QVERIFY(a_->mostra<CalendarioAutomaticoDialog>(QStringLiteral("Form37")));
        spunta(QStringLiteral("Check2"), controlla);
        spunta(QStringLiteral("Check1"), date);

        // The check window comes up modal on the calendar just written, and the test closes it.
        bool controlloVisto = false;
        QStringList primaGiornata;
        if (controlla)
            QuandoModale([&](QWidget* w) {
                controlloVisto = w->objectName() == QStringLiteral("Form39");
                if (auto* l = w->findChild<QListWidget*>(QStringLiteral("List1")))
                    for (int i = 0; i < l->count(); ++i) primaGiornata << l->item(i)->text();
                qobject_cast<Finestra*>(w)->chiudi();
            });
        cliccaCrea();

        QCOMPARE(controlloVisto, controlla);
        QCOMPARE(Conta("GIORNATA"), 5);
        QCOMPARE(Conta("PARTITA"), 15);
        QCOMPARE(stato().GiornateInserite, 5);
        QVERIFY(!Cursore::inAttesa());
        if (controlla) {
            QStringList attese;
            Query q("SELECT SQ1, SQ2 FROM PARTITA WHERE GIORNATANUM = 1 ORDER BY RIGA");
            while (q.next()) attese << q.testo(0) + " - " + q.testo(1);
            QCOMPARE(primaGiornata, attese);
        }
        QCOMPARE(AmbienteTest::caricata(QStringLiteral("Form39")), false);
        QCOMPARE(Finestre::istanza().visibile(QStringLiteral("Form38")), date);
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form37")));
    }

    // Every refusal of the builder leaves the file as it was; the dialog stays open and opens nothing.
    void rifiuto_data()
    {
        QTest::addColumn<int>("squadre");
        QTest::addColumn<bool>("calendario");
        QTest::addColumn<bool>("senzaModello");
        QTest::newRow("calendario già presente") << 6 << true << false;
        QTest::newRow("numero dispari di squadre") << 7 << false << false;
        QTest::newRow("quattro squadre") << 4 << false << false;
        QTest::newRow("modello mancante") << 8 << false << true;
    }
    void rifiuto()
    {
        QFETCH(int, squadre);
        QFETCH(bool, calendario);
        QFETCH(bool, senzaModello);
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreCostruzioneCalendario, CartellaTemporanea::Nessuna,
                                            senzaModello ? QList<int>{squadre} : QList<int>{});
        FixtureCampionato f = a_->nuovo(squadre);
        if (!calendario) f.senzaCalendario();
        const DatiFixture d = a_->apri(f);
        const int inserite = stato().GiornateInserite;
        ChiudiDbCampionato();
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        ApriDbCampionato(d.percorso);

        a_->mostra<CalendarioAutomaticoDialog>(QStringLiteral("Form37"));
        spunta(QStringLiteral("Check1"), true);
        spunta(QStringLiteral("Check2"), true);
        a_->messaggi().ok();
        cliccaCrea();

        QCOMPARE(a_->messaggi().quanti(), 1);
        QCOMPARE(a_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(!Cursore::inAttesa());
        QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form37")));
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form39")) && !AmbienteTest::caricata(QStringLiteral("Form38")));
        QCOMPARE(stato().GiornateInserite, inserite);
        ChiudiDbCampionato();
        QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
    }

    // With no championship open the builder asks to open one; declining leaves the dialog as it was.
    void senzaCampionato()
    {
        a_->mostra<CalendarioAutomaticoDialog>(QStringLiteral("Form37"));
        a_->messaggi().no();
        cliccaCrea();
        QCOMPARE(a_->messaggi().quanti(), 1);
        QVERIFY(a_->messaggi().ultimo().testo.startsWith(QStringLiteral("Occorre aprire un file")));
        QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form37")));
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form39")));
        QVERIFY(!Cursore::inAttesa());
    }
};

QTEST_MAIN(TestCalendarioAutomaticoDialog)
#include "tst_calendarioautomaticodialog.moc"
