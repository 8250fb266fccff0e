#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <array>
#include <optional>
#include <QString>

class Grafico;
class Griglia;
class QLabel;
class QAction;
class QStackedLayout;

// Form34: two players side by side, in the mode of the command that opened it (TipoConfrontoGiocatori):
// 1 their ratings and 3 their goals as figures in a grid, 2 their ratings and 4 their goals round by round
// in a chart. Each side is chosen through the player picker; the start button computes and shows.
class ConfrontoGiocatoriWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::ConfrontoGiocatori;

    explicit ConfrontoGiocatoriWindow(QWidget* parent = nullptr);

    void carica() override;

    Griglia* griglia() const { return grid1_; }
    Grafico* grafico() const { return chart1_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Lato {
        std::optional<int> codice;  // none until a player is chosen
        QString nome;               // the name text shown and used in captions
    };

    void scegli(int lato);
    void visualizza();
    void CaricaDati(const QString& titolo);
    void CaricaGrafico(bool reti);

    int tipo_ = 0;
    Lato lati_[2];
    QLabel* nomi_[2] = {nullptr, nullptr};  // Label1, Label2
    QAction* avvia_ = nullptr;              // the start button's command
    QLabel* label5_ = nullptr;
    QStackedLayout* posto_ = nullptr;  // Label5, Frame2 or Frame3
    QWidget* frame2_ = nullptr;
    QWidget* frame3_ = nullptr;
    Griglia* grid1_ = nullptr;
    Grafico* chart1_ = nullptr;
    bool posizionata_ = false;
};
