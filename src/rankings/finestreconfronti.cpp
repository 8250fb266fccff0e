#include "rankings/finestreconfronti.h"

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "rankings/classifichecalcolatewindow.h"
#include "rankings/confrontogiocatoriwindow.h"
#include "rankings/confrontostatisticowindow.h"
#include "rankings/confrontotabellewindow.h"
#include "rankings/marcatoriwindow.h"
#include "rankings/scontridirettiwindow.h"

void RegistraFinestreConfronti()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(IdFinestra::Marcatori, [] { return new MarcatoriWindow; });
    registro.registra(IdFinestra::ConfrontoTabelle, [] { return new ConfrontoTabelleWindow; });
    registro.registra(IdFinestra::ConfrontoStatistico, [] { return new ConfrontoStatisticoWindow; });
    registro.registra(IdFinestra::ScontriDiretti, [] { return new ScontriDirettiWindow; });
    registro.registra(IdFinestra::ClassificheCalcolate, [] { return new ClassificheCalcolateWindow; });
    registro.registra(IdFinestra::ConfrontoGiocatori, [] { return new ConfrontoGiocatoriWindow; });
}
