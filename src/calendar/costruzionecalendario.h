#pragma once

#include "core/calendarioautomatico.h"

#include <functional>
#include <QList>
#include <QString>
#include <QVector>

class QAction;
class QHBoxLayout;
class QLabel;
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

    // The tool strip: a panel per command (picture above its caption), highlight ids `base` + index,
    // named "SSPanel1_" + the id's last digit; a null entry leaves a gap between two groups.
    static QHBoxLayout* strisciaPannelli(int base, const QList<QAction*>& comandi, QWidget* parent);

    // The automatic calendar as the user commands it: the open-championship check, the build (a new
    // calendar, or with `sostituisci` one in place of the calendar written) under the hourglass, then
    // the refusal, when there is one, told the user. True when the calendar was written.
    static bool creaCalendarioAutomatico(bool sostituisci, const SorgenteCasuale& casuale = EstrazioneCasuale);

    // The large bold heading that names the match day on show.
    static QLabel* intestazione(const QString& nome, QWidget* parent);
};
