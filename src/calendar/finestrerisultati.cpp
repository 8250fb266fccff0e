#include "calendar/finestrerisultati.h"

#include "calendar/calendariowindow.h"
#include "calendar/inserimentorisultatiwindow.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

void RegistraFinestreRisultati()
{
    Finestre& f = Finestre::istanza();
    f.registra(IdFinestra::InserimentoRisultati, [] { return new InserimentoRisultatiWindow; });
    f.registra(IdFinestra::Calendario, [] { return new CalendarioWindow; });
}
