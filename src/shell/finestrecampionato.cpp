#include "shell/finestrecampionato.h"

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
    f.registra(QStringLiteral("Form9"), [] { return new NuovoCampionatoWizard; });
    f.registra(QStringLiteral("Form36"), [] { return new NuovaStagioneWizard; });
    f.registra(QStringLiteral("Form41"), [] { return new ProprietaCampionatoWindow; });
    f.registra(QStringLiteral("Form43"), [] { return new InformazioniSocietarieWindow; });
    f.registra(QStringLiteral("Form46"), [] { return new OpzioniDialog; });
    f.registra(QStringLiteral("Form49"), [] { return new IntroduzioneDialog; });
}
