#include "shell/tuttelefinestre.h"

#include "calendar/finestreconsultazione.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "calendar/finestrerisultati.h"
#include "charts/finestregrafici.h"
#include "match/finestrepartita.h"
#include "players/finestregiocatori.h"
#include "rankings/finestreconfronti.h"
#include "shell/finestrecampionato.h"
#include "shell/schedacampionatowindow.h"
#include "standings/finestreclassifica.h"
#include "standings/finestresquadra.h"

void RegistraTutteLeFinestre()
{
    RegistraFinestreCampionato();
    RegistraSchedaCampionato();
    RegistraFinestreCostruzioneCalendario();
    RegistraFinestreConsultazione();
    RegistraFinestreRisultati();
    RegistraFinestreClassifica();
    RegistraFinestreSquadra();
    RegistraFinestreGiocatori();
    RegistraFinestrePartita();
    RegistraFinestreConfronti();
    RegistraFinestreGrafici();
}
