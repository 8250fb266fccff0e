#include "match/giornataaccanto.h"

#include "platform/messaggio.h"

std::optional<GiornataInGirone> GiornataAccanto(GiornataInGirone g, bool avanti, int ultima)
{
    if (avanti) {
        if (g.giornata < ultima) return GiornataInGirone{g.giornata + 1, g.andata};
        if (g.andata) return GiornataInGirone{1, false};
        return std::nullopt;
    }
    if (g.giornata > 1) return GiornataInGirone{g.giornata - 1, g.andata};
    if (!g.andata) return GiornataInGirone{ultima, true};
    return std::nullopt;
}

void AvvisaFineCalendario(bool avanti)
{
    Messaggio::avvisa(avanti ? QStringLiteral("Questa è l'ultima giornata inserita nel calendario!")
                             : QStringLiteral("Questa è la prima giornata del campionato!"),
                      QStringLiteral("Calendario del campionato"));
}
