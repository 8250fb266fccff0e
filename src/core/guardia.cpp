#include "core/guardia.h"

#include "core/stato.h"
#include "platform/messaggio.h"

namespace {
std::function<void()>& comandoApri()
{
    static std::function<void()> f;
    return f;
}
}  // namespace

void ImpostaComandoApri(std::function<void()> comando) { comandoApri() = std::move(comando); }

bool VerificaCampionatoAperto()
{
    if (stato().CampionatoAperto) return true;
    const auto risposta =
        Messaggio::mostra(QStringLiteral("Occorre aprire un file con i dati di un campionato per poter lavorare!\r\r"
                                         "Si desidera aprire un file ora?"),
                          Messaggio::Pulsanti::SiNo, Messaggio::Icona::Esclamazione, QStringLiteral("Golvarno"));
    if (risposta != Messaggio::Risposta::Si) return false;
    if (comandoApri()) comandoApri()();
    return stato().CampionatoAperto;
}
