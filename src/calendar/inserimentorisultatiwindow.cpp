#include "calendar/inserimentorisultatiwindow.h"

#include "calendar/inserimentorisultatiqueries.h"
#include "calendar/testatagiornata.h"
#include "core/comando.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/etichettanome.h"
#include "platform/messaggio.h"
#include "platform/spinner.h"
#include "platform/testoinriga.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

namespace {

const QString TITOLO = QStringLiteral("Inserimento risultati");
constexpr int CONTESTO_GUIDA = 15;
constexpr int BASE_EVIDENZIA = 50;
constexpr int GOL_MASSIMI = 99;
constexpr int LUNGHEZZA_DATA = 50;  // DATAAND, DATARIT, HAND, HRIT are Text 50

QString fileAperto() { return DbCampionatoAperto() ? DbCampionato().databaseName() : QString(); }

// A score as the page keeps it: "" or the plain number ("07" is 7).
QString golNormale(const QString& testo)
{
    const QString t = testo.trimmed();
    return t.isEmpty() ? QString() : QString::number(Val(t));
}

// Whether the user changed the result of a row: either score or the played box.
bool RisultatoCambiato(const IncontroGiornata& ora, const IncontroGiornata& prima)
{
    return ora.golCasa != prima.golCasa || ora.golOspite != prima.golOspite || ora.disputata != prima.disputata;
}

QLabel* Intestazione(const QString& testo, Qt::Alignment allinea, QWidget* padre)
{
    auto* l = new QLabel(testo, padre);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(allinea | Qt::AlignVCenter);
    return l;
}

}  // namespace

InserimentoRisultatiWindow::InserimentoRisultatiWindow(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QStringLiteral("risultati"), CONTESTO_GUIDA);

    using T = TestataGiornata;
    precedente_ = Azione::crea(QStringLiteral("Giornata\nprecedente"), QStringLiteral("Giornata precedente (Pag Su)"),
                               this, QStringLiteral("precedente"))
                      ->allo([this] { giornataPrecedente(); });
    successiva_ = Azione::crea(QStringLiteral("Giornata\nsuccessiva"), QStringLiteral("Giornata successiva (Pag Giù)"),
                               this, QStringLiteral("successivo"))
                      ->allo([this] { giornataSuccessiva(); });
    cambioGirone_ =
        Azione::crea(NavigazioneGiornate::testoCambioGirone(true),
                     QStringLiteral("La stessa giornata nell'altro girone"), this, QStringLiteral("giornate"))
            ->allo([this] { cambiaGirone(); });
    salva_ =
        Azione::crea(QStringLiteral("Salva\nrisultati"),
                     QStringLiteral("Salvare i risultati della giornata (Ctrl+Invio)"), this, QStringLiteral("salva"))
            ->allo([this] { salva(); });
    const QVector<QAction*> finali = T::comandiFinali(
        this, [this] { apriClassificaParziale(); }, [this] { chiudi(); }, CONTESTO_GUIDA);
    classificaParziale_ = static_cast<Azione*>(finali.first());
    QVector<QAction*> comandi{precedente_, successiva_, cambioGirone_, salva_};
    comandi += finali;
    auto* tutto = new QVBoxLayout(this);
    testata_ = new TestataGiornata(comandi, BASE_EVIDENZIA, this);
    tutto->addWidget(testata_);

    cifre_ = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    zonaTabella_ = new QVBoxLayout;
    zonaTabella_->setContentsMargins(0, 0, 0, 0);
    tutto->addLayout(zonaTabella_);

    nota_ = new QLabel(QStringLiteral("Non ci sono partite registrate per questa giornata."), this);
    nota_->setObjectName(QStringLiteral("Nota"));
    nota_->setAlignment(Qt::AlignCenter);
    nota_->setMinimumHeight(60);
    nota_->hide();
    tutto->addWidget(nota_);
    tutto->addStretch(1);

    // The keyboard road through a season: page up and down move by one match day, saving first.
    auto scorciatoia = [this](const QKeySequence& tasti, auto azione) {
        auto* s = new QShortcut(tasti, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, azione);
    };
    scorciatoia(QKeySequence(Qt::Key_PageUp), [this] { giornataPrecedente(); });
    scorciatoia(QKeySequence(Qt::Key_PageDown), [this] { giornataSuccessiva(); });
    scorciatoia(QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { salva(); });
    scorciatoia(QKeySequence(Qt::CTRL | Qt::Key_Enter), [this] { salva(); });
}

void InserimentoRisultatiWindow::carica()
{
    // The page is there before the window takes its size.
    mostraPagina({stato().GiornataCorrente, stato().Andata});
}

void InserimentoRisultatiWindow::attiva()
{
    Stato& s = stato();
    const GiornataGirone richiesta{s.GiornataCorrente, s.Andata};
    // A page of a championship no longer open is dropped, never saved into the file open now.
    const bool tenuta = mostrata_ && paginaDelFileAperto();
    if (tenuta && richiesta != giornataMostrata()) {
        // A save refused: the page being entered stays, and is what the other windows follow.
        if (!vaiA(richiesta)) NavigazioneGiornate::consegna(pagina_);
        return;
    }
    // Coming back to the day on show: as stored now, unless the page holds edits not saved yet.
    if (!tenuta)
        mostraPagina(richiesta);
    else if (!modificata())
        mostraPagina(richiesta, false);
    NavigazioneGiornate::consegna(pagina_);
}

void InserimentoRisultatiWindow::attivaDallUtente()
{
    if (!mostrata_ || !paginaDelFileAperto()) {
        attiva();
        return;
    }
    // The user's click goes into the page on show, whichever day another window moved on to meanwhile; a match
    // of this page that another window handed over stays.
    if (!modificata()) mostraPagina(giornataMostrata(), false);
    NavigazioneGiornate::consegna(pagina_, true);
}

bool InserimentoRisultatiWindow::scarica()
{
    if (!mostrata_ || !paginaDelFileAperto() || !modificata()) return true;
    if (!convalida()) return false;  // the user puts the page right first
    if (scriviPagina()) return true;
    // The failure has been told; the user decides whether the typed results may go.
    return Messaggio::mostra(QStringLiteral("I risultati della giornata non sono stati salvati.\r\r"
                                            "Chiudere comunque la finestra?"),
                             Messaggio::Pulsanti::SiNo, Messaggio::Icona::Esclamazione, TITOLO,
                             1) == Messaggio::Risposta::Si;
}

// ---------------------------------------------------------------- the page

void InserimentoRisultatiWindow::costruisciRighe()
{
    // A new table each time, shown as a whole once it is complete. The old one may be in the middle of
    // delivering the click that activated the window: it leaves the window now and goes later.
    if (tabella_) {
        tabella_->hide();
        tabella_->setParent(nullptr);
        tabella_->deleteLater();
    }
    righe_.clear();
    tabella_ = new QWidget(this);
    tabella_->hide();
    zonaTabella_->addWidget(tabella_);
    auto* griglia = new QGridLayout(tabella_);
    griglia->setContentsMargins(0, 4, 0, 0);
    griglia->setHorizontalSpacing(8);
    griglia->setVerticalSpacing(4);
    const qsizetype quanti = pagina_.incontri.size();
    nota_->setVisible(quanti == 0);
    if (quanti == 0) return;

    griglia->addWidget(Intestazione(QStringLiteral("Squadra di casa"), Qt::AlignRight, tabella_), 0, 0);
    griglia->addWidget(Intestazione(QStringLiteral("Risultato"), Qt::AlignHCenter, tabella_), 0, 1, 1, 3);
    griglia->addWidget(Intestazione(QStringLiteral("Squadra ospite"), Qt::AlignLeft, tabella_), 0, 4);
    griglia->addWidget(Intestazione(QStringLiteral("Data"), Qt::AlignLeft, tabella_), 0, 6);
    griglia->addWidget(Intestazione(QStringLiteral("Ora"), Qt::AlignLeft, tabella_), 0, 7);

    const QFontMetrics fm(font());
    // A score box with its spinner, in a widget of their own that takes the grid cell.
    auto casellaGol = [&](const QString& nome, QWidget** cella) {
        auto* w = new QWidget(tabella_);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(1);
        auto* e = new QLineEdit(w);
        e->setObjectName(nome);
        e->setValidator(cifre_);
        e->setAlignment(Qt::AlignCenter);
        e->setFixedWidth(fm.horizontalAdvance(QStringLiteral("000")) + 14);
        h->addWidget(e);
        auto* s = new Spinner(e, w);
        s->setObjectName(QStringLiteral("Spin") + nome);
        s->impostaMinimo(0);
        s->impostaMassimo(GOL_MASSIMI);
        h->addWidget(s);
        *cella = w;
        return e;
    };
    auto casellaTesto = [&](const QString& nome, const QString& campione) {
        auto* e = new QLineEdit(tabella_);
        e->setObjectName(nome);
        e->setMaxLength(LUNGHEZZA_DATA);
        e->setFixedWidth(fm.horizontalAdvance(campione) + 24);
        return e;
    };

    // The names take the room of the page's longest, up to a long name; a window narrower than that cuts them.
    QStringList nomi;
    for (const IncontroGiornata& m : pagina_.incontri) nomi << m.casa << m.ospite;
    const int nome = LarghezzaNomi(fm, nomi) + 1;

    QWidget* precedente = nullptr;
    for (int i = 0; i < quanti; ++i) {
        const int r = i + 1;
        Riga riga;
        riga.casa = new EtichettaNome(nome, tabella_);
        riga.casa->setObjectName(QStringLiteral("Casa%1").arg(i));
        riga.casa->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QWidget* cellaCasa = nullptr;
        QWidget* cellaOspite = nullptr;
        riga.golCasa = casellaGol(QStringLiteral("GolCasa%1").arg(i), &cellaCasa);
        riga.golOspite = casellaGol(QStringLiteral("GolOspite%1").arg(i), &cellaOspite);
        riga.ospite = new EtichettaNome(nome, tabella_);
        riga.ospite->setObjectName(QStringLiteral("Ospite%1").arg(i));
        riga.disputata = new QCheckBox(QStringLiteral("Disputata?"), tabella_);
        riga.disputata->setObjectName(QStringLiteral("Disputata%1").arg(i));
        riga.data = casellaTesto(QStringLiteral("Data%1").arg(i), QStringLiteral("00/00/00000"));
        riga.ora = casellaTesto(QStringLiteral("Ora%1").arg(i), QStringLiteral("00:00"));
        riga.casa->setBuddy(riga.golCasa);

        griglia->addWidget(riga.casa, r, 0);
        griglia->addWidget(cellaCasa, r, 1);
        griglia->addWidget(new QLabel(QStringLiteral("-"), tabella_), r, 2, Qt::AlignCenter);
        griglia->addWidget(cellaOspite, r, 3);
        griglia->addWidget(riga.ospite, r, 4);
        griglia->addWidget(riga.disputata, r, 5);
        griglia->addWidget(riga.data, r, 6);
        griglia->addWidget(riga.ora, r, 7);

        // Row by row: the two scores, the played box, the date, the time, then the next row.
        for (QWidget* w : {static_cast<QWidget*>(riga.golCasa), static_cast<QWidget*>(riga.golOspite),
                           static_cast<QWidget*>(riga.disputata), static_cast<QWidget*>(riga.data),
                           static_cast<QWidget*>(riga.ora)}) {
            if (precedente) setTabOrder(precedente, w);
            precedente = w;
        }
        righe_.append(riga);
    }
    griglia->setColumnStretch(8, 1);
    tabella_->show();
}

void InserimentoRisultatiWindow::riempiRighe()
{
    for (int i = 0; i < righe_.size() && i < pagina_.incontri.size(); ++i) {
        const IncontroGiornata& m = pagina_.incontri[i];
        const Riga& riga = righe_[i];
        riga.casa->impostaNome(m.casa);
        riga.ospite->impostaNome(m.ospite);
        // Typing takes two digits, but a score stored in the file is shown whole, never cut.
        for (const auto& [box, gol] : {std::pair{riga.golCasa, m.golCasa}, std::pair{riga.golOspite, m.golOspite}}) {
            box->setMaxLength(qMax(2, int(gol.size())));
            box->setText(gol);
        }
        riga.disputata->setChecked(m.disputata);
        riga.data->setText(m.data);
        riga.ora->setText(m.ora);
    }
    mostrati_ = incontriMostrati();
}

void InserimentoRisultatiWindow::mostraPagina(GiornataGirone g, bool primoPunteggio)
{
    GiornataCalendario letta;
    letta.giornata = g.giornata;
    letta.andata = g.andata;
    int ultima = 0;
    EseguiComando(TITOLO, [&] {
        ultima = NavigazioneGiornate::ultimaGiornata();
        letta = CalendarioQueries::leggi(g.giornata, g.andata);
    });
    pagina_ = letta;
    ultima_ = ultima;
    file_ = fileAperto();
    mostrata_ = true;

    testata_->mostra(g, pagina_.riposa);
    // The same number of pairings keeps the rows, and so the box the user just clicked.
    const bool nuoveRighe = !tabella_ || righe_.size() != pagina_.incontri.size();
    if (nuoveRighe) costruisciRighe();
    riempiRighe();
    aggiornaComandi();
    TestataGiornata::adattaCornice(this);
    // Typing starts on the first score, or where the cursor was, replacing what the box shows; unless another
    // window is in front. A click that brought the window forward then puts the cursor where it was.
    if (righe_.isEmpty() || (isVisible() && Finestre::istanza().finestraAttiva() != this)) return;
    QWidget* cursore = primoPunteggio || nuoveRighe ? righe_.first().golCasa : focusWidget();
    if (cursore && tabella_->isAncestorOf(cursore)) CursoreNellaCasella(cursore);
}

bool InserimentoRisultatiWindow::vaiA(GiornataGirone g)
{
    if (!salvaSeModificata()) return false;
    mostraPagina(g);
    NavigazioneGiornate::consegna(pagina_);
    return true;
}

bool InserimentoRisultatiWindow::paginaDelFileAperto() const { return file_ == fileAperto(); }

QVector<IncontroGiornata> InserimentoRisultatiWindow::incontriMostrati() const
{
    QVector<IncontroGiornata> incontri = pagina_.incontri;
    for (int i = 0; i < incontri.size() && i < righe_.size(); ++i) {
        const Riga& r = righe_[i];
        incontri[i].golCasa = golNormale(r.golCasa->text());
        incontri[i].golOspite = golNormale(r.golOspite->text());
        incontri[i].disputata = r.disputata->isChecked();
        incontri[i].data = r.data->text().trimmed();
        incontri[i].ora = r.ora->text().trimmed();
    }
    return incontri;
}

bool InserimentoRisultatiWindow::modificata() const { return mostrata_ && incontriMostrati() != mostrati_; }

// ---------------------------------------------------------------- saving

bool InserimentoRisultatiWindow::convalida()
{
    const QVector<IncontroGiornata> attuali = incontriMostrati();
    for (int i = 0; i < righe_.size() && i < mostrati_.size(); ++i) {
        // A result the user did not touch is not written, and so not questioned.
        if (!RisultatoCambiato(attuali[i], mostrati_[i])) continue;
        const Riga& r = righe_[i];
        const bool casa = !r.golCasa->text().trimmed().isEmpty();
        const bool ospite = !r.golOspite->text().trimmed().isEmpty();
        const QString partita = r.casa->text() + QStringLiteral(" - ") + r.ospite->text();
        if (!r.disputata->isChecked() && (casa || ospite)) {
            const auto risposta = Messaggio::mostra(
                QStringLiteral("Per la partita %1 è stato inserito un risultato, ma la casella \"Disputata?\" "
                               "non è segnata.\r\rLa partita è stata disputata?")
                    .arg(partita),
                Messaggio::Pulsanti::SiNoAnnulla, Messaggio::Icona::Domanda, TITOLO);
            if (risposta == Messaggio::Risposta::No) {
                // Not played: it is saved so, without scores, with the rest of the day.
                r.golCasa->clear();
                r.golOspite->clear();
                continue;
            }
            if (risposta != Messaggio::Risposta::Si) {
                r.disputata->setFocus();
                return false;
            }
            r.disputata->setChecked(true);
        }
        if (r.disputata->isChecked() && (!casa || !ospite)) {
            Messaggio::errore(QStringLiteral("La partita %1 è segnata come disputata, ma manca il punteggio di una "
                                             "delle due squadre.\r\rInserire entrambi i punteggi, oppure togliere il "
                                             "segno da \"Disputata?\" se la partita non è stata disputata.")
                                  .arg(partita),
                              TITOLO);
            (casa ? r.golOspite : r.golCasa)->setFocus();
            return false;
        }
    }
    return true;
}

bool InserimentoRisultatiWindow::scriviPagina()
{
    const QVector<IncontroGiornata> attuali = incontriMostrati();
    QVector<RigaRisultato> cambiate;
    for (int i = 0; i < attuali.size() && i < mostrati_.size(); ++i) {
        const RigaRisultato r{attuali[i], RisultatoCambiato(attuali[i], mostrati_[i]),
                              attuali[i].data != mostrati_[i].data, attuali[i].ora != mostrati_[i].ora};
        if (r.risultato || r.data || r.ora) cambiate.append(r);
    }
    if (cambiate.isEmpty()) return true;
    QString rifiuto;
    const bool scritta = EseguiComando(TITOLO, [&] {
        // Another window may have changed the day since it was read: nothing goes onto another match.
        rifiuto = InserimentoRisultatiQueries::superata(pagina_.giornata, pagina_.andata, cambiate);
        if (!rifiuto.isEmpty()) return;
        CursoreAttesa();
        InserimentoRisultatiQueries::scrivi(pagina_.giornata, pagina_.andata, cambiate);
        CursoreNormale();
    });
    if (!rifiuto.isEmpty()) Messaggio::errore(rifiuto, TITOLO);
    if (!scritta || !rifiuto.isEmpty()) return false;
    mostrati_ = attuali;
    return true;
}

bool InserimentoRisultatiWindow::salvaSeModificata()
{
    // A page read from another championship is never written into the one open now.
    if (!mostrata_ || !paginaDelFileAperto() || !modificata()) return true;
    return convalida() && scriviPagina();
}

// ---------------------------------------------------------------- commands

bool InserimentoRisultatiWindow::salva()
{
    if (!paginaDelFileAperto()) {
        mostraPagina(giornataMostrata());
        return false;
    }
    if (pagina_.incontri.isEmpty()) return true;
    return convalida() && scriviPagina();
}

bool InserimentoRisultatiWindow::giornataPrecedente()
{
    if (!paginaDelFileAperto()) mostraPagina(giornataMostrata());
    const auto g = NavigazioneGiornate::precedente(giornataMostrata(), ultima_);
    return g && vaiA(*g);
}

bool InserimentoRisultatiWindow::giornataSuccessiva()
{
    if (!paginaDelFileAperto()) mostraPagina(giornataMostrata());
    const auto g = NavigazioneGiornate::successiva(giornataMostrata(), ultima_);
    return g && vaiA(*g);
}

bool InserimentoRisultatiWindow::cambiaGirone()
{
    if (!paginaDelFileAperto()) mostraPagina(giornataMostrata());
    return vaiA({pagina_.giornata, !pagina_.andata});
}

bool InserimentoRisultatiWindow::apriClassificaParziale()
{
    if (!Finestre::istanza().registrata(IdFinestra::Classifica)) return false;
    if (!paginaDelFileAperto()) mostraPagina(giornataMostrata());
    // The table counts what was just typed.
    if (!salvaSeModificata()) return false;
    NavigazioneGiornate::impostaArcoFinoA(giornataMostrata());
    Finestre::istanza().mostra(IdFinestra::Classifica);
    return true;
}

void InserimentoRisultatiWindow::aggiornaComandi()
{
    const GiornataGirone g = giornataMostrata();
    precedente_->impostaDisponibile(NavigazioneGiornate::precedente(g, ultima_).has_value());
    successiva_->impostaDisponibile(NavigazioneGiornate::successiva(g, ultima_).has_value());
    cambioGirone_->setText(NavigazioneGiornate::testoCambioGirone(g.andata));
    cambioGirone_->impostaDisponibile(ultima_ > 0);
    salva_->impostaDisponibile(!pagina_.incontri.isEmpty());
    classificaParziale_->impostaDisponibile(ultima_ > 0);
}
