#include "platform/valorimostrati.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

QStringList ValoriMostrati(const QList<const QWidget*>& controlli)
{
    QStringList valori;
    for (const QWidget* c : controlli)
        if (const auto* lista = qobject_cast<const QComboBox*>(c))
            valori << lista->currentText();
        else if (const auto* casella = qobject_cast<const QLineEdit*>(c))
            valori << casella->text();
        else if (const auto* testo = qobject_cast<const QPlainTextEdit*>(c))
            valori << testo->toPlainText();
        else if (const auto* pulsante = qobject_cast<const QAbstractButton*>(c))
            valori << (pulsante->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    return valori;
}
