#include "shell/finestrecampionato.h"

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "shell/informazionisocietariewindow.h"
#include "shell/introduzionedialog.h"
#include "shell/nuovastagionewizard.h"
#include "shell/nuovocampionatowizard.h"
#include "shell/opzionidialog.h"
#include "shell/proprietacampionatowindow.h"

void RegistraFinestreCampionato()
{
    Finestre& f = Finestre::istanza();
    f.registra(IdFinestra::NuovoCampionato, [] { return new NuovoCampionatoWizard; });
    f.registra(IdFinestra::NuovaStagione, [] { return new NuovaStagioneWizard; });
    f.registra(IdFinestra::ProprietaCampionato, [] { return new ProprietaCampionatoWindow; });
    f.registra(IdFinestra::InformazioniSocietarie, [] { return new InformazioniSocietarieWindow; });
    f.registra(IdFinestra::Opzioni, [] { return new OpzioniDialog; });
    f.registra(IdFinestra::Introduzione, [] { return new IntroduzioneDialog; });
}
