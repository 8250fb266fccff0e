#include "platform/pannello.h"

#include "platform/evidenziatore.h"
#include "platform/memoriatesti.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int MARGINE = 5;
constexpr int SPAZIO = 6;
constexpr qreal RAGGIO = 3.0;

QHash<int, QPointer<Pannello>>& registro()
{
    static QHash<int, QPointer<Pannello>> r;
    return r;
}

// `a` moved towards `b` by `quota` (0..1).
QColor mescola(const QColor& a, const QColor& b, qreal quota)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * quota, a.greenF() + (b.greenF() - a.greenF()) * quota,
                            a.blueF() + (b.blueF() - a.blueF()) * quota);
}

// What accessibility tools read of a panel: a button named by its caption or tooltip that they can press.
class PannelloAccessibile : public QAccessibleWidget {
public:
    explicit PannelloAccessibile(Pannello* p) : QAccessibleWidget(p, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        // An explicit accessible name first, then the caption or tooltip, then a label's buddy.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const QString nome = pannello()->nomeAccessibile();
            if (!nome.isEmpty()) return nome;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = pannello()->isDown();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList nomi = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) nomi.prepend(pressAction());
        return nomi;
    }
    void doAction(const QString& azione) override
    {
        if (azione == pressAction() && widget()->isEnabled())
            pannello()->click();
        else
            QAccessibleWidget::doAction(azione);
    }

private:
    Pannello* pannello() const { return static_cast<Pannello*>(widget()); }
};

QAccessibleInterface* accessibilePannello(const QString& classe, QObject* o)
{
    if (classe == QLatin1String("Pannello") && o && o->isWidgetType())
        return new PannelloAccessibile(static_cast<Pannello*>(o));
    return nullptr;
}

}  // namespace

Pannello::Pannello(int id, QWidget* parent) : QAbstractButton(parent)
{
    static const bool installata = (QAccessible::installFactory(accessibilePannello), true);
    Q_UNUSED(installata);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    impostaId(id);
}

Pannello::Pannello(const QIcon& icona, const QString& testo, int id, QWidget* parent) : Pannello(id, parent)
{
    setIcon(icona);
    impostaTesto(testo);
}

Pannello::~Pannello()
{
    if (id_ >= 0 && registro().value(id_) == this) registro().remove(id_);
}

void Pannello::impostaId(int id)
{
    if (id_ >= 0 && registro().value(id_) == this) registro().remove(id_);
    id_ = id < 0 ? -1 : id;
    Evidenziatore::assegnaId(this, id_);
    if (id_ >= 0) registro().insert(id_, this);
}

Pannello* Pannello::perId(int id) { return id < 0 ? nullptr : registro().value(id).data(); }

void Pannello::impostaIcona(const QIcon& icona) { setIcon(icona); }

void Pannello::impostaTesto(const QString& testo)
{
    setText(testo);
    setShortcut(QKeySequence());  // the caption is shown as it is: no '&' shortcut
}

QString Pannello::nomeAccessibile() const
{
    const QString nome = text().simplified();
    return nome.isEmpty() ? toolTip() : nome;
}

void Pannello::impostaLatoIcona(int lato)
{
    latoIcona_ = qMax(8, lato);
    updateGeometry();
    update();
}

void Pannello::impostaDisposizione(Disposizione d)
{
    disposizione_ = d;
    updateGeometry();
    update();
}

void Pannello::impostaAcceso(bool acceso)
{
    if (acceso_ == acceso) return;
    acceso_ = acceso;
    aggiornaCompagno();
    update();
}

void Pannello::impostaCompagno(QWidget* w)
{
    if (compagno_ && compagno_ != w) compagno_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    compagno_ = w;
    if (compagno_) compagno_->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    aggiornaCompagno();
}

void Pannello::aggiornaCompagno()
{
    if (compagno_) compagno_->setVisible(acceso_);
}

QSize Pannello::dimensioneTesto() const
{
    if (text().isEmpty()) return QSize(0, 0);
    // Each caption is measured once per font for the run: layouts ask a panel's size several times, and every
    // window has panels with the same captions.
    static MemoriaTesti<QSize> memoria(8, 2000);
    return memoria.valore(font(), text(), [](const QFont& f, const QString& t) {
        return QFontMetrics(f).boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignTop, t).size();
    });
}

QSize Pannello::sizeHint() const
{
    const QSize t = dimensioneTesto();
    const int ic = icon().isNull() ? 0 : latoIcona_;
    const int spazio = (ic > 0 && !t.isEmpty()) ? SPAZIO : 0;
    QSize s;
    if (disposizione_ == Disposizione::IconaASinistra)
        s = QSize(ic + spazio + t.width(), qMax(ic, t.height()));
    else
        s = QSize(qMax(ic, t.width()), ic + spazio + t.height());
    return s.grownBy(QMargins(MARGINE, MARGINE, MARGINE, MARGINE)).expandedTo(QSize(16, 16));
}

void Pannello::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const bool abilitato = isEnabled();
    const bool infossato = abilitato && isDown();

    if (abilitato && (acceso_ || isDown())) {
        // Raised (or, while pressed, sunken) tinted panel with a bevel line along its lit edge.
        const QColor fondo = pal.color(QPalette::Window);
        const QColor accento = pal.color(QPalette::Highlight);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient sfumatura(r.topLeft(), r.bottomLeft());
        sfumatura.setColorAt(0.0, mescola(fondo, accento, infossato ? 0.32 : 0.10));
        sfumatura.setColorAt(1.0, mescola(fondo, accento, infossato ? 0.20 : 0.26));
        QPainterPath forma;
        forma.addRoundedRect(r, RAGGIO, RAGGIO);
        p.fillPath(forma, sfumatura);
        p.setPen(QPen(mescola(fondo, accento, 0.70), 1.0));
        p.drawPath(forma);
        const QRectF interno = r.adjusted(1.0, 1.0, -1.0, -1.0);
        p.setPen(QPen(QColor(255, 255, 255, infossato ? 60 : 170), 1.0));
        if (infossato)
            p.drawLine(interno.bottomLeft() + QPointF(RAGGIO, 0), interno.bottomRight() - QPointF(RAGGIO, 0));
        else
            p.drawLine(interno.topLeft() + QPointF(RAGGIO, 0), interno.topRight() - QPointF(RAGGIO, 0));
    }

    QRect area = rect().adjusted(MARGINE, MARGINE, -MARGINE, -MARGINE);
    if (infossato) area.translate(1, 1);
    const QSize t = dimensioneTesto();
    const int ic = icon().isNull() ? 0 : latoIcona_;
    const int spazio = (ic > 0 && !t.isEmpty()) ? SPAZIO : 0;
    QRect rIcona;
    QRect rTesto;
    if (disposizione_ == Disposizione::IconaASinistra) {
        // A captioned panel keeps its picture at the left edge, so a column of panels lines up;
        // a bare picture sits in the middle.
        const int x = t.isEmpty() ? area.left() + qMax(0, (area.width() - ic) / 2) : area.left();
        rIcona = QRect(x, area.top() + (area.height() - ic) / 2, ic, ic);
        rTesto = QRect(x + ic + spazio, area.top(), qMax(0, area.right() + 1 - (x + ic + spazio)), area.height());
    } else {
        const int altezza = ic + spazio + t.height();
        const int y = area.top() + qMax(0, (area.height() - altezza) / 2);
        rIcona = QRect(area.left() + (area.width() - ic) / 2, y, ic, ic);
        rTesto = QRect(area.left(), y + ic + spazio, area.width(), t.height());
    }
    if (ic > 0) {
        const QIcon::Mode modo = !abilitato ? QIcon::Disabled : (acceso_ ? QIcon::Active : QIcon::Normal);
        icon().paint(&p, rIcona, Qt::AlignCenter, modo);
    }
    if (!t.isEmpty()) {
        p.setPen(pal.color(abilitato ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        const int allinea = disposizione_ == Disposizione::IconaASinistra ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                                          : (Qt::AlignHCenter | Qt::AlignTop);
        p.drawText(rTesto, allinea, text());
    }
}

void Pannello::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QAbstractButton::changeEvent(e);
}
