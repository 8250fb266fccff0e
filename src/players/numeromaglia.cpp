#include "players/numeromaglia.h"

#include "core/codici.h"

std::optional<int> NumeroMagliaDaTesto(const QString& testo) { return InteroScritto(testo, NUMERO_MAGLIA_MASSIMO); }

QString TestoNumeroMagliaErrato()
{
    return QStringLiteral("Il numero di maglia va scritto in cifre, come numero intero da 0 a %1.\r\rLasciare la "
                          "casella vuota per un giocatore senza numero.")
        .arg(NUMERO_MAGLIA_MASSIMO);
}
