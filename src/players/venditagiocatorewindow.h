#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

class ComboCodici;
class QLabel;

// Form15: sells the player handed over in CodGiocatoreCorrente to another team of the championship.
// The sale rewrites only the player's team, by his key; his appearances and goals follow him. The
// squad window, when it is loaded, lists its team again afterwards.
class VenditaGiocatoreWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::VenditaGiocatore;

    explicit VenditaGiocatoreWindow(QWidget* parent = nullptr);

    void carica() override;

    // The player being sold (his key) and the team chosen to buy him.
    int codiceGiocatore() const { return codice_; }
    QString squadraScelta() const;

private:
    void vendi();

    QLabel* giocatore_ = nullptr;
    ComboCodici* squadre_ = nullptr;
    int codice_ = 0;
};
