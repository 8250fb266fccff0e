#include "rankings/aiutifinestre.h"

#include "core/listasquadre.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/finestre.h"
#include "platform/guida.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

void AggiungiChiudiHelp(Finestra* finestra, QBoxLayout* riga, const QString& nomeChiudi, const QString& nomeHelp,
                        int contestoGuida)
{
    auto* chiudi = (new Azione(QStringLiteral("Chiudi"), finestra))
                       ->conSuggerimento(QStringLiteral("Chiudere questa finestra"))
                       ->allo([finestra] { finestra->chiudi(); });
    auto* guida = (new Azione(QStringLiteral("Help"), finestra))
                      ->conSuggerimento(QStringLiteral("Richiama la guida di Golvarno"))
                      ->allo([contestoGuida] { Guida::apri(contestoGuida); });
    riga->addWidget(PulsanteDa(chiudi, nomeChiudi, finestra));
    riga->addWidget(PulsanteDa(guida, nomeHelp, finestra));
}

ComboCodici* ElencoSquadre(const QString& nome, const QString& accessibile, QWidget* parent)
{
    auto* c = new ComboCodici(parent);
    c->setObjectName(nome);
    c->setAccessibleName(accessibile);
    c->setMinimumContentsLength(30);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QPalette p = c->palette();
    p.setColor(QPalette::Button, QColor(0xE0, 0xE0, 0xE0));
    p.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    c->setPalette(p);
    return c;
}

void RiempiSenzaScelta(ComboCodici* elenco)
{
    RiempiListaSquadre(elenco, QString());
    ComboCodici::SenzaClick caricamento(elenco);
    elenco->setCurrentIndex(-1);
}

QHBoxLayout* RigaDueSquadre(QWidget* parent, const QString& nomeEtichetta, ComboCodici*& prima, ComboCodici*& seconda,
                            QAction* azione, const QString& nomePulsante)
{
    auto* etichetta = new QLabel(QStringLiteral("Squadre"), parent);
    etichetta->setObjectName(nomeEtichetta);
    prima = ElencoSquadre(QStringLiteral("Combo1"), QStringLiteral("Prima squadra"), parent);
    seconda = ElencoSquadre(QStringLiteral("Combo2"), QStringLiteral("Seconda squadra"), parent);
    etichetta->setBuddy(prima);
    auto* riga = new QHBoxLayout;
    riga->addWidget(etichetta);
    riga->addWidget(prima);
    riga->addWidget(seconda);
    riga->addSpacing(12);
    riga->addWidget(PulsanteDa(azione, nomePulsante, parent));
    riga->addStretch(1);
    return riga;
}
