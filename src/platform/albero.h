#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>

// A tree of nodes with a key and a tag each, for the windows that choose what they list from a tree.
//  - nodoCliccato() follows the user only: a click on a node (also on the one already selected) or a
//    move of the selection with the keyboard; selecting a node from code is silent.
//  - every node shows the closed folder picture, the selected one the open folder;
//  - the selected node stays marked while the focus is elsewhere in the window.
class Albero : public QTreeWidget {
    Q_OBJECT
public:
    explicit Albero(QWidget* parent = nullptr);

    // Adds a node under `padre` (null: at the top) and returns it.
    QTreeWidgetItem* aggiungi(QTreeWidgetItem* padre, const QString& chiave, const QString& testo,
                              const QString& etichetta = QString());
    static QString chiave(const QTreeWidgetItem* nodo);
    static QString etichetta(const QTreeWidgetItem* nodo);

    // The first node with this key, or null.
    QTreeWidgetItem* nodo(const QString& chiave) const;
    // Selects a node without raising nodoCliccato().
    void seleziona(QTreeWidgetItem* nodo);
    QTreeWidgetItem* selezionato() const { return currentItem(); }

    // Wide enough for every node's text (at its depth), each up to about 32 characters, beside a vertical scroll bar.
    int larghezzaNecessaria() const;

signals:
    void nodoCliccato(QTreeWidgetItem* nodo);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void aggiornaIcone();

    bool daProgramma_ = false;
    bool daTastiera_ = false;
    QTreeWidgetItem* premuto_ = nullptr;  // the node under the mouse when the button went down
};

// Makes a tree widget a list of rows under column headings: no tree lines, one row chosen at a time and
// marked across all its columns, a 16-pixel picture per row, headings that cannot be moved, the whole text of a
// cut entry in its tooltip.
void ImpostaElencoARighe(QTreeWidget* elenco, const QStringList& intestazioni);
