#include "standings/andamentosquadrawindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Statistiche sull'andamento");
constexpr int CONTESTO_GUIDA = 26;
constexpr int COLONNE = 12;
constexpr int LARGHEZZE[COLONNE] = {2100, 700, 700, 700, 100, 700, 700, 700, 100, 700, 700, 700};  // twips
constexpr int PRIMA_TOTALE = 9;  // the season's columns 9 to 11 stand out in yellow

const QString GRUPPI =
    QStringLiteral("\tAndata\tAndata\tAndata\t\tRitorno\tRitorno\tRitorno\t\tTotale\tTotale\tTotale");
const QString SOTTOGRUPPI = QStringLiteral("\tC\tF\tT\t\tC\tF\tT\t\tC\tF\tT");

}  // namespace

AndamentoSquadraWindow::AndamentoSquadraWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("statistiche"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1);

    auto* scelta = new QHBoxLayout;
    auto* label1 = new QLabel(QStringLiteral("Squadra"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    scelta->addWidget(label1);
    combo1_ = new ComboCodici(frame1);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setToolTip(QStringLiteral("Selezionare la squadra"));
    QFont grassetto = combo1_->font();
    grassetto.setBold(true);
    combo1_->setFont(grassetto);
    combo1_->setMinimumContentsLength(24);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label1->setBuddy(combo1_);
    scelta->addWidget(combo1_);
    scelta->addStretch(1);
    riquadro->addLayout(scelta);

    grid1_ = new Griglia(frame1);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->impostaColonne(COLONNE);
    grid1_->impostaSelezioneRiga(false);
    grid1_->impostaAllineamentoColonna(0, Griglia::Allineamento::Destra);
    for (int c = 1; c < COLONNE; ++c) grid1_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    for (int c = 0; c < COLONNE; ++c) grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    riquadro->addWidget(grid1_, 1);
    tutto->addWidget(frame1, 1);

    auto* pulsanti = new QHBoxLayout;
    auto* command2 = new QPushButton(Icona(QStringLiteral("chiudi")), QStringLiteral("Chiudi"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setToolTip(QStringLiteral("Chiudi questa finestra"));
    auto* command3 = new QPushButton(Icona(QStringLiteral("guida")), QStringLiteral("Help"), this);
    command3->setObjectName(QStringLiteral("Command3"));
    command3->setToolTip(QStringLiteral("Guida di Golvarno"));
    pulsanti->addStretch(1);
    pulsanti->addWidget(command2);
    pulsanti->addWidget(command3);
    pulsanti->addStretch(1);
    tutto->addLayout(pulsanti);

    connect(combo1_, &ComboCodici::click, this, [this] {
        CalcolaAndamento();
        MostraAndamento();
    });
    connect(command2, &QPushButton::clicked, this, [this] { chiudi(); });
    connect(command3, &QPushButton::clicked, this, [] { Guida::apri(CONTESTO_GUIDA); });
}

void AndamentoSquadraWindow::carica()
{
    const Stato& s = stato();
    {
        ComboCodici::SenzaClick caricamento(combo1_);
        for (int i = 1; i < s.Squadre.size(); ++i) combo1_->aggiungi(s.Squadre[i].Nome);
        // The team asked for, compared exactly; the first team when none is asked for.
        int scelta = s.SquadraCorrente.isEmpty() && combo1_->count() > 0 ? 0 : -1;
        for (int i = 0; i < combo1_->count() && !s.SquadraCorrente.isEmpty(); ++i)
            if (combo1_->itemText(i) == s.SquadraCorrente) {
                scelta = i;
                break;
            }
        combo1_->setCurrentIndex(scelta);
    }
    CalcolaAndamento();
    MostraAndamento();
}

void AndamentoSquadraWindow::CalcolaAndamento()
{
    CursoreAttesa();
    squadraAndamento_ = combo1_->testo();
    const Stato& s = stato();
    ContatoriAndamento c;
    const bool letto = EseguiComando(TITOLO, [&] {
        c = AndamentoSquadraQueries::CalcolaAndamento(squadraAndamento_, s.PuntiVittoria, s.PuntiPareggio,
                                                      s.PuntiSconfitta);
    });
    contatori_ = letto ? std::optional<ContatoriAndamento>(c) : std::nullopt;
    CursoreNormale();
}

void AndamentoSquadraWindow::MostraAndamento()
{
    CursoreAttesa();
    setWindowTitle(TITOLO + QStringLiteral(": ") + combo1_->testo());

    // A count that could not read the file shows its labels without figures.
    QVector<QStringList> righe;
    if (contatori_) {
        righe = AndamentoSquadraQueries::TabellaAndamento(*contatori_);
    } else {
        for (const QString& e : AndamentoSquadraQueries::EtichetteAndamento()) righe << QStringList{e};
    }

    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    grid1_->aggiungiRiga(GRUPPI);
    grid1_->aggiungiRiga(SOTTOGRUPPI);
    for (const QStringList& r : righe) grid1_->aggiungiRiga(r.join('\t'));
    grid1_->impostaUnisciRiga0(true);
    for (int c = 0; c < COLONNE; ++c) {
        grid1_->impostaGrassetto(0, c, true);
        grid1_->impostaGrassetto(1, c, true);
        grid1_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
    }
    for (int r = 2; r < grid1_->righe(); ++r) {
        grid1_->impostaColoreTesto(r, 0, QColor(0, 0, 255));
        for (int c = PRIMA_TOTALE; c < COLONNE; ++c) grid1_->impostaColoreSfondo(r, c, QColor(255, 255, 0));
    }
    grid1_->impostaRigheFisse(2);
    grid1_->impostaRidisegno(true);
    CursoreNormale();
}
