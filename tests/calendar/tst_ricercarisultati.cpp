#include "aiuticalendario.h"
#include "calendar/finestreconsultazione.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "calendar/ricercarisultatiwindow.h"
#include "platform/combocodici.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// The result search: what it preselects, and stepping through one team's season.
class TestRicercaRisultati : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture dati_;
    RicercaRisultatiWindow* w_ = nullptr;

    ComboCodici* squadre() const { return w_->findChild<ComboCodici*>("Combo1"); }
    ComboCodici* giornate() const { return w_->findChild<ComboCodici*>("Combo2"); }
    bool andataScelta() const { return w_->findChild<QRadioButton*>("Option1")->isChecked(); }
    QString etichetta(int n) const { return w_->findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text(); }
    QPushButton* pulsante(const QString& nome) const { return w_->findChild<QPushButton*>(nome); }
    void clic(const QString& nome) const { QTest::mouseClick(pulsante(nome), Qt::LeftButton); }

    // A championship of `squadre` teams, with what `opzioni` adds, and the windows `altre` as stand-ins.
    void prepara(int squadre, const std::function<void(FixtureCampionato&)>& opzioni = {},
                 const QStringList& altre = {"Form3"})
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreConsultazione);
        for (const QString& id : altre) FinestraDiTest::registra(id);
        FixtureCampionato f = amb_->nuovo(squadre);
        if (opzioni) opzioni(f);
        dati_ = amb_->apri(f);
    }
    RicercaRisultatiWindow* apri(const QString& squadra, int giornata, bool andata)
    {
        stato().SquadraCorrente = squadra;
        stato().GiornataCorrente = giornata;
        stato().Andata = andata;
        return amb_->mostra<RicercaRisultatiWindow>("Form13");
    }
    // The team's legs in season order: first legs by day, then return legs by day.
    QVector<QPair<const PartitaFixture*, bool>> stagione(const QString& squadra) const
    {
        QVector<QPair<const PartitaFixture*, bool>> v;
        for (bool andata : {true, false})
            for (int g = 1; g <= stato().GiornateInserite; ++g)
                for (const PartitaFixture& p : dati_.partite)
                    if (p.giornata == g && (p.sq1 == squadra || p.sq2 == squadra)) v.append({&p, andata});
        return v;
    }
    // The window shows this leg of this match.
    void verificaMostrata(const PartitaFixture* p, bool andata) const
    {
        const PartitaGirone* m = w_->partitaMostrata();
        QVERIFY(m);
        QCOMPARE(m->codPart, p->codPart);
        QCOMPARE(m->andata, andata);
        QCOMPARE(etichetta(1),
                 QStringLiteral("Giornata n° %1 - girone di %2").arg(p->giornata).arg(andata ? "andata" : "ritorno"));
        QCOMPARE(etichetta(3), p->casa(andata) + " - " + p->ospite(andata));
        QCOMPARE(giornate()->codiceCorrente(), p->giornata);
        QCOMPARE(andataScelta(), andata);
    }

private slots:
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    // The team of SquadraCorrente when there is one; the match day of GiornataCorrente within the
    // calendar; the leg of Andata.
    void preselezione_data()
    {
        QTest::addColumn<QString>("squadra");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::addColumn<int>("giornataScelta");
        QTest::newRow("nessuna squadra") << "" << 1 << true << 1;
        QTest::newRow("squadra, ritorno") << "Bari" << 3 << false << 3;
        QTest::newRow("squadra ignota") << "Nessuna" << 2 << true << 2;
        QTest::newRow("giornata 0") << "Ancona" << 0 << true << 1;
        QTest::newRow("oltre il calendario") << "Ancona" << 40 << false << 5;
    }
    void preselezione()
    {
        QFETCH(QString, squadra);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(int, giornataScelta);
        prepara(6);
        w_ = apri(squadra, giornata, andata);
        QVERIFY(w_);
        QCOMPARE(squadre()->count(), 6);
        QCOMPARE(giornate()->count(), 5);
        const bool nota = dati_.squadre.contains(squadra);
        QCOMPARE(squadre()->currentIndex() >= 0, nota);
        if (nota) QCOMPARE(squadre()->testo(), squadra);
        QCOMPARE(giornate()->codiceCorrente(), giornataScelta);
        QCOMPARE(andataScelta(), andata);
        for (const char* c : {"Command1", "Command2", "Command3"}) QCOMPARE(pulsante(c)->isEnabled(), nota);
        if (!nota) {
            QCOMPARE(etichetta(1), QString("Scegliere una squadra."));
            QVERIFY(!w_->partitaMostrata());
            return;
        }
        // The team's match of that day and leg is on show at once.
        QVERIFY(w_->partitaMostrata());
        for (const auto& [p, a] : stagione(squadra))
            if (p->giornata == giornataScelta && a == andata) verificaMostrata(p, a);
        // The search changed no hand-over variable.
        QCOMPARE(stato().GiornataCorrente, giornata);
    }

    // "Successivo" from the first match walks the whole season in order, across the turn of the legs;
    // "Precedente" walks it back. Past the ends a message says so and nothing moves.
    void stagioneAvantiEIndietro()
    {
        prepara(6, [](FixtureCampionato& f) { f.giocaFinoA(2, false); });
        w_ = apri("Dolomiti", 1, true);
        const auto partite = stagione("Dolomiti");
        QCOMPARE(partite.size(), 10);
        verificaMostrata(partite[0].first, true);

        amb_->messaggi().ok();
        clic("Command1");
        verificaMostrata(partite[0].first, true);

        for (int i = 1; i < partite.size(); ++i) {
            clic("Command2");
            verificaMostrata(partite[i].first, partite[i].second);
        }
        amb_->messaggi().ok();
        clic("Command2");
        verificaMostrata(partite.last().first, false);

        for (int i = partite.size() - 2; i >= 0; --i) {
            clic("Command1");
            verificaMostrata(partite[i].first, partite[i].second);
        }
        QCOMPARE(amb_->messaggi().quanti(), 2);
    }

    // The result of the leg, home team first; "n.d." for a leg not played.
    void risultato_data()
    {
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("andata giocata") << 2 << true << "2 - 1";
        QTest::newRow("ritorno giocato") << 2 << false << "3 - 0";
        QTest::newRow("andata rinviata") << 3 << true << "n.d.";
    }
    void risultato()
    {
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(QString, atteso);
        prepara(6, [](FixtureCampionato& f) {
            f.giocaFinoA(3, false).risultato(2, 1, true, 2, 1).risultato(2, 1, false, 3, 0).rinviata(3, 1, true);
        });
        const PartitaFixture* p = dati_.partita(giornata, 1);
        w_ = apri(p->sq1, giornata, andata);
        verificaMostrata(p, andata);
        QCOMPARE(etichetta(4), atteso);
    }

    // With an odd number of teams a team rests in one match day: the search says so there and steps
    // from it to the matches around it.
    void giornataDiRiposo()
    {
        prepara(5);
        const auto giornata = std::find_if(dati_.giornate.cbegin(), dati_.giornate.cend(),
                                           [](const GiornataFixture& g) { return g.riposa == "Cagliari"; });
        QVERIFY(giornata != dati_.giornate.cend());
        const int riposo = giornata->numero;
        w_ = apri("Cagliari", riposo, false);
        QVERIFY(!w_->partitaMostrata());
        QCOMPARE(etichetta(3), QString("Cagliari non gioca in questa giornata"));
        QCOMPARE(etichetta(4), QString());

        const auto partite = stagione("Cagliari");
        int dopo = 0;
        while (dopo < partite.size() && (partite[dopo].second || partite[dopo].first->giornata < riposo)) ++dopo;
        QVERIFY(dopo < partite.size());
        clic("Command2");
        verificaMostrata(partite[dopo].first, false);
        // Back to the rest day, then one step back is the match before it.
        giornate()->selezionaCodice(riposo);
        QVERIFY(!w_->partitaMostrata());
        clic("Command1");
        verificaMostrata(partite[dopo - 1].first, partite[dopo - 1].second);
    }

    // The match sheet opens on the match found; without the sheet the command stays disabled.
    void schedaDellaPartita()
    {
        prepara(6, {}, {});
        w_ = apri("Empoli", 5, true);
        QVERIFY(!pulsante("Command3")->isEnabled());
        FinestraDiTest::registra("Form3");
        QVERIFY(pulsante("Command3")->isEnabled());
        clic("Command2");
        const PartitaGirone* m = w_->partitaMostrata();
        QVERIFY(m && !m->andata && m->giornata == 1);
        stato().GiornataCambiata = false;
        clic("Command3");
        QCOMPARE(Finestre::istanza().finestraAttiva()->id(), QString("Form3"));
        QCOMPARE(stato().GiornataCorrente, 1);
        QVERIFY(!stato().Andata);
        QCOMPARE(stato().CodPartitaCorrente, m->codPart);
        QVERIFY(stato().GiornataCambiata);
    }

    // A result entered while the search is open shows when it comes back to the front.
    void risultatoAggiornato()
    {
        prepara(6);
        const PartitaFixture* p = dati_.partita(1, 2);
        w_ = apri(p->sq2, 1, false);
        QCOMPARE(etichetta(4), QString("n.d."));
        Esegui("UPDATE PARTITA SET DISPRIT = -1, G1R = 0, G2R = 4 WHERE CODPART = ?", {p->codPart});
        Finestre::istanza().mostra("Form3");
        w_ = amb_->mostra<RicercaRisultatiWindow>("Form13");
        verificaMostrata(p, false);
        QCOMPARE(etichetta(4), QString("4 - 0"));
    }
};

QTEST_MAIN(TestRicercaRisultati)
#include "tst_ricercarisultati.moc"
