#include "core/database.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

namespace {
const char* const NOME_CAMPIONATO = "DbCampionato";

QString testoErrore(const QSqlError& e)
{
    QString t = e.databaseText();
    if (t.isEmpty()) t = e.text();
    if (t.isEmpty()) t = e.driverText();
    return t;
}
} // namespace

QSqlDatabase DbCampionato()
{
    if (!QSqlDatabase::contains(NOME_CAMPIONATO)) return QSqlDatabase();
    return QSqlDatabase::database(NOME_CAMPIONATO, false);
}

bool DbCampionatoAperto() { return QSqlDatabase::contains(NOME_CAMPIONATO) && DbCampionato().isOpen(); }

QSqlDatabase ApriConnessione(const QString& nome, const QString& percorso, bool soloLettura, bool crea)
{
    ChiudiConnessione(nome);
    if (!crea && !QFileInfo(percorso).isFile())
        throw ErroreDatabase(QStringLiteral("Il file %1 non esiste.").arg(percorso));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
    db.setDatabaseName(percorso);
    QStringList opzioni{"QSQLITE_BUSY_TIMEOUT=2000"};
    if (soloLettura) opzioni << "QSQLITE_OPEN_READONLY";
    db.setConnectOptions(opzioni.join(';'));
    if (!db.open()) {
        const QString t = testoErrore(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nome);
        throw ErroreDatabase(t);
    }
    QSqlQuery q(db);
    q.exec("PRAGMA journal_mode=DELETE");
    q.exec("PRAGMA synchronous=FULL");
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

void ApriDbCampionato(const QString& percorso) { ApriConnessione(NOME_CAMPIONATO, percorso, false, false); }

void ChiudiDbCampionato() { ChiudiConnessione(NOME_CAMPIONATO); }

Query::Query(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db) : q_(db)
{
    esegui(sql, QVariantList(parametri));
}

Query::Query(const QString& sql, const QVariantList& parametri, QSqlDatabase db) : q_(db) { esegui(sql, parametri); }

void Query::esegui(const QString& sql, const QVariantList& parametri)
{
    if (!q_.driver() || !q_.driver()->isOpen())
        throw ErroreDatabase(QStringLiteral("Nessun database aperto."));
    q_.setForwardOnly(true);
    if (!q_.prepare(sql)) throw ErroreDatabase(testoErrore(q_.lastError()) + QStringLiteral("\r") + sql);
    for (const QVariant& p : parametri) q_.addBindValue(p);
    if (!q_.exec()) throw ErroreDatabase(testoErrore(q_.lastError()) + QStringLiteral("\r") + sql);
}

bool Query::next() { return q_.next(); }

bool Query::primo() { return q_.next(); }

int Query::indice(const QString& campo) const
{
    const int i = q_.record().indexOf(campo);
    if (i < 0) throw ErroreDatabase(QStringLiteral("Campo %1 non trovato.").arg(campo));
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

int Query::intero(int colonna) const
{
    const QVariant v = q_.value(colonna);
    return v.isNull() ? 0 : int(v.toLongLong());
}
int Query::intero(const QString& campo) const { return intero(indice(campo)); }

double Query::numero(int colonna) const
{
    const QVariant v = q_.value(colonna);
    return v.isNull() ? 0.0 : v.toDouble();
}
double Query::numero(const QString& campo) const { return numero(indice(campo)); }

QVariant Query::ultimoId() const { return q_.lastInsertId(); }
int Query::righeToccate() const { return q_.numRowsAffected(); }

void Esegui(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db)
{
    Query q(sql, parametri, db);
}

void Esegui(const QString& sql, const QVariantList& parametri, QSqlDatabase db) { Query q(sql, parametri, db); }

QVariant Valore(const QString& sql, std::initializer_list<QVariant> parametri, QSqlDatabase db)
{
    Query q(sql, parametri, db);
    if (!q.next()) return QVariant();
    return q.valore(0);
}

Transazione::Transazione(QSqlDatabase db) : db_(db)
{
    if (!db_.isOpen()) throw ErroreDatabase(QStringLiteral("Nessun database aperto."));
    if (!db_.transaction()) throw ErroreDatabase(testoErrore(db_.lastError()));
    attiva_ = true;
}

Transazione::~Transazione()
{
    if (attiva_) db_.rollback();
}

void Transazione::commit()
{
    if (!attiva_) return;
    if (!db_.commit()) {
        const QString t = testoErrore(db_.lastError());
        db_.rollback();
        attiva_ = false;
        throw ErroreDatabase(t);
    }
    attiva_ = false;
}
