#include "standings/finestresquadra.h"

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/almanaccowindow.h"
#include "standings/andamentosquadrawindow.h"
#include "standings/calendariosquadrawindow.h"

void RegistraFinestreSquadra()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(IdFinestra::CalendarioSquadra, [] { return new CalendarioSquadraWindow; });
    registro.registra(IdFinestra::AndamentoSquadra, [] { return new AndamentoSquadraWindow; });
    registro.registra(IdFinestra::Almanacco, [] { return new AlmanaccoWindow; });
}
