#include "aiutigiocatori.h"
#include "core/stato.h"
#include "players/finestregiocatori.h"
#include "players/sceltaimmaginedialog.h"
#include "support/ambientetest.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <sys/stat.h>

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

    // Only regular files are listed (a pipe, also behind a link, is never read); a picture larger than the
    // loader takes is called too large in the preview.
    void fileRegolari()
    {
        AmbienteTest a(RegistraFinestreGiocatori);
        const QString cartella = QDir::current().filePath("immagini");
        QVERIFY(QDir().mkpath(cartella + "/cartella.bmp"));
        QImage i(600, 600, QImage::Format_RGB32);
        i.fill(Qt::blue);
        QVERIFY(i.save(cartella + "/grande.bmp", "BMP"));
        QCOMPARE(::mkfifo(QFile::encodeName(cartella + "/tubo.bmp").constData(), 0600), 0);
        QVERIFY(QFile::link(cartella + "/tubo.bmp", cartella + "/al tubo.bmp") &&
                QFile::link(cartella + "/grande.bmp", cartella + "/alla grande.bmp"));
        const int limite = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1);  // MB: less than the 600 x 600 picture takes
        a.messaggi().ok();
        QVERIFY(ConModale(SceltaImmagineDialog::Id, [&](QWidget* f) {
            auto* w = qobject_cast<SceltaImmagineDialog*>(f);
            w->apriCartella(cartella);
            auto* file = w->findChild<QListWidget*>("File1");
            QStringList elencati;
            for (int r = 0; r < file->count(); ++r) elencati << file->item(r)->text();
            QCOMPARE(elencati, (QStringList{"alla grande.bmp", "grande.bmp"}));
            auto* cartelle = w->findChild<QTreeWidget*>("Dir1")->currentItem();
            QCOMPARE(cartelle->childCount(), 1);
            QCOMPARE(cartelle->child(0)->text(0), QString("cartella.bmp"));
            file->setCurrentRow(1);
            w->findChild<QPushButton*>("Command3")->click();
            w->findChild<QPushButton*>("Command2")->click();
        }));
        QImageReader::setAllocationLimit(limite);
        QCOMPARE(a.messaggi().ultimo().titolo, QString("Immagine troppo grande"));
        QVERIFY(a.messaggi().ultimo().testo.startsWith("L'immagine selezionata è troppo grande (600 x 600 punti)"));
    }
};

QTEST_MAIN(TestSceltaImmagine)
#include "tst_sceltaimmagine.moc"
