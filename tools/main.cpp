// Writes the program folder's data files: golvarno_gen <folder>
#include "tools/generatore.h"

#include <cstdio>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Drawing the bitmaps needs only QImage, so no GUI connection is opened at build time.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: golvarno_gen <cartella del programma>\n");
        return 2;
    }
    QString errore;
    if (!GeneraCartellaProgramma(QString::fromLocal8Bit(argv[1]), &errore)) {
        std::fprintf(stderr, "golvarno_gen: %s\n", qPrintable(errore));
        return 1;
    }
    return 0;
}
