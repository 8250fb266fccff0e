#include "tools/generatore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

bool fallito(QString* errore, const QString& testo)
{
    if (errore) *errore = testo;
    return false;
}

} // namespace

bool GeneraImpostazioni(const QString& percorso, QString* errore)
{
    QFile::remove(percorso);
    const QString nome = "gen_impostazioni_" + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = true;
    QString testo;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(percorso);
        if (!db.open()) {
            ok = false;
            testo = db.lastError().text();
        } else {
            QSqlQuery q(db);
            ok = q.exec("CREATE TABLE Impostazioni (VisualizzaPrimiPassi SMALLINT, ViewOption BYTE, "
                        "VisualizzaVoti SMALLINT, VisualizzaScheda SMALLINT)") &&
                 q.exec("INSERT INTO Impostazioni VALUES (-1, 1, -1, -1)");
            if (!ok) testo = q.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    if (!ok) return fallito(errore, percorso + ": " + testo);
    return true;
}

bool GeneraCartellaProgramma(const QString& cartella, QString* errore)
{
    if (!QDir().mkpath(cartella)) return fallito(errore, "impossibile creare " + cartella);
    return GeneraImpostazioni(QDir(cartella).filePath("golvarno.def"), errore);
}
