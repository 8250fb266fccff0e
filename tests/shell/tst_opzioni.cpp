#include "support/ambientetest.h"

#include "shell/finestrecampionato.h"
#include "shell/opzionidialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The display options: shown from the settings in force, applied and stored by "Ok".
class TestOpzioni : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;

    static QString def() { return stato().PercorsoImpostazioni; }

    // The settings file's first row, or its table emptied (`riga` empty).
    static void scriviRiga(const QVariantList& riga)
    {
        {
            QSqlDatabase db = ApriConnessione("prova", def(), false, false);
            Esegui("DELETE FROM Impostazioni", {}, db);
            if (!riga.isEmpty())
                Esegui("INSERT INTO Impostazioni (VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda) "
                       "VALUES (?, ?, ?, ?)",
                       riga, db);
        }
        ChiudiConnessione("prova");
    }
    static QVariantList rigaLetta()
    {
        QVariantList r;
        {
            QSqlDatabase db = ApriConnessione("prova", def(), true, false);
            Query q("SELECT VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda FROM Impostazioni", {},
                    db);
            if (q.next())
                for (int i = 0; i < 4; ++i) r << q.intero(i);
        }
        ChiudiConnessione("prova");
        return r;
    }

    OpzioniDialog* apri(int formato, bool voti)
    {
        stato().FormatoNome = formato;
        stato().MostraVoti = voti;
        return amb_->mostra<OpzioniDialog>("Form46");
    }
    static void clic(QWidget* w, const QString& nome)
    {
        QTest::mouseClick(w->findChild<QPushButton*>(nome), Qt::LeftButton);
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreCampionato);
        stato().MostraPrimiPassi = false;
        stato().MostraSchedaCampionato = true;
        scriviRiga({-1, 1, -1, 0});  // what is in force need not be what the file holds
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void caricamento_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<bool>("voti");
        QTest::addColumn<QString>("opzione");
        QTest::newRow("cognome") << 1 << true << "Option1";
        QTest::newRow("nome e cognome senza voti") << 2 << false << "Option2";
        QTest::newRow("iniziale") << 3 << true << "Option3";
        QTest::newRow("valore sconosciuto") << 0 << true << "Option1";
    }
    void caricamento()
    {
        QFETCH(int, formato);
        QFETCH(bool, voti);
        QFETCH(QString, opzione);
        OpzioniDialog* w = apri(formato, voti);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Opzioni di visualizzazione"));
        QVERIFY(w->findChild<QRadioButton*>(opzione)->isChecked());
        QCOMPARE(w->findChild<QCheckBox*>("Check1")->isChecked(), voti);
    }

    // "Ok" applies the choice and writes all four settings, the two it does not show as they are in force.
    void ok_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<bool>("voti");
        QTest::addColumn<int>("formato");
        QTest::newRow("cognome") << "Option1" << true << 1;
        QTest::newRow("nome e cognome") << "Option2" << false << 2;
        QTest::newRow("iniziale") << "Option3" << true << 3;
    }
    void ok()
    {
        QFETCH(QString, opzione);
        QFETCH(bool, voti);
        QFETCH(int, formato);
        OpzioniDialog* w = apri(1, !voti);
        w->findChild<QRadioButton*>(opzione)->setChecked(true);
        w->findChild<QCheckBox*>("Check1")->setChecked(voti);
        clic(w, "Command1");
        QCOMPARE(stato().FormatoNome, formato);
        QCOMPARE(stato().MostraVoti, voti);
        QCOMPARE(rigaLetta(), (QVariantList{0, formato, voti ? -1 : 0, -1}));
        QVERIFY(!AmbienteTest::caricata("Form46"));
    }

    void annulla()
    {
        OpzioniDialog* w = apri(2, true);
        w->findChild<QRadioButton*>("Option3")->setChecked(true);
        w->findChild<QCheckBox*>("Check1")->setChecked(false);
        clic(w, "Command2");
        QCOMPARE(stato().FormatoNome, 2);
        QVERIFY(stato().MostraVoti);
        QCOMPARE(rigaLetta(), (QVariantList{-1, 1, -1, 0}));
        QVERIFY(!AmbienteTest::caricata("Form46"));
    }

    // Without the settings file the choice still applies for the rest of the run.
    void senzaFile()
    {
        QVERIFY(amb_->cartella().rimuovi("golvarno.def"));
        OpzioniDialog* w = apri(1, true);
        w->findChild<QRadioButton*>("Option3")->setChecked(true);
        amb_->messaggi().ok();
        clic(w, "Command1");
        QCOMPARE(amb_->messaggi().quanti(), 1);
        const auto m = amb_->messaggi().ultimo();
        QCOMPARE(m.testo,
                 QString("Attenzione: manca il file GOLVARNO.DEF \r\rNon è possibile salvare le impostazioni."));
        QCOMPARE(m.titolo, QString("Golvarno 2000"));
        QCOMPARE(m.icona, Messaggio::Icona::Nessuna);
        QCOMPARE(m.pulsanti, Messaggio::Pulsanti::Ok);
        QCOMPARE(stato().FormatoNome, 3);
        QVERIFY(!AmbienteTest::caricata("Form46"));
        QVERIFY(!QFile::exists(def()));
    }

    void fileSenzaRiga()
    {
        scriviRiga({});
        OpzioniDialog* w = apri(1, true);
        w->findChild<QRadioButton*>("Option2")->setChecked(true);
        clic(w, "Command1");
        QCOMPARE(stato().FormatoNome, 2);
        QCOMPARE(rigaLetta(), QVariantList());
        QVERIFY(!AmbienteTest::caricata("Form46"));
    }
};

QTEST_MAIN(TestOpzioni)
#include "tst_opzioni.moc"
