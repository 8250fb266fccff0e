#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QStringList>
#include <QVector>

class Azione;
class ComboCodici;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Form16: the entry of new players. The first save adds the player's row and the window keeps its
// key: later saves rewrite that row, until "Nuovo" clears the form (keeping the team) for the next
// player. The team comes from SquadraCorrente when the window loads.
// What was typed and not saved is never dropped unseen: "Nuovo" and every way of closing the window ask
// whether to save it first.
class NuovoGiocatoreWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::NuovoGiocatore;

    explicit NuovoGiocatoreWindow(QWidget* parent = nullptr);

    void carica() override;
    bool scarica() override;

    // The key of the row the next save rewrites; 0 while the player on screen is not saved.
    int codiceSalvato() const { return codice_; }
    QString foto() const { return foto_; }

private:
    void pulisciScheda();
    void scegliFoto();
    bool salva();
    // The data as the form shows them; with the team once the player is saved (a team chosen for a player
    // not yet saved is no data typed).
    QStringList datiMostrati() const;
    // Before the form leaves what it shows (`dopo`: "chiudere la finestra", ...): true when it may, asking
    // to save what was typed (Yes saves, and a refused or failed save stays; No drops it; Cancel stays).
    bool lasciaScheda(const QString& dopo);

    QVector<QLineEdit*> caselle_;  // Text1 ... Text8
    QPlainTextEdit* note_ = nullptr;
    ComboCodici* ruolo_ = nullptr;
    ComboCodici* squadra_ = nullptr;
    QLabel* immagine_ = nullptr;
    Azione* nuovo_ = nullptr;
    int codice_ = 0;
    QString foto_;
    QStringList salvati_;  // datiMostrati() of the empty form, or as last saved
};
