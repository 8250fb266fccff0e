#include "platform/evidenziatore.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {
const char* const PROPRIETA = "idEvidenzia";

QPointer<Evidenziatore>& filtro()
{
    static QPointer<Evidenziatore> f;
    return f;
}
}  // namespace

Evidenziatore::Evidenziatore(QObject* parent) : QObject(parent) {}

void Evidenziatore::installa(Richiamo richiamo)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return;
    if (!filtro()) {
        filtro() = new Evidenziatore(app);
        app->installEventFilter(filtro());
    }
    filtro()->richiamo_ = std::move(richiamo);
}

void Evidenziatore::disinstalla()
{
    if (!filtro()) return;
    QCoreApplication::instance()->removeEventFilter(filtro());
    delete filtro();
}

bool Evidenziatore::installato() { return filtro() && filtro()->richiamo_; }

void Evidenziatore::assegnaId(QWidget* w, int id)
{
    if (!w) return;
    w->setProperty(PROPRIETA, id >= 0 ? QVariant(id) : QVariant());
}

int Evidenziatore::idDi(const QWidget* w)
{
    const QVariant v = w->property(PROPRIETA);
    return v.isValid() ? v.toInt() : -1;
}

int Evidenziatore::idSotto(QWidget* ricevente, const QPoint& pos)
{
    // The event reaches the deepest widget first and then its ancestors (in their coordinates):
    // every delivery resolves to the same deepest widget, so they all report the same id.
    QWidget* bersaglio = ricevente->rect().contains(pos) ? ricevente->childAt(pos) : nullptr;
    if (!bersaglio) bersaglio = ricevente;
    for (QWidget* w = bersaglio; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const int id = idDi(w);
        if (id >= 0) return w->isEnabled() ? id : -1;
    }
    return -1;
}

bool Evidenziatore::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseMove && richiamo_ && o->isWidgetType()) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        richiamo_(idSotto(static_cast<QWidget*>(o), mouse->position().toPoint()));
    }
    return false;
}
