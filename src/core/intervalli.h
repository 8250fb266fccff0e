#pragma once

#include "core/schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

// A field of a table as the file declares it.
struct CampoNelFile {
    QString nome;              // upper case
    bool predefinito = false;  // it has a default value, which a row written before the field was added reads as
    int posizione = 0;         // its place among the values of a stored row
};
// The fields of each table of the layout (by its upper-case name) in the file's order; a table missing from the
// file has none. A column that the engine computes (GENERATED ALWAYS AS) is no field: one declared STORED still
// takes its place among the values of every stored row, so a field's place there is not always its place in the
// list.
using CampiNelFile = QHash<QString, QVector<CampoNelFile>>;
CampiNelFile LeggiCampiNelFile(QSqlDatabase db);

// The first whole number of the file past its field's interval (IntervalloDi), told as the reason to refuse the
// file with the table, the row and the field; empty when every number lies within. A number held as text or as a
// decimal is judged by its value, as ValoreNumericoSql reads it; a field the file lacks is not checked. `fermi` are
// the tables whose counter is not the row's own number (ContatoriCheNonNumerano). PUNTISQUADRE is not checked: the
// standings engine rebuilds it from the matches before any window reads it, and its sums of points pass the
// interval of its fields as soon as a win is worth more than 32767 points. Only reads; throws ErroreDatabase when
// the engine fails.
QString ValoreFuoriIntervallo(QSqlDatabase db, const CampiNelFile& campi, const QStringList& fermi);

// How a message names the row `rowid` of `t` when it tells of the row's field `campo`: by the table's counter when
// the file has it and the row holds a value there ("nella riga con CODICE 7"), else by the row's place among the
// rows ("nella riga n. 3").
QString RigaNelMessaggio(const TabellaSchema& t, const QString& campo, qint64 rowid, QSqlDatabase db);
// The place of the row `rowid` among the rows of `tabella`, counted from 1.
qint64 PosizioneRiga(const QString& tabella, qint64 rowid, QSqlDatabase db);
// A value read from the file, on one line and cut with "…" when long, for a message.
QString ValoreInBreve(const QString& valore);
