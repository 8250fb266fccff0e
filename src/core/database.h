#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <stdexcept>

// A failure of the database engine: the operation stops and the user is told.
class ErroreDatabase : public std::runtime_error {
public:
    explicit ErroreDatabase(const QString& testo) : std::runtime_error(testo.toStdString()), testo_(testo) {}
    const QString& testo() const { return testo_; }

private:
    QString testo_;
};

// The open championship file. Only one is open at a time; opening another replaces it.
QSqlDatabase DbCampionato();
bool DbCampionatoAperto();

// Opens `percorso` as the championship connection (closing the one open before).
// Throws ErroreDatabase when the engine cannot open it. Does not validate the content.
void ApriDbCampionato(const QString& percorso);
void ChiudiDbCampionato();

// Opens an SQLite file on a connection of its own, named `nome`, with the program's settings
// (rollback journal, synchronous FULL). `soloLettura` opens it read-only; `crea` allows creating it.
// Throws ErroreDatabase on failure. Remove it with ChiudiConnessione(nome).
QSqlDatabase ApriConnessione(const QString& nome, const QString& percorso, bool soloLettura = false,
                             bool crea = true);
void ChiudiConnessione(const QString& nome);

// One SQL statement with bound parameters, run on a connection (the championship by default).
//   Query q("SELECT Nome FROM Squadra WHERE Codice = ?", {codice});
//   while (q.next()) nomi << q.testo("Nome");
// Every failure throws ErroreDatabase carrying the driver's text.
class Query {
public:
    explicit Query(const QString& sql, std::initializer_list<QVariant> parametri = {},
                   QSqlDatabase db = DbCampionato());
    Query(const QString& sql, const QVariantList& parametri, QSqlDatabase db = DbCampionato());

    bool next();
    bool primo();  // moves to the first row: false when there is none

    // Typed readers: Null reads as "" or 0.
    QString testo(const QString& campo) const;
    QString testo(int colonna) const;
    int intero(const QString& campo) const;
    int intero(int colonna) const;
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
};

// Runs a statement that returns no rows.
void Esegui(const QString& sql, std::initializer_list<QVariant> parametri = {}, QSqlDatabase db = DbCampionato());
void Esegui(const QString& sql, const QVariantList& parametri, QSqlDatabase db = DbCampionato());

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
