#include "platform/etichettanome.h"

#include "platform/testoinriga.h"

EtichettaNome::EtichettaNome(int larghezza, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setMinimumWidth(larghezza);
}

void EtichettaNome::impostaNome(const QString& nome)
{
    nome_ = nome;
    taglia();
}

QSize EtichettaNome::sizeHint() const { return {minimumWidth(), QLabel::sizeHint().height()}; }

void EtichettaNome::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    taglia();
}

void EtichettaNome::taglia()
{
    bool tagliato = false;
    setText(NomeInRiga(fontMetrics(), nome_, &tagliato, contentsRect().width()));
    setToolTip(tagliato ? SuggerimentoTesto(nome_) : QString());
}
