#include "calendar/testatagiornata.h"

#include "core/idfinestre.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/testoinriga.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

TestataGiornata::TestataGiornata(const QVector<QAction*>& comandi, int baseEvidenzia, QWidget* parent) : QWidget(parent)
{
    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);

    auto* striscia = new QHBoxLayout;
    striscia->setSpacing(2);
    for (int i = 0; i < comandi.size(); ++i)
        striscia->addWidget(PannelloDa(comandi[i], baseEvidenzia + i, QStringLiteral("Button%1").arg(i), this));
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
    mostraRiposa(riposa_, riposa);
}

void TestataGiornata::mostraRiposa(QLabel* etichetta, const QString& riposa)
{
    MostraNome(etichetta, riposa);
    if (!riposa.isEmpty()) etichetta->setText(QStringLiteral("Riposa: ") + etichetta->text());
}

QVector<QAction*> TestataGiornata::comandiFinali(QWidget* finestra, std::function<void()> classificaParziale,
                                                 std::function<void()> chiudi, int contestoGuida)
{
    return {
        Azione::crea(QStringLiteral("Classifica\nparziale"),
                     QStringLiteral("Classifica dalla prima giornata fino a questa"), finestra,
                     QStringLiteral("classifica"))
            ->richiedeFinestra(IdFinestra::Classifica)
            ->allo(std::move(classificaParziale)),
        Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), finestra,
                     QStringLiteral("chiudi"))
            ->allo(std::move(chiudi)),
        Azione::crea(QStringLiteral("Guida"), QStringLiteral("Richiamare la guida di Golvarno"), finestra,
                     QStringLiteral("guida"))
            ->allo([contestoGuida] { Guida::apri(contestoGuida); }),
    };
}

void TestataGiornata::adattaCornice(QWidget* finestra)
{
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget()))
        sotto->resize(sotto->size().expandedTo(finestra->sizeHint().grownBy(sotto->contentsMargins())));
}
