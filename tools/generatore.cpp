#include "tools/generatore.h"

#include "tools/bitmapprogramma.h"
#include "tools/connessionesqlite.h"
#include "tools/guidaprogramma.h"
#include "tools/modellicalendario.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

bool fallito(QString* errore, const QString& testo)
{
    if (errore) *errore = testo;
    return false;
}

}  // namespace

bool GeneraImpostazioni(const QString& percorso, QString* errore)
{
    if (QFile::exists(percorso) && !QFile::remove(percorso))
        return fallito(errore, percorso + ": impossibile sostituire il file");
    ConnessioneSqlite c(percorso);
    if (!c.aperta()) return fallito(errore, c.errore({}));
    QSqlQuery q(c.db());
    if (!q.exec("CREATE TABLE Impostazioni (VisualizzaPrimiPassi SMALLINT, ViewOption BYTE, "
                "VisualizzaVoti SMALLINT, VisualizzaScheda SMALLINT)") ||
        !q.exec("INSERT INTO Impostazioni (VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda) "
                "VALUES (-1, 1, -1, -1)"))
        return fallito(errore, c.errore(q.lastError().text()));
    return true;
}

bool GeneraCartellaProgramma(const QString& cartella, QString* errore)
{
    if (!QDir().mkpath(cartella)) return fallito(errore, "impossibile creare " + cartella);
    const QDir dir(cartella);
    if (!GeneraImpostazioni(dir.filePath(NomeFileImpostazioni()), errore)) return false;
    for (int n : SquadreConModello())
        if (!GeneraModelloCalendario(dir.filePath(NomeModelloCalendario(n)), n, errore)) return false;
    if (!GeneraGuida(dir.filePath(NomeFileGuida()), errore)) return false;
    return GeneraBitmapProgramma(cartella, errore);
}
