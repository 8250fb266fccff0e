#include "charts/graficogolpergiornatawindow.h"

#include "core/cercagiornate.h"
#include "core/stato.h"
#include "platform/grafico.h"

namespace {

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico delle reti segnate giornata per giornata");
    i.cercaStop = true;
    i.suggerimentoCopia = QStringLiteral("Copia il grafico negli appunti di Windows");
    return i;
}

}  // namespace

GraficoGolPerGiornataWindow::GraficoGolPerGiornataWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    grafico()->impostaTipo(Grafico::Tipo::Barre);
    grafico()->impostaEtichettaSerie(1, QStringLiteral("Reti"));
    grafico()->impostaTitoliAssi(QStringLiteral("Giornate"), QStringLiteral("Reti"));
}

bool GraficoGolPerGiornataWindow::disegna()
{
    ValoriPerGiornata reti;
    if (!leggi([&] { reti = GraficiQueries::RetiPerGiornata(stop(), GiornatePerGirone(stato().NumeroSquadre)); }))
        return false;
    impostaRigheNumerate(righePerGiornata());
    scriviSerie(1, reti);
    grafico()->aggiorna();
    return true;
}
