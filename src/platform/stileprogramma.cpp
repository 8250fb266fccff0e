#include "platform/stileprogramma.h"

#include <cmath>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QTabBar>
#include <QWheelEvent>
#include <QWidget>

namespace {

// More parts than this and the element is drawn whole: the repeated drawing would cost more than the threads.
constexpr int MASSIMO_PARTI = 16;

// Whether `p` reaches its device with at most a shift by whole pixels, the only case the pieces are cut for.
bool spostamentoIntero(const QPainter* p)
{
    const QTransform t = p->deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// What `p` can reach of `r`, in its own coordinates: `r` less what its device leaves out (the children of a widget
// that paint themselves, what is not being repainted). A clip with holes cuts each row of a fill into several spans.
QRegion raggiungibile(const QPainter* p, const QRect& r)
{
    const QPaintEngine* motore = p->paintEngine();
    const QRegion sistema = motore ? motore->systemClip() : QRegion();
    if (sistema.isEmpty()) return QRegion(r);
    const QTransform t = p->deviceTransform();
    return QRegion(r) & sistema.translated(-int(t.dx()), -int(t.dy()));
}

// Draws `disegna` (the base style drawing an element over `r`) once per piece of what the painter reaches of `r`,
// clipped to it. The pieces do not overlap, so every pixel is drawn once, as when the element is drawn whole; being
// clips on the same device, they leave each line where the device puts it. For elements that set no clip of their
// own: one that replaced the clip would be drawn whole in every piece.
template <typename F> void aPezzi(QPainter* p, const QRect& r, StileProgramma::Taglio taglio, F disegna)
{
    if (!p || !p->isActive() || !spostamentoIntero(p) || StileProgramma::pezzi(r, taglio).size() == 1) return disegna();
    const QRegion area = raggiungibile(p, r);
    if (area.rectCount() > MASSIMO_PARTI) return disegna();
    for (const QRect& parte : area)
        for (const QRect& pezzo : StileProgramma::pezzi(parte, taglio)) {
            p->save();
            p->setClipRect(pezzo, Qt::IntersectClip);
            disegna();
            p->restore();
        }
}

// Whether every pixel of the part `r` of `img` is opaque.
bool opaca(const QImage& img, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(riga[x]) != 255) return false;
    }
    return true;
}

// For an element that sets clips of its own (the scroll bar clips its groove), painting the whole of its widget:
// `disegna(painter)` draws it on an image of its own, once per piece, each time with the image's own bounds (which no
// clip of the element can leave) narrowed to the piece; the image, the size of the element and a margin for what it
// draws just outside, then goes on `p` piece by piece. Its lines are cut by the image's edges where the device would
// cut them, so they fall on the same pixels. Only when the element comes out opaque (it starts by filling itself
// whole), since then the image holds the very pixels the element draws in place, whatever lies beneath; false, with
// nothing drawn, otherwise.
template <typename F> bool suImmagine(QPainter* p, const QRect& r, const QWidget* widget, F disegna)
{
    constexpr int MARGINE = 2;
    if (!p || !p->isActive() || !widget || r != widget->rect() || !spostamentoIntero(p) || p->opacity() != 1.0 ||
        p->compositionMode() != QPainter::CompositionMode_SourceOver || p->device()->devicePixelRatio() != 1)
        return false;
    const QList<QRect> parti = StileProgramma::pezzi(r);
    if (parti.size() == 1 || parti.size() > MASSIMO_PARTI) return false;
    // The device drawn on: for a widget, the image of its window that the painter is sent to.
    const QPaintDevice* superficie = p->paintEngine() ? p->paintEngine()->paintDevice() : nullptr;
    if (!superficie) return false;
    const QTransform t = p->deviceTransform();
    const QRect dispositivo =
        QRect(0, 0, superficie->width(), superficie->height()).translated(-int(t.dx()), -int(t.dy()));
    const QRect area = r.adjusted(-MARGINE, -MARGINE, MARGINE, MARGINE) & dispositivo;
    if (!area.contains(r)) return false;
    QImage img(area.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPaintEngine* motore = img.paintEngine();
    for (const QRect& pezzo : parti) {
        motore->setSystemClip(QRegion(pezzo.translated(-area.topLeft())));
        QPainter pi(&img);
        pi.setRenderHints(p->renderHints());
        pi.translate(-area.topLeft());
        disegna(&pi);
    }
    motore->setSystemClip(QRegion());
    if (!opaca(img, r.translated(-area.topLeft()))) return false;
    for (const QRect& pezzo : parti) p->drawImage(pezzo.topLeft(), img, pezzo.translated(-area.topLeft()));
    return true;
}

// Hands the wheel event `e`, which reached the value control `controllo`, to the controls around it, innermost first,
// as Qt hands on a wheel event that a control leaves, up to the first that takes it (a scroll area that scrolls) or
// to the window. Other value controls on the way are passed over too. As in Qt's own hand-on, a control takes it only
// when it both handles it and leaves it accepted: a disabled one handles nothing, and leaves the event as it found it.
void passaAlContenitore(QWidget* controllo, const QWheelEvent* e)
{
    for (QWidget* w = controllo->parentWidget(); w; w = w->parentWidget()) {
        if (!StileProgramma::cambiaColRotellina(w)) {
            QWheelEvent copia(controllo->mapTo(w, e->position()), e->globalPosition(), e->pixelDelta(), e->angleDelta(),
                              e->buttons(), e->modifiers(), e->phase(), e->inverted(), e->source(),
                              e->pointingDevice());
            if (QCoreApplication::sendEvent(w, &copia) && copia.isAccepted()) return;
        }
        if (w->isWindow()) return;
    }
}

}  // namespace

StileProgramma::StileProgramma() : QProxyStyle() {}

void StileProgramma::installa()
{
    if (qobject_cast<StileProgramma*>(QApplication::style())) return;
    QApplication::setStyle(new StileProgramma);
}

bool StileProgramma::cambiaColRotellina(const QObject* o)
{
    if (qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractSpinBox*>(o) ||
        qobject_cast<const QTabBar*>(o))
        return true;
    return qobject_cast<const QAbstractSlider*>(o) && !qobject_cast<const QScrollBar*>(o);
}

void StileProgramma::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (!cambiaColRotellina(widget)) return;
    widget->installEventFilter(this);
    // The wheel passes over the control: it gives it no focus either (the keyboard and clicks still do).
    if (widget->focusPolicy() == Qt::WheelFocus) widget->setFocusPolicy(Qt::StrongFocus);
}

void StileProgramma::unpolish(QWidget* widget)
{
    if (cambiaColRotellina(widget)) widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool StileProgramma::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::Wheel || !cambiaColRotellina(o)) return QProxyStyle::eventFilter(o, e);
    // The control never sees it. Handed on here rather than left to Qt, which hands on only the events of the
    // window system, and would hand it to the next control around this one. Taken: Qt hands it on no further.
    passaAlContenitore(static_cast<QWidget*>(o), static_cast<QWheelEvent*>(e));
    e->accept();
    return true;
}

QList<QRect> StileProgramma::pezzi(const QRect& r, Taglio taglio)
{
    const bool alto = r.height() >= SOGLIA, largo = r.width() >= SOGLIA && taglio == Taglio::Cornice;
    if (!alto && !largo) return {r};
    QList<QRect> parti;
    const auto colonne = [&parti](const QRect& s) {
        for (int x = s.left(); x <= s.right(); x += PEZZO)
            parti.append(QRect(x, s.top(), qMin(PEZZO, s.right() - x + 1), s.height()));
    };
    const auto righe = [&parti](const QRect& s) {
        for (int y = s.top(); y <= s.bottom(); y += PEZZO)
            parti.append(QRect(s.left(), y, s.width(), qMin(PEZZO, s.bottom() - y + 1)));
    };
    if (!alto) {
        colonne(r);  // a bar: its lines run along it
    } else if (!largo) {
        righe(r);  // a narrow column: its lines and fills run down it
    } else {
        // A frame: the lines along the top and bottom edges in short columns, the rest in bands of rows.
        colonne(QRect(r.left(), r.top(), r.width(), BORDO));
        righe(QRect(r.left(), r.top() + BORDO, r.width(), r.height() - 2 * BORDO));
        colonne(QRect(r.left(), r.bottom() - BORDO + 1, r.width(), BORDO));
    }
    return parti;
}

// The elements whose fills reach the threads in the base style: the frames' inner lines and shadows are translucent,
// the group box frame is a stretched picture, the scroll bar's groove a gradient. Every other element is drawn whole.
void StileProgramma::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* p,
                                   const QWidget* widget) const
{
    const auto disegna = [&] { QProxyStyle::drawPrimitive(elemento, opzione, p, widget); };
    if (opzione && elemento == PE_FrameTabWidget)
        aPezzi(p, opzione->rect, Taglio::Cornice, disegna);
    else if (opzione && elemento == PE_FrameGroupBox)
        aPezzi(p, opzione->rect, Taglio::Righe, disegna);
    else
        disegna();
}

void StileProgramma::drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* p,
                                 const QWidget* widget) const
{
    const auto disegna = [&] { QProxyStyle::drawControl(elemento, opzione, p, widget); };
    const auto* elenco = qstyleoption_cast<const QStyleOptionComboBox*>(opzione);
    if (elenco && elemento == CE_ComboBoxLabel && !elenco->editable) {
        // The chosen item of a list narrower than its text shows it cut with "…", not cut in the middle of a letter.
        const QRect campo = subControlRect(CC_ComboBox, elenco, SC_ComboBoxEditField, widget);
        const int icona = elenco->currentIcon.isNull() ? 0 : elenco->iconSize.width() + 4;
        const int spazio = campo.width() - icona - 2;
        if (elenco->fontMetrics.horizontalAdvance(elenco->currentText) > spazio) {
            QStyleOptionComboBox tagliato = *elenco;
            tagliato.currentText = elenco->fontMetrics.elidedText(elenco->currentText, Qt::ElideRight, spazio);
            QProxyStyle::drawControl(elemento, &tagliato, p, widget);
            return;
        }
    }
    if (opzione && elemento == CE_ToolBar)
        aPezzi(p, opzione->rect, Taglio::Cornice, disegna);
    else
        disegna();
}

void StileProgramma::drawComplexControl(ComplexControl controllo, const QStyleOptionComplex* opzione, QPainter* p,
                                        const QWidget* widget) const
{
    if (opzione && controllo == CC_ScrollBar && suImmagine(p, opzione->rect, widget, [&](QPainter* pi) {
            QProxyStyle::drawComplexControl(controllo, opzione, pi, widget);
        }))
        return;
    QProxyStyle::drawComplexControl(controllo, opzione, p, widget);
}
