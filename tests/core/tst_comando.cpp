#include "core/comando.h"
#include "core/database.h"
#include "core/utilita.h"
#include "platform/cursore.h"
#include "support/seammessaggi.h"

#include <future>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <thread>

using namespace Qt::StringLiterals;

using Tipo = ErroreDatabase::Tipo;
Q_DECLARE_METATYPE(ErroreDatabase::Tipo)

namespace {

// A small database file with one table, on its own connection named `nome`.
QSqlDatabase conTabella(const QString& nome, const QString& percorso)
{
    QSqlDatabase db = ApriConnessione(nome, percorso);
    Esegui("CREATE TABLE IF NOT EXISTS Prova (Valore BLOB)", {}, db);
    return db;
}

}  // namespace

class TestComando : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (const char* nome : {"a", "b"}) ChiudiConnessione(nome);
        CursoreNormale();
    }

    // The engine's error codes, primary or extended, read as what the user can act on; a missing
    // table or field is named.
    void codiciDelMotore_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("parole");
        QTest::addColumn<Tipo>("tipo");
        QTest::addColumn<QString>("testo");  // "": the kind's own reason
        QTest::newRow("occupato") << u"5"_s << "database is locked" << Tipo::FileInUso << "";
        QTest::newRow("occupato, esteso") << u"517"_s << "" << Tipo::FileInUso << "";
        QTest::newRow("bloccato") << u"6"_s << "" << Tipo::FileInUso << "";
        QTest::newRow("sola lettura") << u"8"_s << "" << Tipo::SoloLettura << "";
        QTest::newRow("cartella di sola lettura") << u"1544"_s << "" << Tipo::SoloLettura << "";
        QTest::newRow("lettura dal disco") << u"266"_s << "" << Tipo::LetturaScrittura << "";
        QTest::newRow("salvataggio interrotto, file di sola lettura")
            << u"776"_s << "" << Tipo::SalvataggioInterrotto << "";
        QTest::newRow("salvataggio interrotto, cartella di sola lettura")
            << u"2570"_s << "" << Tipo::SalvataggioInterrotto << "";
        QTest::newRow("danneggiato") << u"11"_s << "" << Tipo::Danneggiato << "";
        QTest::newRow("disco pieno") << u"13"_s << "" << Tipo::DiscoPieno << "";
        QTest::newRow("non apribile") << u"14"_s << "" << Tipo::NonAccessibile << "";
        QTest::newRow("non un database") << u"26"_s << "" << Tipo::Danneggiato << "";
        QTest::newRow("vincolo") << u"19"_s << "UNIQUE constraint failed: Squadra.Nome" << Tipo::Generico << "";
        QTest::newRow("senza codice") << u""_s << "" << Tipo::Generico << "";
        QTest::newRow("tabella mancante")
            << u"1"_s << "no such table: Giornata" << Tipo::DatiMancanti << "Nel file manca la tabella Giornata.";
        QTest::newRow("campo mancante") << u"1"_s << "no such column: Voto" << Tipo::DatiMancanti
                                        << "Nel file manca il campo Voto.";
        QTest::newRow("sintassi") << u"1"_s << "near \"(\": syntax error" << Tipo::Generico << "";
    }
    void codiciDelMotore()
    {
        QFETCH(QString, codice);
        QFETCH(QString, parole);
        QFETCH(Tipo, tipo);
        QFETCH(QString, testo);
        const ErroreDatabase e(QSqlError("driver", parole, QSqlError::StatementError, codice), "SELECT 1");
        QCOMPARE(e.tipo(), tipo);
        QCOMPARE(e.testo(), testo.isEmpty() ? ErroreDatabase::motivo(tipo) : testo);
        QCOMPARE(e.istruzione(), QString("SELECT 1"));
    }

    // Real failures of a file: the user reads the reason in Italian, never the statement nor the
    // engine's words, and the hourglass is gone.
    void guastiDelFile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Tipo>("tipo");
        QTest::newRow("in uso da un'altra connessione") << "bloccato" << Tipo::FileInUso;
        QTest::newRow("aperto in sola lettura") << "sola lettura" << Tipo::SoloLettura;
        QTest::newRow("non un database") << "testo" << Tipo::Danneggiato;
        QTest::newRow("spazio finito") << "pieno" << Tipo::DiscoPieno;
        QTest::newRow("letto da un'altra connessione al commit") << "commit" << Tipo::FileInUso;
        QTest::newRow("errore di sintassi") << "sintassi" << Tipo::Generico;
    }
    void guastiDelFile()
    {
        QFETCH(QString, caso);
        QFETCH(Tipo, tipo);
        QTemporaryDir cartella;
        const QString file = cartella.filePath("campionato.gvn");
        QString sql = "INSERT INTO Prova VALUES (zeroblob(100000))";
        if (caso == "testo") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Questo file non contiene un campionato.\n").repeated(100));
        } else {
            conTabella("b", file);
        }
        if (caso != "bloccato" && caso != "commit") ChiudiConnessione("b");
        QSqlDatabase db = ApriConnessione("a", file, caso == "sola lettura", false);
        if (caso == "bloccato") Esegui("BEGIN EXCLUSIVE", {}, QSqlDatabase::database("b"));
        // Another connection in the middle of a read: the save waits for it at its commit, then gives up.
        if (caso == "commit") Esegui("BEGIN", {}, QSqlDatabase::database("b"));
        if (caso == "commit") Valore("SELECT 1 FROM Prova", {}, QSqlDatabase::database("b"));
        if (caso == "pieno") Esegui("PRAGMA max_page_count = 3", {}, db);
        if (caso == "sintassi") sql = "INSERT INTO Prova VALUES (";

        MessaggiDiTest m;
        m.ok();
        Tipo letto = Tipo::Generico;
        QString istruzione;
        CursoreAttesa();
        QVERIFY(!EseguiComando("Salvataggio", [&] {
            try {
                Transazione t(db);
                Esegui(sql, {}, db);
                t.commit();
            } catch (const ErroreDatabase& e) {
                letto = e.tipo();
                istruzione = e.istruzione();
                throw;
            }
        }));
        QCOMPARE(letto, tipo);
        QCOMPARE(istruzione, caso == "commit" ? "COMMIT" : sql);
        QCOMPARE(m.ultimo().titolo, QString("Salvataggio"));
        QCOMPARE(m.ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(m.ultimo().testo, TestoErroreDati(ErroreDatabase::motivo(tipo)));
        QVERIFY(!Cursore::inAttesa());
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // While another program holds the file the statement waits with the hourglass showing, goes on
    // once the file is free, and the normal pointer is back as soon as the program is idle.
    void attesaDelFileInUso()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath("campionato.gvn");
        QSqlDatabase db = conTabella("a", file);
        std::promise<void> bloccato;
        std::thread altroProgramma([&] {
            {
                QSqlDatabase altro = conTabella("b", file);
                Esegui("BEGIN EXCLUSIVE", {}, altro);
                bloccato.set_value();
                QThread::msleep(300);
                Esegui("COMMIT", {}, altro);
            }
            ChiudiConnessione("b");
        });
        bloccato.get_future().wait();
        QElapsedTimer tempo;
        tempo.start();
        bool riuscito = false;
        try {
            Esegui("INSERT INTO Prova VALUES (1)", {}, db);
            riuscito = true;
        } catch (const ErroreDatabase&) {
        }
        const qint64 atteso = tempo.elapsed();
        const bool attesaMostrata = Cursore::inAttesa();
        altroProgramma.join();
        QVERIFY(riuscito);
        QVERIFY2(atteso >= 250, qPrintable(QString::number(atteso)));
        QVERIFY(attesaMostrata);
        QTRY_VERIFY(!Cursore::inAttesa());
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
