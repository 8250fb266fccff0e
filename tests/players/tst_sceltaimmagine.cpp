#include "aiutigiocatori.h"
#include "core/stato.h"
#include "players/finestregiocatori.h"
#include "players/sceltaimmaginedialog.h"
#include "support/ambientetest.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>

// The image picker: the file it hands back, or nothing.
class TestSceltaImmagine : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFICA_NESSUN_MESSAGGIO_INATTESO(); }

    void scelta_data()
    {
        QTest::addColumn<QString>("come");
        QTest::addColumn<bool>("scelto");
        QTest::newRow("Ok") << "scelto" << true;
        QTest::newRow("Ok senza file") << "ok" << false;
        QTest::newRow("Ok dopo un cambio di cartella") << "cartella" << false;
        QTest::newRow("Annulla") << "annulla" << false;
        QTest::newRow("chiusura") << "chiudi" << false;
    }
    void scelta()
    {
        QFETCH(QString, come);
        QFETCH(bool, scelto);
        AmbienteTest a(RegistraFinestreGiocatori);
        const QString cartella = QDir::current().filePath("immagini");
        QVERIFY(QDir().mkpath(cartella + "/sotto"));
        QImage i(40, 50, QImage::Format_RGB32);
        i.fill(Qt::red);
        QVERIFY(i.save(cartella + "/a.bmp", "BMP"));
        stato().PercorsoImmagine = "prima";
        if (come == "ok" || come == "cartella") a.messaggi().ok();
        QVERIFY(ConModale(SceltaImmagineDialog::Id, [&](QWidget* f) {
            auto* w = qobject_cast<SceltaImmagineDialog*>(f);
            w->apriCartella(cartella);
            auto* file = w->findChild<QListWidget*>("File1");
            file->setCurrentItem(file->findItems("a.bmp", Qt::MatchExactly).value(0));
            if (come == "annulla") return w->findChild<QPushButton*>("Command2")->click();
            if (come == "chiudi") return (void)w->close();
            if (come == "ok") file->setCurrentRow(-1);
            if (come == "cartella") w->apriCartella(cartella + "/sotto");
            w->findChild<QPushButton*>("Command1")->click();
        }));
        QCOMPARE(stato().PercorsoImmagine, scelto ? cartella + "/a.bmp" : QString());
        QVERIFY(!AmbienteTest::caricata(SceltaImmagineDialog::Id));
    }
};

QTEST_MAIN(TestSceltaImmagine)
#include "tst_sceltaimmagine.moc"
