#include "calendar/costruzionecalendario.h"

#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/pannello.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

const QString CostruzioneCalendario::TitoloAutomatico = QStringLiteral("Creazione automatica del calendario");
const QString CostruzioneCalendario::TitoloControllo = QStringLiteral("Controllo giornate del calendario");
const QString CostruzioneCalendario::TitoloDate = QStringLiteral("Date ed orari delle giornate");
const QString CostruzioneCalendario::TitoloRegistrazione =
    QStringLiteral("Registrare gli incontri giornata per giornata");
const QString CostruzioneCalendario::PrimaGiornata = QStringLiteral("Questa è la prima giornata del campionato!");
const QString CostruzioneCalendario::UltimaGiornata =
    QStringLiteral("Questa è l'ultima giornata inserita nel calendario!");

int CostruzioneCalendario::giornataVicina(const QVector<int>& numeri, int numero, int verso)
{
    int vicina = 0;
    for (int n : numeri)
        if (verso < 0 ? n < numero : (n > numero && vicina == 0)) vicina = n;
    return vicina;
}

QString CostruzioneCalendario::incontro(const QString& sq1, const QString& sq2)
{
    return sq1 + QStringLiteral(" - ") + sq2;
}

QPushButton* CostruzioneCalendario::pulsante(const QString& nome, const QString& testo, const QString& suggerimento,
                                             QWidget* parent)
{
    auto* b = new QPushButton(testo, parent);
    b->setObjectName(nome);
    b->setToolTip(suggerimento);
    b->setAutoDefault(false);
    return b;
}

Pannello* CostruzioneCalendario::pannello(int id, const QString& icona, const QString& testo,
                                          const QString& suggerimento, QWidget* parent)
{
    auto* p = new Pannello(Icona(icona), testo, id, parent);
    p->setObjectName(QStringLiteral("SSPanel1_%1").arg(id % 10));
    p->impostaDisposizione(Pannello::Disposizione::IconaSopra);
    p->setToolTip(suggerimento);
    return p;
}

QHBoxLayout* CostruzioneCalendario::strisciaPannelli(int base, const QList<VocePannello>& voci, QWidget* parent,
                                                     QVector<Pannello*>* pannelli)
{
    auto* striscia = new QHBoxLayout;
    for (int i = 0; i < voci.size(); ++i) {
        Pannello* p = nullptr;
        if (voci[i].comando) {
            p = PannelloDa(voci[i].comando, base + i, QStringLiteral("SSPanel1_%1").arg((base + i) % 10), parent);
        } else {
            p = pannello(base + i, voci[i].icona, voci[i].testo, voci[i].suggerimento, parent);
            QObject::connect(p, &Pannello::clicked, parent, voci[i].azione);
        }
        striscia->addWidget(p);
        if (voci[i].gruppo) striscia->addSpacing(16);
        if (pannelli) *pannelli << p;
    }
    striscia->addStretch();
    return striscia;
}

QLabel* CostruzioneCalendario::intestazione(const QString& nome, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.35);
    l->setFont(f);
    return l;
}
