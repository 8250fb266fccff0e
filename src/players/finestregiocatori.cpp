#include "players/finestregiocatori.h"

#include "platform/finestre.h"
#include "players/acquistogiocatorewindow.h"
#include "players/elencogiocatoriwindow.h"
#include "players/nuovogiocatorewindow.h"
#include "players/rosawindow.h"
#include "players/sceltagiocatoredialog.h"
#include "players/sceltaimmaginedialog.h"
#include "players/schedegiocatoriwindow.h"
#include "players/squalificatiwindow.h"
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
    registro.registra(SqualificatiWindow::Id, [] { return new SqualificatiWindow; });
    registro.registra(SceltaGiocatoreDialog::Id, [] { return new SceltaGiocatoreDialog; });
    registro.registra(ElencoGiocatoriWindow::Id, [] { return new ElencoGiocatoriWindow; });
}
