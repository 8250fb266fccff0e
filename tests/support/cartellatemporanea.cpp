#include "cartellatemporanea.h"

#include "platform/cartellaprogramma.h"
#include "tools/bitmapprogramma.h"
#include "tools/generatore.h"
#include "tools/modellicalendario.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace {

// The folder set by the innermost CartellaTemporanea alive ("" : none, the executable's own).
QString& cartellaAttuale()
{
    static QString cartella;
    return cartella;
}

// The generator runs once per test program; each folder is then a copy of its output.
const QString& cartellaCampione()
{
    static QTemporaryDir campione;
    static const bool pronta = [] {
        if (!campione.isValid()) qFatal("CartellaTemporanea: impossibile creare una cartella temporanea");
        QString errore;
        if (!GeneraCartellaProgramma(campione.path(), &errore)) qFatal("CartellaTemporanea: %s", qPrintable(errore));
        return true;
    }();
    Q_UNUSED(pronta);
    static const QString percorso = campione.path();
    return percorso;
}

}  // namespace

CartellaTemporanea::CartellaTemporanea(Omissioni omissioni, const QList<int>& senzaModelli)
{
    if (!dir_.isValid()) qFatal("CartellaTemporanea: impossibile creare una cartella temporanea");
    QStringList esclusi;
    if (omissioni & SenzaGuida) esclusi << NomeFileGuida();
    if (omissioni & SenzaImpostazioni) esclusi << NomeFileImpostazioni();
    if (omissioni & SenzaBitmap) esclusi << NomiBitmapProgramma();
    for (int n : senzaModelli) esclusi << NomeModelloCalendario(n);

    const QDir campione(cartellaCampione());
    for (const QString& nome : campione.entryList(QDir::Files)) {
        if (esclusi.contains(nome)) continue;
        if (!QFile::copy(campione.filePath(nome), file(nome)))
            qFatal("CartellaTemporanea: impossibile copiare %s", qPrintable(nome));
        // Copies keep the source's permissions; the program writes the settings file.
        QFile::setPermissions(file(nome), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    precedente_ = cartellaAttuale();
    cartellaAttuale() = dir_.path();
    ImpostaCartellaProgramma(dir_.path());
}

CartellaTemporanea::~CartellaTemporanea()
{
    cartellaAttuale() = precedente_;
    ImpostaCartellaProgramma(precedente_);
}

QString CartellaTemporanea::percorso() const { return dir_.path(); }

QString CartellaTemporanea::file(const QString& nome) const { return QDir(dir_.path()).filePath(nome); }

bool CartellaTemporanea::rimuovi(const QString& nome) const { return QFile::remove(file(nome)); }
