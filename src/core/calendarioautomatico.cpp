#include "core/calendarioautomatico.h"

#include "platform/finestre.h"

void MostraCalendarioAutomatico()
{
    if (Finestre::istanza().registrata(QStringLiteral("Form37"))) Finestre::istanza().mostra(QStringLiteral("Form37"));
}

bool CreaCalendarioAutomatico() { return false; }
