#include "match/finestrepartita.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include "core/codici.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "match/formazioniwindow.h"
#include "match/schedapartitawindow.h"
#include "platform/combocodici.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

const QString ID = IdFinestra::Formazioni;
const QString VOTO_RIFIUTATO = "Il voto deve essere un numero da 3 a 10, per esempio 6,5, oppure \"S.V.\"";

// A starter's row as stored.
struct Salvato {
    int codice = 0, codGiocatore = 0, girone = 0, titolare = 0, giornata = 0, sostituito = 0;
    QString nome;
    QVariant numMaglia, ammonito, voto;

    // Player, name, shirt number, card, rating; Null as "-".
    QString dati() const
    {
        auto t = [](const QVariant& v) { return v.isNull() ? QString("-") : v.toString(); };
        return QStringList({QString::number(codGiocatore), nome, t(numMaglia), t(ammonito), t(voto)}).join('|');
    }
};

}  // namespace

// The line-up editor: loading a match's starters, saving them, the rating arrows, the saves made when
// the editor moves, and what it does when the file or the user's input is not right.
class TestFormazioni : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture d_;
    FormazioniWindow* w_ = nullptr;

    // Players named "Cognome<code>" so that the pickers list them in order of code.
    void apri(FixtureCampionato f)
    {
        for (const QString& id : {IdFinestra::Sostituzioni, IdFinestra::Reti}) FinestraDiTest::registra(id);
        d_ = amb_->apri(std::move(f));
        Esegui("UPDATE Giocatore SET Nome = 'Nome' || Codice, Cognome = 'Cognome' || printf('%04d', Codice)");
    }
    FormazioniWindow* mostra(int giornata, bool andata, int codPart)
    {
        stato().CodPartitaCorrente = codPart;
        return w_ = amb_->mostra<FormazioniWindow>(ID, giornata, andata);
    }
    QComboBox* giocatore(int lato, int i) const
    {
        return parte<QComboBox>(QString("Combo%1_%2").arg(lato ? 2 : 4).arg(i));
    }
    QComboBox* voto(int lato, int i) const { return parte<QComboBox>(QString("Combo%1_%2").arg(lato ? 5 : 1).arg(i)); }
    QCheckBox* casella(int lato, bool espulso, int i) const
    {
        return parte<QCheckBox>(QString("Check%1_%2").arg(lato ? (espulso ? 4 : 3) : (espulso ? 2 : 1)).arg(i));
    }
    template <typename T> T* parte(const QString& nome) const { return w_->findChild<T*>(nome); }
    static QString cognome(int codice) { return QString("Cognome%1").arg(codice, 4, 10, QChar('0')); }
    int codiceRosa(const QString& squadra, int k) const { return d_.rosa(squadra)[k]->codice; }

    // Types a row as a user does: the player's name, the card boxes, the rating.
    void scrivi(int lato, int i, const QString& nome, const QString& v = QString(), bool amm = false, bool esp = false)
    {
        QLineEdit* e = giocatore(lato, i)->lineEdit();
        e->clear();
        QTest::keyClicks(e, nome);
        casella(lato, false, i)->setChecked(amm);
        casella(lato, true, i)->setChecked(esp);
        voto(lato, i)->lineEdit()->clear();
        QTest::keyClicks(voto(lato, i)->lineEdit(), v);
    }
    static QMap<int, Salvato> titolari(int codPart, const QString& squadra, bool andata)
    {
        QMap<int, Salvato> m;
        Query q("SELECT Riga, Codice, CodGiocatore, Girone, Titolare, Giornata, Sostituito, Nome, NumMaglia, Ammonito, "
                "Voto FROM Presenze WHERE CodPartita = ? AND Squadra = ? AND Girone = ? AND Titolare <> 0",
                {codPart, squadra, GironePresenze(andata)});
        while (q.next())
            m.insert(q.intero(0), {q.intero(1), q.intero(2), q.intero(3), q.intero(4), q.intero(5), q.intero(6),
                                   q.testo(7), q.valore(8), q.valore(9), q.valore(10)});
        return m;
    }
    static int righePresenze() { return Valore("SELECT COUNT(*) FROM Presenze").toInt(); }

private slots:
    void init() { amb_ = std::make_unique<AmbienteTest>(RegistraFinestrePartita); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    void riga_data()
    {
        QTest::addColumn<QString>("chi");  // "rosa", "scritto", "scritto come in rosa", "partito"
        QTest::addColumn<QVariant>("ammonito");
        QTest::addColumn<QVariant>("votoSalvato");
        QTest::addColumn<bool>("giallo");
        QTest::addColumn<bool>("rosso");
        QTest::addColumn<QString>("votoMostrato");
        QTest::newRow("rosa, ammonito, 6,5") << "rosa" << QVariant(1) << QVariant(6.5) << true << false << "6,5";
        QTest::newRow("scritto, espulso, S.V.")
            << "scritto" << QVariant(101) << QVariant(250) << false << true << "S.V.";
        QTest::newRow("partito, nessuno, senza voto") << "partito" << QVariant(0) << QVariant() << false << false << "";
        QTest::newRow("cartellino Null, 100, voto 7")
            << "rosa" << QVariant(QMetaType(QMetaType::Int)) << QVariant(7) << false << false << "7";
        QTest::newRow("100 è ammonito") << "rosa" << QVariant(100) << QVariant(9.5) << true << false << "9,5";
        QTest::newRow("scritto come in rosa, ammonito")
            << "scritto come in rosa" << QVariant(1) << QVariant(6) << true << false << "6";
    }
    // A stored starter in its row: squad player picked, typed name shown as typed, a player who moved club
    // picked under his stored name; card codes, ratings; the other rows empty. A rating typed in his row,
    // then a move, keeps his code and shirt as stored.
    void riga()
    {
        QFETCH(QString, chi);
        QFETCH(QVariant, ammonito);
        QFETCH(QVariant, votoSalvato);
        QFETCH(bool, giallo);
        QFETCH(bool, rosso);
        QFETCH(QString, votoMostrato);
        apri(amb_->nuovo(4).rose(25).formazioni().giocaFinoA(1, true));
        const PartitaFixture* p = d_.partita(1, 2);
        Esegui("DELETE FROM Presenze WHERE CodPartita = ? AND Squadra = ? AND Riga <> 3", {p->codPart, p->sq1});
        const int partito = codiceRosa(p->sq2, 0);  // a player of the other team
        const int cod = chi == "rosa" ? codiceRosa(p->sq1, 4) : chi == "partito" ? partito : -1;
        const QString nome = chi == "scritto come in rosa" ? cognome(codiceRosa(p->sq1, 4)).toLower() : "Nome salvato";
        Esegui("UPDATE Presenze SET CodGiocatore = ?, Nome = ?, NumMaglia = 77, Ammonito = ?, Voto = ? "
               "WHERE CodPartita = ? AND Squadra = ? AND Riga = 3",
               {cod, nome, ammonito, votoSalvato, p->codPart, p->sq1});
        mostra(1, true, p->codPart);
        auto* c = static_cast<ComboCodici*>(giocatore(0, 2));
        QCOMPARE(c->currentText(), chi == "rosa" ? cognome(cod) : nome);
        QCOMPARE(c->currentIndex() >= 0 ? c->codiceCorrente() : -1, cod);
        QCOMPARE(casella(0, false, 2)->isChecked(), giallo);
        QCOMPARE(casella(0, true, 2)->isChecked(), rosso);
        QCOMPARE(voto(0, 2)->currentText(), votoMostrato);
        // Nothing changed, nothing written: the window closes without touching the file.
        const QByteArray prima = AmbienteTest::impronta(d_.percorso);
        Finestre::istanza().scarica(ID);
        QCOMPARE(AmbienteTest::impronta(d_.percorso), prima);

        mostra(1, true, p->codPart);
        voto(0, 2)->lineEdit()->clear();
        QTest::keyClicks(voto(0, 2)->lineEdit(), "8");
        const QString mostrato = giocatore(0, 2)->currentText();
        w_->AllaGiornataSuccessiva();
        QCOMPARE(titolari(p->codPart, p->sq1, true)[3].dati(),
                 QString("%1|%2|77|%3|8").arg(cod).arg(mostrato).arg(CodiceCartellino(giallo, rosso)));
    }

    void salvataggio_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata") << true;
        QTest::newRow("ritorno") << false;
    }
    // Rows 1, 2 and 5 of team 1 and a typed name of team 2 stored with the codes, a squad name typed in another
    // case as that player; a second save adds nothing; another player on a saved row keeps its key and links;
    // a rating box emptied takes the stored rating away.
    void salvataggio()
    {
        QFETCH(bool, andata);
        apri(amb_->nuovo(4).rose(25));
        const PartitaFixture* p = d_.partita(2, 1);
        const QString sq1 = p->casa(andata), sq2 = p->ospite(andata);
        const int a = codiceRosa(sq1, 0), b = codiceRosa(sq1, 1), c = codiceRosa(sq1, 2);
        Esegui("UPDATE Giocatore SET Numero = NULL WHERE Codice = ?", {b});
        mostra(2, andata, p->codPart);
        scrivi(0, 0, cognome(a), "S.V.", true, false);
        scrivi(0, 1, cognome(b), "6,5", false, true);
        scrivi(0, 4, cognome(c), "", true, true);
        // The current item is stale once a name is typed over it.
        giocatore(0, 4)->setCurrentIndex(10);
        giocatore(0, 4)->setEditText(cognome(c));
        scrivi(1, 0, "Mario Sconosciuto", "7");
        const int x = codiceRosa(sq2, 3);
        scrivi(1, 1, " " + cognome(x).toUpper() + " ");
        parte<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QVERIFY(w_->ArchiviaFormazioni());
        const int g = GironePresenze(andata);
        auto uno = titolari(p->codPart, sq1, andata), due = titolari(p->codPart, sq2, andata);
        QCOMPARE(uno.keys(), QList<int>({1, 2, 5}));
        const QString numA = Valore("SELECT Numero FROM Giocatore WHERE Codice = ?", {a}).toString();
        QCOMPARE(uno[1].dati(), QString("%1|%2|%3|1|250").arg(a).arg(cognome(a), numA));
        QCOMPARE(uno[2].dati(), QString("%1|%2|0|101|6.5").arg(b).arg(cognome(b)));
        QCOMPARE(uno[5].dati(), QString("%1|%2|%3|101|-").arg(c).arg(cognome(c), uno[5].numMaglia.toString()));
        for (const Salvato& s : uno)
            QCOMPARE(QList<int>({s.girone, s.titolare, s.giornata, s.sostituito}), QList<int>({g, -1, 2, 0}));
        QCOMPARE(due.keys(), QList<int>({1, 2}));
        QCOMPARE(due[1].dati(), "-1|Mario Sconosciuto|-|0|7");
        const QString numX = Valore("SELECT Numero FROM Giocatore WHERE Codice = ?", {x}).toString();
        QCOMPARE(due[2].dati(), QString("%1|%2|%3|0|-").arg(x).arg(cognome(x), numX));

        // Row 1 went off and a substitute points at it; another player goes into the row.
        const int chiave = uno[1].codice;
        Esegui("UPDATE Presenze SET Sostituito = 170, NumMaglia = 44 WHERE Codice = ?", {chiave});
        Esegui(
            "INSERT INTO Presenze (CodPartita, Squadra, Girone, Titolare, Riga, ChiHaSost) VALUES (?, ?, ?, 0, -1, ?)",
            {p->codPart, sq1, g, chiave});
        const int righe = righePresenze();
        scrivi(0, 0, "Scritto a mano", "", true, false);  // the rating box emptied
        scrivi(0, 1, cognome(b), "6,5", false, true);     // unchanged
        QVERIFY(w_->ArchiviaFormazioni());
        QVERIFY(w_->ArchiviaFormazioni());
        QCOMPARE(righePresenze(), righe);
        uno = titolari(p->codPart, sq1, andata);
        QCOMPARE(std::pair(uno[1].codice, uno[1].sostituito), std::pair(chiave, 170));
        QCOMPARE(uno[1].dati(), "-1|Scritto a mano|44|1|-");
        QCOMPARE(Valore("SELECT COUNT(*) FROM Presenze WHERE ChiHaSost = ?", {chiave}).toInt(), 1);
    }

    // Every rating typed follows one rule: a number from 3 to 10 with a comma or a point, or "S.V." in any case;
    // any other text is refused with the substitution editor's reason, row by row, and nothing of it is stored.
    void voti()
    {
        apri(amb_->nuovo(4).rose(25));
        const PartitaFixture* p = d_.partita(1, 1);
        mostra(1, true, p->codPart);
        const QStringList scritti{"6,5", "7.5", " s.v. ", "10", "3", "11", "2,5", "1e3", "nan", "250", "sei"};
        for (int i = 0; i < RIGHE_TITOLARI; ++i) scrivi(0, i, cognome(codiceRosa(p->sq1, i)), scritti[i]);
        amb_->messaggi().ok();
        QVERIFY(w_->ArchiviaFormazioni());
        QStringList salvati;
        for (const Salvato& t : titolari(p->codPart, p->sq1, true))
            salvati << (t.voto.isNull() ? "-" : t.voto.toString());
        QCOMPARE(salvati, QStringList({"6.5", "7.5", "250", "10", "3", "-", "-", "-", "-", "-", "-"}));
        const QString avviso = amb_->messaggi().ultimo().testo;
        QVERIFY(avviso.startsWith(VOTO_RIFIUTATO));
        for (int i = 1; i <= RIGHE_TITOLARI; ++i) QCOMPARE(avviso.contains(QString("riga %1 (").arg(i)), i > 5);
    }

    // Clearing a row removes its starter, unless he went off or a substitute's row points at him.
    void svuotamento()
    {
        apri(amb_->nuovo(4).rose(25).formazioni().giocaFinoA(1, true));
        const PartitaFixture* p = d_.partita(1, 1);
        Esegui("UPDATE Presenze SET Sostituito = 0 WHERE CodPartita = ? AND Titolare = -1", {p->codPart});
        Esegui("DELETE FROM Presenze WHERE CodPartita = ? AND Titolare = 0", {p->codPart});
        Esegui("UPDATE Presenze SET Sostituito = 160 WHERE CodPartita = ? AND Squadra = ? AND Riga = 2",
               {p->codPart, p->sq1});
        mostra(1, true, p->codPart);
        const QString secondo = giocatore(0, 1)->currentText();
        for (int i : {0, 1}) scrivi(0, i, "");
        amb_->messaggi().ok();
        QVERIFY(w_->ArchiviaFormazioni());
        QCOMPARE(amb_->messaggi().ultimo().testo.count(secondo), 1);
        QVERIFY(amb_->messaggi().ultimo().testo.contains("riga 2"));
        QCOMPARE(titolari(p->codPart, p->sq1, true).keys(), QList<int>({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QVERIFY(w_->ArchiviaFormazioni());  // told once
    }

    void spostamenti_data()
    {
        QTest::addColumn<QString>("mossa");
        QTest::addColumn<int>("giornata");  // where the editor then is
        QTest::addColumn<bool>("andata");
        QTest::addColumn<bool>("cambiata");  // GiornataCambiata
        QTest::newRow("partita") << "partita" << 3 << true << false;
        QTest::newRow("giornata") << "giornata" << 1 << true << true;
        QTest::newRow("girone") << "girone" << 3 << false << true;
        QTest::newRow("freccia avanti") << "avanti" << 1 << false << true;
        QTest::newRow("freccia indietro") << "indietro" << 2 << true << true;
        QTest::newRow("mostrata di nuovo") << "consegna" << 2 << false << false;
        QTest::newRow("chiusura") << "chiusura" << 3 << true << false;
    }
    // Every move saves the rows on show under their own match first, and lands on the first match of the new
    // day; a second show with another match handed over does the same and follows it to its day.
    void spostamenti()
    {
        QFETCH(QString, mossa);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        QFETCH(bool, cambiata);
        apri(amb_->nuovo(4).rose(25));
        const PartitaFixture* p = d_.partita(3, 2);
        mostra(3, true, p->codPart);
        scrivi(0, 3, "Spostato", "8");
        Stato& s = stato();
        if (mossa == "partita")
            parte<ComboCodici>("Combo3")->setCurrentIndex(parte<ComboCodici>("Combo3")->currentIndex() == 0 ? 1 : 0);
        else if (mossa == "giornata")
            parte<ComboCodici>("Combo6")->setCurrentIndex(0);
        else if (mossa == "girone")
            parte<ComboCodici>("Combo7")->setCurrentIndex(1);
        else if (mossa == "avanti")
            w_->AllaGiornataSuccessiva();
        else if (mossa == "indietro")
            w_->AllaGiornataPrecedente();
        else if (mossa == "consegna") {
            stato().CodPartitaCorrente = d_.partita(2, 2)->codPart;
            amb_->mostra<FormazioniWindow>(ID, 3, false);  // the day handed over is not the match's
        } else
            Finestre::istanza().scarica(ID);
        const auto righe = titolari(p->codPart, p->sq1, true);
        QCOMPARE(righe.keys(), QList<int>({4}));
        QCOMPARE(righe[4].nome, "Spostato");
        QCOMPARE(righe[4].giornata, 3);
        QCOMPARE(s.GiornataCambiata, cambiata);
        if (mossa == "chiusura") return;
        QCOMPARE(w_->giornata(), GiornataInGirone({giornata, andata}));
        QCOMPARE(std::tuple(s.GiornataCorrente, s.Andata, s.CodPartitaCorrente),
                 std::tuple(giornata, andata, w_->partita().codPart));
        const PartitaFixture* ora = d_.partitaDiCodice(w_->partita().codPart);
        QCOMPARE(ora->giornata, giornata);
        if (mossa == "consegna")
            QCOMPARE(ora->codPart, d_.partita(2, 2)->codPart);
        else if (mossa != "partita")
            QCOMPARE(parte<ComboCodici>("Combo3")->currentIndex(), 0);
        QCOMPARE(parte<ComboCodici>("Combo6")->currentText(), QString::number(giornata));
        QCOMPARE(parte<ComboCodici>("Combo7")->currentIndex(), andata ? 0 : 1);
        QCOMPARE(giocatore(0, 3)->currentText(), QString());
    }

    // The match sheet moved on to another day meanwhile: a click into a row brings the editor forward on its own
    // match and hands that match over; what is typed is saved there. A move with the cursor in a rating box selects
    // the new match's rating: typing replaces it.
    void clicDopoLaScheda()
    {
        apri(amb_->nuovo(4).rose(25).formazioni().giocaFinoA(2, true));
        const PartitaFixture* p = d_.partita(1, 1);
        Esegui("UPDATE Presenze SET Voto = NULL WHERE CodPartita = ? AND Squadra = ? AND Riga = 1",
               {p->codPart, p->sq1});
        mostra(1, true, p->codPart);
        amb_->mostra<SchedaPartitaWindow>(IdFinestra::SchedaPartita)->AllaGiornataSuccessiva();
        const QString sql =
            "SELECT group_concat(Codice || ':' || IFNULL(Voto, '-'), ' ') FROM Presenze WHERE CodPartita <> ?";
        const QString altrove = Valore(sql, {p->codPart}).toString();
        QTest::mouseClick(voto(0, 0)->lineEdit(), Qt::LeftButton);
        QCOMPARE(std::tuple(stato().GiornataCorrente, stato().Andata, stato().CodPartitaCorrente),
                 std::tuple(1, true, p->codPart));
        QTest::keyClicks(QApplication::focusWidget(), "8");
        w_->AllaGiornataSuccessiva();
        QCOMPARE(titolari(p->codPart, p->sq1, true)[1].voto.toString(), "8");
        QCOMPARE(Valore(sql, {p->codPart}).toString(), altrove);
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(voto(0, 0)->currentText(), "7");
    }

    // Substitutions: refused on an empty tab whatever the other holds, else saved first and handed -1 or -2;
    // goals: handed over without a save.
    void editori()
    {
        apri(amb_->nuovo(4).rose(25));
        const PartitaFixture* p = d_.partita(1, 1);
        mostra(1, true, p->codPart);
        auto* schede = parte<QTabWidget>("SSTab1");
        scrivi(0, 0, "Primo");
        schede->setCurrentIndex(1);
        amb_->messaggi().ok();
        w_->AggiungiSostituzione();
        QCOMPARE(amb_->messaggi().ultimo().testo, "Attenzione: prima di inserire le sostituzioni occorre inserire "
                                                  "le formazioni schierate dall'inizio");
        QCOMPARE(amb_->messaggi().ultimo().titolo, "Inserimento sostituzioni");
        QVERIFY(!FinestraDiTest::di(IdFinestra::Sostituzioni));
        QVERIFY(titolari(p->codPart, p->sq1, true).isEmpty());
        w_->AggiungiGol();
        QCOMPARE(stato().CodRete, -2);
        QVERIFY(FinestraDiTest::di(IdFinestra::Reti));
        QVERIFY(titolari(p->codPart, p->sq1, true).isEmpty());
        scrivi(1, 10, "Ospite");
        w_->AggiungiSostituzione();
        QCOMPARE(stato().CodSostituzione, -2);
        QVERIFY(FinestraDiTest::di(IdFinestra::Sostituzioni));
        QCOMPARE(titolari(p->codPart, p->sq1, true).size() + titolari(p->codPart, p->sq2, true).size(), 2);
        schede->setCurrentIndex(0);
        amb_->mostra<FormazioniWindow>(ID);
        w_->AggiungiSostituzione();
        QCOMPARE(stato().CodSostituzione, -1);
    }

    // The file refuses a write: nothing of the save stays, the user is told, the editor does not move, and
    // closing asks before the typed rows go.
    void erroreDatabase()
    {
        apri(amb_->nuovo(4).rose(25));
        const PartitaFixture* p = d_.partita(2, 1);
        mostra(2, true, p->codPart);
        scrivi(0, 0, "Uno");
        scrivi(1, 0, "Due");
        Esegui("CREATE TRIGGER blocco BEFORE INSERT ON Presenze WHEN NEW.Squadra = '" + p->sq2 +
               "' BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
        amb_->messaggi().ok();
        w_->AllaGiornataSuccessiva();
        QCOMPARE(amb_->messaggi().ultimo().titolo, "Inserimento formazioni e pagelle");
        QVERIFY(!amb_->messaggi().ultimo().testo.contains("bloccato"));
        QCOMPARE(righePresenze(), 0);
        QCOMPARE(w_->giornata(), GiornataInGirone({2, true}));
        QVERIFY(!stato().GiornataCambiata);
        amb_->messaggi().ok();
        parte<ComboCodici>("Combo3")->setCurrentIndex(1);
        QCOMPARE(parte<ComboCodici>("Combo3")->currentIndex(), 0);
        QCOMPARE(giocatore(0, 0)->currentText(), "Uno");
        amb_->messaggi().ok().no();
        QVERIFY(!Finestre::istanza().scaricaSubito(ID));
        QCOMPARE(amb_->messaggi().ultimo().testo,
                 "Le formazioni non sono state salvate.\r\rChiudere comunque la finestra?");
        Esegui("DROP TRIGGER blocco");
        QVERIFY(Finestre::istanza().scaricaSubito(ID));
        QCOMPARE(righePresenze(), 2);
    }
};

QTEST_MAIN(TestFormazioni)
#include "tst_formazioni.moc"
