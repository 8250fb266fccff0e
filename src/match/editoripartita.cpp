#include "match/editoripartita.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "match/schedapartitaqueries.h"
#include "platform/azione.h"
#include "platform/combocodici.h"
#include "platform/icone.h"
#include "platform/messaggio.h"
#include "platform/testoinriga.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace {

constexpr int MINUTO_MASSIMO = 99;
constexpr int LATO_PULSANTE = 26;
constexpr int CARATTERI_NOME = 34;     // a first name and a long surname
constexpr int LUNGHEZZA_NOME = 255;    // PRESENZE.NOME
constexpr int CARATTERI_SQUADRA = 30;  // SQUADRA.NOME
constexpr int MARGINE_TESTO = 2;       // a line edit's own room either side of its text

// The width of a line edit that shows `testo` whole in its font: the text, its room, the frame.
int LarghezzaPer(const QLineEdit* casella, const QString& testo)
{
    QStyleOptionFrame o;
    o.initFrom(casella);
    o.lineWidth = casella->hasFrame() ? casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, casella) : 0;
    const QFontMetrics fm = casella->fontMetrics();
    const QSize contenuto(fm.horizontalAdvance(testo) + 2 * MARGINE_TESTO, fm.height());
    return casella->style()->sizeFromContents(QStyle::CT_LineEdit, &o, contenuto, casella).width();
}

// A name longer than its picker's box shows from its first letter, as the lists show it.
void MostraInizio(ComboCodici* combo)
{
    if (QLineEdit* riga = combo->lineEdit()) riga->setCursorPosition(0);
}

// The entry whose text is the one shown (see GiocatoreScelto); -1 when none.
int VoceNominata(const ComboCodici* combo)
{
    const QString testo = combo->currentText().trimmed();
    if (testo.isEmpty()) return -1;
    const int scelta = combo->currentIndex();
    for (const Qt::CaseSensitivity maiuscole : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        auto uguale = [&](int i) { return combo->itemText(i).trimmed().compare(testo, maiuscole) == 0; };
        if (scelta >= 0 && uguale(scelta)) return scelta;
        for (int i = 0; i < combo->count(); ++i)
            if (uguale(i)) return i;
    }
    return -1;
}

}  // namespace

PartitaEditore LeggiPartitaEditore()
{
    const Stato& s = stato();
    PartitaEditore p;
    p.codPart = s.CodPartitaCorrente;
    p.giornata = s.GiornataCorrente;
    p.andata = s.Andata;
    const DatiPartita d = SchedaPartitaQueries::partita(p.codPart, p.andata);
    p.trovata = d.trovata;
    p.squadra1 = d.casa;
    p.squadra2 = d.ospite;
    // The match's own day, whatever the caller's.
    if (d.trovata) p.giornata = d.giornata;
    return p;
}

QVector<VoceGiocatore> RosaSquadra(const QString& squadra, int formatoNome, GiunturaIniziale giuntura,
                                   std::optional<MatchGirone> senzaTitolariDi)
{
    QVector<VoceGiocatore> voci;
    const int indice = IndiceSquadra(squadra);
    if (indice <= 0) return voci;
    QString sql = QStringLiteral("SELECT Codice, Nome, Cognome FROM Giocatore WHERE CodSquadra = ?");
    QVariantList parametri{stato().Squadre[indice].Codice.toInt()};
    if (senzaTitolariDi) {
        sql += QStringLiteral(" AND Codice NOT IN (SELECT CodGiocatore FROM Presenze WHERE Squadra = ? AND Girone = ? "
                              "AND CodPartita = ? AND Titolare = ? AND CodGiocatore IS NOT NULL)");
        parametri << squadra << GironePresenze(senzaTitolariDi->andata) << senzaTitolariDi->codPart << VERO;
    }
    Query q(sql + QStringLiteral(" ORDER BY Cognome, Nome, Codice"), parametri);
    while (q.next()) voci.append({q.intero(0), NomeGiocatoreElenco(q.testo(1), q.testo(2), formatoNome, giuntura)});
    return voci;
}

std::optional<int> CodiceMinutoDaTesto(const QString& testo, bool secondoTempo)
{
    const std::optional<int> minuto = InteroScritto(testo, MINUTO_MASSIMO);
    if (!minuto) return std::nullopt;
    return CodiceMinuto(*minuto, secondoTempo);
}

std::optional<QVariant> VotoDaSalvare(const QString& prima, const QString& ora)
{
    if (const std::optional<double> voto = LeggiVotoScritto(ora).voto) return QVariant(*voto);
    if (ora.trimmed().isEmpty() && !prima.trimmed().isEmpty()) return QVariant(QMetaType::fromType<double>());
    return std::nullopt;
}

QLineEdit* CasellaDidascalia(const QString& nome, const QString& testo, QWidget* parent)
{
    auto* t = new QLineEdit(testo, parent);
    t->setObjectName(nome);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    t->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(192, 192, 192); }"));
    return t;
}

QFrame* CreaStriscia(const QString& nome, QWidget* parent)
{
    auto* f = new QFrame(parent);
    f->setObjectName(nome);
    f->setFrameShape(QFrame::StyledPanel);
    auto* riga = new QHBoxLayout(f);
    riga->setContentsMargins(4, 3, 4, 3);
    riga->setSpacing(2);
    return f;
}

Azione* AzioneEditore(const QString& testo, const QString& icona, const QString& suggerimento, QObject* parent,
                      std::function<void()> fare)
{
    auto* a = new Azione(testo, Icona(icona), parent);
    a->conSuggerimento(suggerimento)->allo(std::move(fare));
    return a;
}

QLabel* EtichettaCampo(const QString& nome, const QString& testo, QWidget* buddy, QWidget* parent, bool grassetto)
{
    auto* l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setBuddy(buddy);
    QFont f = l->font();
    f.setBold(grassetto);
    l->setFont(f);
    return l;
}

ComboCodici* SceltaGiocatore(const QString& nome, const QString& descrizione, QWidget* parent)
{
    auto* c = new ComboCodici(parent);
    c->setObjectName(nome);
    c->setModificabile(true);
    c->setAccessibleName(descrizione);
    c->lineEdit()->setMaxLength(LUNGHEZZA_NOME);
    c->setMinimumContentsLength(CARATTERI_NOME);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

StrisciaPartita CreaStrisciaPartita(const QString& nomePartita, const QString& nomeSquadra, QWidget* parent)
{
    StrisciaPartita s;
    s.barra = CreaStriscia(QStringLiteral("Toolbar1"), parent);
    auto* riga = static_cast<QHBoxLayout*>(s.barra->layout());
    QLineEdit* didascalia = CasellaDidascalia(QStringLiteral("Text2"), QStringLiteral("Partita:"), s.barra);
    didascalia->setFixedWidth(didascalia->fontMetrics().horizontalAdvance(didascalia->text()) + 12);
    s.partita = CasellaDidascalia(nomePartita, QString(), s.barra);
    QFont grassetto = s.partita->font();
    grassetto.setBold(true);
    s.partita->setFont(grassetto);
    // Two names as long as a name is shown side by side (MostraIncontro cuts longer ones, each on its own).
    const QString nome(CaratteriNomeMassimi, QLatin1Char('n'));
    s.partita->setMinimumWidth(LarghezzaPer(s.partita, nome + QLatin1String(SeparatoreIncontro) + nome));
    s.partita->setAccessibleName(QStringLiteral("Partita"));
    QLineEdit* squadra = CasellaDidascalia(QStringLiteral("Text4"), QStringLiteral("Squadra"), s.barra);
    squadra->setFixedWidth(squadra->fontMetrics().horizontalAdvance(squadra->text()) + 12);
    s.squadra = new ComboCodici(s.barra);
    s.squadra->setObjectName(nomeSquadra);
    s.squadra->setAccessibleName(QStringLiteral("Squadra"));
    s.squadra->setStyleSheet(QStringLiteral("QComboBox { background: rgb(224, 224, 224); }"));
    s.squadra->setMinimumContentsLength(CARATTERI_SQUADRA);
    s.squadra->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    riga->addWidget(didascalia);
    riga->addSpacing(4);
    riga->addWidget(s.partita, 1);
    riga->addSpacing(8);
    riga->addWidget(squadra);
    riga->addSpacing(4);
    riga->addWidget(s.squadra);
    return s;
}

QToolButton* PulsanteFigura(QAction* azione, const QString& nome, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(18, 18));
    b->setFixedSize(LATO_PULSANTE, LATO_PULSANTE);
    Collega(b, azione);
    b->setAccessibleName(azione->toolTip());
    return b;
}

CampoMinuto::CampoMinuto(const QString& nomeTesto, const QString& nomePrimo, const QString& nomeSecondo,
                         QWidget* parent)
    : testo_(new QLineEdit(parent)), primo_(new QRadioButton(QStringLiteral("1° Tempo"), parent)),
      secondo_(new QRadioButton(QStringLiteral("2° Tempo"), parent)), gruppo_(new QButtonGroup(parent))
{
    testo_->setObjectName(nomeTesto);
    testo_->setAccessibleName(QStringLiteral("Minuto"));
    testo_->setFixedWidth(testo_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    primo_->setObjectName(nomePrimo);
    secondo_->setObjectName(nomeSecondo);
    gruppo_->addButton(primo_);
    gruppo_->addButton(secondo_);
}

QHBoxLayout* CampoMinuto::riga() const
{
    auto* r = new QHBoxLayout;
    r->addWidget(testo_);
    r->addSpacing(8);
    r->addWidget(primo_);
    r->addWidget(secondo_);
    r->addStretch(1);
    return r;
}

void CampoMinuto::azzera(bool primoTempo)
{
    testo_->clear();
    if (primoTempo) {
        primo_->setChecked(true);
        return;
    }
    gruppo_->setExclusive(false);
    primo_->setChecked(false);
    secondo_->setChecked(false);
    gruppo_->setExclusive(true);
}

void CampoMinuto::mostra(const QVariant& codice, bool primoSeNullo)
{
    azzera(primoSeNullo);
    if (codice.isNull() || !codice.isValid()) return;
    const int c = codice.toInt();
    testo_->setText(QString::number(MinutoNelTempo(c)));
    (SecondoTempo(c) ? secondo_ : primo_)->setChecked(true);
}

std::optional<int> CampoMinuto::codice() const { return CodiceMinutoDaTesto(testo_->text(), secondo_->isChecked()); }

void RiempiGiocatori(ComboCodici* combo, const QVector<VoceGiocatore>& voci)
{
    ComboCodici::SenzaClick guardia(combo);
    combo->svuota();
    QVector<std::pair<QString, qint32>> elenco;
    elenco.reserve(voci.size());
    for (const VoceGiocatore& v : voci) elenco.append({v.testo, v.codice});
    combo->aggiungiTutti(elenco);
    SvuotaScelta(combo);
}

int GiocatoreScelto(const ComboCodici* combo) { return GiocatoreNominato(combo).codice; }

VoceGiocatore GiocatoreNominato(const ComboCodici* combo)
{
    const int i = VoceNominata(combo);
    if (i < 0) return {GIOCATORE_NON_IN_ROSA, combo->currentText().trimmed()};
    return {combo->codice(i), combo->itemText(i)};
}

bool MostraGiocatore(ComboCodici* combo, int codice, const QString& altrimenti)
{
    ComboCodici::SenzaClick guardia(combo);
    SvuotaScelta(combo);
    // A name typed in (-1) has no entry, whatever the picker holds.
    const int i = codice == GIOCATORE_NON_IN_ROSA ? -1 : combo->trovaCodice(codice);
    if (i >= 0)
        combo->setCurrentIndex(i);
    else
        combo->setEditText(altrimenti);
    MostraInizio(combo);
    return i >= 0;
}

void MostraGiocatoreSalvato(ComboCodici* combo, int codice, const QString& nome)
{
    if (MostraGiocatore(combo, codice, nome) || codice == GIOCATORE_NON_IN_ROSA || nome.trimmed().isEmpty()) return;
    ComboCodici::SenzaClick guardia(combo);
    combo->setCurrentIndex(combo->aggiungi(nome, codice));
    MostraInizio(combo);
}

void SvuotaScelta(ComboCodici* combo)
{
    ComboCodici::SenzaClick guardia(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

GiocatoreMostrato Mostrato(const ComboCodici* combo, int codice) { return {codice, combo->currentText()}; }

bool Invariato(const ComboCodici* combo, const GiocatoreMostrato& m)
{
    if (combo->currentText() != m.testo) return false;
    const int i = combo->currentIndex();
    return i < 0 || combo->itemText(i) != m.testo || combo->codice(i) == m.codice;
}
