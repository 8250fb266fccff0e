#include "calendar/finestrecostruzionecalendario.h"

#include "calendar/calendarioautomaticodialog.h"
#include "calendar/controllocalendariodialog.h"
#include "calendar/dategiornatewindow.h"
#include "calendar/registrazionegiornatewindow.h"
#include "core/idfinestre.h"
#include "platform/finestre.h"

void RegistraFinestreCostruzioneCalendario()
{
    Finestre& f = Finestre::istanza();
    f.registra(IdFinestra::CalendarioAutomatico, [] { return new CalendarioAutomaticoDialog; });
    f.registra(IdFinestra::ControlloCalendario, [] { return new ControlloCalendarioDialog; });
    f.registra(IdFinestra::DateGiornate, [] { return new DateGiornateWindow; });
    f.registra(IdFinestra::RegistrazioneGiornate, [] { return new RegistrazioneGiornateWindow; });
}
