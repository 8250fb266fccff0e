#pragma once

class QAbstractItemView;

// A list or tree whose entries are texts from the data (names of any length, as stored): each entry shows on one line
// (TestoInRiga), cut with "…" where the column is too narrow; the tooltip of an entry shows its whole text, as it
// stands, while it is cut, and nothing while it shows whole. Installs its own item delegate.
void SuggerisciTestiTagliati(QAbstractItemView* vista);
