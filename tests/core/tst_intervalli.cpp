#include "support/fixturecampionato.h"
#include "support/seammessaggi.h"

#include "core/campionato.h"
#include "core/database.h"
#include "core/intervalli.h"
#include "core/schema.h"
#include "core/stato.h"

#include <cstdio>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString FUORI = u"Nella tabella %1, %2, il campo %3 contiene «%4», che è fuori dai valori ammessi: il campo "
                      u"può contenere solo un numero intero da %5, o restare vuoto."_s;

// Rebuilds `tabella` of `db` with its rows and one more column, computed by the engine (GENERATED ALWAYS AS, `modo`
// STORED or VIRTUAL), just before its field `prima`.
void conColonnaGenerata(QSqlDatabase db, const QString& tabella, const QString& prima, const QString& modo)
{
    TabellaSchema t;
    for (const TabellaSchema& s : SchemaCampionato())
        if (s.nome == tabella) t = s;
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

QString controlla(QSqlDatabase db)
{
    return ValoreFuoriIntervallo(db, LeggiCampiNelFile(db), ContatoriCheNonNumerano(db));
}

QByteArray leggi(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool scrivi(const QString& file, const QByteArray& dati)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dati) == dati.size();
}

// The places of a file's table pages that a damage may hit, found by walking its pages as the format lays them out.
struct Bersagli {
    int dimensione = 0;
    QList<int> pagine;              // the header of each table page (its type byte)
    QList<int> puntatori;           // each cell pointer of a table page
    QList<int> celle;               // each cell of a leaf page: its payload size, then its row number
    QList<int> intestazioni;        // each row's header (its size), where the row's types follow
    QList<int> tipi;                // each type of a value of one byte
    QList<QPair<int, int>> valori;  // each value that is a number: its place and its type
    QList<int> seguenti;            // the pointer to the next part of each row that goes on in other pages
};

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

Bersagli trovaBersagli(const QByteArray& b)
{
    Bersagli r;
    r.dimensione = quint8(b[16]) << 8 | quint8(b[17]);
    const int u = r.dimensione - quint8(b[20]);
    for (int p = 0; (p + 1) * r.dimensione <= b.size(); ++p) {
        const int inizio = p * r.dimensione, h = inizio + (p == 0 ? 100 : 0);
        const int tipo = quint8(b[h]);
        if (tipo != 0x05 && tipo != 0x0D) continue;
        r.pagine << h;
        const int celle = quint8(b[h + 3]) << 8 | quint8(b[h + 4]);
        for (int i = 0; i < celle; ++i) {
            const int puntatore = h + (tipo == 0x05 ? 12 : 8) + 2 * i;
            r.puntatori << puntatore;
            if (tipo == 0x05) continue;
            int c = inizio + (quint8(b[puntatore]) << 8 | quint8(b[puntatore + 1]));
            r.celle << c;
            qint64 carico = 0, rowid = 0;
            c += varint(b, c, carico);
            c += varint(b, c, rowid);
            const int massimo = u - 35, minimo = (u - 12) * 32 / 255 - 23;
            int locale = int(carico);
            if (carico > massimo) {
                locale = minimo + int((carico - minimo) % (u - 4));
                if (locale > massimo) locale = minimo;
                r.seguenti << c + locale;
            }
            r.intestazioni << c;
            qint64 lunghezzaIntestazione = 0, tipoValore = 0;
            int t = c + varint(b, c, lunghezzaIntestazione);
            const int fineIntestazione = c + int(lunghezzaIntestazione);
            int dato = fineIntestazione;
            for (int n = 0; t < fineIntestazione && t < c + locale; t += n) {
                n = varint(b, t, tipoValore);
                if (n == 0) break;
                if (n == 1) r.tipi << t;
                if (tipoValore >= 1 && tipoValore <= 7 && dato + 8 <= c + locale) r.valori.append({dato, t});
                const qint64 lunghezze[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0, 0, 0};
                dato += int(tipoValore < 12 ? lunghezze[tipoValore] : (tipoValore - 12) / 2);
            }
        }
    }
    return r;
}

// One damage of the copy `b` of the file, as `g` picks it among the places of `s`; with `soloValori` one that leaves
// every page and row readable.
void danneggia(QByteArray& b, const Bersagli& s, QRandomGenerator& g, bool soloValori)
{
    const auto a = [&g](const auto& lista) { return lista.at(g.bounded(int(lista.size()))); };
    // Only within the copy, which an earlier damage may have cut short.
    const auto byte = [&b](int i, int v) {
        if (i >= 0 && i < b.size()) b[i] = char(v);
    };
    const auto letto = [&b](int i) { return i >= 0 && i < b.size() ? int(quint8(b[i])) : 0; };
    const auto intero16 = [&](int i, int v) {
        byte(i, v >> 8);
        byte(i + 1, v);
    };
    // A run of bytes that reads as a variable-length number of up to nine bytes.
    const auto varintCasuale = [&](int i) {
        const int n = 1 + g.bounded(9);
        for (int k = 0; k < n; ++k) byte(i + k, int(g.bounded(256u)) | (k + 1 < n ? 0x80 : 0));
    };
    switch (soloValori ? 7 : g.bounded(13)) {
    case 0:  // a cell pointer: anywhere, or near where it was
        if (const int i = a(s.puntatori); g.bounded(2))
            intero16(i, int(g.bounded(65536u)));
        else
            intero16(i, (letto(i) << 8 | letto(i + 1)) + g.bounded(-8, 9));
        break;
    case 1:  // a page's count of cells
        intero16(a(s.pagine) + 3, g.bounded(2) ? int(g.bounded(65536u)) : g.bounded(0, 40));
        break;
    case 2: {  // a page's type
        const int tipi[] = {0x00, 0x02, 0x05, 0x0A, 0x0D, int(g.bounded(256u))};
        byte(a(s.pagine), tipi[g.bounded(6)]);
        break;
    }
    case 3:  // a row's size
        varintCasuale(a(s.celle));
        break;
    case 4: {  // a row's number, or two rows swapped
        const int i = a(s.puntatori);
        if (g.bounded(2)) {
            const int primo = letto(i) << 8 | letto(i + 1);
            intero16(i, letto(i + 2) << 8 | letto(i + 3));
            intero16(i + 2, primo);
        } else {
            qint64 carico = 0;
            const int c = a(s.celle);
            varintCasuale(c + varint(b, c, carico));
        }
        break;
    }
    case 5:  // the size of a row's header
        if (g.bounded(2))
            byte(a(s.intestazioni), int(g.bounded(256u)));
        else
            varintCasuale(a(s.intestazioni));
        break;
    case 6: {  // the types of one or two values: any, or lengths of nine bytes
        const int i = a(s.tipi);
        if (g.bounded(2)) {
            byte(i, int(g.bounded(256u)));
        } else {
            for (int k = 0; k < 18; ++k) byte(i + k, k == 8 || k == 17 ? int(g.bounded(256u)) : 0xff);
        }
        break;
    }
    case 7: {  // a number's bytes, or the types of a value and the next: the row still reads, with other values
        const QPair<int, int> v = a(s.valori);
        const int tipo = letto(v.second), seguente = letto(v.second + 1);
        // A type of one byte for a value of `n` bytes: a number where one has that length, else a text or a blob.
        const auto tipoDi = [&g](int n) {
            const int numeri[] = {g.bounded(2) ? 0 : 8 + g.bounded(2), 1, 2, 3, 4, -1, 5, -1, g.bounded(2) ? 6 : 7};
            return n <= 8 && numeri[n] >= 0 && g.bounded(4) ? numeri[n] : 12 + 2 * n + g.bounded(2);
        };
        const int lunghezze[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
        if (g.bounded(2) && tipo >= 1 && tipo <= 7) {
            for (int k = 0; k < lunghezze[tipo]; ++k)
                byte(v.first + k, k == 0 || g.bounded(2) ? int(g.bounded(256u)) : 0xff);
        } else if (tipo >= 1 && tipo <= 7 && seguente >= 0 && seguente <= 9) {
            const int insieme = lunghezze[tipo] + lunghezze[seguente];
            const int primo = g.bounded(insieme + 1);
            byte(v.second, tipoDi(primo));
            byte(v.second + 1, tipoDi(insieme - primo));
        }
        break;
    }
    case 8:  // the pointer to the next part of a long row
        if (!s.seguenti.isEmpty()) {
            const int i = a(s.seguenti);
            const quint32 pagine = quint32(b.size() / s.dimensione);
            const quint32 scelte[] = {0, 1, pagine, pagine + 1, quint32(g.bounded(pagine + 1)), g.generate()};
            const quint32 n = scelte[g.bounded(6)];
            for (int k = 0; k < 4; ++k) byte(i + k, int(n >> (24 - 8 * k)));
        }
        break;
    case 9: {  // the page size, the reserved bytes or the number of pages in the file's header
        const int dimensioni[] = {1, 256, 512, 1024, 2048, 4096, 8192, 32768, int(g.bounded(65536u))};
        switch (g.bounded(3)) {
        case 0: intero16(16, dimensioni[g.bounded(9)]); break;
        case 1: byte(20, g.bounded(2) ? g.bounded(0, 40) : int(g.bounded(256u))); break;
        default: intero16(30, int(g.bounded(65536u))); break;
        }
        break;
    }
    case 10:  // the file cut short
        if (!b.isEmpty()) b.truncate(g.bounded(int(b.size())));
        break;
    default:  // any byte of a table page
        if (const int p = a(s.pagine) / s.dimensione * s.dimensione; p + s.dimensione <= b.size())
            byte(p + g.bounded(s.dimensione), int(g.bounded(256u)));
        break;
    }
}

// The engine's complaints about the damaged copies, which it writes to the log, are not shown.
void senzaAvvisi(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo != QtWarningMsg) qt_message_output(tipo, contesto, testo);
}

// The first number past its field that the engine finds in `db`, as `controlla` does, with the fields and counters
// read before; `errore` when the engine fails.
QString controllaCon(QSqlDatabase db, const CampiNelFile& campi, const QStringList& fermi, bool& errore)
{
    try {
        return ValoreFuoriIntervallo(db, campi, fermi);
    } catch (const ErroreDatabase&) {
        errore = true;
        return QString();
    }
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

    // A column that the engine computes and stores takes its place in every stored row: the fields after it are
    // judged by their own values, and a number past its field is refused as it is without the column.
    void colonnaGenerata_data()
    {
        QTest::addColumn<QString>("tabella");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("modifica");
        QTest::addColumn<QString>("motivo");
        const QString intero = u"-32768 a 32767"_s;
        const QString gol = u"UPDATE PARTITA SET G2R = 2147483648 WHERE CODPART = 1"_s;
        QTest::newRow("reti dopo le squadre")
            << u"PARTITA"_s << u"G1A"_s << u"STORED"_s << gol
            << FUORI.arg("PARTITA", "nella riga con CODPART 1", "G2R", "2147483648", intero);
        QTest::newRow("non conservata") << u"PARTITA"_s << u"G1A"_s << u"VIRTUAL"_s << gol
                                        << FUORI.arg("PARTITA", "nella riga con CODPART 1", "G2R", "2147483648",
                                                     intero);
        QTest::newRow("giornata") << u"GIORNATA"_s << u"DISPRIT"_s << u"STORED"_s
                                  << u"UPDATE GIORNATA SET DISPRIT = 40000 WHERE rowid = 2"_s
                                  << FUORI.arg("GIORNATA", "nella riga n. 2", "DISPRIT", "40000", intero);
        QTest::newRow("giocatore") << u"GIOCATORE"_s << u"NUMERO"_s << u"STORED"_s
                                   << u"UPDATE GIOCATORE SET NUMERO = 40000 WHERE CODICE = 3"_s
                                   << FUORI.arg("GIOCATORE", "nella riga con CODICE 3", "NUMERO", "40000", intero);
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

    // The same before each field that is checked, the column first or amid the others: every number past its
    // field is found.
    void colonnaGenerataPrimaDiOgniCampo()
    {
        const QString base = percorso();
        FixtureCampionato(base).squadre(4).giocaTutto().rose(14).formazioni().crea();
        for (const TabellaSchema& t : SchemaCampionato()) {
            if (t.nome == u"PUNTISQUADRE"_s) continue;
            for (const CampoSchema& c : t.campi) {
                const std::optional<Intervallo> i = IntervalloDi(c);
                if (!i || c.tipo == u"COUNTER"_s) continue;
                const QString file = percorso();
                QVERIFY(QFile::copy(base, file));
                QString motivo;
                {
                    QSqlDatabase db = ApriConnessione(u"modifica"_s, file);
                    conColonnaGenerata(db, t.nome, c.nome, u"STORED"_s);
                    Esegui(u"UPDATE %1 SET %2 = ? WHERE rowid = (SELECT MIN(rowid) FROM %1)"_s.arg(t.nome, c.nome),
                           {i->massimo + 1}, db);
                    motivo = controlla(db);
                }
                ChiudiConnessione(u"modifica"_s);
                const QString atteso = u"il campo %1 contiene «%2»"_s.arg(c.nome).arg(i->massimo + 1);
                QVERIFY2(motivo.startsWith(u"Nella tabella "_s + t.nome) && motivo.contains(atteso),
                         qPrintable(t.nome + u": "_s + motivo));
            }
        }
    }

    // A page whose rows are out of order (a damaged file, read with no integrity check before): the engine cannot
    // find by its number the row that the pages found past its field, and still the table is not passed.
    void rigaFuoriPosto()
    {
        const QString file = percorso();
        FixtureCampionato(file).crea();
        {
            QSqlDatabase db = ApriConnessione(u"modifica"_s, file);
            Esegui(u"UPDATE SQUADRA SET PENALITA = 40000 WHERE CODICE = 1"_s, {}, db);
        }
        ChiudiConnessione(u"modifica"_s);
        QByteArray b = leggi(file);
        int radice = 0;
        {
            QSqlDatabase db = ApriConnessione(u"radice"_s, file, true);
            radice = Valore(u"SELECT rootpage FROM sqlite_schema WHERE name = 'SQUADRA'"_s, {}, db).toInt();
        }
        ChiudiConnessione(u"radice"_s);
        // The first row's cell moved to the end of the page's six: the engine's search by number misses it.
        const int dimensione = quint8(b[16]) << 8 | quint8(b[17]);
        const int pagina = (radice - 1) * dimensione;
        QCOMPARE(int(quint8(b[pagina])), 0x0D);
        QCOMPARE(quint8(b[pagina + 3]) << 8 | quint8(b[pagina + 4]), 6);
        const QByteArray primo = b.mid(pagina + 8, 2);
        b.replace(pagina + 8, 12, b.mid(pagina + 10, 10) + primo);
        QVERIFY(scrivi(file, b));

        QSqlDatabase db = ApriConnessione(u"danneggiato"_s, file, true);
        QVERIFY(!Valore(u"SELECT 1 FROM SQUADRA WHERE rowid = 1"_s, {}, db).isValid());
        const QString motivo = controlla(db);
        db = QSqlDatabase();
        ChiudiConnessione(u"danneggiato"_s);
        QVERIFY2(motivo.startsWith(u"Nella tabella SQUADRA"_s) &&
                     motivo.contains(u"il campo PENALITA contiene «40000»"_s),
                 qPrintable(motivo));
    }

    // Seeded damages of a season's pages, read with no integrity check before: the reading never goes past what it
    // was given, and where the engine finds the file whole, the reading of the pages finds what its statements
    // find. A failure names its seed; GOLVARNO_SEME=n tries that seed alone.
    void pagineDanneggiate()
    {
        const QString base = percorso();
        // Small pages, so that the tables have inner pages; long notes, so that rows go on in other pages; columns
        // that the engine computes, so that the fields are not where the list of fields puts them.
        FixtureCampionato(base).squadre(4).giocaFinoA(2, true).rose(12).formazioni(1, 1).crea();
        {
            QSqlDatabase db = ApriConnessione(u"modifica"_s, base);
            conColonnaGenerata(db, u"PARTITA"_s, u"G1A"_s, u"STORED"_s);
            conColonnaGenerata(db, u"GIOCATORE"_s, u"NUMERO"_s, u"VIRTUAL"_s);
            conColonnaGenerata(db, u"PRESENZE"_s, u"NUMMAGLIA"_s, u"STORED"_s);
            Esegui(u"UPDATE PARTITA SET NOTE = printf('%.3000c', 'n') WHERE CODPART % 5 = 0"_s, {}, db);
            // Numbers of every width, and decimals, whose bytes a damage may take past their field.
            Esegui(u"UPDATE PRESENZE SET NUMMAGLIA = 200 + CODICE * 61 % 30000, CHIHASOST = 2000000000 + CODICE, "
                   u"RIGA = RIGA + 0.5"_s,
                   {}, db);
            Esegui(u"UPDATE RETI SET MINUTO = 1000000 * CODICE, GIRONE = CODICE + 0.25"_s, {}, db);
            Esegui(u"UPDATE GIOCATORE SET RETI = CODICE + 0.5, CODSQUADRA = 70000 + CODSQUADRA"_s, {}, db);
            Esegui(u"UPDATE SQUADRA SET PENALITA = -200 * CODICE"_s, {}, db);
            Esegui(u"UPDATE PARTITA SET G1A = G1A + 0.5, G2R = 1000 * CODPART"_s, {}, db);
            Esegui(u"UPDATE SQUADRA SET NOTE = printf('%.1500c', 's') WHERE CODICE = 2"_s, {}, db);
            Esegui(u"PRAGMA page_size = 512"_s, {}, db);
            Esegui(u"VACUUM"_s, {}, db);
        }
        ChiudiConnessione(u"modifica"_s);
        const QByteArray originale = leggi(base);
        const Bersagli bersagli = trovaBersagli(originale);
        QVERIFY(bersagli.dimensione == 512 && !bersagli.seguenti.isEmpty() && !bersagli.valori.isEmpty());

        const QString file = percorso();
        const bool uno = qEnvironmentVariableIsSet("GOLVARNO_SEME");
        const quint32 primo = uno ? quint32(qEnvironmentVariableIntValue("GOLVARNO_SEME")) : 1;
        const quint32 ultimo = uno ? primo : 1500;
        int interi = 0, fuori = 0;
        const QtMessageHandler prima = qInstallMessageHandler(senzaAvvisi);
        const auto ripristina = qScopeGuard([prima] { qInstallMessageHandler(prima); });
        for (quint32 seme = primo; seme <= ultimo; ++seme) {
            semeInCorso = seme;
            QRandomGenerator g(seme);
            QByteArray b = originale;
            const bool soloValori = g.bounded(4) == 0;
            for (int n = 1 + g.bounded(3); n > 0; --n) danneggia(b, bersagli, g, soloValori);
            // A new file each time: one rewritten from its start would be flushed to the disk on closing.
            QFile::remove(file);
            QFile::remove(file + u"-journal"_s);
            QVERIFY(scrivi(file, b));

            const QString conn = u"danneggiato"_s;
            QString pagine, motore;
            bool errorePagine = false, erroreMotore = false, intero = false;
            try {
                QSqlDatabase db = ApriConnessione(conn, file, false, false);
                const CampiNelFile campi = LeggiCampiNelFile(db);
                const QStringList fermi = ContatoriCheNonNumerano(db);
                pagine = controllaCon(db, campi, fermi, errorePagine);
                intero = Valore(u"PRAGMA quick_check"_s, {}, db).toString() == u"ok"_s;
                if (intero) {
                    // In a writing transaction the engine alone reads the rows.
                    Esegui(u"BEGIN IMMEDIATE"_s, {}, db);
                    motore = controllaCon(db, campi, fermi, erroreMotore);
                    Esegui(u"ROLLBACK"_s, {}, db);
                }
            } catch (const ErroreDatabase&) {
                // The fields, the counters or the check cannot be read: the reading of the pages was not reached,
                // or the engine cannot tell what it should find.
                intero = false;
            }
            ChiudiConnessione(conn);
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
