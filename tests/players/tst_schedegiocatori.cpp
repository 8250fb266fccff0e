#include "aiutigiocatori.h"
#include "platform/pannello.h"
#include "players/finestregiocatori.h"
#include "players/schedegiocatoriwindow.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {
const QString ID = IdFinestra::SchedeGiocatori;
const QString TUTTE = "Tutte le squadre";
const QString FINE = "Questo è %1 giocatore (in ordine alfabetico) nell'elenco %2.";
const QString COMPLETO = "completo dei giocatori di tutte le squadre iscritte al campionato";
const QString ROSA = "dei giocatori della rosa della squadra selezionata";
const QString NON_IN_SQUADRA = "Il giocatore richiesto non figura nella rosa della squadra selezionata.";
const QString NON_IN_NESSUNA =
    "Il giocatore richiesto non figura nella rosa di nessuna squadra iscritta al campionato.";
}  // namespace

// The player cards: the list chosen in the tree, moving, searching, writing by key and the figures.
// Players: Ancona D'Amico, Rossi Andrea, Rossi Mario, Verdi; Bari Bianchi, Zanetti; Cagliari none;
// Dolomiti 9Nove. Whole championship: 9Nove, Bianchi, D'Amico, Rossi, Rossi, Verdi, Zanetti.
class TestSchedeGiocatori : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;
    DatiFixture d_;
    QHash<QString, int> cod_;  // by surname (Rossi: Mario)

    SchedeGiocatoriWindow* apri(int codice = -1)
    {
        stato().CodGiocatoreCorrente = codice;
        return a_->mostra<SchedeGiocatoriWindow>(ID);
    }
    void scrivi()
    {
        for (const QString g :
             {"Rossi Andrea Ancona", "Rossi Mario Ancona", "Verdi Luca Ancona", "D'Amico Paolo Ancona",
              "Bianchi Carlo Bari", "Zanetti Javier Bari", "9Nove Nino Dolomiti"}) {
            const QStringList p = g.split(' ');
            cod_[p[0]] = NuovoGiocatore(p[0], p[1], d_.codici.value(p[2]));
        }
    }
    static QString testo(QWidget* w, int n)
    {
        return w->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n))->text();
    }
    static Albero* albero(QWidget* w) { return w->findChild<Albero*>("TreeView1"); }
    static Pannello* pannello(QWidget* w, int i)
    {
        return w->findChild<Pannello*>(QStringLiteral("SSPanel1_%1").arg(i));
    }
    static void premi(QWidget* w, int i) { QTest::mouseClick(pannello(w, i), Qt::LeftButton); }
    static bool vuota(SchedeGiocatoriWindow* w)
    {
        return !w->findChild<QTabWidget*>("SSTab1")->isVisible() && w->findChild<QWidget*>("Frame6")->isVisible() &&
               !w->findChild<QWidget*>("Frame7")->isVisible() && w->codiceMostrato() == -1;
    }

private slots:
    void init()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreGiocatori);
        d_ = a_->apri(a_->nuovo(4));
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void navigazione()
    {
        SchedeGiocatoriWindow* senza = apri();
        QVERIFY(vuota(senza) && albero(senza)->selezionato()->text(0) == TUTTE);
        QVERIFY(Finestre::istanza().scaricaSubito(ID));
        scrivi();
        SchedeGiocatoriWindow* w = apri(cod_["Rossi"]);
        QCOMPARE(albero(w)->selezionato()->text(0), QString("Ancona"));
        QCOMPARE(w->elenco().size(), 4);
        // Shown again with another player: only brought to the front.
        stato().CodGiocatoreCorrente = cod_["Zanetti"];
        Finestre::istanza().mostra(ID);
        QCOMPARE(w->codiceMostrato(), cod_["Rossi"]);
        // At the first of a team: the team's text, and the card stays on him.
        a_->messaggi().ok();
        for (int i = 0; i < 3; ++i) premi(w, 0);
        QCOMPARE(a_->messaggi().ultimo().testo, FINE.arg("il primo", ROSA));
        // Every player from the first; the whole championship's text at the end.
        CliccaNodo(albero(w), TUTTE);
        QCOMPARE(w->codiceMostrato(), cod_["9Nove"]);
        a_->messaggi().ok();
        for (int i = 0; i < 7; ++i) premi(w, 1);
        QCOMPARE(testo(w, 2), QString("Zanetti"));
        QCOMPARE(a_->messaggi().ultimo().testo, FINE.arg("l'ultimo", COMPLETO));
    }

    // The team tree of the largest championship shows whole, without scrolling.
    void alberoIntero()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreGiocatori);
        d_ = a_->apri(a_->nuovo(20));
        SchedeGiocatoriWindow* w = apri();
        QTest::qWait(1);  // laid out
        QCOMPARE(albero(w)->verticalScrollBar()->maximum(), 0);
    }

    void salti_data()
    {
        QTest::addColumn<QString>("nodo");
        QTest::addColumn<QString>("cerca");    // typed in the search box, or "#L" for the letter L
        QTest::addColumn<QString>("trovato");  // the surname shown; "" : the message, or nothing after a letter
        QTest::addColumn<QString>("messaggio");
        // clang-format off
        QTest::newRow("ver, altra squadra") << "Bari" << "ver" << "" << NON_IN_SQUADRA;
        QTest::newRow("apostrofo") << TUTTE << "d'a" << "D'Amico" << "";
        QTest::newRow("percento") << TUTTE << "%" << "" << NON_IN_NESSUNA;
        QTest::newRow("parentesi") << "Ancona" << "[R]" << "" << NON_IN_SQUADRA;
        QTest::newRow("C porta a D") << TUTTE << "#C" << "D'Amico" << "";
        // clang-format on
    }
    void salti()
    {
        QFETCH(QString, nodo);
        QFETCH(QString, cerca);
        QFETCH(QString, trovato);
        QFETCH(QString, messaggio);
        scrivi();
        SchedeGiocatoriWindow* w = apri();
        CliccaNodo(albero(w), nodo);
        if (w->elenco().size() > 1) premi(w, 1);  // away from the first, so that a jump is seen
        const int prima = w->codiceMostrato();
        if (cerca.startsWith('#')) {
            w->findChild<QPushButton*>(QStringLiteral("Command2_%1").arg(cerca[1].unicode() - 'A'))->click();
        } else {
            a_->messaggi().testo(cerca);
            if (!messaggio.isEmpty()) a_->messaggi().ok();
            premi(w, 6);
        }
        if (!messaggio.isEmpty()) QCOMPARE(a_->messaggi().ultimo().testo, messaggio);
        if (trovato.isEmpty())
            QCOMPARE(w->codiceMostrato(), prima);
        else
            QCOMPARE(testo(w, 2), trovato);
    }

    void salvaPerChiave()
    {
        scrivi();
        const int codice = cod_["Rossi"];
        SchedeGiocatoriWindow* w = apri(codice);
        const int caselle[] = {1, 2, 4, 10, 5, 6, 7, 8, 9};
        const QStringList nuovi = QString("Marione||Punta| 12 |1/2/1980|Roma|Italia|1,80|75").split('|');
        for (int i = 0; i < 9; ++i)
            w->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(caselle[i]))->setText(nuovi[i]);
        // Another window moves on meanwhile: the card still writes its own player.
        stato().CodGiocatoreCorrente = cod_["Verdi"];
        FinestraDiTest::registra(IdFinestra::Rosa);
        Finestre::istanza().mostra(IdFinestra::Rosa);
        premi(w, 5);
        Query q("SELECT Nome, Cognome, Ruolo, Numero, DataNasc, LuogoNasc, Nazione, Altezza, Peso, Foto, CodSquadra, "
                "Note, Reti FROM Giocatore WHERE Codice = ?",
                {codice});
        QVERIFY(q.next());
        QStringList letti;
        for (int c = 0; c < 13; ++c) letti << q.testo(c);
        QCOMPARE(letti.join('|'),
                 QString("Marione||Punta|12|1/2/1980|Roma|Italia|1,80|75||%1|nota|3").arg(d_.codici.value("Ancona")));
        QCOMPARE(Valore("SELECT COUNT(*) FROM Giocatore WHERE Cognome = 'Verdi'").toInt(), 1);
    }

    // Typed data are never dropped unseen: every way of leaving the player asks first. Yes saves and moves on
    // (a refused save stays), No moves on without saving, Cancel stays with the typed text.
    void domandaPrimaDiLasciare_data()
    {
        QTest::addColumn<QString>("mossa");
        QTest::addColumn<QString>("risposta");  // "si", "no", "annulla"; "si!" : Yes, with a shirt number refused
        QTest::addColumn<QString>("dopo");      // the surname shown afterwards, "" : the window closed
        // clang-format off
        QTest::newRow("successivo, sì") << "successivo" << "si" << "Rossi";
        QTest::newRow("lettera, no") << "#V" << "no" << "Verdi";
        QTest::newRow("albero, annulla") << "Bari" << "annulla" << "D'Amico";
        QTest::newRow("ricerca, maglia rifiutata") << "?ver" << "si!" << "D'Amico";
        QTest::newRow("chiusura, annulla") << "chiudi" << "annulla" << "D'Amico";
        QTest::newRow("chiusura, no") << "chiudi" << "no" << "";
        // clang-format on
    }
    void domandaPrimaDiLasciare()
    {
        QFETCH(QString, mossa);
        QFETCH(QString, risposta);
        QFETCH(QString, dopo);
        scrivi();
        const int codice = cod_["D'Amico"];
        SchedeGiocatoriWindow* w = apri(codice);
        auto* nome = w->findChild<QLineEdit*>("Text1");
        // Moving and coming back with nothing typed asks nothing.
        premi(w, 1);
        premi(w, 0);
        nome->setText("Paolino");
        if (risposta == "si!") w->findChild<QLineEdit*>("Text10")->setText("abc");
        // The search asks for its text before the question.
        if (mossa.startsWith('?')) a_->messaggi().testo(mossa.mid(1));
        a_->messaggi().risposta(risposta == "no"        ? Messaggio::Risposta::No
                                : risposta == "annulla" ? Messaggio::Risposta::Annulla
                                                        : Messaggio::Risposta::Si);
        if (risposta == "si!") a_->messaggi().ok();
        if (mossa == "successivo") {
            premi(w, 1);
        } else if (mossa == "chiudi") {
            w->chiudi();
        } else if (mossa.startsWith('#')) {
            w->findChild<QPushButton*>(QStringLiteral("Command2_%1").arg(mossa[1].unicode() - 'A'))->click();
        } else if (mossa == "Bari") {
            CliccaNodo(albero(w), mossa);
        } else {
            premi(w, 6);
        }
        const auto domanda = a_->messaggi().mostrati().value(risposta == "si!" ? a_->messaggi().quanti() - 2
                                                                               : a_->messaggi().quanti() - 1);
        QCOMPARE(domanda.testo, QString("I dati del giocatore Paolo D'Amico sono stati modificati e non sono stati "
                                        "salvati. Salvare le modifiche prima di %1?")
                                    .arg(mossa == "chiudi" ? "chiudere la finestra" : "passare a un altro giocatore"));
        QCOMPARE(domanda.pulsanti, Messaggio::Pulsanti::SiNoAnnulla);
        QCOMPARE(Valore("SELECT Nome FROM Giocatore WHERE Codice = ?", {codice}).toString(),
                 risposta == "si" ? "Paolino" : "Paolo");
        QCOMPARE(AmbienteTest::caricata(ID), !dopo.isEmpty());
        if (dopo.isEmpty()) return;
        QCOMPARE(testo(w, 2), dopo);
        if (dopo == "D'Amico") {
            QCOMPARE(nome->text(), QString("Paolino"));
            QCOMPARE(albero(w)->selezionato()->text(0), QString("Ancona"));
        }
    }

    // Players deleted meanwhile by another window: the nearest remaining one is shown, on the way of the move;
    // the empty state only when nobody is left.
    void eliminatiAltrove_data()
    {
        QTest::addColumn<QString>("da");
        QTest::addColumn<QStringList>("eliminati");
        QTest::addColumn<int>("pulsante");  // 0 previous, 1 next
        QTest::addColumn<QString>("dopo");  // the surname shown, "" : the empty state
        QTest::addColumn<int>("rimasti");
        QTest::newRow("successivo") << "D'Amico" << QStringList{"Rossi"} << 1 << "Verdi" << 2;
        QTest::newRow("precedente") << "Verdi" << QStringList{"Rossi"} << 0 << "D'Amico" << 2;
        QTest::newRow("dopo di lui nessuno") << "Rossi" << QStringList{"Verdi"} << 1 << "Rossi" << 3;
        QTest::newRow("nessuno") << "D'Amico" << QStringList{"Rossi", "Verdi", "D'Amico"} << 1 << "" << 0;
    }
    void eliminatiAltrove()
    {
        QFETCH(QString, da);
        QFETCH(QStringList, eliminati);
        QFETCH(int, pulsante);
        QFETCH(QString, dopo);
        QFETCH(int, rimasti);
        scrivi();
        SchedeGiocatoriWindow* w = apri(cod_[da]);
        for (const QString& e : eliminati) Esegui("DELETE FROM Giocatore WHERE Cognome = ?", {e});
        premi(w, pulsante);
        if (dopo.isEmpty())
            QVERIFY(vuota(w));
        else
            QCOMPARE(testo(w, 2), dopo);
        QCOMPARE(w->elenco().size(), rimasti);
    }

    // A save that cannot be done writes nothing and keeps the typed text on the card: a shirt number that is
    // not one, or a player deleted meanwhile.
    void salvataggioNonRiuscito_data()
    {
        QTest::addColumn<QString>("maglia");
        QTest::addColumn<bool>("eliminato");
        QTest::addColumn<QString>("messaggio");
        const QString maglia = "Il numero di maglia va scritto in cifre, come numero intero da 0 a 32767.";
        QTest::newRow("lettere") << "abc" << false << maglia;
        QTest::newRow("cifre e lettere") << "12abc" << false << maglia;
        QTest::newRow("troppo grande") << "999999" << false << maglia;
        QTest::newRow("giocatore eliminato") << "10" << true
                                             << "Il giocatore non è più nel file del campionato: i dati non sono "
                                                "stati salvati.";
    }
    void salvataggioNonRiuscito()
    {
        QFETCH(QString, maglia);
        QFETCH(bool, eliminato);
        QFETCH(QString, messaggio);
        scrivi();
        const int codice = cod_["Verdi"];
        SchedeGiocatoriWindow* w = apri(codice);
        w->findChild<QLineEdit*>("Text1")->setText("Luchino");
        w->findChild<QLineEdit*>("Text10")->setText(maglia);
        if (eliminato) Esegui("UPDATE Giocatore SET Codice = Codice + 1000 WHERE Codice = ?", {codice});
        a_->messaggi().ok();
        premi(w, 5);
        QVERIFY(a_->messaggi().ultimo().testo.startsWith(messaggio));
        QCOMPARE(Valore("SELECT Nome || Numero FROM Giocatore WHERE Cognome = 'Verdi'").toString(), QString("Luca7"));
        QCOMPARE(testo(w, 1) + testo(w, 10), "Luchino" + maglia);
    }

    void eliminazione_data()
    {
        QTest::addColumn<QString>("nodo");
        QTest::addColumn<int>("passi");     // "next" presses before deleting
        QTest::addColumn<QString>("dopo");  // the first name shown afterwards; "" : the empty state
        QTest::newRow("in mezzo") << "Ancona" << 2 << "Andrea";
        QTest::newRow("il primo") << "Ancona" << 0 << "Andrea";
        QTest::newRow("l'unico") << "Dolomiti" << 0 << "";
    }
    void eliminazione()
    {
        QFETCH(QString, nodo);
        QFETCH(int, passi);
        QFETCH(QString, dopo);
        scrivi();
        SchedeGiocatoriWindow* w = apri();
        CliccaNodo(albero(w), nodo);
        for (int i = 0; i < passi; ++i) premi(w, 1);
        const int codice = w->codiceMostrato();
        const QString domanda = "Eliminare dall'elenco " + testo(w, 1) + " " + testo(w, 2) + " ?";
        Esegui("INSERT INTO Presenze (CodGiocatore, Titolare) VALUES (?, -1)", {codice});
        a_->messaggi().no().si();
        premi(w, 7);
        QCOMPARE(a_->messaggi().ultimo().testo, domanda);
        QCOMPARE(w->codiceMostrato(), codice);
        premi(w, 7);
        QCOMPARE(Valore("SELECT COUNT(*) FROM Giocatore WHERE Codice = ?", {codice}).toInt(), 0);
        QCOMPARE(Valore("SELECT COUNT(*) FROM Presenze WHERE CodGiocatore = ?", {codice}).toInt(), 1);
        if (dopo.isEmpty())
            QVERIFY(vuota(w));
        else
            QCOMPARE(testo(w, 1), dopo);
    }

    void cifre_data()
    {
        QTest::addColumn<QString>("giocatore");
        QTest::addColumn<QString>("attese");  // Text11 .. Text28
        // clang-format off
        QTest::newRow("di tutto") << "Tutto" << "3|2|2|5|2|1|10|2|1|1|2|1|1|1|1|6,5|7|6";
        QTest::newRow("niente") << "Niente" << "0|0|0|0|0|0|0|N.D.|0|0|0|0|0|0|0|||";
        QTest::newRow("reti senza presenze") << "Rovesciate" << "0|0|0|0|0|0|3|N.D.|0|0|0|0|0|0|0|||";
        QTest::newRow("una rete in tre") << "Terzo" << "3|0|0|3|0|0|1|0,333333333333333|0|0|1|0|0|0|0|6,1667|6,5|6";
        // 6.03125: four decimals, the tie to the even digit.
        QTest::newRow("sedici voti") << "Sedici" << "16|0|0|16|0|0|0|N.D.|0|0|0|0|0|0|0|6,0312|6,5|6";
        // clang-format on
    }
    void cifre()
    {
        QFETCH(QString, giocatore);
        QFETCH(QString, attese);
        QHash<QString, int> cod;
        for (const char* c : {"Tutto", "Niente", "Rovesciate", "Terzo", "Sedici"})
            cod[c] = NuovoGiocatore(c, "", d_.codici.value("Bari"));
        const auto presenza = [](int g, int titolare, int sostituito, int ammonito, const QVariant& voto) {
            Esegui("INSERT INTO Presenze (CodGiocatore, Titolare, Sostituito, Ammonito, Voto) VALUES (?, ?, ?, ?, ?)",
                   {g, titolare, sostituito, ammonito, voto});
        };
        const auto reti = [](int g, const QList<int>& tipi) {
            for (int t : tipi) Esegui("INSERT INTO Reti (CodGiocatore, Tipo) VALUES (?, ?)", {g, t});
        };
        // Starters -1, came on 0 (1 is neither); 250, 0 and Null are no rating.
        presenza(cod["Tutto"], -1, 110, 1, 6);
        presenza(cod["Tutto"], -1, 0, 0, 7);
        presenza(cod["Tutto"], 0, 0, 101, 250);
        presenza(cod["Tutto"], 0, 0, 50, 0);
        presenza(cod["Tutto"], -1, 45, 0, QVariant());
        presenza(cod["Tutto"], 1, 0, 0, 250);
        reti(cod["Tutto"], {5, 4, 1, 2, 3, 7, 250, 6, 8, 1});
        reti(cod["Rovesciate"], {6, 6, 8});
        for (double v : {6.0, 6.0, 6.5}) presenza(cod["Terzo"], -1, 0, 0, v);
        reti(cod["Terzo"], {1});
        for (int i = 0; i < 16; ++i) presenza(cod["Sedici"], -1, 0, 0, i == 0 ? 6.5 : 6.0);
        presenza(cod["Sedici"] + 1000, -1, 0, 1, 8);  // another player's row
        SchedeGiocatoriWindow* w = apri(cod[giocatore]);
        QStringList viste;
        for (int n = 11; n <= 28; ++n) viste << testo(w, n);
        QCOMPARE(viste.join('|'), attese);
    }

    // The photo command: nothing chosen, or a file that is no picture, keeps the stored photo.
    void fotoScelta()
    {
        scrivi();
        const int codice = cod_["Rossi"];
        const QString prima = QDir::current().filePath("prima.bmp");
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(prima) && QImage(4, 4, QImage::Format_RGB32).save("nuova.bmp"));
        Esegui("UPDATE Giocatore SET Foto = ? WHERE Codice = ?", {prima, codice});
        QFile rotta("rotta.bmp");
        QVERIFY(rotta.open(QIODevice::WriteOnly) && rotta.write("non un'immagine") > 0);
        rotta.close();
        QString scelta;
        Finestre::istanza().registra(IdFinestra::SceltaImmagine, nullptr);
        FinestraDiTest::registra(IdFinestra::SceltaImmagine, [&scelta](FinestraDiTest& f) {
            f.durante_carica = [&scelta](FinestraDiTest& t) {
                stato().PercorsoImmagine = scelta;
                t.chiudi();
            };
        });
        SchedeGiocatoriWindow* w = apri(codice);
        for (const QString& s :
             {QString(), QDir::current().filePath("rotta.bmp"), QDir::current().filePath("nuova.bmp")}) {
            scelta = s;
            if (s.endsWith("rotta.bmp")) a_->messaggi().ok();
            w->findChild<QPushButton*>("Command1")->click();
            QCOMPARE(Valore("SELECT Foto FROM Giocatore WHERE Codice = ?", {codice}).toString(),
                     s.endsWith("nuova.bmp") ? s : prima);
        }
        // The player deleted meanwhile: said, and nothing written.
        Esegui("UPDATE Giocatore SET Codice = Codice + 1000 WHERE Codice = ?", {codice});
        scelta = prima;
        a_->messaggi().ok();
        w->findChild<QPushButton*>("Command1")->click();
        QCOMPARE(a_->messaggi().ultimo().testo,
                 QString("Il giocatore non è più nel file del campionato: la foto non è stata salvata."));
        QCOMPARE(Valore("SELECT Foto FROM Giocatore WHERE Codice = ?", {codice + 1000}).toString(),
                 QDir::current().filePath("nuova.bmp"));
    }
};

QTEST_MAIN(TestSchedeGiocatori)
#include "tst_schedegiocatori.moc"
