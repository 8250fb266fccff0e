#include "platform/delegatogriglia.h"

#include "platform/modellogriglia.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <vector>

namespace {

// The metrics of one font and the widths of the texts measured in it.
struct MisureCarattere {
    QFont carattere;
    QFontMetricsF metriche;
    QHash<QString, qreal> larghezze;
};

// A grid uses a handful of fonts (plain and bold, perhaps one more): a short list, searched in order.
MisureCarattere& misure(const QFont& carattere)
{
    static std::vector<std::unique_ptr<MisureCarattere>> elenco;
    for (const auto& m : elenco)
        if (m->carattere == carattere) return *m;
    // Fonts that came and went (a changed setting) do not pile up.
    constexpr size_t MASSIMO_CARATTERI = 16;
    if (elenco.size() >= MASSIMO_CARATTERI) elenco.erase(elenco.begin());
    elenco.push_back(std::make_unique<MisureCarattere>(MisureCarattere{carattere, QFontMetricsF(carattere), {}}));
    return *elenco.back();
}

}  // namespace

qreal DelegatoGriglia::larghezzaTesto(const QFont& carattere, const QString& testo)
{
    MisureCarattere& m = misure(carattere);
    if (const auto it = m.larghezze.constFind(testo); it != m.larghezze.constEnd()) return *it;
    // A bound on what is kept: a long session measuring ever new texts starts afresh.
    constexpr qsizetype MASSIMO_TESTI = 50000;
    if (m.larghezze.size() >= MASSIMO_TESTI) m.larghezze.clear();
    const qreal larghezza = m.metriche.horizontalAdvance(testo);
    m.larghezze.insert(testo, larghezza);
    return larghezza;
}

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
        // Cut only a text that does not fit (the test elidedText makes first, on the width kept).
        const QString visibile = larghezzaTesto(carattere, testo) <= area.width()
                                     ? testo
                                     : QFontMetrics(carattere).elidedText(testo, Qt::ElideRight, area.width());
        painter->setClipRect(option.rect);
        painter->drawText(area, int(allineamento | Qt::AlignVCenter) | Qt::TextSingleLine, visibile);
    }
    painter->restore();
}
