#include "platform/stileprogramma.h"
#include "shell/finestraprincipale.h"
#include "shell/tuttelefinestre.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Golvarno 2000"));
    StileProgramma::installa();

    // Every text the user sees is Italian, Qt's own dialogs and buttons included.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    // Every window of the program, by folder; a command whose window is not registered stays disabled.
    RegistraTutteLeFinestre();

    FinestraPrincipale finestra;
    finestra.show();
    return app.exec();
}
