#include "calendar/registrazionegiornatewindow.h"

#include "calendar/costruzionecalendario.h"
#include "calendar/dategiornatewindow.h"
#include "calendar/dateorariodialog.h"
#include "core/comando.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/guida.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/pannello.h"
#include "platform/testoinriga.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <QVBoxLayout>

using C = CostruzioneCalendario;

namespace {

constexpr int BASE_EVIDENZIA = 120;

// "12/09/2000 ore 15:00", or a dash when neither is given.
QString dataEOra(const QString& data, const QString& ora)
{
    if (data.isEmpty() && ora.isEmpty()) return QStringLiteral("—");
    if (ora.isEmpty()) return data;
    return (data.isEmpty() ? QString() : data + QLatin1Char(' ')) + QStringLiteral("ore ") + ora;
}

// A stored day read with fewer pairings than rows lost some elsewhere: a row left empty there is a match no
// longer in the calendar, not one the user left incomplete. The reason, or empty text.
QString incontroSparito(const DatiGiornata& memorizzata, const DatiGiornata& digitata)
{
    if (!memorizzata.registrata) return QString();
    for (qsizetype r = memorizzata.incontri.size(); r < digitata.incontri.size(); ++r)
        if (digitata.incontri[r].sq1.isEmpty() && digitata.incontri[r].sq2.isEmpty())
            return QStringLiteral("Attenzione: l'incontro n. %1 non è più nel calendario della giornata n. %2: la "
                                  "giornata non è stata salvata.\rIndicare di nuovo le due squadre dell'incontro per "
                                  "registrarlo.")
                .arg(r + 1)
                .arg(memorizzata.numero);
    return QString();
}

// A list of the championship's teams, as wide as its longest name. The window measures each name once for all
// its lists and sets the width here: a list sized to its contents by itself would measure its items again at
// every change and build its drop-down before it is ever opened.
class ListaSquadre : public ComboCodici {
public:
    using ComboCodici::ComboCodici;

    // The width of the widest text of the list, in px.
    void impostaLarghezzaTesti(int px)
    {
        if (px == testi_) return;
        testi_ = px;
        updateGeometry();
    }

    // As a list sized to its contents: the longest name, or minimumContentsLength() characters when wider, with
    // the frame and the arrow; no smaller than those characters, or than the longest name when none are set.
    QSize sizeHint() const override { return conCornice(qMax(testi_, minimoCaratteri())); }
    QSize minimumSizeHint() const override
    {
        return conCornice(minimumContentsLength() > 0 ? minimoCaratteri() : testi_);
    }

private:
    int minimoCaratteri() const { return minimumContentsLength() * fontMetrics().horizontalAdvance(QLatin1Char('X')); }
    QSize conCornice(int testo) const
    {
        QStyleOptionComboBox o;
        initStyleOption(&o);
        const int riga = qMax(qCeil(QFontMetricsF(fontMetrics()).height()), 14) + 2;
        return style()->sizeFromContents(QStyle::CT_ComboBox, &o, QSize(testo, riga), this);
    }

    int testi_ = 0;
};

}  // namespace

RegistrazioneGiornateWindow::RegistrazioneGiornateWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(C::TitoloRegistrazione, QStringLiteral("giornate"), C::GuidaRegistrazione);
    date_ = (new Azione(QStringLiteral("Date della\ngiornata"), Icona(QStringLiteral("calendario")), this))
                ->richiedeFinestra(IdFinestra::DateGiornate)
                ->conSuggerimento(QStringLiteral("Date della giornata e di ogni suo incontro, nei due gironi"))
                ->allo([this] { apriDateGiornata(); });

    auto* principale = new QVBoxLayout(this);
    elimina_ =
        Azione::crea(QStringLiteral("Elimina\ngiornata"), QStringLiteral("Eliminare l'ultima giornata del calendario"),
                     this, QStringLiteral("elimina"))
            ->allo([this] { elimina(); });
    principale->addLayout(C::strisciaPannelli(
        BASE_EVIDENZIA,
        {Azione::crea(QStringLiteral("Giornata\nprecedente"), QStringLiteral("Passare alla giornata precedente"), this,
                      QStringLiteral("precedente"))
             ->allo([this] { sposta(-1); }),
         Azione::crea(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("Passare alla giornata successiva"), this,
                      QStringLiteral("successivo"))
             ->allo([this] { sposta(+1); }),
         nullptr,
         Azione::crea(QStringLiteral("Nuova\ngiornata"), QStringLiteral("Registrare una nuova giornata dopo l'ultima"),
                      this, QStringLiteral("aggiungi"))
             ->allo([this] { nuovaGiornata(); }),
         Azione::crea(QStringLiteral("Salva\ngiornata"), QStringLiteral("Salvare la giornata"), this,
                      QStringLiteral("salva"))
             ->allo([this] { salva(); }),
         elimina_, nullptr, date_, nullptr,
         Azione::crea(QStringLiteral("Chiudi"), QStringLiteral("Chiudere questa finestra"), this,
                      QStringLiteral("chiudi"))
             ->allo([this] { chiudi(); }),
         Azione::crea(QStringLiteral("Help"), QStringLiteral("Richiama guida di Golvarno"), this,
                      QStringLiteral("guida"))
             ->allo([this] { Guida::apri(contestoGuida()); })},
        this));

    auto* testa = new QHBoxLayout;
    intestazione_ = C::intestazione(QStringLiteral("Label1"), this);
    statoGiornata_ = new QLabel(this);
    statoGiornata_->setObjectName(QStringLiteral("Label2"));
    testa->addWidget(intestazione_);
    testa->addSpacing(12);
    testa->addWidget(statoGiornata_, 1, Qt::AlignBottom);
    principale->addLayout(testa);

    auto* frame1 = new QGroupBox(QStringLiteral("Incontri della giornata"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* v1 = new QVBoxLayout(frame1);
    griglia_ = new QGridLayout;
    griglia_->setHorizontalSpacing(8);
    auto* casa = new QLabel(QStringLiteral("In casa all'andata"), frame1);
    auto* ospite = new QLabel(QStringLiteral("In casa al ritorno"), frame1);
    auto* date = new QLabel(QStringLiteral("Date ed orari"), frame1);
    for (QLabel* l : {casa, ospite, date}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    griglia_->addWidget(casa, 0, 1);
    griglia_->addWidget(ospite, 0, 3);
    griglia_->addWidget(date, 0, 4, 1, 2);
    griglia_->setColumnStretch(1, 1);
    griglia_->setColumnStretch(3, 1);
    v1->addLayout(griglia_);

    rigaRiposa_ = new QWidget(frame1);
    auto* h = new QHBoxLayout(rigaRiposa_);
    h->setContentsMargins(0, 6, 0, 0);
    auto* label3 = new QLabel(QStringLiteral("Squadra che riposa:"), rigaRiposa_);
    label3->setObjectName(QStringLiteral("Label3"));
    riposa_ = new ListaSquadre(rigaRiposa_);
    riposa_->setObjectName(QStringLiteral("ComboRiposa"));
    h->addWidget(label3);
    h->addWidget(riposa_);
    h->addStretch();
    v1->addWidget(rigaRiposa_);
    v1->addStretch();
    principale->addWidget(frame1, 1);

    auto* nota = new QLabel(QStringLiteral("Ogni giornata vale per entrambi i gironi: nel ritorno le due squadre si "
                                           "scambiano il campo."),
                            this);
    nota->setObjectName(QStringLiteral("Label4"));
    nota->setWordWrap(true);
    principale->addWidget(nota);
}

int RegistrazioneGiornateWindow::massimoGiornate() const
{
    // A single round robin: N - 1 days with an even number of teams, N with an odd one (one team rests).
    const int n = stato().NumeroSquadre;
    if (n < 2) return 0;
    return n % 2 == 0 ? n - 1 : n;
}

void RegistrazioneGiornateWindow::carica()
{
    costruisciRighe();
    const Stato& s = stato();
    int numero = qMax(1, s.GiornataCorrente);
    if (numero > s.GiornateInserite) {
        const int massimo = massimoGiornate();
        if (massimo > 0 && s.GiornateInserite >= massimo) {
            Messaggio::informa(QStringLiteral("Tutte le %1 giornate del calendario sono già state registrate.\r"
                                              "Viene mostrata l'ultima giornata.")
                                   .arg(massimo),
                               C::TitoloRegistrazione);
            numero = s.GiornateInserite;
        } else {
            numero = s.GiornateInserite + 1;
        }
    }
    mostraGiornata(numero);
}

void RegistrazioneGiornateWindow::costruisciRighe()
{
    QWidget* frame = rigaRiposa_->parentWidget();
    const int n = stato().NumeroSquadre;
    for (int r = 0; r < n / 2; ++r) {
        const QString indice = QString::number(r + 1);
        RigaIncontro riga;
        auto* numero = new QLabel(indice + QLatin1Char('.'), frame);
        numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        riga.casa = new ListaSquadre(frame);
        riga.casa->setObjectName(QStringLiteral("ComboCasa") + indice);
        riga.ospite = new ListaSquadre(frame);
        riga.ospite->setObjectName(QStringLiteral("ComboOspite") + indice);
        riga.date = PulsanteDa(Azione::crea(QStringLiteral("Date..."),
                                            QStringLiteral("Date ed orari dell'incontro nei due gironi"), this,
                                            QStringLiteral("calendario"))
                                   ->allo([this, r] { modificaDate(r); }),
                               QStringLiteral("CommandDate") + indice, frame);
        riga.riepilogo = new QLabel(frame);
        riga.riepilogo->setObjectName(QStringLiteral("LabelDate") + indice);
        TestoSemplice(riga.riepilogo);
        QFont piccolo = riga.riepilogo->font();
        piccolo.setPointSizeF(piccolo.pointSizeF() * 0.9);
        riga.riepilogo->setFont(piccolo);
        riga.riepilogo->setMinimumWidth(
            QFontMetrics(piccolo).horizontalAdvance(QStringLiteral("Ritorno: 00/00/0000 ore 00:00")));
        for (ComboCodici* c : {riga.casa, riga.ospite}) c->setMinimumContentsLength(16);
        griglia_->addWidget(numero, r + 1, 0);
        griglia_->addWidget(riga.casa, r + 1, 1);
        griglia_->addWidget(new QLabel(QStringLiteral("-"), frame), r + 1, 2);
        griglia_->addWidget(riga.ospite, r + 1, 3);
        griglia_->addWidget(riga.date, r + 1, 4);
        griglia_->addWidget(riga.riepilogo, r + 1, 5);
        righe_ << riga;
    }
    rigaRiposa_->setVisible(n % 2 != 0);
}

void RegistrazioneGiornateWindow::riempiSquadre(ComboCodici* combo, const QString& scelta) const
{
    const Stato& s = stato();
    ComboCodici::SenzaClick guardia(combo);
    combo->svuota();
    combo->aggiungi(QString(), 0);
    for (int i = 1; i <= s.NumeroSquadre && i < s.Squadre.size(); ++i)
        combo->aggiungi(s.Squadre[i].Nome, s.Squadre[i].Codice.toInt());
    int indice = scelta.isEmpty() ? 0 : combo->trovaTesto(scelta);
    // A name of the file that is not among the teams is shown as it is, not lost.
    if (indice < 0) indice = combo->aggiungi(scelta, -1);
    combo->setCurrentIndex(indice);
    int larghezza = 0;
    for (int i = 0; i < combo->count(); ++i) {
        const QString nome = combo->itemText(i);
        auto it = larghezzeNomi_.constFind(nome);
        if (it == larghezzeNomi_.constEnd())
            it = larghezzeNomi_.insert(nome, combo->fontMetrics().boundingRect(nome).width());
        larghezza = qMax(larghezza, *it);
    }
    static_cast<ListaSquadre*>(combo)->impostaLarghezzaTesti(larghezza);
}

void RegistrazioneGiornateWindow::attiva()
{
    // Coming back to the window: its day as stored now, unless it holds changes not saved yet. The
    // hand-over stays as other windows left it.
    if (modificata()) return;
    mostraGiornata(qBound(1, numero_, stato().GiornateInserite + 1), false);
}

void RegistrazioneGiornateWindow::mostraGiornata(int numero, bool consegna)
{
    Stato& s = stato();
    DatiGiornata g;
    g.numero = numero;
    const bool nuova = numero > s.GiornateInserite;
    if (!nuova && !EseguiComando(C::TitoloRegistrazione, [&] { g = GiornateCalendarioQueries::leggi(numero); })) return;
    giornata_ = g;
    numero_ = numero;
    nuova_ = nuova;
    if (consegna) s.GiornataCorrente = numero;

    s.DateOrariPartite = QVector<TipoDataOrario>(righe_.size() + 1);
    for (int r = 0; r < righe_.size(); ++r) {
        const DatiIncontro* i = r < g.incontri.size() ? &g.incontri[r] : nullptr;
        riempiSquadre(righe_[r].casa, i ? i->sq1 : QString());
        riempiSquadre(righe_[r].ospite, i ? i->sq2 : QString());
        if (i) s.DateOrariPartite[r + 1] = i->date;
        aggiornaRiepilogo(r);
    }
    riempiSquadre(riposa_, g.riposa);
    mostrata_ = digitata();
    aggiornaStato();
}

bool RegistrazioneGiornateWindow::modificata() const
{
    return GiornateCalendarioQueries::modificata(digitata(), mostrata_);
}

void RegistrazioneGiornateWindow::aggiornaStato()
{
    const int inserite = stato().GiornateInserite;
    intestazione_->setText(QStringLiteral("Giornata n. %1").arg(numero_));
    statoGiornata_->setText(
        nuova_ ? QStringLiteral("Nuova giornata: non ancora registrata nel calendario")
               : QStringLiteral("Giornata registrata nel calendario (%1 giornate in tutto)").arg(inserite));
    elimina_->impostaDisponibile(!nuova_ && numero_ == inserite);
    // A day not registered yet has no dates to edit there.
    date_->impostaDisponibile(!nuova_);
}

void RegistrazioneGiornateWindow::aggiornaRiepilogo(int riga)
{
    const Stato& s = stato();
    if (riga + 1 >= s.DateOrariPartite.size()) return;
    const TipoDataOrario& d = s.DateOrariPartite[riga + 1];
    righe_[riga].riepilogo->setText(QStringLiteral("Andata: ") + dataEOra(d.DataAnd, d.HAnd) +
                                    QStringLiteral("\nRitorno: ") + dataEOra(d.DataRit, d.HRit));
}

DatiGiornata RegistrazioneGiornateWindow::digitata() const
{
    const Stato& s = stato();
    DatiGiornata g = giornata_;
    g.incontri.resize(righe_.size());
    for (int r = 0; r < righe_.size(); ++r) {
        g.incontri[r].sq1 = righe_[r].casa->testo();
        g.incontri[r].sq2 = righe_[r].ospite->testo();
        if (r + 1 < s.DateOrariPartite.size()) g.incontri[r].date = s.DateOrariPartite[r + 1];
    }
    g.riposa = rigaRiposa_->isVisibleTo(this) ? riposa_->testo() : giornata_.riposa;
    return g;
}

bool RegistrazioneGiornateWindow::puoLasciare()
{
    if (!modificata()) return true;
    return Messaggio::salvarePrima(
        QStringLiteral("Le modifiche alla giornata n. %1 non sono state salvate.\rSalvarle ora?").arg(numero_),
        C::TitoloRegistrazione, [this] { return salva(); });
}

void RegistrazioneGiornateWindow::sposta(int verso)
{
    const int inserite = stato().GiornateInserite;
    if (verso < 0 && numero_ <= 1) {
        Messaggio::informa(C::PrimaGiornata, C::TitoloRegistrazione);
        return;
    }
    if (verso > 0 && numero_ >= inserite) {
        Messaggio::informa(C::UltimaGiornata, C::TitoloRegistrazione);
        return;
    }
    if (puoLasciare()) mostraGiornata(qMin(numero_ + verso, stato().GiornateInserite + 1));
}

void RegistrazioneGiornateWindow::nuovaGiornata()
{
    if (nuova_) {
        if (!righe_.isEmpty()) righe_.first().casa->setFocus();
        return;
    }
    const int massimo = massimoGiornate();
    if (massimo == 0) {
        Messaggio::errore(GiornateCalendarioQueries::problema(DatiGiornata(), stato().NumeroSquadre),
                          C::TitoloRegistrazione);
        return;
    }
    if (stato().GiornateInserite >= massimo) {
        Messaggio::informa(
            QStringLiteral("Tutte le %1 giornate del calendario sono già state registrate.").arg(massimo),
            C::TitoloRegistrazione);
        return;
    }
    if (puoLasciare()) mostraGiornata(stato().GiornateInserite + 1);
}

bool RegistrazioneGiornateWindow::salva()
{
    const int squadre = stato().NumeroSquadre;
    const DatiGiornata digitata = this->digitata();
    QString problema = incontroSparito(giornata_, digitata);
    if (problema.isEmpty()) problema = GiornateCalendarioQueries::problema(digitata, squadre);
    if (!problema.isEmpty()) {
        Messaggio::errore(problema, C::TitoloRegistrazione);
        return false;
    }

    DatiGiornata g;
    bool salvata = false;
    CursoreAttesa();
    EseguiComando(C::TitoloRegistrazione, [&] {
        // What the user changed goes over the day as stored now: its pairings keep their codes, and those
        // already played keep their teams.
        const DatiGiornata memorizzata = GiornateCalendarioQueries::leggi(numero_);
        problema = GiornateCalendarioQueries::conModifiche(memorizzata, mostrata_, digitata, g);
        if (problema.isEmpty()) problema = GiornateCalendarioQueries::problema(g, squadre);
        if (problema.isEmpty()) problema = GiornateCalendarioQueries::cambioGiocate(g, memorizzata);
        if (!problema.isEmpty()) return;
        GiornateCalendarioQueries::salvaIncontri(g, squadre);
        salvata = true;
    });
    CursoreNormale();
    if (!problema.isEmpty()) Messaggio::errore(problema, C::TitoloRegistrazione);
    if (!salvata) return false;

    Stato& s = stato();
    s.GiornateInserite = qMax(s.GiornateInserite, g.numero);
    mostraGiornata(g.numero);
    return true;
}

void RegistrazioneGiornateWindow::elimina()
{
    const int inserite = stato().GiornateInserite;
    if (nuova_ || numero_ != inserite) {
        Messaggio::errore(QStringLiteral("Si può eliminare soltanto l'ultima giornata registrata nel calendario."),
                          C::TitoloRegistrazione);
        return;
    }
    DatiGiornata memorizzata;
    if (!EseguiComando(C::TitoloRegistrazione, [&] { memorizzata = GiornateCalendarioQueries::leggi(numero_); }))
        return;
    if (memorizzata.giocata) {
        Messaggio::errore(QStringLiteral("La giornata n. %1 non può essere eliminata: alcune sue partite sono già "
                                         "state disputate, o ne sono state registrate formazioni o reti.")
                              .arg(numero_),
                          C::TitoloRegistrazione);
        return;
    }
    if (!Messaggio::conferma(QStringLiteral("Confermi di voler eliminare dal calendario la giornata n. %1 con tutti "
                                            "i suoi incontri?")
                                 .arg(numero_),
                             C::TitoloRegistrazione))
        return;
    const int numero = numero_;
    if (!EseguiComando(C::TitoloRegistrazione, [numero] { GiornateCalendarioQueries::elimina(numero); })) return;
    stato().GiornateInserite = numero - 1;
    mostraGiornata(qMax(1, numero - 1));
}

void RegistrazioneGiornateWindow::modificaDate(int riga)
{
    Stato& s = stato();
    if (riga + 1 >= s.DateOrariPartite.size()) return;
    s.RigaSelezionata = riga + 1;
    DateOrarioDialog dialogo(righe_[riga].casa->testo(), righe_[riga].ospite->testo(), this);
    int esito = QDialog::Rejected;
    {
        CicloModale modale;
        esito = dialogo.exec();
    }
    if (esito == QDialog::Accepted) aggiornaRiepilogo(riga);
}

void RegistrazioneGiornateWindow::apriDateGiornata()
{
    if (nuova_ || !puoLasciare()) return;
    const int numero = numero_;
    if (auto* date = qobject_cast<DateGiornateWindow*>(Finestre::istanza().mostra(IdFinestra::DateGiornate)))
        date->vaiAGiornata(numero);
}

bool RegistrazioneGiornateWindow::scarica() { return puoLasciare(); }
