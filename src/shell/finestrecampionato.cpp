#include "shell/finestrecampionato.h"

#include "platform/finestre.h"
#include "shell/nuovastagionewizard.h"
#include "shell/nuovocampionatowizard.h"

void RegistraFinestreCampionato()
{
    Finestre& f = Finestre::istanza();
    f.registra(QStringLiteral("Form9"), [] { return new NuovoCampionatoWizard; });
    f.registra(QStringLiteral("Form36"), [] { return new NuovaStagioneWizard; });
}
