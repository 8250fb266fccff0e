#pragma once

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

// The eight tables in creation order.
const QVector<TabellaSchema>& SchemaCampionato();

// The SQL that creates one table.
QString SqlCreaTabella(const TabellaSchema& t);

// Creates a new, empty championship file at stato().PercorsoCampionato and makes it the open
// championship (DbCampionato). Refuses a path that already exists; on any failure no file is left
// behind and ErroreDatabase is thrown.
void CreaDatabase();

// The same at an explicit path, without touching the open championship (fixtures, conversions).
void CreaFileCampionato(const QString& percorso);

// The eight tables are present (a quick check that a file is a championship file).
QStringList TabelleMancanti(const QString& nomeConnessione);
