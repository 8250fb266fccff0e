#include "calendar/finestrecostruzionecalendario.h"

#include "calendar/calendarioautomaticodialog.h"
#include "calendar/controllocalendariodialog.h"
#include "calendar/dategiornatewindow.h"
#include "calendar/registrazionegiornatewindow.h"
#include "platform/finestre.h"

void RegistraFinestreCostruzioneCalendario()
{
    Finestre& f = Finestre::istanza();
    f.registra(QStringLiteral("Form37"), [] { return new CalendarioAutomaticoDialog; });
    f.registra(QStringLiteral("Form39"), [] { return new ControlloCalendarioDialog; });
    f.registra(QStringLiteral("Form38"), [] { return new DateGiornateWindow; });
    f.registra(QStringLiteral("Form10"), [] { return new RegistrazioneGiornateWindow; });
}
