#pragma once

#include <initializer_list>
#include <QList>
#include <QStringList>

class QWidget;

// What a form's controls show, one value each (a list's or a box's text, a button's tick): the values taken when
// the form was loaded or saved tell whether the user has changed it since.
QStringList ValoriMostrati(const QList<const QWidget*>& controlli);
inline QStringList ValoriMostrati(std::initializer_list<const QWidget*> controlli)
{
    return ValoriMostrati(QList<const QWidget*>(controlli));
}
