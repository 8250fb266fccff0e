#pragma once

class QAbstractItemView;

// A list or tree whose entries may be cut with "…" (names of any length from a file): the tooltip of an entry
// shows its whole text while it is cut, and nothing while it shows whole. Installs its own item delegate.
void SuggerisciTestiTagliati(QAbstractItemView* vista);
