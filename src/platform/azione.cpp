#include "platform/azione.h"

#include "platform/finestre.h"

#include <QPushButton>

Azione::Azione(const QString& testo, const QIcon& icona, QObject* parent) : QAction(icona, testo, parent) {}

Azione::Azione(const QString& testo, QObject* parent) : QAction(testo, parent) {}

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

}  // namespace

Pannello* PannelloDa(QAction* azione, int idEvidenzia, const QString& nome, QWidget* parent,
                     Pannello::Disposizione disposizione)
{
    auto* p = new Pannello(azione->icon(), azione->text(), idEvidenzia, parent);
    p->setObjectName(nome);
    p->impostaDisposizione(disposizione);
    auto segui = [p, azione] {
        p->impostaIcona(azione->icon());
        p->impostaTesto(azione->text());
        p->setToolTip(SuggerimentoDi(azione));
        p->setEnabled(azione->isEnabled());
    };
    segui();
    QObject::connect(azione, &QAction::changed, p, segui);
    QObject::connect(p, &Pannello::clicked, azione, [azione] {
        if (azione->isEnabled()) azione->trigger();
    });
    return p;
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
