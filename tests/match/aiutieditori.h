#pragma once

#include "platform/combocodici.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <initializer_list>
#include <utility>

// What the tests of the match windows share: reading and typing into the window's controls by name.
class ControlliEditore {
protected:
    QWidget* finestra_ = nullptr;

    template <typename T = QWidget> T* parte(const QString& nome) const { return finestra_->findChild<T*>(nome); }
    ComboCodici* combo(const QString& nome) const { return parte<ComboCodici>(nome); }
    // The text shown by a picker, a box or a label (as laid out: a label may cut a name to its width).
    QString testo(const QString& nome) const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (auto* l = parte<QLabel>(nome)) return l->text();
        auto* c = combo(nome);
        return c ? c->currentText() : parte<QLineEdit>(nome)->text();
    }
    // Typed into a picker (no entry chosen) or a box.
    void scrivi(const QString& nome, const QString& t) const
    {
        if (auto* c = combo(nome)) {
            c->setCurrentIndex(-1);
            c->setEditText(t);
        } else {
            parte<QLineEdit>(nome)->setText(t);
        }
    }
    // Several controls at once, in order: {name, text}.
    void scrivi(std::initializer_list<std::pair<const char*, QString>> valori) const
    {
        for (const auto& [nome, t] : valori) scrivi(QString::fromLatin1(nome), t);
    }
    // Which of two exclusive boxes is ticked: 1, 2, or 0 for neither.
    int quale(const QString& primo, const QString& secondo) const
    {
        return spuntato(primo) ? 1 : spuntato(secondo) ? 2 : 0;
    }
    void scegli(const QString& nome, int codice) const
    {
        combo(nome)->setCurrentIndex(combo(nome)->trovaCodice(codice));
    }
    // Picks an entry as a user does: a click on its row in the list's pop-up.
    void scegliConMouse(const QString& nome, int riga) const
    {
        combo(nome)->showPopup();
        QAbstractItemView* lista = combo(nome)->view();
        QVERIFY(QTest::qWaitForWindowExposed(lista->window()));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(riga, 0)).center());
    }
    void spunta(const QString& nome, bool si = true) const { parte<QAbstractButton>(nome)->setChecked(si); }
    bool spuntato(const QString& nome) const { return parte<QAbstractButton>(nome)->isChecked(); }
    bool attivo(const QString& nome) const { return parte<QAbstractButton>(nome)->isEnabled(); }
    QStringList voci(const QString& nome) const
    {
        QStringList t;
        for (int i = 0; i < combo(nome)->count(); ++i) t << combo(nome)->itemText(i);
        return t;
    }
};
