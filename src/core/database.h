#pragma once

#include <initializer_list>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVarLengthArray>
#include <stdexcept>
#include <utility>

// A failure of the database engine: the operation stops and the user is told.
// testo() is the reason in plain Italian, the only part the user ever sees; istruzione() is the
// statement that failed, for the log only. A failure reported by the engine is written to the log
// (engine's code and words, statement) when it is made.
class ErroreDatabase : public std::runtime_error {
public:
    // What went wrong, as far as the user can act on it.
    enum class Tipo {
        Generico,
        FileInUso,    // another program holds the file (busy or locked)
        SoloLettura,  // the file or its folder cannot be written
        DiscoPieno,
        Danneggiato,       // not a database, or a damaged one
        NonAccessibile,    // the file cannot be opened (missing, or its folder is not accessible)
        LetturaScrittura,  // the disk failed to read or write
        DatiMancanti,      // a table or field the program reads is not in the file
        // a save was interrupted and the file must be put back as it was before it can be read, but the file
        // or its folder cannot be written
        SalvataggioInterrotto,
    };

    explicit ErroreDatabase(const QString& testo, Tipo tipo = Tipo::Generico);
    // A failure reported by the engine for `istruzione` (empty: opening, BEGIN, COMMIT...).
    explicit ErroreDatabase(const QSqlError& errore, const QString& istruzione = QString());

    const QString& testo() const { return testo_; }
    const QString& istruzione() const { return istruzione_; }
    Tipo tipo() const { return tipo_; }

    // The kind of an engine failure, from its error code, and the Italian reason shown for a kind.
    static Tipo tipoDi(const QSqlError& errore);
    static QString motivo(Tipo tipo);

private:
    QString testo_;
    QString istruzione_;
    Tipo tipo_ = Tipo::Generico;
};

// The engine's own handle of an open connection, for what the Qt driver does not reach; nullptr when it has none.
struct sqlite3;
sqlite3* MotoreDi(const QSqlDatabase& db);

// The open championship file. Only one is open at a time; opening another replaces it.
QSqlDatabase DbCampionato();
bool DbCampionatoAperto();

// Opens `percorso` as the championship connection (closing the one open before).
// Throws ErroreDatabase when the engine cannot open it. Does not validate the content.
void ApriDbCampionato(const QString& percorso);
// Makes the open connection `nome` (made with QSqlDatabase::addDatabase) the championship connection, with the
// program's settings, in place of the one open before: a file just checked on a connection of its own is used
// as it stands, its tables already known to the engine and its pages already read.
// Throws ErroreDatabase (the connection removed) when it is not open.
void AdottaDbCampionato(const QString& nome);
void ChiudiDbCampionato();

// Opens an SQLite file on a connection of its own, named `nome`, with the program's settings
// (rollback journal, synchronous FULL). `soloLettura` opens it read-only; `crea` allows creating it.
// While another program holds the file, a statement waits for it up to two seconds with the wait
// cursor showing (back to normal once the program is idle again), then fails as Tipo::FileInUso.
// Throws ErroreDatabase on failure. Remove it with ChiudiConnessione(nome).
QSqlDatabase ApriConnessione(const QString& nome, const QString& percorso, bool soloLettura = false, bool crea = true);
void ChiudiConnessione(const QString& nome);

// One SQL statement with bound parameters, run on a connection (the championship by default).
//   Query q("SELECT Nome FROM Squadra WHERE Codice = ?", {codice});
//   while (q.next()) nomi << q.testo("Nome");
// Every failure throws ErroreDatabase with the reason in Italian (the statement goes to the log).
class Query {
public:
    explicit Query(const QString& sql, std::initializer_list<QVariant> parametri = {},
                   QSqlDatabase db = DbCampionato());
    Query(const QString& sql, const QVariantList& parametri, QSqlDatabase db = DbCampionato());

    bool next();
    bool primo();  // moves to the first row: false when there is none

    // Typed readers: Null reads as "" or 0; intero reads as InteroDi does, intero64 as Intero64Di.
    QString testo(const QString& campo) const;
    QString testo(int colonna) const;
    int intero(const QString& campo) const;
    int intero(int colonna) const;
    qint64 intero64(const QString& campo) const;
    qint64 intero64(int colonna) const;
    double numero(const QString& campo) const;
    double numero(int colonna) const;
    QVariant valore(const QString& campo) const;
    QVariant valore(int colonna) const;
    bool nullo(const QString& campo) const;

    QVariant ultimoId() const;
    int righeToccate() const;
    QSqlQuery& sql() { return q_; }

private:
    void esegui(const QString& sql, const QVariantList& parametri);
    int indice(const QString& campo) const;
    QSqlQuery q_;
    // The columns of the result, read once after running it (QSqlQuery::record() copies every value of
    // the current row on each call), and the columns found by name so far: a loop over the rows asks
    // for the same few names on every row.
    QSqlRecord colonne_;
    mutable QVarLengthArray<std::pair<QString, int>, 12> trovate_;
};

// A number field's value as an int: Null, or a text that is no whole number, is 0; a fraction is rounded as the
// driver's conversion rounds it. A file may hold any number in any number field (it is typed in by hand or comes
// from elsewhere): a value past what an int holds (9223372036854775807, 1e300) reads as the nearest bound,
// 2147483647 or -2147483648, so that no value read wraps to another, or to the other sign.
int InteroDi(const QVariant& valore);
// The same, 64 bits wide, for a figure the program itself adds up over a season (the league table's points): a value
// past 64 bits (1e300) reads as the nearest bound, -9223372036854775808 or 9223372036854775807.
qint64 Intero64Di(const QVariant& valore);

// Runs a statement that returns no rows.
void Esegui(const QString& sql, std::initializer_list<QVariant> parametri = {}, QSqlDatabase db = DbCampionato());
void Esegui(const QString& sql, const QVariantList& parametri, QSqlDatabase db = DbCampionato());

// The highest code a counter gives a row: codes are 32-bit numbers, and the opening refuses a file holding one past
// it.
constexpr qint64 CODICE_MASSIMO = 2147483647;

// Before `righe` new rows are added to `tabella` (a championship table whose counter numbers them): throws
// ErroreDatabase, with the message that the counter has no codes for the rows the save adds and nothing was saved,
// when it would give one of them a code past CODICE_MASSIMO. The engine numbers a new row one past the
// highest code the table ever gave (kept in sqlite_sequence) or holds now, whichever is higher. Only reads: the
// caller's transaction, rolled back, leaves nothing written.
void VerificaNuoviCodici(const QString& tabella, qint64 righe = 1, QSqlDatabase db = DbCampionato());

// Adds one row to `tabella`, whose counter numbers it: `sql` is the INSERT, run after VerificaNuoviCodici in the
// caller's transaction or, outside one, in one of its own. Returns the new row's code. Every row the program adds to a
// table with a counter goes through here (or, for many rows at once, through VerificaNuoviCodici first).
int InserisciRiga(const QString& tabella, const QString& sql, const QVariantList& parametri,
                  QSqlDatabase db = DbCampionato());

// The first column of the first row, or an invalid QVariant when there is no row.
QVariant Valore(const QString& sql, std::initializer_list<QVariant> parametri = {}, QSqlDatabase db = DbCampionato());

// A transaction that rolls back unless committed: every write of more than one row runs in one.
class Transazione {
public:
    explicit Transazione(QSqlDatabase db = DbCampionato());
    ~Transazione();
    void commit();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;

private:
    QSqlDatabase db_;
    bool attiva_ = false;
};

// Stored truth values: -1 true, 0 false (never bind a C++ bool).
constexpr int VERO = -1;
constexpr int FALSO = 0;
inline int Flag(bool b) { return b ? VERO : FALSO; }
