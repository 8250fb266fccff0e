#include "core/comando.h"

#include "core/database.h"
#include "core/utilita.h"
#include "platform/messaggio.h"

QString TestoErroreDati(const QString& motivo)
{
    return QStringLiteral("Si è verificato un errore nell'accesso ai dati del campionato.\r\r%1").arg(motivo);
}

bool EseguiComando(const QString& titolo, const std::function<void()>& comando)
{
    return EseguiComando(titolo, comando, TestoErroreDati);
}

bool EseguiComando(const QString& titolo, const std::function<void()>& comando,
                   const std::function<QString(const QString& motivo)>& spiegazione)
{
    QString motivo;
    try {
        comando();
        return true;
    } catch (const ErroreDatabase& e) {
        motivo = e.testo();
    } catch (const std::exception& e) {
        // Not a failure of the data: its words are for the log, not for the user.
        qWarning("%s: errore imprevisto: %s", qUtf8Printable(titolo), e.what());
        motivo = QStringLiteral("L'operazione non è stata completata per un errore imprevisto.");
    }
    CursoreNormale();
    Messaggio::errore(spiegazione(motivo), titolo);
    return false;
}
