#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"
#include "standings/classificaqueries.h"

#include <QVector>

class ComboCodici;
class Griglia;

// The league table (Form6): the whole season or a span of match days, in one of sixteen orders.
// Every activation and every change of order rebuilds PUNTISQUADRE (whole season when
// ClassificaCompleta is set, else the span of the Parz... variables) and refills the grid; a rebuild
// that fails is reported and leaves the grid empty rather than showing a table it did not build.
// Its panels open the standings chart (Form24) and the championship statistics (Form4).
class ClassificaWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Classifica;

    explicit ClassificaWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;

    // The order chosen (1 to 16).
    int ordine() const;

    // Grid columns.
    enum Colonna {
        ColPosizione,
        ColSquadra,
        ColPunti,
        ColGiocate,
        ColVinte,
        ColPareggi,
        ColPerse,
        ColFatti,
        ColSubiti,
        ColDifferenza,
        ColMediaInglese,
        ColVinteCasa,
        ColPareggiCasa,
        ColPerseCasa,
        ColFattiCasa,
        ColSubitiCasa,
        ColVinteFuori,
        ColPareggiFuori,
        ColPerseFuori,
        ColFattiFuori,
        ColSubitiFuori,
        NumeroColonne
    };
    // The column of an order's own key.
    static int colonnaDellOrdine(int ordine);

private:
    // Rebuilds the table for the hand-over variables and shows it in the chosen order.
    void caricaClassifica();
    void intestazioni();
    void riempi(const QVector<RigaClassifica>& righe);
    void dimensiona();
    void apriGrafico();
    void apriStatistiche();

    ComboCodici* ordini_ = nullptr;
    Griglia* griglia_ = nullptr;
    bool caricamento_ = false;
};
