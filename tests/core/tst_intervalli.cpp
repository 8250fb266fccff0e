#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/intervalli.h"
#include "core/schema.h"
#include "core/stato.h"

#include <algorithm>
#include <cstdio>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Rebuilds `tabella` of `db`, rows and all, with one more column that the engine computes (`modo` STORED or
// VIRTUAL) just before its field `prima`.
void conColonnaGenerata(QSqlDatabase db, const QString& tabella, const QString& prima, const QString& modo)
{
    TabellaSchema t = *TabellaDi(tabella);
    QStringList campi;
    for (const CampoSchema& c : t.campi) campi << c.nome;
    t.nome = u"NUOVA"_s;
    t.campi.insert(campi.indexOf(prima), CampoSchema{u"CALCOLATO"_s, u"INTEGER GENERATED ALWAYS AS (0) "_s + modo});
    Transazione tr(db);
    Esegui(SqlCreaTabella(t), {}, db);
    Esegui(u"INSERT INTO NUOVA (%1) SELECT %1 FROM %2"_s.arg(campi.join(", "), tabella), {}, db);
    Esegui(u"DROP TABLE "_s + tabella, {}, db);
    Esegui(u"ALTER TABLE NUOVA RENAME TO "_s + tabella, {}, db);
    tr.commit();
}

QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool scrivi(const QString& file, const QByteArray& dati)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}

// A variable-length number of the file's format at `i` in `b`: its length in bytes, 0 past the end.
int varint(const QByteArray& b, int i, qint64& v)
{
    v = 0;
    for (int k = 0; k < 9 && i + k < b.size(); ++k) {
        const auto c = quint8(b[i + k]);
        v = k == 8 ? v << 8 | c : v << 7 | (c & 0x7f);
        if (k == 8 || c < 0x80) return k + 1;
    }
    return 0;
}

// The places of a file's table pages that a damage may hit, found by walking them as the format lays them out.
struct Bersagli {
    int dimensione = 0;
    QList<int> pagine;              // each table page's header: its type, its count of cells and its cell pointers
    QList<int> celle;               // each row's cell: its size, its number, then its header
    QList<QPair<int, int>> valori;  // each value that is a number, and its type among the row's types
    QList<int> seguenti;            // each pointer to the part of a row that goes on in another page
};

Bersagli trovaBersagli(const QByteArray& b)
{
    Bersagli r;
    r.dimensione = quint8(b[16]) << 8 | quint8(b[17]);
    const int u = r.dimensione - quint8(b[20]), massimo = u - 35, minimo = (u - 12) * 32 / 255 - 23;
    for (int inizio = 0; inizio + r.dimensione <= b.size(); inizio += r.dimensione) {
        const int h = inizio + (inizio == 0 ? 100 : 0), celle = quint8(b[h + 3]) << 8 | quint8(b[h + 4]);
        if (b[h] == 0x05) r.pagine << h;
        if (b[h] != 0x0D) continue;
        r.pagine << h;
        for (int i = 0; i < celle; ++i) {
            int c = inizio + (quint8(b[h + 8 + 2 * i]) << 8 | quint8(b[h + 9 + 2 * i]));
            r.celle << c;
            qint64 carico = 0, v = 0;
            c += varint(b, c, carico);
            c += varint(b, c, v);
            int locale = int(carico);
            if (carico > massimo) {
                locale = minimo + int((carico - minimo) % (u - 4));
                locale = locale > massimo ? minimo : locale;
                r.seguenti << c + locale;
            }
            int t = c + varint(b, c, v), dato = c + int(v);
            const int fineTipi = dato;
            for (int n = 0; t < fineTipi && dato + 8 <= c + locale; t += n) {
                if ((n = varint(b, t, v)) == 0) break;
                if (v >= 1 && v <= 7) r.valori.append({dato, t});
                const int lunghezze[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0, 0, 0};
                dato += int(v < 12 ? lunghezze[v] : (v - 12) / 2);
            }
        }
    }
    return r;
}

// One damage of `b`, the copy of the file, at a place of `s` that `g` picks; with `soloValori` one that leaves every
// page and row readable, with other numbers in them.
void danneggia(QByteArray& b, const Bersagli& s, QRandomGenerator& g, bool soloValori)
{
    const auto a = [&g](const auto& lista) { return lista.at(g.bounded(int(lista.size()))); };
    // Only within the copy, which an earlier damage may have cut short.
    const auto letto = [&b](int i) { return i >= 0 && i < b.size() ? int(quint8(b[i])) : 0; };
    const auto byte = [&b](int i, int v) {
        if (i >= 0 && i < b.size()) b[i] = char(v);
    };
    const auto intero = [&](int i, int n, quint32 v) {
        for (int k = 0; k < n; ++k) byte(i + k, int(v >> (8 * (n - 1 - k))));
    };
    const int h = a(s.pagine), puntatore = h + (letto(h) == 0x05 ? 12 : 8) + 2 * g.bounded(letto(h + 4) + 1);
    const int lunghezze[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    switch (soloValori ? 0 : g.bounded(9)) {
    case 0: {  // a number's bytes, or the types of a value and the next for others of the same two lengths
        const auto [valore, tipo] = a(s.valori);
        const int t = letto(tipo), seguente = letto(tipo + 1);
        // A type of one byte for a value of `n` bytes: a number where one has that length, else a text or a blob.
        const auto tipoDi = [&g](int n) {
            const int numeri[] = {8 + g.bounded(2), 1, 2, 3, 4, -1, 5, -1, 6 + g.bounded(2)};
            return n <= 8 && numeri[n] >= 0 && g.bounded(4) ? numeri[n] : 12 + 2 * n + g.bounded(2);
        };
        if (t < 1 || t > 7) break;
        if (g.bounded(2)) {
            for (int k = 0; k < lunghezze[t]; ++k) byte(valore + k, k == 0 || g.bounded(2) ? g.bounded(256) : 0xff);
        } else if (seguente <= 9) {
            const int insieme = lunghezze[t] + lunghezze[seguente], primo = g.bounded(insieme + 1);
            byte(tipo, tipoDi(primo));
            byte(tipo + 1, tipoDi(insieme - primo));
        }
        break;
    }
    case 1: {  // a page's type, its count of cells, a cell pointer, or two swapped
        const int scelta = g.bounded(4), tipi[] = {0x00, 0x02, 0x05, 0x0A, 0x0D, g.bounded(256)};
        if (scelta == 0) byte(h, tipi[g.bounded(6)]);
        if (scelta == 1) intero(h + 3, 2, g.bounded(2) ? g.bounded(65536) : letto(h + 4) + g.bounded(-3, 4));
        if (scelta == 2)
            intero(puntatore, 2, g.bounded(2) ? g.bounded(65536) : letto(puntatore + 1) + g.bounded(-8, 9));
        if (scelta == 3) {
            const quint32 primo = quint32(letto(puntatore) << 8 | letto(puntatore + 1));
            intero(puntatore, 2, quint32(letto(puntatore + 2) << 8 | letto(puntatore + 3)));
            intero(puntatore + 2, 2, primo);
        }
        break;
    }
    case 2: {  // a row's size, its number or its header's size: a run of bytes that reads as a number of 1 to 9
        int i = a(s.celle);
        qint64 v = 0;
        for (int salta = g.bounded(3); salta > 0; --salta) i += varint(b, i, v);
        for (int k = 0, n = 1 + g.bounded(9); k < n; ++k) byte(i + k, g.bounded(256) | (k + 1 < n ? 0x80 : 0));
        break;
    }
    case 3: {  // a value's type, of any field: any, or two lengths of nine bytes
        int i = a(s.celle);
        qint64 v = 0;
        i += varint(b, i, v);
        i += varint(b, i, v);
        const int n = varint(b, i, v), tipo = i + n + g.bounded(std::max(1, int(v) - n));
        for (int k = 0, quanti = g.bounded(2) ? 1 : 18; k < quanti; ++k)
            byte(tipo + k, quanti == 1 || k == 8 || k == 17 ? g.bounded(256) : 0xff);
        break;
    }
    case 4:  // the pointer to the part of a long row in another page
        if (!s.seguenti.isEmpty()) {
            const quint32 pagine = quint32(b.size() / s.dimensione);
            const quint32 scelte[] = {0, 1, pagine, pagine + 1, quint32(g.bounded(pagine + 1)), g.generate()};
            intero(a(s.seguenti), 4, scelte[g.bounded(6)]);
        }
        break;
    case 5: {  // the page size, the bytes reserved at the end of each page, or the count of pages
        const int dimensioni[] = {1, 256, 512, 1024, 4096, 32768, g.bounded(65536)};
        const int scelta = g.bounded(3);
        if (scelta == 0) intero(16, 2, dimensioni[g.bounded(7)]);
        if (scelta == 1) byte(20, g.bounded(2) ? g.bounded(40) : g.bounded(256));
        if (scelta == 2) intero(28, 4, g.bounded(2) ? g.bounded(70) : g.generate());
        break;
    }
    case 6:  // the file cut short
        if (!b.isEmpty()) b.truncate(g.bounded(int(b.size())));
        break;
    default:  // any byte of a table page
        byte(h / s.dimensione * s.dimensione + g.bounded(s.dimensione), g.bounded(256));
        break;
    }
}

// The engine's complaints about the damaged copies, which go to the log, are not shown.
void senzaAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo != QtWarningMsg) qt_message_output(tipo, contesto, testo);
}

// The seed being tried, told when a sanitizer stops the test: the address sanitizer calls diSeme as it stops, the
// undefined-behaviour one __ubsan_on_report as it reports.
quint32 semeInCorso = 0;
#if defined(__SANITIZE_ADDRESS__)
void diSeme()
{
    if (semeInCorso != 0) std::fprintf(stderr, "Copia danneggiata dal seme %u\n", semeInCorso);
}
#endif

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
extern "C" void __ubsan_on_report() { diSeme(); }
#endif

class TestIntervalli : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    int file_ = 0;

    QString percorso() { return dir_.filePath(u"c%1.GVN"_s.arg(++file_)); }

private slots:
    void initTestCase()
    {
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(diSeme);
#endif
    }

    void init() { AzzeraStato(); }

    // A column that the engine computes and stores takes its place in every stored row: a number past its field
    // after it is refused as it is without it. One that the engine does not store takes none.
    void colonnaGenerata_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("modifica");
        QTest::addColumn<QString>("motivo");
        const QString fuori = u"Nella tabella %1, %2, il campo %3 contiene «%4», che è fuori dai valori ammessi: il "
                              u"campo può contenere solo un numero intero da -32768 a 32767, o restare vuoto."_s;
        const QString gol = u"UPDATE PARTITA SET G2R = 2147483648 WHERE CODPART = 1"_s;
        const QString golFuori = fuori.arg("PARTITA", "nella riga con CODPART 1", "G2R", "2147483648");
        QTest::newRow("reti") << u"PARTITA"_s << u"G1A"_s << u"STORED"_s << gol << golFuori;
        QTest::newRow("non conservata") << u"PARTITA"_s << u"G1A"_s << u"VIRTUAL"_s << gol << golFuori;
        QTest::newRow("giornata") << u"GIORNATA"_s << u"DISPRIT"_s << u"STORED"_s
                                  << u"UPDATE GIORNATA SET DISPRIT = 40000 WHERE rowid = 2"_s
                                  << fuori.arg("GIORNATA", "nella riga n. 2", "DISPRIT", "40000");
        QTest::newRow("giocatore") << u"GIOCATORE"_s << u"NUMERO"_s << u"STORED"_s
                                   << u"UPDATE GIOCATORE SET NUMERO = 40000 WHERE CODICE = 3"_s
                                   << fuori.arg("GIOCATORE", "nella riga con CODICE 3", "NUMERO", "40000");
    }
    void colonnaGenerata()
    {
        QFETCH(QString, tabella);
        QFETCH(QString, prima);
        QFETCH(QString, modo);
        QFETCH(QString, modifica);
        QFETCH(QString, motivo);
        const QString file = percorso();
        FixtureCampionato(file).giocaTutto().rose(12).crea();
        {
            QSqlDatabase db = ApriConnessione(u"modifica"_s, file);
            conColonnaGenerata(db, tabella, prima, modo);
            Esegui(modifica, {}, db);
        }
        ChiudiConnessione(u"modifica"_s);

        MessaggiDiTest messaggi;
        messaggi.ok();
        QVERIFY(!ApriFileComeCampionato(file));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        QCOMPARE(messaggi.ultimo().testo, u"Impossibile aprire il file\r"_s + file + u"\r\r"_s + motivo);
    }

    // A page whose rows are out of order (a damaged file, read with no integrity check before): the engine cannot
    // find by its number the row that the pages found past its field, and the table is still not passed.
    void rigaFuoriPosto()
    {
        const QString file = percorso();
        FixtureCampionato(file).crea();
        int radice = 0;
        {
            QSqlDatabase db = ApriConnessione(u"modifica"_s, file);
            Esegui(u"UPDATE SQUADRA SET PENALITA = 40000 WHERE CODICE = 1"_s, {}, db);
            radice = Valore(u"SELECT rootpage FROM sqlite_schema WHERE name = 'SQUADRA'"_s, {}, db).toInt();
        }
        ChiudiConnessione(u"modifica"_s);
        // The first of the page's six rows moved after the others: the engine's search by number misses it.
        QByteArray b = leggi(file);
        const int pagina = (radice - 1) * (quint8(b[16]) << 8 | quint8(b[17]));
        QVERIFY(b[pagina] == 0x0D && b[pagina + 4] == 6);
        b.replace(pagina + 8, 12, b.mid(pagina + 10, 10) + b.mid(pagina + 8, 2));
        QVERIFY(scrivi(file, b));

        QString motivo;
        {
            QSqlDatabase db = ApriConnessione(u"danneggiato"_s, file, true);
            QVERIFY(!Valore(u"SELECT 1 FROM SQUADRA WHERE rowid = 1"_s, {}, db).isValid());
            motivo = ValoreFuoriIntervallo(db, LeggiCampiNelFile(db), ContatoriCheNonNumerano(db));
        }
        ChiudiConnessione(u"danneggiato"_s);
        QVERIFY2(motivo.startsWith(u"Nella tabella SQUADRA"_s) && motivo.contains(u"PENALITA contiene «40000»"_s),
                 qPrintable(motivo));
    }

    // Seeded damages of a season's pages, read with no integrity check before: the reading stays within what it
    // was given, and where the engine finds the file whole, the pages give the answer of the engine's statements.
    // A failure names its seed; GOLVARNO_SEME=n tries that seed alone.
    void pagineDanneggiate()
    {
        const QString base = percorso();
        FixtureCampionato(base).squadre(4).giocaFinoA(2, true).rose(12).formazioni(1, 1).crea();
        {
            // Small pages, so that tables have inner pages; long notes, which go on in other pages; columns that
            // the engine computes; numbers of every width and decimals, which a damage may take past their field.
            QSqlDatabase db = ApriConnessione(u"modifica"_s, base);
            conColonnaGenerata(db, u"PARTITA"_s, u"G1A"_s, u"STORED"_s);
            conColonnaGenerata(db, u"GIOCATORE"_s, u"NUMERO"_s, u"VIRTUAL"_s);
            conColonnaGenerata(db, u"PRESENZE"_s, u"NUMMAGLIA"_s, u"STORED"_s);
            for (const char* sql :
                 {"UPDATE PARTITA SET NOTE = printf('%.3000c', 'n') WHERE CODPART % 5 = 0",
                  "UPDATE SQUADRA SET NOTE = printf('%.1500c', 's') WHERE CODICE = 2",
                  "UPDATE PRESENZE SET NUMMAGLIA = 200 + CODICE * 61, CHIHASOST = 2000000000 + CODICE, RIGA = RIGA + "
                  "0.5",
                  "UPDATE RETI SET MINUTO = 1000000 * CODICE, GIRONE = CODICE + 0.25",
                  "UPDATE GIOCATORE SET RETI = CODICE + 0.5, CODSQUADRA = 70000 + CODSQUADRA",
                  "UPDATE SQUADRA SET PENALITA = -200 * CODICE",
                  "UPDATE PARTITA SET G1A = G1A + 0.5, G2R = 1000 * CODPART", "PRAGMA page_size = 512", "VACUUM"})
                Esegui(QString::fromUtf8(sql), {}, db);
        }
        ChiudiConnessione(u"modifica"_s);
        const QByteArray originale = leggi(base);
        const Bersagli bersagli = trovaBersagli(originale);
        QVERIFY(bersagli.dimensione == 512 && !bersagli.seguenti.isEmpty() && !bersagli.valori.isEmpty());

        const QString file = percorso();
        const bool uno = qEnvironmentVariableIsSet("GOLVARNO_SEME");
        const quint32 primo = uno ? quint32(qEnvironmentVariableIntValue("GOLVARNO_SEME")) : 1;
        int interi = 0, fuori = 0;
        const QtMessageHandler prima = qInstallMessageHandler(senzaAvvisi);
        const auto ripristina = qScopeGuard([prima] { qInstallMessageHandler(prima); });
        for (quint32 seme = primo; seme <= (uno ? primo : 1500); ++seme) {
            semeInCorso = seme;
            QRandomGenerator g(seme);
            QByteArray b = originale;
            const bool soloValori = g.bounded(4) == 0;
            for (int n = 1 + g.bounded(3); n > 0; --n) danneggia(b, bersagli, g, soloValori);
            // A new file each time: one rewritten from its start would be flushed to the disk on closing.
            QFile::remove(file);
            QFile::remove(file + u"-journal"_s);
            QVERIFY(scrivi(file, b));

            QString pagine, motore;
            bool errorePagine = false, erroreMotore = false, intero = false;
            try {
                QSqlDatabase db = ApriConnessione(u"danneggiato"_s, file, false, false);
                const CampiNelFile campi = LeggiCampiNelFile(db);
                const QStringList fermi = ContatoriCheNonNumerano(db);
                const auto controlla = [&](bool& errore) {
                    try {
                        return ValoreFuoriIntervallo(db, campi, fermi);
                    } catch (const ErroreDatabase&) {
                        errore = true;
                        return QString();
                    }
                };
                pagine = controlla(errorePagine);
                intero = Valore(u"PRAGMA quick_check"_s, {}, db).toString() == u"ok"_s;
                if (intero) {
                    // In a writing transaction the engine alone reads the rows.
                    Esegui(u"BEGIN IMMEDIATE"_s, {}, db);
                    motore = controlla(erroreMotore);
                    Esegui(u"ROLLBACK"_s, {}, db);
                }
            } catch (const ErroreDatabase&) {
                // The fields, the counters or the check cannot be read: there is nothing to compare with.
                intero = false;
            }
            ChiudiConnessione(u"danneggiato"_s);
            if (!intero) continue;
            ++interi;
            fuori += !motore.isEmpty();
            QVERIFY2(pagine == motore && errorePagine == erroreMotore,
                     qPrintable(u"seme %1: dalle pagine «%2»%3, dal motore «%4»%5"_s.arg(seme).arg(
                         pagine, errorePagine ? u" (errore)"_s : QString(), motore,
                         erroreMotore ? u" (errore)"_s : QString())));
        }
        semeInCorso = 0;
        qInfo("%d copie lette intere dal motore, %d con un numero fuori dal suo campo", interi, fuori);
        if (!uno) QVERIFY(interi > 300 && fuori > 40);
    }
};

QTEST_MAIN(TestIntervalli)
#include "tst_intervalli.moc"
