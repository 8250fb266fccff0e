#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QVector>

class Azione;
class ComboCodici;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Form16: the entry of new players. The first save adds the player's row and the window keeps its
// key: later saves rewrite that row, until "Nuovo" clears the form (keeping the team) for the next
// player. The team comes from SquadraCorrente when the window loads.
class NuovoGiocatoreWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::NuovoGiocatore;

    explicit NuovoGiocatoreWindow(QWidget* parent = nullptr);

    void carica() override;

    // The key of the row the next save rewrites; 0 while the player on screen is not saved.
    int codiceSalvato() const { return codice_; }
    QString foto() const { return foto_; }

private:
    void pulisciScheda();
    void scegliFoto();
    void salva();

    QVector<QLineEdit*> caselle_;  // Text1 ... Text8
    QPlainTextEdit* note_ = nullptr;
    ComboCodici* ruolo_ = nullptr;
    ComboCodici* squadra_ = nullptr;
    QLabel* immagine_ = nullptr;
    Azione* nuovo_ = nullptr;
    int codice_ = 0;
    QString foto_;
};
