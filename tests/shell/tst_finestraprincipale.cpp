#include "ambientemdi.h"
#include "core/idfinestre.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/guida.h"
#include "platform/pannello.h"
#include "shell/comandi.h"
#include "shell/tuttelefinestre.h"
#include "support/fixturecampionato.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTest>

namespace {

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
    // (modal ones: the screen), so its caption and its buttons stay in reach.
    void nomiLunghiEntroLArea()
    {
        CartellaTemporanea cartella;
        AmbienteMdi amb;
        RegistraTutteLeFinestre();
        mostra(amb.mdi);
        QTemporaryDir dir;
        const DatiFixture d = FixtureCampionato(dir.filePath("lunghi.GVN"))
                                  .squadre(QStringList{"Ancona", "Bari", "Como", "Empoli", "Genoa", "Lecce"})
                                  .giocaFinoA(3, true)
                                  .rose(15)
                                  .formazioni()
                                  .crea();
        const GiocatoreFixture* bomber = d.rosa("Ancona").first();
        for (const GiocatoreFixture* g : d.rosa("Ancona"))
            if (g->reti > bomber->reti) bomber = g;
        // The pickers and the calendar check stand on their own, above the main window.
        const QStringList modali{IdFinestra::SceltaGiocatore, IdFinestra::SceltaImmagine, IdFinestra::Introduzione,
                                 IdFinestra::ControlloCalendario};
        // Every window opened as its command opens it, on the first team, its first match and its top scorer.
        QHash<QString, int> colonne;
        QHash<QString, QStringList> mostrati;  // by window: the texts with a long name shown whole
        QStringList nascosti;                  // such texts cut by their widget's room
        const auto larghezze = [&](const QString& squadra) {
            QHash<QString, int> l;
            if (!ApriFileComeCampionato(d.percorso)) return l;
            for (const QString& id : Finestre::istanza().registrate()) {
                Stato& s = stato();
                s.SquadraCorrente = squadra;
                s.GiornataCorrente = 1;
                s.Andata = true;
                s.CodPartitaCorrente = d.partite.first().codPart;
                s.CodGiocatoreCorrente = bomber->codice;
                s.ClassificaCompleta = true;
                s.ParzDaGiornata = s.ParzDaGirone = s.ParzAGirone = 1;
                s.ParzAGiornata = 3;
                s.TipoClassifica = s.TipoConfrontoGiocatori = s.TipoGraficoGiocatore = 1;
                const bool modale = modali.contains(id);
                Finestra* w = modale ? Finestre::istanza().carica(id) : Finestre::istanza().mostra(id);
                if (!w) continue;
                if (id == IdFinestra::ScontriDiretti) {
                    w->findChild<ComboCodici*>("Combo1")->selezionaTesto(squadra);
                    w->findChild<ComboCodici*>("Combo2")->selezionaTesto("Bari");
                    w->findChild<QPushButton*>("Command3")->click();
                }
                if (modale) w->adjustSize();
                QCoreApplication::processEvents();
                l.insert(id, modale ? w->frameGeometry().width() : w->contenitore()->width());
                // And its texts that hold a long name.
                const QHash<QString, bool> nomi = NomiLunghiMostrati(w);
                for (auto i = nomi.cbegin(); i != nomi.cend(); ++i)
                    (i.value() ? mostrati[id] : nascosti) << id + ": " + (i.value() ? i.key() : i.key().left(60));
                // And the widest column of its grids.
                for (const Griglia* g : w->findChildren<Griglia*>())
                    for (int c = 0; c < g->colonne(); ++c)
                        colonne[id] = qMax(colonne.value(id), g->larghezzaColonnaPx(c));
                Finestre::istanza().scaricaSubito(id);
                amb.messaggi().svuota();
            }
            return l;
        };
        // Names as long as a window is laid out for, then far longer.
        const auto rinomina = [&](const QString& da, const QString& a, const QString& cognome) {
            {
                QSqlDatabase db = ApriConnessione("lunghi", d.percorso, false, false);
                for (const char* sql :
                     {"UPDATE SQUADRA SET NOME = ? WHERE NOME = ?", "UPDATE PARTITA SET SQ1 = ? WHERE SQ1 = ?",
                      "UPDATE PARTITA SET SQ2 = ? WHERE SQ2 = ?", "UPDATE PRESENZE SET SQUADRA = ? WHERE SQUADRA = ?",
                      "UPDATE RETI SET SQUADRA = ? WHERE SQUADRA = ?"})
                    Query(sql, {a, da}, db);
                Query("UPDATE GIOCATORE SET COGNOME = ? WHERE CODICE = ?", {cognome, bomber->codice}, db);
                Query("UPDATE PRESENZE SET NOME = ? WHERE CODGIOCATORE = ?", {cognome, bomber->codice}, db);
            }
            ChiudiConnessione("lunghi");
            return larghezze(a);
        };
        const QHash<QString, int> brevi = rinomina("Ancona", "A" + QString(31, 'm'), QString(32, 'm'));
        const QHash<QString, int> colonneBrevi = std::exchange(colonne, {});
        mostrati.clear();
        const QHash<QString, int> lunghe = rinomina("A" + QString(31, 'm'), "A" + QString(299, 'm'), QString(500, 'm'));
        QCOMPARE(lunghe.size(), brevi.size());
        QVERIFY2(brevi.size() > 40, qPrintable(QStringList(brevi.keys()).join(" ")));
        const int area = amb.mdi.area()->viewport()->width();
        const int schermo = amb.mdi.screen()->availableGeometry().width();
        QStringList larghe;
        for (auto i = lunghe.cbegin(); i != lunghe.cend(); ++i)
            if (i.value() > qMax(modali.contains(i.key()) ? schermo : area, brevi.value(i.key())))
                larghe << QString("%1 %2 (%3)").arg(i.key()).arg(i.value()).arg(brevi.value(i.key()));
        for (auto i = colonne.cbegin(); i != colonne.cend(); ++i)
            if (i.value() > colonneBrevi.value(i.key()))
                larghe
                    << QString("%1: colonna di %2 (%3)").arg(i.key()).arg(i.value()).arg(colonneBrevi.value(i.key()));
        QVERIFY2(larghe.isEmpty(), qPrintable(larghe.join(", ") + QString(" > %1").arg(area)));
        // Every text with a long name shows within its room; in a pairing the long name is cut with "…" on its own
        // and the other team shows whole.
        QVERIFY2(nascosti.isEmpty(), qPrintable(nascosti.join("\n")));
        const QRegularExpression casa("^\\S+: Am+… - [A-Z][a-z]+$"), ospite("^\\S+: [A-Z][a-z]+ - Am+…$");
        for (const QString& id : {IdFinestra::ScontriDiretti, IdFinestra::SchedaPartita, IdFinestra::DateGiornate})
            QVERIFY2(mostrati.value(id).indexOf(casa) >= 0, qPrintable(id));
        QVERIFY(mostrati.value(IdFinestra::ScontriDiretti).indexOf(ospite) >= 0);
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
};

QTEST_MAIN(TestFinestraPrincipale)
#include "tst_finestraprincipale.moc"
