#pragma once

#include <QString>

class QAbstractItemView;
class QListWidget;
class QListWidgetItem;

// A list or tree whose entries are texts from the data (names of any length, as stored): each entry shows on one line
// (TestoInRiga), cut with "…" where the column is too narrow; the tooltip of an entry shows its whole text, as it
// stands, while it is cut, and nothing while it shows whole. Installs its own item delegate.
void SuggerisciTestiTagliati(QAbstractItemView* vista);

// Adds a pairing "home - away" at the end of a list: each name cut with "…" on its own beyond a long name, so that
// both show, and the whole pairing in the entry's tooltip when a name is cut.
QListWidgetItem* AggiungiIncontro(QListWidget* elenco, const QString& casa, const QString& ospite);
