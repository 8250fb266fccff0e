#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "players/rosaqueries.h"

#include <QHash>
#include <QVector>

class Azione;
class ComboCodici;
class Griglia;

// Form1: the squad of one team, one row per player with shirt number, names, role, nationality,
// appearances and goals over the whole championship, birth, height and weight. The team and the
// order of the list are chosen in two lists; two tool strips open the team's other windows, add,
// buy and sell players, open the selected player's card and delete him. It refills from the file
// each time it becomes the active window, so what other windows changed shows at once.
class RosaWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Rosa;

    explicit RosaWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

    // Lists the chosen team's players again from the file, in the chosen order.
    void riempi();

    // The team on show (the text of the team list).
    QString squadra() const;
    // The players of the grid's rows 1, 2, ... as last filled.
    const QVector<GiocatoreRosa>& giocatori() const { return giocatori_; }

private:
    // The panel buttons, by their index on the strips.
    enum Comando {
        InfoSocieta = 0,
        Nuovo = 1,
        Acquisto = 2,
        Scheda = 3,
        Elimina = 4,
        Vendita = 5,
        Marcatori = 6,
        TabellaMarcia = 7,
        Statistiche = 8,
        GraficoAndamento = 9,
        Ricerca = 10,
        Guida = 12,
    };

    Azione* comando(Comando c, const QString& icona, const QString& testo, const QString& suggerimento,
                    const QString& finestra = QString());
    // The player of the current row; null on the header or on the empty row of an empty squad.
    const GiocatoreRosa* selezionato() const;
    void apriConSquadra(const QString& id);
    void apriScheda();
    void apriVendita();
    void eliminaDallaRosa();
    void aggiornaComandi();
    void adattaColonne();

    ComboCodici* squadre_ = nullptr;
    ComboCodici* ordini_ = nullptr;
    Griglia* griglia_ = nullptr;
    QHash<int, Azione*> comandi_;
    QVector<GiocatoreRosa> giocatori_;
    bool appenaCaricata_ = false;  // the load has just filled the grid: the first activation need not
};
