#include "players/finestregiocatori.h"

#include "platform/finestre.h"
#include "players/acquistogiocatorewindow.h"
#include "players/nuovogiocatorewindow.h"
#include "players/rosawindow.h"
#include "players/sceltaimmaginedialog.h"
#include "players/schedegiocatoriwindow.h"
#include "players/venditagiocatorewindow.h"

void RegistraFinestreGiocatori()
{
    Finestre& registro = Finestre::istanza();
    Q_UNUSED(registro);
    registro.registra(RosaWindow::Id, [] { return new RosaWindow; });
    registro.registra(NuovoGiocatoreWindow::Id, [] { return new NuovoGiocatoreWindow; });
    registro.registra(VenditaGiocatoreWindow::Id, [] { return new VenditaGiocatoreWindow; });
    registro.registra(SchedeGiocatoriWindow::Id, [] { return new SchedeGiocatoriWindow; });
    registro.registra(AcquistoGiocatoreWindow::Id, [] { return new AcquistoGiocatoreWindow; });
    registro.registra(SceltaImmagineDialog::Id, [] { return new SceltaImmagineDialog; });
}
