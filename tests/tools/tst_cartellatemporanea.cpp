#include "support/cartellatemporanea.h"

#include "platform/cartellaprogramma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestCartellaTemporanea : public QObject {
    Q_OBJECT
private slots:
    void completa() {
        const QString prima = CartellaProgramma();
        QString percorso;
        {
            CartellaTemporanea cartella;
            percorso = cartella.percorso();
            QCOMPARE(CartellaProgramma(), percorso);
            QCOMPARE(FileProgramma("golvarno.def"), cartella.file("golvarno.def"));
            QStringList attesi = {"golvarno.def", "golvarno.hlp", "Ammonito!.Bmp", "Espulso!.Bmp",
                                  "MicroV.Bmp",   "MicroP.Bmp",   "MicroS.Bmp"};
            for (int n = 6; n <= 20; n += 2)
                attesi << QString("S%1.DTA").arg(n);
            QStringList presenti = QDir(percorso).entryList(QDir::Files);
            attesi.sort();
            presenti.sort();
            QCOMPARE(presenti, attesi);
            // The program writes its settings file in place.
            QVERIFY(QFileInfo(cartella.file("golvarno.def")).isWritable());
        }
        QCOMPARE(CartellaProgramma(), prima);
        QVERIFY(!QDir(percorso).exists());
    }

    void senza_data() {
        QTest::addColumn<int>("omissioni");
        QTest::addColumn<QList<int>>("modelli");
        QTest::addColumn<QStringList>("mancanti");
        using C = CartellaTemporanea;
        QTest::newRow("guida") << int(C::SenzaGuida) << QList<int>{} << QStringList{"golvarno.hlp"};
        QTest::newRow("impostazioni") << int(C::SenzaImpostazioni) << QList<int>{} << QStringList{"golvarno.def"};
        QTest::newRow("bitmap") << int(C::SenzaBitmap) << QList<int>{}
                                << QStringList{"Ammonito!.Bmp", "Espulso!.Bmp", "MicroV.Bmp", "MicroP.Bmp",
                                               "MicroS.Bmp"};
        QTest::newRow("un modello") << int(C::Nessuna) << QList<int>{16} << QStringList{"S16.DTA"};
        QTest::newRow("due modelli, guida e impostazioni")
            << int(C::SenzaGuida | C::SenzaImpostazioni) << QList<int>{6, 20}
            << QStringList{"S6.DTA", "S20.DTA", "golvarno.hlp", "golvarno.def"};
    }
    void senza() {
        QFETCH(int, omissioni);
        QFETCH(QList<int>, modelli);
        QFETCH(QStringList, mancanti);
        CartellaTemporanea cartella(CartellaTemporanea::Omissioni(omissioni), modelli);
        const QStringList presenti = QDir(cartella.percorso()).entryList(QDir::Files);
        QCOMPARE(presenti.size(), 15 - mancanti.size());
        for (const QString& m : mancanti)
            QVERIFY2(!presenti.contains(m), qPrintable(m));
    }

    void annidate() {
        const QString prima = CartellaProgramma();
        CartellaTemporanea esterna;
        {
            CartellaTemporanea interna(CartellaTemporanea::SenzaGuida);
            QCOMPARE(CartellaProgramma(), interna.percorso());
            QVERIFY(!QFile::exists(FileProgramma("golvarno.hlp")));
            // Each folder is a copy of its own: changing one leaves the other as it was.
            QVERIFY(interna.rimuovi("S8.DTA"));
            QVERIFY(!QFile::exists(interna.file("S8.DTA")));
            QVERIFY(QFile::exists(esterna.file("S8.DTA")));
        }
        QCOMPARE(CartellaProgramma(), esterna.percorso());
        QVERIFY(QFile::exists(FileProgramma("golvarno.hlp")));
        QVERIFY(prima != esterna.percorso());
    }
};

QTEST_MAIN(TestCartellaTemporanea)
#include "tst_cartellatemporanea.moc"
