#include "aiuticalendario.h"
#include "calendar/finestrecostruzionecalendario.h"
#include "support/ambientetest.h"

#include "calendar/registrazionegiornatewindow.h"
#include "platform/combocodici.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The match days typed by hand: a new day appended as the codes say, a stored day changed in place, the
// checks that refuse a day, the moves between days, and the delete of the last day.
class TestRegistrazioneGiornate : public QObject {
    Q_OBJECT

    static constexpr int PRECEDENTE = 120;
    static constexpr int SUCCESSIVA = 121;
    static constexpr int NUOVA = 122;
    static constexpr int SALVA = 123;
    static constexpr int ELIMINA = 124;
    static constexpr int CHIUDI = 126;

    static ComboCodici* combo(const QString& nome)
    {
        auto* c = AmbienteTest::parte<ComboCodici>(QStringLiteral("Form10"), nome);
        if (!c) qWarning("combo %s assente", qPrintable(nome));
        return c;
    }
    static void imposta(ComboCodici* c, const QString& squadra)
    {
        c->setCurrentIndex(squadra.isEmpty() ? 0 : c->trovaTesto(squadra));
        QCOMPARE(c->testo(), squadra);
    }
    static void scegli(int riga, const QString& casa, const QString& ospite)
    {
        imposta(combo(QStringLiteral("ComboCasa%1").arg(riga)), casa);
        imposta(combo(QStringLiteral("ComboOspite%1").arg(riga)), ospite);
    }
    // Home and away of each row, then the resting team when the count of names is odd.
    static void compila(const QStringList& squadre)
    {
        for (int r = 0; r + 1 < squadre.size(); r += 2) scegli(r / 2 + 1, squadre[r], squadre[r + 1]);
        if (squadre.size() % 2) imposta(combo(QStringLiteral("ComboRiposa")), squadre.last());
    }
    static QString incontro(int riga)
    {
        return combo(QStringLiteral("ComboCasa%1").arg(riga))->testo() + " - " +
               combo(QStringLiteral("ComboOspite%1").arg(riga))->testo();
    }
    RegistrazioneGiornateWindow* apriSu(int giornata)
    {
        stato().GiornataCorrente = giornata;
        return a_->mostra<RegistrazioneGiornateWindow>(QStringLiteral("Form10"));
    }
    // Every field the entry writes of a pairing, and of a match day, in stored order.
    static QStringList partite()
    {
        return Righe(
            "SELECT GIORNATANUM, RIGA, SQ1, SQ2, DISPAND, DISPRIT, DATAAND, HAND, DATARIT, HRIT, G1A, G2A, G1R, "
            "G2R FROM PARTITA ORDER BY rowid");
    }
    static QString partita(int g, int riga, const QString& sq1, const QString& sq2)
    {
        return QStringLiteral("%1|%2|%3|%4|0|0| | | | |NULL|NULL|NULL|NULL").arg(g).arg(riga).arg(sq1, sq2);
    }
    static QStringList giornate()
    {
        return Righe("SELECT NUMERO, DATAAND, DATARIT, DISPAND, DISPRIT, RIPOSA FROM GIORNATA ORDER BY rowid");
    }
    // A championship of 6 teams whose calendar stops after `giornate` match days.
    DatiFixture calendarioParziale(int giornate)
    {
        const DatiFixture d = a_->nuovo(6).creaEApri();
        Esegui("DELETE FROM PARTITA WHERE GIORNATANUM > ?", {giornate});
        Esegui("DELETE FROM GIORNATA WHERE NUMERO > ?", {giornate});
        Esegui("UPDATE CAMPIONATO SET GIORNATEINS = ?", {giornate});
        CaricaCampionato();
        return d;
    }

    std::unique_ptr<AmbienteTest> a_;

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreCostruzioneCalendario); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void nuovaGiornataDispari()
    {
        a_->apri(a_->nuovo(5).senzaCalendario());
        auto* w = apriSu(stato().GiornateInserite + 1);
        QVERIFY(w->nuova());
        QVERIFY(combo(QStringLiteral("ComboRiposa"))->isVisible());
        QVERIFY(!combo(QStringLiteral("ComboCasa3")));
        QCOMPARE(incontro(1), QStringLiteral(" - "));
        QVERIFY(!Pannello::perId(ELIMINA)->isEnabled());

        compila({"Ancona", "Bari", "Dolomiti", "Cagliari", "Empoli"});
        QVERIFY(w->modificata());
        Premi(SALVA);
        QVERIFY(!w->nuova());
        QVERIFY(!w->modificata());
        QCOMPARE(stato().GiornateInserite, 1);
        QVERIFY(Pannello::perId(ELIMINA)->isEnabled());

        Premi(NUOVA);
        QCOMPARE(w->giornata(), 2);
        QVERIFY(w->nuova());
        QCOMPARE(incontro(2), QStringLiteral(" - "));
        compila({"Bari", "Cagliari", "Empoli", "Ancona", "Dolomiti"});
        Premi(SALVA);

        QCOMPARE(giornate(), (QStringList{"1| | |0|0|Empoli", "2| | |0|0|Dolomiti"}));
        QCOMPARE(partite(), (QStringList{partita(1, 1, "Ancona", "Bari"), partita(1, 2, "Dolomiti", "Cagliari"),
                                         partita(2, 1, "Bari", "Cagliari"), partita(2, 2, "Empoli", "Ancona")}));
        QCOMPARE(Valore("SELECT GIORNATEINS FROM CAMPIONATO").toInt(), 2);
        QCOMPARE(stato().GiornateInserite, 2);
    }

    void modificaMantieneCodici()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const QStringList prima = Accoppiamenti();
        apriSu(2);
        QVector<const PartitaFixture*> p;
        for (int r = 1; r <= 3; ++r) {
            p << d.partita(2, r);
            QCOMPARE(incontro(r), p.last()->sq1 + " - " + p.last()->sq2);
        }
        compila({p[0]->sq2, p[0]->sq1, p[1]->sq1, p[2]->sq2, p[2]->sq1, p[1]->sq2});
        Premi(SALVA);

        // Day 2 keeps its rows, their order and their codes; only the teams change.
        const QStringList nuove{p[0]->sq2 + "-" + p[0]->sq1, p[1]->sq1 + "-" + p[2]->sq2, p[2]->sq1 + "-" + p[1]->sq2};
        QStringList attese = prima;
        for (QString& riga : attese)
            for (int r = 0; r < 3; ++r)
                if (riga.endsWith(QStringLiteral(" #%1").arg(p[r]->codPart)))
                    riga = QStringLiteral("2/%1 %2 #%3").arg(r + 1).arg(nuove[r]).arg(p[r]->codPart);
        QVERIFY(attese != prima);
        QCOMPARE(Accoppiamenti(), attese);
        QCOMPARE(Conta("GIORNATA"), 5);
    }

    // Dates saved in another window since the day was shown: an untouched page reads them again when
    // the window comes back; a page with edits writes only those.
    void dateSalvateAltrove()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = apriSu(2);
        const QString data = QStringLiteral("SELECT DATAAND FROM PARTITA WHERE CODPART = ?");
        Esegui("UPDATE PARTITA SET DATAAND = 'sabato' WHERE CODPART = ?", {d.partita(2, 1)->codPart});
        w->attiva();
        QVERIFY(AmbienteTest::parte<QLabel>("Form10", "LabelDate1")->text().contains("sabato"));
        scegli(3, d.partita(2, 3)->sq2, d.partita(2, 3)->sq1);
        Esegui("UPDATE PARTITA SET DATAAND = 'lunedì' WHERE CODPART = ?", {d.partita(2, 2)->codPart});
        w->attiva();
        Premi(SALVA);
        QCOMPARE(Valore(data, {d.partita(2, 1)->codPart}).toString(), QStringLiteral("sabato"));
        QCOMPARE(Valore(data, {d.partita(2, 2)->codPart}).toString(), QStringLiteral("lunedì"));
        QCOMPARE(incontro(3), d.partita(2, 3)->sq2 + " - " + d.partita(2, 3)->sq1);
    }

    // A save by the code of a pairing, or the number of a day, no longer in the file writes nothing.
    void codiceSparito_data()
    {
        QTest::addColumn<bool>("date");  // the dates' save, else the pairings'
        QTest::addColumn<QString>("elimina");
        QTest::newRow("date, incontro") << true << "DELETE FROM PARTITA WHERE RIGA = 2";
        QTest::newRow("date, giornata") << true << "DELETE FROM GIORNATA WHERE NUMERO = 2";
        QTest::newRow("incontri, incontro") << false << "DELETE FROM PARTITA WHERE RIGA = 2";
    }
    void codiceSparito()
    {
        QFETCH(bool, date);
        QFETCH(QString, elimina);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        DatiGiornata g = GiornateCalendarioQueries::leggi(2);
        g.dataAnd = g.incontri[0].date.DataAnd = g.incontri[1].date.HAnd = QStringLiteral("domenica");
        Esegui(elimina);
        const QByteArray prima = AmbienteTest::impronta(d.percorso);
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, date ? GiornateCalendarioQueries::salvaDate(g)
                                                      : GiornateCalendarioQueries::salvaIncontri(g, 6));
        QCOMPARE(AmbienteTest::impronta(d.percorso), prima);
    }

    // A pairing deleted elsewhere leaves its row empty once the day is read again: saving names it as gone
    // from the calendar and writes nothing; typed again, it is stored anew.
    void incontroEliminatoAltrove()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const PartitaFixture* p = d.partita(2, 3);
        auto* w = apriSu(2);
        Esegui("DELETE FROM PARTITA WHERE CODPART = ?", {p->codPart});
        w->attiva();
        scegli(1, d.partita(2, 1)->sq2, d.partita(2, 1)->sq1);
        const QStringList prima = Accoppiamenti();
        a_->messaggi().ok();
        Premi(SALVA);
        QCOMPARE(a_->messaggi().ultimo().testo,
                 QStringLiteral("Attenzione: l'incontro n. 3 non è più nel calendario della giornata n. 2: la "
                                "giornata non è stata salvata.\rIndicare di nuovo le due squadre dell'incontro per "
                                "registrarlo."));
        QCOMPARE(Accoppiamenti(), prima);
        scegli(3, p->sq1, p->sq2);
        Premi(SALVA);
        QCOMPARE(Righe("SELECT SQ1, SQ2 FROM PARTITA WHERE GIORNATANUM = 2 AND RIGA = 3"),
                 QStringList{p->sq1 + "|" + p->sq2});
    }

    void controlli_data()
    {
        QTest::addColumn<QStringList>("squadre");  // home and away of rows 1 and 2, then the resting team
        QTest::addColumn<QString>("messaggio");
        // clang-format off
        QTest::newRow("incontro incompleto") << QStringList{"Ancona", "", "Cagliari", "Dolomiti", "Empoli"} << "Attenzione: l'incontro n. 1 non è completo.";
        QTest::newRow("nessuna squadra a riposo") << QStringList{"Ancona", "Bari", "Cagliari", "Dolomiti", ""} << "Attenzione: il campionato ha un numero dispari di squadre.";
        QTest::newRow("squadra contro se stessa") << QStringList{"Ancona", "Bari", "Cagliari", "Cagliari", "Empoli"} << "Attenzione: nell'incontro n. 2 la squadra Cagliari è indicata contro se stessa.";
        QTest::newRow("squadra a riposo che gioca") << QStringList{"Ancona", "Bari", "Cagliari", "Dolomiti", "Bari"} << "Attenzione: la squadra Bari riposa in questa giornata e non può giocare l'incontro n. 1.";
        QTest::newRow("squadra due volte") << QStringList{"Ancona", "Bari", "Cagliari", "Ancona", "Empoli"} << "Attenzione: la squadra Ancona compare più di una volta nella giornata (incontri n. 1 e n. 2).";
        // clang-format on
    }
    void controlli()
    {
        QFETCH(QStringList, squadre);
        QFETCH(QString, messaggio);
        const DatiFixture d = a_->apri(a_->nuovo(5).senzaCalendario());
        auto* w = apriSu(1);
        compila(squadre);
        ChiudiDbCampionato();
        const QByteArray impronta = AmbienteTest::impronta(d.percorso);
        ApriDbCampionato(d.percorso);

        a_->messaggi().ok();
        Premi(SALVA);
        QVERIFY(a_->messaggi().ultimo().testo.startsWith(messaggio));
        QVERIFY(w->nuova());
        QVERIFY(w->modificata());
        QCOMPARE(stato().GiornateInserite, 0);
        ChiudiDbCampionato();
        QCOMPARE(AmbienteTest::impronta(d.percorso), impronta);
    }

    // A pairing with a leg played keeps its teams; its dates can still change.
    void partitaGiocata()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6).giocaFinoA(1, true));
        const PartitaFixture* p = d.partita(1, 1);
        const QStringList prima = Accoppiamenti();
        apriSu(1);
        scegli(1, p->sq2, p->sq1);
        a_->messaggi().ok();
        Premi(SALVA);
        QVERIFY(a_->messaggi().ultimo().testo.startsWith("Attenzione: l'incontro n. 1 ("));
        QCOMPARE(Accoppiamenti(), prima);

        scegli(1, p->sq1, p->sq2);
        QuandoModale([](QWidget* dialogo) {
            dialogo->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("3 settembre"));
            dialogo->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        AmbienteTest::parte<QPushButton>(QStringLiteral("Form10"), QStringLiteral("CommandDate1"))->click();
        Premi(SALVA);
        QCOMPARE(Accoppiamenti(), prima);
        QCOMPARE(Valore("SELECT DATAAND FROM PARTITA WHERE CODPART = ?", {p->codPart}).toString(),
                 QStringLiteral("3 settembre"));
        QCOMPARE(Valore("SELECT DISPAND FROM PARTITA WHERE CODPART = ?", {p->codPart}).toInt(), -1);
    }

    void apertura_data()
    {
        QTest::addColumn<int>("registrate");  // days stored (of 5); -1 no calendar
        QTest::addColumn<int>("corrente");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("nuova");
        QTest::addColumn<bool>("avviso");
        QTest::newRow("nessuna giornata") << -1 << 1 << 1 << true << false;
        QTest::newRow("giornata registrata") << 5 << 3 << 3 << false << false;
        QTest::newRow("dopo l'ultima") << 3 << 4 << 4 << true << false;
        QTest::newRow("molto oltre l'ultima") << 3 << 9 << 4 << true << false;
        QTest::newRow("corrente a zero") << 5 << 0 << 1 << false << false;
        QTest::newRow("calendario completo") << 5 << 6 << 5 << false << true;
    }
    void apertura()
    {
        QFETCH(int, registrate);
        QFETCH(int, corrente);
        QFETCH(int, giornata);
        QFETCH(bool, nuova);
        QFETCH(bool, avviso);
        const DatiFixture d =
            registrate < 0 ? a_->apri(a_->nuovo(6).senzaCalendario()) : calendarioParziale(registrate);
        if (avviso) a_->messaggi().ok();
        auto* w = apriSu(corrente);
        QCOMPARE(w->giornata(), giornata);
        QCOMPARE(w->nuova(), nuova);
        QCOMPARE(stato().GiornataCorrente, giornata);
        QVERIFY(!combo(QStringLiteral("ComboRiposa"))->isVisible());
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(incontro(r),
                     nuova ? QStringLiteral(" - ") : d.partita(giornata, r)->sq1 + " - " + d.partita(giornata, r)->sq2);
        if (avviso) QVERIFY(a_->messaggi().ultimo().testo.startsWith(QStringLiteral("Tutte le 5 giornate")));
    }

    // A change not saved when moving to another day or closing: Annulla stays, No leaves it unsaved, Sì saves.
    void spostamenti_data()
    {
        QTest::addColumn<int>("pulsante");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("giornataDopo");  // 0: closed
        // clang-format off
        QTest::newRow("successiva, annulla") << SUCCESSIVA << int(Messaggio::Risposta::Annulla) << 4;
        QTest::newRow("successiva, no") << SUCCESSIVA << int(Messaggio::Risposta::No) << 5;
        QTest::newRow("successiva, sì") << SUCCESSIVA << int(Messaggio::Risposta::Si) << 5;
        QTest::newRow("precedente, sì") << PRECEDENTE << int(Messaggio::Risposta::Si) << 3;
        QTest::newRow("chiudi, annulla") << CHIUDI << int(Messaggio::Risposta::Annulla) << 4;
        QTest::newRow("chiudi, no") << CHIUDI << int(Messaggio::Risposta::No) << 0;
        // clang-format on
    }
    void spostamenti()
    {
        QFETCH(int, pulsante);
        QFETCH(int, risposta);
        QFETCH(int, giornataDopo);
        const DatiFixture d = a_->apri(a_->nuovo(6));
        const PartitaFixture* p = d.partita(4, 1);
        auto* w = apriSu(4);
        scegli(1, p->sq2, p->sq1);
        a_->messaggi().risposta(Messaggio::Risposta(risposta));
        Premi(pulsante);
        QCOMPARE(AmbienteTest::caricata(QStringLiteral("Form10")), giornataDopo != 0);
        if (giornataDopo) QCOMPARE(w->giornata(), giornataDopo);
        if (giornataDopo) QCOMPARE(w->modificata(), giornataDopo == 4);
        const bool salvata = risposta == int(Messaggio::Risposta::Si);
        QCOMPARE(Valore("SELECT SQ1 FROM PARTITA WHERE CODPART = ?", {p->codPart}).toString(),
                 salvata ? p->sq2 : p->sq1);
    }

    // The ends of the calendar: nothing before the first day, nothing after the last, no new day past a full one.
    void estremi()
    {
        a_->apri(a_->nuovo(6));
        auto* w = apriSu(1);
        a_->messaggi().ok().ok().ok();
        Premi(PRECEDENTE);
        QCOMPARE(w->giornata(), 1);
        for (int g = 2; g <= 6; ++g) Premi(SUCCESSIVA);
        QCOMPARE(w->giornata(), 5);
        Premi(NUOVA);
        QCOMPARE(w->giornata(), 5);
        QVERIFY(!w->nuova());
    }

    void elimina_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("eliminata");
        for (const char* c : {"no", "andata", "ritorno", "formazioni", "reti"}) QTest::newRow(c) << QString(c) << false;
        QTest::newRow("libera") << "libera" << true;
    }
    void elimina()
    {
        QFETCH(QString, caso);
        QFETCH(bool, eliminata);
        FixtureCampionato f = a_->nuovo(6);
        if (caso == QStringLiteral("andata")) f.gioca(5, true);
        const DatiFixture d = a_->apri(f);
        const int codice = d.partita(5, 2)->codPart;
        if (caso == QStringLiteral("ritorno")) Esegui("UPDATE PARTITA SET DISPRIT = -1 WHERE CODPART = ?", {codice});
        if (caso == QStringLiteral("formazioni"))
            Esegui("INSERT INTO PRESENZE (GIRONE, GIORNATA, CODPARTITA, CODGIOCATORE) VALUES (-1, 5, ?, -1)", {codice});
        if (caso == QStringLiteral("reti")) Esegui("INSERT INTO RETI (CODPART, GIRONE) VALUES (?, 1)", {codice});
        const QStringList prima = Accoppiamenti();

        auto* w = apriSu(3);
        QVERIFY(!Pannello::perId(ELIMINA)->isEnabled());
        for (int g = 4; g <= 5; ++g) Premi(SUCCESSIVA);
        QCOMPARE(w->giornata(), 5);
        caso == "libera" ? a_->messaggi().si() : caso == "no" ? a_->messaggi().no() : a_->messaggi().ok();
        Premi(ELIMINA);
        QCOMPARE(a_->messaggi().quanti(), 1);
        const int giornate = eliminata ? 4 : 5;
        QCOMPARE(Accoppiamenti(), prima.mid(0, 3 * giornate));
        QCOMPARE((QList<int>{Conta("GIORNATA"), Valore("SELECT GIORNATEINS FROM CAMPIONATO").toInt(),
                             stato().GiornateInserite, w->giornata()}),
                 (QList<int>(4, giornate)));
    }
};

QTEST_MAIN(TestRegistrazioneGiornate)
#include "tst_registrazionegiornate.moc"
