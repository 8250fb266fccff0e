#include "calendar/testatagiornata.h"

#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/pannello.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

TestataGiornata::TestataGiornata(const QVector<Voce>& voci, int baseEvidenzia, QWidget* parent) : QWidget(parent)
{
    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);

    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    for (int i = 0; i < voci.size(); ++i) {
        auto* p = new Pannello(Icona(voci[i].icona), voci[i].testo, baseEvidenzia + i, this);
        p->setObjectName(QStringLiteral("Button%1").arg(i));
        p->impostaDisposizione(Pannello::Disposizione::IconaSopra);
        p->setToolTip(voci[i].suggerimento);
        connect(p, &Pannello::clicked, this, voci[i].azione);
        striscia->addWidget(p);
        pulsanti_.append(p);
    }
    striscia->addStretch(1);
    tutto->addLayout(striscia);

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    tutto->addWidget(linea);

    titolo_ = new QLabel(this);
    titolo_->setObjectName(QStringLiteral("Titolo"));
    QFont grande = titolo_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.2);
    titolo_->setFont(grande);
    riposa_ = new QLabel(this);
    riposa_->setObjectName(QStringLiteral("Riposa"));
    auto* intestazione = new QHBoxLayout;
    intestazione->addWidget(titolo_);
    intestazione->addStretch(1);
    intestazione->addWidget(riposa_);
    tutto->addLayout(intestazione);
}

void TestataGiornata::mostra(GiornataGirone g, const QString& riposa)
{
    titolo_->setText(NavigazioneGiornate::titolo(g));
    riposa_->setText(riposa.isEmpty() ? QString() : QStringLiteral("Riposa: ") + riposa);
}

QVector<TestataGiornata::Voce> TestataGiornata::vociFinali(std::function<void()> classificaParziale,
                                                           std::function<void()> chiudi, int contestoGuida)
{
    return {
        {QStringLiteral("classifica"), QStringLiteral("Classifica\nparziale"),
         QStringLiteral("Classifica dalla prima giornata fino a questa"), std::move(classificaParziale)},
        {QStringLiteral("chiudi"), QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"),
         std::move(chiudi)},
        {QStringLiteral("guida"), QStringLiteral("Guida"), QStringLiteral("Richiamare la guida di Golvarno"),
         [contestoGuida] { Guida::apri(contestoGuida); }},
    };
}

void TestataGiornata::adattaCornice(QWidget* finestra)
{
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget()))
        sotto->resize(sotto->size().expandedTo(finestra->sizeHint().grownBy(sotto->contentsMargins())));
}
