#include "shell/introduzionedialog.h"

#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/pannello.h"
#include "shell/controllifinestre.h"
#include "shell/impostazioni.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int CONTESTO_GUIDA = 1;
constexpr int LATO_ICONA = 40;
const char* const AZIONE = "azioneIntroduzione";

}  // namespace

IntroduzioneDialog::IntroduzioneDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(QStringLiteral("Golvarno 2000 - Introduzione"), QStringLiteral("pallone"), CONTESTO_GUIDA);
    setMinimumSize(440, 330);

    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(0);

    auto* scelte = new QVBoxLayout;
    scelte->setContentsMargins(24, 18, 24, 18);
    scelte->setSpacing(12);
    QLabel* domanda = Etichetta(QStringLiteral("Label3"), QStringLiteral("Cosa desideri fare?"), this);
    QFont grande = domanda->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    domanda->setFont(grande);
    scelte->addWidget(domanda);

    // Each choice is a panel holding its icon, and a caption: clicking either does the same.
    struct Scelta {
        const char* pannello;
        const char* icona;
        const char* etichetta;
        const char* testo;
        int azione;
    };
    const Scelta elenco[] = {
        {"SSPanel1", "apri", "Label1", "Aprire un campionato esistente", 1},
        {"SSPanel2", "nuovo", "Label2", "Creare un nuovo campionato", 2},
        {"SSPanel3", "guida", "Label4", "Consultare la guida di Golvarno 2000", 0},
    };
    QFont voce = font();
    voce.setPointSizeF(voce.pointSizeF() * 1.15);
    for (const Scelta& s : elenco) {
        auto* riga = new QHBoxLayout;
        riga->setSpacing(12);
        const int azione = s.azione;
        Pannello* pannello =
            PannelloIconaDa(Azione::crea(QString::fromUtf8(s.testo), QString(), this, QString::fromLatin1(s.icona))
                                ->allo([this, azione] { scegli(azione); }),
                            -1, QString::fromLatin1(s.pannello), this);
        pannello->impostaLatoIcona(LATO_ICONA);
        pannello->setCursor(Qt::PointingHandCursor);
        pannello->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        QLabel* etichetta = Etichetta(QString::fromLatin1(s.etichetta), QString::fromUtf8(s.testo), this);
        etichetta->setFont(voce);
        etichetta->setCursor(Qt::PointingHandCursor);
        etichetta->setProperty(AZIONE, s.azione);
        etichetta->installEventFilter(this);
        riga->addWidget(pannello);
        riga->addWidget(etichetta, 1);
        scelte->addLayout(riga);
    }
    scelte->addStretch();
    principale->addLayout(scelte, 1);

    auto* panel5 = new QFrame(this);
    panel5->setObjectName(QStringLiteral("SSPanel5"));
    panel5->setFrameShape(QFrame::StyledPanel);
    panel5->setFrameShadow(QFrame::Raised);
    panel5->setAutoFillBackground(true);
    auto* basso = new QHBoxLayout(panel5);
    nonMostrare_ = new QCheckBox(QStringLiteral("Non visualizzare questa finestra all'apertura di Golvarno"), panel5);
    nonMostrare_->setObjectName(QStringLiteral("Check1"));
    basso->addWidget(nonMostrare_);
    principale->addWidget(panel5);
    // Only the user's clicks count, not the box set from the settings on loading.
    connect(nonMostrare_, &QCheckBox::clicked, this, [this] { cliccato_ = true; });
}

void IntroduzioneDialog::carica()
{
    nonMostrare_->setChecked(!stato().MostraPrimiPassi);
    cliccato_ = false;
}

bool IntroduzioneDialog::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const QVariant azione = o->property(AZIONE);
        if (azione.isValid()) {
            scegli(azione.toInt());
            return true;
        }
    }
    return Finestra::eventFilter(o, e);
}

void IntroduzioneDialog::scegli(int azione)
{
    if (azione == 0)
        Guida::apri(contestoGuida());
    else
        stato().AzioneIniziale = azione;
    salvaPrimiPassi();
    chiudi();
}

void IntroduzioneDialog::salvaPrimiPassi()
{
    Stato& s = stato();
    if (!cliccato_ || !EsisteFile(s.PercorsoImpostazioni)) return;
    const bool mostra = !nonMostrare_->isChecked();
    EseguiComando(
        QStringLiteral("Golvarno 2000"),
        [&] {
            // Without the settings row nothing is stored and the setting in force stays as it is.
            if (Impostazioni::scrivi({{QStringLiteral("VisualizzaPrimiPassi"), Flag(mostra)}}))
                s.MostraPrimiPassi = mostra;
        },
        [](const QString& motivo) {
            return QStringLiteral("Impossibile salvare l'impostazione nel file GOLVARNO.DEF\r\r") + motivo;
        });
}

void IntroduzioneDialog::paintEvent(QPaintEvent* e)
{
    // The background is a tile repeated from the top-left corner over the whole window.
    QPainter p(this);
    p.drawTiledPixmap(rect(), PixmapIcona(QStringLiteral("sfondo"), 64));
    Finestra::paintEvent(e);
}
