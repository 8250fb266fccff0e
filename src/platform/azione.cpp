#include "platform/azione.h"

#include "platform/finestre.h"
#include "platform/icone.h"

#include <QPushButton>

Azione::Azione(const QString& testo, const QIcon& icona, QObject* parent) : QAction(icona, testo, parent) {}

Azione::Azione(const QString& testo, QObject* parent) : QAction(testo, parent) {}

Azione* Azione::crea(const QString& testo, const QString& suggerimento, QObject* parent, const QString& icona)
{
    auto* a = icona.isEmpty() ? new Azione(testo, parent) : new Azione(testo, Icona(icona), parent);
    return a->conSuggerimento(suggerimento);
}

Azione* Azione::richiedeFinestra(const QString& id)
{
    if (finestra_.isEmpty() && !id.isEmpty())
        connect(&Finestre::istanza(), &Finestre::registrazioneCambiata, this, [this](const QString& cambiata) {
            if (cambiata == finestra_) aggiorna();
        });
    finestra_ = id;
    aggiorna();
    return this;
}

void Azione::impostaDisponibile(bool disponibile)
{
    disponibile_ = disponibile;
    aggiorna();
}

Azione* Azione::allo(std::function<void()> fare)
{
    connect(this, &QAction::triggered, this, [fare = std::move(fare)] { fare(); });
    return this;
}

Azione* Azione::conSuggerimento(const QString& suggerimento)
{
    setToolTip(suggerimento);
    setStatusTip(suggerimento);
    return this;
}

void Azione::aggiorna()
{
    const bool registrata = finestra_.isEmpty() || Finestre::istanza().registrata(finestra_);
    setEnabled(registrata && disponibile_);
}

namespace {

// The tooltip that the action really has: QAction makes one up from its text when none was set.
QString SuggerimentoDi(const QAction* a)
{
    const QString t = a->toolTip();
    return t == QString(a->text()).remove(QLatin1Char('&')) ? QString() : t;
}

// A panel that follows `azione` (with its caption when `conTesto`) and triggers it when clicked.
Pannello* PannelloCollegato(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent, bool conTesto)
{
    auto* p = new Pannello(azione->icon(), conTesto ? azione->text() : QString(), idEvidenzia, parent);
    p->setObjectName(nome);
    auto segui = [p, azione, conTesto] {
        p->impostaIcona(azione->icon());
        if (conTesto) p->impostaTesto(azione->text());
        // Without a caption the tooltip names the panel, even when it only repeats the action's text.
        p->setToolTip(conTesto ? SuggerimentoDi(azione) : azione->toolTip());
        p->setEnabled(azione->isEnabled());
    };
    segui();
    QObject::connect(azione, &QAction::changed, p, segui);
    QObject::connect(p, &Pannello::clicked, azione, [azione] {
        if (azione->isEnabled()) azione->trigger();
    });
    return p;
}

}  // namespace

Pannello* PannelloDa(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent,
                     Pannello::Disposizione disposizione)
{
    Pannello* p = PannelloCollegato(azione, idEvidenzia, nome, parent, true);
    p->impostaDisposizione(disposizione);
    return p;
}

Pannello* PannelloIconaDa(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent)
{
    return PannelloCollegato(azione, idEvidenzia, nome, parent, false);
}

void Collega(QAbstractButton* pulsante, QAction* azione)
{
    auto segui = [pulsante, azione] {
        pulsante->setText(azione->text());
        if (!azione->icon().isNull()) pulsante->setIcon(azione->icon());
        pulsante->setToolTip(SuggerimentoDi(azione));
        pulsante->setEnabled(azione->isEnabled());
    };
    segui();
    QObject::connect(azione, &QAction::changed, pulsante, segui);
    QObject::connect(pulsante, &QAbstractButton::clicked, azione, [azione] {
        if (azione->isEnabled()) azione->trigger();
    });
}

QPushButton* PulsanteDa(QAction* azione, const QString& nome, QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(nome);
    Collega(b, azione);
    return b;
}
