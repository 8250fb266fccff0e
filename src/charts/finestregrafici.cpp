#include "charts/finestregrafici.h"

#include "charts/graficoandamentowindow.h"
#include "charts/graficoclassificawindow.h"
#include "charts/graficogolpergiornatawindow.h"
#include "charts/graficorisultatiwindow.h"
#include "platform/finestre.h"

void RegistraFinestreGrafici()
{
    Finestre& registro = Finestre::istanza();
    registro.registra(GraficoAndamentoWindow::Id, [] { return new GraficoAndamentoWindow; });
    registro.registra(GraficoClassificaWindow::Id, [] { return new GraficoClassificaWindow; });
    registro.registra(GraficoGolPerGiornataWindow::Id, [] { return new GraficoGolPerGiornataWindow; });
    registro.registra(GraficoRisultatiWindow::Id, [] { return new GraficoRisultatiWindow; });
}
