#include "core/intervalli.h"

#include "core/database.h"
#include "platform/testoinriga.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <QBitArray>
#include <QByteArray>
#include <QVarLengthArray>
#include <sqlite3.h>

namespace {

// A checked field of one table.
struct CampoControllato {
    QString nome;
    Intervallo intervallo;
    int colonna = 0;           // its place among the values of a stored row
    bool predefinito = false;  // see CampoNelFile
    bool numeroRiga = false;   // the counter that is the row's own number: the row stores no value of its own there
};

struct TabellaControllata {
    const TabellaSchema* schema = nullptr;
    QVector<CampoControllato> campi;  // in the layout's order
    quint32 radice = 0;               // the first page of its rows
};

// The SQL that is true when the field `c` holds a number past its interval (the two bounds bound after it).
QString fuoriSql(const CampoControllato& c)
{
    return QStringLiteral("%1 NOT BETWEEN ? AND ?").arg(ValoreNumericoSql(c.nome));
}

QVariantList limiti(const QVector<CampoControllato>& campi)
{
    QVariantList valori;
    for (const CampoControllato& c : campi) valori << c.intervallo.minimo << c.intervallo.massimo;
    return valori;
}

// The reason to refuse the file for the first row of `t` that holds a number past its field's interval, from its
// first such field, asked of the engine in one statement that reads the row's values as it finds the row: among
// all rows in order of their number, or only the row `rowid` when given (which the engine may miss where a page
// of the table is damaged). Empty when the engine finds none.
QString motivoDalMotore(const TabellaControllata& t, QSqlDatabase db, std::optional<qint64> rowid = std::nullopt)
{
    QStringList colonne{QStringLiteral("rowid")};
    QStringList condizioni;
    for (const CampoControllato& c : t.campi) {
        colonne << c.nome << fuoriSql(c);
        condizioni << fuoriSql(c);
    }
    QVariantList parametri = limiti(t.campi);
    if (rowid)
        parametri << *rowid;
    else
        parametri << limiti(t.campi);
    Query q(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                .arg(colonne.join(QStringLiteral(", ")), t.schema->nome,
                     rowid ? QStringLiteral("rowid = ?") : condizioni.join(QStringLiteral(" OR "))),
            parametri, db);
    if (!q.next()) return QString();
    const qint64 trovata = q.valore(0).toLongLong();
    for (int i = 0; i < t.campi.size(); ++i) {
        if (q.intero(2 * i + 2) == 0) continue;
        const CampoControllato& c = t.campi[i];
        return QStringLiteral(
                   "Nella tabella %1, %2, il campo %3 contiene «%4», che è fuori dai valori ammessi: il campo "
                   "può contenere solo un numero intero da %5 a %6, o restare vuoto.")
            .arg(t.schema->nome, RigaNelMessaggio(*t.schema, c.nome, trovata, db), c.nome,
                 ValoreInBreve(q.testo(2 * i + 1)))
            .arg(c.intervallo.minimo)
            .arg(c.intervallo.massimo);
    }
    return QString();
}

// The stored rows, read from the file's pages as the engine lays them out (a table is a tree of pages, whose
// leaves hold the rows in order of their row number; each row a header of value types, then the values): the
// whole numbers and decimals of the checked fields are judged there, without the engine's statement machinery,
// which for the largest championship would take as long as the rest of the opening. Whatever is not plainly a
// number or a Null (a text, a blob, a page or a row that does not read as expected) is left to the engine.
enum class Esito { Dentro, Fuori, Incerto };

quint32 intero32(const unsigned char* p) { return quint32(p[0]) << 24 | quint32(p[1]) << 16 | p[2] << 8 | p[3]; }
int intero16(const unsigned char* p) { return p[0] << 8 | p[1]; }

// The pages of the file, read at once through the engine's own handle of it (a second descriptor of the file,
// once closed, would drop the locks that the engine holds on it). Empty when they cannot be read so.
class PagineDelFile {
public:
    explicit PagineDelFile(QSqlDatabase db);
    bool lette() const { return numero_ > 0; }
    quint32 numero() const { return numero_; }
    int utile() const { return utile_; }
    // Page `n` (from 1), whose `utile()` bytes can be read; nullptr when the file has none.
    const unsigned char* pagina(quint32 n) const
    {
        if (n == 0 || n > numero_) return nullptr;
        return reinterpret_cast<const unsigned char*>(dati_.constData()) + qsizetype(n - 1) * dimensione_;
    }

private:
    // A championship file takes a few hundred kilobytes; a larger one is left to the engine.
    static constexpr qint64 MASSIMO = 64 * 1024 * 1024;
    QByteArray dati_;
    int dimensione_ = 0;
    int utile_ = 0;
    quint32 numero_ = 0;
};

PagineDelFile::PagineDelFile(QSqlDatabase db)
{
    sqlite3* motore = MotoreDi(db);
    sqlite3_file* file = nullptr;
    if (!motore || sqlite3_file_control(motore, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return;
    sqlite3_int64 lunghezza = 0;
    if (file->pMethods->xFileSize(file, &lunghezza) != SQLITE_OK || lunghezza < 512 || lunghezza > MASSIMO) return;
    QByteArray dati(qsizetype(lunghezza), Qt::Uninitialized);
    if (file->pMethods->xRead(file, dati.data(), int(lunghezza), 0) != SQLITE_OK) return;
    const auto* b = reinterpret_cast<const unsigned char*>(dati.constData());
    const int dimensione = b[16] == 0 && b[17] == 1 ? 65536 : (b[16] << 8) | b[17];
    const int utile = dimensione - b[20];
    // Only a file with the rollback journal holds every page itself (with a write-ahead log the newer pages are in
    // the log).
    if (dimensione < 512 || (dimensione & (dimensione - 1)) != 0 || utile < 480 || b[18] != 1 || b[19] != 1) return;
    // The engine takes the number of pages from the header when the header is up to date, and the pages after it
    // are not the file's.
    quint32 numero = quint32(lunghezza / dimensione);
    const quint32 nellIntestazione = intero32(b + 28);
    if (nellIntestazione != 0 && std::memcmp(b + 24, b + 92, 4) == 0) numero = std::min(numero, nellIntestazione);
    dati_ = std::move(dati);
    dimensione_ = dimensione;
    utile_ = utile;
    numero_ = numero;
}

// A variable-length number of the file's format at `p` (1 to 9 bytes, none past `fine`), `p` moved past it; false
// when it runs past the end. A ninth byte gives all its 8 bits; with `setteBit`, only 7, as the engine reads the size
// of a row's values.
bool varintLungo(const unsigned char*& p, const unsigned char* fine, quint64& v, bool setteBit = false)
{
    v = 0;
    for (int i = 0; i < 9; ++i) {
        if (p >= fine) return false;
        const unsigned char b = *p++;
        if (i == 8 && !setteBit) {
            v = v << 8 | b;
            return true;
        }
        v = v << 7 | (b & 0x7f);
        if ((b & 0x80) == 0) return true;
    }
    return true;
}
// The size of a row's values in its cell at `p`, `p` moved past it, as the engine reads it: up to nine bytes of
// seven bits each, kept to 32 bits; false when it runs past `fine`.
bool dimensioneRiga(const unsigned char*& p, const unsigned char* fine, quint32& v)
{
    quint64 tutto = 0;
    if (!varintLungo(p, fine, tutto, true)) return false;
    v = quint32(tutto);
    return true;
}
// Most are one byte.
inline bool varint(const unsigned char*& p, const unsigned char* fine, quint64& v)
{
    if (fine - p >= 2) {
        if (p[0] < 0x80) {
            v = *p++;
            return true;
        }
        if (p[1] < 0x80) {
            v = quint64(p[0] & 0x7f) << 7 | p[1];
            p += 2;
            return true;
        }
    }
    return varintLungo(p, fine, v);
}

// The bytes of a stored value of type `tipo`, < 12: Null, whole numbers of 1, 2, 3, 4, 6 and 8 bytes, a decimal,
// the constants 0 and 1, and two types the format reserves (-1). From 12 on, a blob or a text of (tipo - 12) / 2.
constexpr qint64 LUNGHEZZE[12] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0, -1, -1};

// The types of stored value that always lie within `i`, as bits: Null, the constants 0 and 1, and the whole
// numbers whose every value does (a value is stored in the fewest bytes that hold it, so a larger type holds a
// larger value, but a file may store a small number in more bytes: those are read).
quint32 tipiSicuri(const Intervallo& i)
{
    quint32 bit = 1u << 0 | 1u << 8 | 1u << 9;
    const qint64 estremi[5] = {0, 127, 32767, 8388607, 2147483647};
    for (int t = 1; t <= 4; ++t)
        if (i.minimo <= -estremi[t] - 1 && i.massimo >= estremi[t]) bit |= 1u << t;
    return bit;
}

// The value of type `tipo` (a whole number or a decimal; Null and the constants always lie within, see tipiSicuri)
// at `p`, against `i`; Incerto for a text or a blob, whose number is the engine's reading of it, and for the
// reserved types.
Esito valore(const Intervallo& i, quint64 tipo, const unsigned char* p)
{
    if (tipo >= 1 && tipo <= 6) {
        const qint64 n = LUNGHEZZE[tipo];
        quint64 u = 0;
        for (qint64 k = 0; k < n; ++k) u = u << 8 | p[k];
        // Sign-extended from its n bytes.
        const int spostamento = int(64 - 8 * n);
        const qint64 v = qint64(u << spostamento) >> spostamento;
        return i.contiene(v) ? Esito::Dentro : Esito::Fuori;
    }
    if (tipo == 7) {
        quint64 u = 0;
        for (int k = 0; k < 8; ++k) u = u << 8 | p[k];
        double d = 0;
        std::memcpy(&d, &u, sizeof d);
        if (std::isnan(d)) return Esito::Incerto;
        return d >= double(i.minimo) && d <= double(i.massimo) ? Esito::Dentro : Esito::Fuori;
    }
    return Esito::Incerto;
}

// How the rows of one table are judged: for each place among a row's values up to the last checked one, the
// checked field there (-1 none) and the types of value that need no look.
struct Lettura {
    struct Controllo {
        int colonna;
        quint32 sicuri;
    };
    QVarLengthArray<int, 32> campo;
    QVarLengthArray<quint32, 32> sicuri;
    QVarLengthArray<Controllo, 32> controlli;  // the checked places, for the rows whose types are one byte each
    const Intervallo* numeroRiga = nullptr;    // the counter that is the row's own number
    bool predefiniti = false;                  // a checked field has a default value
};

Lettura letturaDi(const TabellaControllata& t)
{
    Lettura l;
    for (int i = 0; i < t.campi.size(); ++i) {
        const CampoControllato& c = t.campi[i];
        while (l.campo.size() <= c.colonna) {
            l.campo.append(-1);
            l.sicuri.append(0);
        }
        l.predefiniti = l.predefiniti || c.predefinito;
        if (c.numeroRiga) {
            // The row stores a Null there; the row's number is the value.
            l.numeroRiga = &c.intervallo;
            continue;
        }
        l.campo[c.colonna] = i;
        l.sicuri[c.colonna] = tipiSicuri(c.intervallo);
        l.controlli.append({c.colonna, l.sicuri[c.colonna]});
    }
    return l;
}

// A row whose value types are one byte each, as nearly all are (numbers and texts shorter than 58 characters):
// Dentro when none of its checked values needs a look, else Incerto. `tipi` are its `numero` types.
Esito tipiSemplici(const Lettura& l, const unsigned char* tipi, qint64 numero)
{
    // Eight bytes at a time, as the first bytes of the row's values follow the types.
    quint64 tutti = 0;
    qint64 k = 0;
    for (; k + 8 <= numero; k += 8) {
        quint64 otto = 0;
        std::memcpy(&otto, tipi + k, 8);
        tutti |= otto;
    }
    for (; k < numero; ++k) tutti |= tipi[k];
    if (tutti & 0x8080808080808080ULL) return Esito::Incerto;
    for (const Lettura::Controllo& c : l.controlli) {
        // A field after the row's last value reads as Null, unless it has a default value.
        const unsigned tipo = c.colonna < numero ? tipi[c.colonna] : 0;
        if (tipo >= 32 || (c.sicuri >> tipo & 1) == 0) return Esito::Incerto;
    }
    return numero < l.campo.size() && l.predefiniti ? Esito::Incerto : Esito::Dentro;
}

// One stored row of `t`, `n` bytes at `r`.
Esito riga(const TabellaControllata& t, const Lettura& l, qint64 rowid, const unsigned char* r, qint64 n)
{
    if (l.numeroRiga && !l.numeroRiga->contiene(rowid)) return Esito::Fuori;
    if (n > 0 && r[0] >= 1 && r[0] < 0x80 && r[0] <= n && tipiSemplici(l, r + 1, r[0] - 1) == Esito::Dentro)
        return Esito::Dentro;
    const unsigned char* p = r;
    quint64 intestazione = 0;
    // The engine reads no header longer than the row, or than 98307 bytes.
    if (!varint(p, r + n, intestazione) || intestazione > quint64(n) || intestazione > 98307) return Esito::Incerto;
    const unsigned char* fineTipi = r + intestazione;
    // Where the next value begins: never past the row's end, so that no length, however large, moves it beyond.
    qint64 dato = qint64(intestazione);
    const int ultima = int(l.campo.size());
    int colonna = 0;
    for (; colonna < ultima && p < fineTipi; ++colonna) {
        quint64 tipo = 0;
        if (!varint(p, fineTipi, tipo)) return Esito::Incerto;
        const qint64 lunghezza = tipo < 12 ? LUNGHEZZE[tipo] : qint64((tipo - 12) / 2);
        if (lunghezza < 0 || lunghezza > n - dato) return Esito::Incerto;
        const int campo = l.campo[colonna];
        if (campo >= 0 && (tipo >= 32 || (l.sicuri[colonna] >> tipo & 1) == 0)) {
            const Esito e = valore(t.campi[campo].intervallo, tipo, r + dato);
            if (e != Esito::Dentro) return e;
        }
        dato += lunghezza;
    }
    // The fields after the row's last value were added after the row was written: they read as Null, or as their
    // default value, which only the engine knows.
    if (colonna < ultima && l.predefiniti) return Esito::Incerto;
    return Esito::Dentro;
}

// A row larger than this (a blob of megabytes in a championship file) is left to the engine.
constexpr qint64 MASSIMO_RIGA = 16 * 1024 * 1024;

// The rows of `t` in order of their row number, read from the pages: Fuori with `fuori` its first row holding a
// number past its field's interval.
Esito scorri(const PagineDelFile& f, const TabellaControllata& t, qint64& fuori)
{
    const Lettura l = letturaDi(t);
    const qint64 u = f.utile();
    const qint64 massimoLocale = u - 35;
    const qint64 minimoLocale = (u - 12) * 32 / 255 - 23;
    QBitArray viste(qsizetype(f.numero()) + 1);
    QVarLengthArray<quint32, 64> pila{t.radice};
    QByteArray continuo;  // a row that goes on in overflow pages, put back together
    while (!pila.isEmpty()) {
        const quint32 n = pila.back();
        pila.removeLast();
        const unsigned char* pagina = f.pagina(n);
        if (!pagina || viste.testBit(n)) return Esito::Incerto;
        viste.setBit(n);
        const int h = n == 1 ? 100 : 0;  // the first page begins with the file's header
        const int tipo = pagina[h];
        const int celle = intero16(pagina + h + 3);
        const int puntatori = h + (tipo == 0x05 ? 12 : 8);
        if ((tipo != 0x05 && tipo != 0x0D) || puntatori + 2 * celle > u) return Esito::Incerto;
        if (tipo == 0x05) {
            // An inner page: its children in order, then the rightmost; the stack takes them in reverse.
            pila.append(intero32(pagina + h + 8));
            for (int i = celle - 1; i >= 0; --i) {
                const int cella = intero16(pagina + puntatori + 2 * i);
                if (cella < puntatori || cella + 4 > u) return Esito::Incerto;
                pila.append(intero32(pagina + cella));
            }
            continue;
        }
        for (int i = 0; i < celle; ++i) {
            const int cella = intero16(pagina + puntatori + 2 * i);
            if (cella < puntatori || cella >= u) return Esito::Incerto;
            const unsigned char* p = pagina + cella;
            const unsigned char* fine = pagina + u;
            quint32 carico = 0;
            quint64 rowid = 0;
            if (!dimensioneRiga(p, fine, carico) || !varint(p, fine, rowid) || carico > quint32(MASSIMO_RIGA))
                return Esito::Incerto;
            const qint64 totale = qint64(carico);
            const unsigned char* dati = p;
            if (totale <= massimoLocale) {
                if (totale > fine - p) return Esito::Incerto;
            } else {
                const qint64 k = minimoLocale + (totale - minimoLocale) % (u - 4);
                const qint64 locale = k <= massimoLocale ? k : minimoLocale;
                if (locale + 4 > fine - p) return Esito::Incerto;
                continuo.resize(totale);
                std::memcpy(continuo.data(), p, size_t(locale));
                qint64 copiati = locale;
                quint32 seguente = intero32(p + locale);
                for (quint32 passi = 0; copiati < totale; ++passi) {
                    const unsigned char* o = f.pagina(seguente);
                    if (!o || passi >= f.numero()) return Esito::Incerto;
                    const qint64 parte = std::min(u - 4, totale - copiati);
                    std::memcpy(continuo.data() + copiati, o + 4, size_t(parte));
                    copiati += parte;
                    seguente = intero32(o);
                }
                dati = reinterpret_cast<const unsigned char*>(continuo.constData());
            }
            const Esito e = riga(t, l, qint64(rowid), dati, totale);
            if (e == Esito::Fuori) fuori = qint64(rowid);
            if (e != Esito::Dentro) return e;
        }
    }
    return Esito::Dentro;
}

}  // namespace

CampiNelFile LeggiCampiNelFile(QSqlDatabase db)
{
    CampiNelFile campi;
    for (const TabellaSchema& t : SchemaCampionato()) {
        QVector<CampoNelFile>& presenti = campi[t.nome];
        // Every column, as the engine stores it: a generated one (hidden 2 when VIRTUAL, 3 when STORED) is left out
        // of the fields, and only a VIRTUAL one holds no value in a stored row.
        Query q(QStringLiteral("PRAGMA table_xinfo(%1)").arg(t.nome), {}, db);
        int posizione = 0;
        while (q.next()) {
            const int nascosta = q.intero("hidden");
            if (nascosta == 0) presenti.append({q.testo("name").toUpper(), !q.nullo("dflt_value"), posizione});
            if (nascosta != 2) ++posizione;
        }
    }
    return campi;
}

QString ValoreFuoriIntervallo(QSqlDatabase db, const CampiNelFile& campi, const QStringList& fermi)
{
    QVector<TabellaControllata> tabelle;
    for (const TabellaSchema& t : SchemaCampionato()) {
        if (t.nome == QLatin1String("PUNTISQUADRE")) continue;
        const QVector<CampoNelFile> nelFile = campi.value(t.nome);
        TabellaControllata c{&t, {}, 0};
        for (const CampoSchema& campo : t.campi) {
            const std::optional<Intervallo> intervallo = IntervalloDi(campo);
            if (!intervallo) continue;
            for (const CampoNelFile& f : nelFile)
                if (f.nome == campo.nome)
                    c.campi.append({campo.nome, *intervallo, f.posizione, f.predefinito,
                                    campo.tipo == QLatin1String("COUNTER") && !fermi.contains(t.nome)});
        }
        if (!c.campi.isEmpty()) tabelle.append(c);
    }

    // The file stays as it is read (the engine's lock on it) until every table is judged, in the caller's
    // transaction or in one of its own. What the caller's transaction wrote may not be in the file yet: only the
    // engine sees it.
    sqlite3* motore = MotoreDi(db);
    const bool daPagine = motore && sqlite3_txn_state(motore, "main") != SQLITE_TXN_WRITE;
    std::optional<Transazione> lettura;
    if (daPagine && sqlite3_get_autocommit(motore) != 0) lettura.emplace(db);
    {
        Query q(QStringLiteral("SELECT upper(name), rootpage FROM sqlite_schema WHERE type = 'table'"), {}, db);
        while (q.next())
            for (TabellaControllata& t : tabelle)
                if (t.schema->nome == q.testo(0)) t.radice = quint32(q.valore(1).toLongLong());
    }
    std::optional<PagineDelFile> pagine;
    if (daPagine) pagine.emplace(db);

    for (const TabellaControllata& t : tabelle) {
        qint64 fuori = -1;
        const Esito e = pagine && pagine->lette() ? scorri(*pagine, t, fuori) : Esito::Incerto;
        if (e == Esito::Dentro) continue;
        if (e == Esito::Fuori)
            if (const QString motivo = motivoDalMotore(t, db, fuori); !motivo.isEmpty()) return motivo;
        // What the pages left open, a row that the engine reads otherwise, or one that it does not find by its
        // number: the engine judges the whole table.
        if (const QString motivo = motivoDalMotore(t, db); !motivo.isEmpty()) return motivo;
    }
    return QString();
}

qint64 PosizioneRiga(const QString& tabella, qint64 rowid, QSqlDatabase db)
{
    return Valore(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE rowid <= ?").arg(tabella), {rowid}, db).toLongLong();
}

QString RigaNelMessaggio(const TabellaSchema& t, const QString& campo, qint64 rowid, QSqlDatabase db)
{
    const QString contatore = ContatoreDi(t);
    if (!contatore.isEmpty() && contatore != campo &&
        Valore(QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE"), {t.nome, contatore},
               db)
            .isValid()) {
        const QString chiave =
            Valore(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(contatore, t.nome), {rowid}, db)
                .toString()
                .trimmed();
        if (!chiave.isEmpty()) return QStringLiteral("nella riga con %1 %2").arg(contatore, chiave);
    }
    return QStringLiteral("nella riga n. %1").arg(PosizioneRiga(t.nome, rowid, db));
}

QString ValoreInBreve(const QString& valore)
{
    const int massimo = 30;
    const QString riga = TestoInRiga(valore);
    return riga.size() > massimo ? riga.left(massimo) + QStringLiteral("…") : riga;
}
