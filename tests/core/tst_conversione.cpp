#include "core/conversione.h"
#include "core/database.h"
#include "core/schema.h"
#include "support/fixturecampionato.h"
#include "support/vecchioformato.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray impronta(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A value of one row of the converted copy, as text ("NULL" for Null).
QString campo(QSqlDatabase db, const QString& sql, qint64 chiave)
{
    const QVariant v = Valore(sql, {chiave}, db);
    return v.isNull() ? QStringLiteral("NULL") : v.toString();
}

QStringList campiTabella(QSqlDatabase db, const QString& tabella)
{
    QStringList c;
    Query q("SELECT name FROM pragma_table_info(?)", {tabella}, db);
    while (q.next()) c << q.testo(0).toUpper();
    return c;
}

// Every value of every table, with the type it is stored with, row by row.
QStringList contenuto(QSqlDatabase db)
{
    QStringList righe;
    for (const TabellaSchema& t : SchemaCampionato()) {
        QStringList valori;
        for (const QString& c : campiTabella(db, t.nome)) valori << u"'%1=' || typeof(%1) || ':' || quote(%1)"_s.arg(c);
        Query q(u"SELECT %1 FROM %2 ORDER BY rowid"_s.arg(valori.join(" || ' ' || "), t.nome), {}, db);
        while (q.next()) righe << t.nome + ' ' + q.testo(0);
    }
    return righe;
}

// Runs ConvertiFile and opens the copy on a connection named "copia".
QSqlDatabase converti(const QString& vecchio, const QString& copia)
{
    ConvertiFile(vecchio, copia);
    return ApriConnessione("copia", copia, true, false);
}

}  // namespace

class TstConversione : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ChiudiConnessione("copia"); }

    void inserisciPrimaDelPunto_data();
    void inserisciPrimaDelPunto();
    void minuti_data();
    void minuti();
    void presenze();
    void sostituzioni();
    void fileCompleto();
    void numeriInTesto();
    void codiciSemplici();
    void rifiuti_data();
    void rifiuti();
    void erroreCancellaLaCopia();

private:
    QTemporaryDir dir_;
};

void TstConversione::inserisciPrimaDelPunto_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("nome") << u"C:\\Dati\\Serie A.GVN"_s << "C:\\Dati\\Serie A 2000.GVN";
    QTest::newRow("due punti nel nome") << u"Serie A 98.99.GVN"_s << "Serie A 98 2000.99.GVN";
    QTest::newRow("punto in una cartella") << u"C:\\Dati.old\\Serie A.GVN"_s << "C:\\Dati 2000.old\\Serie A.GVN";
    QTest::newRow("punto iniziale") << u".GVN"_s << " 2000.GVN";
    QTest::newRow("vuoto") << u""_s << "";
    QTest::newRow("senza punto") << u"C:\\Dati\\Serie A"_s << "";
}

void TstConversione::inserisciPrimaDelPunto()
{
    QFETCH(QString, s);
    QFETCH(QString, atteso);
    QCOMPARE(InserisciPrimaDelPunto(s, " 2000"), atteso);
}

void TstConversione::minuti_data()
{
    QTest::addColumn<QVariant>("vecchio");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("45") << QVariant(45) << "45";
    QTest::newRow("46") << QVariant(46) << "101";
    QTest::newRow("90") << QVariant(90) << "145";
    QTest::newRow("0") << QVariant(0) << "0";
    QTest::newRow("vuoto") << QVariant() << "NULL";
    QTest::newRow("30 come testo") << QVariant("30") << "30";  // compared by its numeric value
}

void TstConversione::minuti()
{
    QFETCH(QVariant, vecchio);
    QFETCH(QString, atteso);
    const QString percorso = dir_.filePath(QStringLiteral("minuti %1.gvn").arg(QTest::currentDataTag()));
    qint64 presenza = 0, rete = 0;
    {
        VecchioFormato f(percorso, true);
        const qint64 codPart = f.partita(1, "Alba", "Bari");
        presenza = f.presenza(1, 1, "Alba", -1, 5, vecchio);
        rete = f.rete(codPart, 2, "Bari", vecchio);
    }
    ConvertiMinutiSostituzioni(ApriConnessione("copia", percorso));
    ConvertiMinutiReti(QSqlDatabase::database("copia"));
    const QSqlDatabase db = QSqlDatabase::database("copia");
    QCOMPARE(campo(db, "SELECT SOSTITUITO FROM PRESENZE WHERE CODICE = ?", presenza), atteso);
    QCOMPARE(campo(db, "SELECT MINUTO FROM RETI WHERE CODICE = ?", rete), atteso);
    QCOMPARE(campo(db, "SELECT GIRONE FROM RETI WHERE CODICE = ?", rete), QString("2"));
}

void TstConversione::presenze()
{
    const QString percorso = dir_.filePath("presenze.gvn");
    VecchioFormato f(percorso, true);
    const qint64 p1 = f.partita(1, "Alba", "Sant'Elia");
    const qint64 p2 = f.partita(1, "Bari", "Como");
    const qint64 p3 = f.partita(2, "Como", "Alba");
    f.partita(2, "Alba", "Bari");  // a second row of Alba in round 2: the first stored one counts
    f.inserisci("PARTITA", {{"GIORNATANUM", "abc"}, {"SQ1", "Bari"}, {"SQ2", " "}});  // round read as 0
    // girone, giornata, squadra -> expected CODPARTITA and GIRONE
    const struct {
        QVariant girone, giornata;
        QString squadra;
        QString codPartita, girone2;
    } casi[] = {
        {1, 1, "Alba", QString::number(p1), "-1"},
        {2, 1, "Sant'Elia", QString::number(p1), "0"},
        {QVariant(), 1, "COMO", QString::number(p2), "0"},
        {1, 2, "Alba", QString::number(p3), "-1"},
        {2, 3, "Alba", "77", "0"},            // no match that round: keeps its value
        {1, QVariant(), "Bari", "77", "-1"},  // empty round: keeps its value
        {1, "", "Bari", "77", "-1"},          // so does an empty text
        {1, 0, " ", "77", "-1"},              // and a blank team
        {1, 2, "Dora", "77", "-1"},           // a team without matches
        // leg and round held as text
        {"1", "1", "Bari", QString::number(p2), "-1"},
    };
    QVector<qint64> righe;
    for (const auto& c : casi) righe << f.presenza(c.girone, c.giornata, c.squadra, -1, 1, 0, 77);

    CollegaPresenze(f.db());
    for (int i = 0; i < righe.size(); ++i) {
        QCOMPARE(campo(f.db(), "SELECT CODPARTITA FROM PRESENZE WHERE CODICE = ?", righe[i]), casi[i].codPartita);
        QCOMPARE(campo(f.db(), "SELECT GIRONE FROM PRESENZE WHERE CODICE = ?", righe[i]), casi[i].girone2);
    }
}

void TstConversione::sostituzioni()
{
    const QString percorso = dir_.filePath("sostituzioni.gvn");
    VecchioFormato f(percorso, true);
    // Alba, round 4, first leg: two players replaced, the later one stored first. The substitutes are
    // paired in ascending RIGA (-2 before -1), whatever their stored order; a third one is left over.
    const qint64 tardi = f.presenza(-1, 4, "Alba", -1, 3, 170);
    const qint64 presto = f.presenza(-1, 4, "Alba", -1, 8, 120);
    const qint64 menoUno = f.presenza(-1, 4, "Alba", 0, -1);
    const qint64 menoDue = f.presenza(-1, 4, "Alba", 0, -2);
    const qint64 inPiu = f.presenza(-1, 4, "Alba", 0, 12);
    // Same round, other leg and other team: each stays with its own.
    const qint64 ritornoSost = f.presenza(0, 4, "Alba", -1, 2, 110);
    const qint64 ritornoEntrato = f.presenza(0, 4, "Alba", 0, -1);
    const qint64 baria = f.presenza(-1, 4, "Bari", -1, 2, 130);
    const qint64 bariEntrato = f.presenza(-1, 4, "bari", 0, -1);
    const qint64 senzaSostituto = f.presenza(-1, 5, "Alba", -1, 4, 140);
    const qint64 titolare = f.presenza(-1, 4, "Alba", -1, 5, 0);
    // A chain (round 6): T1 replaced C, then T2 replaced T1. T2 (RIGA -2) comes first and takes the first
    // replacement, C; T1 is left with a replaced player he would be himself: he stays unlinked.
    const qint64 c = f.presenza(-1, 6, "Alba", -1, 7, 115);
    const qint64 t1 = f.presenza(-1, 6, "Alba", 0, -1, 135);
    const qint64 t2 = f.presenza(-1, 6, "Alba", 0, -2);
    // Round 7, every value held as text: compared and ordered by its numeric value.
    const qint64 trenta = f.presenza(-1, 7, "Alba", "-1", 3, "30");
    const qint64 nove = f.presenza(-1, 7, "Alba", "-1", 8, "9");
    const qint64 zero = f.presenza(-1, 7, "Alba", "-1", 2, "0");
    const qint64 entraPrima = f.presenza(-1, 7, "Alba", "0", -2);
    const qint64 entraDopo = f.presenza(-1, 7, "Alba", "0", -1);

    AggiornaStruttura(percorso);
    CollegaSostituzioni(f.db());
    auto chi = [&f](qint64 codice) { return campo(f.db(), "SELECT CHIHASOST FROM PRESENZE WHERE CODICE = ?", codice); };
    QCOMPARE(chi(menoDue), QString::number(presto));
    QCOMPARE(chi(menoUno), QString::number(tardi));
    QCOMPARE(chi(ritornoEntrato), QString::number(ritornoSost));
    QCOMPARE(chi(bariEntrato), QString::number(baria));
    QCOMPARE(chi(t2), QString::number(c));
    QCOMPARE(chi(entraPrima), QString::number(nove));
    QCOMPARE(chi(entraDopo), QString::number(trenta));
    for (qint64 sostituito : {presto, tardi, ritornoSost, c, nove, trenta}) QCOMPARE(chi(sostituito), QString("-1"));
    for (qint64 libero : {inPiu, senzaSostituto, titolare, t1, zero}) QCOMPARE(chi(libero), QString("NULL"));
}

void TstConversione::fileCompleto()
{
    const QString vecchio = dir_.filePath("Serie A.GVN");
    qint64 sostituito = 0, entrato = 0, rete = 0;
    {
        VecchioFormato f(vecchio);
        f.inserisci("CAMPIONATO", {{"GIORNATEINS", 1}, {"NUMSQUADRE", 2}, {"DENOM", "L'Aquila cup"}});
        f.inserisci("GIORNATA", {{"NUMERO", 1}});
        f.squadra("L'Aquila");
        f.squadra("Bari");
        f.inserisci("GIOCATORE", {{"COGNOME", "Rossi"}, {"CODSQUADRA", 1}});
        const qint64 p = f.partita(1, "L'Aquila", "Bari");
        sostituito = f.presenza(2, 1, "L'Aquila", -1, 7, 80);
        entrato = f.presenza(2, 1, "L'Aquila", 0, -1);
        rete = f.rete(p, 2, "L'Aquila", 88);
    }
    const QByteArray prima = impronta(vecchio);
    {
        const QSqlDatabase db = converti(vecchio, dir_.filePath("Serie A 2000.GVN"));

        QCOMPARE(impronta(vecchio), prima);
        QCOMPARE(TabelleMancanti("copia"), QStringList());
        QVERIFY(campiTabella(db, "GIOCATORE").contains("FOTO") && campiTabella(db, "PRESENZE").contains("VOTO"));
        QCOMPARE(campo(db, "SELECT NUMERAZIONE FROM CAMPIONATO WHERE CODCAMP = ?", 1), QString("NULL"));
        QCOMPARE(campo(db, "SELECT DENOM FROM CAMPIONATO WHERE CODCAMP = ?", 1), QString("L'Aquila cup"));
        // Every pass ran: matches linked, minutes moved, substitutes paired.
        QCOMPARE(campo(db, "SELECT CODPARTITA FROM PRESENZE WHERE CODICE = ?", entrato), QString("1"));
        QCOMPARE(campo(db, "SELECT SOSTITUITO FROM PRESENZE WHERE CODICE = ?", sostituito), QString("135"));
        QCOMPARE(campo(db, "SELECT CHIHASOST FROM PRESENZE WHERE CODICE = ?", entrato), QString::number(sostituito));
        QCOMPARE(campo(db, "SELECT MINUTO FROM RETI WHERE CODICE = ?", rete), QString("143"));
    }
}

// A file that holds its numbers as text, as an import from text files makes it, converts to the same copy,
// value by value and type by type, as one that holds them as numbers.
void TstConversione::numeriInTesto()
{
    const QString numeri = dir_.filePath("numeri.gvn"), testo = dir_.filePath("testo.gvn");
    VecchioFormato::creaStagione(numeri, 6);
    VecchioFormato::creaStagione(testo, 6, true);
    const QStringList atteso = contenuto(converti(numeri, dir_.filePath("numeri 2000.gvn")));
    ChiudiConnessione("copia");
    QCOMPARE(contenuto(converti(testo, dir_.filePath("testo 2000.gvn"))), atteso);
}

// A file whose counters are plain whole numbers converts to the values and declarations of one with counters: in
// its copy a new row gets the next code.
void TstConversione::codiciSemplici()
{
    const QString contatori = dir_.filePath("contatori.gvn"), semplici = dir_.filePath("semplici.gvn");
    VecchioFormato::creaStagione(contatori, 6);
    VecchioFormato::creaStagione(semplici, 6, false, true);
    const auto struttura = [](QSqlDatabase db) {
        QStringList s = contenuto(db);
        Query q("SELECT replace(sql, '\"', '') FROM sqlite_master WHERE name NOT LIKE 'sqlite%' ORDER BY name", {}, db);
        while (q.next()) s << q.testo(0);
        return s;
    };
    const QStringList atteso = struttura(converti(contatori, dir_.filePath("contatori 2000.gvn")));
    ChiudiConnessione("copia");
    QCOMPARE(struttura(converti(semplici, dir_.filePath("semplici 2000.gvn"))), atteso);
    ChiudiConnessione("copia");

    const QSqlDatabase db = ApriConnessione("copia", dir_.filePath("semplici 2000.gvn"));
    for (const TabellaSchema& t : SchemaCampionato())
        if (const QString c = ContatoreDi(t); !c.isEmpty()) {
            const qint64 ultimo = Valore(u"SELECT MAX(%1) FROM %2"_s.arg(c, t.nome), {}, db).toLongLong();
            Esegui(u"INSERT INTO %1 DEFAULT VALUES"_s.arg(t.nome), {}, db);
            QCOMPARE(
                Valore(u"SELECT %1 FROM %2 WHERE rowid = last_insert_rowid()"_s.arg(c, t.nome), {}, db).toLongLong(),
                ultimo + 1);
        }
}

void TstConversione::rifiuti_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("testo");
    QTest::newRow("formato attuale") << u"attuale"_s << "già nel formato di Golvarno 2000";
    QTest::newRow("non è un database") << u"testo"_s << "non è un file di dati di un campionato";
    QTest::newRow("manca una tabella") << u"tabella"_s << "mancano le tabelle RETI";
    QTest::newRow("manca un campo") << u"campo"_s << "manca il campo SOSTITUITO della tabella PRESENZE";
    QTest::newRow("file inesistente") << u"nessuno"_s << "non esiste";
    QTest::newRow("con un trigger") << u"trigger"_s << "(trigger)";
    QTest::newRow("testo in un campo numerico")
        << u"abc"_s
        << "Nella tabella PRESENZE, nella riga con CODICE 2, il campo GIORNATA contiene «abc», che non è "
           "un numero: il campo può contenere solo un numero intero, o restare vuoto.";
    QTest::newRow("decimale in un campo intero")
        << u"decimale"_s
        << "Nella tabella GIORNATA, nella riga n. 2, il campo NUMERO contiene «2.5», che non è un "
           "numero intero:";
    // A championship with codes written by another program, and one fault.
    QTest::newRow("testo nella penalità di una squadra")
        << u"tre"_s << "Nella tabella SQUADRA, nella riga con CODICE 3, il campo PENALITA contiene «tre»";
    QTest::newRow("senza dati generali") << u"senza campionato"_s << "Nel file mancano i dati generali del campionato";
    QTest::newRow("partite senza squadre")
        << u"senza squadre"_s << "La giornata 1 del file ha 2 partite, ma con 0 squadre se ne giocano al massimo 0.";
    QTest::newRow("codice doppio") << u"doppio"_s
                                   << "Nella tabella PARTITA le righe n. 1 e n. 2 hanno lo stesso CODPART (1)";
    QTest::newRow("codice vuoto") << u"senza codice"_s
                                  << "Nella tabella PARTITA, nella riga n. 2, il campo CODPART è vuoto";
    QTest::newRow("punti in testo oltre il campo")
        << u"punti"_s
        << "Nella tabella CAMPIONATO, nella riga con CODCAMP 1, il campo PUNTIVIT contiene «2147483648», che è fuori "
           "dai "
           "valori ammessi: il campo può contenere solo un numero intero da -2147483648 a 2147483647";
    QTest::newRow("minuto che la conversione porta oltre il campo")
        << u"minuto"_s
        << "Nella tabella PRESENZE, nella riga con CODICE 1, il campo SOSTITUITO contiene «32767», un minuto del "
           "secondo "
           "tempo che nel nuovo formato si scrive come 100 più i minuti dopo il 45° (32822)";
    QTest::newRow("gol al minuto che la conversione porta oltre il campo")
        << u"minuto gol"_s << "Nella tabella RETI, nella riga con CODICE 1, il campo MINUTO contiene «2147483600»";
    QTest::newRow("giornate senza numeri di riga")
        << u"senza rowid"_s
        << "Nel file la tabella GIORNATA è registrata senza i numeri di riga con cui Golvarno 2000 ritrova le righe";
    QTest::newRow("due squadre con un nome")
        << u"nome doppio"_s << "Nel file due squadre si chiamano «Bari» e «bari », nomi che il programma non distingue";
}

void TstConversione::rifiuti()
{
    QFETCH(QString, tipo);
    QFETCH(QString, testo);
    QTemporaryDir dir;
    const QString vecchio = dir.filePath("vecchio.gvn");
    if (tipo == "attuale") {
        CreaFileCampionato(vecchio);
    } else if (tipo == "testo") {
        QFile f(vecchio);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("Questo non è un campionato.\n").repeated(200));
    } else if (tipo == "tabella" || tipo == "campo" || tipo == "trigger" || tipo == "abc" || tipo == "decimale") {
        VecchioFormato f(vecchio, tipo == "abc");
        if (tipo == "abc") {
            f.presenza(1, "1", "Alba", -1, 1);
            f.presenza(1, "abc", "Alba", -1, 2);
        } else if (tipo == "decimale") {
            f.inserisci("GIORNATA", {{"NUMERO", 1}});
            f.inserisci("GIORNATA", {{"NUMERO", "2.5"}});
        } else if (tipo == "tabella")
            Esegui("DROP TABLE RETI", {}, f.db());
        else if (tipo == "campo")
            Esegui("ALTER TABLE PRESENZE DROP COLUMN SOSTITUITO", {}, f.db());
        else
            Esegui("CREATE TRIGGER t AFTER UPDATE ON PRESENZE BEGIN UPDATE SQUADRA SET NOTE = 'x'; END", {}, f.db());
    } else if (tipo != "nessuno") {
        VecchioFormato f(vecchio, false, true);
        if (tipo != "senza campionato") f.inserisci("CAMPIONATO", {{"DENOM", "A"}});
        if (tipo != "senza squadre")
            for (const char* nome : {"Alba", "Bari", "Como", "Dora"}) f.squadra(nome);
        if (tipo == "tre") Esegui("UPDATE SQUADRA SET PENALITA = 'tre' WHERE rowid = 3", {}, f.db());
        if (tipo == "punti") Esegui("UPDATE CAMPIONATO SET PUNTIVIT = ' 2147483648'", {}, f.db());
        if (tipo == "minuto") f.presenza(1, 1, "Alba", -1, 1, 32767);
        if (tipo == "minuto gol") f.rete(1, 1, "Alba", 2147483600);
        if (tipo == "nome doppio") f.squadra("bari ");
        if (tipo == "senza rowid") SenzaNumeriDiRiga(f.db(), u"GIORNATA"_s);
        f.inserisci("PARTITA", {{"GIORNATANUM", 1}, {"CODPART", 1}});
        f.inserisci("PARTITA", {{"GIORNATANUM", 1},
                                {"CODPART", tipo == "doppio"         ? 1
                                            : tipo == "senza codice" ? QVariant()
                                                                     : 2}});
    }
    const QByteArray prima = impronta(vecchio);
    const QString copia = dir.filePath("vecchio 2000.gvn");
    try {
        ConvertiFile(vecchio, copia);
        QFAIL("file convertito");
    } catch (const ErroreDatabase& e) {
        QVERIFY2(e.testo().contains(testo), qPrintable(e.testo()));
    }
    QVERIFY(!QFile::exists(copia));
    QCOMPARE(impronta(vecchio), prima);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), tipo == "nessuno" ? 0 : 1);
}

// A pass that fails half-way: the copy is deleted, the old file is untouched.
void TstConversione::erroreCancellaLaCopia()
{
    QTemporaryDir dir;
    const QString vecchio = dir.filePath("rotto.gvn");
    {
        VecchioFormato f(vecchio);
        f.inserisci("CAMPIONATO", {{"DENOM", "Rotto"}});
        f.squadra("Alba");
        f.squadra("Bari");
        f.partita(1, "Alba", "Bari");
        // The minute pass turns 50 into 105, which the file's own index refuses while 105 is still there.
        f.presenza(1, 1, "Alba", -1, 1, 50);
        f.presenza(1, 1, "Alba", -1, 2, 105);
        Esegui("CREATE UNIQUE INDEX bloccato ON PRESENZE (SOSTITUITO)", {}, f.db());
    }
    const QByteArray prima = impronta(vecchio);
    const QString copia = dir.filePath("rotto 2000.gvn");
    try {
        ConvertiFile(vecchio, copia);
        QFAIL("conversione riuscita");
    } catch (const ErroreDatabase& e) {
        QVERIFY2(e.testo().startsWith("La conversione non è riuscita"), qPrintable(e.testo()));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"rotto.gvn"});
    QCOMPARE(impronta(vecchio), prima);
}

QTEST_GUILESS_MAIN(TstConversione)
#include "tst_conversione.moc"
