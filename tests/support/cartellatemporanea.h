#pragma once

#include <QFlags>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for the length of a test: filled with the same data files the
// build writes beside the program (settings, calendar templates, help file, bitmaps), made the
// program folder with ImpostaCartellaProgramma, and given back on destruction (the folder in
// use before is restored and the temporary one removed).
//
//     CartellaTemporanea cartella;                                   // every file
//     CartellaTemporanea cartella(CartellaTemporanea::SenzaGuida);   // no golvarno.hlp
//     CartellaTemporanea cartella({}, {16});                         // no S16.DTA
//
// A failure to write the folder ends the test program (qFatal): nothing can be tested without it.
class CartellaTemporanea {
public:
    enum Omissione {
        Nessuna = 0,
        SenzaGuida = 1,         // golvarno.hlp
        SenzaImpostazioni = 2,  // golvarno.def
        SenzaBitmap = 4,        // the five .Bmp files
    };
    Q_DECLARE_FLAGS(Omissioni, Omissione)

    // `senzaModelli`: the team counts whose calendar template S<n>.DTA is left out.
    explicit CartellaTemporanea(Omissioni omissioni = Nessuna, const QList<int>& senzaModelli = {});
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    QString percorso() const;
    // The path of `nome` inside the folder (whether or not it exists).
    QString file(const QString& nome) const;
    // Deletes `nome` from the folder, for a file that goes missing while the program runs.
    bool rimuovi(const QString& nome) const;

private:
    QTemporaryDir dir_;
    QString precedente_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CartellaTemporanea::Omissioni)
