#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

// One field of an UPDATE: its column and the value bound to it.
struct CampoRiga {
    QString colonna;
    QVariant valore;
};

// Sets `campi` of the rows of `tabella` that `condizione` selects ("CODPART = ? AND ..."), with the
// values and then `chiave` bound; nothing at all when `campi` is empty. A row that is no longer there
// is a failure, never a save that silently wrote nothing: ErroreDatabase with `errore` when the
// statement touched no row. Column and table names come from the program, never from the user.
void AggiornaRiga(const QString& tabella, const QVector<CampoRiga>& campi, const QString& condizione,
                  const QVariantList& chiave, const QString& errore);
