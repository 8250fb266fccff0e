#include "match/finestrepartita.h"

#include "platform/finestre.h"

void RegistraFinestrePartita()
{
    Finestre& registro = Finestre::istanza();
    Q_UNUSED(registro);
}
