#include "core/database.h"

#include "core/schema.h"
#include "platform/cursore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <QTimer>
#include <sqlite3.h>

namespace {
const char* const NOME_CAMPIONATO = "DbCampionato";

// The name of the championship connection: NOME_CAMPIONATO, or the connection adopted by AdottaDbCampionato.
QString& nomeCampionato()
{
    static QString nome = QString::fromLatin1(NOME_CAMPIONATO);
    return nome;
}

// How long a statement waits for a file that another program holds.
constexpr int ATTESA_FILE_IN_USO_MS = 2000;

QString paroleMotore(const QSqlError& e)
{
    QString t = e.databaseText();
    if (t.isEmpty()) t = e.text();
    if (t.isEmpty()) t = e.driverText();
    return t;
}

// Shows the wait cursor while the engine waits for the file (unless a command already shows it)
// and gives the normal one back as soon as the program is idle again.
void mostraAttesa()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread() || Cursore::inAttesa()) return;
    Cursore::attesa();
    QTimer::singleShot(0, app, [] { Cursore::normale(); });
}

// The engine calls this while another connection holds the file: a non-zero answer tries again.
int attendiFile(void*, int tentativi)
{
    thread_local QElapsedTimer atteso;
    if (tentativi == 0) {
        atteso.start();
        mostraAttesa();
    }
    if (atteso.elapsed() >= ATTESA_FILE_IN_USO_MS) return 0;
    QThread::msleep(qMin(5 + 5 * tentativi, 50));
    return 1;
}

void installaAttesa(const QSqlDatabase& db)
{
    if (sqlite3* motore = MotoreDi(db)) sqlite3_busy_handler(motore, attendiFile, nullptr);
}

// The program's settings of a connection: the wait for a file in use, the rollback journal, synchronous FULL.
void impostaConnessione(const QSqlDatabase& db)
{
    installaAttesa(db);
    QSqlQuery q(db);
    q.exec("PRAGMA journal_mode=DELETE");
    q.exec("PRAGMA synchronous=FULL");
}
}  // namespace

sqlite3* MotoreDi(const QSqlDatabase& db)
{
    const QVariant h = db.isValid() ? db.driver()->handle() : QVariant();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(h.constData());
}

ErroreDatabase::ErroreDatabase(const QString& testo, Tipo tipo)
    : std::runtime_error(testo.toStdString()), testo_(testo), tipo_(tipo)
{
}

ErroreDatabase::ErroreDatabase(const QSqlError& errore, const QString& istruzione)
    : ErroreDatabase(motivo(tipoDi(errore)), tipoDi(errore))
{
    istruzione_ = istruzione;
    if (tipo_ == Tipo::DatiMancanti) {
        // The engine names what is missing: "no such table: X", "no such column: X".
        static const QRegularExpression mancante(QStringLiteral("no such (table|column): (\\S+)"));
        const QRegularExpressionMatch m = mancante.match(errore.databaseText());
        if (m.hasMatch())
            testo_ = (m.captured(1) == QLatin1String("table") ? QStringLiteral("Nel file manca la tabella %1.")
                                                              : QStringLiteral("Nel file manca il campo %1."))
                         .arg(m.captured(2));
    }
    qWarning("Errore del database (codice %s): %s%s%s", qUtf8Printable(errore.nativeErrorCode()),
             qUtf8Printable(paroleMotore(errore)),
             istruzione.isEmpty() ? "" : "\n  istruzione: ", qUtf8Printable(istruzione));
}

ErroreDatabase::Tipo ErroreDatabase::tipoDi(const QSqlError& errore)
{
    bool numero = false;
    const int esteso = errore.nativeErrorCode().toInt(&numero);
    if (!numero) return Tipo::Generico;
    // A journal left by an interrupted save, which the engine must play back before reading the file and cannot:
    // the file is read-only, or the folder does not let it delete the journal.
    if (esteso == SQLITE_READONLY_ROLLBACK || esteso == SQLITE_IOERR_DELETE) return Tipo::SalvataggioInterrotto;
    // Extended codes carry the primary code in their low byte.
    switch (esteso & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Tipo::FileInUso;
    case SQLITE_READONLY: return Tipo::SoloLettura;
    case SQLITE_FULL: return Tipo::DiscoPieno;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return Tipo::Danneggiato;
    case SQLITE_CANTOPEN: return Tipo::NonAccessibile;
    case SQLITE_IOERR: return Tipo::LetturaScrittura;
    case SQLITE_ERROR:
        return errore.databaseText().startsWith(QLatin1String("no such ")) ? Tipo::DatiMancanti : Tipo::Generico;
    default: return Tipo::Generico;
    }
}

QString ErroreDatabase::motivo(Tipo tipo)
{
    switch (tipo) {
    case Tipo::FileInUso:
        return QStringLiteral("Il file è in uso da parte di un altro programma. Chiudere l'altro programma e "
                              "riprovare.");
    case Tipo::SoloLettura:
        return QStringLiteral("Il file, o la cartella che lo contiene, è di sola lettura: le modifiche non possono "
                              "essere salvate.");
    case Tipo::DiscoPieno: return QStringLiteral("Il disco è pieno. Liberare spazio sul disco e riprovare.");
    case Tipo::Danneggiato: return QStringLiteral("Il file non è un archivio di dati oppure è danneggiato.");
    case Tipo::NonAccessibile:
        return QStringLiteral("Impossibile aprire il file: il file, o la cartella che lo contiene, non esiste o non "
                              "è accessibile.");
    case Tipo::LetturaScrittura:
        return QStringLiteral("Impossibile leggere o scrivere il file: il disco non risponde correttamente.");
    case Tipo::DatiMancanti:
        return QStringLiteral("Nel file mancano dati che il programma si aspetta di trovare: il file può essere di "
                              "un'altra versione.");
    case Tipo::SalvataggioInterrotto:
        return QStringLiteral("Il file è rimasto a metà di un salvataggio interrotto e, prima di poterlo usare, va "
                              "riportato allo stato precedente: il file, o la cartella che lo contiene, è di sola "
                              "lettura e non lo permette. Rendere scrivibili il file e la cartella, poi riprovare.");
    case Tipo::Generico: break;
    }
    return QStringLiteral("Il motore dei dati non ha potuto completare l'operazione.");
}

QSqlDatabase DbCampionato()
{
    if (!QSqlDatabase::contains(nomeCampionato())) return QSqlDatabase();
    return QSqlDatabase::database(nomeCampionato(), false);
}

bool DbCampionatoAperto() { return QSqlDatabase::contains(nomeCampionato()) && DbCampionato().isOpen(); }

QSqlDatabase ApriConnessione(const QString& nome, const QString& percorso, bool soloLettura, bool crea)
{
    ChiudiConnessione(nome);
    if (!crea && !QFileInfo(percorso).isFile())
        throw ErroreDatabase(QStringLiteral("Il file %1 non esiste.").arg(percorso));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
    db.setDatabaseName(percorso);
    if (soloLettura) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QSqlError e = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nome);
        throw ErroreDatabase(e, QStringLiteral("(apertura di %1)").arg(percorso));
    }
    impostaConnessione(db);
    return db;
}

void ChiudiConnessione(const QString& nome)
{
    if (!QSqlDatabase::contains(nome)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}

void ApriDbCampionato(const QString& percorso)
{
    ChiudiDbCampionato();
    ApriConnessione(NOME_CAMPIONATO, percorso, false, false);
}

void AdottaDbCampionato(const QString& nome)
{
    {
        const QSqlDatabase db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false) : QSqlDatabase();
        if (!db.isOpen()) {
            ChiudiConnessione(nome);
            throw ErroreDatabase(ErroreDatabase::motivo(ErroreDatabase::Tipo::NonAccessibile),
                                 ErroreDatabase::Tipo::NonAccessibile);
        }
    }
    if (nome != nomeCampionato()) ChiudiDbCampionato();
    impostaConnessione(QSqlDatabase::database(nome, false));
    nomeCampionato() = nome;
}

void ChiudiDbCampionato()
{
    ChiudiConnessione(nomeCampionato());
    nomeCampionato() = QString::fromLatin1(NOME_CAMPIONATO);
}

Query::Query(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db) : q_(db)
{
    esegui(sql, QVariantList(parametri));
}

Query::Query(const QString& sql, const QVariantList& parametri, QSqlDatabase db) : q_(db) { esegui(sql, parametri); }

void Query::esegui(const QString& sql, const QVariantList& parametri)
{
    if (!q_.driver() || !q_.driver()->isOpen()) throw ErroreDatabase(QStringLiteral("Nessun database aperto."));
    q_.setForwardOnly(true);
    if (!q_.prepare(sql)) throw ErroreDatabase(q_.lastError(), sql);
    for (const QVariant& p : parametri) q_.addBindValue(p);
    if (!q_.exec()) throw ErroreDatabase(q_.lastError(), sql);
    // Before the first row: the columns alone, without values.
    colonne_ = q_.record();
}

bool Query::next() { return q_.next(); }

bool Query::primo() { return q_.next(); }

int Query::indice(const QString& campo) const
{
    for (const auto& [nome, i] : trovate_)
        if (nome == campo) return i;
    const int i = colonne_.indexOf(campo);
    if (i < 0) throw ErroreDatabase(QStringLiteral("Campo %1 non trovato.").arg(campo));
    trovate_.append({campo, i});
    return i;
}

QVariant Query::valore(int colonna) const { return q_.value(colonna); }
QVariant Query::valore(const QString& campo) const { return q_.value(indice(campo)); }
bool Query::nullo(const QString& campo) const { return q_.value(indice(campo)).isNull(); }

QString Query::testo(int colonna) const
{
    const QVariant v = q_.value(colonna);
    return v.isNull() ? QString() : v.toString();
}
QString Query::testo(const QString& campo) const { return testo(indice(campo)); }

int Query::intero(int colonna) const { return InteroDi(q_.value(colonna)); }
int Query::intero(const QString& campo) const { return intero(indice(campo)); }
qint64 Query::intero64(int colonna) const { return Intero64Di(q_.value(colonna)); }
qint64 Query::intero64(const QString& campo) const { return intero64(indice(campo)); }

double Query::numero(int colonna) const
{
    const QVariant v = q_.value(colonna);
    return v.isNull() ? 0.0 : v.toDouble();
}
double Query::numero(const QString& campo) const { return numero(indice(campo)); }

QVariant Query::ultimoId() const { return q_.lastInsertId(); }
int Query::righeToccate() const { return q_.numRowsAffected(); }

int InteroDi(const QVariant& valore)
{
    return int(
        std::clamp<qint64>(Intero64Di(valore), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

qint64 Intero64Di(const QVariant& valore)
{
    if (!valore.isValid() || valore.isNull()) return 0;
    constexpr qint64 minimo = std::numeric_limits<qint64>::min();
    constexpr qint64 massimo = std::numeric_limits<qint64>::max();
    if (valore.typeId() == QMetaType::Double || valore.typeId() == QMetaType::Float) {
        // Bounded before the conversion, which is undefined for a double past a 64-bit integer. The bounds as
        // doubles are -2^63 and 2^63, the first double past the largest 64-bit integer.
        const double d = valore.toDouble();
        if (std::isnan(d)) return 0;
        if (d <= double(minimo)) return minimo;
        if (d >= double(massimo)) return massimo;
    }
    return valore.toLongLong();
}

void Esegui(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db)
{
    Query q(sql, parametri, db);
}

void Esegui(const QString& sql, const QVariantList& parametri, QSqlDatabase db) { Query q(sql, parametri, db); }

namespace {

// The counter of a championship table.
QString contatoreDi(const QString& tabella)
{
    const TabellaSchema* t = TabellaDi(tabella);
    return t ? ContatoreDi(*t) : QStringLiteral("CODICE");
}

}  // namespace

void VerificaNuoviCodici(const QString& tabella, qint64 righe, QSqlDatabase db)
{
    const QString nome = tabella.toUpper();
    // The highest code given so far. sqlite_sequence is read as the engine reads it (as a whole number); a row of it
    // named in another case is counted too, which may refuse a row the engine would number, never the other way.
    QString sql = QStringLiteral("SELECT max(COALESCE((SELECT max(rowid) FROM %1), 0)").arg(nome);
    QVariantList parametri;
    if (Valore(QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = 'sqlite_sequence'"), {}, db)
            .isValid()) {
        sql += QStringLiteral(", COALESCE((SELECT max(CAST(seq AS INTEGER)) FROM sqlite_sequence WHERE name = ? "
                              "COLLATE NOCASE), 0)");
        parametri << nome;
    } else {
        sql += QStringLiteral(", 0");
    }
    Query q(sql + QLatin1Char(')'), parametri, db);
    if (righe <= 0 || (q.next() && q.intero64(0) <= CODICE_MASSIMO - righe)) return;
    throw ErroreDatabase(QStringLiteral("Il campo %1 della tabella %2, che numera le righe nuove, non ha abbastanza "
                                        "codici per le righe che questo salvataggio aggiungerebbe: il codice più "
                                        "alto ammesso è %3. Non è stato salvato nulla.")
                             .arg(contatoreDi(nome), nome)
                             .arg(CODICE_MASSIMO));
}

int InserisciRiga(const QString& tabella, const QString& sql, const QVariantList& parametri, QSqlDatabase db)
{
    // The check and the row in one transaction, so that no other program numbers a row in between.
    std::optional<Transazione> propria;
    if (sqlite3* motore = MotoreDi(db); motore && sqlite3_get_autocommit(motore) != 0) propria.emplace(db);
    VerificaNuoviCodici(tabella, 1, db);
    const int codice = InteroDi(Query(sql, parametri, db).ultimoId());
    if (propria) propria->commit();
    return codice;
}

QVariant Valore(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db)
{
    Query q(sql, parametri, db);
    if (!q.next()) return QVariant();
    return q.valore(0);
}

// BEGIN and COMMIT run as statements of their own: the driver's transaction calls report a failure without the
// engine's code, so that the user would not learn why a save failed.
Transazione::Transazione(QSqlDatabase db) : db_(db)
{
    if (!db_.isOpen()) throw ErroreDatabase(QStringLiteral("Nessun database aperto."));
    Esegui(QStringLiteral("BEGIN"), {}, db_);
    attiva_ = true;
}

Transazione::~Transazione()
{
    if (attiva_) db_.rollback();
}

void Transazione::commit()
{
    if (!attiva_) return;
    try {
        Esegui(QStringLiteral("COMMIT"), {}, db_);
    } catch (const ErroreDatabase&) {
        db_.rollback();
        attiva_ = false;
        throw;
    }
    attiva_ = false;
}
