#include "platform/griglia.h"

#include "platform/delegatogriglia.h"
#include "platform/intestazionegriglia.h"
#include "platform/modellogriglia.h"

#include <algorithm>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QtMath>
#include <QVBoxLayout>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int LarghezzaIniziale = 960;  // twips, a new column
// Width of a digit, in px, of the font the twips widths were designed for.
constexpr double CifraDiProgetto = 6.0;
constexpr int MargineTesto = 12;  // px around a text a column is sized to

}  // namespace

// Keeps the grid's own changes of the views from reading as the user's.
class Griglia::Interno {
public:
    explicit Interno(Griglia* g) : g_(g), prima_(g->interno_) { g_->interno_ = true; }
    ~Interno() { g_->interno_ = prima_; }
    Interno(const Interno&) = delete;
    Interno& operator=(const Interno&) = delete;

private:
    Griglia* g_;
    bool prima_;
};

Griglia::Griglia(QWidget* parent) : QWidget(parent), dati_(std::make_unique<DatiGriglia>())
{
    modelloFisso_ = new ModelloGriglia(*dati_, ModelloGriglia::Parte::Fissa, this);
    modelloScorrevole_ = new ModelloGriglia(*dati_, ModelloGriglia::Parte::Scorrevole, this);

    vista_ = new QTableView(this);
    intestazione_ = new IntestazioneGriglia(vista_);
    vista_->setHorizontalHeader(intestazione_);
    vista_->setModel(modelloScorrevole_);
    vista_->verticalHeader()->hide();
    vista_->verticalHeader()->setMinimumSectionSize(0);
    vista_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista_->setSelectionMode(QAbstractItemView::SingleSelection);
    vista_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    vista_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    vista_->setWordWrap(false);
    vista_->setSortingEnabled(false);
    vista_->setTabKeyNavigation(false);

    auto* delegato = new DelegatoGriglia(this);
    vista_->setItemDelegate(delegato);
    QTableView* fissa = intestazione_->vistaFissa();
    fissa->setModel(modelloFisso_);
    fissa->setItemDelegate(delegato);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vista_);
    setFocusProxy(vista_);

    connect(vista_->horizontalScrollBar(), &QScrollBar::valueChanged, intestazione_, &IntestazioneGriglia::scorri);
    connect(vista_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& attuale) { correnteDallaVista(attuale); });
    connect(vista_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& indice) {
        if (indice.isValid()) emit doppioClic(indice.row() + dati_->fisseEffettive());
    });

    aggiornaAltezzaRighe();
    dopoStruttura();
}

Griglia::~Griglia()
{
    // The views read the data while they close: they go before it does.
    delete vista_;
}

QTableView* Griglia::vista() const { return vista_; }
QTableView* Griglia::vistaFissa() const { return intestazione_->vistaFissa(); }

// ---- size ----

int Griglia::colonne() const { return dati_->colonne; }
int Griglia::righe() const { return dati_->numeroRighe(); }
int Griglia::righeFisse() const { return dati_->righeFisse; }

void Griglia::impostaColonne(int n)
{
    n = qMax(0, n);
    if (n == dati_->colonne) return;
    azzeraViste([&] {
        dati_->colonne = n;
        for (auto& riga : dati_->righe) riga.resize(n);
        dati_->allineamentiColonne.resize(n, Allineamento::Generale);
        larghezzeTwips_.resize(n, LarghezzaIniziale);
        larghezze_.resize(n, inPixel(LarghezzaIniziale));
    });
}

void Griglia::impostaRighe(int n)
{
    n = qMax(0, n);
    const int prima = righe();
    if (n == prima) return;
    const Banda banda = bandaDopo(n);
    const int s0 = prima - dati_->fisseEffettive();
    if (n > prima)
        cambiaRighe(banda.fisse != dati_->fisseEffettive(), s0, banda.scorrevoli - s0, true,
                    [&] { dati_->righe.resize(n, QList<CellaGriglia>(dati_->colonne)); });
    else
        cambiaRighe(banda.fisse != dati_->fisseEffettive(), banda.scorrevoli, s0 - banda.scorrevoli, false,
                    [&] { dati_->righe.resize(n); });
}

void Griglia::impostaRigheFisse(int n)
{
    n = qMax(0, n);
    if (n == dati_->righeFisse) return;
    azzeraViste([&] { dati_->righeFisse = n; });
}

// ---- rows ----

void Griglia::aggiungiRiga(const QStringList& celle, int indice)
{
    const int n0 = righe();
    if (indice < 0 || indice > n0) indice = n0;

    QList<CellaGriglia> riga(dati_->colonne);
    for (int c = 0; c < dati_->colonne && c < celle.size(); ++c) riga[c].testo = celle[c];

    const int f0 = dati_->fisseEffettive();
    const Banda banda = bandaDopo(n0 + 1);
    const int s0 = n0 - f0;
    const int primo = indice >= banda.fisse ? indice - banda.fisse : 0;
    cambiaRighe(indice < banda.fisse || banda.fisse != f0, primo, banda.scorrevoli - s0, true,
                [&] { dati_->righe.insert(indice, std::move(riga)); });
}

void Griglia::rimuoviRiga(int riga)
{
    if (!rigaValida(riga, "rimuoviRiga")) return;
    const int n0 = righe();
    const int f0 = dati_->fisseEffettive();
    const Banda banda = bandaDopo(n0 - 1);
    const int s0 = n0 - f0;
    const int primo = riga >= f0 ? riga - f0 : 0;
    cambiaRighe(riga < f0 || banda.fisse != f0, primo, s0 - banda.scorrevoli, false,
                [&] { dati_->righe.removeAt(riga); });
}

void Griglia::svuota()
{
    azzeraViste([&] {
        for (auto& riga : dati_->righe)
            for (auto& cella : riga) cella = CellaGriglia{};
    });
}

// ---- cells ----

QString Griglia::testo(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) ? dati_->righe[riga][colonna].testo : QString();
}

void Griglia::impostaTesto(int riga, int colonna, const QString& testo)
{
    cambiaCella(riga, colonna, "impostaTesto", [&](CellaGriglia& c) { c.testo = testo; });
}

Griglia::Allineamento Griglia::allineamentoColonna(int colonna) const
{
    return dati_->allineamentiColonne.value(colonna, Allineamento::Generale);
}

void Griglia::impostaAllineamentoColonna(int colonna, Allineamento a)
{
    if (colonna < 0 || colonna >= colonne()) {
        qWarning("Griglia::impostaAllineamentoColonna: colonna %d fuori dalla griglia", colonna);
        return;
    }
    if (a == Allineamento::Colonna) a = Allineamento::Generale;
    azzeraViste([&] { dati_->allineamentiColonne[colonna] = a; });
}

Griglia::Allineamento Griglia::allineamento(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) ? dati_->righe[riga][colonna].allineamento : Allineamento::Colonna;
}

void Griglia::impostaAllineamento(int riga, int colonna, Allineamento a)
{
    cambiaCella(riga, colonna, "impostaAllineamento", [&](CellaGriglia& c) { c.allineamento = a; });
}

bool Griglia::grassetto(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) && dati_->righe[riga][colonna].grassetto;
}

void Griglia::impostaGrassetto(int riga, int colonna, bool grassetto)
{
    cambiaCella(riga, colonna, "impostaGrassetto", [&](CellaGriglia& c) { c.grassetto = grassetto; });
}

QColor Griglia::coloreTesto(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) ? dati_->righe[riga][colonna].coloreTesto : QColor();
}

void Griglia::impostaColoreTesto(int riga, int colonna, const QColor& colore)
{
    cambiaCella(riga, colonna, "impostaColoreTesto", [&](CellaGriglia& c) { c.coloreTesto = colore; });
}

QColor Griglia::coloreSfondo(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) ? dati_->righe[riga][colonna].coloreSfondo : QColor();
}

void Griglia::impostaColoreSfondo(int riga, int colonna, const QColor& colore)
{
    cambiaCella(riga, colonna, "impostaColoreSfondo", [&](CellaGriglia& c) { c.coloreSfondo = colore; });
}

QPixmap Griglia::immagine(int riga, int colonna) const
{
    return cellaEsiste(riga, colonna) ? dati_->righe[riga][colonna].immagine : QPixmap();
}

void Griglia::impostaImmagine(int riga, int colonna, const QPixmap& immagine)
{
    cambiaCella(riga, colonna, "impostaImmagine", [&](CellaGriglia& c) { c.immagine = immagine; });
}

bool Griglia::unisciRiga0() const { return unisci_; }

void Griglia::impostaUnisciRiga0(bool unisci)
{
    unisci_ = unisci;
    if (!sospeso_) aggiornaUnione();
}

// ---- widths ----

int Griglia::larghezzaColonna(int colonna) const
{
    const int twips = larghezzeTwips_.value(colonna, -1);
    return twips >= 0 ? twips : qRound(larghezzaColonnaPx(colonna) * TwipsPerPixel / scalaTwips());
}

void Griglia::impostaLarghezzaColonna(int colonna, int twips)
{
    if (colonna < 0 || colonna >= colonne()) {
        qWarning("Griglia::impostaLarghezzaColonna: colonna %d fuori dalla griglia", colonna);
        return;
    }
    twips = qMax(0, twips);
    larghezzeTwips_[colonna] = twips;
    applicaLarghezza(colonna, inPixel(twips));
}

int Griglia::larghezzaColonnaPx(int colonna) const { return larghezze_.value(colonna, 0); }

void Griglia::impostaLarghezzaColonnaPx(int colonna, int px)
{
    if (colonna < 0 || colonna >= colonne()) {
        qWarning("Griglia::impostaLarghezzaColonnaPx: colonna %d fuori dalla griglia", colonna);
        return;
    }
    larghezzeTwips_[colonna] = -1;
    applicaLarghezza(colonna, qMax(0, px));
}

void Griglia::adattaColonnaAlTesto(int colonna, const QStringList& testi, bool grassetto, int nomi)
{
    if (testi.isEmpty()) return;
    QFont carattere = vista_->font();
    carattere.setBold(grassetto);
    qreal testo = 0;
    for (const QString& t : testi) testo = qMax(testo, DelegatoGriglia::larghezzaTesto(carattere, t));
    const int px = qMin(qCeil(testo) + MargineTesto, larghezzaMassimaTesto(grassetto, nomi));
    if (px > larghezzaColonnaPx(colonna)) impostaLarghezzaColonnaPx(colonna, px);
}

void Griglia::allargaColonneAlTesto(int prima, int ultima)
{
    const int fine = ultima < 0 ? colonne() - 1 : qMin(ultima, colonne() - 1);
    prima = qMax(0, prima);
    if (prima > fine || righe() <= righeFisse()) return;
    // As adattaColonnaAlTesto on each column's plain and bold texts, with the two fonts and their limits worked out
    // once for every column and the cells read in place.
    QFont caratteri[2] = {vista_->font(), vista_->font()};
    caratteri[1].setBold(true);
    const int limiti[2] = {larghezzaMassimaTesto(false), larghezzaMassimaTesto(true)};
    for (int c = prima; c <= fine; ++c) {
        int px = larghezzaColonnaPx(c);
        for (int r = righeFisse(); r < righe(); ++r) {
            const QList<CellaGriglia>& riga = dati_->righe.at(r);
            if (c >= riga.size()) continue;
            const CellaGriglia& cella = riga.at(c);
            if (cella.testo.isEmpty()) continue;
            const int g = cella.grassetto ? 1 : 0;
            const qreal testo = DelegatoGriglia::larghezzaTesto(caratteri[g], cella.testo);
            px = qMax(px, qMin(qCeil(testo) + MargineTesto, limiti[g]));
        }
        if (px > larghezzaColonnaPx(c)) impostaLarghezzaColonnaPx(c, px);
    }
}

void Griglia::impostaColonnaElastica(int colonna, int minimo, int massimo)
{
    if (colonna < 0 || colonna >= colonne()) {
        qWarning("Griglia::impostaColonnaElastica: colonna %d fuori dalla griglia", colonna);
        return;
    }
    elastica_ = {colonna, minimo, qMax(minimo, massimo)};
    if (testAttribute(Qt::WA_Resized)) adattaColonnaElastica();
}

void Griglia::adattaColonnaElastica()
{
    const int c = elastica_.colonna;
    if (c < 0 || c >= colonne()) return;
    const int altre = sizeHint().width() - larghezzaColonnaPx(c);  // the other columns, the frame and the scroll bar
    const int px = std::clamp(width() - altre, elastica_.minimo, elastica_.massimo);
    if (px != larghezzaColonnaPx(c)) impostaLarghezzaColonnaPx(c, px);
}

void Griglia::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    adattaColonnaElastica();
}

int Griglia::larghezzaMassimaTesto(bool grassetto, int nomi) const
{
    QFont carattere = vista_->font();
    carattere.setBold(grassetto);
    return qCeil(DelegatoGriglia::larghezzaMassimaTesto(carattere, nomi)) + MargineTesto;
}

double Griglia::scalaTwips() const
{
    const double cifra = QFontMetricsF(vista_->font()).horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
    return qMax(1.0, cifra / CifraDiProgetto);
}

int Griglia::inPixel(int twips) const { return qRound(twips * scalaTwips() / TwipsPerPixel); }

QSize Griglia::sizeHint() const
{
    int larghezza = 2 * vista_->frameWidth() + vista_->verticalScrollBar()->sizeHint().width();
    for (int px : larghezze_) larghezza += px;
    const int altezza = 2 * vista_->frameWidth() + 12 * altezzaRiga_;
    return QSize(larghezza, altezza);
}

void Griglia::applicaLarghezza(int colonna, int px)
{
    larghezze_[colonna] = px;
    if (sospeso_) return;
    vista_->setColumnWidth(colonna, px);
    vistaFissa()->setColumnWidth(colonna, px);
    updateGeometry();
}

// ---- current cell ----

int Griglia::rigaCorrente() const { return riga_; }
int Griglia::colonnaCorrente() const { return colonna_; }

void Griglia::impostaRigaCorrente(int riga) { impostaCellaCorrente(riga, colonna_); }
void Griglia::impostaColonnaCorrente(int colonna) { impostaCellaCorrente(riga_, colonna); }

void Griglia::impostaCellaCorrente(int riga, int colonna)
{
    if ((riga != 0 || righe() != 0) && !rigaValida(riga, "impostaCellaCorrente")) return;
    if ((colonna != 0 || colonne() != 0) && (colonna < 0 || colonna >= colonne())) {
        qWarning("Griglia::impostaCellaCorrente: colonna %d fuori dalla griglia", colonna);
        return;
    }
    riga_ = riga;
    colonna_ = colonna;
    applicaCorrente();
}

bool Griglia::selezioneRiga() const { return selezioneRiga_; }

void Griglia::impostaSelezioneRiga(bool intera)
{
    selezioneRiga_ = intera;
    vista_->setSelectionMode(intera ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
    applicaCorrente();
}

// ---- scrolling and redraw ----

void Griglia::impostaRigaInAlto(int riga)
{
    if (sospeso_) {
        rigaInAltoRichiesta_ = riga;
        return;
    }
    vista_->doItemsLayout();  // the scroll range must know of rows added just now
    vista_->verticalScrollBar()->setValue(qMax(0, riga - dati_->fisseEffettive()));
}

int Griglia::rigaInAlto() const
{
    const int f = dati_->fisseEffettive();
    if (sospeso_ || righe() == f) return f;
    // At the end of its travel the view may show the top row in part: the first whole one counts.
    int r = vista_->rowAt(0);
    if (r < 0) return f;
    if (vista_->rowViewportPosition(r) < 0 && r + 1 < righe() - f) ++r;
    return f + r;
}

bool Griglia::ridisegno() const { return ridisegno_; }

void Griglia::impostaRidisegno(bool attivo)
{
    if (attivo == ridisegno_) return;
    ridisegno_ = attivo;
    if (!attivo) {
        setUpdatesEnabled(false);
        return;
    }
    if (sospeso_) {
        Interno interno(this);
        sospeso_ = false;
        modelloFisso_->fineAzzeramento();
        modelloScorrevole_->fineAzzeramento();
        dopoStruttura();
    }
    setUpdatesEnabled(true);
    if (rigaInAltoRichiesta_) {
        impostaRigaInAlto(*rigaInAltoRichiesta_);
        rigaInAltoRichiesta_.reset();
    }
}

void Griglia::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        aggiornaAltezzaRighe();
        for (int c = 0; c < larghezze_.size(); ++c)
            if (larghezzeTwips_[c] >= 0) larghezze_[c] = inPixel(larghezzeTwips_[c]);
        updateGeometry();
        if (!sospeso_) dopoStruttura();
    }
}

// ---- internals ----

Griglia::Banda Griglia::bandaDopo(int righe) const
{
    const int fisse = qMin(dati_->righeFisse, righe);
    return {fisse, righe - fisse};
}

void Griglia::cambiaRighe(bool toccaFisse, int primo, int quante, bool inserimento, const std::function<void()>& cambia)
{
    Avviso avviso{toccaFisse, Scorrevoli::Niente, primo, quante};
    if (quante > 0) avviso.scorrevoli = inserimento ? Scorrevoli::Inserite : Scorrevoli::Rimosse;
    modifica(avviso, cambia);
}

void Griglia::azzeraViste(const std::function<void()>& cambia) { modifica({true, Scorrevoli::Tutte, 0, 0}, cambia); }

void Griglia::modifica(const Avviso& avviso, const std::function<void()>& cambia)
{
    Interno interno(this);
    if (!ridisegno_) sospendi();
    if (sospeso_) {
        cambia();
        limitaCorrente();
        return;
    }
    const int ultima = avviso.primo + avviso.quante - 1;
    if (avviso.fisse) modelloFisso_->inizioAzzeramento();
    switch (avviso.scorrevoli) {
    case Scorrevoli::Niente: break;
    case Scorrevoli::Inserite: modelloScorrevole_->inizioInserimento(avviso.primo, ultima); break;
    case Scorrevoli::Rimosse: modelloScorrevole_->inizioRimozione(avviso.primo, ultima); break;
    case Scorrevoli::Tutte: modelloScorrevole_->inizioAzzeramento(); break;
    }
    cambia();
    switch (avviso.scorrevoli) {
    case Scorrevoli::Niente: break;
    case Scorrevoli::Inserite: modelloScorrevole_->fineInserimento(); break;
    case Scorrevoli::Rimosse: modelloScorrevole_->fineRimozione(); break;
    case Scorrevoli::Tutte: modelloScorrevole_->fineAzzeramento(); break;
    }
    if (avviso.fisse) modelloFisso_->fineAzzeramento();
    if (avviso.fisse && avviso.scorrevoli != Scorrevoli::Tutte && dati_->colonne > 0)
        modelloScorrevole_->intestazioniCambiate(0, dati_->colonne - 1);
    dopoStruttura();
}

void Griglia::cambiaCella(int riga, int colonna, const char* operazione,
                          const std::function<void(CellaGriglia&)>& cambia)
{
    if (!cellaEsiste(riga, colonna)) {
        qWarning("Griglia::%s: cella (%d, %d) fuori dalla griglia", operazione, riga, colonna);
        return;
    }
    Interno interno(this);
    if (!ridisegno_) sospendi();
    cambia(dati_->righe[riga][colonna]);
    if (sospeso_) return;
    const int f = dati_->fisseEffettive();
    if (riga < f) {
        modelloFisso_->cellaCambiata(riga, colonna);
        modelloScorrevole_->intestazioniCambiate(colonna, colonna);
    } else {
        modelloScorrevole_->cellaCambiata(riga - f, colonna);
    }
    if (riga == 0) aggiornaUnione();
}

void Griglia::sospendi()
{
    if (sospeso_) return;
    sospeso_ = true;
    modelloFisso_->inizioAzzeramento();
    modelloScorrevole_->inizioAzzeramento();
}

void Griglia::dopoStruttura()
{
    const int fisse = dati_->fisseEffettive();
    intestazione_->setVisible(fisse > 0);
    intestazione_->impostaRighe(fisse, altezzaRiga_);
    applicaLarghezze();
    aggiornaUnione();
    limitaCorrente();
    applicaCorrente();
}

void Griglia::aggiornaAltezzaRighe()
{
    altezzaRiga_ = qMax(QFontMetrics(vista_->font()).height() + 6, DelegatoGriglia::LatoImmagine + 4);
    vista_->verticalHeader()->setDefaultSectionSize(altezzaRiga_);
}

void Griglia::applicaLarghezze()
{
    updateGeometry();
    QTableView* fissa = vistaFissa();
    for (int c = 0; c < larghezze_.size(); ++c) {
        vista_->setColumnWidth(c, larghezze_[c]);
        fissa->setColumnWidth(c, larghezze_[c]);
    }
}

void Griglia::aggiornaUnione()
{
    QTableView* fissa = vistaFissa();
    fissa->clearSpans();
    vista_->clearSpans();
    if (!unisci_ || righe() == 0) return;
    QTableView* v = dati_->fisseEffettive() > 0 ? fissa : vista_;
    const auto& riga0 = dati_->righe[0];
    for (int inizio = 0; inizio < dati_->colonne;) {
        int fine = inizio + 1;
        while (fine < dati_->colonne && riga0[fine].testo == riga0[inizio].testo) ++fine;
        if (fine - inizio > 1) v->setSpan(0, inizio, 1, fine - inizio);
        inizio = fine;
    }
}

void Griglia::limitaCorrente()
{
    riga_ = qBound(0, riga_, qMax(0, righe() - 1));
    colonna_ = qBound(0, colonna_, qMax(0, colonne() - 1));
}

void Griglia::applicaCorrente()
{
    if (sospeso_) return;
    Interno interno(this);
    QScrollBar* verticale = vista_->verticalScrollBar();
    QScrollBar* orizzontale = vista_->horizontalScrollBar();
    const int v = verticale->value();
    const int o = orizzontale->value();

    QItemSelectionModel* selezione = vista_->selectionModel();
    const int f = dati_->fisseEffettive();
    if (riga_ >= f && riga_ < righe() && colonna_ < colonne()) {
        const QModelIndex indice = modelloScorrevole_->index(riga_ - f, colonna_);
        if (selezioneRiga_)
            selezione->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            selezione->setCurrentIndex(indice, QItemSelectionModel::Clear);
    } else {
        selezione->clearSelection();
        selezione->clearCurrentIndex();
    }
    verticale->setValue(v);
    orizzontale->setValue(o);
}

void Griglia::correnteDallaVista(const QModelIndex& attuale)
{
    if (interno_ || !attuale.isValid()) return;
    const int riga = attuale.row() + dati_->fisseEffettive();
    const bool altraRiga = riga != riga_;
    riga_ = riga;
    colonna_ = attuale.column();
    if (altraRiga) emit rigaSelezionata(riga_);
}

bool Griglia::cellaEsiste(int riga, int colonna) const
{
    return riga >= 0 && riga < righe() && colonna >= 0 && colonna < colonne();
}

bool Griglia::rigaValida(int riga, const char* operazione) const
{
    if (riga >= 0 && riga < righe()) return true;
    qWarning("Griglia::%s: riga %d fuori dalla griglia (%d righe)", operazione, riga, righe());
    return false;
}
