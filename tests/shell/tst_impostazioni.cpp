#include "core/database.h"
#include "core/stato.h"
#include "shell/impostazioni.h"
#include "support/cartellatemporanea.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

// The settings database of the program folder, read once at start-up and written by the options.
class TestImpostazioni : public QObject {
    Q_OBJECT

    // Rewrites the first row of the settings file (or empties the table when `riga` is empty).
    static void scriviRiga(const QString& percorso, const QVariantList& riga)
    {
        QSqlDatabase db = ApriConnessione("prova", percorso, false, false);
        Esegui("DELETE FROM Impostazioni", {}, db);
        if (!riga.isEmpty())
            Esegui("INSERT INTO Impostazioni (VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda) "
                   "VALUES (?, ?, ?, ?)",
                   riga, db);
        db = QSqlDatabase();
        ChiudiConnessione("prova");
    }

    static QVariantList rigaLetta(const QString& percorso)
    {
        QSqlDatabase db = ApriConnessione("prova", percorso, true, false);
        QVariantList r;
        {
            Query q("SELECT VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda FROM Impostazioni", {},
                    db);
            if (q.primo())
                for (int i = 0; i < 4; ++i) r << q.intero(i);
        }
        db = QSqlDatabase();
        ChiudiConnessione("prova");
        return r;
    }

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

        QTest::newRow("riga completa") << 0 << QVariantList{0, 2, -1, 0} << true << false << 2 << true << false;
        QTest::newRow("stile 3") << 0 << QVariantList{-1, 3, 0, -1} << true << true << 3 << false << true;
        // Only the stored true value (-1) counts as set.
        QTest::newRow("vero come 1") << 0 << QVariantList{1, 1, 1, 1} << true << false << 1 << false << false;
        QTest::newRow("campi vuoti") << 0 << QVariantList{QVariant(), QVariant(), QVariant(), QVariant()} << true
                                     << false << 1 << false << false;
        QTest::newRow("stile 0") << 0 << QVariantList{-1, 0, -1, -1} << true << true << 1 << true << true;
        QTest::newRow("stile 4") << 0 << QVariantList{-1, 4, -1, -1} << true << true << 1 << true << true;
        QTest::newRow("senza file") << 1 << QVariantList{} << false << true << 1 << true << true;
        QTest::newRow("senza riga") << 2 << QVariantList{} << false << true << 1 << true << true;
        QTest::newRow("file illeggibile") << 3 << QVariantList{} << false << true << 1 << true << true;
    }
    void leggi()
    {
        QFETCH(int, caso);
        QFETCH(QVariantList, riga);
        QFETCH(bool, dalFile);
        CartellaTemporanea cartella;
        const QString def = cartella.file("golvarno.def");
        stato().PercorsoImpostazioni = def;
        if (caso == 0) scriviRiga(def, riga);
        if (caso == 1) QVERIFY(cartella.rimuovi("golvarno.def"));
        if (caso == 2) scriviRiga(def, {});
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

    void scriviAggiornaLaPrimaRiga()
    {
        CartellaTemporanea cartella;
        stato().PercorsoImpostazioni = cartella.file("golvarno.def");
        QVERIFY(Impostazioni::scrivi({{"VisualizzaScheda", FALSO}, {"ViewOption", 3}}));
        QCOMPARE(rigaLetta(stato().PercorsoImpostazioni), (QVariantList{-1, 3, -1, 0}));
        QVERIFY(!QSqlDatabase::contains("DbImpostazioni"));
    }

    void scriviSenzaFileOSenzaRiga()
    {
        CartellaTemporanea cartella;
        stato().PercorsoImpostazioni = cartella.file("golvarno.def");
        scriviRiga(stato().PercorsoImpostazioni, {});
        QVERIFY(!Impostazioni::scrivi({{"VisualizzaVoti", FALSO}}));
        QVERIFY(rigaLetta(stato().PercorsoImpostazioni).isEmpty());

        QVERIFY(cartella.rimuovi("golvarno.def"));
        QVERIFY(!Impostazioni::scrivi({{"VisualizzaVoti", FALSO}}));
        QVERIFY(!QFile::exists(stato().PercorsoImpostazioni));
    }

    void scriviRifiutaUnCampoSconosciuto()
    {
        CartellaTemporanea cartella;
        stato().PercorsoImpostazioni = cartella.file("golvarno.def");
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, Impostazioni::scrivi({{"Altro", 1}}));
        QCOMPARE(rigaLetta(stato().PercorsoImpostazioni), (QVariantList{-1, 1, -1, -1}));
    }
};

QTEST_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"
