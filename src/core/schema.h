#pragma once

#include <functional>
#include <optional>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// The championship file: eight tables, their fields in order, and the value codes stored in them.

struct CampoSchema {
    QString nome;
    QString tipo;  // declared type: BYTE, SMALLINT, INTEGER, CURRENCY, VARCHAR(n), or COUNTER
};

struct TabellaSchema {
    QString nome;
    QVector<CampoSchema> campi;
};

// The whole numbers a number field holds, by its declared kind: BYTE 0 to 255, SMALLINT 16 bits, INTEGER and
// COUNTER 32 bits. No file the program writes leaves them, and the opening refuses a file that does.
struct Intervallo {
    qint64 minimo = 0;
    qint64 massimo = 0;
    bool contiene(qint64 v) const { return v >= minimo && v <= massimo; }
};
// The interval of `c`; empty for text and for the rating, which holds decimals.
std::optional<Intervallo> IntervalloDi(const CampoSchema& c);

// The eight tables in creation order.
const QVector<TabellaSchema>& SchemaCampionato();
// The table of the layout named `nome` (upper case), and its field `campo`; null when the layout has none.
const TabellaSchema* TabellaDi(const QString& nome);
const CampoSchema* CampoDi(const QString& tabella, const QString& campo);

// The SQL that creates one table.
QString SqlCreaTabella(const TabellaSchema& t);

// The name of `t`'s counter (the code field that numbers the table's rows); empty when it has none.
QString ContatoreDi(const TabellaSchema& t);

// The field `campo` of `tabella` in `db` numbers new rows itself, as the program's counters do: it is the table's
// INTEGER PRIMARY KEY, which holds the row's own number. A field declared as a plain whole number leaves a new
// row without its code.
bool NumeraNuoveRighe(const QString& tabella, const QString& campo, QSqlDatabase db);
// The championship's tables whose counter does not number new rows in `db` (a table missing from the file among
// them), in creation order.
QStringList ContatoriCheNonNumerano(QSqlDatabase db);

// The reason to refuse a file whose tables of the layout (any of them) are stored without row numbers (WITHOUT
// ROWID): the program finds and names rows by their number. Empty when every table has them. Only reads.
QString TabelleSenzaNumeriDiRiga(QSqlDatabase db);

// The SQL for the numeric value of a field, as files written by other programs may hold numbers as text (which
// the engine would compare as text, greater than any number and never equal to one): blanks around it are
// skipped, and an empty or blank text is an empty value (Null), as the old program read an empty field. A decimal
// that is no whole number of 64 bits is taken as itself: its text would keep only 15 digits, and an infinite one
// reads as "Inf", which as text is no number (0). A whole one reads as that whole number.
QString ValoreNumericoSql(const QString& campo);

// Creates a new, empty championship file at stato().PercorsoCampionato and makes it the open
// championship (DbCampionato). Refuses a path that already exists; on any failure no file is left
// behind and ErroreDatabase is thrown.
void CreaDatabase();

// The same at an explicit path, without touching the open championship (fixtures, conversions, the
// wizards). `riempi`, when given, writes the first rows in the transaction that creates the tables: the
// file takes its name complete, rows included.
void CreaFileCampionato(const QString& percorso, const std::function<void(QSqlDatabase)>& riempi = {});

// Writes a new file at `percorso` under a temporary name beside it and gives it its name only once it is
// complete: `costruisci` writes and commits the whole file at the temporary path it is given (created empty
// beforehand). Refuses an empty path, an existing file, a missing folder and one that cannot be written; on any
// failure the temporary file is removed and the failure passed on (ErroreDatabase). A crash leaves at most a
// hidden temporary file and its journal, never a half-made file under the user's name; the next creation of that
// name removes them.
void CostruisciFileAccanto(const QString& percorso, const std::function<void(const QString&)>& costruisci);

// The eight tables are present (a quick check that a file is a championship file).
QStringList TabelleMancanti(const QString& nomeConnessione);

// The file holds triggers of its own: they would run during the program's writes, so such a file is refused.
bool HaTrigger(const QString& nomeConnessione);
QString MotivoTrigger();
