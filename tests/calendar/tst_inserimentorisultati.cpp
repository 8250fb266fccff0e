#include "aiuticalendario.h"
#include "calendar/finestrerisultati.h"
#include "calendar/inserimentorisultatiwindow.h"
#include "core/cercagiornate.h"
#include "core/classifica.h"
#include "support/ambientetest.h"
#include "support/classificaattesa.h"
#include "support/finestraditest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using Finestra5 = InserimentoRisultatiWindow;
using R = Messaggio::Risposta;

namespace {

const QString ID = QStringLiteral("Form5");
enum Pulsante { Precedente, Successiva, CambioGirone, Salva, ClassificaParziale, Chiudi, Guida };

QLineEdit* casella(const char* nome, int i)
{
    return AmbienteTest::parte<QLineEdit>(ID, QLatin1String(nome) + QString::number(i));
}
QCheckBox* spunta(int i) { return AmbienteTest::parte<QCheckBox>(ID, QStringLiteral("Disputata%1").arg(i)); }
QString casa(int i) { return AmbienteTest::parte<QLabel>(ID, QStringLiteral("Casa%1").arg(i))->text(); }
Pannello* bottone(int i) { return AmbienteTest::parte<Pannello>(ID, QStringLiteral("Button%1").arg(i)); }
void clicca(int pulsante) { QTest::mouseClick(bottone(pulsante), Qt::LeftButton); }

void scrivi(int riga, const QString& golCasa, const QString& golOspite, bool disputata)
{
    casella("GolCasa", riga)->setText(golCasa);
    casella("GolOspite", riga)->setText(golOspite);
    spunta(riga)->setChecked(disputata);
}

// Every team's stored standings row against the table counted afresh from the file.
void verificaClassifica()
{
    CalcolaClassifica();
    for (const SquadraAttesa& s : ClassificaAttesa()) QCOMPARE(CampiSalvati(s.nome), s.campi());
}

}  // namespace

// Results entry: the page of a match day, what saving writes and refuses, the implicit saves, and
// the road from the typed results to the league table.
class TestInserimentoRisultati : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

    Finestra5* mostra(int giornata, bool andata) { return a_->mostra<Finestra5>(ID, giornata, andata); }

private slots:
    void init()
    {
        a_ = std::make_unique<AmbienteTest>(RegistraFinestreRisultati);
        FinestraDiTest::registra(QStringLiteral("Form6"));
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void paginaDellaGiornata_data()
    {
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata, giocata") << 2 << true;
        QTest::newRow("ritorno, giocata") << 2 << false;
        QTest::newRow("ritorno, da giocare") << 4 << false;
    }
    void paginaDellaGiornata()
    {
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        const DatiFixture d = a_->apri(a_->nuovo(7).giocaFinoA(3, false));
        auto* w = mostra(giornata, andata);
        const QVector<PartitaFixture> attese = PartiteOrdinate(d, giornata, andata);
        QCOMPARE(attese.size(), 3);
        for (int i = 0; i < attese.size(); ++i) {
            const PartitaFixture& p = attese[i];
            const bool giocata = p.disputata(andata);
            QCOMPARE(casa(i), p.casa(andata));
            QCOMPARE(AmbienteTest::parte<QLabel>(ID, QStringLiteral("Ospite%1").arg(i))->text(), p.ospite(andata));
            QCOMPARE(spunta(i)->isChecked(), giocata);
            QCOMPARE(casella("GolCasa", i)->text(), giocata ? QString::number(p.golCasa(andata)) : QString());
            QCOMPARE(casella("GolOspite", i)->text(), giocata ? QString::number(p.golOspite(andata)) : QString());
            QCOMPARE(casella("Data", i)->text(), QString());  // the blank that stands for an empty date is not shown
        }
        QVERIFY(!casella("GolCasa", 3));
        QCOMPARE(AmbienteTest::parte<QLabel>(ID, "Riposa")->text(), "Riposa: " + d.giornate[giornata - 1].riposa);
        QVERIFY(!w->modificata());
    }

    // The main road: a match day typed with the keyboard only, saved, and counted by the standings.
    void dallaTastieraAllaClassifica()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(1, true);
        QTRY_COMPARE(QApplication::focusWidget(), casella("GolCasa", 0));
        const QStringList risultati{"3", "1", "1", "1", "0", "2"};  // a home win, a draw, an away win
        for (int i = 0; i < 3; ++i) {
            const QList<QPair<QWidget*, QString>> passi{{casella("GolCasa", i), risultati[2 * i]},
                                                        {casella("GolOspite", i), risultati[2 * i + 1]},
                                                        {spunta(i), " "},
                                                        {casella("Data", i), QStringLiteral("1%1/09/2024").arg(i)},
                                                        {casella("Ora", i), "15:00"}};
            for (const auto& [campo, testo] : passi) {
                QCOMPARE(QApplication::focusWidget(), campo);
                testo == " " ? QTest::keyClick(campo, Qt::Key_Space) : QTest::keyClicks(campo, testo);
                QTest::keyClick(campo, Qt::Key_Tab);
            }
        }
        // Page down saves the day and moves to the next one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{2, true}));
        QCOMPARE(stato().GiornataCorrente, 2);
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(
                CampiPartita(p[i].codPart, "G1A, G2A, DispAnd, DataAnd, HAnd, G1R"),
                QStringLiteral("%1|%2|-1|1%3/09/2024|15:00|NULL").arg(risultati[2 * i], risultati[2 * i + 1]).arg(i));
        QCOMPARE(FlagGiornata(1, true).toInt(), VERO);
        verificaClassifica();
    }

    // Every row is checked before anything is written.
    void convalida_data()
    {
        QTest::addColumn<QString>("casa");
        QTest::addColumn<QString>("ospite");
        QTest::addColumn<bool>("spunta");
        QTest::addColumn<QList<R>>("risposte");  // one per box, in order
        QTest::addColumn<bool>("salvata");
        QTest::addColumn<bool>("giocata");  // the checked row as saved
        const QList<R> ok{R::Ok}, si{R::Si}, no{R::No}, annulla{R::Annulla};
        // clang-format off
        QTest::newRow("disputata senza un punteggio") << "2" << "" << true << ok << false << false;
        QTest::newRow("disputata senza punteggi") << "" << "" << true << ok << false << false;
        QTest::newRow("punteggio senza spunta, sì") << "2" << "1" << false << si << true << true;
        // Not played: saved so, with the rest of the day, its scores left empty.
        QTest::newRow("punteggio senza spunta, no") << "2" << "1" << false << no << true << false;
        QTest::newRow("punteggio senza spunta, annulla") << "2" << "1" << false << annulla << false << false;
        QTest::newRow("un solo punteggio, sì, poi rifiuto") << "" << "0" << false << QList<R>{R::Si, R::Ok} << false << false;
        QTest::newRow("tutto in regola") << "0" << "0" << true << QList<R>{} << true << true;
        // clang-format on
    }
    void convalida()
    {
        QFETCH(QString, casa);
        QFETCH(QString, ospite);
        QFETCH(bool, spunta);
        QFETCH(QList<R>, risposte);
        QFETCH(bool, salvata);
        QFETCH(bool, giocata);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(1, true);
        // A row in order before the one checked: it is written only when the whole page passes.
        scrivi(0, "1", "0", true);
        scrivi(2, casa, ospite, spunta);
        for (R r : risposte) a_->messaggi().risposta(r);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        QCOMPARE(w->salva(), salvata);
        QCOMPARE(a_->messaggi().quanti(), int(risposte.size()));
        for (const Messaggio::Richiesta& m : a_->messaggi().mostrati()) QVERIFY(m.testo.contains(::casa(2)));
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        QCOMPARE(w->modificata(), !salvata);
        if (!salvata) {
            QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
            return;
        }
        QCOMPARE(CampoPartita(p[0].codPart, "DispAnd").toInt(), VERO);
        QCOMPARE(CampiPartita(p[2].codPart, "DispAnd, G1A"), giocata ? "-1|" + casa : "0|NULL");
        QCOMPARE(::spunta(2)->isChecked(), giocata);
        QCOMPARE(casella("GolCasa", 2)->text(), giocata ? casa : QString());
    }

    // The goals are SQ1's and SQ2's whatever the leg; GIORNATA's flag of the leg follows the pairings, and
    // unticking every match of the day resets it and stores the scores as Null.
    void campiDelGirone_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata") << true;
        QTest::newRow("ritorno") << false;
    }
    void campiDelGirone()
    {
        QFETCH(bool, andata);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(2, andata);
        scrivi(1, "3", "1", true);
        casella("Data", 1)->setText(QStringLiteral("domenica"));
        QVERIFY(w->salva());
        const PartitaFixture p = PartiteOrdinate(d, 2, andata)[1];
        // An empty time is written as one blank; the other leg is left alone.
        QCOMPARE(CampiPartita(p.codPart, andata ? "G1A, G2A, DispAnd, DataAnd, HAnd, G1R, DispRit"
                                                : "G1R, G2R, DispRit, DataRit, HRit, G1A, DispAnd"),
                 andata ? "3|1|-1|domenica| |NULL|0" : "1|3|-1|domenica| |NULL|0");
        QCOMPARE(FlagGiornata(2, andata).toInt(), VERO);
        QCOMPARE(FlagGiornata(2, !andata).toInt(), FALSO);

        scrivi(1, "", "", false);
        QVERIFY(w->salva());
        QCOMPARE(FlagGiornata(2, andata).toInt(), FALSO);
        QCOMPARE(CampiPartita(p.codPart, andata ? "G1A, G2A, DispAnd" : "G1R, G2R, DispRit"), "NULL|NULL|0");
    }

    // Leaving a page saves it when it changed and touches nothing when it did not; a save that stops keeps
    // the page, the window and the hand-over as they were.
    void salvataggioImplicito_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("pagina");  // "modificata", "invariata", "fermata" (a score missing)
        QTest::addColumn<int>("giornataDopo");
        QTest::addColumn<bool>("andataDopo");
        for (const char* m : {"modificata", "invariata", "fermata"}) {
            QTest::addRow("successiva, %s", m) << "successiva" << m << 3 << true;
            QTest::addRow("precedente, %s", m) << "precedente" << m << 1 << true;
            QTest::addRow("cambio girone, %s", m) << "girone" << m << 2 << false;
            QTest::addRow("attivazione, %s", m) << "attivazione" << m << 4 << false;
            QTest::addRow("classifica parziale, %s", m) << "classifica" << m << 2 << true;
            QTest::addRow("chiusura, %s", m) << "chiudi" << m << 0 << true;
        }
    }
    void salvataggioImplicito()
    {
        QFETCH(QString, azione);
        QFETCH(QString, pagina);
        QFETCH(int, giornataDopo);
        QFETCH(bool, andataDopo);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(2, true);
        if (pagina != "invariata") scrivi(0, "4", pagina == "fermata" ? "" : "2", true);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        const bool fermata = pagina == "fermata";
        if (fermata) a_->messaggi().ok();
        const QStringList pulsanti{"precedente", "successiva", "girone", "", "classifica", "chiudi"};  // by Pulsante
        azione == "attivazione" ? void(mostra(4, false)) : clicca(int(pulsanti.indexOf(azione)));

        if (pagina == "modificata")
            QCOMPARE(CampiPartita(PartiteOrdinate(d, 2, true)[0].codPart, "G1A, G2A, DispAnd"), "4|2|-1");
        else
            QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        if (fermata) {
            QCOMPARE(a_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
            QCOMPARE(casella("GolCasa", 0)->text(), QStringLiteral("4"));
            giornataDopo = 2, andataDopo = true;
        }
        QCOMPARE(AmbienteTest::caricata(ID), azione != "chiudi" || fermata);
        if (AmbienteTest::caricata(ID)) QCOMPARE(w->giornataMostrata(), (GiornataGirone{giornataDopo, andataDopo}));
        if (azione != "chiudi") QCOMPARE(stato().GiornataCorrente, giornataDopo);
        if (azione != "chiudi") QCOMPARE(stato().Andata, andataDopo);
        QCOMPARE(Finestre::istanza().visibile("Form6"), azione == "classifica" && !fermata);
        if (azione == "classifica" && !fermata) {
            const Stato& s = stato();
            QCOMPARE((QList<int>{s.ParzDaGiornata, s.ParzDaGirone, s.ParzAGiornata, s.ParzAGirone}),
                     (QList<int>{1, 1, 2, 1}));
            QVERIFY(!s.ClassificaCompleta);
        }
    }

    // Opening another championship: a page on screen goes into its own file, or the opening stops and the
    // new file is never touched; a window loaded but hidden outlives the opening and, shown again, reads the
    // new file and never saves its old page into it.
    void altroCampionato_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("pagina valida: salvata nel suo file") << "valida";
        QTest::newRow("salvataggio fermato: mai nel nuovo file") << "fermata";
        QTest::newRow("finestra nascosta: riletta dal nuovo file") << "nascosta";
    }
    void altroCampionato()
    {
        QFETCH(QString, caso);
        const DatiFixture primo = a_->apri(a_->nuovo(6));
        const DatiFixture b = a_->nuovo(8).crea();
        const QByteArray improntaB = AmbienteTest::impronta(b.percorso);
        auto* w = mostra(1, true);
        scrivi(0, "3", "0", caso != "fermata");
        if (caso == "fermata") a_->messaggi().annulla();  // "was it played?" Annulla: the page stays
        if (caso == "nascosta") w->nascondi();
        const QByteArray improntaA = AmbienteTest::impronta(primo.percorso);
        QCOMPARE(ApriFileComeCampionato(b.percorso), caso != "fermata");
        QCOMPARE(stato().NumeroSquadre, caso == "fermata" ? 6 : 8);
        QCOMPARE(AmbienteTest::caricata(ID), caso != "valida");
        QCOMPARE(AmbienteTest::impronta(b.percorso), improntaB);
        if (caso == "valida") {
            ApriDbCampionato(primo.percorso);
            QCOMPARE(CampoPartita(PartiteOrdinate(primo, 1, true)[0].codPart, "G1A").toInt(), 3);
        } else if (caso == "fermata") {
            QCOMPARE(DbCampionato().databaseName(), primo.percorso);
            QCOMPARE(AmbienteTest::impronta(primo.percorso), improntaA);
        } else {
            mostra(1, true);
            QCOMPARE(casa(0), PartiteOrdinate(b, 1, true)[0].casa(true));
            QVERIFY(casella("GolCasa", 3));
            QVERIFY(!w->modificata());
            clicca(Chiudi);
            QCOMPARE(AmbienteTest::impronta(b.percorso), improntaB);
        }
    }

    // A pairing removed from the file behind the window's back or whose teams changed there, or a write that
    // fails on the page's second row: nothing of the page is written.
    void partitaSparita_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("partita sparita") << "DELETE FROM Partita WHERE CodPart = %1";
        QTest::newRow("squadre cambiate") << "UPDATE Partita SET Sq1 = Sq2, Sq2 = Sq1 WHERE CodPart = %1";
        QTest::newRow("scrittura fallita") << "CREATE TRIGGER blocca BEFORE UPDATE ON Partita WHEN OLD.CodPart = %1 "
                                              "BEGIN SELECT RAISE(FAIL, 'bloccata'); END";
    }
    void partitaSparita()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(1, true);
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        scrivi(0, "1", "0", true);
        scrivi(1, "2", "0", true);
        QFETCH(QString, guasto);
        Esegui(guasto.arg(p[1].codPart));
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        a_->messaggi().ok();
        QVERIFY(!w->salva());
        QCOMPARE(a_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        // Closing tells the same failure, then asks whether the typed results may go.
        a_->messaggi().ok().no();
        clicca(Chiudi);
        QVERIFY(AmbienteTest::caricata(ID));
        a_->messaggi().ok().si();
        clicca(Chiudi);
        QVERIFY(!AmbienteTest::caricata(ID));
    }

    // The page against what other windows saved since it was read: an untouched page is read again when
    // the window comes back, a page with edits writes only those.
    void paginaSuperata_data()
    {
        QTest::addColumn<bool>("modificata");
        QTest::newRow("senza modifiche: riletta") << false;
        QTest::newRow("data salvata altrove, risultato scritto qui") << true;
    }
    void paginaSuperata()
    {
        QFETCH(bool, modificata);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = mostra(1, true);
        const PartitaFixture p = PartiteOrdinate(d, 1, true)[0];
        if (modificata) scrivi(0, "2", "1", true);
        Esegui("UPDATE Partita SET DataAnd = 'sabato' WHERE CodPart = ?", {p.codPart});
        mostra(1, true);
        QVERIFY(w->salva());
        QCOMPARE(CampiPartita(p.codPart, "DataAnd, G1A"), modificata ? "sabato|2" : "sabato|NULL");
        QCOMPARE(casella("Data", 0)->text(), modificata ? "" : "sabato");
    }

    // Another window moved the hand-over (the match sheet's next-day arrow): a click into a score brings the window
    // forward on the page on show, with the cursor where the click was, and hands that page over. A page the program
    // opens has the first score's text selected: typing replaces the stored score.
    void clicDopoUnAltraFinestra()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6).giocaFinoA(3, true));
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 2, true);
        Esegui("UPDATE Partita SET G1A = NULL, G2A = NULL, DispAnd = 0 WHERE CodPart = ?", {p[1].codPart});
        mostra(2, true);
        FinestraDiTest::registra(QStringLiteral("Form3"));
        a_->mostra<Finestra>(QStringLiteral("Form3"));
        stato().GiornataCorrente = 1;
        stato().CodPartitaCorrente = PartiteOrdinate(d, 1, true)[2].codPart;
        const QString giocate = Righe("SELECT G1A, G2A FROM Partita WHERE GiornataNum <> 2").join(' ');
        QTest::mouseClick(casella("GolCasa", 1), Qt::LeftButton);
        QCOMPARE(std::tuple(stato().GiornataCorrente, stato().Andata, stato().CodPartitaCorrente),
                 std::tuple(2, true, p[0].codPart));
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "0");
        a_->messaggi().si();  // played
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(CampiPartita(p[1].codPart, "G1A, G2A, DispAnd"), "1|0|-1");
        QCOMPARE(Righe("SELECT G1A, G2A FROM Partita WHERE GiornataNum <> 2").join(' '), giocate);

        mostra(1, true);
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(casella("GolCasa", 0)->text(), QStringLiteral("7"));
    }

    // A page the program shows or moves goes over whole, with its first match: the match sheet, left on round 1 by
    // Tabellini completi, then follows the page and not its old match into another leg.
    void paginaConsegnata_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::newRow("F4 dopo la scheda") << "F4";
        QTest::newRow("F4 di nuovo, finestra aperta") << "F4 aperta";
        QTest::newRow("cambio girone") << "girone";
    }
    void paginaConsegnata()
    {
        QFETCH(QString, azione);
        const DatiFixture d = a_->apri(a_->nuovo(20).giocaFinoA(18, false));
        if (azione != "F4") mostra(19, azione == "girone");
        const int scheda = azione == "girone" ? 19 : 1;  // the match sheet on that round's third match
        stato().GiornataCorrente = scheda;
        stato().Andata = true;
        stato().CodPartitaCorrente = PartiteOrdinate(d, scheda, true)[2].codPart;
        if (azione == "girone") {
            clicca(CambioGirone);
        } else {
            QCOMPARE(GiornataDaGiocare(), GIORNATA_TROVATA);
            mostra(stato().GiornataCorrente, stato().Andata);
        }
        QCOMPARE(std::tuple(stato().GiornataCorrente, stato().Andata, stato().CodPartitaCorrente),
                 std::tuple(19, false, PartiteOrdinate(d, 19, false)[0].codPart));
    }

    // A score above 99 stored in the file shows whole, and a row the user did not touch is never written.
    void punteggioOltreNovantanove()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        Esegui("UPDATE Partita SET G1A = 123, G2A = 100, DispAnd = -1 WHERE CodPart = ?", {p[0].codPart});
        auto* w = mostra(1, true);
        QCOMPARE(casella("GolCasa", 0)->text(), QStringLiteral("123"));
        QCOMPARE(casella("GolOspite", 0)->text(), QStringLiteral("100"));
        QVERIFY(!w->modificata());
        scrivi(1, "1", "1", true);
        clicca(Chiudi);
        QCOMPARE(CampiPartita(p[0].codPart, "G1A, G2A"), "123|100");
        QCOMPARE(CampoPartita(p[1].codPart, "G1A").toInt(), 1);
    }

    // The season ends, the command that waits for its window, an empty calendar.
    void comandi()
    {
        Finestre::istanza().azzera();
        Finestre::istanza().impostaArea(a_->area());
        RegistraFinestreRisultati();
        a_->apri(a_->nuovo(6));
        auto* w = mostra(1, true);
        QVERIFY(!bottone(Precedente)->isEnabled());
        QVERIFY(!bottone(ClassificaParziale)->isEnabled());
        FinestraDiTest::registra(QStringLiteral("Form6"));
        QVERIFY(bottone(ClassificaParziale)->isEnabled());
        // The last match day of the first leg goes on to the first of the return leg, and back.
        mostra(5, true);
        QVERIFY(w->giornataSuccessiva());
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{1, false}));
        QVERIFY(w->giornataPrecedente());
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{5, true}));
        mostra(5, false);
        QVERIFY(!bottone(Successiva)->isEnabled());
        QVERIFY(!w->giornataSuccessiva());

        a_->apri(a_->nuovo(6).senzaCalendario());
        w = mostra(1, true);
        QVERIFY(AmbienteTest::parte<QLabel>(ID, "Nota")->isVisible());
        QVERIFY(!casella("GolCasa", 0));
        QVERIFY(w->salva());
        clicca(Chiudi);
        QVERIFY(!AmbienteTest::caricata(ID));
    }
};

QTEST_MAIN(TestInserimentoRisultati)
#include "tst_inserimentorisultati.moc"
