#include "shell/finestraprincipale.h"

#include "core/campionato.h"
#include "core/evidenzia.h"
#include "core/guardia.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/cartellaprogramma.h"
#include "platform/finestre.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/pannello.h"
#include "shell/aperturacampionato.h"
#include "shell/comandi.h"
#include "shell/impostazioni.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

namespace {
const QString TITOLO = QStringLiteral("Golvarno 2000");
constexpr int BASE_EVIDENZIA = 140;
}  // namespace

FinestraPrincipale::FinestraPrincipale(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDI1"));
    setWindowTitle(TITOLO);
    setWindowIcon(Icona(QStringLiteral("pallone")));
    setContextMenuPolicy(Qt::NoContextMenu);

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("AreaFinestre"));
    area_->setBackground(QColor(0x80, 0x80, 0x80));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    Finestre::istanza().impostaArea(area_);
    Messaggio::impostaFinestraPrincipale(this);

    creaMenu();
    creaBarra();

    // The open-championship check offers this window's open command; loading a championship
    // writes its name into this window's caption.
    ImpostaComandoApri([] { AperturaCampionato::ApriCampionato_Click(); });
    ImpostaTitoloPrincipale([this](const QString& titolo) { aggiornaTitolo(titolo); });
    AttivaEvidenzia();

    // Most of the screen: room for the largest window (the league table) with the championship card beside it.
    if (const QScreen* schermo = screen()) {
        const QRect disponibile = schermo->availableGeometry();
        resize(disponibile.size() * 0.92);
        move(disponibile.center() - rect().center());
    } else {
        resize(1024, 720);
    }
    caricamento();
}

FinestraPrincipale::~FinestraPrincipale()
{
    // Loading a championship after this window has gone must not reach it.
    ImpostaTitoloPrincipale({});
}

void FinestraPrincipale::caricamento()
{
    Stato& s = stato();
    s.PrimaAttivazione = true;
    s.AzioneIniziale = 0;

    const QString guida = FileProgramma(QStringLiteral("golvarno.hlp"));
    if (EsisteFile(guida)) {
        s.PercorsoGuida = guida;
        Guida::imposta(guida);
    } else {
        s.PercorsoGuida.clear();
        Guida::imposta(QString());
        Messaggio::mostra(QStringLiteral("Attenzione: non è stato trovato il file della guida (GOLVARNO.HLP)\r\r"
                                         "La guida non sarà quindi disponibile. Contattare l'autore per ulteriori "
                                         "informazioni e chiarimenti."),
                          Messaggio::Pulsanti::Ok, Messaggio::Icona::Critica, TITOLO);
    }

    s.PercorsoImpostazioni = FileProgramma(QStringLiteral("golvarno.def"));
    s.IdEvidenziato = -1;
    s.BmpAmmonitoPresente = EsisteFile(FileProgramma(QStringLiteral("Ammonito!.Bmp")));
    s.BmpEspulsoPresente = EsisteFile(FileProgramma(QStringLiteral("Espulso!.Bmp")));
}

void FinestraPrincipale::attivazione()
{
    Stato& s = stato();
    if (s.PrimaAttivazione) {
        s.PrimaAttivazione = false;
        Impostazioni::leggi();
        if (s.MostraPrimiPassi && Finestre::istanza().registrata(IdFinestra::Introduzione))
            Finestre::istanza().mostraModale(IdFinestra::Introduzione);
    }
    // The choice made in the introduction is cleared before it runs, so that the activations
    // the open dialog causes do not run it again.
    const int azione = s.AzioneIniziale;
    s.AzioneIniziale = 0;
    if (azione == 1)
        eseguiPulsante(0);
    else if (azione == 2)
        eseguiPulsante(1);
}

void FinestraPrincipale::eseguiPulsante(int indice)
{
    for (const PulsanteBarra& p : Comandi::barra())
        if (p.indice == indice) {
            if (QAction* a = azioni_.value(p.comando)) a->trigger();  // a disabled command does nothing
            return;
        }
}

void FinestraPrincipale::accodaAttivazione()
{
    // Activation work runs once the event that activated the window is over, so that it may
    // show dialogs of its own.
    if (attivazioneInCoda_) return;
    attivazioneInCoda_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            attivazioneInCoda_ = false;
            attivazione();
        },
        Qt::QueuedConnection);
}

void FinestraPrincipale::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) accodaAttivazione();
}

void FinestraPrincipale::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // The start-up steps must not depend on the window system handing the focus over.
    if (stato().PrimaAttivazione) accodaAttivazione();
}

void FinestraPrincipale::closeEvent(QCloseEvent* e)
{
    // The close box closes the child windows through their own unload step; one may refuse.
    if (Finestre::istanza().scaricaTutte())
        e->accept();
    else
        e->ignore();
}

void FinestraPrincipale::creaMenu()
{
    QHash<QString, QMenu*> menu;
    for (const Comando& c : Comandi::tabella()) {
        if (c.effetto == Effetto::Menu) {
            QMenu* m = c.padre.isEmpty() ? menuBar()->addMenu(c.testo) : menu.value(c.padre)->addMenu(c.testo);
            m->setObjectName(c.nome);
            menu.insert(c.nome, m);
            continue;
        }
        QMenu* contenitore = menu.value(c.padre);
        if (c.effetto == Effetto::Esci) contenitore->addSeparator();
        // One action per command, shared by its menu item and its toolbar button: it stays disabled
        // while the command's window is not in this build.
        auto* a = new Azione(c.testo, this);
        a->setObjectName(c.nome);
        if (!c.tasto.isEmpty()) a->setShortcut(c.tasto);
        a->richiedeFinestra(c.finestra);
        const QString nome = c.nome;
        a->allo([nome] { Comandi::esegui(nome); });
        contenitore->addAction(a);
        azioni_.insert(c.nome, a);
    }
    for (const PulsanteBarra& p : Comandi::barra())
        if (QAction* a = azioni_.value(p.comando)) {
            a->setIcon(Icona(p.icona));
            a->setToolTip(p.suggerimento);
        }
}

void FinestraPrincipale::creaBarra()
{
    auto* barra = new QToolBar(QStringLiteral("Barra degli strumenti"), this);
    barra->setObjectName(QStringLiteral("Toolbar1"));
    barra->setMovable(false);
    barra->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, barra);
    for (const PulsanteBarra& p : Comandi::barra()) {
        Pannello* pannello = PannelloIconaDa(azioni_.value(p.comando), BASE_EVIDENZIA + p.indice,
                                             QStringLiteral("MButton%1").arg(p.indice), barra);
        barra->addWidget(pannello);
        pulsanti_.append(pannello);
    }
}

void FinestraPrincipale::aggiornaTitolo(const QString& titolo) { setWindowTitle(titolo); }
