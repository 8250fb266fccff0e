#include "players/numeromaglia.h"

std::optional<int> NumeroMagliaDaTesto(const QString& testo)
{
    int numero = 0;
    bool cifre = false;
    for (const QChar c : testo) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            if (!cifre) return std::nullopt;
            break;
        }
        cifre = true;
        numero = numero * 10 + (c.unicode() - '0');
        if (numero > NUMERO_MAGLIA_MASSIMO) return std::nullopt;
    }
    return numero;
}

QString TestoNumeroMagliaErrato()
{
    return QStringLiteral("Il numero di maglia va scritto in cifre, come numero intero da 0 a %1.\r\rLasciare la "
                          "casella vuota per un giocatore senza numero.")
        .arg(NUMERO_MAGLIA_MASSIMO);
}
