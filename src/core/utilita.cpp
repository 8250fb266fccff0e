#include "core/utilita.h"

#include "platform/cursore.h"

#include <cmath>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPixmap>

QString NullInVuoto(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return QLocale(QLocale::Italian, QLocale::Italy).toString(v.toDouble(), 'g', 15);
    case QMetaType::QString: return v.toString();
    default: return v.toString();
    }
}

QString VuotoInSpazio(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

QString FormattaTreCifre(int n)
{
    if (n < 0) n = 0;
    return QString::number(n).rightJustified(3, '0');
}

double Media(qint64 a, qint64 b)
{
    if (a <= 0 || b <= 0) return 0.0;
    // Figures a float holds exactly are divided in single precision, as averages always have been (its rounding shows
    // in the fourth decimal). A season figure past 2^24 (points of 2147483647 for a win) is divided in double
    // precision, which holds it exactly: in single precision 38 wins of 2147483647 points average 2147483648.
    constexpr qint64 esattiInFloat = qint64(1) << 24;
    const double q = a <= esattiInFloat && b <= esattiInFloat ? double(float(a) / float(b)) : double(a) / double(b);
    return std::nearbyint(q * 10000.0) / 10000.0;  // default rounding mode: ties to even
}

bool Pari(const QString& v)
{
    if (v.isEmpty()) return false;
    const QChar c = v.back();
    return c == '0' || c == '2' || c == '4' || c == '6' || c == '8';
}

bool Pari(long long v) { return Pari(QString::number(v)); }

bool EsisteFile(const QString& percorso)
{
    if (percorso.isEmpty()) return false;
    // Only a regular file, links followed, is opened: opening a pipe waits for a writer that may never come,
    // and a device or a socket is no file to read.
    if (!QFileInfo(percorso).isFile()) return false;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return false;
    f.close();
    return true;
}

QPixmap CaricaBitmap(const QString& percorso)
{
    QPixmap immagine;
    if (EsisteFile(percorso)) immagine.load(percorso);
    return immagine;
}

namespace {
// Leading sign and digits, blanks skipped; `decimale` also takes one comma or point.
QString prefissoNumerico(const QString& testo, bool decimale)
{
    QString s;
    int i = 0;
    while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t')) ++i;
    if (i < testo.size() && (testo[i] == '-' || testo[i] == '+')) s += testo[i++];
    bool separatore = false;
    for (; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c.isDigit() && c.unicode() < 128) {
            s += c;
        } else if (decimale && !separatore && (c == ',' || c == '.')) {
            separatore = true;
            s += '.';
        } else if (c == ' ') {
            continue;
        } else {
            break;
        }
    }
    return s;
}
}  // namespace

int Val(const QString& testo)
{
    const QString s = prefissoNumerico(testo, false);
    bool ok = false;
    const long long n = s.toLongLong(&ok);
    if (!ok) return 0;
    if (n > INT32_MAX) return INT32_MAX;
    if (n < INT32_MIN) return INT32_MIN;
    return int(n);
}

double ValDecimale(const QString& testo)
{
    QString s = prefissoNumerico(testo, true);
    if (s.endsWith('.')) s.chop(1);
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok ? d : 0.0;
}

void CursoreAttesa() { Cursore::attesa(); }
void CursoreNormale() { Cursore::normale(); }
