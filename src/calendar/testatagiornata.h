#pragma once

#include "calendar/navigazionegiornate.h"

#include <functional>
#include <QString>
#include <QVector>
#include <QWidget>

class QAction;
class QLabel;

// The top of the windows that show one match day: a strip of panel buttons built from the window's
// commands ("Button0", "Button1", ... with the highlight ids base + index), a rule, and the heading with
// the day and leg ("Titolo") and the resting team ("Riposa").
class TestataGiornata : public QWidget {
    Q_OBJECT
public:
    TestataGiornata(const QVector<QAction*>& comandi, int baseEvidenzia, QWidget* parent);

    // The heading of match day `g` and its resting team ("" : none).
    void mostra(GiornataGirone g, const QString& riposa);

    // "Riposa: " and the resting team in `etichetta`, as plain text, a name longer than a window is laid out for
    // cut with "…" and whole in the tooltip; no text when `riposa` is empty.
    static void mostraRiposa(QLabel* etichetta, const QString& riposa);

    // The last three commands of both strips: partial table up to this day (it needs the league
    // table), close, help.
    static QVector<QAction*> comandiFinali(QWidget* finestra, std::function<void()> classificaParziale,
                                           std::function<void()> chiudi, int contestoGuida);

    // Grows the MDI frame around `finestra` until it shows the window's contents whole.
    static void adattaCornice(QWidget* finestra);

private:
    QLabel* titolo_ = nullptr;
    QLabel* riposa_ = nullptr;
};
