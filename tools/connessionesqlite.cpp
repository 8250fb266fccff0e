#include "tools/connessionesqlite.h"

#include <QSqlError>
#include <QUuid>

ConnessioneSqlite::ConnessioneSqlite(const QString& percorso)
    : nome_("golvarno_gen_" + QUuid::createUuid().toString(QUuid::Id128)), percorso_(percorso)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome_);
    db.setDatabaseName(percorso);
    aperta_ = db.open();
}

ConnessioneSqlite::~ConnessioneSqlite()
{
    {
        QSqlDatabase db = QSqlDatabase::database(nome_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(nome_);
}

QSqlDatabase ConnessioneSqlite::db() const { return QSqlDatabase::database(nome_, false); }

QString ConnessioneSqlite::errore(const QString& testo) const
{
    return percorso_ + ": " + (testo.isEmpty() ? db().lastError().text() : testo);
}
