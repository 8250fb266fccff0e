#pragma once

#include "platform/finestre.h"

class Griglia;
class QListWidget;
class QStackedLayout;
struct Classifica;

// Form47: one computed ranking of the open championship, chosen by TipoClassifica before the window
// loads (1..9, see ClassificheCalcolate). A team ranking shows in the list, a player ranking in the grid,
// in the same place. The ranking is computed once, at loading: its commands unload the window first,
// so that each one computes afresh.
class ClassificheCalcolateWindow : public Finestra {
    Q_OBJECT
public:
    explicit ClassificheCalcolateWindow(QWidget* parent = nullptr);

    void carica() override;

private:
    void riempiElenco(const Classifica& c);
    void riempiGriglia(const Classifica& c);

    QStackedLayout* posto_ = nullptr;
    QListWidget* list2_ = nullptr;
    Griglia* grid1_ = nullptr;
};
