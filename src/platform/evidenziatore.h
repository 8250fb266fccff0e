#pragma once

#include <functional>
#include <QObject>
#include <QPoint>

class QWidget;

// The mouse-over highlight's eyes: one application event filter that turns every mouse movement
// over the program's windows into a call of the installed callback with the highlight id of the
// widget under the mouse: the id carried by that widget or by its nearest ancestor in the same
// window (a Pannello carries its own; other widgets are tagged with assegnaId), -1 elsewhere and
// over a disabled tagged widget. Repeated calls with the same id are the callback's business.
class Evidenziatore : public QObject {
    Q_OBJECT
public:
    using Richiamo = std::function<void(int id)>;

    // Installs the filter (once) and sets the callback; an empty callback stops the calls.
    static void installa(Richiamo richiamo);
    static void disinstalla();
    static bool installato();

    // Tags a widget with a highlight id (e.g. a caption label that lights the panel of the same
    // index); -1 removes the tag.
    static void assegnaId(QWidget* w, int id);
    // The id a widget carries itself, -1 when none.
    static int idDi(const QWidget* w);
    // The id that a mouse movement at `pos` (in `ricevente`'s coordinates) reports.
    static int idSotto(QWidget* ricevente, const QPoint& pos);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    explicit Evidenziatore(QObject* parent);
    Richiamo richiamo_;
};
