#include "ambientemdi.h"
#include "core/classifica.h"
#include "shell/schedacampionatoqueries.h"
#include "shell/schedacampionatowindow.h"
#include "support/classificaattesa.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using Righe = QVector<QStringList>;

namespace {

const QString ID = QStringLiteral("Form53");
QTreeWidget* albero() { return AmbienteTest::parte<QTreeWidget>(ID, "TreeView1"); }
QTreeWidget* elenco() { return AmbienteTest::parte<QTreeWidget>(ID, "ListView1"); }
QPushButton* azione() { return AmbienteTest::parte<QPushButton>(ID, "Command1"); }

void clicca(QTreeWidget* t, QTreeWidgetItem* i)
{
    t->scrollToItem(i);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(i).center());
}
void cliccaNodo(const QString& chiave)
{
    for (QTreeWidgetItemIterator it(albero()); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == chiave) return clicca(albero(), *it);
    QFAIL(qPrintable("nessun nodo " + chiave));
}
Righe righe()
{
    Righe r;
    for (int i = 0; i < elenco()->topLevelItemCount(); ++i) {
        r << QStringList();
        for (int c = 0; c < elenco()->columnCount(); ++c) r.last() << elenco()->topLevelItem(i)->text(c);
    }
    return r;
}
QStringList intestazioni()
{
    QStringList h;
    for (int c = 0; c < elenco()->columnCount(); ++c) h << elenco()->headerItem()->text(c);
    return h;
}

// The rows a round view must show for a match day, from what the fixture wrote: by home team in the first
// leg, by the away team's name (then the home team's) in the return leg.
Righe attese(const DatiFixture& d, int giornata, bool andata)
{
    QVector<PartitaFixture> p;
    for (const PartitaFixture& x : d.partite)
        if (x.giornata == giornata) p << x;
    if (!andata)
        std::stable_sort(p.begin(), p.end(), [](const PartitaFixture& a, const PartitaFixture& b) {
            const int c = a.sq2.compare(b.sq2, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.sq1.compare(b.sq1, Qt::CaseInsensitive) < 0;
        });
    Righe r;
    for (const PartitaFixture& x : p)
        r << QStringList{x.casa(andata) + " - " + x.ospite(andata),
                         x.disputata(andata) ? QStringLiteral("%1 - %2").arg(x.golCasa(andata)).arg(x.golOspite(andata))
                                             : QStringLiteral("n.d.")};
    return r;
}

// Adds `n` goals of the player `codice` (a code of no player stands for a deleted one).
void segna(int codice, int n)
{
    Transazione t;
    for (int i = 0; i < n; ++i) Esegui("INSERT INTO RETI (CODPART, CODGIOCATORE, TIPO) VALUES (1, ?, 1)", {codice});
    t.commit();
}

}  // namespace

// The championship card: its five views on known championships, the action button and the check box.
class TestSchedaCampionato : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;

    SchedaCampionatoWindow* scheda() { return amb_->mostra<SchedaCampionatoWindow>(ID); }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraSchedaCampionato);
        for (const char* id : {"Form1", "Form2", "Form5", "Form6", "Form10", "Form20"}) FinestraDiTest::registra(id);
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        amb_.reset();
    }

    void squadreAllApertura()
    {
        amb_->apri(amb_->nuovo().squadre({"Verona", "bari", "Ancona", "Cagliari"}));
        Esegui("UPDATE SQUADRA SET ALLENATORE = 'Rossi' WHERE NOME = 'bari'");
        Esegui("UPDATE SQUADRA SET ALLENATORE = 'Neri' WHERE NOME = 'Verona'");
        stato().MostraSchedaCampionato = true;
        CaricaCampionato();  // opening with the card wanted shows it on the teams view
        QVERIFY(Finestre::istanza().visibile(ID));
        QCOMPARE(albero()->currentItem()->data(0, Qt::UserRole).toString(), "S");
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Allenatore"}));
        QCOMPARE(righe(), (Righe{{"Ancona", ""}, {"bari", "Rossi"}, {"Cagliari", ""}, {"Verona", "Neri"}}));
        QVERIFY(!AmbienteTest::parte<QCheckBox>(ID, "Check1")->isChecked());
        // A click on the node already selected reads the data afresh.
        Esegui("INSERT INTO SQUADRA (NOME) VALUES ('Empoli')");
        cliccaNodo("S");
        QCOMPARE(elenco()->topLevelItemCount(), 5);
        // The root shows nothing: the list keeps the view shown last.
        cliccaNodo("M");
        QCOMPARE(elenco()->topLevelItemCount(), 5);
    }

    // The standings view rebuilds the whole season, also over a partial table made elsewhere.
    void classifica()
    {
        amb_->apri(amb_->nuovo(6).giocaFinoA(2, false).penalita("Bari", 2));
        stato().ParzDaGiornata = 1, stato().ParzDaGirone = 1, stato().ParzAGiornata = 1, stato().ParzAGirone = 1;
        CalcolaClassificaParziale();
        scheda();
        cliccaNodo("C");
        Righe attesa;
        for (const SquadraAttesa& s : ClassificaAttesa())
            attesa << QStringList{s.nome, QString::number(s.punti), QString::number(s.giocate)};
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Punti", "Giocate"}));
        QCOMPARE(righe(), attesa);
        // Back to the teams: exactly its two columns again.
        cliccaNodo("S");
        QCOMPARE(intestazioni(), (QStringList{"Squadra", "Allenatore"}));
    }

    void marcatori_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Righe>("attese");
        // Players are numbered 1.. in squad order: Ancona's first, then Bari's (4 each).
        // clang-format off
        QTest::newRow("cognome") << 1 << "stili" << Righe{{"003", "Rossi", "Ancona"}, {"001", "Bianchi", "Bari"}};
        QTest::newRow("nome e cognome") << 2 << "stili" << Righe{{"003", "Andrea Rossi", "Ancona"}, {"001", " Bianchi", "Bari"}};
        QTest::newRow("giocatore cancellato") << 1 << "cancellato" << Righe{{"004", "", ""}, {"002", "Rossi", "Ancona"}};
        QTest::newRow("squadra sconosciuta") << 1 << "squadra" << Righe{{"001", "Rossi", ""}};
        QTest::newRow("oltre 255") << 1 << "tanti" << Righe{{"1000", "Rossi", "Ancona"}, {"256", "Bianchi", "Bari"}, {"009", "Verdi", "Ancona"}};
        QTest::newRow("nessuna rete") << 1 << "nessuna" << Righe{};
        QTest::newRow("nomi con tabulazioni e a capo") << 2 << "a capo" << Righe{{"003", "Andrea Ros\tsi", "Anc\tona\n1905"}, {"001", " Bian\nchi", "Bari"}};
        // clang-format on
    }
    void marcatori()
    {
        QFETCH(int, formato);
        QFETCH(QString, caso);
        QFETCH(Righe, attese);
        const DatiFixture d = amb_->apri(amb_->nuovo(4).rose(4));
        const int rossi = d.giocatori[0].codice, verdi = d.giocatori[1].codice, bianchi = d.giocatori[4].codice;
        Esegui("UPDATE GIOCATORE SET NOME = 'Andrea', COGNOME = 'Rossi' WHERE CODICE = ?", {rossi});
        Esegui("UPDATE GIOCATORE SET NOME = NULL, COGNOME = 'Bianchi' WHERE CODICE = ?", {bianchi});
        Esegui("UPDATE GIOCATORE SET NOME = 'Luca', COGNOME = 'Verdi' WHERE CODICE = ?", {verdi});
        if (caso == "stili") segna(rossi, 3), segna(bianchi, 1);
        if (caso == "cancellato") segna(9999, 4), segna(rossi, 2);
        if (caso == "squadra")
            segna(rossi, 1), Esegui("UPDATE GIOCATORE SET CODSQUADRA = 777 WHERE CODICE = ?", {rossi});
        if (caso == "tanti") segna(bianchi, 256), segna(verdi, 9), segna(rossi, 1000);
        if (caso == "a capo") {
            segna(rossi, 3), segna(bianchi, 1);
            Esegui("UPDATE GIOCATORE SET COGNOME = ? WHERE CODICE = ?", {"Ros\tsi", rossi});
            Esegui("UPDATE GIOCATORE SET COGNOME = ? WHERE CODICE = ?", {"Bian\nchi", bianchi});
            Esegui("UPDATE SQUADRA SET NOME = ? WHERE NOME = 'Ancona'", {"Anc\tona\n1905"});
            CaricaCampionato();
        }
        stato().FormatoNome = formato;
        scheda();
        cliccaNodo("G");
        QCOMPARE(righe(), attese);
        // Each name on one line: it takes the room of the same name with blanks in place of its tabs and line feeds.
        for (int r = 0; r < elenco()->topLevelItemCount(); ++r)
            for (int c = 1; c < elenco()->columnCount(); ++c) {
                auto* prova = new QTreeWidgetItem(elenco());
                prova->setText(c, elenco()->topLevelItem(r)->text(c).replace('\t', ' ').replace('\n', ' '));
                const int ultima = elenco()->topLevelItemCount() - 1;
                const QSize attesa = elenco()->sizeHintForIndex(elenco()->model()->index(ultima, c));
                delete elenco()->takeTopLevelItem(ultima);
                QCOMPARE(elenco()->sizeHintForIndex(elenco()->model()->index(r, c)), attesa);
            }
    }

    // Twenty scorers: exactly 15 rows; of the four sharing the 14th place only two are shown.
    void marcatoriPrimiQuindici()
    {
        const DatiFixture d = amb_->apri(amb_->nuovo(5).rose(4));
        for (int i = 0; i < 20; ++i) segna(d.giocatori[i].codice, i < 13 ? 30 - i : i < 17 ? 10 : 20 - i);
        const Righe r = SchedaCampionatoQueries::marcatori(1);
        QCOMPARE(r.size(), 15);
        for (int i = 0; i < 13; ++i)
            QCOMPARE(r[i].mid(0, 2),
                     (QStringList{QStringLiteral("%1").arg(30 - i, 3, 10, QLatin1Char('0')), d.giocatori[i].cognome}));
        // Equal totals keep the rankings' order: the later player first.
        QCOMPARE(r[13], (QStringList{"010", d.giocatori[16].cognome, d.giocatori[16].squadra}));
        QCOMPARE(r[14], (QStringList{"010", d.giocatori[15].cognome, d.giocatori[15].squadra}));
    }

    void turni_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::addColumn<bool>("finito");
        // 8 teams: 7 match days of 4 pairings.
        // clang-format off
        QTest::newRow("ultimo, andata") << "andata" << "U" << 3 << true << false;
        QTest::newRow("prossimo, ritorno") << "ritorno" << "P" << 3 << false << false;
        QTest::newRow("ultimo, niente giocato") << "parziale" << "U" << 1 << true << false;
        QTest::newRow("prossimo, campionato finito") << "tutto" << "P" << 7 << false << true;
        QTest::newRow("prossimo, venti squadre dai nomi lunghi") << "lunghi" << "P" << 3 << true << false;
        // clang-format on
    }
    void turni()
    {
        QFETCH(QString, caso);
        QFETCH(QString, chiave);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(bool, finito);
        FixtureCampionato f = amb_->nuovo(8);
        if (caso == "andata") f.giocaFinoA(3, true).rinviata(3, 2, true);
        if (caso == "ritorno") f.giocaFinoA(2, false);
        // Two results of match day 1 typed in, the day itself not played yet.
        if (caso == "parziale") f.risultato(1, 1, true, 2, 0).risultato(1, 3, true, 1, 1);
        if (caso == "tutto") f.giocaTutto();
        QStringList lunghi;
        for (const QString& n : FixtureCampionato::nomiPredefiniti()) lunghi << "Calcio " + n + " 1913";
        if (caso == "lunghi") f.squadre(lunghi).giocaFinoA(2, true);
        const DatiFixture d = amb_->apri(f);
        scheda();
        // The card opens on its first team, its scroll bar at the top.
        QCOMPARE(elenco()->itemAt(QPoint(0, 0)), elenco()->topLevelItem(0));
        QCOMPARE(elenco()->verticalScrollBar()->value(), 0);
        if (finito) amb_->messaggi().ok();
        cliccaNodo(chiave);
        if (finito) QCOMPARE(amb_->messaggi().ultimo().titolo, QStringLiteral("Campionato finito"));
        QCOMPARE(righe(), attese(d, giornata, andata));
        // Every column holds its texts whole: the list has room for them.
        for (int r = 0; r < elenco()->topLevelItemCount(); ++r)
            for (int c = 0; c < elenco()->columnCount(); ++c)
                QVERIFY(elenco()->sizeHintForIndex(elenco()->model()->index(r, c)).width() <= elenco()->columnWidth(c));
        QCOMPARE(stato().GiornataCorrente, giornata);
        QCOMPARE(stato().Andata, andata);
        // With the day's first pairing as listed.
        const auto prima = std::find_if(d.partite.cbegin(), d.partite.cend(), [](const PartitaFixture& p) {
            return p.codPart == stato().CodPartitaCorrente;
        });
        QVERIFY(prima != d.partite.cend());
        QCOMPARE(prima->casa(andata) + " - " + prima->ospite(andata), righe().value(0).value(0));
    }

    // A played leg whose goals are Null shows that side empty; only a flag of -1 is played.
    void turnoGolNulli()
    {
        amb_->apri(amb_->nuovo(6).giocaFinoA(1, true));
        Esegui("UPDATE PARTITA SET G1A = NULL, G2A = 2 WHERE GIORNATANUM = 1 AND RIGA = 1");
        Esegui("UPDATE PARTITA SET DISPAND = 1 WHERE GIORNATANUM = 1 AND RIGA = 2");
        const Righe r = SchedaCampionatoQueries::turno(1, true);
        QCOMPARE(r[0][1], QStringLiteral(" - 2"));
        QCOMPARE(r[1][1], QStringLiteral("n.d."));
    }

    // Without a calendar both round views offer to register the match days.
    void senzaCalendario_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<bool>("si");
        QTest::newRow("ultimo, sì") << "U" << true;
        QTest::newRow("prossimo, no") << "P" << false;
    }
    void senzaCalendario()
    {
        QFETCH(QString, chiave);
        QFETCH(bool, si);
        amb_->apri(amb_->nuovo(6).senzaCalendario());
        stato().GiornataCorrente = 5;
        scheda();
        amb_->messaggi().risposta(si ? Messaggio::Risposta::Si : Messaggio::Risposta::No);
        cliccaNodo(chiave);
        QVERIFY(
            amb_->messaggi().ultimo().testo.startsWith("Nessuna giornata del calendario è stata ancora registrata"));
        QCOMPARE(Finestre::istanza().visibile("Form10"), si);
        QCOMPARE(stato().GiornataCorrente, si ? 1 : 5);
        QCOMPARE(elenco()->topLevelItemCount(), 0);
    }

    void pulsanteAzione_data()
    {
        QTest::addColumn<QString>("caso");  // how the championship stands
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("riga");        // the list row clicked first (-1: none)
        QTest::addColumn<QString>("aperta");  // the window opened ("": none)
        // clang-format off
        QTest::newRow("rosa") << "andata" << "S" << 1 << "Form1";
        QTest::newRow("rosa senza riga scelta") << "andata" << "S" << -1 << "";
        QTest::newRow("classifica") << "andata" << "C" << -1 << "Form6";
        QTest::newRow("calendario") << "andata" << "U" << -1 << "Form2";
        QTest::newRow("calendario, niente giocato") << "niente" << "U" << -1 << "";
        QTest::newRow("risultati") << "andata" << "P" << -1 << "Form5";
        QTest::newRow("risultati, campionato finito") << "tutto" << "P" << -1 << "";
        QTest::newRow("marcatori") << "andata" << "G" << -1 << "Form20";
        QTest::newRow("radice") << "andata" << "M" << -1 << "";
        // clang-format on
    }
    void pulsanteAzione()
    {
        QFETCH(QString, caso);
        QFETCH(QString, chiave);
        QFETCH(int, riga);
        QFETCH(QString, aperta);
        FixtureCampionato f = amb_->nuovo(6);
        if (caso == "andata") f.giocaFinoA(2, true);
        if (caso == "tutto") f.giocaTutto();
        amb_->apri(f);
        stato().SquadraCorrente = "Bari";
        scheda();
        if (caso == "tutto" && chiave == "P") amb_->messaggi().ok();  // the view reports the completed season
        cliccaNodo(chiave);
        if (riga >= 0) clicca(elenco(), elenco()->topLevelItem(riga));
        stato().GiornataCorrente = 0;
        QTest::mouseClick(azione(), Qt::LeftButton);
        for (const char* id : {"Form1", "Form2", "Form5", "Form6", "Form20"})
            QCOMPARE(Finestre::istanza().visibile(id), aperta == id);
        if (aperta == "Form1") QCOMPARE(stato().SquadraCorrente, elenco()->topLevelItem(riga)->text(0));
        if (aperta == "Form6") QVERIFY(stato().ClassificaCompleta);
        if (aperta == "Form20") QCOMPARE(stato().SquadraCorrente, QString());
        // The finders ran again at the click: the last day played, or the next one to play.
        if (aperta == "Form2" || aperta == "Form5") QCOMPARE(stato().GiornataCorrente, aperta == "Form2" ? 2 : 3);
    }

    // A node whose window is not built yet leaves the button disabled until it is registered.
    void pulsanteSenzaFinestra()
    {
        amb_->apri(amb_->nuovo(6));
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(amb_->area());
        RegistraSchedaCampionato();
        scheda();
        QVERIFY(!azione()->isEnabled());
        FinestraDiTest::registra("Form1");
        QVERIFY(azione()->isEnabled());
        cliccaNodo("C");
        QVERIFY(!azione()->isEnabled());
    }

    void casella_data()
    {
        QTest::addColumn<bool>("mostra");  // MostraSchedaCampionato when the card opens
        QTest::addColumn<int>("clic");
        QTest::addColumn<int>("chiusura");  // 0 Chiudi, 1 close box, 2 unload by the menu command, 3 all closed
        QTest::addColumn<int>("salvato");   // VisualizzaScheda afterwards (it holds -1 before)
        QTest::addColumn<bool>("mostraDopo");
        QTest::newRow("non toccata") << true << 0 << 0 << -1 << true;
        QTest::newRow("spuntata, Chiudi") << true << 1 << 0 << 0 << false;
        QTest::newRow("spuntata, chiusura") << true << 1 << 1 << 0 << false;
        QTest::newRow("spuntata, ricarica") << true << 1 << 2 << 0 << false;
        QTest::newRow("spuntata, nuovo campionato") << true << 1 << 3 << 0 << false;
        QTest::newRow("tolta") << false << 1 << 0 << -1 << true;
        // Clicked back to where it was: the unchanged value is written all the same.
        QTest::newRow("due clic") << false << 2 << 0 << 0 << false;
        // Ticked by the card itself when it opens: not a click, nothing written.
        QTest::newRow("spuntata all'apertura") << false << 0 << 0 << -1 << false;
    }
    void casella()
    {
        QFETCH(bool, mostra);
        QFETCH(int, clic);
        QFETCH(int, chiusura);
        QFETCH(int, salvato);
        QFETCH(bool, mostraDopo);
        SulleImpostazioni("UPDATE Impostazioni SET VisualizzaScheda = -1");
        amb_->apri(amb_->nuovo(4));
        stato().MostraSchedaCampionato = mostra;
        scheda();
        auto* c = AmbienteTest::parte<QCheckBox>(ID, "Check1");
        QCOMPARE(c->isChecked(), !mostra);
        for (int i = 0; i < clic; ++i) QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
        if (chiusura == 0) QTest::mouseClick(AmbienteTest::parte<QPushButton>(ID, "Command3"), Qt::LeftButton);
        if (chiusura == 1) Finestre::istanza().finestra(ID)->contenitore()->close();
        if (chiusura == 2) Finestre::istanza().scarica(ID);
        if (chiusura == 3) ChiudiFinestre();
        QVERIFY(!AmbienteTest::caricata(ID));
        QCOMPARE(SulleImpostazioni("SELECT VisualizzaScheda FROM Impostazioni").toInt(), salvato);
        QCOMPARE(stato().MostraSchedaCampionato, mostraDopo);
    }

    // A click that cannot be saved leaves the setting as it was: without a settings file silently, with a
    // file that cannot be written telling the user.
    void casellaNonSalvata_data()
    {
        QTest::addColumn<bool>("guasto");
        QTest::newRow("senza file") << false;
        QTest::newRow("file guasto") << true;
    }
    void casellaNonSalvata()
    {
        QFETCH(bool, guasto);
        amb_->apri(amb_->nuovo(4));
        QFile f(stato().PercorsoImpostazioni);
        if (!guasto) QVERIFY(f.remove());
        if (guasto) QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(QByteArray(4096, 'x')));
        f.close();
        stato().MostraSchedaCampionato = true;
        scheda();
        QTest::mouseClick(AmbienteTest::parte<QCheckBox>(ID, "Check1"), Qt::LeftButton, {}, QPoint(5, 5));
        if (guasto) amb_->messaggi().ok();
        Finestre::istanza().scarica(ID);
        if (guasto) QVERIFY(amb_->messaggi().ultimo().testo.contains(stato().PercorsoImpostazioni));
        QVERIFY(stato().MostraSchedaCampionato);
        QVERIFY(!AmbienteTest::caricata(ID));
    }

    // A file that fails while a view is read: an Italian message, an empty list under the view's headers.
    void erroreDati()
    {
        amb_->apri(amb_->nuovo(4));
        scheda();
        Esegui("DROP TABLE RETI");
        amb_->messaggi().ok();
        cliccaNodo("G");
        QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(elenco()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestSchedaCampionato)
#include "tst_schedacampionato.moc"
