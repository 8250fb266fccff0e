#include "charts/graficogolwindow.h"

#include "core/cercagiornate.h"
#include "core/stato.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"
#include "platform/testoinriga.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int RETI_SEGNATE = 0;  // Combo2's entries
constexpr int RETI_SUBITE = 1;

FinestraGrafico::Impostazioni Assetto()
{
    FinestraGrafico::Impostazioni i;
    i.titolo = QStringLiteral("Grafico reti segnate/subite");
    i.listaSquadre = true;
    i.cercaStop = true;
    i.posizione = QPoint(60, 80);
    return i;
}

}  // namespace

GraficoGolWindow::GraficoGolWindow(QWidget* parent) : FinestraGrafico(Id, Assetto(), parent)
{
    auto* label2 = new QLabel(QStringLiteral("Grafico da visualizzare"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    combo2_ = new ComboCodici(this);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setAccessibleName(label2->text());
    combo2_->aggiungi(QStringLiteral("Reti segnate"), RETI_SEGNATE);
    combo2_->aggiungi(QStringLiteral("Reti subite"), RETI_SUBITE);
    label2->setBuddy(combo2_);
    rigaScelte()->insertWidget(rigaScelte()->count() - 1, label2);
    rigaScelte()->insertWidget(rigaScelte()->count() - 1, combo2_);
    connect(combo2_, &ComboCodici::click, this, [this] {
        stato().GolFatti = combo2_->currentIndex() == RETI_SEGNATE;
        disegna();
    });

    grafico()->impostaTipo(Grafico::Tipo::Barre);
    grafico()->impostaTitoliAssi(QStringLiteral("Giornate"), QStringLiteral("Reti"));
}

bool GraficoGolWindow::prepara()
{
    ComboCodici::SenzaClick caricamento(combo2_);
    combo2_->setCurrentIndex(stato().GolFatti ? RETI_SEGNATE : RETI_SUBITE);
    return true;
}

void GraficoGolWindow::attiva()
{
    const int figura = stato().GolFatti ? RETI_SEGNATE : RETI_SUBITE;
    if (combo2_->currentIndex() == figura) return;
    {
        ComboCodici::SenzaClick comando(combo2_);
        combo2_->setCurrentIndex(figura);
    }
    disegna();
}

bool GraficoGolWindow::disegna()
{
    const QString nome = squadra();
    const bool fatti = combo2_->currentIndex() == RETI_SEGNATE;
    ValoriPerGiornata reti;
    if (!leggi([&] {
            reti =
                GraficiQueries::RetiSquadraPerGiornata(nome, fatti, stop(), GiornatePerGirone(stato().NumeroSquadre));
        }))
        return false;
    setWindowTitle((fatti ? QStringLiteral("Grafico reti segnate: ") : QStringLiteral("Grafico reti subite: ")) +
                   TestoInRiga(nome));
    impostaRigheNumerate(righePerGiornata());
    grafico()->impostaEtichettaSerie(1, combo2_->currentText());
    scriviSerie(1, reti);
    grafico()->aggiorna();
    return true;
}
