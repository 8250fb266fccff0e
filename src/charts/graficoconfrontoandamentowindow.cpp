#include "charts/graficoconfrontoandamentowindow.h"

#include "core/stato.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"
#include "platform/icone.h"
#include "platform/messaggio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Confronto grafico degli andamenti di più squadre");
    i.cercaStop = true;
    i.disegnaAlCaricamento = false;
    i.posizione = QPoint(40, 50);
    i.suggerimento = QStringLiteral("Selezionare le squadre di cui visualizzare il confronto e premere Vai!");
    i.nomeCopia = QStringLiteral("Command2");
    i.nomeChiudi = QStringLiteral("Command3");
    i.nomeGuida = QStringLiteral("Command4");
    return i;
}

}  // namespace

const QString GraficoConfrontoAndamentoWindow::TITOLO_SCELTA = QStringLiteral("Confronto degli andamenti");
const QString GraficoConfrontoAndamentoWindow::TESTO_SCELTA =
    QStringLiteral("Selezionare almeno una squadra per visualizzare il grafico!");

GraficoConfrontoAndamentoWindow::GraficoConfrontoAndamentoWindow(QWidget* parent)
    : FinestraGrafico(Id, Assetto(), parent)
{
    auto* label1 = new QLabel(QStringLiteral("Squadre"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    rigaScelte()->addWidget(label1);
    for (int c = 1; c <= 4; ++c) {
        auto* lista = new ComboCodici(this);
        lista->setObjectName(QStringLiteral("Combo%1").arg(c));
        lista->setAccessibleName(QStringLiteral("Squadra %1").arg(c));
        rigaScelte()->addWidget(lista);
        liste_.append(lista);
    }
    label1->setBuddy(liste_.first());
    auto* vai = (new Azione(QStringLiteral("Vai"), Icona(QStringLiteral("grafico")), this))
                    ->conSuggerimento(QStringLiteral("Premere qui per visualizzare il grafico"))
                    ->allo([this] {
                        mostraGrafico();
                        disegna();
                    });
    rigaScelte()->addWidget(PulsanteDa(vai, QStringLiteral("Command1"), this));
    rigaScelte()->addStretch(1);

    Grafico* g = grafico();
    g->impostaTipo(Grafico::Tipo::Linee);
    g->impostaLegenda(true);
    g->impostaTitoliAssi(QStringLiteral("Giornate"), QStringLiteral("Punti"));
}

bool GraficoConfrontoAndamentoWindow::prepara()
{
    squadreConfrontate_ = stato().ConfrontoDue ? 2 : 4;
    for (int c = 0; c < liste_.size(); ++c) {
        ComboCodici::SenzaClick caricamento(liste_[c]);
        riempiSquadre(liste_[c]);
        liste_[c]->setCurrentIndex(-1);
        liste_[c]->setVisible(c < squadreConfrontate_);
    }
    Grafico* g = grafico();
    g->impostaSerie(squadreConfrontate_);
    for (int c = 1; c <= squadreConfrontate_; ++c) g->impostaEtichettaSerie(c, QString());
    impostaRigheNumerate(righePerPartita());
    return true;
}

bool GraficoConfrontoAndamentoWindow::disegna()
{
    if (liste_.first()->testo().isEmpty()) {
        Messaggio::mostra(TESTO_SCELTA, Messaggio::Pulsanti::Ok, Messaggio::Icona::Critica, TITOLO_SCELTA);
        return true;
    }
    const Stato& s = stato();
    QList<QVector<qint64>> andamenti;
    if (!leggi([&] {
            for (int c = 0; c < squadreConfrontate_; ++c) {
                const QString nome = liste_[c]->testo();
                andamenti.append(nome.isEmpty() ? QVector<qint64>()
                                                : GraficiQueries::AndamentoSquadra(nome, stop(), s.PuntiVittoria,
                                                                                   s.PuntiPareggio, s.PuntiSconfitta));
            }
        }))
        return false;
    Grafico* g = grafico();
    g->svuotaValori();
    for (int c = 1; c <= squadreConfrontate_; ++c) {
        g->impostaEtichettaSerie(c, liste_[c - 1]->testo());
        scriviSerie(c, andamenti[c - 1]);
    }
    g->aggiorna();
    return true;
}
