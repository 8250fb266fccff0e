#include "platform/finestre.h"

#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/testoinriga.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <utility>

namespace {

// F1 anywhere in the program's windows opens help at the context of the window it was pressed in.
class TastoGuida : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !o->isWidgetType()) return false;
        const auto* tasto = static_cast<QKeyEvent*>(e);
        if (tasto->key() != Qt::Key_F1 || tasto->modifiers() != Qt::NoModifier) return false;
        auto* w = static_cast<QWidget*>(o);
        Finestre& registro = Finestre::istanza();
        Finestra* f = nullptr;
        for (QWidget* x = w; x && !f; x = x->parentWidget()) f = qobject_cast<Finestra*>(x);
        if (!f) {
            // The main window itself: the child in front, if any. Other dialogs are left alone.
            if (!registro.area() || w->window() != registro.area()->window()) return false;
            f = registro.finestraAttiva();
        }
        Guida::apri(f ? f->contestoGuida() : -1);
        return true;
    }
};

// Ends a modal showing when its window is hidden.
class AttesaChiusura : public QObject {
public:
    explicit AttesaChiusura(QEventLoop* ciclo) : ciclo_(ciclo) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide) ciclo_->quit();
        return false;
    }

private:
    QEventLoop* ciclo_;
};

// While a child frame appears: the window inside it asks to be painted as soon as it is shown, before the
// frame marks its own border and caption. Otherwise the frame (which fills its background) is painted
// first on its own, then everything inside it once more with the window's own request.
class PrimoDisegnoUnico : public QObject {
public:
    explicit PrimoDisegnoUnico(QWidget* w) : w_(w) { w_->installEventFilter(this); }
    ~PrimoDisegnoUnico() override
    {
        if (w_) w_->removeEventFilter(this);
    }
    PrimoDisegnoUnico(const PrimoDisegnoUnico&) = delete;
    PrimoDisegnoUnico& operator=(const PrimoDisegnoUnico&) = delete;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == w_ && e->type() == QEvent::Show) w_->update();
        return false;
    }

private:
    QPointer<QWidget> w_;
};

// The height a child frame took for the size its window asked for (Finestre::tieniInVista).
constexpr char AltezzaChiesta[] = "golvarno_altezza_chiesta";

// Holds a window that scrolls as a whole, up and down, asking for the room the window asks for.
class ScorrimentoFinestra : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        return widget() ? widget()->sizeHint() + QSize(2, 2) * frameWidth() : QScrollArea::sizeHint();
    }
    // Made while its window is hidden, it is the first in the window's tab order when the window is first activated:
    // it hands that focus to `controllo`, the control the window would have given it to. Only that first focus: one
    // that the user brings (a click, the tab key) stays.
    void cediIlPrimoFuocoA(QWidget* controllo) { primoFuoco_ = controllo; }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QScrollArea::focusInEvent(e);
        const QPointer<QWidget> c = std::exchange(primoFuoco_, nullptr);
        const Qt::FocusReason r = e->reason();
        if (c && r != Qt::MouseFocusReason && r != Qt::TabFocusReason && r != Qt::BacktabFocusReason) c->setFocus(r);
    }

private:
    QPointer<QWidget> primoFuoco_;
};

// Whether a control shows what it holds through a scroll area of its own (a grid, a list, a tree, a chart): it can be
// shorter than it was laid out for and scroll.
bool Scorre(const QWidget* c)
{
    return qobject_cast<const QAbstractScrollArea*>(c) ||
           c->findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}

// The controls of `w` that scroll give up `eccesso` px of the width or height (`verso`) that the window set for them
// beyond their own minimum.
void Cedi(QWidget* w, Qt::Orientation verso, int eccesso)
{
    const auto lato = [verso](const QSize& s) { return verso == Qt::Horizontal ? s.width() : s.height(); };
    for (QWidget* c : w->findChildren<QWidget*>()) {
        const int minimo = lato(c->minimumSize());
        if (minimo == 0 || !Scorre(c)) continue;
        const int ridotto = std::clamp(minimo - eccesso, qMax(0, lato(c->minimumSizeHint())), minimo);
        if (verso == Qt::Horizontal)
            c->setMinimumWidth(ridotto);
        else
            c->setMinimumHeight(ridotto);
        for (QWidget* p = c; p != w; p = p->parentWidget()) p->updateGeometry();
    }
}

// The controls of `w` that scroll give up what `w` needs beyond `posto`, as far as their own minimum allows. Whether
// `w` asked for more than `posto`.
bool CediOltre(QWidget* w, const QSize& posto)
{
    const QSize eccesso = w->minimumSizeHint() - posto;
    if (eccesso.width() <= 0 && eccesso.height() <= 0) return false;
    if (eccesso.width() > 0) Cedi(w, Qt::Horizontal, eccesso.width());
    if (eccesso.height() > 0) Cedi(w, Qt::Vertical, eccesso.height());
    // Every layout of the window learns of the change now, not at its next pass.
    for (QLayout* l : w->findChildren<QLayout*>()) l->invalidate();
    return true;
}

// Whether the control `c` of window `w` is in sight and usable or, while `w` is still hidden, will be once it is shown.
bool Usabile(const QWidget* c, const QWidget* w) { return c->isVisibleTo(w) && c->isEnabledTo(w); }

// The control that takes the first focus of window `w`: the one the window chose, else the first in its tab order,
// passing over a control that is (or, while `w` is hidden, will be) hidden or disabled: a box this championship does
// not use, a chart not drawn yet.
QWidget* PrimoFuoco(QWidget* w)
{
    if (QWidget* f = w->focusWidget(); f && Usabile(f, w)) return f;
    for (QWidget* c = w->nextInFocusChain(); c && c != w && w->isAncestorOf(c); c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) && Usabile(c, w)) return c;
    return nullptr;
}

// The control of window `w` that has the focus or, while the window is still hidden, the one that would take it when
// the window is first activated (PrimoFuoco).
QWidget* Fuoco(QWidget* w)
{
    if (w->isAncestorOf(QApplication::focusWidget())) return QApplication::focusWidget();
    return w->isVisible() ? nullptr : PrimoFuoco(w);
}

// The first focus of window `w`, just shown and activated, on a control in sight and usable: the frame's own choice
// takes the first control in the tab order, hidden or disabled as it may be, which would leave what the user types
// going where they cannot see. It goes on to PrimoFuoco.
void FuocoUsabile(QWidget* w)
{
    QWidget* f = w->focusWidget();
    if (QWidget* c = f ? PrimoFuoco(w) : nullptr; c && c != f) c->setFocus(Qt::OtherFocusReason);
}

// Makes the window in child frame `sotto` need no more room than an area of size `vista` gives it. The controls that
// scroll give up the width and height beyond their own minimum that the window set for them (to open showing all
// their rows, or a chart at its full size); where its fixed controls still need more height, the whole window
// scrolls up and down within its frame, and the frame takes the width of the scroll bar where the area has it.
// Across, fixed controls share the width as they always did (a name of any length is cut with "…" by its own control
// rather than making the window scroll).
void Adatta(QMdiSubWindow* sotto, const QSize& vista)
{
    QWidget* w = sotto->widget();
    if (!w || !w->layout()) return;
    const QSize posto = vista.shrunkBy(sotto->contentsMargins());
    if (!CediOltre(w, posto)) return;
    if (w->minimumSizeHint().height() <= posto.height() ||
        w->findChild<ScorrimentoFinestra*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    const QPointer<QWidget> fuoco = Fuoco(w);
    auto* contenuto = new QWidget;
    contenuto->setLayout(w->layout());  // takes the window's layout and the controls in it
    contenuto->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* scorrimento = new ScorrimentoFinestra(w);
    scorrimento->setObjectName(QStringLiteral("ScorrimentoFinestra"));
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setWidgetResizable(true);
    scorrimento->setWidget(contenuto);
    auto* tutto = new QVBoxLayout(w);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->addWidget(scorrimento);
    scorrimento->show();
    if (fuoco && sotto->isVisible())
        fuoco->setFocus();
    else if (fuoco)
        scorrimento->cediIlPrimoFuocoA(fuoco);
    if (sotto->isMaximized()) return;
    const int barra = sotto->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sotto);
    sotto->resize(QSize(sotto->width() + barra, sotto->height()).boundedTo(vista));
}

// The lists, trees and grids of `w` that show their last rows, scrolled to their end (as a list that grows at the
// bottom opens), before the window is fitted to the area or the screen, which leaves them where they were.
using ElenchiAllaFine = QList<QPointer<QAbstractItemView>>;
ElenchiAllaFine AllaFine(const QWidget* w)
{
    ElenchiAllaFine elenchi;
    for (QAbstractItemView* v : w->findChildren<QAbstractItemView*>()) {
        const QScrollBar* b = v->verticalScrollBar();
        if (!qobject_cast<QHeaderView*>(v) && b->maximum() > 0 && b->value() == b->maximum()) elenchi.append(v);
    }
    return elenchi;
}

// Each list, tree or grid of `w` that has a row chosen (the row its commands act on) shows it, as the window opens, and
// each of `allaFine` shows its last rows still. The window is laid out for the size it opens with first, so that the
// rows are still in sight when it is painted.
void MostraRigheScelte(Finestra* w, const ElenchiAllaFine& allaFine)
{
    QList<std::pair<QAbstractItemView*, QModelIndex>> scelte;
    for (QAbstractItemView* v : w->findChildren<QAbstractItemView*>()) {
        const QItemSelectionModel* s = v->selectionModel();
        if (qobject_cast<QHeaderView*>(v) || !s || !s->hasSelection() || !v->isVisibleTo(w)) continue;
        scelte.append({v, s->isSelected(v->currentIndex()) ? v->currentIndex() : s->selectedIndexes().first()});
    }
    if (scelte.isEmpty() && allaFine.isEmpty()) return;
    for (QWidget* c : {w->contenitore(), static_cast<QWidget*>(w)})
        if (c->layout()) c->layout()->activate();
    for (const QPointer<QAbstractItemView>& v : allaFine)
        if (v) v->scrollToBottom();
    for (const auto& [v, riga] : scelte) v->scrollTo(riga);
}

void installaTastoGuida()
{
    static QPointer<TastoGuida> filtro;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (filtro || !app) return;
    filtro = new TastoGuida(app);
    app->installEventFilter(filtro);
}

}  // namespace

// ---------------------------------------------------------------- Finestra

Finestra::Finestra(const QString& id, QWidget* parent) : QWidget(parent) { setObjectName(id); }

void Finestra::chiudi()
{
    // Unloaded already (e.g. while a box of its own was up), the id may now name another instance.
    if (Finestre::istanza().finestra(id()) == this) Finestre::istanza().scarica(id());
}

QWidget* Finestra::contenitore() const
{
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget())) return sotto;
    return const_cast<Finestra*>(this);
}

void Finestra::nascondi() { contenitore()->hide(); }

void Finestra::closeEvent(QCloseEvent* e)
{
    Finestre& registro = Finestre::istanza();
    if (registro.finestra(id()) != this) {
        // Already forgotten by the registry: this is the unload itself closing the window.
        e->accept();
        return;
    }
    // The close box (of the window or of its MDI frame): unload through the registry, which
    // closes what has to be closed.
    e->ignore();
    registro.scarica(id());
}

// ---------------------------------------------------------------- Finestre

Finestre::Finestre() { installaTastoGuida(); }

Finestre& Finestre::istanza()
{
    static Finestre registro;
    return registro;
}

void Finestre::impostaArea(QMdiArea* area)
{
    installaTastoGuida();
    // A child frame measures and cuts its caption anew at each of the many geometry updates of an opening (some
    // eighty times): in a caption font that needs no shaping for Latin text each costs a fraction.
    QFont didascalia = QApplication::font("QMdiSubWindowTitleBar");
    if (didascalia.styleStrategy() != QFont::PreferNoShaping) {
        didascalia.setStyleStrategy(QFont::PreferNoShaping);
        QApplication::setFont(didascalia, "QMdiSubWindowTitleBar");
    }
    if (area_) disconnect(area_, nullptr, this, nullptr);
    area_ = area;
    if (area_)
        connect(area_, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow* sotto) { sottoFinestraAttivata(sotto); });
}

QMdiArea* Finestre::area() const { return area_; }

void Finestre::registra(const QString& id, Fabbrica fabbrica)
{
    fabbriche_.insert(id, std::move(fabbrica));
    emit registrazioneCambiata(id);
}

bool Finestre::registrata(const QString& id) const
{
    const auto it = fabbriche_.constFind(id);
    return it != fabbriche_.constEnd() && *it;
}

QStringList Finestre::registrate() const
{
    QStringList ids;
    for (auto it = fabbriche_.constBegin(); it != fabbriche_.constEnd(); ++it)
        if (*it) ids << it.key();
    ids.sort();
    return ids;
}

Finestra* Finestre::creaSeServe(const QString& id)
{
    if (Finestra* w = finestre_.value(id)) return w;
    finestre_.remove(id);
    if (!registrata(id)) return nullptr;
    installaTastoGuida();
    Finestra* w = fabbriche_.value(id)();
    if (!w) return nullptr;
    w->setObjectName(id);
    finestre_.insert(id, w);
    const QPointer<Finestra> guardia(w);
    w->carica();
    // A window may unload itself while loading: it is then never shown.
    if (!guardia || finestre_.value(id) != w) return nullptr;
    return w;
}

void Finestre::inserisciNellArea(Finestra* w)
{
    if (qobject_cast<QMdiSubWindow*>(w->parentWidget())) return;
    const bool dimensionata = w->testAttribute(Qt::WA_Resized);
    const QSize dimensione = dimensionata ? w->size() : w->sizeHint();
    w->setWindowModality(Qt::NonModal);
    QMdiSubWindow* sotto = area_->addSubWindow(w);
    sotto->setAttribute(Qt::WA_DeleteOnClose, false);
    if (w->testAttribute(Qt::WA_SetWindowIcon))
        sotto->setWindowIcon(w->windowIcon());
    else if (!QApplication::windowIcon().isNull())
        sotto->setWindowIcon(QApplication::windowIcon());
    else
        sotto->setWindowIcon(Icona(QStringLiteral("pallone")));
    // The frame and caption of the sub-window go around the size the window asked for; a window
    // that asked for none gets at least the width its caption needs.
    QSize esterna = dimensione.grownBy(sotto->contentsMargins());
    if (!dimensionata) {
        // A caption with names of any length counts for about three names of the longest a window is laid out
        // for: the frame cuts the rest with "…".
        const QFontMetrics fm = sotto->fontMetrics();
        const int perTitolo = qMin(fm.horizontalAdvance(w->windowTitle()), 3 * LarghezzaMassimaNome(fm)) +
                              6 * sotto->contentsMargins().top();
        esterna.setWidth(qMax(esterna.width(), perTitolo));
    }
    sotto->resize(esterna.expandedTo(sotto->minimumSizeHint()));
    sotto->setProperty(AltezzaChiesta, sotto->height());
    // Fitted to the area while still hidden, so that a window that scrolls as a whole has its controls moved into the
    // scroll area before they are first shown and laid out, not after. A frame within the area needs nothing: its
    // window's minimum is within the frame.
    const QSize vista = area_->viewport()->size();
    if (area_->isVisible() && !vista.isEmpty() && (sotto->width() > vista.width() || sotto->height() > vista.height()))
        Adatta(sotto, vista);
    sotto->installEventFilter(this);
}

bool Finestre::eventFilter(QObject* o, QEvent* e)
{
    // Shown again also when it is maximized or restored (its geometry changes while it is hidden).
    if ((e->type() == QEvent::Resize || e->type() == QEvent::Show) && area_) {
        auto* sotto = qobject_cast<QMdiSubWindow*>(o);
        if (sotto && sotto->mdiArea() == area_ && sotto->isVisible()) tieniInVista(sotto);
    }
    return QObject::eventFilter(o, e);
}

Finestra* Finestre::carica(const QString& id) { return creaSeServe(id); }

Finestra* Finestre::mostra(const QString& id)
{
    Finestra* w = creaSeServe(id);
    if (!w) return nullptr;
    if (w->isWindow() && w->isVisible() && w->isModal()) {
        // Being shown modal: it stays where it is, in front.
        w->raise();
        w->activateWindow();
        return w;
    }
    const QPointer<Finestra> guardia(w);
    // Whatever activates it from here on (the area's signal included) is this command's doing.
    const auto ripristina = qScopeGuard([this, prima = richiesta_] { richiesta_ = prima; });
    richiesta_ = w;
    const bool eraVisibile = visibile(id);
    const bool giaAttiva = eraVisibile && ultimaAttiva_ == w;
    if (!eraVisibile && ultimaAttiva_ == w) ultimaAttiva_ = nullptr;
    const ElenchiAllaFine allaFine = eraVisibile ? ElenchiAllaFine() : AllaFine(w);

    if (area_) {
        inserisciNellArea(w);
        QWidget* sotto = w->contenitore();
        if (w->isHidden()) w->show();
        {
            PrimoDisegnoUnico unico(w);
            sotto->show();  // the area may activate it now: attiva() runs from its signal
        }
        if (!guardia) return nullptr;
        area_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(sotto));
        sotto->raise();
    } else {
        w->show();
        w->raise();
        w->activateWindow();
    }
    if (!guardia || finestre_.value(id) != w) return nullptr;
    // Shown while already in front: the caller still expects the activation step to run.
    if (giaAttiva)
        w->attiva();
    else
        attivazione(w);
    if (!guardia || finestre_.value(id) != w) return nullptr;
    // A window that has just appeared (and may have grown to fit what it shows) stands wholly in sight.
    if (!eraVisibile && area_) tieniInVista(w->contenitore());
    if (!eraVisibile) {
        MostraRigheScelte(w, allaFine);
        FuocoUsabile(w);
    }
    return w;
}

void Finestre::mostraModale(const QString& id)
{
    Finestra* w = creaSeServe(id);
    if (!w) return;
    const QPointer<Finestra> guardia(w);

    // A modal window stands on its own above the main window, outside the MDI area.
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
        sotto->setWidget(nullptr);
        if (area_) area_->removeSubWindow(sotto);
        sotto->deleteLater();
    }
    QWidget* padre = area_ ? area_->window() : QApplication::activeWindow();
    if (padre == w) padre = nullptr;
    if (w->parentWidget() != padre || !w->isWindow()) w->setParent(padre, Qt::Dialog);
    w->setWindowModality(Qt::ApplicationModal);
    if (!w->property("golvarno_centrata").toBool()) {
        // The first time it appears, a modal window stands in the middle of the main window.
        w->setProperty("golvarno_centrata", true);
        w->adjustSize();
        QRect sopra = padre ? padre->frameGeometry() : QRect();
        if (!sopra.isValid() && w->screen()) sopra = w->screen()->availableGeometry();
        if (sopra.isValid()) w->move(sopra.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    tieniSulloSchermo(w);
    w->show();
    tieniSulloSchermo(w);  // again with the frame the system has now put around it
    w->raise();
    w->activateWindow();
    if (!guardia) return;
    w->attiva();
    if (!guardia || finestre_.value(id) != w || w->isHidden()) return;

    QEventLoop ciclo;
    AttesaChiusura attesa(&ciclo);
    w->installEventFilter(&attesa);
    connect(w, &QObject::destroyed, &ciclo, &QEventLoop::quit);
    const auto scaricata = connect(this, &Finestre::finestraScaricata, &ciclo, [&ciclo, id](const QString& x) {
        if (x == id) ciclo.quit();
    });
    {
        CicloModale modale;
        ciclo.exec(QEventLoop::DialogExec);
    }
    disconnect(scaricata);
    if (guardia) {
        w->removeEventFilter(&attesa);
        w->setWindowModality(Qt::NonModal);
    }
}

void Finestra::impostaAspetto(const QString& titolo, const QString& icona, int contesto)
{
    setWindowTitle(titolo);
    setWindowIcon(Icona(icona));
    impostaContestoGuida(contesto);
}

bool Finestre::caricata(const QString& id) const { return !finestre_.value(id).isNull(); }

bool Finestre::visibile(const QString& id) const
{
    Finestra* w = finestre_.value(id);
    if (!w) return false;
    QWidget* c = w->contenitore();
    return !c->isHidden() && (c == w || !w->isHidden());
}

Finestra* Finestre::finestra(const QString& id) const { return finestre_.value(id); }

void Finestre::scarica(const QString& id) { scaricaSubito(id); }

bool Finestre::scaricaSubito(const QString& id)
{
    QPointer<Finestra> w = finestre_.value(id);
    if (!w) {
        finestre_.remove(id);
        return true;
    }
    if (inScarico_.contains(id)) return false;  // its unload step is already running
    inScarico_ << id;
    const bool consenso = w->scarica();
    inScarico_.removeOne(id);
    if (w && !consenso) return false;
    if (!w || finestre_.value(id) != w) return true;  // gone in the meantime

    finestre_.remove(id);
    if (ultimaAttiva_ == w) ultimaAttiva_ = nullptr;
    // Closing the frame lets the MDI area activate the next child; the objects go once control
    // is back in the event loop, so the window's own handler may still be running.
    QWidget* c = w->contenitore();
    c->close();
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(c); sotto && area_) {
        area_->removeSubWindow(sotto);
        // As in every MDI program, the child left in front becomes the active one.
        if (!area_->activeSubWindow()) attivaDavanti();
    }
    eliminaDopo(c);
    if (c != w) eliminaDopo(w);
    emit finestraScaricata(id);
    return true;
}

void Finestre::eliminaDopo(QWidget* w)
{
    // Inside a modal loop a deferred deletion would run in that loop, before the code that opened it goes on.
    if (cicliModali_ > 0)
        daEliminare_.append(w);
    else
        w->deleteLater();
}

CicloModale::CicloModale() { ++Finestre::istanza().cicliModali_; }

CicloModale::~CicloModale()
{
    Finestre& registro = Finestre::istanza();
    if (--registro.cicliModali_ > 0) return;
    // Posted from the code that opened the outermost loop: carried out once that code has returned.
    for (const QPointer<QWidget>& w : std::exchange(registro.daEliminare_, {}))
        if (w) w->deleteLater();
}

void Finestre::tieniInVista(QWidget* sotto)
{
    const QRect vista = area_->viewport()->rect();
    auto* cornice = qobject_cast<QMdiSubWindow*>(sotto);
    if (!cornice || sotto->isMinimized()) return;
    if (area_->isVisible() && !vista.isEmpty()) {
        Adatta(cornice, vista.size());
        // Maximized or restored, a frame takes at least the size its window needs (its minimum): where that is more
        // than the area (controls that share the width), the area.
        const QSize serve =
            cornice->widget() ? cornice->widget()->minimumSizeHint().grownBy(sotto->contentsMargins()) : QSize();
        sotto->setMinimumSize(serve.boundedTo(vista.size()) == serve ? QSize(0, 0) : serve.boundedTo(vista.size()));
        if (sotto->isMaximized()) return;
        // No larger than the area, whatever it holds (names of any length from a file): a window that asks for more
        // gets the area and shows the rest by scrolling.
        QSize lato = sotto->size();
        if (lato.width() > vista.width()) {
            // Kept narrower than it is, it scrolls sideways: a window as tall as it asks for also takes the height of
            // the scroll bar, so that the bar covers none of what it shows.
            lato.setWidth(vista.width());
            const int chiesta = sotto->property(AltezzaChiesta).toInt();
            if (lato.height() >= chiesta)
                lato.setHeight(qMax(lato.height(),
                                    chiesta + sotto->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sotto)));
        }
        lato = lato.boundedTo(vista.size());
        if (lato != sotto->size()) sotto->resize(lato);
    }
    const QRect g = sotto->geometry();
    // Moved left and up as far as needed, never past the top left corner (a window larger than the area
    // shows its caption and its top left part).
    const int x = std::clamp(g.x(), 0, std::max(0, vista.width() - g.width()));
    const int y = std::clamp(g.y(), 0, std::max(0, vista.height() - g.height()));
    if (QPoint(x, y) != g.topLeft()) sotto->move(x, y);
}

void Finestre::tieniSulloSchermo(QWidget* w)
{
    const QScreen* schermo = w->screen();
    if (!schermo) return;
    const QRect lavoro = schermo->availableGeometry();
    // The frame the system puts around the window counts too.
    const QSize cornice = w->frameGeometry().size() - w->size();
    // A window laid out for more than the screen (a list wide enough for every name whole) keeps the controls that
    // scroll narrower or shorter, as a child frame does in the area.
    if (w->layout() && CediOltre(w, lavoro.size() - cornice)) w->layout()->activate();
    const QSize lato = w->size().boundedTo(lavoro.size() - cornice);
    if (lato != w->size()) w->resize(lato);
    const QRect g = w->frameGeometry();
    const int x = std::clamp(g.x(), lavoro.left(), std::max(lavoro.left(), lavoro.right() + 1 - g.width()));
    const int y = std::clamp(g.y(), lavoro.top(), std::max(lavoro.top(), lavoro.bottom() + 1 - g.height()));
    if (QPoint(x, y) != g.topLeft()) w->move(x, y);
}

void Finestre::attivaDavanti()
{
    const QList<QMdiSubWindow*> pila = area_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = pila.crbegin(); it != pila.crend(); ++it)
        if ((*it)->isVisible()) {
            area_->setActiveSubWindow(*it);
            return;
        }
}

bool Finestre::chiudiVisibili()
{
    bool tutte = true;
    const QStringList ids = finestre_.keys();
    for (const QString& id : ids)
        if (visibile(id) && !scaricaSubito(id)) tutte = false;
    return tutte;
}

bool Finestre::scaricaTutte()
{
    const QStringList ids = finestre_.keys();
    for (const QString& id : ids)
        if (!scaricaSubito(id)) return false;
    return true;
}

Finestra* Finestre::finestraAttiva() const
{
    if (area_) {
        QMdiSubWindow* sotto = area_->activeSubWindow();
        auto* w = sotto ? qobject_cast<Finestra*>(sotto->widget()) : nullptr;
        return w && finestre_.value(w->id()) == w ? w : nullptr;
    }
    Finestra* w = ultimaAttiva_;
    return w && visibile(w->id()) ? w : nullptr;
}

Finestra* Finestre::davanti() const
{
    if (auto* modale = qobject_cast<Finestra*>(QApplication::activeModalWidget())) return modale;
    return finestraAttiva();
}

void Finestre::apriGuida()
{
    Finestra* w = davanti();
    Guida::apri(w ? w->contestoGuida() : -1);
}

void Finestre::attivazione(Finestra* w)
{
    if (!w || ultimaAttiva_ == w) return;
    ultimaAttiva_ = w;
    if (w == richiesta_)
        w->attiva();
    else
        w->attivaDallUtente();
}

void Finestre::sottoFinestraAttivata(QMdiSubWindow* sotto)
{
    // Null when the area loses its active child (e.g. the last one closes): nothing to run.
    if (!sotto) return;
    auto* w = qobject_cast<Finestra*>(sotto->widget());
    if (!w || finestre_.value(w->id()) != w) return;
    attivazione(w);
}

void Finestre::azzera()
{
    QList<QPointer<Finestra>> caricate = finestre_.values();
    finestre_.clear();
    ultimaAttiva_ = nullptr;
    inScarico_.clear();
    for (const QPointer<Finestra>& w : caricate)
        if (w) delete w->contenitore();
    for (const QPointer<QWidget>& w : std::exchange(daEliminare_, {})) delete w.data();
    const QStringList ids = fabbriche_.keys();
    fabbriche_.clear();
    for (const QString& id : ids) emit registrazioneCambiata(id);
}
