#include "charts/graficorisultatiwindow.h"

#include "platform/grafico.h"
#include "platform/testoinriga.h"

namespace {

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico dei risultati");
    i.listaSquadre = true;
    i.posizione = QPoint(60, 80);
    return i;
}

}  // namespace

GraficoRisultatiWindow::GraficoRisultatiWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    Grafico* g = grafico();
    g->impostaTipo(Grafico::Tipo::Barre);
    g->impostaRighe(1);
    g->impostaEtichettaRiga(1, QStringLiteral("Risultati"));
    g->impostaSerie(6);
    g->impostaLegenda(true);
}

bool GraficoRisultatiWindow::disegna()
{
    const QString nome = squadra();
    GraficiQueries::RisultatiSquadra r;
    if (!leggi([&] { r = GraficiQueries::ContaRisultati(nome); })) return false;
    setWindowTitle(QStringLiteral("Grafico dei risultati: ") + TestoInRiga(nome));
    const std::pair<const char*, int> colonne[] = {
        {"Vittorie in casa (", r.vinteCasa},  {"Vittorie in trasferta (", r.vinteFuori},
        {"Pareggi in casa (", r.pareggiCasa}, {"Pareggi in trasferta (", r.pareggiFuori},
        {"Sconfitte in casa (", r.perseCasa}, {"Sconfitte in trasferta (", r.perseFuori},
    };
    Grafico* g = grafico();
    for (int k = 0; k < 6; ++k) {
        g->impostaValore(1, k + 1, colonne[k].second);
        g->impostaEtichettaSerie(k + 1, QString::fromUtf8(colonne[k].first) + QString::number(colonne[k].second) + ')');
    }
    g->aggiorna();
    return true;
}
