#include "shell/conversionefile.h"

#include "core/campionato.h"
#include "core/comando.h"
#include "core/conversione.h"
#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/messaggio.h"
#include "shell/aperturacampionato.h"
#include "shell/creazionecampionato.h"

#include <limits>
#include <QFileInfo>

namespace {

bool stessoFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) return false;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString ConversioneFile::nomeCopia(const QString& originale)
{
    const QFileInfo info(originale);
    const QString nome = info.fileName();
    if (nome.isEmpty()) return QString();
    const QString cartella = info.path();
    // The counter is 16-bit in the files' world: numbers above it are not tried.
    for (int n = 2000; n <= std::numeric_limits<qint16>::max(); ++n) {
        const QString numero = QStringLiteral(" %1").arg(n);
        const QString candidato = nome.contains('.') ? InserisciPrimaDelPunto(nome, numero) : nome + numero;
        const QString percorso = cartella + QLatin1Char('/') + candidato;
        if (!QFileInfo::exists(percorso)) return percorso;
    }
    return QString();
}

void ConversioneFile::ConvertiFileVersione4()
{
    const QString origine = AperturaCampionato::scegliFile(QStringLiteral("Selezionare il file da aggiornare"));
    if (origine.isEmpty()) return;

    if (stessoFile(origine, stato().PercorsoCampionato)) {
        Messaggio::errore(QStringLiteral("Attenzione: non si può convertire il file attualmente in uso. Esso è già "
                                         "utilizzabile con Golvarno 2000 !"),
                          QStringLiteral("Conversione impossibile"));
        return;
    }

    const auto nonConvertibile = [&origine](const QString& motivo) {
        return QStringLiteral("Non è possibile convertire il file:\r") + origine + QStringLiteral("\r\r") + motivo;
    };
    if (!EseguiComando(
            QStringLiteral("Conversione file"), [&] { VerificaFileDaConvertire(origine); }, nonConvertibile))
        return;

    const QString copia = nomeCopia(origine);
    if (copia.isEmpty()) {
        Messaggio::errore(QStringLiteral("Non è possibile trovare un nome libero per la copia del file:\r") + origine,
                          QStringLiteral("Conversione impossibile"));
        return;
    }

    const QString domanda = QStringLiteral("Confermi di convertire il file: \r") + origine +
                            QStringLiteral("\r nel formato di Golvarno 2000 ? \r\r(La copia originale del file verrà "
                                           "comunque mantenuta: verrà creata una copia con nome: \r") +
                            copia + QStringLiteral("\r da usare con Golvarno 2000)");
    if (Messaggio::mostra(domanda, Messaggio::Pulsanti::SiNo, Messaggio::Icona::Domanda,
                          QStringLiteral("Conversione file")) != Messaggio::Risposta::Si)
        return;

    // The copy is written and converted on a connection of its own: the championship in use is
    // left alone until the user chooses to open the copy. A failure leaves no copy behind
    // (ConvertiFile deletes it).
    const bool convertito = EseguiComando(
        QStringLiteral("Conversione file"),
        [&] {
            CursoreAttesa();
            ConvertiFile(origine, copia);
            CursoreNormale();
        },
        nonConvertibile);
    if (!convertito) return;

    if (Messaggio::mostra(QStringLiteral("Il file è stato convertito con successo!\rSi desidera aprirlo adesso?"),
                          Messaggio::Pulsanti::SiNo, Messaggio::Icona::Esclamazione,
                          QStringLiteral("Conversione completata")) != Messaggio::Risposta::Si)
        return;
    // The copy opens only once the windows of the championship in use have closed.
    if (!ChiudiFinestreDelCampionato(QString(),
                                     QStringLiteral("La copia convertita\r") + copia +
                                         QStringLiteral("\rè stata creata ma non è stata aperta."),
                                     QStringLiteral("Conversione completata")))
        return;
    ApriFileComeCampionato(copia);
}
