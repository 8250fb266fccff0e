#include "calendar/finestrerisultati.h"

#include "calendar/calendariowindow.h"
#include "calendar/inserimentorisultatiwindow.h"
#include "platform/finestre.h"

void RegistraFinestreRisultati()
{
    Finestre& f = Finestre::istanza();
    f.registra(QStringLiteral("Form5"), [] { return new InserimentoRisultatiWindow; });
    f.registra(QStringLiteral("Form2"), [] { return new CalendarioWindow; });
}
