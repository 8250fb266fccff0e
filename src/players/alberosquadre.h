#pragma once

#include <optional>
#include <QString>

class Albero;
class QTreeWidgetItem;

// The team tree of the player windows: the root "Tutte le squadre" (key "M"), then one node per team
// of Squadre in its order (key "S" and the team's place, the team's name on one line as text, its code as tag).
// The root is open and selected.
void CaricaAlberoSquadre(Albero* albero);

// Once the tree is built: wide enough for every team's name and tall enough for every node, so that the
// tree of the largest championship shows whole, without scrolling.
void AdattaAlberoSquadre(Albero* albero);

// The team code that a node stands for; nothing for the root (every team).
std::optional<int> SquadraDelNodo(const QTreeWidgetItem* nodo);
// The name of that team as stored (the node shows it on one line); empty for the root.
QString NomeSquadraDelNodo(const QTreeWidgetItem* nodo);
