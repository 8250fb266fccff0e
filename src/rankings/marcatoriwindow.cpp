#include "rankings/marcatoriwindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/icone.h"
#include "rankings/aiutifinestre.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Classifica marcatori");
constexpr int CONTESTO_GUIDA = 45;
constexpr int PRIMI = 15;

const QColor GRIGIO(192, 192, 192);
const QColor BLU(0, 0, 255);

const QStringList INTESTAZIONE{"Reti", "Giocatore", "Squadra", "Rigori", "Puniz.",
                               "Dx",   "Sx",        "Testa",   "Rov.",   "Tacco"};
constexpr int LARGHEZZE[] = {500, 2000, 2000, 600, 600, 600, 600, 600, 600, 600};  // twips
constexpr int COLONNE_SEMPLICE = 3;
constexpr int COLONNE_DETTAGLIATA = 10;
enum { RETI, GIOCATORE, SQUADRA };

// The embossed groove that opens a group of the tool strip.
QFrame* Solco(const QString& nome, QWidget* parent)
{
    auto* f = new QFrame(parent);
    f->setObjectName(nome);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setFixedHeight(28);
    return f;
}

QToolButton* Opzione(const QString& nome, const QString& icona, const QString& suggerimento, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setIcon(Icona(icona));
    b->setIconSize(QSize(16, 16));
    b->setFixedSize(26, 26);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setToolTip(suggerimento);
    b->setAccessibleName(suggerimento);
    return b;
}

}  // namespace

MarcatoriWindow::MarcatoriWindow(QWidget* parent) : Finestra(IdFinestra::Marcatori, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("marcatori"), CONTESTO_GUIDA);

    auto* toolbar = new QFrame(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setFrameShape(QFrame::StyledPanel);
    auto* striscia = new QHBoxLayout(toolbar);
    striscia->setContentsMargins(4, 3, 4, 3);
    striscia->setSpacing(4);
    option1_ = Opzione(QStringLiteral("Option1"), QStringLiteral("classifica"), QStringLiteral("Classifica semplice"),
                       toolbar);
    option2_ = Opzione(QStringLiteral("Option2"), QStringLiteral("statistiche"),
                       QStringLiteral("Classifica dettagliata"), toolbar);
    auto* gruppo = new QButtonGroup(this);
    gruppo->addButton(option1_);
    gruppo->addButton(option2_);
    combo1_ = new ComboCodici(toolbar);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setToolTip(QStringLiteral("Selezionare la squadra"));
    combo1_->setAccessibleName(QStringLiteral("Squadra"));
    combo1_->setMinimumContentsLength(30);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo2_ = new ComboCodici(toolbar);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setAccessibleName(QStringLiteral("Giocatori elencati"));
    striscia->addWidget(Solco(QStringLiteral("Picture2"), toolbar));
    striscia->addWidget(option1_);
    striscia->addWidget(option2_);
    striscia->addWidget(Solco(QStringLiteral("Picture1"), toolbar));
    striscia->addWidget(combo1_);
    striscia->addStretch(1);
    striscia->addWidget(combo2_);

    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* riquadro = new QVBoxLayout(frame1_);
    grid1_ = new Griglia(frame1_);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    // The grid is as wide as the list on show: the frame holds no empty cells beside it.
    riquadro->addWidget(grid1_, 0, Qt::AlignLeft);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    AggiungiChiudiHelp(this, pulsanti, QStringLiteral("Command2"), QStringLiteral("Command3"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(toolbar);
    tutto->addWidget(frame1_, 1);
    tutto->addLayout(pulsanti);

    grid1_->setMinimumHeight(grid1_->sizeHint().height() * 3 / 2);

    for (ComboCodici* c : {combo1_, combo2_})
        connect(c, &ComboCodici::click, this, [this] {
            if (!Caricamento) AggiornaMarcatori();
        });
    connect(gruppo, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool scelto) {
        if (scelto && !Caricamento) AggiornaMarcatori();
    });
}

void MarcatoriWindow::carica()
{
    const Stato& s = stato();
    Caricamento = true;
    combo1_->aggiungi(QStringLiteral("(Tutte le squadre)"));
    for (int i = 1; i < s.Squadre.size(); ++i) combo1_->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    combo2_->aggiungi(QStringLiteral("Primi 15"));
    combo2_->aggiungi(QStringLiteral("Tutti"));
    combo2_->setCurrentIndex(0);
    option1_->setChecked(true);
    // The team handed over, compared exactly; all teams when none is, or when it is not in the list.
    int scelta = 0;
    for (int i = 1; i < combo1_->count() && !s.SquadraCorrente.isEmpty(); ++i)
        if (combo1_->testo(i) == s.SquadraCorrente) {
            scelta = i;
            break;
        }
    combo1_->setCurrentIndex(scelta);
    Caricamento = false;
    AggiornaMarcatori();
}

void MarcatoriWindow::adattaLarghezza()
{
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sotto) return;
    // Back to the width it had before a wider list widened it, unless the user has changed it since.
    if (allargata_ && sotto->width() == allargata_->second) sotto->resize(allargata_->first, sotto->height());
    allargata_.reset();
    const QMargins m = frame1_->layout()->contentsMargins();
    const int manca = grid1_->width() - (frame1_->contentsRect().width() - m.left() - m.right());
    if (manca <= 0) return;
    allargata_ = {sotto->width(), sotto->width() + manca};
    sotto->resize(allargata_->second, sotto->height());
}

void MarcatoriWindow::showEvent(QShowEvent* e)
{
    Finestra::showEvent(e);
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (adattata_ || !sotto || !sotto->mdiArea()) return;
    adattata_ = true;
    // The window opens tall enough for every row of its first list, as far as the area has room.
    const int cornice = 2 * grid1_->vista()->frameWidth();
    const int riga = (grid1_->sizeHint().height() - cornice) / 12;
    const int manca = cornice + grid1_->righe() * riga - grid1_->height();
    const int spazio = sotto->mdiArea()->viewport()->height() - sotto->height();
    if (manca > 0 && spazio > 0) sotto->resize(sotto->width(), sotto->height() + qMin(manca, spazio));
}

void MarcatoriWindow::AggiornaMarcatori()
{
    setWindowTitle(combo1_->currentIndex() <= 0 ? TITOLO : TITOLO + QStringLiteral(": ") + combo1_->currentText());
    CaricaMarcatori(!option1_->isChecked());
}

void MarcatoriWindow::impostaColonne(bool dettagliata)
{
    const int colonne = dettagliata ? COLONNE_DETTAGLIATA : COLONNE_SEMPLICE;
    grid1_->impostaColonne(colonne);
    for (int c = 0; c < colonne; ++c) {
        grid1_->impostaLarghezzaColonna(c, LARGHEZZE[c]);
        grid1_->impostaAllineamentoColonna(c, c == GIOCATORE || c == SQUADRA ? Griglia::Allineamento::Sinistra
                                                                             : Griglia::Allineamento::Centro);
    }
}

void MarcatoriWindow::CaricaMarcatori(bool dettagliata)
{
    ++riempimenti_;
    CursoreAttesa();
    frame1_->setTitle(dettagliata ? QStringLiteral("Classifica dei marcatori (Dettagliata)")
                                  : QStringLiteral("Classifica dei marcatori (Semplice)"));
    const int indice = combo1_->currentIndex();
    const std::optional<int> squadra = indice > 0 ? std::optional<int>(combo1_->codice(indice)) : std::nullopt;
    const int limite = combo2_->currentIndex() == 0 ? PRIMI : 0;
    QVector<Marcatore> marcatori;
    if (!EseguiComando(TITOLO, [&] { marcatori = MarcatoriQueries::marcatori(squadra, limite); })) marcatori.clear();
    righe_ = RigheMarcatori(marcatori, dettagliata, stato().FormatoNome, stato().Squadre);

    grid1_->impostaRidisegno(false);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    impostaColonne(dettagliata);
    for (const RigaMarcatori& r : righe_) grid1_->aggiungiRiga(r.celle);
    grid1_->aggiungiRiga(INTESTAZIONE, 0);
    grid1_->impostaRigheFisse(1);
    for (int c = 0; c < grid1_->colonne(); ++c) {
        grid1_->impostaColoreSfondo(0, c, GRIGIO);
        grid1_->impostaColoreTesto(0, c, BLU);
    }
    for (int r = 1; r < grid1_->righe(); ++r) grid1_->impostaGrassetto(r, GIOCATORE, true);

    // Long names widen their columns, up to the grid's limit for a text.
    QStringList nomi, squadre;
    for (const RigaMarcatori& r : righe_)
        if (!r.separatore) {
            nomi << r.celle[GIOCATORE];
            squadre << r.celle[SQUADRA];
        }
    grid1_->adattaColonnaAlTesto(GIOCATORE, nomi, true);
    grid1_->adattaColonnaAlTesto(SQUADRA, squadre, false);
    grid1_->setFixedWidth(grid1_->sizeHint().width());
    adattaLarghezza();
    grid1_->impostaRidisegno(true);
    CursoreNormale();
}
