#include "match/finestrepartita.h"
#include "support/aiutigriglia.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "aiutieditori.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "match/schedapartitawindow.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"

#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

const QString ID = IdFinestra::SchedaPartita;

}  // namespace

// The match sheet: navigation between days and legs, what each tab shows, and its two deletes.
class TestSchedaPartita : public QObject, ControlliEditore {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture d_;
    SchedaPartitaWindow* w_ = nullptr;

    void clic(const QString& pulsante) const { parte<QPushButton>(pulsante)->click(); }

    // Teams and calendar; the windows the sheet opens stood in for.
    void apri(FixtureCampionato f)
    {
        for (const QString& id : {IdFinestra::Tabellino, IdFinestra::Reti, IdFinestra::Sostituzioni})
            FinestraDiTest::registra(id);
        d_ = amb_->apri(std::move(f));
    }
    SchedaPartitaWindow* mostra(int giornata, bool andata, int codPart)
    {
        stato().CodPartitaCorrente = codPart;
        finestra_ = w_ = amb_->mostra<SchedaPartitaWindow>(ID, giornata, andata);
        return w_;
    }
    // The match list the sheet must offer: home team of the leg first, sorted by it.
    QStringList elencoAtteso(int giornata, bool andata) const
    {
        QVector<const PartitaFixture*> p;
        for (const PartitaFixture& x : d_.partite)
            if (x.giornata == giornata) p << &x;
        std::sort(p.begin(), p.end(), [andata](auto* a, auto* b) {
            const int c = a->casa(andata).compare(b->casa(andata), Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a->codPart < b->codPart;
        });
        QStringList t;
        for (auto* x : p) t << x->casa(andata) + " - " + x->ospite(andata);
        return t;
    }
    QVector<QStringList> righe(const QString& griglia) const { return RigheGriglia(parte<Griglia>(griglia), 1); }
    static int reti(int giocatore)
    {
        return Valore("SELECT Reti FROM Giocatore WHERE Codice = ?", {giocatore}).toInt();
    }

private slots:
    void init() { amb_ = std::make_unique<AmbienteTest>(RegistraFinestrePartita); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    void frecce_data()
    {
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::addColumn<bool>("avanti");
        QTest::addColumn<int>("nuovaGiornata");  // 0: refused
        QTest::addColumn<bool>("nuovaAndata");
        QTest::newRow("prima giornata, indietro") << 1 << true << false << 0 << true;
        QTest::newRow("ritorno 1, indietro") << 1 << false << false << 5 << true;
        QTest::newRow("andata 5, avanti") << 5 << true << true << 1 << false;
        QTest::newRow("ultima giornata, avanti") << 5 << false << true << 0 << false;
        QTest::newRow("ritorno 3, indietro") << 3 << false << false << 2 << false;
        QTest::newRow("andata 2, avanti") << 2 << true << true << 3 << true;
    }
    // The arrows move through both legs and refuse at either end; the list is the day's, home team first.
    void frecce()
    {
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(bool, avanti);
        QFETCH(int, nuovaGiornata);
        QFETCH(bool, nuovaAndata);
        apri(amb_->nuovo(6));
        const int codice = d_.partita(giornata, 2)->codPart;
        mostra(giornata, andata, codice);
        QCOMPARE(voci("Combo3"), elencoAtteso(giornata, andata));
        if (!nuovaGiornata) amb_->messaggi().ok();
        avanti ? w_->AllaGiornataSuccessiva() : w_->AllaGiornataPrecedente();
        const Stato& s = stato();
        if (!nuovaGiornata) {
            QVERIFY(amb_->messaggi().ultimo().testo.contains(avanti ? "l'ultima" : "la prima"));
            QCOMPARE(std::tuple(s.GiornataCorrente, s.Andata, s.CodPartitaCorrente),
                     std::tuple(giornata, andata, codice));
            return;
        }
        // The day's first match, in the lists, the header and the hand-over variables.
        QCOMPARE(voci("Combo3"), elencoAtteso(nuovaGiornata, nuovaAndata));
        QCOMPARE(std::tuple(testo("Combo1"), combo("Combo2")->currentIndex(), combo("Combo3")->currentIndex()),
                 std::tuple(QString::number(nuovaGiornata), nuovaAndata ? 0 : 1, 0));
        QCOMPARE(std::tuple(s.GiornataCorrente, s.Andata, s.CodPartitaCorrente),
                 std::tuple(nuovaGiornata, nuovaAndata, combo("Combo3")->codiceCorrente()));
        QCOMPARE(testo("Label3"), voci("Combo3")[0]);
    }

    // Each activation follows the hand-over triple without being told the day changed, also a match handed
    // over with another day.
    void attivazione()
    {
        apri(amb_->nuovo(6));
        mostra(1, true, d_.partita(1, 1)->codPart);
        for (auto [consegnata, g, r, andata] :
             {std::tuple(3, 3, 2, true), std::tuple(3, 3, 2, false), std::tuple(4, 2, 3, false)}) {
            const PartitaFixture* p = d_.partita(g, r);
            mostra(consegnata, andata, p->codPart);
            QCOMPARE(testo("Label3"), p->casa(andata) + " - " + p->ospite(andata));
            QCOMPARE(voci("Combo3"), elencoAtteso(g, andata));
            QCOMPARE(stato().GiornataCorrente, g);
        }
    }

    // The header and the notes tab show the leg chosen, home team first: in the return leg SQ2's goals, then
    // SQ1's, and SQ2's figures in the left column; choosing the other leg changes every box.
    void tabellinoENote()
    {
        apri(amb_->nuovo(4));
        const PartitaFixture* p = d_.partita(2, 1);
        // Each figure names its field: its initial, team and leg ("T1A" is TIRI1A).
        QStringList assegna;
        QVariantList valori;
        for (const char* squadraGirone : {"1A", "2A", "1R", "2R"})
            for (const char* campo : {"Tiri", "TiriPorta", "Offside", "Falli", "Possesso", "Corner"}) {
                assegna << QString(campo) + squadraGirone + " = ?";
                valori << QString(campo).left(campo == QString("TiriPorta") ? 5 : 1) + squadraGirone;
            }
        for (const char* girone : {"A", "R"})
            for (const char* campo : {"Arbitro", "Guardalinee", "CondClimatiche", "Terreno", "Spettatori"}) {
                assegna << QString(campo) + girone + " = ?";
                valori << QString(campo) + " " + girone;
            }
        Esegui("UPDATE Partita SET DispAnd = -1, DispRit = -1, G1A = 2, G2A = 0, G1R = 1, G2R = 3, " +
                   assegna.join(", ") + " WHERE CodPart = ?",
               valori << p->codPart);
        mostra(2, true, p->codPart);
        for (const bool andata : {true, false}) {
            if (!andata) combo("Combo2")->setCurrentIndex(1);
            const QString casa = andata ? "1A" : "2R", ospite = andata ? "2A" : "1R", g = andata ? " A" : " R";
            QCOMPARE(
                QStringList({testo("Label3"), testo("Label4"), testo("Label12"), w_->windowTitle()}),
                QStringList({p->casa(andata) + " - " + p->ospite(andata), andata ? "2 - 0" : "3 - 1", "Arbitro" + g,
                             "Schede delle partite: " + p->casa(andata) + " - " + p->ospite(andata)}));
            QCOMPARE(QStringList({testo("Label19"), testo("Label20")}),
                     QStringList({p->casa(andata), p->ospite(andata)}));
            QStringList sinistra, destra, note;
            for (int i = 0; i < 6; ++i) {
                sinistra << testo(QString("Text%1").arg(i == 0 ? 2 : 4 + 2 * i));
                destra << testo(QString("Text%1").arg(i == 0 ? 5 : 5 + 2 * i));
            }
            for (int i = 16; i <= 19; ++i) note << testo(QString("Text%1").arg(i));
            auto figure = [](const QString& squadraGirone) {
                QStringList f;
                for (const char* iniziale : {"T", "TiriP", "O", "F", "P", "C"}) f << iniziale + squadraGirone;
                return f;
            };
            QCOMPARE(sinistra, figure(casa));
            QCOMPARE(destra, figure(ospite));
            QCOMPARE(note, QStringList({"Guardalinee" + g, "CondClimatiche" + g, "Terreno" + g, "Spettatori" + g}));
        }
    }

    // Goals: own goals counted for the other team, minute order, delete with the tally kept at 0 or more.
    void reti()
    {
        apri(amb_->nuovo(4).rose(25).formazioni().giocaFinoA(1, false));
        const PartitaFixture* p = d_.partita(1, 1);
        const int a = d_.rosa(p->sq1)[0]->codice, b = d_.rosa(p->sq2)[0]->codice;
        Esegui("UPDATE Giocatore SET Cognome = 'Primo', Reti = 3 WHERE Codice = ?", {a});
        Esegui("UPDATE Giocatore SET Cognome = 'Secondo', Reti = 0 WHERE Codice = ?", {b});
        Esegui("DELETE FROM Reti WHERE CodPart = ?", {p->codPart});
        auto rete = [&](int giocatore, const QString& squadra, const QVariant& minuto, int tipo, int girone) {
            Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Squadra, Minuto, Tipo, Girone) VALUES (?, ?, ?, ?, ?, ?)",
                   {p->codPart, giocatore, squadra, minuto, tipo, girone});
            return Valore("SELECT MAX(Codice) FROM Reti").toInt();
        };
        const int r1 = rete(a, p->sq1, 110, 1, 1), r2 = rete(a, p->sq1, QVariant(), 250, 1);
        const int r3 = rete(b, p->sq2, 30, 7, 1);
        rete(b, p->sq2, 20, 3, 1);
        rete(b, p->sq2, 45, 6, 2);
        mostra(1, true, p->codPart);
        using R = QVector<QStringList>;
        QCOMPARE(righe("Grid1"),
                 R({{"N.s.", "Primo", ""}, {"30 p.t.", "Secondo", "Autorete"}, {"10 s.t.", "Primo", "Tiro dx"}}));
        QCOMPARE(righe("Grid2"), R({{"20 p.t.", "Secondo", "Testa"}}));
        QCOMPARE(parte<Griglia>("Grid1")->rigaCorrente(), 0);

        // The own goal: its scorer's tally stays at 0; the rows keep their keys.
        parte<Griglia>("Grid1")->impostaRigaCorrente(2);
        amb_->messaggi().si();
        clic("Command4");
        QVERIFY(amb_->messaggi().ultimo().testo.contains("Secondo"));
        QCOMPARE(reti(b), 0);
        QCOMPARE(righe("Grid1"), R({{"N.s.", "Primo", ""}, {"10 s.t.", "Primo", "Tiro dx"}}));
        QCOMPARE(w_->squadre()[0].reti[0].codice, r2);
        QCOMPARE(w_->squadre()[0].reti[1].codice, r1);
        QVERIFY(!Valore("SELECT 1 FROM Reti WHERE Codice = ?", {r3}).isValid());
        // Nothing selected: the first goal. A failure leaves the file and the grid as they were.
        Esegui("CREATE TRIGGER blocco BEFORE DELETE ON Reti BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
        amb_->messaggi().si().ok();
        clic("Command4");
        QCOMPARE(reti(a), 3);
        QCOMPARE(righe("Grid1").size(), 2);
        Esegui("DROP TRIGGER blocco");
        amb_->messaggi().si();
        clic("Command4");
        QCOMPARE(reti(a), 2);
        QCOMPARE(righe("Grid1"), R({{"10 s.t.", "Primo", "Tiro dx"}}));
    }

    // Substitutions: links shown, delete gives the player back his place in one go, chains refused. A name
    // longer than its line-up column is cut with "…" and shown whole under the mouse.
    void sostituzioni()
    {
        apri(amb_->nuovo(4).rose(25).formazioni(3, 3).giocaFinoA(1, true));
        const PartitaFixture* p = d_.partita(1, 1);
        QVector<QPair<int, int>> cambi;  // entering row, replaced row; in order of entry
        Query q("SELECT Codice, ChiHaSost FROM Presenze WHERE CodPartita = ? AND Girone = -1 AND Titolare = 0 "
                "AND Squadra = ? ORDER BY Riga DESC",
                {p->codPart, p->sq1});
        while (q.next()) cambi << qMakePair(q.intero(0), q.intero(1));
        QCOMPARE(cambi.size(), 3);
        auto sostituito = [](int riga) {
            return Valore("SELECT Sostituito FROM Presenze WHERE Codice = ?", {riga}).toInt();
        };
        // The third change's link leads nowhere; the second replaced the first one's substitute.
        Esegui("UPDATE Presenze SET ChiHaSost = 999999 WHERE Codice = ?", {cambi[2].first});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {cambi[0].first, cambi[1].first});
        Esegui("UPDATE Presenze SET Sostituito = 170 WHERE Codice = ?", {cambi[0].first});
        const QString lungo = "Dell'Acqua Bianchi Santamaria Visconti Sforza di Caravaggio e Borromeo";
        Esegui(
            "UPDATE Giocatore SET Cognome = ? WHERE Codice = (SELECT CodGiocatore FROM Presenze WHERE CodPartita = ? "
            "AND Girone = -1 AND Titolare = -1 AND Riga = 1 AND Squadra = ?)",
            {lungo, p->codPart, p->sq1});
        mostra(1, true, p->codPart);
        parte<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto* nome = parte<QLabel>("Label5_0");
        QVERIFY(nome->text().endsWith("…") && nome->fontMetrics().horizontalAdvance(nome->text()) <= nome->width());
        QCOMPARE(nome->toolTip(), lungo);
        auto* elenco = parte<QTreeWidget>("ListView1");
        QCOMPARE(elenco->topLevelItemCount(), 3);
        QCOMPARE(elenco->topLevelItem(1)->text(2), "70 s.t.");
        QCOMPARE(elenco->topLevelItem(1)->text(3), elenco->topLevelItem(0)->text(0));
        QCOMPARE(elenco->topLevelItem(2)->text(2) + elenco->topLevelItem(2)->text(3), QString());

        // The first substitute was replaced himself: refused, nothing changed.
        elenco->setCurrentItem(elenco->topLevelItem(0));
        amb_->messaggi().ok();
        clic("Command12");
        QVERIFY(amb_->messaggi().ultimo().testo.contains("a sua volta sostituito"));
        QCOMPARE(elenco->topLevelItemCount(), 3);
        // A failure halfway leaves the replaced player substituted.
        elenco->setCurrentItem(elenco->topLevelItem(1));
        Esegui("CREATE TRIGGER blocco BEFORE DELETE ON Presenze BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
        amb_->messaggi().si().ok();
        clic("Command12");
        QCOMPARE(sostituito(cambi[0].first), 170);
        Esegui("DROP TRIGGER blocco");
        amb_->messaggi().si();
        clic("Command12");
        QCOMPARE(sostituito(cambi[0].first), 0);
        QVERIFY(!Valore("SELECT 1 FROM Presenze WHERE Codice = ?", {cambi[1].first}).isValid());
        QCOMPARE(elenco->topLevelItemCount(), 2);

        // Team 2: a row linked to itself and two rows linked to each other replaced no one; each is deleted.
        QVector<int> altri;
        Query r("SELECT Codice FROM Presenze WHERE CodPartita = ? AND Girone = -1 AND Titolare = 0 AND Squadra = ? "
                "ORDER BY Riga DESC",
                {p->codPart, p->sq2});
        while (r.next()) altri << r.intero(0);
        Esegui("UPDATE Presenze SET ChiHaSost = Codice, Sostituito = 160 WHERE Codice = ?", {altri[0]});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {altri[2], altri[1]});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {altri[1], altri[2]});
        mostra(1, true, p->codPart);
        auto* elenco2 = parte<QTreeWidget>("ListView2");
        QCOMPARE(elenco2->topLevelItem(0)->text(2) + elenco2->topLevelItem(0)->text(3), QString());
        for (int i = 0; i < 3; ++i) {
            elenco2->setCurrentItem(elenco2->topLevelItem(0));
            amb_->messaggi().si();
            clic("Command13");
        }
        QCOMPARE(elenco2->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestSchedaPartita)
#include "tst_schedapartita.moc"
