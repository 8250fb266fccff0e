#include "ambientemdi.h"
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
        ScriviRigaImpostazioni({-1, 1, -1, 0});  // what is in force need not be what the file holds
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
        QTest::newRow("nome e cognome senza voti") << 2 << false << "Option2";
        QTest::newRow("valore sconosciuto") << 0 << true << "Option1";
    }
    void caricamento()
    {
        QFETCH(int, formato);
        QFETCH(bool, voti);
        QFETCH(QString, opzione);
        OpzioniDialog* w = apri(formato, voti);
        QVERIFY(w->findChild<QRadioButton*>(opzione)->isChecked());
        QCOMPARE(w->findChild<QCheckBox*>("Check1")->isChecked(), voti);
    }

    // "Ok" applies the choice and writes all four settings, the two it does not show as they are in force;
    // without the file, or its row, the choice still applies for the rest of the run. "Annulla" changes nothing.
    void chiusura_data()
    {
        QTest::addColumn<QString>("file");  // "riga", "senza riga", "senza file"
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<bool>("voti");
        QTest::addColumn<int>("formato");   // in force afterwards
        QTest::addColumn<QString>("riga");  // the file's row afterwards
        // clang-format off
        QTest::newRow("ok, nome e cognome") << "riga" << "Command1" << "Option2" << false << 2 << "0 2 0 -1";
        QTest::newRow("ok, iniziale") << "riga" << "Command1" << "Option3" << true << 3 << "0 3 -1 -1";
        QTest::newRow("annulla") << "riga" << "Command2" << "Option2" << true << 3 << "-1 1 -1 0";
        QTest::newRow("file senza riga") << "senza riga" << "Command1" << "Option2" << true << 2 << "";
        QTest::newRow("senza file") << "senza file" << "Command1" << "Option2" << true << 2 << "";
        // clang-format on
    }
    void chiusura()
    {
        QFETCH(QString, file);
        QFETCH(QString, pulsante);
        QFETCH(QString, opzione);
        QFETCH(bool, voti);
        QFETCH(int, formato);
        QFETCH(QString, riga);
        if (file == "senza riga") ScriviRigaImpostazioni({});
        if (file == "senza file") QVERIFY(amb_->cartella().rimuovi("golvarno.def"));
        OpzioniDialog* w = apri(3, !voti);
        w->findChild<QRadioButton*>(opzione)->setChecked(true);
        w->findChild<QCheckBox*>("Check1")->setChecked(voti);
        if (file == "senza file") amb_->messaggi().ok();
        clic(w, pulsante);
        QVERIFY(!AmbienteTest::caricata("Form46"));
        QCOMPARE(stato().FormatoNome, formato);
        QCOMPARE(stato().MostraVoti, pulsante == "Command1" ? voti : !voti);
        if (file == "senza file") {
            QCOMPARE(amb_->messaggi().ultimo().testo,
                     "Attenzione: manca il file GOLVARNO.DEF \r\rNon è possibile salvare le impostazioni.");
            QVERIFY(!QFile::exists(stato().PercorsoImpostazioni));
        } else {
            QCOMPARE(RigaImpostazioni(), riga);
        }
    }
};

QTEST_MAIN(TestOpzioni)
#include "tst_opzioni.moc"
