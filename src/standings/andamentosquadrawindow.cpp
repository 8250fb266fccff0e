#include "standings/andamentosquadrawindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/testoinriga.h"

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

const QStringList GRUPPI{"",        "Andata",  "Andata", "Andata", "",       "Ritorno",
                         "Ritorno", "Ritorno", "",       "Totale", "Totale", "Totale"};
const QStringList SOTTOGRUPPI{"", "C", "F", "T", "", "C", "F", "T", "", "C", "F", "T"};

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
    squadre_ = new ComboCodici(frame1);
    squadre_->setObjectName(QStringLiteral("Combo1"));
    squadre_->setToolTip(QStringLiteral("Selezionare la squadra"));
    QFont grassetto = squadre_->font();
    grassetto.setBold(true);
    squadre_->setFont(grassetto);
    squadre_->setMinimumContentsLength(24);
    squadre_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label1->setBuddy(squadre_);
    scelta->addWidget(squadre_);
    scelta->addStretch(1);
    riquadro->addLayout(scelta);

    griglia_ = new Griglia(frame1);
    griglia_->setObjectName(QStringLiteral("Grid1"));
    griglia_->impostaColonne(COLONNE);
    griglia_->impostaSelezioneRiga(false);
    griglia_->impostaAllineamentoColonna(0, Griglia::Allineamento::Destra);
    for (int c = 1; c < COLONNE; ++c) griglia_->impostaAllineamentoColonna(c, Griglia::Allineamento::Centro);
    for (int c = 0; c < COLONNE; ++c) griglia_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
    riquadro->addWidget(griglia_, 1);
    tutto->addWidget(frame1, 1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(PulsanteDa(
        Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudi questa finestra"), this, QStringLiteral("chiudi"))
            ->allo([this] { chiudi(); }),
        QStringLiteral("Command2"), this));
    pulsanti->addWidget(PulsanteDa(
        Azione::crea(QStringLiteral("Help"), QStringLiteral("Guida di Golvarno"), this, QStringLiteral("guida"))
            ->allo([] { Guida::apri(CONTESTO_GUIDA); }),
        QStringLiteral("Command3"), this));
    pulsanti->addStretch(1);
    tutto->addLayout(pulsanti);

    connect(squadre_, &ComboCodici::click, this, [this] {
        calcolaAndamento();
        mostraAndamento();
    });
}

void AndamentoSquadraWindow::carica()
{
    const Stato& s = stato();
    {
        ComboCodici::SenzaClick caricamento(squadre_);
        for (int i = 1; i < s.Squadre.size(); ++i) squadre_->aggiungi(s.Squadre[i].Nome);
        // The team asked for, compared exactly; the first team when none is asked for.
        int scelta = s.SquadraCorrente.isEmpty() && squadre_->count() > 0 ? 0 : -1;
        for (int i = 0; i < squadre_->count() && !s.SquadraCorrente.isEmpty(); ++i)
            if (squadre_->testo(i) == s.SquadraCorrente) {
                scelta = i;
                break;
            }
        squadre_->setCurrentIndex(scelta);
    }
    calcolaAndamento();
    mostraAndamento();
}

void AndamentoSquadraWindow::calcolaAndamento()
{
    CursoreAttesa();
    squadraAndamento_ = squadre_->testo();
    const Stato& s = stato();
    ContatoriAndamento c;
    const bool letto = EseguiComando(TITOLO, [&] {
        c = AndamentoSquadraQueries::CalcolaAndamento(squadraAndamento_, s.PuntiVittoria, s.PuntiPareggio,
                                                      s.PuntiSconfitta);
    });
    contatori_ = letto ? std::optional<ContatoriAndamento>(c) : std::nullopt;
    CursoreNormale();
}

void AndamentoSquadraWindow::mostraAndamento()
{
    CursoreAttesa();
    setWindowTitle(TITOLO + QStringLiteral(": ") + TestoInRiga(squadre_->testo()));

    // A count that could not read the file shows its labels without figures.
    QVector<QStringList> righe;
    if (contatori_) {
        righe = AndamentoSquadraQueries::TabellaAndamento(*contatori_);
    } else {
        for (const QString& e : AndamentoSquadraQueries::EtichetteAndamento()) righe << QStringList{e};
    }

    griglia_->impostaRidisegno(false);
    griglia_->impostaRigheFisse(0);
    griglia_->impostaRighe(0);
    griglia_->aggiungiRiga(GRUPPI);
    griglia_->aggiungiRiga(SOTTOGRUPPI);
    for (const QStringList& r : righe) griglia_->aggiungiRiga(r);
    griglia_->impostaUnisciRiga0(true);
    for (int c = 0; c < COLONNE; ++c) {
        griglia_->impostaGrassetto(0, c, true);
        griglia_->impostaGrassetto(1, c, true);
        griglia_->impostaAllineamento(0, c, Griglia::Allineamento::Centro);
    }
    for (int r = 2; r < griglia_->righe(); ++r) {
        griglia_->impostaColoreTesto(r, 0, QColor(0, 0, 255));
        for (int c = PRIMA_TOTALE; c < COLONNE; ++c) griglia_->impostaColoreSfondo(r, c, QColor(255, 255, 0));
    }
    griglia_->impostaRigheFisse(2);
    // A season's figures may run to eleven digits and more (points of 2147483647 for a win): a column grows to show
    // its figures whole.
    griglia_->allargaColonneAlTesto(1);
    griglia_->impostaRidisegno(true);
    CursoreNormale();
}
