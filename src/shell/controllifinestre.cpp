#include "shell/controllifinestre.h"

#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/spinner.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

QLineEdit* Casella(const QString& nome, const QString& testo, QWidget* parent, int lunghezzaMassima, int larghezza)
{
    auto* e = new QLineEdit(testo, parent);
    e->setObjectName(nome);
    if (lunghezzaMassima > 0) e->setMaxLength(lunghezzaMassima);
    if (larghezza > 0) e->setFixedWidth(larghezza);
    return e;
}

QGroupBox* Riquadro(const QString& nome, const QString& titolo, QWidget* parent)
{
    auto* g = new QGroupBox(titolo, parent);
    g->setObjectName(nome);
    return g;
}

QPushButton* Pulsante(const QString& nome, Azione* comando, QWidget* parent)
{
    QPushButton* b = PulsanteDa(comando, nome, parent);
    b->setAutoDefault(false);
    return b;
}

QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    return l;
}

QHBoxLayout* RigaPulsanti(std::initializer_list<QPushButton*> pulsanti)
{
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    for (QPushButton* p : pulsanti) riga->addWidget(p);
    return riga;
}

QWidget* ConSpinner(QLineEdit* casella, const QString& nomeSpinner, QWidget* parent, Spinner** spinner)
{
    auto* w = new QWidget(parent);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(1);
    casella->setParent(w);
    h->addWidget(casella);
    auto* s = new Spinner(casella, w);
    s->setObjectName(nomeSpinner);
    h->addWidget(s);
    h->addStretch();
    if (spinner) *spinner = s;
    return w;
}

ScheletroWizard CostruisciWizard(QWidget* finestra, const QString& icona, const NomiWizard& nomi)
{
    ScheletroWizard w;
    auto* principale = new QVBoxLayout(finestra);
    auto* corpo = new QHBoxLayout;
    principale->addLayout(corpo, 1);

    QLabel* immagine = Etichetta(nomi.immagine, QString(), finestra);
    immagine->setPixmap(PixmapIcona(icona, 64));
    immagine->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    immagine->setContentsMargins(4, 8, 8, 4);
    corpo->addWidget(immagine);

    auto* destra = new QVBoxLayout;
    corpo->addLayout(destra, 1);
    auto* indicatore = new QHBoxLayout;
    const QList<std::pair<QString, QString>> parti{{nomi.fase, QStringLiteral("FASE")},
                                                   {nomi.numero, QStringLiteral("1")},
                                                   {nomi.di, nomi.testoDi},
                                                   {nomi.totale, QString::number(nomi.fasi)}};
    for (const auto& [nome, testo] : parti) {
        QLabel* l = Etichetta(nome, testo, finestra);
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        l->setFont(f);
        indicatore->addWidget(l);
        if (nome == nomi.numero) w.numero = l;
    }
    indicatore->addStretch();
    destra->addLayout(indicatore);
    w.pagine = new QStackedWidget(finestra);
    destra->addWidget(w.pagine, 1);

    w.indietro = Azione::crea(QStringLiteral("Indietro"), QStringLiteral("Torna alla fase precedente"), finestra);
    w.avanti = Azione::crea(QStringLiteral("Avanti"), QStringLiteral("Vai alla fase successiva"), finestra);
    w.annulla = Azione::crea(QStringLiteral("Annulla"), QStringLiteral("Abbandona la creazione di un nuovo campionato"),
                             finestra);
    w.guida = Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama la guida di Golvarno"), finestra);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Pulsante(nomi.indietro, w.indietro, finestra));
    pulsanti->addWidget(Pulsante(nomi.avanti, w.avanti, finestra));
    pulsanti->addSpacing(16);
    pulsanti->addWidget(Pulsante(nomi.annulla, w.annulla, finestra));
    pulsanti->addWidget(Pulsante(nomi.guida, w.guida, finestra));
    principale->addLayout(pulsanti);
    return w;
}
