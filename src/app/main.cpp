#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMdiArea>
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

    QMainWindow finestra;
    finestra.setObjectName(QStringLiteral("MDI1"));
    finestra.setWindowTitle(QStringLiteral("Golvarno 2000"));
    auto* area = new QMdiArea(&finestra);
    area->setBackground(QColor(0x80, 0x80, 0x80));
    finestra.setCentralWidget(area);
    finestra.resize(1024, 720);
    finestra.show();
    return app.exec();
}
