#include "aiuticalendario.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "support/ambientetest.h"

#include "calendar/dategiornatewindow.h"
#include "calendar/registrazionegiornatewindow.h"
#include "platform/combocodici.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Dates and kick-off times: through the small dialog of the match-day entry and through the dates
// window, saved with a blank for an empty text, and the day's date copied to its pairings.
class TestDateGiornate : public QObject {
    Q_OBJECT

    static QLineEdit* casella(const QString& finestra, const QString& nome)
    {
        auto* e = AmbienteTest::parte<QLineEdit>(finestra, nome);
        if (!e) qWarning("casella %s assente", qPrintable(nome));
        return e;
    }
    // Types into a box as the user does (the window notices only typed changes).
    static void scrivi(QLineEdit* e, const QString& testo)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, testo);
        QCOMPARE(e->text(), testo);
    }
    static void premi(const QString& finestra, const QString& nome)
    {
        auto* b = AmbienteTest::parte<QPushButton>(finestra, nome);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // DATAAND, HAND, DATARIT, HRIT of a pairing as stored.
    static QStringList memorizzate(int codPart)
    {
        Query q("SELECT DATAAND, HAND, DATARIT, HRIT FROM PARTITA WHERE CODPART = ?", {codPart});
        QStringList r;
        if (q.next())
            for (int i = 0; i < 4; ++i) r << q.testo(i);
        return r;
    }
    static QStringList nelleCaselle(const QString& finestra, const QStringList& nomi)
    {
        QStringList r;
        for (const QString& n : nomi) r << casella(finestra, n)->text();
        return r;
    }
    static QStringList comeMemorizzate(const QStringList& testi)
    {
        QStringList r;
        for (const QString& t : testi) r << (t.isEmpty() ? QStringLiteral(" ") : t);
        return r;
    }

    std::unique_ptr<AmbienteTest> a_;

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreCostruzioneCalendario); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    // The four texts of a pairing go through the dialog into the file, show in the dates window, come
    // back changed from it, and show again in the dialog.
    void giroCompleto_data()
    {
        QTest::addColumn<QStringList>("primi");
        QTest::addColumn<QStringList>("secondi");
        // clang-format off
        QTest::newRow("solo andata") << QStringList{"domenica 10", "15", "", ""} << QStringList{"", "", "sabato 20", "20:45"};
        QTest::newRow("nessuno") << QStringList{"", "", "", ""} << QStringList{"1/10", "", "", "21:00"};
        // clang-format on
    }
    void giroCompleto()
    {
        QFETCH(QStringList, primi);
        QFETCH(QStringList, secondi);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const int codice = d.partita(2, 1)->codPart;
        const QString form10 = QStringLiteral("Form10");
        const QString form38 = QStringLiteral("Form38");
        const QStringList nomiDialogo{"Text1", "Text2", "Text3", "Text4"};

        // In the match-day entry, through its dialog.
        stato().GiornataCorrente = 2;
        auto* registrazione = a_->mostra<RegistrazioneGiornateWindow>(form10);
        QStringList visteNelDialogo;
        QuandoModale([&](QWidget* dialogo) {
            for (int i = 0; i < 4; ++i) {
                auto* e = dialogo->findChild<QLineEdit*>(nomiDialogo[i]);
                visteNelDialogo << e->text();
                e->setText(primi[i]);
            }
            dialogo->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        premi(form10, QStringLiteral("CommandDate1"));
        QCOMPARE(visteNelDialogo, (QStringList{"", "", "", ""}));
        QCOMPARE(stato().RigaSelezionata, 1);
        QCOMPARE(registrazione->modificata(), (primi != QStringList{"", "", "", ""}));
        Premi(123);
        QCOMPARE(memorizzate(codice), comeMemorizzate(primi));
        Premi(126);  // Chiudi
        QVERIFY(!AmbienteTest::caricata(form10));

        // In the dates window, which saves when it moves to another day.
        auto* date = a_->mostra<DateGiornateWindow>(form38);
        QCOMPARE(date->giornata(), 1);
        premi(form38, QStringLiteral("Command2"));
        QCOMPARE(date->giornata(), 2);
        const QStringList nomiRiga{"DataAnd1", "HAnd1", "DataRit1", "HRit1"};
        QCOMPARE(nelleCaselle(form38, nomiRiga), primi);
        for (int i = 0; i < 4; ++i) scrivi(casella(form38, nomiRiga[i]), secondi[i]);
        premi(form38, QStringLiteral("Command1"));
        QCOMPARE(date->giornata(), 1);
        QCOMPARE(memorizzate(codice), comeMemorizzate(secondi));
        premi(form38, QStringLiteral("Command2"));
        QCOMPARE(nelleCaselle(form38, nomiRiga), secondi);

        // And back in the dialog.
        stato().GiornataCorrente = 2;
        a_->mostra<RegistrazioneGiornateWindow>(form10);
        visteNelDialogo.clear();
        QuandoModale([&](QWidget* dialogo) {
            for (const QString& n : nomiDialogo) visteNelDialogo << dialogo->findChild<QLineEdit*>(n)->text();
            dialogo->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        });
        premi(form10, QStringLiteral("CommandDate1"));
        QCOMPARE(visteNelDialogo, secondi);
        QVERIFY(!qobject_cast<RegistrazioneGiornateWindow*>(Finestre::istanza().finestra(form10))->modificata());
    }

    void copiaDataGiornata()
    {
        const DatiFixture d = a_->apri(a_->nuovo(8));
        const QString form38 = QStringLiteral("Form38");
        auto* w = a_->mostra<DateGiornateWindow>(form38);
        a_->messaggi().ok().ok();  // before the first day, past the last
        premi(form38, QStringLiteral("Command1"));
        for (int g = 2; g <= 8; ++g) premi(form38, QStringLiteral("Command2"));
        QCOMPARE(w->giornata(), 7);
        QVERIFY(!w->modificata());

        scrivi(casella(form38, QStringLiteral("Text1")), QStringLiteral("domenica 3 giugno"));
        premi(form38, QStringLiteral("Command3"));
        for (int r = 1; r <= 4; ++r) {
            QCOMPARE(casella(form38, QStringLiteral("DataAnd%1").arg(r))->text(), QStringLiteral("domenica 3 giugno"));
            QCOMPARE(casella(form38, QStringLiteral("DataRit%1").arg(r))->text(), QString());
        }
        a_->messaggi().ok();
        premi(form38, QStringLiteral("Command4"));
        QVERIFY(a_->messaggi().ultimo().testo.startsWith(QStringLiteral("Scrivere prima la data")));
        scrivi(casella(form38, QStringLiteral("HAnd3")), QStringLiteral("20:45"));

        // Closing saves.
        premi(form38, QStringLiteral("Command6"));
        QVERIFY(!AmbienteTest::caricata(form38));
        QCOMPARE(Valore("SELECT DATAAND FROM GIORNATA WHERE NUMERO = 7").toString(),
                 QStringLiteral("domenica 3 giugno"));
        QCOMPARE(Valore("SELECT DATARIT FROM GIORNATA WHERE NUMERO = 7").toString(), QStringLiteral(" "));
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(memorizzate(d.partita(7, r)->codPart),
                     (QStringList{"domenica 3 giugno", r == 3 ? "20:45" : " ", " ", " "}));
        QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA WHERE DATAAND <> ' '").toInt(), 4);
    }

    // The match-day entry opens the dates window on its own day; a day not registered yet has none.
    void apertaDallaGiornata()
    {
        a_->apri(a_->nuovo(5).senzaCalendario());
        stato().GiornataCorrente = 1;
        auto* registrazione = a_->mostra<RegistrazioneGiornateWindow>(QStringLiteral("Form10"));
        QVERIFY(!Pannello::perId(125)->isEnabled());
        const QStringList squadre{"Ancona", "Bari", "Cagliari", "Dolomiti", "Empoli"};
        for (int r = 1; r <= 2; ++r)
            for (int lato = 0; lato < 2; ++lato) {
                auto* c = AmbienteTest::parte<ComboCodici>("Form10", QString(lato ? "ComboOspite" : "ComboCasa") +
                                                                         QString::number(r));
                c->setCurrentIndex(c->trovaTesto(squadre[2 * (r - 1) + lato]));
            }
        auto* riposa = AmbienteTest::parte<ComboCodici>("Form10", "ComboRiposa");
        riposa->setCurrentIndex(riposa->trovaTesto("Empoli"));
        Premi(123);
        QVERIFY(!registrazione->nuova());
        Premi(125);
        auto* date = qobject_cast<DateGiornateWindow*>(Finestre::istanza().finestra(QStringLiteral("Form38")));
        QVERIFY(date && date->isVisible());
        QCOMPARE(date->giornata(), 1);
        QVERIFY(casella(QStringLiteral("Form38"), QStringLiteral("Text1"))->isEnabled());
    }

    // Coming back to the window shows the pairings as stored now, unless it holds changes of its own; a save
    // then writes the dates the user changed and keeps those saved elsewhere since the day was read.
    void attivazione()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const QString form38 = QStringLiteral("Form38");
        a_->mostra<DateGiornateWindow>(form38);
        auto* incontro = AmbienteTest::parte<QLabel>(form38, QStringLiteral("Incontro1"));
        QCOMPARE(incontro->text(), d.partita(1, 1)->sq1 + " - " + d.partita(1, 1)->sq2);
        Esegui("UPDATE PARTITA SET SQ1 = 'Zara', DATAAND = '5 maggio' WHERE CODPART = ?", {d.partita(1, 1)->codPart});
        Finestre::istanza().finestra(form38)->attiva();
        QCOMPARE(incontro->text(), QStringLiteral("Zara - ") + d.partita(1, 1)->sq2);
        QCOMPARE(casella(form38, QStringLiteral("DataAnd1"))->text(), QStringLiteral("5 maggio"));

        scrivi(casella(form38, QStringLiteral("HAnd1")), QStringLiteral("18"));
        Esegui("UPDATE PARTITA SET SQ1 = 'York' WHERE CODPART = ?", {d.partita(1, 1)->codPart});
        Finestre::istanza().finestra(form38)->attiva();
        QCOMPARE(incontro->text(), QStringLiteral("Zara - ") + d.partita(1, 1)->sq2);
        QCOMPARE(casella(form38, QStringLiteral("HAnd1"))->text(), QStringLiteral("18"));
        Esegui("UPDATE PARTITA SET DATAAND = 'sabato' WHERE CODPART = ?", {d.partita(1, 2)->codPart});
        Esegui("UPDATE GIORNATA SET DATARIT = 'maggio' WHERE NUMERO = 1");
        premi(form38, QStringLiteral("Command5"));
        QCOMPARE(memorizzate(d.partita(1, 1)->codPart), (QStringList{"5 maggio", "18", " ", " "}));
        QCOMPARE(memorizzate(d.partita(1, 2)->codPart), (QStringList{"sabato", " ", " ", " "}));
        QCOMPARE(Valore("SELECT DATARIT FROM GIORNATA WHERE NUMERO = 1").toString(), QStringLiteral("maggio"));
    }
};

QTEST_MAIN(TestDateGiornate)
#include "tst_dategiornate.moc"
