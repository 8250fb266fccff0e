#pragma once

#include "calendar/navigazionegiornate.h"

#include <functional>
#include <QString>
#include <QVector>
#include <QWidget>

class QLabel;
class Pannello;

// The top of the windows that show one match day: a strip of panel buttons ("Button0", "Button1",
// ... with the highlight ids base + index), a rule, and the heading with the day and leg ("Titolo")
// and the resting team ("Riposa").
class TestataGiornata : public QWidget {
    Q_OBJECT
public:
    struct Voce {
        QString icona;
        QString testo;  // "\n" breaks the caption
        QString suggerimento;
        std::function<void()> azione;
    };

    TestataGiornata(const QVector<Voce>& voci, int baseEvidenzia, QWidget* parent);

    Pannello* pulsante(int indice) const { return pulsanti_.value(indice); }
    // The heading of match day `g` and its resting team ("" : none).
    void mostra(GiornataGirone g, const QString& riposa);

    // The last three buttons of both strips: partial table up to this day, close, help.
    static QVector<Voce> vociFinali(std::function<void()> classificaParziale, std::function<void()> chiudi,
                                    int contestoGuida);

    // Grows the MDI frame around `finestra` until it shows the window's contents whole.
    static void adattaCornice(QWidget* finestra);

private:
    QVector<Pannello*> pulsanti_;
    QLabel* titolo_ = nullptr;
    QLabel* riposa_ = nullptr;
};
