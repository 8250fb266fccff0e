#include "standings/almanaccowindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/testoinriga.h"
#include "standings/almanaccoqueries.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Almanacco del campionato");
constexpr int CONTESTO_GUIDA = 57;
constexpr int COLONNE = 4;
constexpr int TOTALE = 3;
constexpr int LARGHEZZE[COLONNE] = {2000, 1775, 1775, 1775};  // twips

QLabel* Dato(const QString& nome, QWidget* padre)
{
    auto* l = new QLabel(padre);
    l->setObjectName(nome);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

AlmanaccoWindow::AlmanaccoWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("almanacco"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    auto* intestazione = new QFormLayout;
    denominazione_ = Dato(QStringLiteral("Label2"), this);
    squadre_ = Dato(QStringLiteral("Label4"), this);
    auto* label1 = new QLabel(QStringLiteral("Denominazione"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label3 = new QLabel(QStringLiteral("Squadre partecipanti"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    intestazione->addRow(label1, denominazione_);
    intestazione->addRow(label3, squadre_);
    tutto->addLayout(intestazione);

    auto* frame1 = new QGroupBox(QStringLiteral("Dati statistici"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    griglia_ = new Griglia(frame1);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(COLONNE);
    griglia_->impostaSelezioneRiga(false);
    griglia_->impostaAllineamentoColonna(0, Griglia::Allineamento::Destra);
    for (int c = 1; c < COLONNE; ++c) griglia_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    for (int c = 0; c < COLONNE; ++c) griglia_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    riquadro->addWidget(griglia_);
    tutto->addWidget(frame1, 1);

    // The properties command waits for its window to be available.
    auto* proprieta = Azione::crea(QStringLiteral("Proprietà campionato"),
                                   QStringLiteral("Visualizza / modifica le proprietà del campionato"), this,
                                   QStringLiteral("proprieta"))
                          ->richiedeFinestra(IdFinestra::ProprietaCampionato)
                          ->allo([] { Finestre::istanza().mostra(IdFinestra::ProprietaCampionato); });
    auto* chiusura = Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this,
                                  QStringLiteral("chiudi"))
                         ->allo([this] { chiudi(); });
    auto* aiuto = Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), this,
                               QStringLiteral("guida"))
                      ->allo([] { Guida::apri(CONTESTO_GUIDA); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(PulsanteDa(proprieta, QStringLiteral("Command2"), this));
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(chiusura, QStringLiteral("Command3"), this));
    pulsanti->addWidget(PulsanteDa(aiuto, QStringLiteral("Command4"), this));
    tutto->addLayout(pulsanti);
}

void AlmanaccoWindow::carica() { calcolaAlmanacco(); }

void AlmanaccoWindow::calcolaAlmanacco()
{
    CursoreAttesa();
    const Stato& s = stato();
    denominazione_->setText(TestoInRiga(s.Denominazione));
    squadre_->setText(QString::number(s.NumeroSquadre));

    // Figures that could not be read are left blank rather than shown as zeros.
    DatiAlmanacco d;
    QVector<QStringList> righe;
    if (EseguiComando(TITOLO, [&] { d = AlmanaccoQueries::CalcolaAlmanacco(); })) {
        righe = AlmanaccoQueries::TabellaAlmanacco(d);
    } else {
        for (const QString& e : AlmanaccoQueries::EtichetteAlmanacco()) righe << QStringList{e};
    }

    griglia_->impostaRidisegno(false);
    griglia_->impostaRigheFisse(0);
    griglia_->impostaRighe(0);
    griglia_->aggiungiRiga({"", "Andata", "Ritorno", "Totale"});
    for (const QStringList& r : righe) griglia_->aggiungiRiga(r);
    griglia_->impostaRigheFisse(1);
    for (int r = 0; r < griglia_->righe(); ++r) {
        griglia_->impostaGrassetto(r, 0, true);
        if (r > 0) griglia_->impostaColoreSfondo(r, TOTALE, QColor(255, 255, 0));
    }
    griglia_->impostaRidisegno(true);
    CursoreNormale();
}
