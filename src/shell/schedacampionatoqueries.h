#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One column of the championship card's list: header, width as a share of the list's width, alignment.
struct ColonnaScheda {
    QString intestazione;
    int parti = 1;  // width = parti / VistaScheda::totaleParti of the list's width
    bool centrata = false;
};

// One view of the championship card: what the heading, the action button and the list show.
struct VistaScheda {
    QString intestazione;  // the heading panel above the list
    QString pulsante;      // the action button's caption
    QString suggerimento;  // its tool tip
    QVector<ColonnaScheda> colonne;
    int totaleParti = 1;
    QVector<QStringList> righe;  // cells of each row, the row text first
};

// The queries of the championship card, each returning the rows of one view as plain text.
// Every query throws ErroreDatabase on failure; the window reports it.
class SchedaCampionatoQueries {
public:
    enum class Vista { Squadre, Classifica, UltimoTurno, ProssimoTurno, Marcatori };

    // The heading, button texts and columns of a view, with no rows.
    static VistaScheda vista(Vista v);

    // Teams in name order: name, coach.
    static QVector<QStringList> squadre();

    // Rebuilds the whole-season standings (replacing any partial table), then reads them
    // best first: name, points, games played.
    static QVector<QStringList> classifica();

    // The `quanti` players with the most goals, most first: total as three digits, name in the
    // style `formatoNome`, team. A goal whose player no longer exists gives a row with the total only.
    static QVector<QStringList> marcatori(int formatoNome, int quanti = 15);

    // The pairings of a match day in one leg, home side first: "Casa - Ospite", result or "n.d.".
    // First leg in calendar order; return leg ordered by the return leg's home team, then its guest.
    // `partite`, when given, receives the pairings' CODPART in the same order.
    static QVector<QStringList> turno(int giornata, bool andata, QVector<int>* partite = nullptr);
};
