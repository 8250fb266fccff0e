#include "match/finestrepartita.h"
#include "support/ambientetest.h"

#include "aiutieditori.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "match/retiwindow.h"

#include <QPlainTextEdit>
#include <QTextCursor>

// The goal editor: the goal handed over, what a goal shows, saves and refusals, the goal tally, deletes.
class TestReti : public QObject, ControlliEditore {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture d_;
    RetiWindow* w_ = nullptr;
    const PartitaFixture* p_ = nullptr;
    int a_ = 0, b_ = 0;

    // Day 1's first match of four teams with long names, played in both legs, without goals; a and b two players
    // of its first team.
    void apri()
    {
        d_ = amb_->apri(amb_->nuovo(4)
                            .squadre({"Società Sportiva Lazio Roma", "FC Internazionale Milano",
                                      "Associazione Calcio Fiorentina", "Unione Calcio Sampdoria Genova"})
                            .rose(25)
                            .giocaFinoA(2, false));
        p_ = d_.partita(1, 1);
        a_ = d_.rosa(p_->sq1)[0]->codice;
        b_ = d_.rosa(p_->sq1)[1]->codice;
        Esegui("UPDATE Giocatore SET Nome = 'Andrea', Cognome = 'Aaaa', Reti = NULL WHERE Codice = ?", {a_});
        Esegui("UPDATE Giocatore SET Nome = 'Bruno', Cognome = 'Bbbb', Reti = 0 WHERE Codice = ?", {b_});
    }
    int rete(int giocatore, const QString& squadra, const QVariant& minuto, int tipo = 1, int girone = 1,
             const PartitaFixture* p = nullptr)
    {
        Esegui("INSERT INTO Reti (CodPart, CodGiocatore, Squadra, Minuto, Tipo, Girone) VALUES (?, ?, ?, ?, ?, ?)",
               {(p ? p : p_)->codPart, giocatore, squadra, minuto, tipo, girone});
        return Valore("SELECT MAX(Codice) FROM Reti").toInt();
    }
    RetiWindow* mostra(int chiave, bool andata = true)
    {
        stato().CodPartitaCorrente = p_->codPart;
        stato().CodRete = chiave;
        finestra_ = w_ = amb_->mostra<RetiWindow>(IdFinestra::Reti, 1, andata);
        return w_;
    }
    static QVariant tally(int giocatore) { return Valore("SELECT Reti FROM Giocatore WHERE Codice = ?", {giocatore}); }
    static QVariant campo(int rete, const QString& nome)
    {
        return Valore("SELECT " + nome + " FROM Reti WHERE Codice = ?", {rete});
    }

private slots:
    void init() { amb_ = std::make_unique<AmbienteTest>(RegistraFinestrePartita); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    void apertura_data()
    {
        QTest::addColumn<bool>("altraPartita");
        QTest::addColumn<bool>("minuscole");  // its team written in small letters
        QTest::newRow("gol dell'ospite") << false << false;
        QTest::newRow("gol dell'ospite, squadra in minuscolo") << false << true;
        QTest::newRow("gol di un'altra partita") << true << false;
    }
    // A goal handed over opens on its team, named in any letter case; a key of no goal of the leg opens a new
    // goal of the home team. The match's long names show whole.
    void apertura()
    {
        QFETCH(bool, altraPartita);
        QFETCH(bool, minuscole);
        apri();
        mostra(rete(0, minuscole ? p_->sq2.toLower() : p_->sq2, 10, 1, 1, altraPartita ? d_.partita(2, 1) : nullptr));
        QCOMPARE(testo("Combo1"), altraPartita ? p_->sq1 : p_->sq2);
        QCOMPARE(w_->chiavi().size(), altraPartita ? 0 : 1);
        QCOMPARE(w_->reteSalvata(), !altraPartita);
        // Its end shows without scrolling its start away.
        auto* partita = parte<QLineEdit>("Text1");
        partita->end(false);
        partita->grab();  // scrolled as it is painted
        QVERIFY(partita->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() >=
                partita->fontMetrics().horizontalAdvance(partita->text()));
    }

    // The tally over one sequence: each stored goal of a scorer found counts 1, own goals too; never below 0.
    // A name of no player is asked about first, and then kept as long as it shows.
    void tally()
    {
        apri();
        mostra(-1);
        scegli("Combo2", a_);
        QVERIFY(w_->Salva());
        const int r = w_->chiavi().last();
        QCOMPARE(QVariantList({tally(a_).toInt(), testo("Text6")}), QVariantList({1, "1° gol segnato"}));
        QVERIFY(w_->Salva());  // unchanged
        QCOMPARE(tally(a_).toInt(), 1);
        scegli("Combo2", b_);
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({tally(a_).toInt(), tally(b_).toInt()}), QVariantList({0, 1}));
        spunta("Check1");
        for (int i = 0; i < 2; ++i) QVERIFY(w_->Salva());  // an own goal saved again
        QCOMPARE(QVariantList({tally(b_).toInt(), campo(r, "Tipo").toInt()}), QVariantList({1, 7}));
        spunta("Check1", false);
        scegli("Combo3", 5);
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({tally(b_).toInt(), campo(r, "Tipo").toInt()}), QVariantList({1, 5}));
        scrivi("Combo2", "Sconosciuto");
        amb_->messaggi().no();
        QVERIFY(!w_->Salva());
        QCOMPARE(amb_->messaggi().ultimo().testo,
                 "Sconosciuto non è nella rosa di " + p_->sq1 + ": salvare il gol senza marcatore?");
        QCOMPARE(QVariantList({tally(b_).toInt(), campo(r, "CodGiocatore").toInt(), testo("Combo2")}),
                 QVariantList({1, b_, "Sconosciuto"}));
        amb_->messaggi().si();
        for (int i = 0; i < 2; ++i) QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({tally(b_).toInt(), campo(r, "CodGiocatore").toInt()}), QVariantList({0, -1}));
        // A failure leaves the file and the window as they were.
        scegli("Combo2", a_);
        Esegui("CREATE TRIGGER blocco BEFORE UPDATE ON Giocatore BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QCOMPARE(campo(r, "CodGiocatore").toInt(), -1);
        amb_->messaggi().no();  // the change is dropped
        w_->Nuovo();
        scegli("Combo2", a_);
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QCOMPARE(QVariantList({Valore("SELECT COUNT(*) FROM Reti").toInt(), int(w_->chiavi().size())}),
                 QVariantList({1, 1}));
        QVERIFY(!w_->reteSalvata());
        Esegui("DROP TRIGGER blocco");
        QVERIFY(w_->Salva());
        QCOMPARE(tally(a_).toInt(), 1);
        // A tally at the most its field holds stays there.
        Esegui("UPDATE Giocatore SET Reti = 2147483647 WHERE Codice = ?", {b_});
        scegli("Combo2", b_);
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({tally(a_).toInt(), tally(b_).toLongLong()}), QVariantList({0, 2147483647LL}));
        scegli("Combo2", a_);
        QVERIFY(w_->Salva());
        Esegui("UPDATE Giocatore SET Reti = 0 WHERE Codice = ?", {b_});
        // Taken away from a scorer whose tally is already 0: it stays 0.
        Esegui("UPDATE Giocatore SET Reti = 0 WHERE Codice = ?", {a_});
        scegli("Combo2", b_);
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({tally(a_).toInt(), tally(b_).toInt()}), QVariantList({0, 1}));
        // A scorer deleted since stays as stored while his goal is saved again.
        Esegui("DELETE FROM Giocatore WHERE Codice = ?", {b_});
        w_->Precedente();
        w_->Successivo();
        scrivi("Text3", "80");
        QVERIFY(w_->Salva());
        QCOMPARE(campo(w_->chiavi().last(), "CodGiocatore").toInt(), b_);
    }

    void valori_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::addColumn<QString>("minuto");
        QTest::addColumn<bool>("secondo");
        QTest::addColumn<int>("tipo");  // -1 none chosen
        QTest::addColumn<bool>("autorete");
        QTest::addColumn<int>("codiceMinuto");  // -1: refused
        QTest::addColumn<int>("codiceTipo");
        QTest::newRow("vuoto, primo tempo") << true << "" << false << -1 << false << 0 << 250;
        QTest::newRow("vuoto, secondo tempo") << false << "" << true << -1 << false << 100 << 250;
        QTest::newRow("10 s.t., testa") << true << "10" << true << 3 << false << 110 << 3;
        QTest::newRow("45, autorete") << false << "45" << false << 5 << true << 45 << 7;
        QTest::newRow("99 s.t.") << true << "99" << true << 1 << false << 199 << 1;
        QTest::newRow("100") << true << "100" << false << 1 << false << -1 << 0;
        QTest::newRow("-1") << true << "-1" << true << 1 << false << -1 << 0;
        QTest::newRow("45+2") << true << "45+2" << false << 1 << false << -1 << 0;
        QTest::newRow("45,5") << false << "45,5" << true << 1 << false << -1 << 0;
    }
    // What a new goal stores, in the match and leg shown whatever the caller moved to since; a minute that is
    // no whole number of 0..99 refused before writing, "save first?" then staying on the record.
    void valori()
    {
        QFETCH(bool, andata);
        QFETCH(QString, minuto);
        QFETCH(bool, secondo);
        QFETCH(int, tipo);
        QFETCH(bool, autorete);
        QFETCH(int, codiceMinuto);
        QFETCH(int, codiceTipo);
        apri();
        mostra(-2, andata);
        stato().CodPartitaCorrente = d_.partita(2, 2)->codPart;
        stato().Andata = !andata;
        const QByteArray prima = AmbienteTest::impronta(d_.percorso);
        combo("Combo2")->setCurrentIndex(3);
        const int giocatore = combo("Combo2")->codiceCorrente();
        scrivi("Text3", minuto);
        spunta(secondo ? "Option2" : "Option1");
        scegli("Combo3", tipo);
        spunta("Check1", autorete);
        parte<QPlainTextEdit>("Text5")->setPlainText("Nota");
        amb_->messaggi().si();
        if (codiceMinuto < 0) amb_->messaggi().ok();
        w_->Nuovo();
        if (codiceMinuto < 0) {
            QVERIFY(amb_->messaggi().ultimo().testo.contains("il minuto del gol va indicato da 0 a 99"));
            QCOMPARE(AmbienteTest::impronta(d_.percorso), prima);
            QCOMPARE(testo("Text3"), minuto);
            QVERIFY(!w_->reteSalvata());
            return;
        }
        QCOMPARE(testo("Text6"), "Inserimento di un nuovo gol");
        QCOMPARE(w_->chiavi().size(), 1);
        Query q("SELECT CodPart, Girone, Squadra, CodGiocatore, Minuto, Tipo, Note FROM Reti WHERE Codice = ?",
                {w_->chiavi()[0]});
        QVERIFY(q.primo());
        QCOMPARE(
            QVariantList({q.intero(0), q.intero(1), q.testo(2), q.intero(3), q.intero(4), q.intero(5), q.testo(6)}),
            QVariantList(
                {p_->codPart, andata ? 1 : 2, p_->ospite(andata), giocatore, codiceMinuto, codiceTipo, "Nota"}));
        // An empty scorer, or one of blanks, is refused.
        for (const char* vuoto : {"", "   "}) {
            scrivi("Combo2", vuoto);
            amb_->messaggi().ok();
            QVERIFY(!w_->Salva());
            QCOMPARE(amb_->messaggi().ultimo().testo, "Attenzione: occorre indicare il nome del marcatore!");
        }
    }

    // Browsing and deleting: the following goal takes the place, the last gives way, the only one leaves a new one.
    void eliminazioni()
    {
        apri();
        const int r1 = rete(a_, p_->sq1, 10), r2 = rete(a_, p_->sq1, 20), r3 = rete(b_, p_->sq1, 30);
        Esegui("UPDATE Giocatore SET Reti = 3 WHERE Codice = ?", {a_});
        mostra(r1);
        amb_->messaggi().ok();
        w_->Precedente();
        QCOMPARE(amb_->messaggi().ultimo().testo, "Questo è il primo gol segnato!");
        w_->Successivo();
        amb_->messaggi().si();
        w_->Elimina();
        QCOMPARE(w_->chiavi(), QVector<int>({r1, r3}));
        QVERIFY(!campo(r2, "Codice").isValid());
        QCOMPARE(tally(a_).toInt(), 2);
        amb_->messaggi().ok();
        w_->Successivo();
        QCOMPARE(amb_->messaggi().ultimo().testo, "Questo è l'ultimo gol segnato!");
        amb_->messaggi().si();
        w_->Elimina();
        QCOMPARE(w_->chiavi(), QVector<int>({r1}));
        amb_->messaggi().si();
        w_->Elimina();
        QVERIFY(w_->chiavi().isEmpty() && !w_->reteSalvata());
        QCOMPARE(testo("Text6"), "Inserimento di un nuovo gol");
        QCOMPARE(Valore("SELECT COUNT(*) FROM Reti").toInt(), 0);
        // A save of a goal deleted elsewhere says so and leaves a new goal.
        scrivi("Combo2", "Forestiero");
        amb_->messaggi().si();
        QVERIFY(w_->Salva());
        Esegui("DELETE FROM Reti");
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QVERIFY(amb_->messaggi().ultimo().testo.contains("eliminato in un'altra finestra"));
        QVERIFY(w_->chiavi().isEmpty() && !w_->reteSalvata());
        QCOMPARE(Valore("SELECT COUNT(*) FROM Reti").toInt(), 0);
    }

    // The description holds 250 characters: more typed or pasted is cut where it went in; a longer one read
    // from the file stays whole.
    void descrizione()
    {
        apri();
        const int r = rete(a_, p_->sq1, 10);
        Esegui("UPDATE Reti SET Note = ? WHERE Codice = ?", {QString(300, 'x'), r});
        mostra(r);
        auto* note = parte<QPlainTextEdit>("Text5");
        note->insertPlainText("yy");
        QCOMPARE(note->toPlainText(), QString(300, 'x'));
        w_->Nuovo();
        note->insertPlainText(QString(240, 'a'));
        note->moveCursor(QTextCursor::Start);
        note->insertPlainText(QString(20, 'b'));
        QCOMPARE(note->toPlainText(), QString(10, 'b') + QString(240, 'a'));
    }

    void chiusura_data()
    {
        QTest::addColumn<bool>("nuovo");
        QTest::addColumn<int>("risposta");  // -1: nothing changed, nothing asked
        QTest::addColumn<bool>("chiusa");
        QTest::addColumn<int>("salvato");  // the minute stored afterwards, 0 for no goal
        using R = Messaggio::Risposta;
        QTest::newRow("nuovo, sì") << true << int(R::Si) << true << 30;
        QTest::newRow("nuovo, no") << true << int(R::No) << true << 0;
        QTest::newRow("modificato, annulla") << false << int(R::Annulla) << false << 10;
        QTest::newRow("invariato") << false << -1 << true << 10;
    }
    // Closing with a goal typed or changed asks first: Yes saves and closes, No closes, Cancel stays.
    void chiusura()
    {
        QFETCH(bool, nuovo);
        QFETCH(int, risposta);
        QFETCH(bool, chiusa);
        QFETCH(int, salvato);
        apri();
        mostra(nuovo ? -1 : rete(a_, p_->sq1, 10));
        if (nuovo) scegli("Combo2", a_);
        if (risposta >= 0) {
            scrivi("Text3", "30");
            amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        }
        QCOMPARE(Finestre::istanza().scaricaSubito(IdFinestra::Reti), chiusa);
        QCOMPARE(Valore("SELECT MAX(Minuto) FROM Reti").toInt(), salvato);
    }

    void altroGol_data()
    {
        QTest::addColumn<bool>("squadra");    // the other team picked from its list; else "Successivo"
        QTest::addColumn<QString>("minuto");  // typed over the first goal's 10
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("salvato");  // the first goal's minute afterwards
        QTest::addColumn<bool>("lasciato");
        using R = Messaggio::Risposta;
        QTest::newRow("successivo, sì") << false << "30" << int(R::Si) << 30 << true;
        QTest::newRow("successivo, annulla") << false << "30" << int(R::Annulla) << 10 << false;
        QTest::newRow("squadra, no") << true << "30" << int(R::No) << 10 << true;
        QTest::newRow("squadra, annulla") << true << "30" << int(R::Annulla) << 10 << false;
        QTest::newRow("squadra, sì rifiutato") << true << "45+2" << int(R::Si) << 10 << false;
    }
    // Browsing, or picking the other team, with a goal changed asks once first, as closing does; Cancel or a
    // refused save stays on the goal and its team with what was typed.
    void altroGol()
    {
        QFETCH(bool, squadra);
        QFETCH(QString, minuto);
        QFETCH(int, risposta);
        QFETCH(int, salvato);
        QFETCH(bool, lasciato);
        apri();
        const int r = rete(a_, p_->sq1, 10);
        rete(b_, p_->sq1, 20);
        mostra(r);
        scrivi("Text3", minuto);
        amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        const bool rifiutato = risposta == int(Messaggio::Risposta::Si) && !lasciato;
        if (rifiutato) amb_->messaggi().ok();
        squadra ? scegliConMouse("Combo1", 1) : w_->Successivo();
        QCOMPARE(amb_->messaggi().quanti(), rifiutato ? 2 : 1);
        QCOMPARE(campo(r, "Minuto").toInt(), salvato);
        QCOMPARE(testo("Combo1"), squadra && lasciato ? p_->sq2 : p_->sq1);
        QCOMPARE(testo("Text3"), !lasciato ? minuto : squadra ? "" : "20");
    }
};

QTEST_MAIN(TestReti)
#include "tst_reti.moc"
