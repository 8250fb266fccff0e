#include "match/finestrepartita.h"

#include "match/schedapartitawindow.h"

void RegistraFinestrePartita() { RegistraSchedaPartita(); }
