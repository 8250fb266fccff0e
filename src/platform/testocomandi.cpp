#include "platform/testocomandi.h"

QString TestoSenzaTastoRapido(const QString& testo)
{
    QString t = testo;
    return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
