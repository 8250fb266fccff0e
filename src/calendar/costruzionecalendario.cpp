#include "calendar/costruzionecalendario.h"

#include "core/guardia.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/pannello.h"
#include "platform/testoinriga.h"

#include <QHBoxLayout>
#include <QLabel>

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

QHBoxLayout* CostruzioneCalendario::strisciaPannelli(int base, const QList<QAction*>& comandi, QWidget* parent)
{
    auto* striscia = new QHBoxLayout;
    int id = base;
    for (QAction* a : comandi) {
        if (!a) {
            striscia->addSpacing(16);
            continue;
        }
        striscia->addWidget(PannelloDa(a, id, QStringLiteral("SSPanel1_%1").arg(id % 10), parent));
        ++id;
    }
    striscia->addStretch();
    return striscia;
}

bool CostruzioneCalendario::creaCalendarioAutomatico(bool sostituisci, const SorgenteCasuale& casuale)
{
    if (!VerificaCampionatoAperto()) return false;
    CursoreAttesa();
    const EsitoCalendarioAutomatico esito = CostruisciCalendarioAutomatico(casuale, sostituisci);
    if (!esito.creato) {
        CursoreNormale();
        Messaggio::errore(esito.testo, esito.titolo);
    }
    return esito.creato;
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
