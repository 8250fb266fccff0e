#include "tools/modellicalendario.h"

#include "tools/connessionesqlite.h"
#include "tools/girone.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

QVector<int> SquadreConModello()
{
    QVector<int> n;
    for (int i = 6; i <= 20; i += 2) n.append(i);
    return n;
}

QString NomeModelloCalendario(int n) { return QStringLiteral("S%1.DTA").arg(n); }

bool GeneraModelloCalendario(const QString& percorso, int n, QString* errore)
{
    auto fallito = [errore](const QString& testo) {
        if (errore) *errore = testo;
        return false;
    };
    if (n < 2 || n % 2 != 0)
        return fallito(QStringLiteral("%1: numero di squadre non valido (%2)").arg(percorso).arg(n));
    if (QFile::exists(percorso) && !QFile::remove(percorso))
        return fallito(percorso + ": impossibile sostituire il file");

    ConnessioneSqlite c(percorso);
    if (!c.aperta()) return fallito(c.errore({}));
    QSqlDatabase db = c.db();
    QSqlQuery q(db);
    if (!q.exec("CREATE TABLE PARTITE (GIORNATA INTEGER, SQ1 INTEGER, SQ2 INTEGER)"))
        return fallito(c.errore(q.lastError().text()));
    if (!db.transaction()) return fallito(c.errore({}));
    if (!q.prepare("INSERT INTO PARTITE (GIORNATA, SQ1, SQ2) VALUES (?, ?, ?)"))
        return fallito(c.errore(q.lastError().text()));
    for (const Accoppiamento& p : GironeAllItaliana(n)) {
        q.addBindValue(p.giornata);
        q.addBindValue(p.casa);
        q.addBindValue(p.ospite);
        if (!q.exec()) {
            const QString testo = q.lastError().text();
            db.rollback();
            return fallito(c.errore(testo));
        }
    }
    if (!db.commit()) return fallito(c.errore({}));
    return true;
}
