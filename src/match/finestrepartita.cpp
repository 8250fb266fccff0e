#include "match/finestrepartita.h"

#include "match/formazioniwindow.h"
#include "match/retiwindow.h"
#include "match/schedapartitawindow.h"
#include "match/sostituzioniwindow.h"

void RegistraFinestrePartita()
{
    RegistraSchedaPartita();
    RegistraSostituzioni();
    RegistraReti();
    RegistraFormazioni();
}
