#include "players/squalificatiwindow.h"

#include "core/comando.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "players/squalificatiqueries.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Elenco dei giocatori squalificati");
constexpr int CONTESTO_GUIDA = 35;
constexpr int LARGHEZZE[2] = {3000, 2600};  // twips

}  // namespace

SqualificatiWindow::SqualificatiWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("squalificati"), CONTESTO_GUIDA);

    auto* label1 = new QLabel(QStringLiteral("Ultima giornata disputata:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    giornata_ = new QLabel(this);
    giornata_->setObjectName(QStringLiteral("Label2"));
    QFont grassetto = giornata_->font();
    grassetto.setBold(true);
    giornata_->setFont(grassetto);
    auto* testa = new QHBoxLayout;
    testa->addWidget(label1);
    testa->addWidget(giornata_);
    testa->addStretch(1);

    auto* frame2 = new QGroupBox(TITOLO, this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    grid1_ = new Griglia(frame2);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(2);
    (new QVBoxLayout(frame2))->addWidget(grid1_);

    auto* frame1 = new QGroupBox(QStringLiteral("Impostazioni"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* label3 = new QLabel(QStringLiteral("Numero di ammonizioni per essere squalificato"), frame1);
    label3->setObjectName(QStringLiteral("Label3"));
    text1_ = new QLineEdit(QStringLiteral("3"), frame1);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setAlignment(Qt::AlignRight);
    text1_->setFixedWidth(text1_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    label3->setBuddy(text1_);
    spinner_ = new Spinner(text1_, frame1);
    spinner_->setObjectName(QStringLiteral("UpDown1"));
    spinner_->impostaMinimo(1);
    auto* ricalcola = new Azione(QStringLiteral("Ricalcola"), this);
    ricalcola->conSuggerimento(QStringLiteral("Ricalcola l'elenco dei giocatori squalificati"))->allo([this] {
        this->ricalcola();
    });
    auto* impostazioni = new QHBoxLayout(frame1);
    impostazioni->addWidget(label3);
    impostazioni->addWidget(text1_);
    impostazioni->addWidget(spinner_);
    impostazioni->addStretch(1);
    impostazioni->addWidget(PulsanteDa(ricalcola, QStringLiteral("Command1"), frame1));

    auto* chiudi = new Azione(QStringLiteral("Chiudi"), this);
    chiudi->conSuggerimento(QStringLiteral("Chiudere questa finestra"))->allo([this] { Finestra::chiudi(); });
    auto* guida = new Azione(QStringLiteral("Help"), this);
    guida->conSuggerimento(QStringLiteral("Richiama la guida di Golvarno"))->allo([] { Guida::apri(CONTESTO_GUIDA); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(chiudi, QStringLiteral("Command3"), this));
    pulsanti->addWidget(PulsanteDa(guida, QStringLiteral("Command4"), this));

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(frame2, 1);
    tutto->addWidget(frame1);
    tutto->addLayout(pulsanti);
}

void SqualificatiWindow::carica() { ricalcola(); }

void SqualificatiWindow::ricalcola()
{
    CursoreAttesa();
    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);

    std::optional<UltimaGiornataDisputata> ultima;
    QVector<Squalificato> elenco;
    const int soglia = Val(text1_->text());
    const bool letti = EseguiComando(TITOLO, [&] {
        ultima = SqualificatiQueries::ultimaGiornata();
        if (ultima) elenco = SqualificatiQueries::squalificati(*ultima, soglia, stato().FormatoNome);
    });
    if (letti && !ultima) {
        grid1_->impostaRidisegno(true);
        CursoreNormale();
        Messaggio::errore(QStringLiteral("Nessuna partita è stata ancora disputata!"),
                          QStringLiteral("Torneo non iniziato"));
        chiudi();
        return;
    }
    giornata_->setText(ultima ? ultima->testo() : QString());

    for (const Squalificato& s : elenco) grid1_->aggiungiRiga({s.nome, s.squadra});
    grid1_->aggiungiRiga({"Giocatore", "Squadra"}, 0);
    if (grid1_->righe() == 1) grid1_->aggiungiRiga({});
    grid1_->impostaRigheFisse(1);
    for (int r = 1; r <= elenco.size(); ++r) grid1_->impostaGrassetto(r, 0, true);
    for (int c = 0; c < 2; ++c) grid1_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
    for (int c = 0; c < 2; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    grid1_->allargaColonneAlTesto();
    grid1_->impostaRidisegno(true);
    CursoreNormale();
}
