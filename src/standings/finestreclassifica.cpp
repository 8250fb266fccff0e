#include "standings/finestreclassifica.h"

#include "platform/finestre.h"
#include "standings/classificaparzialedialog.h"
#include "standings/classificawindow.h"
#include "standings/statistichewindow.h"

void RegistraFinestreClassifica()
{
    Finestre& f = Finestre::istanza();
    f.registra(QStringLiteral("Form6"), [] { return new ClassificaWindow; });
    f.registra(QStringLiteral("Form7"), [] { return new ClassificaParzialeDialog; });
    f.registra(QStringLiteral("Form4"), [] { return new StatisticheWindow; });
}
