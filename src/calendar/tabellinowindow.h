#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QStringList>
#include <QVector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class Azione;

// Form11: the match report editor. It lists the matches of the match day GiornataCorrente in the leg
// Andata and edits the report of the leg of one of them (CodPartitaCorrente): referee, linesmen,
// weather, pitch, spectators and six figures per team, the home team of the leg first. Choosing
// another match sets CodPartitaCorrente, so the match sheet follows it. Shown by a command it follows
// the match handed over; brought forward by the user it keeps its match and hands that over. Unsaved
// changes are never dropped silently: switching match, following another match, or closing asks first.
class TabellinoWindow : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::Tabellino;

    explicit TabellinoWindow(QWidget* parent = nullptr);

    void carica() override;
    void attiva() override;
    void attivaDallUtente() override;
    bool scarica() override;

    // True when a box differs from what was read or last saved.
    bool modificato() const;

private:
    void caricaElencoPartite();
    // The match on show, handed over to the other windows (the match sheet reloads its lists).
    void consegnaPartita() const;
    void caricaTabellino(int codPart);
    void svuotaTabellino();
    bool salvaTabellino();
    // With unsaved changes: asks whether to save them. False when the user cancels (or the save fails).
    bool confermaAbbandono();
    void partitaScelta(int riga);
    void selezionaRiga(int riga);
    void aggiornaTitolo();

    QGroupBox* riquadroPartite_ = nullptr;  // the match day's list, captioned with day and leg
    QListWidget* partite_ = nullptr;
    QVector<QLineEdit*> caselle_;  // in the order of TabellinoQueries::campi()
    QLabel* testaCasa_ = nullptr;
    QLabel* testaOspite_ = nullptr;
    Azione* salva_ = nullptr;

    // What is shown: the championship file, match day, leg and match (0: none), with the list's keys
    // and the texts as read.
    QString file_;
    int giornata_ = 0;
    bool andata_ = true;
    int codPart_ = 0;
    QString casa_;
    QString ospite_;
    QVector<int> codici_;
    QStringList originali_;
    bool riempimento_ = false;  // the list is being filled or reselected from code
};
