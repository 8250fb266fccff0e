#include "platform/etichettanome.h"

#include "platform/testoinriga.h"

#include <QEvent>

EtichettaTagliata::EtichettaTagliata(int larghezza, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setMinimumWidth(larghezza);
}

void EtichettaTagliata::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    ritaglia();
}

void EtichettaTagliata::changeEvent(QEvent* e)
{
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        ritaglia();
        updateGeometry();
    }
}

void EtichettaNome::impostaNome(const QString& nome)
{
    nome_ = nome;
    ritaglia();
}

QSize EtichettaNome::sizeHint() const { return {minimumWidth(), QLabel::sizeHint().height()}; }

void EtichettaNome::taglia(int larghezza)
{
    bool tagliato = false;
    setText(NomeInRiga(fontMetrics(), nome_, &tagliato, larghezza));
    setToolTip(tagliato ? SuggerimentoTesto(nome_) : QString());
}

void EtichettaIncontro::impostaIncontro(const QString& casa, const QString& ospite)
{
    casa_ = casa;
    ospite_ = ospite;
    vuota_ = false;
    ritaglia();
    updateGeometry();
}

void EtichettaIncontro::svuota()
{
    casa_.clear();
    ospite_.clear();
    vuota_ = true;
    clear();
    setToolTip(QString());
    updateGeometry();
}

QSize EtichettaIncontro::sizeHint() const
{
    const QSize minimo = minimumSizeHint();
    if (vuota_) return minimo;
    const QMargins m = contentsMargins();
    // A px to spare: the names are measured one by one, the line as a whole.
    const int testo = fontMetrics().horizontalAdvance(IncontroInRiga(fontMetrics(), casa_, ospite_)) + 2;
    return {qMax(minimo.width(), testo + m.left() + m.right() + 2 * margin()), minimo.height()};
}

QSize EtichettaIncontro::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return {minimumWidth(), fontMetrics().height() + m.top() + m.bottom() + 2 * margin()};
}

void EtichettaIncontro::taglia(int larghezza)
{
    if (!vuota_) MostraIncontro(this, casa_, ospite_, larghezza);
}
