#include "core/comando.h"

#include "core/database.h"
#include "core/utilita.h"
#include "platform/messaggio.h"

QString TestoErroreDati(const QString& dettaglio)
{
    return QStringLiteral("Si è verificato un errore nell'accesso ai dati del campionato.\r\r%1").arg(dettaglio);
}

bool EseguiComando(const QString& titolo, const std::function<void()>& comando)
{
    QString dettaglio;
    try {
        comando();
        return true;
    } catch (const ErroreDatabase& e) {
        dettaglio = e.testo();
    } catch (const std::exception& e) {
        dettaglio = QString::fromLocal8Bit(e.what());
    }
    CursoreNormale();
    Messaggio::errore(TestoErroreDati(dettaglio), titolo);
    return false;
}
