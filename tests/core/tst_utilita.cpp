#include "core/utilita.h"
#include "platform/cursore.h"

#include <fcntl.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TestUtilita : public QObject {
    Q_OBJECT
private slots:
    void media_data()
    {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<double>("atteso");
        QTest::newRow("1/3") << qint64(1) << qint64(3) << 0.3333;
        QTest::newRow("1/32") << qint64(1) << qint64(32) << 0.0312;  // 0.03125: the tie goes to the even digit
        QTest::newRow("3/32") << qint64(3) << qint64(32) << 0.0938;  // 0.09375: the tie goes to the even digit
        QTest::newRow("a zero") << qint64(0) << qint64(5) << 0.0;
        QTest::newRow("a negative") << qint64(-4) << qint64(2) << 0.0;
        QTest::newRow("whole") << qint64(10) << qint64(4) << 2.5;
        // 38 wins of 2147483647 points: exact, where single precision gives 2147483648.
        QTest::newRow("past a float's whole numbers") << qint64(81604378586) << qint64(38) << 2147483647.0;
    }
    void media()
    {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(double, atteso);
        QCOMPARE(Media(a, b), atteso);
    }

    void formattaTreCifre_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("0") << 0 << "000";
        QTest::newRow("7") << 7 << "007";
        QTest::newRow("42") << 42 << "042";
        QTest::newRow("100") << 100 << "100";
    }
    void formattaTreCifre()
    {
        QFETCH(int, n);
        QFETCH(QString, atteso);
        QCOMPARE(FormattaTreCifre(n), atteso);
    }

    void pari_data()
    {
        QTest::addColumn<QString>("v");
        QTest::addColumn<bool>("atteso");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("7") << "7" << false;
        QTest::newRow("-4") << "-4" << true;
        QTest::newRow("2,5") << "2,5" << false;
    }
    void pari()
    {
        QFETCH(QString, v);
        QFETCH(bool, atteso);
        QCOMPARE(Pari(v), atteso);
    }

    void val_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("atteso");
        QTest::newRow("12abc") << "12abc" << 12;
        QTest::newRow("leading blank") << " 7" << 7;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("decimal") << "6,5" << 6;
    }
    void val()
    {
        QFETCH(QString, testo);
        QFETCH(int, atteso);
        QCOMPARE(Val(testo), atteso);
    }

    void nullInVuotoEVuotoInSpazio()
    {
        QVERIFY(ValDecimale("6,5") == 6.5 && ValDecimale("7.5x") == 7.5 && ValDecimale("S.V.") == 0.0);
        QCOMPARE(NullInVuoto(QVariant()), QString());
        QCOMPARE(NullInVuoto(QVariant(QMetaType::fromType<int>())), QString());
        QCOMPARE(NullInVuoto(0), QString("0"));
        QCOMPARE(NullInVuoto(6.5), QString("6,5"));
        QCOMPARE(VuotoInSpazio(""), QString(" "));
        QCOMPARE(VuotoInSpazio("  "), QString("  "));
    }

    void esisteFile()
    {
        QTemporaryDir dir;
        QVERIFY(!EsisteFile(dir.path()));
        QVERIFY(!EsisteFile(dir.filePath("manca.txt")));
        QFile f(dir.filePath("c'è.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(EsisteFile(f.fileName()));
        QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
        if (QFile(f.fileName()).open(QIODevice::ReadOnly) == false)  // root can read anything
            QVERIFY(!EsisteFile(f.fileName()));
        QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        // Links are followed to what they lead to; a pipe, straight or through a link, is never opened. The test
        // holds it open for writing, so that a check that did open it would come back (true) instead of waiting.
        const QString pipe = dir.filePath("pipe.bmp");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const int scrittore = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(scrittore >= 0 && QFile::link(pipe, dir.filePath("al tubo.bmp")) &&
                QFile::link(f.fileName(), dir.filePath("al file.bmp")) &&
                QFile::link(dir.filePath("manca.txt"), dir.filePath("a niente.bmp")));
        QVERIFY(!EsisteFile(pipe) && !EsisteFile(dir.filePath("al tubo.bmp")));
        QVERIFY(EsisteFile(dir.filePath("al file.bmp")) && !EsisteFile(dir.filePath("a niente.bmp")));
        // Pictures are read only from what it admits: a pipe gives none, as does a file that holds no picture.
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(dir.filePath("vera.bmp")));
        QVERIFY(CaricaBitmap(pipe).isNull() && CaricaBitmap(f.fileName()).isNull());
        QCOMPARE(CaricaBitmap(dir.filePath("vera.bmp")).size(), QSize(4, 4));
        ::close(scrittore);
    }

    void cursoreNonSiAnnida()
    {
        CursoreAttesa();
        CursoreAttesa();
        QVERIFY(Cursore::inAttesa());
        CursoreNormale();
        QVERIFY(!Cursore::inAttesa());
        QVERIFY(!QApplication::overrideCursor());
        CursoreNormale();
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestUtilita)
#include "tst_utilita.moc"
