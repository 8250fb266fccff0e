#include "charts/graficocartelliniwindow.h"

#include "core/cercagiornate.h"
#include "core/stato.h"
#include "platform/grafico.h"

namespace {

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico delle ammonizioni e delle epulsioni giornata per giornata");
    i.cercaStop = true;
    i.posizione = QPoint(40, 50);
    return i;
}

}  // namespace

GraficoCartelliniWindow::GraficoCartelliniWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    Grafico* g = grafico();
    g->impostaTipo(Grafico::Tipo::Barre);
    g->impostaSerie(2);
    g->impostaEtichettaSerie(1, QStringLiteral("Ammonizioni"));
    g->impostaEtichettaSerie(2, QStringLiteral("Espulsioni"));
    g->impostaLegenda(true);
    g->impostaTitoliAssi(QStringLiteral("Giornate"), QString());
    g->setMinimumWidth(760);  // two bars a round, and the legend
}

bool GraficoCartelliniWindow::disegna()
{
    GraficiQueries::CartelliniPerGiornata cartellini;
    if (!leggi([&] {
            cartellini = GraficiQueries::ContaCartelliniPerGiornata(stop(), GiornatePerGirone(stato().NumeroSquadre));
        }))
        return false;
    impostaRigheNumerate(righePerGiornata());
    scriviSerie(1, cartellini.ammonizioni);
    scriviSerie(2, cartellini.espulsioni);
    grafico()->aggiorna();
    return true;
}
