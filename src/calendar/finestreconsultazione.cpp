#include "calendar/finestreconsultazione.h"

#include "calendar/partitedarecuperarewindow.h"
#include "calendar/ricercarisultatiwindow.h"
#include "calendar/tabellinowindow.h"
#include "platform/finestre.h"

void RegistraFinestreConsultazione()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(QStringLiteral("Form11"), [] { return new TabellinoWindow; });
    registro.registra(QStringLiteral("Form42"), [] { return new PartiteDaRecuperareWindow; });
    registro.registra(QStringLiteral("Form13"), [] { return new RicercaRisultatiWindow; });
}
