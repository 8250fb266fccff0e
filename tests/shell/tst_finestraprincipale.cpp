#include "ambientemdi.h"
#include "core/idfinestre.h"
#include "core/schema.h"
#include "platform/combocodici.h"
#include "platform/grafico.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/pannello.h"
#include "platform/stileprogramma.h"
#include "shell/comandi.h"
#include "shell/tuttelefinestre.h"
#include "support/fixturecampionato.h"

#include <atomic>
#include <fcntl.h>
#include <limits>
#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSqlRecord>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QWheelEvent>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A FIFO that notes every time something opens it for reading, as Qt opens the file that an image tag names. No
// reader ever waits on it: each one finds a writer that closes at once.
class Trappola {
public:
    explicit Trappola(const QString& percorso) : percorso_(QFile::encodeName(percorso))
    {
        if (mkfifo(percorso_.constData(), 0600) != 0) return;
        guardia_ = std::thread([this] {
            for (;;) {
                const int fd = ::open(percorso_.constData(), O_WRONLY);
                if (fd >= 0) ::close(fd);
                if (fine_) return;
                if (fd >= 0)
                    ++letture_;
                else if (errno != EINTR)
                    return;
            }
        });
    }
    ~Trappola() { letture(); }
    // Stops watching; how many readers came.
    int letture()
    {
        if (guardia_.joinable()) {
            fine_ = true;
            const int fd = ::open(percorso_.constData(), O_RDONLY | O_NONBLOCK);  // lets the writer's open return
            guardia_.join();
            if (fd >= 0) ::close(fd);
        }
        return letture_;
    }
    bool pronta() const { return guardia_.joinable(); }

private:
    QByteArray percorso_;
    std::thread guardia_;
    std::atomic<bool> fine_ = false;
    std::atomic<int> letture_ = 0;
};

// The player of `squadra` who scored the most goals (the first of them).
// What a drop-down, a box, a slider or a row of tabs shows as its value.
QString ValoreDi(const QWidget* c)
{
    if (const auto* e = qobject_cast<const QComboBox*>(c))
        return QString("%1 %2").arg(e->currentIndex()).arg(e->currentText());
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(c)) return s->text();
    if (const auto* s = qobject_cast<const QAbstractSlider*>(c)) return QString::number(s->value());
    if (const auto* t = qobject_cast<const QTabBar*>(c)) return QString::number(t->currentIndex());
    return QString();
}

const GiocatoreFixture* Cannoniere(const DatiFixture& d, const QString& squadra)
{
    const GiocatoreFixture* bomber = d.rosa(squadra).first();
    for (const GiocatoreFixture* g : d.rosa(squadra))
        if (g->reti > bomber->reti) bomber = g;
    return bomber;
}

// Seven teams from "Ancona" to "Monza" (one rests in each round), played up to round 3 of the first leg (with
// `andata` false, of the return leg), squads of 15 and the line-ups.
DatiFixture SetteSquadre(const QString& percorso, bool andata = true)
{
    return FixtureCampionato(percorso)
        .squadre(QStringList{"Ancona", "Bari", "Como", "Empoli", "Genoa", "Lecce", "Monza"})
        .giocaFinoA(3, andata)
        .rose(15)
        .formazioni()
        .crea();
}

// The first match that `squadra` plays.
const PartitaFixture* PrimaPartitaDi(const DatiFixture& d, const QString& squadra)
{
    const PartitaFixture* partita = &d.partite.first();
    while (partita->sq1 != squadra && partita->sq2 != squadra) ++partita;
    return partita;
}

// A team renamed, and a player's surname changed, everywhere the file holds them.
void Rinomina(const QString& percorso, const QString& da, const QString& a, int giocatore, const QString& cognome)
{
    {
        QSqlDatabase db = ApriConnessione("rinomina", percorso, false, false);
        for (const char* sql :
             {"UPDATE SQUADRA SET NOME = ? WHERE NOME = ?", "UPDATE PARTITA SET SQ1 = ? WHERE SQ1 = ?",
              "UPDATE PARTITA SET SQ2 = ? WHERE SQ2 = ?", "UPDATE PRESENZE SET SQUADRA = ? WHERE SQUADRA = ?",
              "UPDATE RETI SET SQUADRA = ? WHERE SQUADRA = ?", "UPDATE GIORNATA SET RIPOSA = ? WHERE RIPOSA = ?"})
            Query(sql, {a, da}, db);
        Query("UPDATE GIOCATORE SET COGNOME = ? WHERE CODICE = ?", {cognome, giocatore}, db);
        Query("UPDATE PRESENZE SET NOME = ? WHERE CODGIOCATORE = ?", {cognome, giocatore}, db);
    }
    ChiudiConnessione("rinomina");
}

// The pickers and the calendar check stand on their own, above the main window.
bool Modale(const QString& id)
{
    return QStringList{IdFinestra::SceltaGiocatore, IdFinestra::SceltaImmagine, IdFinestra::Introduzione,
                       IdFinestra::ControlloCalendario}
        .contains(id);
}

// Every registered window of the open championship, opened as its command opens it on the team `squadra`, the match
// `p` and the player `giocatore`; then the windows that compare two teams, drawn for that team against "Bari", the
// player's chart of each kind and the players' comparison. `esamina` sees each before it unloads.
void ApriOgniFinestra(MessaggiDiTest& messaggi, const QString& squadra, const PartitaFixture& p, int giocatore,
                      const std::function<void(const QString&, Finestra*)>& esamina)
{
    const auto apri = [&](const QString& id, const std::function<void(Finestra*)>& fai = {}, int tipo = 1) {
        Stato& s = stato();
        s.SquadraCorrente = squadra;
        s.GiornataCorrente = p.giornata;
        s.Andata = true;
        s.CodPartitaCorrente = p.codPart;
        s.CodGiocatoreCorrente = giocatore;
        s.ClassificaCompleta = s.RicalcolaClassifica = true;
        s.ParzDaGiornata = s.ParzDaGirone = s.ParzAGirone = 1;
        s.ParzAGiornata = 3;
        s.TipoClassifica = s.TipoConfrontoGiocatori = s.TipoGraficoGiocatore = tipo;
        Finestra* w = Modale(id) ? Finestre::istanza().carica(id) : Finestre::istanza().mostra(id);
        if (!w) return;
        if (fai) fai(w);
        if (Modale(id)) w->adjustSize();
        QCoreApplication::processEvents();
        esamina(id, w);
        Finestre::istanza().scaricaSubito(id);
        messaggi.svuota();
    };
    const auto premi = [](Finestra* w, const char* pulsante) { w->findChild<QPushButton*>(pulsante)->click(); };
    for (const QString& id : Finestre::istanza().registrate()) apri(id);
    for (const auto& [id, pulsante] : {std::pair{IdFinestra::ConfrontoTabelle, "Command5"},
                                       {IdFinestra::ScontriDiretti, "Command3"},
                                       {IdFinestra::ConfrontoStatistico, "Command1"},
                                       {IdFinestra::GraficoConfrontoAndamento, "Command1"}})
        apri(id, [&](Finestra* w) {
            w->findChild<ComboCodici*>("Combo1")->selezionaTesto(squadra);
            w->findChild<ComboCodici*>("Combo2")->selezionaTesto("Bari");
            premi(w, pulsante);
        });
    for (int tipo : {1, 2, 3})
        apri(
            IdFinestra::GraficoGiocatore,
            [&](Finestra* w) {
                w->findChild<ComboCodici*>("Combo1")->selezionaCodice(giocatore);
                premi(w, "Command1");
            },
            tipo);
    // The players' comparison, its picker handing back the player and then the first other one.
    QList<int> scelti{giocatore, giocatore + 1};
    FinestraDiTest::registra(IdFinestra::SceltaGiocatore, [&](FinestraDiTest& f) {
        f.durante_attiva = [&](FinestraDiTest& f) {
            stato().CodGiocatoreScelto = scelti.takeFirst();
            f.chiudi();
        };
    });
    apri(
        IdFinestra::ConfrontoGiocatori,
        [&](Finestra* w) {
            for (const char* b : {"Command1", "Command2", "Command3"}) premi(w, b);
        },
        2);
    RegistraTutteLeFinestre();
}

// A text as Qt shows it where it may read it as markup (a tooltip, a label in the automatic format, a chart's text).
QString ComeMostrato(const QString& testo, bool markup)
{
    QString mostrato = markup ? QTextDocumentFragment::fromHtml(testo).toPlainText() : testo;
    return mostrato.remove(QChar(0x200B));
}

// Every text of a chart, as the chart is given it (Qt Charts lays each one out as markup).
QStringList TestiGrafico(const Grafico* g)
{
    QStringList t{g->chart()->title()};
    for (QAbstractAxis* a : g->chart()->axes()) {
        t << a->titleText();
        if (auto* categorie = qobject_cast<QCategoryAxis*>(a)) t << categorie->categoriesLabels();
    }
    for (const QLegendMarker* m : g->chart()->legend()->markers()) t << m->label();
    return t;
}

// The texts of a window's labels, tick boxes, group titles and tabs that hold a long name (ten "m" in a row), each with
// whether it shows whole in the room it is drawn in.
QHash<QString, bool> NomiLunghiMostrati(const QWidget* finestra)
{
    QHash<QString, bool> testi;
    const auto verifica = [&](const QWidget* w, const QString& testo, const QRect& dove) {
        if (!w->isVisible() || !testo.contains(QString(10, 'm'))) return;
        const QRect inVista = w->visibleRegion().boundingRect();
        testi[testo] = testi.value(testo, true) && inVista.left() <= dove.left() && inVista.right() >= dove.right();
    };
    // Where the text lies in `area`, aligned as its widget draws it.
    const auto posto = [](const QWidget* w, const QString& testo, const QRect& area, Qt::Alignment a) {
        const QSize misura(w->fontMetrics().horizontalAdvance(testo), w->fontMetrics().height());
        return QStyle::alignedRect(w->layoutDirection(), a, misura, area);
    };
    for (const QLabel* l : finestra->findChildren<QLabel*>())
        if (!l->wordWrap()) verifica(l, l->text(), posto(l, l->text(), l->contentsRect(), l->alignment()));
    for (const QAbstractButton* b : finestra->findChildren<QAbstractButton*>())
        verifica(b, b->text(), QRect(QPoint(), b->sizeHint()));
    for (const QGroupBox* g : finestra->findChildren<QGroupBox*>()) {
        const QString titolo = QString(g->title()).replace("&&", "&");
        verifica(g, titolo, posto(g, titolo, g->rect().adjusted(8, 0, -8, 0), Qt::AlignLeft));
    }
    for (const QTabBar* t : finestra->findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i)
            verifica(t, t->tabText(i), posto(t, t->tabText(i), t->tabRect(i), Qt::AlignCenter) | t->tabRect(i));
    return testi;
}

// The controls of `f` (a child frame, or a window of its own) that stick out of it; what a scroll area holds can be
// scrolled into sight.
QStringList Tagliati(const QWidget* f)
{
    QStringList fuori;
    for (const QWidget* c : f->findChildren<QWidget*>()) {
        bool scorre = false;
        for (const QWidget* p = c->parentWidget(); p != f; p = p->parentWidget())
            scorre |= p->objectName() == QLatin1String("qt_scrollarea_viewport");
        if (!scorre && c->isVisible() && c->window() == f->window() &&
            !f->rect().contains(QRect(c->mapTo(f, QPoint()), c->size())))
            fuori << c->metaObject()->className();
    }
    return fuori;
}

}  // namespace

// The main window: loading, the first activation, its toolbar and commands' availability, its close box.
class TestFinestraPrincipale : public QObject {
    Q_OBJECT

    std::unique_ptr<MessaggiDiTest> messaggi;

    static void mostra(FinestraPrincipale& mdi)
    {
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
    }

private slots:
    void init()
    {
        AzzeraStato();
        Finestre::istanza().azzera();
        FinestraDiTest::diario().clear();
        messaggi = std::make_unique<MessaggiDiTest>();
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        Finestre::istanza().azzera();
        messaggi.reset();
    }

    void caricamento_data()
    {
        QTest::addColumn<int>("omissioni");
        QTest::addColumn<bool>("guida");
        QTest::addColumn<bool>("bitmap");
        QTest::newRow("tutto") << int(CartellaTemporanea::Nessuna) << true << true;
        QTest::newRow("senza guida") << int(CartellaTemporanea::SenzaGuida) << false << true;
        QTest::newRow("senza bitmap") << int(CartellaTemporanea::SenzaBitmap) << true << false;
    }
    void caricamento()
    {
        QFETCH(int, omissioni);
        QFETCH(bool, guida);
        QFETCH(bool, bitmap);
        CartellaTemporanea cartella{CartellaTemporanea::Omissioni(omissioni)};
        if (!guida) messaggi->ok();
        FinestraPrincipale mdi;
        QCOMPARE(messaggi->quanti(), guida ? 0 : 1);
        if (!guida) QVERIFY(messaggi->ultimo().testo.startsWith("Attenzione: non è stato trovato il file della guida"));
        QCOMPARE(stato().PercorsoGuida, guida ? cartella.file("golvarno.hlp") : QString());
        QCOMPARE(Guida::disponibile(), guida);
        QCOMPARE(stato().PercorsoImpostazioni, cartella.file("golvarno.def"));
        QCOMPARE(stato().BmpAmmonitoPresente, bitmap);
        QCOMPARE(stato().BmpEspulsoPresente, bitmap);
        QVERIFY(stato().PrimaAttivazione);
        QCOMPARE(Finestre::istanza().area(), mdi.area());
    }

    // The introduction is shown only when the settings ask for it; its choice is carried out once.
    void primaAttivazione_data()
    {
        QTest::addColumn<int>("primiPassi");  // VisualizzaPrimiPassi; 1 = no settings file
        QTest::addColumn<int>("scelta");      // AzioneIniziale set by the introduction
        QTest::addColumn<bool>("introduzione");
        QTest::addColumn<QString>("effetto");  // "apri": the open dialog, "Form9": the wizard
        QTest::newRow("chiesta, nessuna scelta") << -1 << 0 << true << "";
        QTest::newRow("non chiesta") << 0 << 1 << false << "";
        QTest::newRow("senza impostazioni") << 1 << 0 << true << "";
        QTest::newRow("apri") << -1 << 1 << true << "apri";
        QTest::newRow("crea") << -1 << 2 << true << "Form9";
    }
    void primaAttivazione()
    {
        QFETCH(int, primiPassi);
        QFETCH(int, scelta);
        QFETCH(bool, introduzione);
        QFETCH(QString, effetto);
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        if (primiPassi == 1)
            QVERIFY(cartella.rimuovi("golvarno.def"));
        else
            SulleImpostazioni("UPDATE Impostazioni SET VisualizzaPrimiPassi = ?", {primiPassi});
        // The introduction records the choice and closes.
        FinestraDiTest::registra("Form49", [scelta](FinestraDiTest& w) {
            w.durante_attiva = [scelta](FinestraDiTest& f) {
                stato().AzioneIniziale = scelta;
                f.chiudi();
            };
        });
        FinestraDiTest::registra("Form9");
        if (effetto == "apri") messaggi->file(QString());  // the user cancels the open dialog

        mdi.attivazione();
        QCOMPARE(FinestraDiTest::diario().contains("Form49 carica"), introduzione);
        QCOMPARE(stato().AzioneIniziale, 0);
        QCOMPARE(messaggi->quanti(), effetto == "apri" ? 1 : 0);
        if (effetto == "apri") QCOMPARE(messaggi->ultimo().tipo, Messaggio::Richiesta::Tipo::ApriFile);
        QCOMPARE(Finestre::istanza().visibile("Form9"), effetto == "Form9");
        QVERIFY(!stato().PrimaAttivazione);

        // Later activations read nothing again and show nothing.
        FinestraDiTest::diario().clear();
        if (primiPassi != 1) SulleImpostazioni("UPDATE Impostazioni SET VisualizzaPrimiPassi = ?", {-1 - primiPassi});
        const bool primiPassiLetti = stato().MostraPrimiPassi;
        mdi.attivazione();
        QVERIFY(FinestraDiTest::diario().isEmpty());
        QCOMPARE(stato().MostraPrimiPassi, primiPassiLetti);
        QCOMPARE(messaggi->quanti(), effetto == "apri" ? 1 : 0);
    }

    // Without the introduction window in this build, nothing is shown and the settings are read.
    void primaAttivazioneSenzaIntroduzione()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        stato().MostraPrimiPassi = false;
        mdi.attivazione();
        QVERIFY(stato().MostraPrimiPassi);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // A toolbar button whose command's window is not registered is disabled with the command; a click runs it.
    void barraDegliStrumenti()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        const QList<Pannello*>& pulsanti = mdi.pulsanti();
        QCOMPARE(pulsanti.size(), Comandi::barra().size());
        mostra(mdi);

        QAction* classifica = mdi.azione("ClassificaGenerale");
        Pannello* pulsante = Pannello::perId(144);
        QVERIFY(!classifica->isEnabled() && !pulsante->isEnabled());
        QVERIFY(mdi.azione("ApriCampionato")->isEnabled() && pulsanti.at(0)->isEnabled());
        FinestraDiTest::registra("Form6");
        QVERIFY(classifica->isEnabled() && pulsante->isEnabled());
        QVERIFY(!mdi.azione("ClassificaParziale")->isEnabled());
        stato().CampionatoAperto = true;
        QTest::mouseClick(pulsante, Qt::LeftButton, {}, pulsante->rect().center());
        QVERIFY(Finestre::istanza().visibile("Form6"));
        QVERIFY(stato().ClassificaCompleta);
        Finestre::istanza().azzera();
        QVERIFY(!classifica->isEnabled() && !pulsante->isEnabled());
    }

    // The main window takes most of the screen; a new child that grows past the visible area of the main
    // window is moved back into it.
    void finestreInVista()
    {
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        const QRect schermo = mdi.screen()->availableGeometry();
        QVERIFY(schermo.contains(mdi.geometry()));
        QVERIFY(mdi.width() >= schermo.width() * 0.9 && mdi.height() >= schermo.height() * 0.9);
        mostra(mdi);
        const QSize vista = mdi.area()->viewport()->size();
        FinestraDiTest::registra("Form6");
        FinestraDiTest::registra("Form7", [vista](FinestraDiTest& w) {
            w.durante_attiva = [vista](FinestraDiTest& f) { f.contenitore()->resize(vista * 0.7); };
        });
        Finestre::istanza().mostra("Form6")->contenitore()->resize(vista / 2);
        Finestre::istanza().mostra("Form7");
        QVERIFY(QRect(QPoint(), vista).contains(Finestre::istanza().finestra("Form7")->contenitore()->geometry()));
    }

    // Names of any length from a file: no window opens wider than it does with everyday names, or than the area
    // (modal ones: the screen), so its caption and its buttons stay in reach; no grid column grows wider; every text
    // that shows a long name shows within its room, and in a pairing the long name is cut with "…" on its own.
    void nomiLunghiEntroLArea()
    {
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        mostra(amb.mdi);
        QTemporaryDir dir;
        const DatiFixture d = SetteSquadre(dir.filePath("lunghi.GVN"));
        const int bomber = Cannoniere(d, "Ancona")->codice;
        // The team of the long name is also the one that rests, in every round.
        Esegui("UPDATE GIORNATA SET RIPOSA = 'Ancona'", {}, ApriConnessione("riposa", d.percorso, false, false));
        ChiudiConnessione("riposa");
        QHash<QString, int> colonne;
        QHash<QString, QStringList> mostrati;  // by window: the texts with a long name shown whole
        QStringList nascosti;                  // such texts cut by their widget's room
        // Names as long as a window is laid out for, then far longer.
        const auto larghezze = [&](const QString& da, const QString& a, const QString& cognome) {
            QHash<QString, int> l;
            Rinomina(d.percorso, da, a, bomber, cognome);
            if (!ApriFileComeCampionato(d.percorso)) return l;
            ApriOgniFinestra(amb.messaggi(), a, d.partite.first(), bomber, [&](const QString& id, Finestra* w) {
                l[id] = qMax(l.value(id), Modale(id) ? w->frameGeometry().width() : w->contenitore()->width());
                const QHash<QString, bool> nomi = NomiLunghiMostrati(w);
                for (auto i = nomi.cbegin(); i != nomi.cend(); ++i)
                    (i.value() ? mostrati[id] : nascosti) << id + ": " + (i.value() ? i.key() : i.key().left(60));
                for (const Griglia* g : w->findChildren<Griglia*>())
                    for (int c = 0; c < g->colonne(); ++c)
                        colonne[id] = qMax(colonne.value(id), g->larghezzaColonnaPx(c));
            });
            return l;
        };
        const QHash<QString, int> brevi = larghezze("Ancona", "A" + QString(31, 'm'), QString(32, 'm'));
        const QHash<QString, int> colonneBrevi = std::exchange(colonne, {});
        mostrati.clear();
        const QHash<QString, int> lunghe =
            larghezze("A" + QString(31, 'm'), "A" + QString(299, 'm'), QString(500, 'm'));
        QCOMPARE(lunghe.size(), brevi.size());
        QVERIFY2(brevi.size() > 40, qPrintable(QStringList(brevi.keys()).join(" ")));
        const int area = amb.mdi.area()->viewport()->width();
        const int schermo = amb.mdi.screen()->availableGeometry().width();
        QStringList larghe;
        for (auto i = lunghe.cbegin(); i != lunghe.cend(); ++i)
            if (i.value() > qMax(Modale(i.key()) ? schermo : area, brevi.value(i.key())))
                larghe << QString("%1 %2 (%3)").arg(i.key()).arg(i.value()).arg(brevi.value(i.key()));
        for (auto i = colonne.cbegin(); i != colonne.cend(); ++i)
            if (i.value() > colonneBrevi.value(i.key()))
                larghe
                    << QString("%1: colonna di %2 (%3)").arg(i.key()).arg(i.value()).arg(colonneBrevi.value(i.key()));
        QVERIFY2(larghe.isEmpty(), qPrintable(larghe.join(", ") + QString(" > %1").arg(area)));
        QVERIFY2(nascosti.isEmpty(), qPrintable(nascosti.join("\n")));
        const QRegularExpression casa("^\\S+: Am+… - [A-Z][a-z]+$"), ospite("^\\S+: [A-Z][a-z]+ - Am+…$");
        for (const QString& id : {IdFinestra::ScontriDiretti, IdFinestra::SchedaPartita, IdFinestra::DateGiornate})
            QVERIFY2(mostrati.value(id).indexOf(casa) >= 0, qPrintable(id));
        QVERIFY(mostrati.value(IdFinestra::ScontriDiretti).indexOf(ospite) >= 0);
    }

    // The largest championship, with names as long as real ones, on a small screen, the main window at its default
    // size (92% of the screen) and maximized: every frame lies within the area and every control within its frame, or
    // scrolls into it, as the window opens, maximized and restored; a modal window within the screen. Fitted, a window
    // still shows the rows a list opens on, and puts the focus on a control the user can see.
    void finestreNelloSchermo_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<double>("quota");  // of the screen that the main window takes
        for (const QSize& s : {QSize(1024, 600), QSize(1366, 700)})
            for (double q : {0.92, 1.0}) QTest::addRow("%dx%d, %g", s.width(), s.height(), q) << s << q;
    }
    void finestreNelloSchermo()
    {
        QFETCH(QSize, schermo);
        QFETCH(double, quota);
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        amb.mdi.resize(schermo * quota);
        mostra(amb.mdi);
        QTemporaryDir dir;
        QStringList nomi = FixtureCampionato::nomiPredefiniti();
        nomi[2] = QStringLiteral("FC Internazionale Milano");
        nomi[3] = QStringLiteral("Associazione Calcio Modena FC 1912");
        const DatiFixture d = FixtureCampionato::piuGrande(dir.filePath("grande.GVN")).squadre(nomi).crea();
        const int bomber = Cannoniere(d, "Ancona")->codice;
        Rinomina(d.percorso, nomi[2], nomi[2], bomber, QStringLiteral("Martínez Fernández de la Santísima Trinidad"));
        QVERIFY(ApriFileComeCampionato(d.percorso));
        QStringList tagliate;
        const auto controlla = [&](const QString& come, const QWidget* f, const QRect& entro) {
            if (!entro.contains(f->geometry()) || !Tagliati(f).isEmpty())
                tagliate << come + ": " + Tagliati(f).join(' ');
        };
        ApriOgniFinestra(amb.messaggi(), "Ancona", d.partite.first(), bomber, [&](const QString& id, Finestra* w) {
            QWidget* f = w->contenitore();
            if (Modale(id)) w->resize(w->size().boundedTo(schermo));  // as the registry keeps it
            const QRect entro = Modale(id) ? QRect(w->pos(), schermo) : amb.mdi.area()->viewport()->rect();
            controlla(id, f, entro);
            // A list opens with its selected row in sight (the round comparison fills its grid from its button).
            for (const QAbstractItemView* v : w->findChildren<QAbstractItemView*>()) {
                const QModelIndexList scelte =
                    v->selectionModel() ? v->selectionModel()->selectedIndexes() : QModelIndexList();
                const auto inVista = [v](const QModelIndex& i) {
                    const QRect r = v->visualRect(i);
                    return r.top() >= 0 && r.bottom() <= v->viewport()->rect().bottom();
                };
                if (v->isVisible() && !scelte.isEmpty() && !inVista(scelte.first()) &&
                    id != IdFinestra::ConfrontoTabelle)
                    tagliate << QString("%1 %2: riga %3 scelta fuori vista")
                                    .arg(id, v->objectName())
                                    .arg(scelte.first().row());
            }
            // The purchase list ends on its last rows.
            if (id == IdFinestra::AcquistoGiocatore) {
                const QScrollBar* b = w->findChild<QAbstractItemView*>("ListView1")->verticalScrollBar();
                if (b->value() != b->maximum())
                    tagliate << QString("%1: elenco a %2 di %3").arg(id).arg(b->value()).arg(b->maximum());
            }
            // The focus is on a control in sight and usable; a chart window's on its choices above the chart.
            const QWidget* fuoco = QApplication::focusWidget();
            const bool grafico = id == IdFinestra::GraficoGiocatore || id == IdFinestra::GraficoConfrontoAndamento;
            if (!w->isAncestorOf(fuoco)
                    ? id == IdFinestra::RegistrazioneGiornate
                    : !fuoco->isVisible() || !fuoco->isEnabled() || (grafico && !qobject_cast<const QComboBox*>(fuoco)))
                tagliate << QString("%1: fuoco su %2, nascosto, disattivato o altrove")
                                .arg(id, fuoco ? fuoco->metaObject()->className() : "nulla");
            if (Modale(id)) return;
            f->showMaximized();
            controlla(id + " ingrandita", f, entro);
            f->showNormal();
            controlla(id + " ripristinata", f, entro);
        });
        QVERIFY2(tagliate.isEmpty(), qPrintable(tagliate.join('\n')));
    }

    // Names from the file that look like markup (a tag, an image tag naming a FIFO) show as they are written in every
    // window and chart that shows them: no label, tooltip or chart reads them as markup, nothing opens the FIFO.
    void nomiComeTesto()
    {
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        mostra(amb.mdi);
        QTemporaryDir dir;
        Trappola fifo(dir.filePath("fifo"));
        QVERIFY(fifo.pronta());
        const QString immagine = QString("<img src=\"%1\">").arg(dir.filePath("fifo"));
        // An odd number of teams: a team rests in each round.
        const DatiFixture d = SetteSquadre(dir.filePath("tag.GVN"));
        const int bomber = Cannoniere(d, "Ancona")->codice;
        const PartitaFixture* partita = PrimaPartitaDi(d, "Ancona");
        // Each name: the part that a cut keeps, and the whole.
        QList<std::pair<QString, QString>> nomi;
        for (const char* nome : {"Ancona", "Rossi", "Serie Z", "Collina", "Zanetti", "Natale", "Sera"})
            nomi.append({QString("<b>%1</b>").arg(nome), QString("<b>%1</b>").arg(nome) + immagine});
        Rinomina(d.percorso, "Ancona", nomi[0].second, bomber, nomi[1].second);
        {
            QSqlDatabase db = ApriConnessione("tag", d.percorso, false, false);
            Query("UPDATE CAMPIONATO SET DENOM = ?", {nomi[2].second}, db);
            Query("UPDATE PARTITA SET ARBITROA = ?", {nomi[3].second}, db);
            Query("UPDATE SQUADRA SET ALLENATORE = ?", {nomi[4].second}, db);
            for (const char* sql :
                 {"UPDATE PARTITA SET DATAAND = ?, HAND = ?", "UPDATE GIORNATA SET DATAAND = ?, DATARIT = ?"})
                Query(sql, {nomi[5].second, nomi[6].second}, db);
            Query("UPDATE GIORNATA SET RIPOSA = ?", {nomi[0].second}, db);
        }
        ChiudiConnessione("tag");
        QVERIFY(ApriFileComeCampionato(d.percorso));

        QStringList errori;
        // A text that shows a name shows its tags as written: the part a cut keeps, or in a tooltip the whole name.
        const auto controlla = [&](const QString& dove, const QString& testo, bool markup, bool intero) {
            const QString mostrato = ComeMostrato(testo, markup);
            for (const auto& [parte, tutto] : nomi)
                if (testo.contains(QString(parte).remove("<b>").remove("</b>")) &&
                    !mostrato.contains(intero ? tutto : parte))
                    errori << QString("%1: «%2»").arg(dove, mostrato);
        };
        const auto suggerimento = [&](const QString& dove, const QString& testo) {
            if (!testo.isEmpty()) controlla(dove + " (suggerimento)", testo, Qt::mightBeRichText(testo), true);
        };
        ApriOgniFinestra(amb.messaggi(), nomi[0].second, *partita, bomber, [&](const QString& id, Finestra* w) {
            QList<QWidget*> controlli = w->findChildren<QWidget*>();
            for (QWidget* c : controlli << w) {
                suggerimento(id + " " + c->objectName(), c->toolTip());
                if (auto* l = qobject_cast<QLabel*>(c)) {
                    if (l->textFormat() != Qt::PlainText && Qt::mightBeRichText(l->text()))
                        errori << QString("%1 %2: «%3» come markup").arg(id, l->objectName(), l->text());
                    controlla(id + " " + l->objectName(), l->text(), false, false);
                }
            }
            // Lists and trees: the tooltip each entry has, or the one shown when the pointer rests on it.
            for (QAbstractItemView* v : w->findChildren<QAbstractItemView*>()) {
                if (qobject_cast<QHeaderView*>(v)) continue;
                const QAbstractItemModel* m = v->model();
                QList<QModelIndex> padri{QModelIndex()};
                while (!padri.isEmpty()) {
                    const QModelIndex padre = padri.takeFirst();
                    for (int r = 0; r < m->rowCount(padre); ++r)
                        for (int col = 0; col < m->columnCount(padre); ++col) {
                            const QModelIndex i = m->index(r, col, padre);
                            if (col == 0) padri << i;
                            const QString dove = QString("%1 %2 [%3, %4]").arg(id, v->objectName()).arg(r).arg(col);
                            suggerimento(dove, i.data(Qt::ToolTipRole).toString());
                            const QRect cella = v->visualRect(i);
                            if (!v->isVisible() || !cella.intersects(v->viewport()->rect()) ||
                                !i.data().toString().contains("</b>"))
                                continue;
                            QHelpEvent e(QEvent::ToolTip, cella.center(), v->viewport()->mapToGlobal(cella.center()));
                            QCoreApplication::sendEvent(v->viewport(), &e);
                            if (QToolTip::isVisible()) suggerimento(dove, QToolTip::text());
                            QToolTip::hideText();
                        }
                }
            }
            for (const Grafico* g : w->findChildren<Grafico*>())
                for (const QString& t : TestiGrafico(g)) {
                    if (t.contains('<')) errori << QString("%1 grafico: «%2»").arg(id, t);
                    controlla(id + " grafico", t, true, false);
                }
        });
        const int letture = fifo.letture();
        errori.removeDuplicates();
        QVERIFY2(errori.isEmpty(), qPrintable(errori.join("\n")));
        QCOMPARE(letture, 0);
    }

    // The close box and "Esci" unload the children through their own unload step (what they hold unsaved
    // is saved or asked about); one refusal keeps the program open.
    void chiusura_data()
    {
        QTest::addColumn<bool>("esci");
        QTest::newRow("casella di chiusura") << false;
        QTest::newRow("Esci da Golvarno") << true;
    }
    void chiusura()
    {
        QFETCH(bool, esci);
        CartellaTemporanea cartella;
        FinestraPrincipale mdi;
        FinestraDiTest::registra("Form6");
        FinestraDiTest::registra("Form7", [](FinestraDiTest& w) { w.rifiutaScarico = true; });
        mostra(mdi);
        Finestre::istanza().mostra("Form6");
        Finestre::istanza().mostra("Form7");
        const auto chiudi = [&] {
            if (!esci) return mdi.close();
            Comandi::esegui("Esci");
            return !mdi.isVisible();
        };
        QVERIFY(!chiudi());
        QVERIFY(mdi.isVisible() && Finestre::istanza().caricata("Form7"));
        FinestraDiTest::di("Form7")->rifiutaScarico = false;
        QVERIFY(chiudi());
        QVERIFY(!Finestre::istanza().caricata("Form6") && !Finestre::istanza().caricata("Form7"));
        QVERIFY(FinestraDiTest::diario().contains("Form6 scarica"));
        QVERIFY(FinestraDiTest::diario().contains("Form7 scarica"));
    }
    // A file at the limits of its fields: with every score, point, penalty, minute, card and tally at one end of the
    // whole numbers its field holds (the rating, which has no such range, at +-1e300), every window opens without an
    // error box and no sum, difference or product of them overflows (the sanitizers report it). The league table
    // shows each team's points exactly: every played leg a draw worth PUNTIX, less the penalty.
    void numeriAlLimite()
    {
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        mostra(amb.mdi);
        QTemporaryDir dir;
        const DatiFixture d = SetteSquadre(dir.filePath("limiti.GVN"), false);
        const int bomber = Cannoniere(d, "Ancona")->codice;
        const PartitaFixture* partita = PrimaPartitaDi(d, "Ancona");
        // Every number field but the codes, flags, rounds and rows that tie the file together.
        const QList<std::pair<QString, QStringList>> campi{
            {"CAMPIONATO", {"PUNTIVIT", "PUNTIX", "PUNTISC"}},
            {"SQUADRA", {"PENALITA"}},
            {"PARTITA", {"G1A", "G2A", "G1R", "G2R"}},
            {"GIOCATORE", {"NUMERO", "RETI", "AMMONIZIONI", "SQUALIFICHE"}},
            {"RETI", {"MINUTO", "TIPO"}},
            {"PRESENZE", {"NUMMAGLIA", "AMMONITO", "RETI", "AUTORETI", "SOSTITUITO", "VOTO"}},
            {"PUNTISQUADRE",
             {"GIOCATE", "PUNTI", "VINTEINCASA", "PERSEINCASA", "XINCASA", "VINTEFUORI", "PERSEFUORI", "XFUORI",
              "GFATTICASA", "GSUBITICASA", "GFATTIFUORI", "GSUBITIFUORI", "DIFFRETI", "TOTALEFATTI", "TOTALEVINTE",
              "TOTALESUBITI", "MEDIAINGLESE"}}};
        const auto limite = [](const QString& tabella, const QString& campo, bool massimo) -> QVariant {
            for (const TabellaSchema& t : SchemaCampionato())
                for (const CampoSchema& c : t.campi)
                    if (t.nome == tabella && c.nome == campo)
                        if (const auto i = IntervalloDi(c)) return massimo ? i->massimo : i->minimo;
            return massimo ? 1e300 : -1e300;
        };
        for (bool massimo : {false, true}) {
            {
                QSqlDatabase db = ApriConnessione("limiti", d.percorso, false, false);
                for (const auto& [tabella, nomi] : campi) {
                    QVariantList valori;
                    for (const QString& n : nomi) valori << limite(tabella, n, massimo);
                    Esegui("UPDATE " + tabella + " SET " + nomi.join(" = ?, ") + " = ?", valori, db);
                }
            }
            ChiudiConnessione("limiti");
            QHash<QString, QString> attesi;
            for (const QString& squadra : d.squadre) {
                qint64 gare = 0;
                for (const PartitaFixture& p : d.partite)
                    for (bool andata : {true, false})
                        gare += (p.sq1 == squadra || p.sq2 == squadra) && p.disputata(andata);
                attesi[squadra] = QString::number(gare * limite("CAMPIONATO", "PUNTIX", massimo).toLongLong() -
                                                  limite("SQUADRA", "PENALITA", massimo).toLongLong());
            }
            QVERIFY(ApriFileComeCampionato(d.percorso));
            QStringList errori;
            QHash<QString, QString> mostrati;
            ApriOgniFinestra(amb.messaggi(), "Ancona", *partita, bomber, [&](const QString& id, Finestra* w) {
                for (const QString& m : SeamMessaggi::inattesi())
                    errori << QString::number(massimo) + " " + id + ": " + m;
                if (id != IdFinestra::Classifica) return;
                const Griglia* g = w->findChild<Griglia*>("Grid1");
                for (int r = 2; r < g->righe(); ++r) mostrati[g->testo(r, 1)] = g->testo(r, 2);
            });
            QVERIFY2(errori.isEmpty(), qPrintable(errori.join("\n")));
            QCOMPARE(mostrati, attesi);
        }
    }

    // The wheel over every drop-down and box of every window, on a small screen, changes no value and saves nothing:
    // it scrolls what lies around the control, the line-up editor and the match-day editor as a whole.
    void rotellinaScorre()
    {
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        amb.mdi.resize(QSize(1024, 600) * 0.92);
        mostra(amb.mdi);
        QTemporaryDir dir;
        const DatiFixture d = FixtureCampionato::piuGrande(dir.filePath("grande.GVN")).crea();
        const auto dati = [&] {
            QStringList righe;
            {
                QSqlDatabase db = ApriConnessione("rotella", d.percorso, false, false);
                for (const char* t : {"PRESENZE", "PARTITA", "GIORNATA", "GIOCATORE", "SQUADRA"}) {
                    Query q(QString("SELECT * FROM %1 ORDER BY rowid").arg(t), {}, db);
                    while (q.next()) {
                        QStringList campi;
                        for (int i = 0; i < q.sql().record().count(); ++i) campi << q.testo(i);
                        righe << campi.join('|');
                    }
                }
            }
            ChiudiConnessione("rotella");
            return righe;
        };
        const QStringList prima = dati();
        QVERIFY(ApriFileComeCampionato(d.percorso));
        QStringList cambiati;
        QSet<QString> scorse;
        ApriOgniFinestra(
            amb.messaggi(), "Ancona", d.partite.first(), Cannoniere(d, "Ancona")->codice,
            [&](const QString& id, Finestra* w) {
                const QList<QScrollBar*> barre = w->findChildren<QScrollBar*>();
                QList<int> posizioni;
                for (const QScrollBar* b : barre) posizioni << b->value();
                for (QWidget* c : w->findChildren<QWidget*>()) {
                    if (!c->isVisible() || !StileProgramma::cambiaColRotellina(c)) continue;
                    const QString valore = ValoreDi(c);
                    for (int verso : {1, -1, -1, -1}) {
                        QWheelEvent e(c->rect().center(), c->mapToGlobal(c->rect().center()), {},
                                      QPoint(0, 120 * verso), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                        QCoreApplication::sendEvent(c, &e);
                    }
                    if (ValoreDi(c) != valore)
                        cambiati << QString("%1 %2: %3 -> %4").arg(id, c->objectName(), valore, ValoreDi(c));
                }
                for (int i = 0; i < barre.size(); ++i)
                    if (barre[i]->value() != posizioni[i]) scorse << id;
                for (const QString& m : SeamMessaggi::inattesi()) cambiati << id + ": " + m;
            });
        QVERIFY2(cambiati.isEmpty(), qPrintable(cambiati.join('\n')));
        QVERIFY(scorse.contains(IdFinestra::Formazioni));
        QVERIFY(scorse.contains(IdFinestra::RegistrazioneGiornate));
        ChiudiDbCampionato();
        const QStringList dopo = dati();
        QCOMPARE(dopo.size(), prima.size());
        for (int i = 0; i < prima.size(); ++i) QCOMPARE(dopo[i], prima[i]);
    }
};

QTEST_MAIN(TestFinestraPrincipale)
#include "tst_finestraprincipale.moc"
