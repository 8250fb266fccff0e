#include "core/cercagiornate.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QList<int> daA(int da, int a)
{
    QList<int> l;
    for (int i = da; i <= a; ++i) l << i;
    return l;
}
}  // namespace

class TestCercaGiornate : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    int file_ = 0;

    // A file with only GIORNATA rows, stored in the order `ordine`, with these legs played.
    void calendario(const QList<int>& ordine, const QList<int>& andate, const QList<int>& ritorni)
    {
        ChiudiDbCampionato();
        stato().PercorsoCampionato = dir_.filePath(QStringLiteral("g%1.GVN").arg(++file_));
        CreaDatabase();
        Transazione t;
        for (int n : ordine)
            Esegui("INSERT INTO GIORNATA (NUMERO, DATAAND, DATARIT, DISPAND, DISPRIT) VALUES (?, ' ', ' ', ?, ?)",
                   {n, Flag(andate.contains(n)), Flag(ritorni.contains(n))});
        t.commit();
    }

private slots:
    void init()
    {
        AzzeraStato();
        stato().GiornataCorrente = 77;  // sentinels: "unchanged" is checked against them
        stato().Andata = false;
    }
    void cleanupTestCase() { ChiudiDbCampionato(); }

    void giornate_data()
    {
        QTest::addColumn<QList<int>>("ordine");
        QTest::addColumn<QList<int>>("andate");
        QTest::addColumn<QList<int>>("ritorni");
        QTest::addColumn<int>("esitoDaGiocare");
        QTest::addColumn<int>("daGiocare");  // match day; -1 unchanged
        QTest::addColumn<bool>("daGiocareAndata");
        QTest::addColumn<int>("esitoUltima");
        QTest::addColumn<int>("ultima");
        QTest::addColumn<bool>("ultimaAndata");

        const QList<int> quindici = daA(1, 15);
        QTest::newRow("calendario vuoto")
            << QList<int>{} << QList<int>{} << QList<int>{} << 3 << -1 << false << 3 << -1 << false;
        QTest::newRow("nessuna giocata") << quindici << QList<int>{} << QList<int>{} << 1 << 1 << true << 2 << 1
                                         << true;
        QTest::newRow("andate 1, 2, 4") << quindici << QList<int>{1, 2, 4} << QList<int>{} << 1 << 3 << true << 1 << 4
                                        << true;
        QTest::newRow("andate tutte, ritorni 1-6")
            << quindici << quindici << daA(1, 6) << 1 << 7 << false << 1 << 6 << false;
        QTest::newRow("andate tutte, nessun ritorno")
            << quindici << quindici << QList<int>{} << 1 << 1 << false << 1 << 15 << true;
        QTest::newRow("tutto giocato") << quindici << quindici << quindici << 2 << -1 << false << 1 << 15 << false;
        QTest::newRow("solo l'ultima andata")
            << quindici << QList<int>{15} << QList<int>{} << 1 << 1 << true << 1 << 15 << true;
        QTest::newRow("ultima andata e un ritorno isolato")
            << quindici << QList<int>{15} << QList<int>{3} << 1 << 1 << true << 1 << 3 << false;
        // Match days stored out of number order: "the last" follows the stored order, "the next" the number.
        QTest::newRow("ordine diverso dal numero")
            << QList<int>{1, 2, 5, 3, 4} << QList<int>{1, 2, 5, 3} << QList<int>{} << 1 << 4 << true << 1 << 3 << true;
        QTest::newRow("ordine diverso, ritorni")
            << QList<int>{2, 1, 3} << QList<int>{1, 2, 3} << QList<int>{1, 2} << 1 << 3 << false << 1 << 1 << false;
        // The last stored row with its first leg played is not day T: the return leg is not looked at.
        QTest::newRow("giornata T non per ultima")
            << QList<int>{1, 3, 2} << QList<int>{1, 2, 3} << QList<int>{} << 1 << 1 << false << 1 << 2 << true;
    }

    void giornate()
    {
        QFETCH(QList<int>, ordine);
        QFETCH(QList<int>, andate);
        QFETCH(QList<int>, ritorni);
        QFETCH(int, esitoDaGiocare);
        QFETCH(int, daGiocare);
        QFETCH(bool, daGiocareAndata);
        QFETCH(int, esitoUltima);
        QFETCH(int, ultima);
        QFETCH(bool, ultimaAndata);
        calendario(ordine, andate, ritorni);

        QCOMPARE(GiornataDaGiocare(), esitoDaGiocare);
        QCOMPARE(QPair(stato().GiornataCorrente, stato().Andata),
                 daGiocare < 0 ? QPair(77, false) : QPair(daGiocare, daGiocareAndata));

        stato().GiornataCorrente = 77;
        stato().Andata = false;
        QCOMPARE(UltimaGiornataGiocata(), esitoUltima);
        QCOMPARE(QPair(stato().GiornataCorrente, stato().Andata),
                 ultima < 0 ? QPair(77, false) : QPair(ultima, ultimaAndata));
    }

    // Only 0 is "not played"; only -1 is "played" (a flag written as 1 is neither).
    void soloZeroEMenoUno()
    {
        calendario({1, 2, 3}, {1, 2, 3}, {});
        Esegui("UPDATE GIORNATA SET DISPAND = 1 WHERE NUMERO = 2");
        Esegui("UPDATE GIORNATA SET DISPRIT = NULL WHERE NUMERO = 1");
        QVERIFY(GiornataDaGiocare() == 1 && stato().GiornataCorrente == 2 && !stato().Andata);
        Esegui("UPDATE GIORNATA SET DISPAND = 1 WHERE NUMERO = 3");
        QVERIFY(UltimaGiornataGiocata() == 1 && stato().GiornataCorrente == 1 && stato().Andata);
    }

    void senzaCampionatoAperto()
    {
        ChiudiDbCampionato();
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, GiornataDaGiocare());
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, UltimaGiornataGiocata());
    }
};

QTEST_GUILESS_MAIN(TestCercaGiornate)
#include "tst_cercagiornate.moc"
