#include "standings/almanaccowindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "standings/almanaccoqueries.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ID = QStringLiteral("Form40");
const QString TITOLO = QStringLiteral("Almanacco del campionato");
const QString PROPRIETA = QStringLiteral("Form41");
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

AlmanaccoWindow::AlmanaccoWindow(QWidget* parent) : Finestra(ID, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("almanacco"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    auto* intestazione = new QFormLayout;
    label2_ = Dato(QStringLiteral("Label2"), this);
    label4_ = Dato(QStringLiteral("Label4"), this);
    auto* label1 = new QLabel(QStringLiteral("Denominazione"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label3 = new QLabel(QStringLiteral("Squadre partecipanti"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    intestazione->addRow(label1, label2_);
    intestazione->addRow(label3, label4_);
    tutto->addLayout(intestazione);

    auto* frame1 = new QGroupBox(QStringLiteral("Dati statistici"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);
    grid1_ = new Griglia(frame1);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    grid1_->impostaSelezioneRiga(false);
    grid1_->impostaAllineamentoColonna(0, Griglia::Allineamento::Destra);
    for (int c = 1; c < COLONNE; ++c) grid1_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    riquadro->addWidget(grid1_);
    tutto->addWidget(frame1, 1);

    auto crea = [this](const QString& nome, const QString& icona, const QString& testo, const QString& aiuto) {
        auto* b = new QPushButton(Icona(icona), testo, this);
        b->setObjectName(nome);
        b->setToolTip(aiuto);
        return b;
    };
    command2_ = crea(QStringLiteral("Command2"), QStringLiteral("proprieta"), QStringLiteral("Proprietà campionato"),
                     QStringLiteral("Visualizza / modifica le proprietà del campionato"));
    QPushButton* command3 = crea(QStringLiteral("Command3"), QStringLiteral("chiudi"), QStringLiteral("Chiudi"),
                                 QStringLiteral("Chiudere questa finestra"));
    QPushButton* command4 = crea(QStringLiteral("Command4"), QStringLiteral("guida"), QStringLiteral("Help"),
                                 QStringLiteral("Richiama la guida di Golvarno"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(command2_);
    pulsanti->addStretch(1);
    pulsanti->addWidget(command3);
    pulsanti->addWidget(command4);
    tutto->addLayout(pulsanti);

    connect(command2_, &QPushButton::clicked, this, [] { Finestre::istanza().mostra(PROPRIETA); });
    connect(command3, &QPushButton::clicked, this, [this] { chiudi(); });
    connect(command4, &QPushButton::clicked, this, [] { Guida::apri(CONTESTO_GUIDA); });
    // The properties button waits for its window to be available.
    connect(&Finestre::istanza(), &Finestre::registrazioneCambiata, this, [this] { aggiornaComandi(); });
    aggiornaComandi();
}

void AlmanaccoWindow::carica() { CalcolaAlmanacco(); }

void AlmanaccoWindow::aggiornaComandi() { command2_->setEnabled(Finestre::istanza().registrata(PROPRIETA)); }

void AlmanaccoWindow::CalcolaAlmanacco()
{
    CursoreAttesa();
    const Stato& s = stato();
    label2_->setText(s.Denominazione);
    label4_->setText(QString::number(s.NumeroSquadre));

    // Figures that could not be read are left blank rather than shown as zeros.
    DatiAlmanacco d;
    QVector<QStringList> righe;
    if (EseguiComando(TITOLO, [&] { d = AlmanaccoQueries::CalcolaAlmanacco(); })) {
        righe = AlmanaccoQueries::TabellaAlmanacco(d);
    } else {
        for (const QString& e : AlmanaccoQueries::EtichetteAlmanacco()) righe << QStringList{e};
    }

    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    grid1_->aggiungiRiga(QStringLiteral("\tAndata\tRitorno\tTotale"));
    for (const QStringList& r : righe) grid1_->aggiungiRiga(r.join('\t'));
    grid1_->impostaRigheFisse(1);
    for (int r = 0; r < grid1_->righe(); ++r) {
        grid1_->impostaGrassetto(r, 0, true);
        if (r > 0) grid1_->impostaColoreSfondo(r, TOTALE, QColor(255, 255, 0));
    }
    grid1_->impostaRidisegno(true);
    CursoreNormale();
}
