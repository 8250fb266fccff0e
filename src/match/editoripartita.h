#pragma once

#include "core/codici.h"
#include "platform/valorimostrati.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Azione;
class ComboCodici;
class QFrame;
class QHBoxLayout;
class QLabel;
class QObject;
class QAction;
class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QWidget;

// What the substitution editor and the goal editor share: the match and leg they were opened on, the
// strip with the match and the team picker, the picture buttons, the minute with its half, and the
// player pickers.

// The match and leg an editor works on, read once when it loads: every row it saves goes to them,
// wherever its caller has moved since. Team 1 is the home team of the leg.
struct PartitaEditore {
    bool trovata = false;
    int codPart = 0;
    int giornata = 0;
    bool andata = true;
    QString squadra1, squadra2;

    // The name of team 1 (lato 0) or team 2.
    const QString& squadra(int lato) const { return lato == 0 ? squadra1 : squadra2; }
};

// The hand-over match (CodPartitaCorrente, GiornataCorrente, Andata) as it stands now.
PartitaEditore LeggiPartitaEditore();

// A player of a picker: his GIOCATORE.CODICE and the text shown.
struct VoceGiocatore {
    int codice = 0;
    QString testo;
};

// The squad of a team (by its name in `Squadre`), by surname then first name, named in style
// `formatoNome` with `giuntura`. With `senzaTitolariDi` (a match and leg), its starters there are left out.
struct MatchGirone {
    int codPart = 0;
    bool andata = true;
};
QVector<VoceGiocatore> RosaSquadra(const QString& squadra, int formatoNome, GiunturaIniziale giuntura,
                                   std::optional<MatchGirone> senzaTitolariDi = std::nullopt);

// The minute typed in a box, as the code stored for its half: the whole number typed, 0 when the box is
// empty, plus 100 in the second half. Nothing for anything but a whole number of 0..99 ("45+2", "45,5",
// "100"), which the code could not hold apart from the other half.
std::optional<int> CodiceMinutoDaTesto(const QString& testo, bool secondoTempo);

// What a save writes to VOTO from a rating box that showed `prima` when its record was loaded or saved last
// and shows `ora`: the rating typed; Null when the box that showed one was emptied; nothing (VOTO left as
// stored) for a box that stays empty, or a text that is no rating.
std::optional<QVariant> VotoDaSalvare(const QString& prima, const QString& ora);

// The strip at the top: "Partita:", the match, "Squadra" and the team picker.
struct StrisciaPartita {
    QWidget* barra = nullptr;
    QLineEdit* partita = nullptr;
    ComboCodici* squadra = nullptr;
};
// `nomePartita` and `nomeSquadra` are the objectNames of the match box and of the team picker.
StrisciaPartita CreaStrisciaPartita(const QString& nomePartita, const QString& nomeSquadra, QWidget* parent);

// A tool strip: a framed row whose QHBoxLayout is its layout().
QFrame* CreaStriscia(const QString& nome, QWidget* parent);

// A command of an editor's record strip: caption, icon, tooltip and what it runs.
Azione* AzioneEditore(const QString& testo, const QString& icona, const QString& suggerimento, QObject* parent,
                      std::function<void()> fare);

// A label of a record's field, with its buddy.
QLabel* EtichettaCampo(const QString& nome, const QString& testo, QWidget* buddy, QWidget* parent,
                       bool grassetto = false);

// A player picker: the list, or a name typed in; wide enough for a first name and a long surname.
ComboCodici* SceltaGiocatore(const QString& nome, const QString& descrizione, QWidget* parent);

// A grey read-only box used as a caption or a heading.
QLineEdit* CasellaDidascalia(const QString& nome, const QString& testo, QWidget* parent);

// A picture button of a tool strip that runs `azione` and follows it (icon, tooltip, enabled state).
QToolButton* PulsanteFigura(QAction* azione, const QString& nome, QWidget* parent);

// The minute of a record: the box and the two halves. No half may be chosen (a record without minute).
class CampoMinuto {
public:
    CampoMinuto(const QString& nomeTesto, const QString& nomePrimo, const QString& nomeSecondo, QWidget* parent);

    QLineEdit* testo() const { return testo_; }
    // The box and the two halves in a row.
    QHBoxLayout* riga() const;
    QRadioButton* primo() const { return primo_; }
    QRadioButton* secondo() const { return secondo_; }

    // Empty box; the first half or none.
    void azzera(bool primoTempo);
    // A stored code: the minute within its half and its half. Null shows nothing (`primoSeNullo`
    // chooses whether the first half stays chosen then).
    void mostra(const QVariant& codice, bool primoSeNullo);
    // The code to store, as CodiceMinutoDaTesto; the second half only when it is chosen.
    std::optional<int> codice() const;

private:
    QLineEdit* testo_;
    QRadioButton* primo_;
    QRadioButton* secondo_;
    QButtonGroup* gruppo_;
};

// Fills a player picker (its typed text is cleared).
void RiempiGiocatori(ComboCodici* combo, const QVector<VoceGiocatore>& voci);
// The player picked: the entry whose text is the one shown (blanks around it aside), the chosen entry
// first, then the first in the list; names compare ignoring case, as the file compares them, when no
// entry has exactly that text. -1 (a name typed outside the list) when none.
int GiocatoreScelto(const ComboCodici* combo);
// The player named in a picker as a save stores him: the entry GiocatoreScelto finds, under the entry's own
// text; else -1 and the name typed, blanks around it aside (empty for blanks only).
VoceGiocatore GiocatoreNominato(const ComboCodici* combo);
// Shows a player: his entry when the picker has one, else `altrimenti` as typed text. False when
// no entry has his code.
bool MostraGiocatore(ComboCodici* combo, int codice, const QString& altrimenti);
// Shows a player as stored with a record: as MostraGiocatore, but a player no longer in the list (sold
// to another club, or deleted) gets an entry of his own under the stored `nome`, at the end, so that
// GiocatoreScelto keeps his code while it is shown. A name typed in (-1) or stored without a name shows
// as text.
void MostraGiocatoreSalvato(ComboCodici* combo, int codice, const QString& nome);
// No entry chosen and no text.
void SvuotaScelta(ComboCodici* combo);

// What a player picker showed for a stored record: the stored player's code and the text.
struct GiocatoreMostrato {
    int codice = GIOCATORE_NON_IN_ROSA;
    QString testo;
};
// What the picker shows now, for the stored player `codice`.
GiocatoreMostrato Mostrato(const ComboCodici* combo, int codice);
// Whether the picker still shows it: the same text, with no other player's entry chosen. The stored
// player then stays as stored, also one who is in no entry (moved to another club, or deleted).
bool Invariato(const ComboCodici* combo, const GiocatoreMostrato& m);
