#include "match/finestrepartita.h"
#include "support/aiutigriglia.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "aiutieditori.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "match/schedapartitawindow.h"
#include "platform/cartellaprogramma.h"
#include "platform/combocodici.h"
#include "platform/griglia.h"
#include "platform/icone.h"

#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString ID = IdFinestra::SchedaPartita;

QImage Carta(bool rosso, bool bitmap)
{
    if (bitmap) return QPixmap(FileProgramma(rosso ? "Espulso!.Bmp" : "Ammonito!.Bmp")).toImage();
    return PixmapIcona(rosso ? "espulso" : "ammonito", 16).toImage();
}

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

    // The header: the leg's teams, score and fields, "Non disputata" whatever the goals, the caption.
    void testata()
    {
        apri(amb_->nuovo(6).giocaFinoA(1, true).risultato(1, 1, true, 2, 1));
        const PartitaFixture* p = d_.partita(1, 1);
        Esegui("UPDATE Partita SET DataAnd = '12/09/1999', HAnd = NULL, ArbitroA = 'Collina', G1R = 3, G2R = 1 "
               "WHERE CodPart = ?",
               {p->codPart});
        mostra(1, true, p->codPart);
        const QString andata = p->sq1 + " - " + p->sq2, ritorno = p->sq2 + " - " + p->sq1;
        QCOMPARE(QStringList({testo("Label3"), testo("Label4"), testo("Label1"), testo("Label2"), testo("Label12")}),
                 QStringList({andata, "2 - 1", "Data: 12/09/1999", "(Orario non specificato)", "Collina"}));

        // The same pairing in the return leg, not played although goals are stored.
        parte<ComboCodici>("Combo2")->setCurrentIndex(1);
        QCOMPARE(std::tuple(stato().GiornataCorrente, stato().Andata, stato().CodPartitaCorrente),
                 std::tuple(1, false, p->codPart));
        QCOMPARE(QStringList({testo("Label3"), testo("Label4"), testo("Label1"), testo("Label12")}),
                 QStringList({ritorno, "Non disputata", "(Data non specificata)", ""}));
        // Played: the home team's goals (G2R) first; each activation reads the file again.
        Esegui("UPDATE Partita SET DispRit = -1 WHERE CodPart = ?", {p->codPart});
        amb_->mostra<SchedaPartitaWindow>(ID);
        QCOMPARE(testo("Label4"), "1 - 3");
    }

    // Each activation follows the hand-over triple, whether or not the caller said the day changed.
    void attivazione()
    {
        apri(amb_->nuovo(6));
        Stato& s = stato();
        mostra(1, true, d_.partita(1, 1)->codPart);
        auto mostrata = [&](int g, int r, bool andata) {
            const PartitaFixture* p = d_.partita(g, r);
            return testo("Label3") == p->casa(andata) + " - " + p->ospite(andata) &&
                   parte<ComboCodici>("Combo3")->codiceCorrente() == p->codPart &&
                   parte<ComboCodici>("Combo1")->currentText() == QString::number(g) &&
                   voci("Combo3") == elencoAtteso(g, andata) && s.GiornataCorrente == g && !s.GiornataCambiata;
        };
        mostra(1, true, d_.partita(1, 3)->codPart);
        QVERIFY(mostrata(1, 3, true));
        mostra(3, true, d_.partita(3, 2)->codPart);  // no GiornataCambiata
        QVERIFY(mostrata(3, 2, true));
        s.GiornataCambiata = true;
        mostra(4, false, d_.partita(4, 1)->codPart);
        QVERIFY(mostrata(4, 1, false));
        // A match of another day handed over with the old day: the sheet follows it.
        mostra(4, false, d_.partita(2, 3)->codPart);
        QVERIFY(mostrata(2, 3, false));

        // A day without pairings: nothing shown, nothing to act on.
        Esegui("DELETE FROM Partita WHERE GiornataNum = 5");
        mostra(5, true, 0);
        QCOMPARE(voci("Combo3"), QStringList());
        QCOMPARE(testo("Label3"), QString());
        for (const char* b : {"Command1", "Command3", "Command6", "Command10"})
            QVERIFY2(!parte<QPushButton>(b)->isEnabled(), b);
        w_->AllaGiornataPrecedente();
        QVERIFY(mostrata(4, 1, true));
        for (const char* b : {"Command1", "Command3", "Command6", "Command10"})
            QVERIFY2(parte<QPushButton>(b)->isEnabled(), b);
    }

    void formazioni_data()
    {
        QTest::addColumn<int>("stile");
        QTest::addColumn<bool>("voti");
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<bool>("tradizionale");
        QTest::newRow("cognome") << 1 << true << true << true;
        QTest::newRow("nome e cognome") << 2 << true << false << false;
        QTest::newRow("iniziale") << 3 << false << true << false;
        QTest::newRow("stile sconosciuto") << 0 << true << false << true;
    }
    // Starters of the leg only, in their rows: typed names, name styles, ratings, cards, numbers.
    void formazioni()
    {
        QFETCH(int, stile);
        QFETCH(bool, voti);
        QFETCH(bool, bitmap);
        QFETCH(bool, tradizionale);
        apri(amb_->nuovo(4).rose(25).formazioni().giocaFinoA(1, false));
        const PartitaFixture* p = d_.partita(1, 1);
        auto riga = [&](int r) { return QVariantList{p->codPart, p->sq1, r}; };
        const QString dove = " WHERE CodPartita = ? AND Girone = -1 AND Titolare = -1 AND Squadra = ? AND Riga = ?";
        Esegui(
            "UPDATE Presenze SET CodGiocatore = -1, Nome = 'Scritto a mano', Voto = NULL, Ammonito = 0, NumMaglia = 0" +
                dove,
            riga(1));
        Esegui("UPDATE Presenze SET Voto = 250, Ammonito = 100, NumMaglia = 23" + dove, riga(2));
        Esegui("UPDATE Presenze SET Voto = 6.5, Ammonito = 101, NumMaglia = NULL" + dove, riga(3));
        Esegui("UPDATE Presenze SET Ammonito = NULL" + dove, riga(4));
        Esegui("UPDATE Presenze SET Riga = 12" + dove, riga(11));  // no place on the sheet
        Query quinto("SELECT CodGiocatore FROM Presenze" + dove, riga(5));
        QVERIFY(quinto.primo());
        const int codice = quinto.intero(0);
        Esegui("UPDATE Giocatore SET Nome = 'Andrea', Cognome = 'Rossi' WHERE Codice = ?", {codice});
        Stato& s = stato();
        s.FormatoNome = stile;
        s.MostraVoti = voti;
        s.BmpAmmonitoPresente = s.BmpEspulsoPresente = bitmap;
        s.NumerazioneTradizionale = tradizionale;
        mostra(1, true, p->codPart);

        QCOMPARE(parte<QGroupBox>("Frame1")->title(), p->sq1);
        QCOMPARE(testo("Label5_0"), "Scritto a mano");
        QCOMPARE(testo("Label5_4"), QStringList({"Rossi", "Andrea Rossi", "A. Rossi"}).value(stile - 1, "Rossi"));
        QCOMPARE(testo("Label5_10"), QString());
        const QStringList votiAttesi = {"-", "s.v.", "6,5"};
        for (int i = 0; i < 3; ++i) QCOMPARE(testo(QString("Label7_%1").arg(i)), voti ? votiAttesi[i] : QString());
        const QStringList numeri = {"", "23", ""};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(testo(QString("Label6_%1").arg(i)), tradizionale ? QString::number(i + 1) : numeri[i]);
        for (int i : {0, 3}) QVERIFY(parte<QLabel>(QString("Image1_%1").arg(i))->isHidden());
        QCOMPARE(parte<QLabel>("Image1_1")->pixmap().toImage(), Carta(false, bitmap));
        QCOMPARE(parte<QLabel>("Image1_2")->pixmap().toImage(), Carta(true, bitmap));
        QVERIFY(w_->squadre()[0].formazionePresente && w_->squadre()[1].formazionePresente);

        // The return leg: SQ2 first, and none of the first leg's rows.
        parte<ComboCodici>("Combo2")->setCurrentIndex(1);
        QCOMPARE(parte<QGroupBox>("Frame1")->title(), p->sq2);
        QCOMPARE(parte<QGroupBox>("Frame2")->title(), p->sq1);
        for (int i = 0; i < 11; ++i) QVERIFY(testo(QString("Label8_%1").arg(i)) != "Scritto a mano");
        QVERIFY(!testo("Label8_10").isEmpty());
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
        const int r3 = rete(b, p->sq2, 30, 7, 1), r4 = rete(b, p->sq2, 20, 3, 1);
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

        // The editor's keys: the goal, or a new one of the team.
        clic("Command5");
        QCOMPARE(stato().CodRete, r4);
        QVERIFY(FinestraDiTest::di(IdFinestra::Reti));
        clic("Command6");
        QCOMPARE(stato().CodRete, -2);
        // A team without goals: only "Inserisci".
        Esegui("DELETE FROM Reti WHERE Codice = ?", {r4});
        amb_->mostra<SchedaPartitaWindow>(ID);
        QCOMPARE(righe("Grid2"), R({{"", "", ""}}));
        QVERIFY(!parte<QPushButton>("Command5")->isEnabled() && !parte<QPushButton>("Command7")->isEnabled());
        QVERIFY(parte<QPushButton>("Command6")->isEnabled());
    }

    // Substitutions: links shown, delete gives the player back his place in one go, chains refused.
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
        mostra(1, true, p->codPart);
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

        // The editor's keys; a team without starters cannot have substitutions.
        clic("Command9");
        QCOMPARE(stato().CodSostituzione, cambi[0].first);
        clic("Command10");
        QCOMPARE(stato().CodSostituzione, -1);
        Esegui("DELETE FROM Presenze WHERE CodPartita = ? AND Squadra = ? AND Titolare = -1", {p->codPart, p->sq2});
        amb_->mostra<SchedaPartitaWindow>(ID);
        amb_->messaggi().ok();
        clic("Command11");
        QVERIFY(amb_->messaggi().ultimo().testo.contains(p->sq2));
        QCOMPARE(stato().CodSostituzione, -1);
    }

    // The notes of the leg, the home team of the leg on the left; Null empty, a blank kept.
    void note()
    {
        apri(amb_->nuovo(4).giocaFinoA(1, false));
        const PartitaFixture* p = d_.partita(1, 2);
        Esegui("UPDATE Partita SET Tiri1R = '7', Tiri2R = '12', Corner2R = '4', GuardalineeR = ' ', TerrenoR = NULL, "
               "SpettatoriR = '1500', Tiri1A = '99' WHERE CodPart = ?",
               {p->codPart});
        mostra(1, false, p->codPart);
        QCOMPARE(QStringList({testo("Label19"), testo("Label20")}), QStringList({p->sq2, p->sq1}));
        auto casella = [&](int n) { return parte<QLineEdit>(QString("Text%1").arg(n))->text(); };
        QCOMPARE(QStringList({casella(2), casella(5), casella(14), casella(16), casella(18), casella(19)}),
                 QStringList({"12", "7", "4", " ", "", "1500"}));
        parte<ComboCodici>("Combo2")->setCurrentIndex(0);
        QCOMPARE(QStringList({casella(2), casella(16), casella(19)}), QStringList({"99", "", ""}));
    }

    // The largest championship with a long name holding an "&", in both legs.
    void campionatoPiuGrande()
    {
        apri(amb_->piuGrande());
        const PartitaFixture* p = d_.partita(7, 3);
        const QString lunga = "Polisportiva Sampierdarenese &";  // 30 characters
        for (const char* t :
             {"UPDATE Partita SET Sq1 = ? WHERE Sq1 = ?", "UPDATE Partita SET Sq2 = ? WHERE Sq2 = ?",
              "UPDATE Presenze SET Squadra = ? WHERE Squadra = ?", "UPDATE Reti SET Squadra = ? WHERE Squadra = ?"})
            Esegui(t, {lunga, p->sq1});
        for (bool andata : {true, false}) {
            mostra(7, andata, p->codPart);
            QCOMPARE(w_->squadre()[andata ? 0 : 1].nome, lunga);
            // The "&" of a name shows as itself on the frames.
            QCOMPARE(parte<QGroupBox>(andata ? "Frame1" : "Frame2")->title(), "Polisportiva Sampierdarenese &&");
            QCOMPARE(w_->squadre()[0].sostituzioni.size(), 3);
        }
    }
};

QTEST_MAIN(TestSchedaPartita)
#include "tst_schedapartita.moc"
