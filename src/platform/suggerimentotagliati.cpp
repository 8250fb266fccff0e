#include "platform/suggerimentotagliati.h"

#include "platform/testoinriga.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

class DelegatoTagliati : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    // An entry keeps its text as given (a name as stored) and shows it on one line: drawn, measured and in its
    // tooltip.
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        if (opzione->features & QStyleOptionViewItem::HasDisplay) opzione->text = TestoInRiga(opzione->text);
    }

public:
    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                   const QModelIndex& indice) override
    {
        if (!evento || evento->type() != QEvent::ToolTip || !indice.isValid() || indice.data(Qt::ToolTipRole).isValid())
            return QStyledItemDelegate::helpEvent(evento, vista, opzione, indice);
        QStyleOptionViewItem o = opzione;
        initStyleOption(&o, indice);
        const QStyle* stile = o.widget ? o.widget->style() : vista->style();
        const QRect area = stile->subElementRect(QStyle::SE_ItemViewItemText, &o, o.widget);
        if (o.text.isEmpty() || o.fontMetrics.horizontalAdvance(o.text) <= area.width()) {
            QToolTip::hideText();
            evento->ignore();
            return false;
        }
        QToolTip::showText(evento->globalPos(), SuggerimentoTesto(o.text), vista->viewport(), opzione.rect);
        return true;
    }
};

}  // namespace

void SuggerisciTestiTagliati(QAbstractItemView* vista)
{
    if (vista) vista->setItemDelegate(new DelegatoTagliati(vista));
}

QListWidgetItem* AggiungiIncontro(QListWidget* elenco, const QString& casa, const QString& ospite)
{
    bool tagliato = false;
    auto* voce = new QListWidgetItem(IncontroInRiga(elenco->fontMetrics(), casa, ospite, &tagliato), elenco);
    if (tagliato) voce->setToolTip(SuggerimentoTesto(IncontroInRiga(casa, ospite)));
    return voce;
}
