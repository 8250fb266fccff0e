#include "ambientemdi.h"
#include "shell/impostazioni.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

// The settings database of the program folder, read once at start-up and written by the options.
class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void init() { AzzeraStato(); }

    void leggi_data()
    {
        QTest::addColumn<int>("caso");  // 0 row, 1 no file, 2 no row, 3 unreadable file
        QTest::addColumn<QVariantList>("riga");
        QTest::addColumn<bool>("dalFile");
        QTest::addColumn<bool>("primiPassi");
        QTest::addColumn<int>("formato");
        QTest::addColumn<bool>("voti");
        QTest::addColumn<bool>("scheda");

        // clang-format off
        QTest::newRow("riga completa") << 0 << QVariantList{0, 2, -1, 0} << true << false << 2 << true << false;
        QTest::newRow("stile 3") << 0 << QVariantList{-1, 3, 0, -1} << true << true << 3 << false << true;
        // Only the stored true value (-1) counts as set.
        QTest::newRow("vero come 1") << 0 << QVariantList{1, 1, 1, 1} << true << false << 1 << false << false;
        QTest::newRow("campi vuoti") << 0 << QVariantList{QVariant(), QVariant(), QVariant(), QVariant()} << true << false << 1 << false << false;
        QTest::newRow("stile 4") << 0 << QVariantList{-1, 4, -1, -1} << true << true << 1 << true << true;
        QTest::newRow("senza file") << 1 << QVariantList{} << false << true << 1 << true << true;
        QTest::newRow("senza riga") << 2 << QVariantList{} << false << true << 1 << true << true;
        QTest::newRow("file illeggibile") << 3 << QVariantList{} << false << true << 1 << true << true;
        // clang-format on
    }
    void leggi()
    {
        QFETCH(int, caso);
        QFETCH(QVariantList, riga);
        QFETCH(bool, dalFile);
        CartellaTemporanea cartella;
        const QString def = cartella.file("golvarno.def");
        stato().PercorsoImpostazioni = def;
        if (caso == 0 || caso == 2) ScriviRigaImpostazioni(riga);
        if (caso == 1) QVERIFY(cartella.rimuovi("golvarno.def"));
        if (caso == 3) {
            QFile f(def);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("questo non è un database");
        }
        QFETCH(bool, primiPassi);
        QFETCH(int, formato);
        QFETCH(bool, voti);
        QFETCH(bool, scheda);
        // Start from the opposite of every expected value.
        stato().MostraPrimiPassi = !primiPassi;
        stato().FormatoNome = 9;
        stato().MostraVoti = !voti;
        stato().MostraSchedaCampionato = !scheda;

        QCOMPARE(Impostazioni::leggi(), dalFile);
        QCOMPARE(stato().MostraPrimiPassi, primiPassi);
        QCOMPARE(stato().FormatoNome, formato);
        QCOMPARE(stato().MostraVoti, voti);
        QCOMPARE(stato().MostraSchedaCampionato, scheda);
        // The file is never created nor left open.
        QCOMPARE(QFile::exists(def), caso != 1);
        QVERIFY(!QSqlDatabase::contains("DbImpostazioni"));
    }

    // A write changes the first row's named fields only; without the file or its row nothing is written, and
    // an unknown field is refused.
    void scrivi()
    {
        CartellaTemporanea cartella;
        stato().PercorsoImpostazioni = cartella.file("golvarno.def");
        QVERIFY(Impostazioni::scrivi({{"VisualizzaScheda", FALSO}, {"ViewOption", 3}}));
        QCOMPARE(RigaImpostazioni(), "-1 3 -1 0");
        QVERIFY(!QSqlDatabase::contains("DbImpostazioni"));
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, Impostazioni::scrivi({{"Altro", 1}}));
        QCOMPARE(RigaImpostazioni(), "-1 3 -1 0");

        ScriviRigaImpostazioni({});
        QVERIFY(!Impostazioni::scrivi({{"VisualizzaVoti", FALSO}}));
        QCOMPARE(RigaImpostazioni(), QString());
        QVERIFY(cartella.rimuovi("golvarno.def"));
        QVERIFY(!Impostazioni::scrivi({{"VisualizzaVoti", FALSO}}));
        QVERIFY(!QFile::exists(stato().PercorsoImpostazioni));
    }
};

QTEST_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
