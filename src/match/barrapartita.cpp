#include "match/barrapartita.h"

#include "platform/combocodici.h"

#include <QHBoxLayout>
#include <QLabel>

BarraPartita CreaBarraPartita(const NomiBarraPartita& nomi, QWidget* parent)
{
    BarraPartita b;
    b.barra = new QWidget(parent);
    b.barra->setObjectName(nomi.barra);
    auto* riga = new QHBoxLayout(b.barra);
    riga->setContentsMargins(0, 0, 0, 0);
    auto selettore = [&](const QString& nomeEtichetta, const QString& testo, const QString& nome,
                         const QString& suggerimento) {
        auto* c = new ComboCodici(b.barra);
        c->setObjectName(nome);
        c->setToolTip(suggerimento);
        if (nomeEtichetta.isEmpty()) {
            c->setAccessibleName(suggerimento);
        } else {
            auto* l = new QLabel(testo, b.barra);
            l->setObjectName(nomeEtichetta);
            l->setTextFormat(Qt::PlainText);
            l->setBuddy(c);
            riga->addWidget(l);
        }
        riga->addWidget(c);
        return c;
    };
    b.giornata = selettore(nomi.etichettaGiornata, QStringLiteral("Giornata"), nomi.giornata,
                           QStringLiteral("Seleziona la giornata"));
    b.giornata->setMinimumContentsLength(3);
    riga->addSpacing(8);
    b.partita = selettore(nomi.etichettaPartita, QStringLiteral("Partita"), nomi.partita,
                          QStringLiteral("Seleziona la partita"));
    b.partita->setMinimumContentsLength(40);
    b.partita->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    riga->addSpacing(8);
    b.girone =
        selettore(nomi.etichettaGirone, QStringLiteral("Girone"), nomi.girone, QStringLiteral("Seleziona il girone"));
    b.girone->aggiungi(QStringLiteral("Andata"));
    b.girone->aggiungi(QStringLiteral("Ritorno"));
    riga->addStretch(1);
    return b;
}
