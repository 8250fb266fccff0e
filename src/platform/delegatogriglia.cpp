#include "platform/delegatogriglia.h"

#include "platform/modellogriglia.h"

#include <QPainter>

void DelegatoGriglia::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selezionata = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;

    painter->save();
    QColor sfondo = index.data(Qt::BackgroundRole).value<QColor>();
    if (selezionata) sfondo = pal.color(QPalette::Active, QPalette::Highlight);
    if (sfondo.isValid()) painter->fillRect(option.rect, sfondo);

    const QPixmap immagine = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!immagine.isNull()) {
        QSize lato = immagine.deviceIndependentSize().toSize();
        if (lato.width() > LatoImmagine || lato.height() > LatoImmagine)
            lato.scale(LatoImmagine, LatoImmagine, Qt::KeepAspectRatio);
        QRect dove(QPoint(0, 0), lato);
        dove.moveCenter(option.rect.center());
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(dove, immagine);
    }

    const QString testo = index.data(Qt::DisplayRole).toString();
    if (!testo.isEmpty()) {
        QFont carattere = option.font;
        carattere.setBold(index.data(ModelloGriglia::RuoloGrassetto).toBool());
        painter->setFont(carattere);
        QColor colore = index.data(Qt::ForegroundRole).value<QColor>();
        if (selezionata) colore = pal.color(QPalette::Active, QPalette::HighlightedText);
        if (!colore.isValid()) colore = pal.color(QPalette::Text);
        painter->setPen(colore);
        const QRect area = option.rect.adjusted(Margine, 0, -Margine, 0);
        const auto allineamento = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QString visibile = QFontMetrics(carattere).elidedText(testo, Qt::ElideRight, area.width());
        painter->setClipRect(option.rect);
        painter->drawText(area, int(allineamento | Qt::AlignVCenter) | Qt::TextSingleLine, visibile);
    }
    painter->restore();
}
