#include "platform/albero.h"

#include "platform/icone.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>

namespace {
constexpr int RUOLO_CHIAVE = Qt::UserRole;
constexpr int RUOLO_ETICHETTA = Qt::UserRole + 1;
}  // namespace

Albero::Albero(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    // The chosen node keeps its mark when another control has the focus.
    QPalette p = palette();
    for (QPalette::ColorRole r : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, r, p.color(QPalette::Active, r));
    setPalette(p);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* attuale) {
        aggiornaIcone();
        if (daTastiera_ && !daProgramma_ && attuale) emit nodoCliccato(attuale);
    });
}

QTreeWidgetItem* Albero::aggiungi(QTreeWidgetItem* padre, const QString& chiave, const QString& testo,
                                  const QString& etichetta)
{
    auto* n = padre ? new QTreeWidgetItem(padre, {testo}) : new QTreeWidgetItem(this, {testo});
    n->setData(0, RUOLO_CHIAVE, chiave);
    n->setData(0, RUOLO_ETICHETTA, etichetta);
    n->setToolTip(0, SuggerimentoTesto(testo));
    n->setIcon(0, Icona(QStringLiteral("cartella_chiusa")));
    if (padre) padre->setExpanded(true);
    return n;
}

QString Albero::chiave(const QTreeWidgetItem* nodo)
{
    return nodo ? nodo->data(0, RUOLO_CHIAVE).toString() : QString();
}

QString Albero::etichetta(const QTreeWidgetItem* nodo)
{
    return nodo ? nodo->data(0, RUOLO_ETICHETTA).toString() : QString();
}

QTreeWidgetItem* Albero::nodo(const QString& chiave) const
{
    for (QTreeWidgetItemIterator it(const_cast<Albero*>(this)); *it; ++it)
        if (Albero::chiave(*it) == chiave) return *it;
    return nullptr;
}

void Albero::seleziona(QTreeWidgetItem* nodo)
{
    const QScopedValueRollback<bool> guardia(daProgramma_, true);
    setCurrentItem(nodo);
    if (nodo) scrollToItem(nodo);
}

int Albero::larghezzaNecessaria() const
{
    const int limite = LarghezzaMassimaNome(fontMetrics());
    int massimo = 0;
    for (QTreeWidgetItemIterator it(const_cast<Albero*>(this)); *it; ++it) {
        int livello = rootIsDecorated() ? 1 : 0;
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++livello;
        // A name from a file counts for about 32 characters at most: a longer one is cut with "…".
        const int testo = qMin(fontMetrics().horizontalAdvance((*it)->text(0)), limite);
        massimo = qMax(massimo, livello * indentation() + iconSize().width() + 16 + testo);
    }
    return massimo + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void Albero::mousePressEvent(QMouseEvent* e)
{
    // A press on a node's expand arrow opens or closes it without choosing it.
    const QPoint pos = e->position().toPoint();
    premuto_ = itemAt(pos);
    if (premuto_ && !visualItemRect(premuto_).contains(pos)) premuto_ = nullptr;
    // The selection that the press moves is the user's: it is reported when the button comes up.
    const QScopedValueRollback<bool> guardia(daProgramma_, true);
    QTreeWidget::mousePressEvent(e);
}

void Albero::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeWidget::mouseReleaseEvent(e);
    QTreeWidgetItem* n = itemAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && n && n == premuto_ && n == currentItem()) emit nodoCliccato(n);
    premuto_ = nullptr;
}

void Albero::keyPressEvent(QKeyEvent* e)
{
    const QScopedValueRollback<bool> guardia(daTastiera_, true);
    QTreeWidget::keyPressEvent(e);
}

void Albero::aggiornaIcone()
{
    const QIcon aperta = Icona(QStringLiteral("cartella_aperta"));
    const QIcon chiusa = Icona(QStringLiteral("cartella_chiusa"));
    for (QTreeWidgetItemIterator it(this); *it; ++it) (*it)->setIcon(0, *it == currentItem() ? aperta : chiusa);
}

void ImpostaElencoARighe(QTreeWidget* elenco, const QStringList& intestazioni)
{
    elenco->setRootIsDecorated(false);
    elenco->setUniformRowHeights(true);
    elenco->setAllColumnsShowFocus(true);
    elenco->setIconSize(QSize(16, 16));
    elenco->setSelectionMode(QAbstractItemView::SingleSelection);
    elenco->setHeaderLabels(intestazioni);
    elenco->header()->setSectionsMovable(false);
    SuggerisciTestiTagliati(elenco);
}
