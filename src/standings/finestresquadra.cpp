#include "standings/finestresquadra.h"

#include "platform/finestre.h"
#include "standings/almanaccowindow.h"
#include "standings/andamentosquadrawindow.h"
#include "standings/calendariosquadrawindow.h"

void RegistraFinestreSquadra()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(QStringLiteral("Form21"), [] { return new CalendarioSquadraWindow; });
    registro.registra(QStringLiteral("Form22"), [] { return new AndamentoSquadraWindow; });
    registro.registra(QStringLiteral("Form40"), [] { return new AlmanaccoWindow; });
}
