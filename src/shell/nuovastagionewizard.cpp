#include "shell/nuovastagionewizard.h"

#include "core/codici.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/suggerimentotagliati.h"
#include "platform/testoinriga.h"
#include "shell/controllifinestre.h"
#include "shell/creazionecampionato.h"
#include "shell/nomisquadre.h"

#include <algorithm>
#include <limits>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Creazione di un nuovo campionato");
const QString TITOLO_FILE = QStringLiteral("Creazione di un nuovo file");
constexpr int CONTESTO_GUIDA = 51;

}  // namespace

NuovaStagioneWizard::NuovaStagioneWizard(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("calendario"), CONTESTO_GUIDA);

    const ScheletroWizard scheletro = CostruisciWizard(
        this, QStringLiteral("calendario"),
        {QStringLiteral("Image1"), QStringLiteral("Label6"), QStringLiteral("Label7"), QStringLiteral("Label8"),
         QStringLiteral("Label9"), QStringLiteral("DI"), 4, QStringLiteral("Command1"), QStringLiteral("Command2"),
         QStringLiteral("Command3"), QStringLiteral("Command4")});
    numeroFase_ = scheletro.numero;
    fasi_ = scheletro.pagine;
    indietro_ = scheletro.indietro;
    avanti_ = scheletro.avanti;
    faseFile_ = costruisciFaseFile();
    faseEliminate_ = costruisciFaseEliminate();
    faseNuove_ = costruisciFaseNuove();
    faseRiepilogo_ = costruisciFaseRiepilogo();
    for (QGroupBox* f : {faseFile_, faseEliminate_, faseNuove_, faseRiepilogo_}) fasi_->addWidget(f);

    indietro_->allo([this] { indietro(); });
    avanti_->allo([this] { avanti(); });
    scheletro.annulla->allo([this] { chiudi(); });
    // The Help button of this wizard has no action of its own; F1 opens the help at its topic.
}

QGroupBox* NuovaStagioneWizard::costruisciFaseFile()
{
    QGroupBox* f = Riquadro(QStringLiteral("Frame1"), QStringLiteral("Dati del nuovo campionato"), fasi_);
    auto* g = new QGridLayout(f);
    nomeFile_ = Casella(QStringLiteral("Text1"), QString(), f);
    estensione_ = Casella(QStringLiteral("Text2"), QStringLiteral("GVN"), f, 0, 60);
    denominazione_ = Casella(QStringLiteral("Text3"), QString(), f, LunghezzaDenominazione);
    g->addWidget(new QLabel(QStringLiteral("Nome"), f), 0, 0);
    g->addWidget(nomeFile_, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Estensione"), f), 0, 2);
    g->addWidget(estensione_, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Denominazione"), f), 1, 0);
    g->addWidget(denominazione_, 1, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
    return f;
}

QGroupBox* NuovaStagioneWizard::costruisciFaseEliminate()
{
    QGroupBox* f = Riquadro(QStringLiteral("Frame2"),
                            QStringLiteral("Squadre da eliminare (retrocesse o non più iscritte)"), fasi_);
    auto* g = new QGridLayout(f);
    for (int i = 0; i < MassimoSquadre; ++i) {
        auto* c = new QCheckBox(f);
        c->setObjectName(QStringLiteral("Check1_%1").arg(i));
        g->addWidget(c, i % 10, i / 10);
        eliminare_.append(c);
    }
    g->setRowStretch(10, 1);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(1, 1);
    return f;
}

QGroupBox* NuovaStagioneWizard::costruisciFaseNuove()
{
    QGroupBox* f = Riquadro(QStringLiteral("Frame3"), QStringLiteral("Nuove squadre da inserire"), fasi_);
    auto* v = new QVBoxLayout(f);
    auto* conta = new QHBoxLayout;
    conta->addWidget(Etichetta(QStringLiteral("Label5"), QStringLiteral("Numero di squadre da inserire:"), f));
    numeroNuove_ = Casella(QStringLiteral("Text5"), QStringLiteral("0"), f, 0, 50);
    Spinner* spinner = nullptr;
    conta->addWidget(ConSpinner(numeroNuove_, QStringLiteral("UpDown1"), f, &spinner));
    spinner->impostaMinimo(0);
    spinner->impostaMassimo(MassimoNuove);
    v->addLayout(conta);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(16);
    for (int i = 0; i < MassimoNuove; ++i) {
        QLabel* numero = Etichetta(QStringLiteral("Label4_%1").arg(i), QString::number(i + 1), f);
        numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* nome = Casella(QStringLiteral("Text4_%1").arg(i), QString(), f, LunghezzaNomeSquadra);
        for (QWidget* w : std::initializer_list<QWidget*>{numero, nome}) {
            QSizePolicy p = w->sizePolicy();
            p.setRetainSizeWhenHidden(true);
            w->setSizePolicy(p);
        }
        g->addWidget(numero, i % 6, (i / 6) * 2);
        g->addWidget(nome, i % 6, (i / 6) * 2 + 1);
        etichetteNuove_.append(numero);
        nomiNuove_.append(nome);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    v->addLayout(g);
    v->addStretch();
    connect(numeroNuove_, &QLineEdit::textChanged, this, [this] { mostraCaselleNuove(); });
    return f;
}

QGroupBox* NuovaStagioneWizard::costruisciFaseRiepilogo()
{
    QGroupBox* f = Riquadro(QStringLiteral("Frame4"), QStringLiteral("Confermare dati immessi"), fasi_);
    auto* v = new QVBoxLayout(f);
    auto* g = new QGridLayout;
    riepilogoFile_ = Casella(QStringLiteral("Text6"), QString(), f);
    riepilogoDenominazione_ = Casella(QStringLiteral("Text7"), QString(), f);
    for (QLineEdit* e : {riepilogoFile_, riepilogoDenominazione_}) e->setReadOnly(true);
    g->addWidget(new QLabel(QStringLiteral("Nome campionato"), f), 0, 0);
    g->addWidget(riepilogoFile_, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Denominazione"), f), 1, 0);
    g->addWidget(riepilogoDenominazione_, 1, 1);
    v->addLayout(g);

    auto* elenchi = new QHBoxLayout;
    const auto elenco = [&](const QString& nome, const QString& titolo) {
        auto* colonna = new QVBoxLayout;
        auto* l = new QListWidget(f);
        l->setObjectName(nome);
        SuggerisciTestiTagliati(l);
        colonna->addWidget(new QLabel(titolo, f));
        colonna->addWidget(l);
        elenchi->addLayout(colonna, 1);
        return l;
    };
    riepilogoEliminate_ = elenco(QStringLiteral("List1"), QStringLiteral("Squadre da eliminare"));
    riepilogoNuove_ = elenco(QStringLiteral("List2"), QStringLiteral("Squadre da inserire"));
    v->addLayout(elenchi, 1);

    QLabel* nota =
        Etichetta(QStringLiteral("Label14"), QStringLiteral("Premere su Fatto per creare il campionato!"), f);
    QFont grassetto = nota->font();
    grassetto.setBold(true);
    nota->setFont(grassetto);
    v->addWidget(nota);
    return f;
}

void NuovaStagioneWizard::carica()
{
    const Stato& s = stato();
    // One box per team: a championship has at most twenty, and only such a one can go on to a new season.
    if (s.NumeroSquadre > MassimoSquadre) {
        Messaggio::errore(QStringLiteral("Attenzione: il campionato in uso ha %1 squadre. Si può creare una nuova "
                                         "stagione solo da un campionato che ne ha fino a 20.")
                              .arg(s.NumeroSquadre),
                          TITOLO);
        chiudi();
        return;
    }
    CursoreAttesa();
    for (int i = 0; i < MassimoSquadre; ++i) {
        const bool presente = i + 1 <= s.NumeroSquadre && i + 1 < s.Squadre.size();
        eliminare_[i]->setVisible(presente);
        eliminare_[i]->setChecked(false);
        MostraNome(eliminare_[i], presente ? s.Squadre[i + 1].Nome : QString());
    }
    for (QLineEdit* e : nomiNuove_) e->clear();
    denominazione_->clear();
    CursoreNormale();
    mostraFaseNuovoFile();
}

int NuovaStagioneWizard::fase() const { return Val(numeroFase_->text()); }

void NuovaStagioneWizard::avanti()
{
    switch (fase()) {
    case 1: controllaNomeFile(); break;
    case 2: mostraFaseNuoveSquadre(); break;
    case 3: controllaNuoveSquadre(); break;
    case 4: completaNuovaStagione(); break;
    default: break;
    }
}

void NuovaStagioneWizard::indietro()
{
    switch (fase()) {
    case 2: mostraFaseNuovoFile(); break;
    case 3: controllaNomeFile(); break;
    case 4: mostraFaseNuoveSquadre(); break;
    default: break;
    }
}

void NuovaStagioneWizard::mostraPagina(QGroupBox* frame, const QString& numero)
{
    fasi_->setCurrentWidget(frame);
    numeroFase_->setText(numero);
}

void NuovaStagioneWizard::mostraFaseNuovoFile()
{
    indietro_->impostaDisponibile(false);
    mostraPagina(faseFile_, QStringLiteral("1"));
}

// The new file goes beside the open championship.
QString NuovaStagioneWizard::percorsoNuovoFile() const
{
    return QFileInfo(stato().PercorsoCampionato).absoluteDir().filePath(NomeNuovoFile);
}

void NuovaStagioneWizard::controllaNomeFile()
{
    const QString nome = nomeFile_->text();
    const QString estensione = estensione_->text();
    QString problema;
    if (nome.contains(QLatin1Char('.')))
        problema = QStringLiteral("Attenzione: l'estensione del nuovo file va inserita nel riquadro Estensione.");
    else if (estensione.contains(QLatin1Char('.')))
        problema = QStringLiteral("Attenzione: nell'estensione del nuovo file non va inserito il punto (.)");
    else if (nome.contains(QLatin1Char('*')) || nome.contains(QLatin1Char('?')))
        problema = QStringLiteral("Attenzione: il nome del file non può contenere caratteri come * o ?");
    else if (nome.contains(QLatin1Char('\\')))
        problema = QStringLiteral("Attenzione: il nome del file non può contenere caratteri come * o ? o \\");
    if (problema.isEmpty()) {
        NomeNuovoFile = nome + QLatin1Char('.') + estensione;
        if (QFileInfo::exists(percorsoNuovoFile()) || QFileInfo(percorsoNuovoFile()).isSymLink())
            problema = QStringLiteral("Attenzione: il file ") + NomeNuovoFile +
                       QStringLiteral("\resiste già. Occorre cambiare il nome del file.");
    }
    if (!problema.isEmpty()) {
        Messaggio::errore(problema, TITOLO_FILE);
        return;
    }
    indietro_->impostaDisponibile(true);
    avanti_->setText(QStringLiteral("Avanti"));
    avanti_->setToolTip(QStringLiteral("Vai alla fase successiva"));
    mostraPagina(faseEliminate_, QStringLiteral("2"));
}

void NuovaStagioneWizard::mostraFaseNuoveSquadre()
{
    mostraPagina(faseNuove_, QStringLiteral("3"));
    avanti_->setText(QStringLiteral("Avanti"));
    avanti_->setToolTip(QStringLiteral("Vai alla fase successiva"));
    int spuntate = 0;
    for (int i = 0; i < stato().NumeroSquadre && i < int(eliminare_.size()); ++i)
        if (eliminare_[i]->isChecked()) ++spuntate;
    // As many new teams as those that leave, up to the twelve name boxes.
    numeroNuove_->setText(QString::number(std::min(spuntate, int(MassimoNuove))));
    mostraCaselleNuove();
    faseNuove_->setTitle(QStringLiteral("Nuove squadre da inserire"));
}

void NuovaStagioneWizard::mostraCaselleNuove()
{
    // The count read as the check reads it (anything but a whole number shows no box), within the boxes.
    const int n =
        std::min(InteroScritto(numeroNuove_->text(), std::numeric_limits<int>::max()).value_or(0), int(MassimoNuove));
    for (int i = 0; i < MassimoNuove; ++i) {
        nomiNuove_[i]->setVisible(i < n);
        etichetteNuove_[i]->setVisible(i < n);
    }
}

void NuovaStagioneWizard::controllaNuoveSquadre()
{
    const auto rifiuta = [](const QString& testo, QLineEdit* box) {
        Messaggio::errore(testo, TITOLO);
        box->setFocus();
    };
    const std::optional<int> quante = InteroScritto(numeroNuove_->text(), MassimoNuove);
    if (!quante)
        return rifiuta(QStringLiteral("Attenzione: si possono inserire da 0 a 12 nuove squadre."), numeroNuove_);
    const int numeroDaInserire = *quante;

    const Stato& s = stato();
    QStringList restanti;
    QStringList eliminate;
    QVector<int> codici;
    // Every team counts: one without a box (the wizard refuses such a championship on loading) stays.
    for (int i = 0; i < s.NumeroSquadre && i + 1 < s.Squadre.size(); ++i) {
        if (i < int(eliminare_.size()) && eliminare_[i]->isChecked()) {
            eliminate << s.Squadre[i + 1].Nome;
            codici << s.Squadre[i + 1].Codice.toInt();
        } else {
            restanti << s.Squadre[i + 1].Nome;
        }
    }

    QStringList nuove;
    for (int i = 0; i < numeroDaInserire; ++i) {
        const QString nome = nomiNuove_[i]->text();
        if (nome.isEmpty())
            return rifiuta(QStringLiteral("Hai dimenticato di inserire il nome della ") + QString::number(i + 1) +
                               QStringLiteral("a squadra da inserire!"),
                           nomiNuove_[i]);
        if (const QString problema = ProblemaNomeSquadra(nome, restanti + nuove); !problema.isEmpty())
            return rifiuta(problema, nomiNuove_[i]);
        nuove << nome;
    }

    const int squadre = int(restanti.size() + nuove.size());
    if (squadre < 4 || squadre > 20)
        return rifiuta(QStringLiteral("Attenzione: il nuovo campionato avrebbe ") + QString::number(squadre) +
                           QStringLiteral(" squadre. Si possono iscrivere da 4 fino a 20 squadre."),
                       numeroNuove_);

    SquadreDaInserire = nuove;
    SquadreDaEliminare = eliminate;
    codiciDaEliminare_ = codici;
    mostraRiepilogo();
}

void NuovaStagioneWizard::mostraRiepilogo()
{
    riepilogoEliminate_->clear();
    riepilogoNuove_->clear();
    avanti_->setText(QStringLiteral("Fatto"));
    avanti_->setToolTip(QStringLiteral("Crea il nuovo campionato!"));
    mostraPagina(faseRiepilogo_, QStringLiteral("4"));
    riepilogoFile_->setText(NomeNuovoFile);
    riepilogoDenominazione_->setText(denominazione_->text());
    riepilogoEliminate_->addItems(SquadreDaEliminare);
    riepilogoNuove_->addItems(SquadreDaInserire);
}

void NuovaStagioneWizard::completaNuovaStagione()
{
    // The windows of the championship in use close before it is copied, so that what they save on
    // closing is in the copy; when one stays open, so does this wizard.
    if (!ChiudiFinestreDelCampionato(id(), QStringLiteral("Il nuovo campionato non è stato creato."), TITOLO)) return;

    const QString percorso = percorsoNuovoFile();
    DatiNuovaStagione dati;
    dati.denominazione = denominazione_->text();
    dati.codiciDaEliminare = codiciDaEliminare_;
    dati.squadreDaInserire = SquadreDaInserire;

    CursoreAttesa();
    if (!EseguiComando(
            TITOLO, [&] { CreaFileNuovaStagione(percorso, dati); },
            [this](const QString& motivo) {
                return QStringLiteral("Impossibile creare il nuovo campionato ") + NomeNuovoFile +
                       QStringLiteral("\r\r") + motivo + QStringLiteral("\r\rIl campionato in uso resta aperto.");
            }))
        return;
    CursoreNormale();

    if (ApriCampionatoCreato(percorso, TITOLO, id())) chiudi();
}
