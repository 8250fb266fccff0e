#include "players/finestregiocatori.h"

#include "platform/finestre.h"

void RegistraFinestreGiocatori()
{
    Finestre& registro = Finestre::istanza();
    Q_UNUSED(registro);
}
