#include "aiuticalendario.h"
#include "calendar/finestrerisultati.h"
#include "calendar/inserimentorisultatiwindow.h"
#include "core/cercagiornate.h"
#include "core/classifica.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "platform/pannello.h"

using Finestra5 = InserimentoRisultatiWindow;
using R = Messaggio::Risposta;

namespace {

const QString TITOLO = QStringLiteral("Inserimento risultati");

enum Pulsante { Precedente, Successiva, CambioGirone, Salva, ClassificaParziale, Chiudi, Guida };

template <typename T> T* Parte(QWidget* w, const QString& nome, int i)
{
    T* t = w->findChild<T*>(nome + QString::number(i));
    if (!t) qWarning("%s%d non trovato", qPrintable(nome), i);
    return t;
}
QLineEdit* GolCasa(QWidget* w, int i) { return Parte<QLineEdit>(w, QStringLiteral("GolCasa"), i); }
QLineEdit* GolOspite(QWidget* w, int i) { return Parte<QLineEdit>(w, QStringLiteral("GolOspite"), i); }
QCheckBox* Spunta(QWidget* w, int i) { return Parte<QCheckBox>(w, QStringLiteral("Disputata"), i); }
QLineEdit* Data(QWidget* w, int i) { return Parte<QLineEdit>(w, QStringLiteral("Data"), i); }
QLineEdit* Ora(QWidget* w, int i) { return Parte<QLineEdit>(w, QStringLiteral("Ora"), i); }
Pannello* Bottone(QWidget* w, int i) { return Parte<Pannello>(w, QStringLiteral("Button"), i); }

void Scrivi(QWidget* w, int riga, const QString& casa, const QString& ospite, bool disputata)
{
    GolCasa(w, riga)->setText(casa);
    GolOspite(w, riga)->setText(ospite);
    Spunta(w, riga)->setChecked(disputata);
}

void Clicca(QWidget* w, int pulsante) { QTest::mouseClick(Bottone(w, pulsante), Qt::LeftButton); }

struct Classifica {
    int giocate, punti, mediaInglese;
};
Classifica RigaClassifica(const QString& squadra)
{
    Query q(QStringLiteral("SELECT Giocate, Punti, MediaInglese FROM PuntiSquadre WHERE Nome = ?"), {squadra});
    if (!q.next()) return {-99, -99, -99};
    return {q.intero(0), q.intero(1), q.intero(2)};
}

}  // namespace

// Results entry: the page of a match day, what saving writes and refuses, the implicit saves, and
// the road from the typed results to the league table.
class TestInserimentoRisultati : public QObject {
    Q_OBJECT

private slots:
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
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(7).giocaFinoA(3, false));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), giornata, andata);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), TITOLO);
        const QVector<PartitaFixture> attese = PartiteOrdinate(d, giornata, andata);
        QCOMPARE(attese.size(), 3);
        for (int i = 0; i < attese.size(); ++i) {
            const PartitaFixture& p = attese[i];
            QCOMPARE(Parte<QLabel>(w, QStringLiteral("Casa"), i)->text(), p.casa(andata));
            QCOMPARE(Parte<QLabel>(w, QStringLiteral("Ospite"), i)->text(), p.ospite(andata));
            QCOMPARE(Spunta(w, i)->isChecked(), p.disputata(andata));
            QCOMPARE(GolCasa(w, i)->text(), p.disputata(andata) ? QString::number(p.golCasa(andata)) : QString());
            QCOMPARE(GolOspite(w, i)->text(), p.disputata(andata) ? QString::number(p.golOspite(andata)) : QString());
            // The blank that stands for an empty date is not shown.
            QCOMPARE(Data(w, i)->text(), QString());
        }
        QVERIFY(!w->findChild<QLineEdit*>(QStringLiteral("GolCasa3")));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Riposa"))->text(),
                 QStringLiteral("Riposa: ") + d.giornate[giornata - 1].riposa);
        QVERIFY(!w->modificata());
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The main road: a match day typed with the keyboard only, saved, and counted by the standings.
    void dallaTastieraAllaClassifica()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        QVERIFY(w);
        QTRY_COMPARE(QApplication::focusWidget(), GolCasa(w, 0));
        const QStringList risultati{"3", "1", "1", "1", "0", "2"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QApplication::focusWidget(), GolCasa(w, i));
            QTest::keyClicks(QApplication::focusWidget(), risultati[2 * i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), GolOspite(w, i));
            QTest::keyClicks(QApplication::focusWidget(), risultati[2 * i + 1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Spunta(w, i));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Data(w, i));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1%1/09/2024").arg(i));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Ora(w, i));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15:00"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(Spunta(w, 2)->isChecked());
        // Page down saves the day and moves to the next one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{2, true}));
        QCOMPARE(stato().GiornataCorrente, 2);

        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(CampoPartita(p[i].codPart, "G1A").toInt(), risultati[2 * i].toInt());
            QCOMPARE(CampoPartita(p[i].codPart, "G2A").toInt(), risultati[2 * i + 1].toInt());
            QCOMPARE(CampoPartita(p[i].codPart, "DispAnd").toInt(), VERO);
            QCOMPARE(CampoPartita(p[i].codPart, "DataAnd").toString(), QStringLiteral("1%1/09/2024").arg(i));
            QCOMPARE(CampoPartita(p[i].codPart, "HAnd").toString(), QStringLiteral("15:00"));
            QVERIFY(CampoPartita(p[i].codPart, "G1R").isNull());
        }
        QCOMPARE(FlagGiornata(1, true).toInt(), VERO);

        // Win, draw and loss at home and away, by the points rules and the English average.
        CalcolaClassifica();
        const QVector<std::tuple<QString, int, int>> attese{{p[0].sq1, 3, 0}, {p[0].sq2, 0, -1}, {p[1].sq1, 1, -1},
                                                            {p[1].sq2, 1, 0}, {p[2].sq1, 0, -2}, {p[2].sq2, 3, 1}};
        for (const auto& [squadra, punti, media] : attese) {
            const Classifica c = RigaClassifica(squadra);
            QCOMPARE(c.giocate, 1);
            QCOMPARE(c.punti, punti);
            QCOMPARE(c.mediaInglese, media);
        }

        // The return leg of the first pairing: the home side (SQ2) wins 2-1.
        stato().GiornataCorrente = 1;
        stato().Andata = false;
        Finestre::istanza().mostra(QStringLiteral("Form5"));
        const QVector<PartitaFixture> r = PartiteOrdinate(d, 1, false);
        QCOMPARE(Parte<QLabel>(w, QStringLiteral("Casa"), 0)->text(), r[0].sq2);
        Scrivi(w, 0, "2", "1", true);
        Clicca(w, Salva);
        QCOMPARE(CampoPartita(r[0].codPart, "G2R").toInt(), 2);
        QCOMPARE(CampoPartita(r[0].codPart, "G1R").toInt(), 1);
        QCOMPARE(CampoPartita(r[0].codPart, "DispRit").toInt(), VERO);
        // Counted as a home win for SQ2 and an away loss for SQ1, on top of their first legs.
        const Classifica primaCasa = RigaClassifica(r[0].sq2), primaOspite = RigaClassifica(r[0].sq1);
        CalcolaClassifica();
        QCOMPARE(RigaClassifica(r[0].sq2).punti, primaCasa.punti + 3);
        QCOMPARE(RigaClassifica(r[0].sq2).mediaInglese, primaCasa.mediaInglese);
        QCOMPARE(RigaClassifica(r[0].sq1).punti, primaOspite.punti);
        QCOMPARE(RigaClassifica(r[0].sq1).mediaInglese, primaOspite.mediaInglese - 1);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void campiDelGirone_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::addColumn<int>("casa");
        QTest::addColumn<int>("ospite");
        QTest::newRow("andata 3-1") << true << 3 << 1;
        QTest::newRow("ritorno 2-1") << false << 2 << 1;
        QTest::newRow("ritorno 0-4") << false << 0 << 4;
    }
    void campiDelGirone()
    {
        QFETCH(bool, andata);
        QFETCH(int, casa);
        QFETCH(int, ospite);
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 2, andata);
        Scrivi(w, 1, QString::number(casa), QString::number(ospite), true);
        Data(w, 1)->setText(QStringLiteral("domenica"));
        QVERIFY(w->salva());
        const PartitaFixture p = PartiteOrdinate(d, 2, andata)[1];
        const QString l = andata ? QStringLiteral("A") : QStringLiteral("R");
        // The goals are SQ1's and SQ2's: the home team of the return leg is SQ2.
        QCOMPARE(CampoPartita(p.codPart, "G1" + l).toInt(), andata ? casa : ospite);
        QCOMPARE(CampoPartita(p.codPart, "G2" + l).toInt(), andata ? ospite : casa);
        QCOMPARE(CampoPartita(p.codPart, "Disp" + (andata ? QStringLiteral("And") : QStringLiteral("Rit"))).toInt(),
                 VERO);
        QCOMPARE(CampoPartita(p.codPart, andata ? "DataAnd" : "DataRit").toString(), QStringLiteral("domenica"));
        // An empty time is written as one blank; the other leg is left alone.
        QCOMPARE(CampoPartita(p.codPart, andata ? "HAnd" : "HRit").toString(), QStringLiteral(" "));
        const QString altra = andata ? QStringLiteral("R") : QStringLiteral("A");
        QVERIFY(CampoPartita(p.codPart, "G1" + altra).isNull());
        QCOMPARE(CampoPartita(p.codPart, andata ? "DispRit" : "DispAnd").toInt(), FALSO);
        QCOMPARE(FlagGiornata(2, andata).toInt(), VERO);
        QCOMPARE(FlagGiornata(2, !andata).toInt(), FALSO);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
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
        QTest::newRow("disputata senza un punteggio") << "2"
                                                      << "" << true << ok << false << false;
        QTest::newRow("disputata senza punteggi") << ""
                                                  << "" << true << ok << false << false;
        QTest::newRow("punteggio senza spunta, sì") << "2"
                                                    << "1" << false << si << true << true;
        // Not played: saved so, with the rest of the day, its scores left empty.
        QTest::newRow("punteggio senza spunta, no") << "2"
                                                    << "1" << false << no << true << false;
        QTest::newRow("punteggio senza spunta, annulla") << "2"
                                                         << "1" << false << annulla << false << false;
        QTest::newRow("un solo punteggio, sì, poi rifiuto") << ""
                                                            << "0" << false << QList<R>{R::Si, R::Ok} << false << false;
        QTest::newRow("tutto in regola") << "0"
                                         << "0" << true << QList<R>{} << true << true;
    }
    void convalida()
    {
        QFETCH(QString, casa);
        QFETCH(QString, ospite);
        QFETCH(bool, spunta);
        QFETCH(QList<R>, risposte);
        QFETCH(bool, salvata);
        QFETCH(bool, giocata);
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        // A row in order before the one checked: it is written only when the whole page passes.
        Scrivi(w, 0, "1", "0", true);
        Scrivi(w, 2, casa, ospite, spunta);
        for (R r : risposte) a.messaggi().risposta(r);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        QCOMPARE(w->salva(), salvata);

        QCOMPARE(a.messaggi().quanti(), int(risposte.size()));
        for (int i = 0; i < risposte.size(); ++i) {
            const Messaggio::Richiesta m = a.messaggi().mostrati()[i];
            QCOMPARE(m.titolo, TITOLO);
            const bool domanda = risposte[i] != R::Ok;
            QCOMPARE(m.icona, domanda ? Messaggio::Icona::Domanda : Messaggio::Icona::Critica);
            QCOMPARE(m.pulsanti, domanda ? Messaggio::Pulsanti::SiNoAnnulla : Messaggio::Pulsanti::Ok);
            QVERIFY(m.testo.contains(Parte<QLabel>(w, QStringLiteral("Casa"), 2)->text()));
        }
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        if (salvata) {
            QCOMPARE(CampoPartita(p[0].codPart, "DispAnd").toInt(), VERO);
            QCOMPARE(CampoPartita(p[2].codPart, "DispAnd").toInt(), Flag(giocata));
            QCOMPARE(CampoPartita(p[2].codPart, "G1A").isNull(), !giocata);
            if (giocata) QCOMPARE(CampoPartita(p[2].codPart, "G1A").toInt(), casa.toInt());
            QCOMPARE(Spunta(w, 2)->isChecked(), giocata);
            QCOMPARE(GolCasa(w, 2)->text(), giocata ? casa : QString());
            QVERIFY(!w->modificata());
        } else {
            QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
            QVERIFY(w->modificata());
        }
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // GIORNATA's flag of the leg follows the pairings, and the round finders follow the flag.
    void flagDellaGiornata()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        Scrivi(w, 1, "2", "2", true);
        QVERIFY(w->salva());
        QCOMPARE(FlagGiornata(1, true).toInt(), VERO);
        QCOMPARE(GiornataDaGiocare(), GIORNATA_TROVATA);
        QCOMPARE(stato().GiornataCorrente, 2);
        QCOMPARE(UltimaGiornataGiocata(), GIORNATA_TROVATA);
        QCOMPARE(stato().GiornataCorrente, 1);
        QVERIFY(stato().Andata);

        // Unticking every match of the day resets the flag and stores the scores as Null.
        Scrivi(w, 1, "", "", false);
        QVERIFY(w->salva());
        QCOMPARE(FlagGiornata(1, true).toInt(), FALSO);
        const PartitaFixture p = PartiteOrdinate(d, 1, true)[1];
        QVERIFY(CampoPartita(p.codPart, "G1A").isNull());
        QVERIFY(CampoPartita(p.codPart, "G2A").isNull());
        QCOMPARE(CampoPartita(p.codPart, "DispAnd").toInt(), FALSO);
        QCOMPARE(GiornataDaGiocare(), GIORNATA_TROVATA);
        QCOMPARE(stato().GiornataCorrente, 1);
        QCOMPARE(UltimaGiornataGiocata(), NESSUNA_GIORNATA_GIOCATA);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Leaving a page saves it when it changed, and touches nothing when it did not.
    void salvataggioImplicito_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<bool>("modifica");
        QTest::addColumn<int>("giornataDopo");
        QTest::addColumn<bool>("andataDopo");
        for (bool modifica : {true, false}) {
            const char* m = modifica ? "modificata" : "invariata";
            QTest::addRow("successiva, %s", m) << "successiva" << modifica << 3 << true;
            QTest::addRow("precedente, %s", m) << "precedente" << modifica << 1 << true;
            QTest::addRow("cambio girone, %s", m) << "girone" << modifica << 2 << false;
            QTest::addRow("attivazione, %s", m) << "attivazione" << modifica << 4 << false;
            QTest::addRow("classifica parziale, %s", m) << "classifica" << modifica << 2 << true;
            QTest::addRow("chiusura, %s", m) << "chiudi" << modifica << 0 << true;
        }
    }
    void salvataggioImplicito()
    {
        QFETCH(QString, azione);
        QFETCH(bool, modifica);
        QFETCH(int, giornataDopo);
        QFETCH(bool, andataDopo);
        AmbienteTest a(RegistraFinestreRisultati);
        FinestraDiTest::registra(QStringLiteral("Form6"));
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 2, true);
        if (modifica) Scrivi(w, 0, "4", "2", true);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);

        if (azione == "successiva")
            Clicca(w, Successiva);
        else if (azione == "precedente")
            Clicca(w, Precedente);
        else if (azione == "girone")
            Clicca(w, CambioGirone);
        else if (azione == "classifica")
            Clicca(w, ClassificaParziale);
        else if (azione == "chiudi")
            Clicca(w, Chiudi);
        else
            a.mostra<Finestra5>(QStringLiteral("Form5"), 4, false);

        const PartitaFixture p = PartiteOrdinate(d, 2, true)[0];
        if (modifica) {
            QCOMPARE(CampoPartita(p.codPart, "G1A").toInt(), 4);
            QCOMPARE(CampoPartita(p.codPart, "G2A").toInt(), 2);
            QCOMPARE(CampoPartita(p.codPart, "DispAnd").toInt(), VERO);
        } else {
            QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        }
        if (azione == "chiudi") {
            QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form5")));
        } else {
            QCOMPARE(w->giornataMostrata(), (GiornataGirone{giornataDopo, andataDopo}));
            QCOMPARE(stato().GiornataCorrente, giornataDopo);
            QCOMPARE(stato().Andata, andataDopo);
        }
        if (azione == "classifica") {
            const Stato& s = stato();
            QCOMPARE(s.ParzDaGiornata, 1);
            QCOMPARE(s.ParzDaGirone, 1);
            QCOMPARE(s.ParzAGiornata, 2);
            QCOMPARE(s.ParzAGirone, 1);
            QVERIFY(!s.ClassificaCompleta);
            QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form6")));
        }
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A save that stops keeps the page, the window and the hand-over as they were.
    void salvataggioFermato_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::newRow("successiva") << "successiva";
        QTest::newRow("cambio girone") << "girone";
        QTest::newRow("attivazione") << "attivazione";
        QTest::newRow("classifica parziale") << "classifica";
        QTest::newRow("chiusura") << "chiudi";
    }
    void salvataggioFermato()
    {
        QFETCH(QString, azione);
        AmbienteTest a(RegistraFinestreRisultati);
        FinestraDiTest::registra(QStringLiteral("Form6"));
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 2, true);
        Scrivi(w, 0, "4", "", true);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        a.messaggi().ok();

        if (azione == "successiva")
            QVERIFY(!w->giornataSuccessiva());
        else if (azione == "girone")
            QVERIFY(!w->cambiaGirone());
        else if (azione == "classifica")
            QVERIFY(!w->apriClassificaParziale());
        else if (azione == "chiudi")
            Clicca(w, Chiudi);
        else
            a.mostra<Finestra5>(QStringLiteral("Form5"), 4, false);

        QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        QVERIFY(AmbienteTest::caricata(QStringLiteral("Form5")));
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{2, true}));
        QCOMPARE(stato().GiornataCorrente, 2);
        QVERIFY(stato().Andata);
        QCOMPARE(GolCasa(w, 0)->text(), QStringLiteral("4"));
        QVERIFY(!Finestre::istanza().caricata(QStringLiteral("Form6")));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // Opening another championship: the page goes into its own file, or the opening stops.
    void altroCampionato_data()
    {
        QTest::addColumn<bool>("valida");
        QTest::newRow("pagina valida: salvata nel suo file") << true;
        QTest::newRow("salvataggio fermato: mai nel nuovo file") << false;
    }
    void altroCampionato()
    {
        QFETCH(bool, valida);
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture primo = a.apri(a.nuovo(6));
        const QString secondo = a.percorso(QStringLiteral("secondo.GVN"));
        const DatiFixture b = FixtureCampionato(secondo).squadre(8).crea();
        const QByteArray improntaB = AmbienteTest::impronta(secondo);

        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        Scrivi(w, 0, "3", "0", valida);
        if (!valida) a.messaggi().annulla();  // "was it played?" Annulla: the page stays
        const QByteArray improntaA = AmbienteTest::impronta(primo.percorso);
        // A page that cannot be saved keeps its window, and so the championship in use.
        QCOMPARE(ApriFileComeCampionato(secondo), valida);
        QCOMPARE(stato().NumeroSquadre, valida ? 8 : 6);

        const PartitaFixture p = PartiteOrdinate(primo, 1, true)[0];
        // Either way the new file is untouched.
        QCOMPARE(AmbienteTest::caricata(QStringLiteral("Form5")), !valida);
        QCOMPARE(AmbienteTest::impronta(secondo), improntaB);
        if (valida) {
            ApriDbCampionato(primo.percorso);
            QCOMPARE(CampoPartita(p.codPart, "G1A").toInt(), 3);
        } else {
            QCOMPARE(DbCampionato().databaseName(), primo.percorso);
            QCOMPARE(AmbienteTest::impronta(primo.percorso), improntaA);
        }
        Q_UNUSED(b);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A window loaded but hidden outlives the opening of another championship: shown again, it reads
    // the new file and never saves its old page into it.
    void paginaRiletta()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        Scrivi(w, 0, "1", "0", true);
        w->nascondi();
        const DatiFixture b = a.apri(a.nuovo(8));
        const QByteArray improntaB = AmbienteTest::impronta(b.percorso);
        QVERIFY(AmbienteTest::caricata(QStringLiteral("Form5")));
        a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        QCOMPARE(Parte<QLabel>(w, QStringLiteral("Casa"), 0)->text(), PartiteOrdinate(b, 1, true)[0].casa(true));
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("GolCasa3")));
        QVERIFY(!w->modificata());
        Clicca(w, Chiudi);
        QCOMPARE(AmbienteTest::impronta(b.percorso), improntaB);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A pairing removed from the file behind the window's back: nothing of the page is written.
    void partitaSparita()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        Scrivi(w, 0, "1", "0", true);
        Scrivi(w, 1, "2", "0", true);
        Esegui(QStringLiteral("DELETE FROM Partita WHERE CodPart = ?"), {p[1].codPart});
        a.messaggi().ok();
        QVERIFY(!w->salva());
        QCOMPARE(a.messaggi().ultimo().titolo, TITOLO);
        QCOMPARE(a.messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(CampoPartita(p[0].codPart, "G1A").isNull());
        QCOMPARE(FlagGiornata(1, true).toInt(), FALSO);

        // Closing tells the same failure, then asks whether the typed results may go.
        a.messaggi().ok().no();
        Clicca(w, Chiudi);
        QVERIFY(AmbienteTest::caricata(QStringLiteral("Form5")));
        a.messaggi().ok().si();
        Clicca(w, Chiudi);
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form5")));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The page against what other windows saved since it was read: an untouched page is read again when
    // the window comes back, a page with edits writes only those, never onto a pairing whose teams changed.
    void paginaSuperata_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("altrove");  // what another window saves meanwhile
        const QString data = "UPDATE Partita SET DataAnd = 'sabato' WHERE CodPart = ?";
        QTest::newRow("senza modifiche: riletta") << "riletta" << data;
        QTest::newRow("data salvata altrove, risultato scritto qui") << "data" << data;
        QTest::newRow("squadre cambiate: nulla scritto") << "squadre"
                                                         << "UPDATE Partita SET Sq1 = Sq2, Sq2 = Sq1 WHERE CodPart = ?";
    }
    void paginaSuperata()
    {
        QFETCH(QString, caso);
        QFETCH(QString, altrove);
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        const PartitaFixture p = PartiteOrdinate(d, 1, true)[0];
        if (caso != "riletta") Scrivi(w, 0, "2", "1", true);
        Esegui(altrove, {p.codPart});
        a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        if (caso == "squadre") a.messaggi().ok();
        QCOMPARE(w->salva(), caso != "squadre");
        QCOMPARE(CampoPartita(p.codPart, "DataAnd").toString(), caso == "squadre" ? " " : "sabato");
        QCOMPARE(Data(w, 0)->text(), caso == "riletta" ? "sabato" : "");
        if (caso == "data") QCOMPARE(CampoPartita(p.codPart, "G1A").toInt(), 2);
        if (caso == "squadre") QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // A score above 99 stored in the file shows whole, and a row the user did not touch is never written.
    void punteggioOltreNovantanove()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        const DatiFixture d = a.apri(a.nuovo(6));
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 1, true);
        Esegui("UPDATE Partita SET G1A = 123, G2A = 100, DispAnd = -1 WHERE CodPart = ?", {p[0].codPart});
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        QCOMPARE(GolCasa(w, 0)->text(), QStringLiteral("123"));
        QCOMPARE(GolOspite(w, 0)->text(), QStringLiteral("100"));
        QVERIFY(!w->modificata());
        Scrivi(w, 1, "1", "1", true);
        Clicca(w, Chiudi);
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form5")));
        QCOMPARE(CampoPartita(p[0].codPart, "G1A").toInt(), 123);
        QCOMPARE(CampoPartita(p[0].codPart, "G2A").toInt(), 100);
        QCOMPARE(CampoPartita(p[1].codPart, "G1A").toInt(), 1);
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The panels' highlight ids, the season ends and the commands that wait for their window.
    void comandi()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        a.apri(a.nuovo(6));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        for (int i = 0; i <= Guida; ++i) {
            QCOMPARE(Bottone(w, i)->idEvidenzia(), 50 + i);
            QCOMPARE(Pannello::perId(50 + i), Bottone(w, i));
        }

        QVERIFY(!Bottone(w, Precedente)->isEnabled());
        QVERIFY(!Bottone(w, ClassificaParziale)->isEnabled());
        FinestraDiTest::registra(QStringLiteral("Form6"));
        QVERIFY(Bottone(w, ClassificaParziale)->isEnabled());
        // The last match day of the first leg goes on to the first of the return leg, and back.
        a.mostra<Finestra5>(QStringLiteral("Form5"), 5, true);
        QVERIFY(w->giornataSuccessiva());
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{1, false}));
        QVERIFY(w->giornataPrecedente());
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{5, true}));
        a.mostra<Finestra5>(QStringLiteral("Form5"), 5, false);
        QVERIFY(!Bottone(w, Successiva)->isEnabled());
        QVERIFY(!w->giornataSuccessiva());
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    void calendarioVuoto()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        a.apri(a.nuovo(6).senzaCalendario());
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        QVERIFY(w);
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("Nota"))->isVisible());
        QVERIFY(!w->findChild<QLineEdit*>(QStringLiteral("GolCasa0")));
        QVERIFY(w->salva());
        Clicca(w, Chiudi);
        QVERIFY(!AmbienteTest::caricata(QStringLiteral("Form5")));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }

    // The largest championship: ten rows, every score and date box inside the window at its natural size.
    void dieciRigheSenzaScorrere()
    {
        AmbienteTest a(RegistraFinestreRisultati);
        a.apri(a.nuovo().squadre(NomiLunghi()).giocaFinoA(1, true));
        Esegui(QStringLiteral("UPDATE Partita SET DataAnd = '28/09/2025', HAnd = '15:00'"));
        auto* w = a.mostra<Finestra5>(QStringLiteral("Form5"), 1, true);
        auto* sotto = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        QVERIFY(sotto);
        QVERIFY(sotto->width() <= a.area()->width());
        for (int i = 0; i < 10; ++i)
            for (QWidget* x : {static_cast<QWidget*>(GolCasa(w, i)), static_cast<QWidget*>(GolOspite(w, i)),
                               static_cast<QWidget*>(Data(w, i)), static_cast<QWidget*>(Ora(w, i))}) {
                const QRect r(x->mapTo(w, QPoint(0, 0)), x->size());
                QVERIFY2(w->rect().contains(r), qPrintable(x->objectName()));
                QVERIFY(x->isVisible());
            }
        AmbienteTest::foto(w, QStringLiteral("form5.png"));
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
    }
};

QTEST_MAIN(TestInserimentoRisultati)
#include "tst_inserimentorisultati.moc"
