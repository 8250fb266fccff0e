#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

// The championship file as the system defines it, written out by hand: table, then "FIELD TYPE" in order.
// A counter reads "COUNTER"; CHIHASOST holds an appearance key: 32-bit, like the counter it points to.
const QList<QPair<QString, QString>> ATTESO{
    {"CAMPIONATO", "GIORNATEINS INTEGER, NUMSQUADRE INTEGER, PUNTIVIT INTEGER, PUNTIX INTEGER, PUNTISC INTEGER, DENOM "
                   "VARCHAR(200), NUMERAZIONE BYTE, CODCAMP COUNTER"},
    {"SQUADRA", "CODICE COUNTER, NOME VARCHAR(30), CITTA VARCHAR(30), SEDE VARCHAR(100), TEL VARCHAR(30), ALLENATORE "
                "VARCHAR(30), PRESIDENTE VARCHAR(50), CAMPO VARCHAR(100), NOTE VARCHAR(200), PENALITA SMALLINT, COLORI "
                "VARCHAR(50), FAX VARCHAR(50)"},
    {"PARTITA",
     "GIORNATANUM INTEGER, DISPAND INTEGER, DISPRIT INTEGER, DATAAND VARCHAR(50), DATARIT VARCHAR(50), HAND "
     "VARCHAR(50), HRIT VARCHAR(50), SQ1 VARCHAR(30), SQ2 VARCHAR(30), G1A SMALLINT, G2A SMALLINT, G1R SMALLINT, G2R "
     "SMALLINT, NOTE VARCHAR(100), CODPART COUNTER, RIGA SMALLINT, ARBITROA VARCHAR(200), GUARDALINEEA VARCHAR(200), "
     "CONDCLIMATICHEA VARCHAR(200), TERRENOA VARCHAR(200), SPETTATORIA VARCHAR(200), ARBITROR VARCHAR(200), "
     "GUARDALINEER VARCHAR(200), CONDCLIMATICHER VARCHAR(200), TERRENOR VARCHAR(200), SPETTATORIR VARCHAR(200), TIRI1A "
     "VARCHAR(4), TIRIPORTA1A VARCHAR(4), OFFSIDE1A VARCHAR(4), FALLI1A VARCHAR(4), POSSESSO1A VARCHAR(4), TIRI1R "
     "VARCHAR(4), TIRIPORTA1R VARCHAR(4), OFFSIDE1R VARCHAR(4), FALLI1R VARCHAR(4), POSSESSO1R VARCHAR(4), TIRI2A "
     "VARCHAR(4), TIRIPORTA2A VARCHAR(4), OFFSIDE2A VARCHAR(4), FALLI2A VARCHAR(4), POSSESSO2A VARCHAR(4), TIRI2R "
     "VARCHAR(4), TIRIPORTA2R VARCHAR(4), OFFSIDE2R VARCHAR(4), FALLI2R VARCHAR(4), POSSESSO2R VARCHAR(4), CORNER1A "
     "VARCHAR(4), CORNER2A VARCHAR(4), CORNER1R VARCHAR(4), CORNER2R VARCHAR(4)"},
    {"GIORNATA", "NUMERO SMALLINT, DATAAND VARCHAR(50), DATARIT VARCHAR(50), DISPAND SMALLINT, DISPRIT SMALLINT, "
                 "RIPOSA VARCHAR(30)"},
    {"GIOCATORE",
     "NOME VARCHAR(30), COGNOME VARCHAR(30), DATANASC VARCHAR(15), CODICE COUNTER, RUOLO VARCHAR(20), NUMERO SMALLINT, "
     "RETI INTEGER, AMMONIZIONI INTEGER, SQUALIFICHE INTEGER, CODSQUADRA INTEGER, FOTO VARCHAR(250), LUOGONASC "
     "VARCHAR(30), NAZIONE VARCHAR(20), ALTEZZA VARCHAR(10), PESO VARCHAR(10), NOTE VARCHAR(200)"},
    {"RETI", "CODPART INTEGER, CODGIOCATORE INTEGER, MINUTO INTEGER, NOTE VARCHAR(250), GIRONE SMALLINT, SQUADRA "
             "VARCHAR(30), TIPO SMALLINT, CODICE COUNTER"},
    {"PRESENZE",
     "CODICE COUNTER, GIRONE SMALLINT, GIORNATA SMALLINT, CODPARTITA INTEGER, CODGIOCATORE INTEGER, NOME VARCHAR(255), "
     "NUMMAGLIA SMALLINT, AMMONITO SMALLINT, RETI SMALLINT, AUTORETI SMALLINT, RIGA SMALLINT, TITOLARE SMALLINT, "
     "SOSTITUITO SMALLINT, SQUADRA VARCHAR(50), NOTE VARCHAR(255), CHIHASOST INTEGER, VOTO CURRENCY"},
    {"PUNTISQUADRE", "NOME VARCHAR(30), GIOCATE SMALLINT, PUNTI SMALLINT, VINTEINCASA SMALLINT, PERSEINCASA SMALLINT, "
                     "XINCASA SMALLINT, VINTEFUORI SMALLINT, PERSEFUORI SMALLINT, XFUORI SMALLINT, GFATTICASA "
                     "SMALLINT, GSUBITICASA SMALLINT, GFATTIFUORI SMALLINT, GSUBITIFUORI SMALLINT, DIFFRETI SMALLINT, "
                     "TOTALEFATTI SMALLINT, TOTALEVINTE SMALLINT, TOTALESUBITI SMALLINT, MEDIAINGLESE SMALLINT"},
};

// The counter of each table that has one.
const QList<QPair<QString, QString>> CONTATORI{{"CAMPIONATO", "CODCAMP"}, {"SQUADRA", "CODICE"},
                                               {"PARTITA", "CODPART"},    {"GIOCATORE", "CODICE"},
                                               {"RETI", "CODICE"},        {"PRESENZE", "CODICE"}};

QStringList filesIn(const QString& cartella) { return QDir(cartella).entryList(QDir::Files | QDir::Hidden); }

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString nuovo(const QString& nome)
    {
        ChiudiDbCampionato();
        stato().PercorsoCampionato = dir_.filePath(nome);
        CreaDatabase();
        return stato().PercorsoCampionato;
    }

private slots:
    void init() { AzzeraStato(); }
    void cleanup() { ChiudiDbCampionato(); }

    void tabelle_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QStringList>("campi");
        for (const auto& [tabella, campi] : ATTESO)
            QTest::newRow(qPrintable(tabella)) << tabella << campi.split(QStringLiteral(", "));
    }
    // Every field in its place with its declared type; counters are the rowid with AUTOINCREMENT.
    void tabelle()
    {
        QFETCH(QString, tabella);
        QFETCH(QStringList, campi);
        nuovo(QStringLiteral("t_%1.GVN").arg(tabella));
        QStringList trovati;
        Query q(QStringLiteral("PRAGMA table_info(%1)").arg(tabella));
        while (q.next()) {
            const bool contatore = q.intero("pk") == 1;
            if (contatore) QCOMPARE(q.testo("type"), QStringLiteral("INTEGER"));
            trovati << q.testo("name") + ' ' + (contatore ? QStringLiteral("COUNTER") : q.testo("type"));
        }
        QCOMPARE(trovati, campi);
        const QString sql = Valore("SELECT sql FROM sqlite_master WHERE name = ?", {tabella}).toString();
        QCOMPARE(sql.count("AUTOINCREMENT"), campi.filter(" COUNTER").size());
        QCOMPARE(sql.count("COLLATE NOCASE"), campi.filter(" VARCHAR(").size());
    }

    void fileNuovoVuoto()
    {
        const QString percorso = nuovo("vuoto.GVN");
        QCOMPARE(DbCampionato().databaseName(), percorso);
        QStringList tabelle;
        Query q("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence' ORDER BY rowid");
        while (q.next()) tabelle << q.testo(0);
        QCOMPARE(tabelle, (QStringList{"CAMPIONATO", "SQUADRA", "PARTITA", "GIORNATA", "GIOCATORE", "RETI", "PRESENZE",
                                       "PUNTISQUADRE"}));
        QCOMPARE(Valore("SELECT COUNT(*) FROM sqlite_master WHERE type NOT IN ('table')").toInt(), 0);
        for (const QString& t : tabelle) QCOMPARE(Valore(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t)).toInt(), 0);
        QVERIFY(TabelleMancanti(DbCampionato().connectionName()).isEmpty());
        QCOMPARE(Valore("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
    }

    void contatoriDaUnoMaiRiusati_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("contatore");
        for (const auto& [t, c] : CONTATORI) QTest::newRow(qPrintable(t)) << t << c;
    }
    void contatoriDaUnoMaiRiusati()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, contatore);
        nuovo(QStringLiteral("c_%1.GVN").arg(tabella));
        const QString inserisci = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tabella);
        const QStringList cancella{QStringLiteral("DELETE FROM %1 WHERE %2 = 2").arg(tabella, contatore),
                                   QStringLiteral("DELETE FROM %1").arg(tabella)};
        for (int atteso = 1; atteso <= 4; ++atteso) {
            QCOMPARE(Query(inserisci).ultimoId().toInt(), atteso);
            if (atteso >= 2 && atteso <= 3) Esegui(cancella[atteso - 2]);
        }
    }

    // Keys past the 16-bit range: stored and handed over without loss.
    void chiaviOltre32767()
    {
        nuovo("chiavi.GVN");
        Esegui("INSERT INTO PRESENZE (NOME) VALUES ('primo')");
        Esegui("UPDATE sqlite_sequence SET seq = 40000 WHERE name = 'PRESENZE'");
        Query sostituito("INSERT INTO PRESENZE (NOME, CODGIOCATORE) VALUES ('uscito', ?)", {70000});
        const int codice = sostituito.ultimoId().toInt();
        Esegui("INSERT INTO PRESENZE (NOME, CHIHASOST, CODPARTITA) VALUES ('entrato', ?, ?)", {codice, 33000});
        Query q("SELECT CHIHASOST, CODPARTITA FROM PRESENZE WHERE NOME = 'entrato'");
        QVERIFY(q.next());
        stato().CodSostituzione = q.intero("CHIHASOST");
        stato().CodPartitaCorrente = q.intero("CODPARTITA");
        QCOMPARE(stato().CodSostituzione, 40001);
        QCOMPARE(stato().CodPartitaCorrente, 33000);
        QCOMPARE(Valore("SELECT CODGIOCATORE FROM PRESENZE WHERE CODICE = ?", {stato().CodSostituzione}).toInt(),
                 70000);
    }

    void rifiutaFileEsistente()
    {
        const QString percorso = dir_.filePath("esiste.GVN");
        {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("dati dell'utente");
        }
        const QStringList prima = filesIn(dir_.path());
        stato().PercorsoCampionato = percorso;
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, CreaDatabase());
        QVERIFY(!DbCampionatoAperto());
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("dati dell'utente"));
        QCOMPARE(filesIn(dir_.path()), prima);
    }

    // A failed creation leaves no file behind, and the championship in use stays open.
    void nessunFileSeFallisce()
    {
        const QString aperto = nuovo("in_uso.GVN");
        const QStringList prima = filesIn(dir_.path());
        stato().PercorsoCampionato = dir_.filePath("manca/nuovo.GVN");
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, CreaDatabase());
        QCOMPARE(filesIn(dir_.path()), prima);
        QVERIFY(DbCampionatoAperto() && DbCampionato().databaseName() == aperto);

        stato().PercorsoCampionato.clear();
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, CreaDatabase());
        QCOMPARE(filesIn(dir_.path()), prima);

        // A folder that cannot be written is called so (also made immutable: permissions do not bind every user).
        QTemporaryDir chiusa;
        QFile::setPermissions(chiusa.path(), QFile::ReadOwner | QFile::ExeOwner);
        QProcess::execute("chattr", {"+i", chiusa.path()});
        if (QFile prova(chiusa.filePath("prova")); prova.open(QIODevice::WriteOnly)) {
            prova.remove();
            QProcess::execute("chattr", {"-i", chiusa.path()});
            QSKIP("Here no folder can be made read-only for this user");
        }
        stato().PercorsoCampionato = chiusa.filePath("nuovo.GVN");
        QString motivo;
        try {
            CreaDatabase();
        } catch (const ErroreDatabase& e) {
            motivo = e.testo();
        }
        QProcess::execute("chattr", {"-i", chiusa.path()});
        QVERIFY2(motivo.startsWith("Nella cartella " + chiusa.path() + " non si possono scrivere file"),
                 qPrintable(motivo));
    }

    // A file takes its name only when complete: while its first rows are written nothing stands under that
    // name, so a crash then leaves no half-made championship that would open without complaint.
    void nomeSoloAFileCompleto()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath("completo.GVN");
        bool esisteDurante = true;
        CreaFileCampionato(percorso, [&](QSqlDatabase db) {
            esisteDurante = QFileInfo::exists(percorso);
            Esegui("INSERT INTO CAMPIONATO (DENOM) VALUES ('Serie A')", {}, db);
        });
        QVERIFY(!esisteDurante);
        QCOMPARE(filesIn(cartella.path()), QStringList{"completo.GVN"});
        {
            QSqlDatabase db = ApriConnessione("completo", percorso, true, false);
            QCOMPARE(Valore("SELECT DENOM FROM CAMPIONATO", {}, db).toString(), QStringLiteral("Serie A"));
        }
        ChiudiConnessione("completo");
    }

    // What a crash while creating a name left beside it goes with the next creation of that name; files of
    // other names, and anything that only looks like such a leftover, stay.
    void avanziDiUnaCreazioneInterrotta()
    {
        QTemporaryDir cartella;
        const auto scrivi = [&](const QString& nome) {
            QFile f(cartella.filePath(nome));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        };
        const auto id = [] { return QUuid::createUuid().toString(QUuid::Id128); };
        const QString avanzo = ".Serie A (2).GVN." + id() + ".tmp";
        const QStringList restano{".Serie A (2).GVN.tmp",
                                  ".Serie A (2).GVN." + id() + ".tmp.bak",
                                  ".Serie AA (2).GVN." + id() + ".tmp",
                                  ".serie a (2).GVN." + id() + ".tmp",
                                  "Serie A (2).GVN." + id() + ".tmp",
                                  ".Serie A (2).GVN.12345.tmp",
                                  ".Serie A (2).GVN." + id().toUpper() + ".tmp"};
        for (const QString& nome : restano + QStringList{avanzo, avanzo + "-journal"}) scrivi(nome);
        const QString collegamento = ".Serie A (2).GVN." + id() + ".tmp";
        QVERIFY(QFile::link(cartella.filePath(restano[0]), cartella.filePath(collegamento)));

        CreaFileCampionato(cartella.filePath("Serie A (2).GVN"));
        QStringList attesi = restano + QStringList{collegamento, "Serie A (2).GVN"};
        attesi.sort(Qt::CaseInsensitive);
        QCOMPARE(filesIn(cartella.path()), attesi);
    }

    void creaFileSenzaToccareIlCampionatoAperto()
    {
        const QString aperto = nuovo("aperto.GVN");
        const QString altro = dir_.filePath("altro.GVN");
        CreaFileCampionato(altro);
        QVERIFY(QFile::exists(altro));
        QCOMPARE(DbCampionato().databaseName(), aperto);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
