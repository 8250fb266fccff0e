#pragma once

#include <functional>
#include <QList>
#include <QString>
#include <QVector>

class Pannello;
class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// What the windows that build the calendar share: their captions, help topics, the texts of the moves
// between match days, and small builders of their controls (each control named by its objectName).
class CostruzioneCalendario {
public:
    static const QString TitoloAutomatico;     // Form37
    static const QString TitoloControllo;      // Form39
    static const QString TitoloDate;           // Form38
    static const QString TitoloRegistrazione;  // Form10
    static constexpr int GuidaAutomatico = 10;
    static constexpr int GuidaRegistrazione = 11;

    // The refusals of the moves past the first and the last match day.
    static const QString PrimaGiornata;
    static const QString UltimaGiornata;

    // The number in `numeri` (ascending) just before (`verso` < 0) or just after `numero`; 0 when none.
    static int giornataVicina(const QVector<int>& numeri, int numero, int verso);

    // "SQ1 - SQ2".
    static QString incontro(const QString& sq1, const QString& sq2);

    static QPushButton* pulsante(const QString& nome, const QString& testo, const QString& suggerimento,
                                 QWidget* parent);
    // A panel button of a tool strip: picture above its caption, lit under the mouse with highlight `id`.
    static Pannello* pannello(int id, const QString& icona, const QString& testo, const QString& suggerimento,
                              QWidget* parent);
    // One panel button of a window's tool strip; `gruppo` true leaves a gap after it. With `comando`
    // set, the panel is built from that command (its picture, caption, tooltip and enabled state).
    struct VocePannello {
        QString icona, testo, suggerimento;
        std::function<void()> azione;
        bool gruppo = false;
        QAction* comando = nullptr;
    };
    // The tool strip: a panel per entry, highlight ids `base` + index, each running its entry's action.
    static QHBoxLayout* strisciaPannelli(int base, const QList<VocePannello>& voci, QWidget* parent,
                                         QVector<Pannello*>* pannelli = nullptr);

    // The large bold heading that names the match day on show.
    static QLabel* intestazione(const QString& nome, QWidget* parent);
};
