#include "charts/finestregrafici.h"

#include "charts/graficoandamentowindow.h"
#include "charts/graficocartelliniwindow.h"
#include "charts/graficoclassificawindow.h"
#include "charts/graficoconfrontoandamentowindow.h"
#include "charts/graficogiocatorewindow.h"
#include "charts/graficogolpergiornatawindow.h"
#include "charts/graficogolwindow.h"
#include "charts/graficorisultatiwindow.h"
#include "platform/finestre.h"

void RegistraFinestreGrafici()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(GraficoAndamentoWindow::Id, [] { return new GraficoAndamentoWindow; });
    registro.registra(GraficoClassificaWindow::Id, [] { return new GraficoClassificaWindow; });
    registro.registra(GraficoGolPerGiornataWindow::Id, [] { return new GraficoGolPerGiornataWindow; });
    registro.registra(GraficoRisultatiWindow::Id, [] { return new GraficoRisultatiWindow; });
    registro.registra(GraficoGolWindow::Id, [] { return new GraficoGolWindow; });
    registro.registra(GraficoConfrontoAndamentoWindow::Id, [] { return new GraficoConfrontoAndamentoWindow; });
    registro.registra(GraficoCartelliniWindow::Id, [] { return new GraficoCartelliniWindow; });
    registro.registra(GraficoGiocatoreWindow::Id, [] { return new GraficoGiocatoreWindow; });
}
