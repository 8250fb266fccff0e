#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// Builds a championship file of the previous version: the eight tables without
// CAMPIONATO.NUMERAZIONE, GIOCATORE.FOTO, PRESENZE.VOTO and PRESENZE.CHIHASOST, with the old codes
// (PRESENZE.GIRONE 1 first leg / 2 return leg, minutes counted over the whole match).
// The file stays open on a connection of its own until chiudi() or the destructor.
class VecchioFormato {
public:
    // Creates the file; it must not exist. Throws ErroreDatabase. `numeriSenzaTipo` declares the numeric
    // fields without a type, as files written by other programs may have them: a number given as text is
    // then stored as text. `codiciSemplici` declares the counters as plain whole numbers, which inserisci
    // fills with the next code when a row is given none.
    explicit VecchioFormato(const QString& percorso, bool numeriSenzaTipo = false, bool codiciSemplici = false);
    ~VecchioFormato();
    VecchioFormato(const VecchioFormato&) = delete;
    VecchioFormato& operator=(const VecchioFormato&) = delete;

    QSqlDatabase db() const;
    void chiudi();

    // Any row: field -> value (an invalid QVariant is Null). Returns its code (the rowid in a table without one).
    qint64 inserisci(const QString& tabella, QVariantMap valori);

    qint64 squadra(const QString& nome);
    qint64 partita(int giornata, const QString& sq1, const QString& sq2);  // its CODPART
    // A line-up row; returns its CODICE.
    qint64 presenza(const QVariant& girone, const QVariant& giornata, const QString& squadra, const QVariant& titolare,
                    int riga, const QVariant& sostituito = 0, const QVariant& codPartita = 0);
    qint64 rete(qint64 codPart, int girone, const QString& squadra, const QVariant& minuto);

    // A whole old season: `squadre` teams (even), a double round robin fully played, each leg with
    // 11 starters and 3 substitutions per side and a few goals (those of round 1 without their minute).
    // Returns the number of PRESENZE rows. `numeriComeTesto`: the numeric fields are declared without a type
    // and every number is written as text, an empty one as the empty text, as an import from text files does.
    static int creaStagione(const QString& percorso, int squadre = 20, bool numeriComeTesto = false,
                            bool codiciSemplici = false);

private:
    QString connessione_;
    bool numeriComeTesto_ = false;
    bool codiciSemplici_ = false;
};
