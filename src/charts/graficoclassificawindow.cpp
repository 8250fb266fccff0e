#include "charts/graficoclassificawindow.h"

#include "core/classifica.h"
#include "core/stato.h"
#include "platform/grafico.h"

namespace {

constexpr int LETTERE_ETICHETTA = 5;

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico della classifica");
    i.suggerimentoCopia = QStringLiteral("Copiare il grafico negli appunti di Windows");
    return i;
}

}  // namespace

GraficoClassificaWindow::GraficoClassificaWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    grafico()->impostaTipo(Grafico::Tipo::Barre);
    grafico()->impostaEtichettaSerie(1, QStringLiteral("Punti"));
    grafico()->impostaTitoliAssi(QString(), QStringLiteral("Punti"));
}

bool GraficoClassificaWindow::scarica()
{
    // A request to rebuild serves one opening only, even when that opening failed.
    stato().RicalcolaClassifica = false;
    return true;
}

bool GraficoClassificaWindow::disegna()
{
    Stato& s = stato();
    QVector<GraficiQueries::PuntiClassifica> righe;
    const bool letta = leggi([&] {
        if (s.RicalcolaClassifica) CalcolaClassifica();
        righe = GraficiQueries::ClassificaPerGrafico();
    });
    s.RicalcolaClassifica = false;
    if (!letta) return false;
    Grafico* g = grafico();
    g->impostaRighe(s.NumeroSquadre);
    for (int r = 1; r <= g->righe(); ++r) g->impostaEtichettaRiga(r, QString());
    g->svuotaValori();
    for (int r = 0; r < righe.size(); ++r) {
        g->impostaEtichettaRiga(r + 1, righe[r].nome.left(LETTERE_ETICHETTA));
        g->impostaValore(r + 1, 1, double(righe[r].punti));
    }
    g->aggiorna();
    return true;
}
