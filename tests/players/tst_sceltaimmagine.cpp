#include "aiutigiocatori.h"
#include "core/stato.h"
#include "players/finestregiocatori.h"
#include "support/ambientetest.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QStorageInfo>

namespace {

void Immagine(const QString& percorso, QSize lato)
{
    QImage i(lato, QImage::Format_RGB32);
    i.fill(QColor(200, 60, 40));
    QVERIFY(i.save(percorso, "BMP"));
}

}  // namespace

// The image picker: what it lists, what it hands back, and its preview.
class TestSceltaImmagine : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;
    QString cartella_;

    static void modale(const std::function<void(SceltaImmagineDialog*)>& azioni)
    {
        ConSceltaImmagine(azioni, [] { Finestre::istanza().mostraModale(SceltaImmagineDialog::Id); });
    }
    static QListWidget* file(QWidget* w) { return w->findChild<QListWidget*>("File1"); }
    static void evidenzia(QWidget* w, const QString& nome)
    {
        file(w)->setCurrentItem(file(w)->findItems(nome, Qt::MatchExactly).value(0));
    }

private slots:
    void init()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreGiocatori);
        cartella_ = QDir::current().filePath("immagini");
        QVERIFY(QDir().mkpath(cartella_ + "/sotto"));
        Immagine(cartella_ + "/a.bmp", {40, 50});
        Immagine(cartella_ + "/B.BMP", {800, 600});
        Rotta(cartella_ + "/c.Bmp");
        Immagine(cartella_ + "/d.png", {40, 50});
        Rotta(cartella_ + "/e.txt");
        stato().PercorsoImmagine = "prima";
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void elenco()
    {
        QStringList nomi;
        QString cartellaIniziale, drive, nodo;
        QStringList figli;
        modale([&](SceltaImmagineDialog* w) {
            cartellaIniziale = w->cartella();
            drive = w->findChild<QComboBox*>("Drive1")->currentData().toString();
            w->apriCartella(cartella_);
            for (int i = 0; i < file(w)->count(); ++i) nomi << file(w)->item(i)->text();
            QTreeWidgetItem* n = w->findChild<QTreeWidget*>("Dir1")->currentItem();
            nodo = n->text(0);
            for (int i = 0; i < n->childCount(); ++i) figli << n->child(i)->text(0);
            evidenzia(w, "B.BMP");
            w->findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(cartellaIniziale, QDir::currentPath());
        QCOMPARE(drive, QStorageInfo(cartella_).rootPath());
        QCOMPARE(nomi, QStringList({"a.bmp", "B.BMP", "c.Bmp"}));
        QCOMPARE(nodo, QString("immagini"));
        QCOMPARE(figli, QStringList({"sotto"}));
        QCOMPARE(stato().PercorsoImmagine, cartella_ + "/B.BMP");
        QVERIFY(!AmbienteTest::caricata(SceltaImmagineDialog::Id));
    }

    void senzaScelta_data()
    {
        QTest::addColumn<QString>("come");
        QTest::newRow("Ok senza file") << "ok";
        QTest::newRow("Ok dopo un cambio di cartella") << "cartella";
        QTest::newRow("Annulla") << "annulla";
        QTest::newRow("chiusura") << "chiudi";
    }
    void senzaScelta()
    {
        QFETCH(QString, come);
        if (come == "ok" || come == "cartella") a_->messaggi().ok();
        modale([&](SceltaImmagineDialog* w) {
            w->apriCartella(cartella_);
            evidenzia(w, "a.bmp");
            if (come == "annulla") return w->findChild<QPushButton*>("Command2")->click();
            if (come == "chiudi") return (void)w->close();
            if (come == "ok") file(w)->setCurrentRow(-1);
            if (come == "cartella") w->apriCartella(cartella_ + "/sotto");
            w->findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(stato().PercorsoImmagine, QString());
        QVERIFY(!AmbienteTest::caricata(SceltaImmagineDialog::Id));
    }

    void anteprima()
    {
        a_->messaggi().ok().ok();
        QSize vista;
        bool aperta = false, tenuta = false;
        modale([&](SceltaImmagineDialog* w) {
            auto* image1 = w->findChild<QLabel*>("Image1");
            auto* command3 = w->findChild<QPushButton*>("Command3");
            w->apriCartella(cartella_);
            command3->click();  // no file highlighted
            evidenzia(w, "B.BMP");
            command3->click();
            vista = image1->pixmap().size();
            evidenzia(w, "c.Bmp");
            command3->click();
            tenuta = image1->pixmap().size() == vista;
            aperta = AmbienteTest::caricata(SceltaImmagineDialog::Id);
            // "Ok" still takes a file the preview refused: the photo commands check it.
            w->findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(a_->messaggi().ultimo().titolo, QString("File non valido"));
        QCOMPARE(vista, QSize(218, 163));  // 800 x 600 scaled down into the box inside its frame
        QVERIFY(tenuta);
        QVERIFY(aperta);
        QCOMPARE(stato().PercorsoImmagine, cartella_ + "/c.Bmp");
    }
};

QTEST_MAIN(TestSceltaImmagine)
#include "tst_sceltaimmagine.moc"
