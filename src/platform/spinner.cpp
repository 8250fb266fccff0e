#include "platform/spinner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Sign, digits and (for decimals) one comma or point at the start of a text; blanks before and
// between the digits are skipped.
QString numeroIniziale(const QString& testo, bool decimale)
{
    static const QRegularExpression intero(QStringLiteral("^[ \\t]*([+-]?[ 0-9]*)"));
    static const QRegularExpression conVirgola(QStringLiteral("^[ \\t]*([+-]?[ 0-9]*(?:[.,][ 0-9]*)?)"));
    QString numero = (decimale ? conVirgola : intero).match(testo).captured(1);
    numero.remove(QLatin1Char(' '));
    numero.replace(QLatin1Char(','), QLatin1Char('.'));
    return numero;
}

QToolButton* freccia(Qt::ArrowType tipo, QWidget* padre)
{
    auto* b = new QToolButton(padre);
    b->setArrowType(tipo);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setMinimumHeight(6);
    return b;
}

}  // namespace

Spinner::Spinner(QLineEdit* compagno, QWidget* parent) : QWidget(parent), compagno_(compagno)
{
    su_ = freccia(Qt::UpArrow, this);
    giu_ = freccia(Qt::DownArrow, this);
    su_->setObjectName(QStringLiteral("Su"));
    giu_->setObjectName(QStringLiteral("Giu"));
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(su_);
    colonna->addWidget(giu_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const int altezza = compagno ? compagno->sizeHint().height() : 22;
    setFixedSize(qMax(14, altezza * 2 / 3), altezza);
    su_->setFixedWidth(width());
    giu_->setFixedWidth(width());
    connect(su_, &QToolButton::clicked, this, &Spinner::su);
    connect(giu_, &QToolButton::clicked, this, &Spinner::giu);
}

void Spinner::passa(int verso)
{
    if (compagno_) {
        const QString testo = compagno_->text();
        const std::optional<QString> nuovo =
            passo_ ? passo_(testo, verso) : passoIntero(testo, verso, minimo_, massimo_, riportaAlMinimo_);
        if (nuovo && *nuovo != testo) compagno_->setText(*nuovo);
    }
    emit cliccato(verso);
}

std::optional<QString> Spinner::passoIntero(const QString& testo, int verso, std::optional<int> minimo,
                                            std::optional<int> massimo, bool riportaAlMinimo)
{
    const long long n = leggiIntero(testo);
    if (verso > 0) {
        if (massimo && n >= *massimo) return std::nullopt;
        if (n >= std::numeric_limits<int>::max()) return std::nullopt;
        return QString::number(n + 1);
    }
    if (minimo && n <= *minimo)
        return riportaAlMinimo ? std::optional<QString>(QString::number(*minimo)) : std::nullopt;
    if (n <= std::numeric_limits<int>::min()) return std::nullopt;
    return QString::number(n - 1);
}

std::optional<QString> Spinner::passoVoto(const QString& testo, int verso, bool senzaVoto)
{
    if (testo.isEmpty() || senzaVoto) return QString::number(verso > 0 ? 6 : 5);
    const double v = leggiDecimale(testo);
    if (verso > 0 ? v >= 10.0 : v <= 3.0) return std::nullopt;
    return scriviDecimale(v + 0.5 * verso);
}

int Spinner::leggiIntero(const QString& testo)
{
    bool ok = false;
    const long long n = numeroIniziale(testo, false).toLongLong(&ok);
    if (!ok) return 0;
    return int(std::clamp<long long>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

double Spinner::leggiDecimale(const QString& testo)
{
    QString numero = numeroIniziale(testo, true);
    if (numero.endsWith(QLatin1Char('.'))) numero.chop(1);
    bool ok = false;
    const double d = numero.toDouble(&ok);
    return ok ? d : 0.0;
}

QString Spinner::scriviDecimale(double valore)
{
    // Rounded to the hundredth so that repeated half steps never show binary noise.
    const double arrotondato = std::round(valore * 100.0) / 100.0;
    QString s = QString::number(arrotondato, 'f', 2);
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

void CursoreNellaCasella(QWidget* casella)
{
    if (!casella) return;
    casella->setFocus(Qt::OtherFocusReason);
    auto* testo = qobject_cast<QLineEdit*>(casella);
    if (auto* lista = qobject_cast<QComboBox*>(casella)) testo = lista->lineEdit();
    if (testo) testo->selectAll();
}
