#include "rankings/classifichecalcolatewindow.h"

#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/griglia.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"
#include "rankings/aiutifinestre.h"
#include "rankings/classifichecalcolatequeries.h"

#include <algorithm>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QString IN_ELABORAZIONE = QStringLiteral("Dati in elaborazione...");
constexpr int CONTESTO_GUIDA = 46;
constexpr int NOME = 1;  // the grid's column of the player, in bold
const QColor GRIGIO_CHIARO(0xE0, 0xE0, 0xE0);
constexpr int LARGHEZZA_POSTO = 5565;  // twips: the width the list and the grid share at least

// The longest of `testi` by number of characters, each once: the texts that can be the widest in the
// grid's font. Measuring these alone keeps a ranking of a thousand rows quick to show.
QStringList PiuLunghi(QStringList testi)
{
    constexpr int QUANTI = 24;
    testi.removeDuplicates();
    if (testi.size() <= QUANTI) return testi;
    std::partial_sort(testi.begin(), testi.begin() + QUANTI, testi.end(),
                      [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return testi.mid(0, QUANTI);
}

}  // namespace

ClassificheCalcolateWindow::ClassificheCalcolateWindow(QWidget* parent)
    : Finestra(IdFinestra::ClassificheCalcolate, parent)
{
    impostaAspetto(IN_ELABORAZIONE, QStringLiteral("coppa"), CONTESTO_GUIDA);

    list2_ = new QListWidget(this);
    list2_->setObjectName(QStringLiteral("List2"));
    SuggerisciTestiTagliati(list2_);
    list2_->setAccessibleName(QStringLiteral("Classifica delle squadre"));
    QPalette p = list2_->palette();
    p.setColor(QPalette::Base, GRIGIO_CHIARO);
    list2_->setPalette(p);
    QFont grassetto = list2_->font();
    grassetto.setBold(true);
    list2_->setFont(grassetto);

    grid1_ = new Griglia(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setAccessibleName(QStringLiteral("Classifica dei giocatori"));

    posto_ = new QStackedLayout;
    posto_->addWidget(list2_);
    posto_->addWidget(grid1_);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    AggiungiChiudiHelp(this, pulsanti, QStringLiteral("Command2"), QStringLiteral("Command3"), CONTESTO_GUIDA);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(posto_, 1);
    tutto->addLayout(pulsanti);
}

void ClassificheCalcolateWindow::carica()
{
    posto_->setCurrentWidget(list2_);
    setWindowTitle(IN_ELABORAZIONE);
    const Stato& s = stato();
    const int tipo = s.TipoClassifica;
    const QString titolo = ClassificheCalcolate::Titolo(tipo);
    // Any other number computes nothing: the empty list under the caption of the computation.
    if (titolo.isEmpty()) return;

    Classifica c;
    CursoreAttesa();
    if (!EseguiComando(titolo, [&] { c = ClassificheCalcolate::Calcola(tipo, s.FormatoNome, s.Squadre); })) {
        chiudi();
        return;
    }
    if (c.squadre) {
        riempiElenco(c);
    } else {
        riempiGriglia(c);
        posto_->setCurrentWidget(grid1_);
    }
    setWindowTitle(c.titolo);
    CursoreNormale();
}

void ClassificheCalcolateWindow::riempiElenco(const Classifica& c)
{
    for (const QStringList& riga : c.righe) list2_->addItem(riga.value(0));
    // Every team and the longest line in view, without scroll bars; a name longer than a window is laid out for is
    // cut with "…".
    const int cornice = 2 * list2_->frameWidth() + 8;
    const QFontMetrics fm = list2_->fontMetrics();
    const int riga =
        qMin(list2_->sizeHintForColumn(0), fm.horizontalAdvance(QStringLiteral("00   ")) + LarghezzaMassimaNome(fm));
    list2_->setMinimumWidth(qMax(riga + cornice, LARGHEZZA_POSTO / 15));
    list2_->setMinimumHeight(list2_->sizeHintForRow(0) * list2_->count() + cornice);
}

void ClassificheCalcolateWindow::riempiGriglia(const Classifica& c)
{
    const int colonne = int(c.intestazione.size());
    grid1_->impostaRidisegno(false);
    grid1_->impostaColonne(colonne);
    grid1_->impostaRigheFisse(0);
    grid1_->impostaRighe(0);
    grid1_->impostaRighe(int(c.righe.size()) + 1);
    // Cell by cell: a tab typed into a name stays in its cell.
    for (int col = 0; col < colonne; ++col) {
        grid1_->impostaLarghezzaColonna(col, c.larghezze.value(col));
        grid1_->impostaAllineamentoColonna(col, c.centrate.contains(col) ? Griglia::Allineamento::Centro
                                                                         : Griglia::Allineamento::Sinistra);
        grid1_->impostaTesto(0, col, c.intestazione[col]);
        grid1_->impostaAllineamento(0, col, Griglia::Allineamento::Centro);
        QStringList testi{c.intestazione[col]};
        for (int r = 0; r < c.righe.size(); ++r) {
            grid1_->impostaTesto(r + 1, col, c.righe[r].value(col));
            testi << c.righe[r].value(col);
        }
        // Long names widen their column, up to the grid's limit for a name, or two in a column of pairings.
        grid1_->adattaColonnaAlTesto(col, PiuLunghi(testi), col == NOME, c.incontri.contains(col) ? 2 : 1);
    }
    grid1_->impostaRigheFisse(1);
    for (int r = 1; r < grid1_->righe(); ++r) grid1_->impostaGrassetto(r, NOME, true);
    grid1_->impostaRidisegno(true);
    const int larghezza = qMax(grid1_->sizeHint().width(), LARGHEZZA_POSTO / 15);
    grid1_->setMinimumWidth(larghezza);
    grid1_->setMinimumHeight(grid1_->sizeHint().height() * 5 / 4);
}
