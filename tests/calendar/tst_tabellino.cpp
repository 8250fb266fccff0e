#include "aiuticalendario.h"
#include "calendar/finestreconsultazione.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "calendar/tabellinowindow.h"
#include "core/campionato.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The match report editor: the leg's fields behind each box (home team first), blanks, and the question
// about unsaved changes.
class TestTabellino : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture dati_;
    TabellinoWindow* w_ = nullptr;

    // The PARTITA columns behind Text1..Text17 in a leg: five match data, the home team's six figures,
    // the away team's six. In the return leg SQ2 is at home, so its ...2R figures come first.
    static QStringList colonne(bool andata)
    {
        const QString g = andata ? "A" : "R";
        const QString casa = andata ? "1" : "2";
        const QString ospite = andata ? "2" : "1";
        QStringList c;
        for (const char* d : {"ARBITRO", "GUARDALINEE", "CONDCLIMATICHE", "TERRENO", "SPETTATORI"}) c << d + g;
        for (const QString& s : {casa, ospite})
            for (const char* f : {"TIRI", "TIRIPORTA", "OFFSIDE", "FALLI", "POSSESSO", "CORNER"}) c << f + s + g;
        return c;
    }

    QLineEdit* box(int n) const { return w_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }
    QListWidget* lista() const { return w_->findChild<QListWidget*>("List1"); }
    QString testa(const QString& nome) const { return w_->findChild<QLabel*>(nome)->text(); }
    void clic(const QString& pulsante) const
    {
        QTest::mouseClick(w_->findChild<QPushButton*>(pulsante), Qt::LeftButton);
    }
    // The user clicks a row of the match list.
    void scegli(int riga) const
    {
        QListWidgetItem* voce = lista()->item(riga);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualItemRect(voce).center());
    }

    TabellinoWindow* apri(int giornata, bool andata, int codPart)
    {
        stato().GiornataCorrente = giornata;
        stato().Andata = andata;
        stato().CodPartitaCorrente = codPart;
        return amb_->mostra<TabellinoWindow>("Form11");
    }

private slots:
    void init()
    {
        amb_ = std::make_unique<AmbienteTest>(RegistraFinestreConsultazione);
        FinestraDiTest::registra("Form3");
        dati_ = amb_->apri(amb_->nuovo(6).giocaFinoA(2, true));
    }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    // Each box reads and writes its own field of the leg, the other leg left alone; a Null field shows empty,
    // and an empty box is stored as one blank and shows empty again.
    void campiDelGirone_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata") << true;
        QTest::newRow("ritorno") << false;
    }
    void campiDelGirone()
    {
        QFETCH(bool, andata);
        const PartitaFixture* p = dati_.partita(2, 2);
        const QStringList c = colonne(andata);
        for (int i = 0; i < c.size(); ++i)
            if (i != 1)
                Esegui(QStringLiteral("UPDATE PARTITA SET %1 = ? WHERE CODPART = ?").arg(c[i]),
                       {QString("v%1").arg(i), p->codPart});

        w_ = apri(2, andata, p->codPart);
        QCOMPARE(testa("Label19"), p->casa(andata));
        QCOMPARE(testa("Label20"), p->ospite(andata));
        for (int i = 0; i < c.size(); ++i) QCOMPARE(box(i + 1)->text(), i == 1 ? QString() : QString("v%1").arg(i));

        for (int i = 0; i < c.size(); ++i) box(i + 1)->setText(i < 2 ? QString() : QString("n%1").arg(i));
        clic("Command1");
        for (int i = 0; i < c.size(); ++i)
            QCOMPARE(CampoPartita(p->codPart, c[i]).toString(), i < 2 ? QString(" ") : QString("n%1").arg(i));
        for (const QString& altra : colonne(!andata)) QVERIFY(CampoPartita(p->codPart, altra).isNull());
        QVERIFY(!w_->modificato());

        Finestre::istanza().mostra("Form3");
        w_ = amb_->mostra<TabellinoWindow>("Form11");
        QCOMPARE(box(1)->text(), QString());
        QVERIFY(!w_->modificato());
    }

    // A stored text longer than its field shows cut, and the cut alone is not an unsaved change.
    void testoLungoGiaSalvato()
    {
        const PartitaFixture* p = dati_.partita(1, 1);
        Esegui("UPDATE PARTITA SET POSSESSO1A = '55,5%' WHERE CODPART = ?", {p->codPart});
        w_ = apri(1, true, p->codPart);
        QCOMPARE(box(10)->text(), QString("55,5"));
        QVERIFY(!w_->modificato());
        clic("Command2");
        QVERIFY(!Finestre::istanza().caricata("Form11"));
        QCOMPARE(CampoPartita(p->codPart, "POSSESSO1A").toString(), QString("55,5%"));
    }

    // The day's matches in the leg, home team first; a match of another day opens the day's first.
    void elencoDellaGiornata_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata") << true;
        QTest::newRow("ritorno") << false;
    }
    void elencoDellaGiornata()
    {
        QFETCH(bool, andata);
        const auto partite = PartiteOrdinate(dati_, 3, andata);
        w_ = apri(3, andata, dati_.partita(1, 1)->codPart);
        QCOMPARE(lista()->count(), partite.size());
        for (int i = 0; i < partite.size(); ++i)
            QCOMPARE(lista()->item(i)->text(), partite[i].casa(andata) + " - " + partite[i].ospite(andata));
        QCOMPARE(lista()->currentRow(), 0);
        QCOMPARE(stato().CodPartitaCorrente, partite[0].codPart);
        QCOMPARE(testa("Label19"), partite[0].casa(andata));
    }

    // Choosing another match, or closing, with unsaved changes: Yes saves, No drops them, Cancel stays; a
    // change taken back asks nothing.
    void domandaSulleModifiche_data()
    {
        QTest::addColumn<bool>("chiude");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("salvato");
        QTest::addColumn<bool>("esce");  // another match shown, or the editor closed
        for (bool chiude : {false, true}) {
            const char* c = chiude ? "chiusura" : "altra partita";
            QTest::addRow("%s, si", c) << chiude << int(Messaggio::Risposta::Si) << true << true;
            QTest::addRow("%s, no", c) << chiude << int(Messaggio::Risposta::No) << false << true;
            QTest::addRow("%s, annulla", c) << chiude << int(Messaggio::Risposta::Annulla) << false << false;
            QTest::addRow("%s, modifica ritirata", c) << chiude << -1 << false << true;  // nothing asked
        }
    }
    void domandaSulleModifiche()
    {
        QFETCH(bool, chiude);
        QFETCH(int, risposta);
        QFETCH(bool, salvato);
        QFETCH(bool, esce);
        const auto partite = PartiteOrdinate(dati_, 2, false);
        w_ = apri(2, false, partite[0].codPart);
        box(1)->setText("Rizzoli");
        box(6)->setText(risposta < 0 ? "" : "9");
        if (risposta < 0) box(1)->setText("");  // typed and taken back
        if (risposta >= 0) amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        chiude ? clic("Command2") : scegli(1);
        QCOMPARE(amb_->messaggi().quanti(), risposta < 0 ? 0 : 1);
        if (risposta >= 0)
            QVERIFY(
                amb_->messaggi().ultimo().testo.contains(partite[0].casa(false) + " - " + partite[0].ospite(false)));
        QCOMPARE(CampiPartita(partite[0].codPart, "ARBITROR, TIRI2R"), salvato ? "Rizzoli|9" : "NULL|NULL");
        QCOMPARE(Finestre::istanza().caricata("Form11"), !(chiude && esce));
        if (chiude && esce) return;
        const PartitaFixture& mostrata = esce ? partite[1] : partite[0];
        QCOMPARE(lista()->currentRow(), esce ? 1 : 0);
        QCOMPARE(stato().CodPartitaCorrente, mostrata.codPart);
        QCOMPARE(testa("Label19"), mostrata.casa(false));
        QCOMPARE(box(1)->text(), esce ? QString() : QString("Rizzoli"));
        QCOMPARE(w_->modificato(), !esce);
    }

    // Shown again after the match sheet moved on: it follows the hand-over variables, asking first when the
    // match it shows has unsaved changes; the same match keeps the edits.
    void attivazioneSegueLaScheda()
    {
        const auto prima = PartiteOrdinate(dati_, 1, true);
        const auto seconda = PartiteOrdinate(dati_, 2, false);
        w_ = apri(1, true, prima[0].codPart);
        box(1)->setText("Orsato");

        Finestre::istanza().mostra("Form3");
        w_ = amb_->mostra<TabellinoWindow>("Form11");  // same match: nothing asked, the edit stays
        QCOMPARE(box(1)->text(), QString("Orsato"));
        QCOMPARE(amb_->messaggi().quanti(), 0);

        Finestre::istanza().mostra("Form3");
        stato().GiornataCorrente = 2;
        stato().Andata = false;
        stato().CodPartitaCorrente = seconda[1].codPart;
        amb_->messaggi().annulla();
        w_ = amb_->mostra<TabellinoWindow>("Form11");
        // Cancelled: the editor keeps its match and the hand-over variables follow it.
        QCOMPARE(box(1)->text(), QString("Orsato"));
        QCOMPARE(stato().GiornataCorrente, 1);
        QVERIFY(stato().Andata);
        QCOMPARE(stato().CodPartitaCorrente, prima[0].codPart);
        QVERIFY(stato().GiornataCambiata);

        Finestre::istanza().mostra("Form3");
        stato().GiornataCorrente = 2;
        stato().Andata = false;
        stato().CodPartitaCorrente = seconda[1].codPart;
        amb_->messaggi().si();
        w_ = amb_->mostra<TabellinoWindow>("Form11");
        QCOMPARE(CampoPartita(prima[0].codPart, "ARBITROA").toString(), QString("Orsato"));
        QCOMPARE(lista()->count(), seconda.size());
        QCOMPARE(lista()->currentRow(), 1);
        QCOMPARE(testa("Label19"), seconda[1].casa(false));
        QCOMPARE(box(1)->text(), QString());
        QCOMPARE(amb_->messaggi().quanti(), 2);

        // A click brings it forward after the sheet moved on again: it keeps its match, with the clicked box
        // taking what is typed, and hands that match over.
        Finestre::istanza().mostra("Form3");
        stato().GiornataCorrente = 1;
        stato().Andata = true;
        stato().CodPartitaCorrente = prima[2].codPart;
        stato().GiornataCambiata = false;
        QTest::mouseClick(box(2), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "Rocchi");
        QCOMPARE(testa("Label19"), seconda[1].casa(false));
        QCOMPARE(box(2)->text(), QString("Rocchi"));
        QCOMPARE(std::tuple(stato().GiornataCorrente, stato().Andata, stato().CodPartitaCorrente),
                 std::tuple(2, false, seconda[1].codPart));
        QVERIFY(stato().GiornataCambiata);
    }

    // A match that left the file meanwhile: the save is refused with a message, never reported done.
    void partitaScomparsa()
    {
        const PartitaFixture* p = dati_.partita(1, 3);
        w_ = apri(1, true, p->codPart);
        box(1)->setText("Tagliavento");
        Esegui("DELETE FROM PARTITA WHERE CODPART = ?", {p->codPart});
        amb_->messaggi().ok();
        clic("Command1");
        QCOMPARE(amb_->messaggi().ultimo().icona, Messaggio::Icona::Critica);
        QVERIFY(amb_->messaggi().ultimo().testo.contains("non è più presente"));
        QVERIFY(w_->modificato());
    }

    // Opening another championship asks about the unsaved report while the old file is still open: Yes saves
    // it there, No drops it, Cancel keeps the editor and the championship in use. Nothing of it is ever written
    // into the new file, where the same match code names another match.
    void altroCampionatoAperto_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("salvato");
        QTest::addColumn<bool>("aperto");
        QTest::newRow("si") << int(Messaggio::Risposta::Si) << true << true;
        QTest::newRow("no") << int(Messaggio::Risposta::No) << false << true;
        QTest::newRow("annulla") << int(Messaggio::Risposta::Annulla) << false << false;
    }
    void altroCampionatoAperto()
    {
        QFETCH(int, risposta);
        QFETCH(bool, salvato);
        QFETCH(bool, aperto);
        const PartitaFixture* p = dati_.partita(1, 1);
        w_ = apri(1, true, p->codPart);
        box(1)->setText("Mazzoleni");
        const DatiFixture altro = amb_->nuovo(6).crea();
        amb_->messaggi().risposta(Messaggio::Risposta(risposta));
        QCOMPARE(ApriFileComeCampionato(altro.percorso), aperto);
        QCOMPARE(amb_->messaggi().quanti(), 1);
        QCOMPARE(Finestre::istanza().caricata("Form11"), !aperto);
        if (!aperto) {
            QCOMPARE(DbCampionato().databaseName(), dati_.percorso);
            QCOMPARE(box(1)->text(), QString("Mazzoleni"));
            QCOMPARE(CampoPartita(p->codPart, "ARBITROA").toString(), QString());
            return;
        }
        QCOMPARE(Valore("SELECT COUNT(*) FROM PARTITA WHERE ARBITROA IS NOT NULL").toInt(), 0);

        QVERIFY(ApriFileComeCampionato(dati_.percorso));
        QCOMPARE(CampoPartita(p->codPart, "ARBITROA").toString(), salvato ? QString("Mazzoleni") : QString());
    }
};

QTEST_MAIN(TestTabellino)
#include "tst_tabellino.moc"
