#include "players/finestregiocatori.h"

#include "platform/finestre.h"
#include "players/nuovogiocatorewindow.h"
#include "players/rosawindow.h"
#include "players/venditagiocatorewindow.h"

void RegistraFinestreGiocatori()
{
    Finestre& registro = Finestre::istanza();
    Q_UNUSED(registro);
    registro.registra(RosaWindow::Id, [] { return new RosaWindow; });
    registro.registra(NuovoGiocatoreWindow::Id, [] { return new NuovoGiocatoreWindow; });
    registro.registra(VenditaGiocatoreWindow::Id, [] { return new VenditaGiocatoreWindow; });
}
