#include "standings/finestreclassifica.h"

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/classificaparzialedialog.h"
#include "standings/classificawindow.h"
#include "standings/statistichewindow.h"

void RegistraFinestreClassifica()
{
    Finestre& f = Finestre::istanza();
    f.registra(IdFinestra::Classifica, [] { return new ClassificaWindow; });
    f.registra(IdFinestra::ClassificaParziale, [] { return new ClassificaParzialeDialog; });
    f.registra(IdFinestra::Statistiche, [] { return new StatisticheWindow; });
}
