#include "platform/guida.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

namespace {
QString percorso;
int ultimo = -1;
QPointer<QTextBrowser> finestra;
}  // namespace

void Guida::imposta(const QString& percorsoFile) { percorso = percorsoFile; }
QString Guida::file() { return percorso; }
bool Guida::disponibile() { return !percorso.isEmpty() && QFile::exists(percorso); }
int Guida::ultimoContesto() { return ultimo; }

void Guida::apri(int contesto)
{
    if (!disponibile()) return;
    ultimo = contesto;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    // While a modal box or window is up, only its own children take input: the help window
    // then belongs to it, so that it can be read and scrolled.
    QWidget* modale = QApplication::activeModalWidget();
    if (finestra && finestra->parentWidget() != modale) delete finestra;
    if (!finestra) {
        finestra = new QTextBrowser(modale);
        finestra->setWindowFlag(Qt::Window);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        finestra->setObjectName("Guida");
        finestra->setWindowTitle(QStringLiteral("Guida di Golvarno 2000"));
        finestra->setOpenExternalLinks(false);
        // Its usual size, within the screen it opens on, and wholly on it.
        QRect schermo = QRect(0, 0, 640, 520);
        if (const QScreen* s = modale ? modale->screen() : QGuiApplication::primaryScreen())
            schermo = s->availableGeometry();
        finestra->resize(QSize(640, 520).boundedTo(schermo.size() * 0.9));
        finestra->move(schermo.center() - finestra->rect().center());
    }
    QUrl url = QUrl::fromLocalFile(percorso);
    if (finestra->source().adjusted(QUrl::RemoveFragment) != url) finestra->setSource(url);
    finestra->scrollToAnchor(ancora(contesto));
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}
