#include "platform/cartellaprogramma.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& cartellaImpostata()
{
    static QString cartella;
    return cartella;
}
}  // namespace

QString CartellaProgramma()
{
    if (!cartellaImpostata().isEmpty()) return cartellaImpostata();
    return QCoreApplication::applicationDirPath();
}

void ImpostaCartellaProgramma(const QString& cartella) { cartellaImpostata() = cartella; }

QString FileProgramma(const QString& nome) { return QDir(CartellaProgramma()).filePath(nome); }
