#include "charts/graficoandamentowindow.h"

#include "core/stato.h"
#include "platform/grafico.h"
#include "platform/testoinriga.h"

namespace {

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico andamento di una squadra");
    i.listaSquadre = true;
    i.cercaStop = true;
    i.posizione = QPoint(40, 50);
    i.nomeCopia = QStringLiteral("Command3");
    i.suggerimentoCopia = QStringLiteral("Copia il grafico negli appunti di Windows");
    i.nomeGuida = QStringLiteral("Command1");
    i.suggerimentoGuida = QStringLiteral("Richiama guida di Golvarno");
    return i;
}

}  // namespace

GraficoAndamentoWindow::GraficoAndamentoWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    grafico()->impostaTipo(Grafico::Tipo::Linee);
    grafico()->impostaTitoliAssi(QStringLiteral("Giornate"), QStringLiteral("Punti"));
}

bool GraficoAndamentoWindow::prepara()
{
    impostaRigheNumerate(righePerPartita());
    return true;
}

bool GraficoAndamentoWindow::disegna()
{
    const QString nome = squadra();
    const Stato& s = stato();
    QVector<qint64> punti;
    if (!leggi([&] {
            punti = GraficiQueries::AndamentoSquadra(nome, stop(), s.PuntiVittoria, s.PuntiPareggio, s.PuntiSconfitta);
        }))
        return false;
    setWindowTitle(QStringLiteral("Grafico di andamento: ") + TestoInRiga(nome));
    Grafico* g = grafico();
    g->svuotaValori();
    g->impostaEtichettaSerie(1, nome);
    scriviSerie(1, punti);
    g->aggiorna();
    return true;
}
