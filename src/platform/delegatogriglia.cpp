#include "platform/delegatogriglia.h"

#include "platform/memoriatesti.h"
#include "platform/modellogriglia.h"
#include "platform/testoinriga.h"

#include <memory>
#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

namespace {

// A text laid out on one line as QPainter::drawText lays it out, kept to be drawn again: in a grid the same texts
// come back on every paint (numbers, names), and laying one out costs several times drawing it.
struct TestoDisposto {
    QTextLayout disposizione;
    qreal altezza = 0;      // of the line
    qreal larghezza = 0;    // the line's natural width
    qreal avanzamento = 0;  // the line's advance
};

// `testo` laid out left to right in `carattere` (a painter's font, made for its device) at `dpi`.
std::shared_ptr<TestoDisposto> disposto(const QFont& carattere, int dpi, const QString& testo)
{
    // A few hundred bytes a text.
    static MemoriaTesti<std::shared_ptr<TestoDisposto>> memoria(8, 3000);
    return memoria.valore(
        carattere, testo,
        [](const QFont& f, const QString& t) {
            auto d = std::make_shared<TestoDisposto>();
            d->disposizione.setText(t);
            d->disposizione.setFont(f);
            QTextOption opzione;
            opzione.setTextDirection(Qt::LeftToRight);
            opzione.setAlignment(Qt::AlignLeft);
            d->disposizione.setTextOption(opzione);
            d->disposizione.setCacheEnabled(true);
            d->disposizione.beginLayout();
            QTextLine riga = d->disposizione.createLine();
            riga.setLineWidth(0x01000000);
            riga.setPosition(QPointF(0, 0));
            d->disposizione.endLayout();
            d->altezza = riga.ascent() + riga.descent();
            d->larghezza = riga.naturalTextWidth();
            d->avanzamento = riga.horizontalAdvance();
            return d;
        },
        dpi);
}

// Whether drawText would lay `testo` out on one line as it stands: no characters it changes or breaks at.
bool testoSemplice(const QString& testo)
{
    for (const QChar c : testo)
        if (c.unicode() < 0x20 || c.unicode() == 0x9c || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

// painter->drawText(area, Qt::TextSingleLine | Qt::AlignVCenter | horizontal alignment, testo) with the text laid
// out once for all.
void scriviTesto(QPainter* painter, const QRect& area, Qt::Alignment allineamento, const QString& testo)
{
    if (testo.isEmpty()) return;
    // Anything but a plain text on one line, left to right, drawn unturned: drawText itself.
    const bool altroAllineamento =
        allineamento & (Qt::AlignJustify | Qt::AlignTop | Qt::AlignBottom | Qt::AlignBaseline);
    if (painter->layoutDirection() != Qt::LeftToRight || altroAllineamento || !testoSemplice(testo) ||
        painter->transform().type() > QTransform::TxScale || !painter->device()) {
        painter->drawText(area, int(allineamento | Qt::AlignVCenter) | Qt::TextSingleLine, testo);
        return;
    }
    // Placed and clipped as drawText places a single line (the same layout, drawn at the same point).
    const std::shared_ptr<TestoDisposto> tenuto = disposto(painter->font(), painter->device()->logicalDpiY(), testo);
    const TestoDisposto& t = *tenuto;
    const QRectF r(area);
    const Qt::Alignment orizzontale = allineamento & Qt::AlignHorizontal_Mask;
    qreal yoff = (r.height() - t.altezza) / 2;
    if (const qreal scala = painter->transform().m22(); scala != 0) yoff = -qRound(-yoff * scala) / scala;
    qreal xoff = 0;
    if (orizzontale & Qt::AlignRight) {
        xoff = r.width() - t.larghezza;
    } else if (orizzontale & Qt::AlignHCenter) {
        xoff = (r.width() - t.larghezza) / 2;
        if (const qreal scala = painter->transform().m11(); scala != 0) xoff = qRound(xoff * scala) / scala;
    }
    const bool ritaglio = !r.contains(QRectF(r.x() + xoff, r.y() + yoff, t.larghezza, t.altezza));
    if (ritaglio) {
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
    }
    xoff = 0;
    if (orizzontale & Qt::AlignRight)
        xoff = r.width() - t.avanzamento;
    else if (orizzontale & Qt::AlignHCenter)
        xoff = (r.width() - t.avanzamento) / 2;
    t.disposizione.lineAt(0).draw(painter, QPointF(r.x() + xoff, r.y() + yoff));
    if (ritaglio) painter->restore();
}

}  // namespace

qreal DelegatoGriglia::larghezzaTesto(const QFont& carattere, const QString& testo)
{
    static MemoriaTesti<qreal> memoria(16, 50000);
    return memoria.valore(carattere, testo,
                          [](const QFont& f, const QString& t) { return QFontMetricsF(f).horizontalAdvance(t); });
}

qreal DelegatoGriglia::larghezzaMassimaTesto(const QFont& carattere, int nomi)
{
    const QString nome(CaratteriNomeMassimi, QLatin1Char('n'));
    QStringList testo;
    for (int i = 0; i < qMax(1, nomi); ++i) testo << nome;
    return larghezzaTesto(carattere, testo.join(QLatin1String(SeparatoreIncontro)));
}

namespace {

// The text of a cell and the font it is drawn in, and whether it is cut in `area`.
struct TestoCella {
    QString testo;
    QFont carattere;
    bool tagliato(const QRect& area) const
    {
        return !testo.isEmpty() && DelegatoGriglia::larghezzaTesto(carattere, testo) > area.width();
    }
};

TestoCella TestoDi(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    TestoCella t{index.data(Qt::DisplayRole).toString(), option.font};
    t.carattere.setBold(index.data(ModelloGriglia::RuoloGrassetto).toBool());
    return t;
}

QRect AreaTesto(const QRect& cella)
{
    return cella.adjusted(DelegatoGriglia::Margine, 0, -DelegatoGriglia::Margine, 0);
}

// A cell's text as its tooltip: plain text, whatever it holds, that wraps within the screen, also inside a word too
// long for a line (a break is allowed after every 40 characters without a blank).
QString Suggerimento(const QString& testo)
{
    constexpr int TRATTO = 40;
    QString diviso;
    int seguiti = 0;
    for (const QChar c : testo) {
        seguiti = c.isSpace() ? 0 : seguiti + 1;
        if (seguiti > TRATTO) {
            diviso += QChar(0x200B);  // zero width space
            seguiti = 1;
        }
        diviso += c;
    }
    return QStringLiteral("<p>") + diviso.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace

bool DelegatoGriglia::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const TestoCella t = TestoDi(option, index);
    if (!t.tagliato(AreaTesto(option.rect))) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), Suggerimento(t.testo), view->viewport(), option.rect);
    return true;
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

    const TestoCella t = TestoDi(option, index);
    if (!t.testo.isEmpty()) {
        painter->setFont(t.carattere);
        QColor colore = index.data(Qt::ForegroundRole).value<QColor>();
        if (selezionata) colore = pal.color(QPalette::Active, QPalette::HighlightedText);
        if (!colore.isValid()) colore = pal.color(QPalette::Text);
        painter->setPen(colore);
        const QRect area = AreaTesto(option.rect);
        const auto allineamento = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        // Cut only a text that does not fit (the test elidedText makes first, on the width kept).
        const QString visibile =
            !t.tagliato(area) ? t.testo : QFontMetrics(t.carattere).elidedText(t.testo, Qt::ElideRight, area.width());
        painter->setClipRect(option.rect);
        scriviTesto(painter, area, allineamento, visibile);
    }
    painter->restore();
}
