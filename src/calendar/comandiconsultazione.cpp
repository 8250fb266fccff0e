#include "calendar/comandiconsultazione.h"

#include "calendar/ricercapartitequeries.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "platform/finestre.h"

void ApriSchedaPartita(const PartitaGirone& partita)
{
    Stato& s = stato();
    s.GiornataCorrente = partita.giornata;
    s.Andata = partita.andata;
    s.CodPartitaCorrente = partita.codPart;
    s.GiornataCambiata = true;
    Finestre::istanza().mostra(IdFinestra::SchedaPartita);
}
