#pragma once

#include "core/database.h"
#include "platform/albero.h"
#include "platform/finestre.h"

#include <functional>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// What the tests of the player windows share.

// A player written straight into the file; returns his key.
inline int NuovoGiocatore(const QString& cognome, const QString& nome, int codSquadra, const QString& foto = {})
{
    Esegui("INSERT INTO Giocatore (Cognome, Nome, CodSquadra, Ruolo, Numero, Foto, Note, Reti) "
           "VALUES (?, ?, ?, 'Ala', 7, ?, 'nota', 3)",
           {cognome, nome, codSquadra, foto});
    return Valore("SELECT MAX(Codice) FROM Giocatore").toInt();
}

// A click of the mouse on the node of a tree that shows `testo`, as the user makes it.
inline void CliccaNodo(QTreeWidget* albero, const QString& testo)
{
    QTreeWidgetItem* n = albero->findItems(testo, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY2(n, qPrintable("nodo assente: " + testo));
    QTest::mouseClick(albero->viewport(), Qt::LeftButton, {}, albero->visualItemRect(n).center());
}

// Shows the window `id` modally and runs `azioni` on it once it is up; false when it had to be closed after
// two seconds because the actions left it open.
inline bool ConModale(const QString& id, const std::function<void(QWidget*)>& azioni)
{
    QTimer::singleShot(0, [id, azioni] {
        if (QWidget* w = Finestre::istanza().finestra(id)) azioni(w);
    });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [id] { Finestre::istanza().scarica(id); });
    scadenza.start(2000);
    Finestre::istanza().mostraModale(id);
    return scadenza.isActive();
}
