#pragma once

#include <QString>

// Text that the user typed (a team's name, for one) shown as the caption of a button, check box, radio
// button, tab or group box: there a "&" marks the access key and would vanish into an underline, so it
// is doubled to show as itself. Labels show their text as it is and need none of this.
QString TestoSenzaTastoRapido(const QString& testo);
