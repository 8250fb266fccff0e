#include "calendar/aggiornariga.h"

#include "core/database.h"

#include <QStringList>

void AggiornaRiga(const QString& tabella, const QVector<CampoRiga>& campi, const QString& condizione,
                  const QVariantList& chiave, const QString& errore)
{
    if (campi.isEmpty()) return;
    QStringList assegnazioni;
    QVariantList valori;
    for (const CampoRiga& c : campi) {
        assegnazioni << c.colonna + QStringLiteral(" = ?");
        valori << c.valore;
    }
    const Query q(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(tabella, assegnazioni.join(QStringLiteral(", ")), condizione),
        valori + chiave);
    if (q.righeToccate() == 0) throw ErroreDatabase(errore);
}
