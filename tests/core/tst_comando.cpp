#include "core/comando.h"
#include "core/database.h"
#include "core/utilita.h"
#include "platform/cursore.h"
#include "support/seammessaggi.h"

#include <QTest>

class TestComando : public QObject {
    Q_OBJECT
private slots:
    void riuscito()
    {
        MessaggiDiTest m;
        int eseguito = 0;
        QVERIFY(EseguiComando("Prova", [&] { ++eseguito; }));
        QCOMPARE(eseguito, 1);
        QCOMPARE(m.quanti(), 0);
    }

    void erroreDatabaseDiventaMessaggio()
    {
        MessaggiDiTest m;
        m.ok();
        CursoreAttesa();
        QVERIFY(!EseguiComando("Classifica", [] { throw ErroreDatabase("disk I/O error"); }));
        QCOMPARE(m.quanti(), 1);
        QCOMPARE(m.ultimo().titolo, QString("Classifica"));
        QCOMPARE(m.ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(m.ultimo().testo.contains("disk I/O error"));
        QVERIFY(!Cursore::inAttesa());  // the hourglass never stays on after a failure
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void interrogazioneSenzaDatabase()
    {
        MessaggiDiTest m;
        m.ok();
        QVERIFY(!EseguiComando("Prova", [] { Query q("SELECT 1", {}, QSqlDatabase()); }));
        QCOMPARE(m.quanti(), 1);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }
};

QTEST_MAIN(TestComando)
#include "tst_comando.moc"
