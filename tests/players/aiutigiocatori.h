#pragma once

#include "core/database.h"
#include "platform/albero.h"
#include "platform/finestre.h"
#include "players/sceltaimmaginedialog.h"

#include <functional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
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

// A file that is no picture, whatever its name says.
inline void Rotta(const QString& percorso)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("BM questo non è un'immagine");
}

// A click of the mouse on the node of a tree that shows `testo`, as the user makes it.
inline void CliccaNodo(QTreeWidget* albero, const QString& testo)
{
    QTreeWidgetItem* n = albero->findItems(testo, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY2(n, qPrintable("nodo assente: " + testo));
    QTest::mouseClick(albero->viewport(), Qt::LeftButton, {}, albero->visualItemRect(n).center());
}

// Runs `azioni` on the image picker while it is shown modally by `avvia` (a photo command); the picker
// is closed after two seconds if the actions left it open.
inline void ConSceltaImmagine(const std::function<void(SceltaImmagineDialog*)>& azioni,
                              const std::function<void()>& avvia)
{
    QTimer::singleShot(0, [azioni] {
        if (auto* w = qobject_cast<SceltaImmagineDialog*>(Finestre::istanza().finestra(SceltaImmagineDialog::Id)))
            azioni(w);
    });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [] { Finestre::istanza().scarica(SceltaImmagineDialog::Id); });
    scadenza.start(2000);
    avvia();
    QVERIFY2(scadenza.isActive(), "la scelta dell'immagine è rimasta aperta");
}

// In the picker: highlights `file` of `cartella` and presses the button `pulsante` ("Command1" Ok ...).
inline void ScegliFile(SceltaImmagineDialog* w, const QString& cartella, const QString& file,
                       const QString& pulsante = QStringLiteral("Command1"))
{
    w->apriCartella(cartella);
    auto* elenco = w->findChild<QListWidget*>(QStringLiteral("File1"));
    const QList<QListWidgetItem*> voci = elenco->findItems(file, Qt::MatchExactly);
    if (!voci.isEmpty()) elenco->setCurrentItem(voci.first());
    w->findChild<QPushButton*>(pulsante)->click();
}
