#include "calendar/finestreconsultazione.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "calendar/finestrerisultati.h"
#include "charts/finestregrafici.h"
#include "match/finestrepartita.h"
#include "players/finestregiocatori.h"
#include "rankings/finestreconfronti.h"
#include "shell/finestraprincipale.h"
#include "shell/finestrecampionato.h"
#include "shell/schedacampionatowindow.h"
#include "standings/finestreclassifica.h"
#include "standings/finestresquadra.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Golvarno 2000"));

    // Every text the user sees is Italian, Qt's own dialogs and buttons included.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    // Every window of the program, by folder; a command whose window is not registered stays disabled.
    RegistraFinestreCampionato();
    RegistraSchedaCampionato();
    RegistraFinestreCostruzioneCalendario();
    RegistraFinestreConsultazione();
    RegistraFinestreRisultati();
    RegistraFinestreClassifica();
    RegistraFinestreSquadra();
    RegistraFinestreGiocatori();
    RegistraFinestrePartita();
    RegistraFinestreConfronti();
    RegistraFinestreGrafici();

    FinestraPrincipale finestra;
    finestra.show();
    return app.exec();
}
