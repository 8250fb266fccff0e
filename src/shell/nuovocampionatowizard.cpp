#include "shell/nuovocampionatowizard.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "shell/controllifinestre.h"
#include "shell/creazionecampionato.h"
#include "shell/nomisquadre.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Creazione di un nuovo campionato");
constexpr int CONTESTO_GUIDA = 50;

}  // namespace

NuovoCampionatoWizard::NuovoCampionatoWizard(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("nuovo"), CONTESTO_GUIDA);

    const ScheletroWizard scheletro = CostruisciWizard(
        this, QStringLiteral("nuovo"),
        {QStringLiteral("Image4"), QStringLiteral("Label12"), QStringLiteral("Label11"), QStringLiteral("Label10"),
         QStringLiteral("Label9"), QStringLiteral("di"), 2, QStringLiteral("Command1"), QStringLiteral("Command4"),
         QStringLiteral("Command2"), QStringLiteral("Command3")});
    numeroFase_ = scheletro.numero;
    fasi_ = scheletro.pagine;
    indietro_ = scheletro.indietro;
    avanti_ = scheletro.avanti;
    faseDati_ = Riquadro(QStringLiteral("Frame1"), QStringLiteral("Informazioni generali"), fasi_);
    faseSquadre_ = Riquadro(QStringLiteral("Frame2"), QStringLiteral("Squadre iscritte"), fasi_);
    costruisciFaseDati(faseDati_);
    costruisciFaseSquadre(faseSquadre_);
    fasi_->addWidget(faseDati_);
    fasi_->addWidget(faseSquadre_);

    indietro_->allo([this] { mostraFaseDatiGenerali(); });
    avanti_->allo([this] { avanti(); });
    scheletro.annulla->allo([this] { chiudi(); });
    scheletro.guida->allo([this] { Guida::apri(contestoGuida()); });

    mostraFaseDatiGenerali();
}

void NuovoCampionatoWizard::costruisciFaseDati(QGroupBox* frame1)
{
    auto* v = new QVBoxLayout(frame1);

    auto* frame3 = Riquadro(QStringLiteral("Frame3"), QStringLiteral("Dati del campionato"), frame1);
    auto* g3 = new QGridLayout(frame3);
    nomeFile_ = Casella(QStringLiteral("Text1"), QString(), frame3);
    estensione_ = Casella(QStringLiteral("Text2"), QStringLiteral("GVN"), frame3, 0, 60);
    denominazione_ = Casella(QStringLiteral("Text3"), QString(), frame3, LunghezzaDenominazione);
    g3->addWidget(new QLabel(QStringLiteral("Nome del file"), frame3), 0, 0);
    g3->addWidget(nomeFile_, 0, 1);
    g3->addWidget(new QLabel(QStringLiteral("Estensione"), frame3), 0, 2);
    g3->addWidget(estensione_, 0, 3);
    g3->addWidget(new QLabel(QStringLiteral("Denominazione del campionato"), frame3), 1, 0);
    g3->addWidget(denominazione_, 1, 1, 1, 3);
    g3->setColumnStretch(1, 1);
    v->addWidget(frame3);

    auto* sotto = new QHBoxLayout;
    auto* frame4 = Riquadro(QStringLiteral("Frame4"), QStringLiteral("Proprietà del campionato"), frame1);
    auto* g4 = new QGridLayout(frame4);
    numeroSquadre_ = Casella(QStringLiteral("Text4"), QStringLiteral("16"), frame4, 0, 50);
    g4->addWidget(new QLabel(QStringLiteral("Squadre iscritte"), frame4), 0, 0);
    g4->addWidget(ConSpinner(numeroSquadre_, QStringLiteral("UpDown1"), frame4), 0, 1);
    g4->addWidget(new QLabel(QStringLiteral("Numerazione maglie:"), frame4), 1, 0, 1, 2);
    numerazioneTradizionale_ = new QRadioButton(QStringLiteral("Numerazione tradizionale"), frame4);
    numerazioneTradizionale_->setObjectName(QStringLiteral("Option1"));
    numerazioneCorrente_ = new QRadioButton(QStringLiteral("Numero personale per ogni giocatore"), frame4);
    numerazioneCorrente_->setObjectName(QStringLiteral("Option2"));
    numerazioneTradizionale_->setChecked(true);
    g4->addWidget(numerazioneTradizionale_, 2, 0, 1, 2);
    g4->addWidget(numerazioneCorrente_, 3, 0, 1, 2);
    g4->setRowStretch(4, 1);
    sotto->addWidget(frame4, 3);

    auto* frame5 = Riquadro(QStringLiteral("Frame5"), QStringLiteral("Punti da assegnare"), frame1);
    auto* g5 = new QGridLayout(frame5);
    puntiVittoria_ = Casella(QStringLiteral("Text5"), QStringLiteral("3"), frame5, 0, 50);
    puntiPareggio_ = Casella(QStringLiteral("Text6"), QStringLiteral("1"), frame5, 0, 50);
    puntiSconfitta_ = Casella(QStringLiteral("Text7"), QStringLiteral("0"), frame5, 0, 50);
    const QList<std::tuple<QString, QLineEdit*, QString>> punti{
        {QStringLiteral("Vittoria"), puntiVittoria_, QStringLiteral("UpDown2")},
        {QStringLiteral("Pareggio"), puntiPareggio_, QStringLiteral("UpDown3")},
        {QStringLiteral("Sconfitta"), puntiSconfitta_, QStringLiteral("UpDown4")}};
    int riga = 0;
    for (const auto& [testo, box, spinner] : punti) {
        g5->addWidget(new QLabel(testo, frame5), riga, 0);
        g5->addWidget(ConSpinner(box, spinner, frame5), riga, 1);
        ++riga;
    }
    g5->setRowStretch(riga, 1);
    sotto->addWidget(frame5, 2);
    v->addLayout(sotto);
    v->addStretch();
}

void NuovoCampionatoWizard::costruisciFaseSquadre(QGroupBox* frame2)
{
    auto* v = new QVBoxLayout(frame2);
    v->addWidget(Etichetta(QStringLiteral("Label13"),
                           QStringLiteral("Inserire i nomi delle squadre che parteciperanno al campionato"), frame2));

    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(16);
    griglia->setVerticalSpacing(2);
    for (int i = 0; i < Righe; ++i) {
        auto* shape = new QFrame(frame2);
        shape->setObjectName(QStringLiteral("Shape1_%1").arg(i));
        shape->setFrameShape(QFrame::StyledPanel);
        auto* h = new QHBoxLayout(shape);
        h->setContentsMargins(4, 2, 4, 2);
        auto* numero = Etichetta(QStringLiteral("Label14_%1").arg(i), QString::number(i + 1), shape);
        numero->setFixedWidth(numero->fontMetrics().horizontalAdvance(QStringLiteral("20")) + 6);
        numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* nome = Casella(QStringLiteral("Text8_%1").arg(i), QString(), shape, LunghezzaNomeSquadra);
        h->addWidget(numero);
        h->addWidget(nome, 1);
        griglia->addWidget(shape, i % 10, i / 10);
        righe_.append(shape);
        nomi_.append(nome);
    }
    v->addLayout(griglia);
    v->addStretch();
}

void NuovoCampionatoWizard::attiva() { mostraFaseDatiGenerali(); }

// Anything but a whole number typed in the box counts as no team: the check refuses it.
int NuovoCampionatoWizard::numeroSquadre() const { return InteroScritto(numeroSquadre_->text(), Righe).value_or(0); }

void NuovoCampionatoWizard::mostraFaseDatiGenerali()
{
    fasi_->setCurrentWidget(faseDati_);
    indietro_->impostaDisponibile(false);
    avanti_->setText(QStringLiteral("Avanti"));
    avanti_->setToolTip(QStringLiteral("Vai alla fase successiva"));
    numeroFase_->setText(QStringLiteral("1"));
}

void NuovoCampionatoWizard::mostraFaseSquadre()
{
    fasi_->setCurrentWidget(faseSquadre_);
    avanti_->setToolTip(QStringLiteral("Crea il nuovo campionato!"));
    const int n = numeroSquadre();
    for (int i = 0; i < Righe; ++i) righe_[i]->setVisible(i < n);
    indietro_->impostaDisponibile(true);
    avanti_->setText(QStringLiteral("Fatto"));
    numeroFase_->setText(QStringLiteral("2"));
}

void NuovoCampionatoWizard::avanti()
{
    if (numeroFase_->text() == QLatin1String("1")) {
        if (controllaDatiGenerali()) mostraFaseSquadre();
    } else {
        fatto();
    }
}

bool NuovoCampionatoWizard::controllaDatiGenerali()
{
    const auto rifiuta = [](const QString& testo, const QString& titolo, QLineEdit* box) {
        Messaggio::errore(testo, titolo);
        box->setFocus();
        return false;
    };
    const QString nome = nomeFile_->text();
    if (nome.isEmpty())
        return rifiuta(QStringLiteral("Attenzione: non è stato inserito il nome del file."),
                       QStringLiteral("Nome del file non correttto."), nomeFile_);
    if (nome.contains(QLatin1Char('.')))
        return rifiuta(QStringLiteral("L'estensione del file va inserita nel riquadro a sinistra della dicitura "
                                      "'Estensione'."),
                       QStringLiteral("Nome del file non corretto."), nomeFile_);
    if (nome.contains(QLatin1Char('*')) || nome.contains(QLatin1Char('?')))
        return rifiuta(QStringLiteral("Non si possono usare caratteri come * o ?  nell'indicare il nome del file."),
                       QStringLiteral("Nome del file non corretto."), nomeFile_);
    const QString file = nome + QLatin1Char('.') + estensione_->text();
    if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
        return rifiuta(QStringLiteral("Attenzione: il file ") + file +
                           QStringLiteral("\resiste già. Occorre cambiare il nome del file."),
                       QStringLiteral("Creazione di un nuovo file"), nomeFile_);
    const int squadre = numeroSquadre();
    if (squadre > 20 || squadre < 4)
        return rifiuta(QStringLiteral("Attenzione: il numero di squadre partecipanti al campionato non è corretto. "
                                      "Si possono iscrivere da 4 fino a 20 squadre."),
                       QStringLiteral("Errore di definizione"), numeroSquadre_);
    // The championship keeps its points per result in 0..255.
    for (QLineEdit* box : {puntiVittoria_, puntiPareggio_, puntiSconfitta_}) {
        if (!InteroScritto(box->text(), PuntiMassimi))
            return rifiuta(QStringLiteral("Attenzione: i punti da assegnare per una vittoria, un pareggio o una "
                                          "sconfitta vanno indicati con un numero da 0 a 255."),
                           QStringLiteral("Errore di definizione"), box);
    }
    return true;
}

bool NuovoCampionatoWizard::controllaSquadre()
{
    const int n = numeroSquadre();
    QStringList nomi;
    for (int i = 0; i < n; ++i) {
        const QString nome = nomi_[i]->text();
        QString problema;
        if (nome.isEmpty())
            problema = QStringLiteral("Attenzione: hai dimenticato di inserire il nome di una squadra, precisamente "
                                      "nella riga n.° ") +
                       QString::number(i + 1);
        else
            problema = ProblemaNomeSquadra(nome, nomi);
        if (!problema.isEmpty()) {
            Messaggio::errore(problema, TITOLO);
            nomi_[i]->setFocus();
            return false;
        }
        nomi << nome;
    }
    return true;
}

void NuovoCampionatoWizard::fatto()
{
    if (!controllaSquadre()) return;

    const QString percorso = nomeFile_->text() + QLatin1Char('.') + estensione_->text();
    DatiNuovoCampionato dati;
    dati.denominazione = denominazione_->text();
    // The points were checked with the general data.
    dati.puntiVittoria = InteroScritto(puntiVittoria_->text(), PuntiMassimi).value_or(0);
    dati.puntiPareggio = InteroScritto(puntiPareggio_->text(), PuntiMassimi).value_or(0);
    dati.puntiSconfitta = InteroScritto(puntiSconfitta_->text(), PuntiMassimi).value_or(0);
    dati.numerazione = numerazioneTradizionale_->isChecked() ? 1 : 2;
    for (int i = 0; i < numeroSquadre(); ++i) dati.squadre << nomi_[i]->text();

    // The windows of the championship in use close first; when one stays open, so does this wizard.
    if (!ChiudiFinestreDelCampionato(id(), QStringLiteral("Il nuovo campionato non è stato creato."), TITOLO)) return;

    CursoreAttesa();
    if (!EseguiComando(
            TITOLO, [&] { CreaFileNuovoCampionato(percorso, dati); },
            [&percorso](const QString& motivo) {
                return QStringLiteral("Impossibile creare il file ") + percorso + QStringLiteral("\r\r") + motivo;
            }))
        return;
    CursoreNormale();

    if (ApriCampionatoCreato(percorso, TITOLO, id())) chiudi();
}
