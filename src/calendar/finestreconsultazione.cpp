#include "calendar/finestreconsultazione.h"

#include "calendar/partitedarecuperarewindow.h"
#include "calendar/ricercarisultatiwindow.h"
#include "calendar/tabellinowindow.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

void RegistraFinestreConsultazione()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(IdFinestra::Tabellino, [] { return new TabellinoWindow; });
    registro.registra(IdFinestra::PartiteDaRecuperare, [] { return new PartiteDaRecuperareWindow; });
    registro.registra(IdFinestra::RicercaRisultati, [] { return new RicercaRisultatiWindow; });
}
