#include "match/finestrepartita.h"
#include "support/ambientetest.h"

#include "aiutieditori.h"
#include "core/database.h"
#include "core/idfinestre.h"
#include "match/sostituzioniwindow.h"

#include <algorithm>

namespace {
const QString VOTO_RIFIUTATO = "Il voto deve essere un numero da 3 a 10, per esempio 6,5, oppure \"S.V.\"";
}  // namespace

// The substitution editor: pickers, what a stored substitution shows, saves, refusals and deletes.
class TestSostituzioni : public QObject, ControlliEditore {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> amb_;
    DatiFixture d_;
    SostituzioniWindow* w_ = nullptr;
    const PartitaFixture* p_ = nullptr;

    // A championship with line-ups and three substitutions a team; p_ is day 1's first match.
    void apri() { apri(amb_->nuovo(4).rose(25).formazioni(3, 3).giocaFinoA(1, false)); }
    void apri(FixtureCampionato f)
    {
        d_ = amb_->apri(std::move(f));
        p_ = d_.partita(1, 1);
    }
    SostituzioniWindow* mostra(int chiave, bool andata = true, const PartitaFixture* p = nullptr)
    {
        p = p ? p : p_;
        stato().CodPartitaCorrente = p->codPart;
        stato().CodSostituzione = chiave;
        finestra_ = w_ = amb_->mostra<SostituzioniWindow>(IdFinestra::Sostituzioni, p->giornata, andata);
        return w_;
    }
    // A team's substitutions in order of entry, and a field of a row.
    QVector<int> cambi(const QString& squadra, bool andata = true) const
    {
        QVector<int> c;
        Query q("SELECT Codice FROM Presenze WHERE CodPartita = ? AND Girone = ? AND Titolare = 0 AND Squadra = ? "
                "ORDER BY Riga DESC",
                {p_->codPart, andata ? -1 : 0, squadra});
        while (q.next()) c << q.intero(0);
        return c;
    }
    static QVariant campo(int riga, const QString& nome)
    {
        return Valore("SELECT " + nome + " FROM Presenze WHERE Codice = ?", {riga});
    }
    // A starter of the home team not substituted: his row and his player.
    QPair<int, int> titolare(int salta = 0) const
    {
        Query q("SELECT Codice, CodGiocatore FROM Presenze WHERE CodPartita = ? AND Girone = -1 AND Squadra = ? "
                "AND Titolare = -1 AND Sostituito = 0 ORDER BY Riga",
                {p_->codPart, p_->sq1});
        for (int i = 0; i <= salta; ++i) q.next();
        return {q.intero(0), q.intero(1)};
    }
    static QString nome(const GiocatoreFixture& g, int stile)
    {
        return stile == 1 ? g.cognome : stile == 2 ? g.nome + " " + g.cognome : g.nome.left(1) + ". " + g.cognome;
    }

private slots:
    void init() { amb_ = std::make_unique<AmbienteTest>(RegistraFinestrePartita); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        w_ = nullptr;
        amb_.reset();
    }

    void pickers_data()
    {
        QTest::addColumn<bool>("andata");
        QTest::addColumn<int>("stile");
        QTest::newRow("andata, cognome") << true << 1;
        QTest::newRow("ritorno, iniziale") << false << 3;
        QTest::newRow("ritorno, nome e cognome") << false << 2;
    }
    // ESCE: who played in the leg, typed names left out; ENTRA: the squad less the starters; by surname.
    // A key of no substitution of the leg opens a new one of the home team.
    void pickers()
    {
        QFETCH(bool, andata);
        QFETCH(int, stile);
        apri();
        const QString casa = p_->casa(andata);
        Esegui("UPDATE Presenze SET CodGiocatore = -1, Nome = 'Scritto a mano' WHERE CodPartita = ? AND Girone = ? "
               "AND Squadra = ? AND Riga = 1",
               {p_->codPart, andata ? -1 : 0, casa});
        stato().FormatoNome = stile;
        // A substitution of the other leg handed over: a new one of the home team.
        mostra(cambi(p_->ospite(andata), !andata)[0], andata);
        QCOMPARE(voci("Combo4"), QStringList({casa, p_->ospite(andata)}));
        QCOMPARE(testo("Text3"), casa + " - " + p_->ospite(andata));
        QHash<int, int> titolare;  // player -> TITOLARE in this leg
        Query q("SELECT CodGiocatore, Titolare FROM Presenze WHERE CodPartita = ? AND Girone = ? AND Squadra = ?",
                {p_->codPart, andata ? -1 : 0, casa});
        while (q.next()) titolare.insert(q.intero(0), q.intero(1));
        QVector<const GiocatoreFixture*> rosa = d_.rosa(casa);
        std::sort(rosa.begin(), rosa.end(), [](auto* a, auto* b) {
            return std::tuple(a->cognome, a->nome, a->codice) < std::tuple(b->cognome, b->nome, b->codice);
        });
        QStringList esce, entra;
        for (auto* g : rosa) {
            if (titolare.contains(g->codice)) esce << nome(*g, stile);
            if (titolare.value(g->codice, 1) != -1) entra << nome(*g, stile);
        }
        QCOMPARE(esce.size(), 10 + 3);
        QCOMPARE(voci("Combo3"), esce);
        QCOMPARE(voci("Combo2"), entra);
        QCOMPARE(w_->chiavi(), cambi(casa, andata));
        QCOMPARE(testo("Text5"), "Nuova sostituzione");
        for (const char* b : {"Command1", "Command2", "Command3"}) QVERIFY(!attivo(b));
    }

    // A new substitution and its edits: the fields written, in the match shown whatever the caller moved to
    // since; the link and the minute moved.
    void salvataggi()
    {
        apri();
        mostra(-1);
        stato().CodPartitaCorrente = d_.partita(2, 2)->codPart;
        stato().GiornataCorrente = 2;
        stato().Andata = false;
        const auto [riga1, giocatore1] = titolare();
        const auto [riga2, giocatore2] = titolare(1);
        combo("Combo2")->setCurrentIndex(0);
        const int entra = combo("Combo2")->codiceCorrente();
        scegli("Combo3", giocatore1);
        scrivi("Text6", "30");
        spunta("Option2");
        scrivi("Combo1", "6,5");
        spunta("Check1");
        spunta("Check2");
        QVERIFY(w_->Salva());
        QCOMPARE(w_->chiavi().size(), 4);
        QCOMPARE(w_->selezionata(), 3);
        const int nuova = w_->chiavi().last();
        QVERIFY(w_->schedaSalvata() && attivo("Command1") && attivo("Command3"));
        QCOMPARE(testo("Text5"), "4a sostituzione effettuata");
        Query q("SELECT Riga, Titolare, Sostituito, CodGiocatore, Nome, Ammonito, Voto, Girone, Giornata, Squadra, "
                "ChiHaSost, CodPartita FROM Presenze WHERE Codice = ?",
                {nuova});
        QVERIFY(q.primo());
        QCOMPARE(QVariantList({q.intero(0), q.intero(1), q.intero(2), q.intero(3), q.testo(4), q.intero(5), q.numero(6),
                               q.intero(7), q.intero(8), q.testo(9), q.intero(10), q.intero(11)}),
                 QVariantList(
                     {-4, 0, 0, entra, combo("Combo2")->currentText(), 101, 6.5, -1, 1, p_->sq1, riga1, p_->codPart}));
        QCOMPARE(campo(riga1, "Sostituito").toInt(), 130);

        // Another replaced player, no cards, an empty minute of the second half, the rating taken away.
        scegli("Combo3", giocatore2);
        scrivi({{"Text6", ""}, {"Combo1", ""}});
        spunta("Check1", false);
        spunta("Check2", false);
        QVERIFY(w_->Salva());
        QCOMPARE(campo(riga1, "Sostituito").toInt(), 0);
        QCOMPARE(campo(riga2, "Sostituito").toInt(), 100);
        QCOMPARE(campo(nuova, "ChiHaSost").toInt(), riga2);
        QVERIFY(campo(nuova, "Voto").isNull());
        QCOMPARE(campo(nuova, "Ammonito").toInt(), 0);
        // A name typed for the player who came on is stored as typed; the replaced one shown keeps his link.
        scrivi({{"Combo2", "Scritto a mano"}, {"Text6", "12"}});
        spunta("Option1");
        scrivi("Combo1", "s.v.");
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({campo(nuova, "CodGiocatore").toInt(), campo(nuova, "Nome").toString(),
                               campo(nuova, "Voto").toInt(), campo(nuova, "ChiHaSost").toInt()}),
                 QVariantList({-1, "Scritto a mano", 250, riga2}));
        QCOMPARE(campo(riga2, "Sostituito").toInt(), 12);
        // A squad player's name typed in another case is stored as that player, in the squad's spelling.
        const QString rosa = voci("Combo2")[1];
        scrivi("Combo2", " " + rosa.toUpper() + " ");
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({campo(nuova, "CodGiocatore").toInt(), campo(nuova, "Nome").toString()}),
                 QVariantList({combo("Combo2")->codice(1), rosa}));
    }

    void rifiuti_data()
    {
        QTest::addColumn<QString>("scritti");  // came on | went off | rating | minute
        QTest::addColumn<QString>("messaggio");
        // clang-format off
        QTest::newRow("entrato") << "|Uno|6|10" << "Occorre specificare il giocatore entrato!";
        QTest::newRow("uscito") << "Uno||6|10" << "Occorre specificare il giocatore che è uscito!";
        QTest::newRow("entrato di spazi") << "   |Uno|6|10" << "Occorre specificare il giocatore entrato!";
        QTest::newRow("uscito di spazi") << "Uno|   |6|10" << "Occorre specificare il giocatore che è uscito!";
        QTest::newRow("voto") << "Uno|Due|buono|10" << VOTO_RIFIUTATO;
        QTest::newRow("voto 11") << "Uno|Due|11|10" << VOTO_RIFIUTATO;
        QTest::newRow("voto 1e3") << "Uno|Due|1e3|10" << VOTO_RIFIUTATO;
        QTest::newRow("voto 250") << "Uno|Due|250|10" << VOTO_RIFIUTATO;
        QTest::newRow("minuto 120") << "Uno|Due|6|120" << "Il minuto della sostituzione";
        QTest::newRow("minuto negativo") << "Uno|Due||-5" << "Il minuto della sostituzione";
        QTest::newRow("minuto 45+2") << "Uno|Due|6|45+2" << "Il minuto della sostituzione";
        QTest::newRow("minuto 12,5") << "Uno|Due|6|12,5" << "Il minuto della sostituzione";
        QTest::newRow("uscito sconosciuto") << "Uno|Due|6|10" << "Due non risulta tra i giocatori di";
        QTest::newRow("uscito già sostituito") << "Uno|:uscito|6|10" << ":uscito è già uscito dal campo al ";
        // clang-format on
    }
    // Refused before anything is written, also who went off when no row of the match has his name or when he
    // went off already (":uscito", in the team's first substitution); Yes to "save first?" then stays on the record.
    void rifiuti()
    {
        QFETCH(QString, scritti);
        QFETCH(QString, messaggio);
        apri();
        mostra(-2);
        QCOMPARE(testo("Combo4"), p_->sq2);
        const int uscito = campo(campo(cambi(p_->sq2)[0], "ChiHaSost").toInt(), "CodGiocatore").toInt();
        const QString nome = combo("Combo3")->itemText(combo("Combo3")->trovaCodice(uscito));
        const QStringList s = scritti.replace(":uscito", nome).split('|');
        messaggio.replace(":uscito", nome);
        const QByteArray prima = AmbienteTest::impronta(d_.percorso);
        scrivi({{"Combo2", s[0]}, {"Combo3", s[1]}, {"Combo1", s[2]}, {"Text6", s[3]}});
        amb_->messaggi().si().ok();
        w_->Nuova();
        QVERIFY(amb_->messaggi().ultimo().testo.startsWith(messaggio));
        QCOMPARE(AmbienteTest::impronta(d_.percorso), prima);
        QCOMPARE(QStringList({testo("Combo2"), testo("Combo3"), testo("Combo1"), testo("Text6")}), s);
        QVERIFY(!w_->schedaSalvata());
        QCOMPARE(w_->chiavi().size(), 3);
    }

    // Delete: the next one, else the one before, else a blank record; chains refused; a failure changes nothing.
    void eliminazioni()
    {
        apri();
        const QVector<int> c = cambi(p_->sq1);
        const int uscito = campo(c[2], "ChiHaSost").toInt();
        const int minuto = campo(uscito, "Sostituito").toInt();
        // The first substitute is replaced himself by the second.
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {c[0], c[1]});
        mostra(c[0]);
        amb_->messaggi().ok();
        w_->Elimina();
        QVERIFY(amb_->messaggi().ultimo().testo.contains("a sua volta sostituito"));
        QVERIFY(campo(c[0], "Codice").isValid());

        mostra(c[2]);  // already open: unchanged
        QCOMPARE(w_->selezionata(), 0);
        w_->Successiva();
        w_->Successiva();
        Esegui("CREATE TRIGGER blocco BEFORE DELETE ON Presenze BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
        amb_->messaggi().si().ok();
        w_->Elimina();
        QCOMPARE(campo(uscito, "Sostituito").toInt(), minuto);
        QCOMPARE(w_->chiavi(), c);
        QCOMPARE(w_->selezionata(), 2);
        Esegui("DROP TRIGGER blocco");
        // The last: the one before.
        amb_->messaggi().si();
        w_->Elimina();
        QCOMPARE(campo(uscito, "Sostituito").toInt(), 0);
        QCOMPARE(w_->chiavi(), c.mid(0, 2));
        QCOMPARE(w_->selezionata(), 1);
        QCOMPARE(testo("Text5"), "2a sostituzione effettuata");
        // The only one left: a blank record with nothing to browse.
        for (int i = 0; i < 2; ++i) {
            amb_->messaggi().si();
            w_->Elimina();
        }
        QVERIFY(w_->chiavi().isEmpty() && !w_->schedaSalvata());
        QCOMPARE(testo("Text5"), "Nuova sostituzione");
        for (const char* b : {"Command1", "Command2", "Command3"}) QVERIFY(!attivo(b));
        // A save of a substitution deleted elsewhere says so and leaves a blank record.
        scrivi("Combo2", "Uno");
        combo("Combo3")->setCurrentIndex(0);
        QVERIFY(w_->Salva());
        Esegui("DELETE FROM Presenze WHERE Codice = ?", {w_->chiavi()[0]});
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QVERIFY(amb_->messaggi().ultimo().testo.contains("eliminata in un'altra finestra"));
        QVERIFY(w_->chiavi().isEmpty() && !w_->schedaSalvata());
    }

    void giocatoriConservati_data()
    {
        QTest::addColumn<QString>("sql");  // on the first substitution: its row, the replaced row; the other team
        QTest::newRow("entrato in un'altra squadra") << "UPDATE Giocatore SET CodSquadra = :squadra WHERE Codice = "
                                                        "(SELECT CodGiocatore FROM Presenze WHERE Codice = :riga)";
        QTest::newRow("uscito scritto a mano")
            << "UPDATE Presenze SET CodGiocatore = -1, Nome = 'Rossi' WHERE Codice = :uscito";
        QTest::newRow("senza uscito") << "UPDATE Presenze SET ChiHaSost = NULL WHERE Codice = :riga";
        QTest::newRow("collegata a sé") << "UPDATE Presenze SET ChiHaSost = Codice WHERE Codice = :riga";
    }
    // A player shown by the name stored with his row keeps his code and link when another field is saved.
    void giocatoriConservati()
    {
        QFETCH(QString, sql);
        apri();
        const int riga = cambi(p_->sq1)[0], uscito = campo(riga, "ChiHaSost").toInt();
        Esegui(sql.replace(":riga", QString::number(riga))
                   .replace(":uscito", QString::number(uscito))
                   .replace(":squadra", QString::number(d_.codici.value(p_->sq2))));
        const QString righe = "SELECT group_concat(ifnull(CodGiocatore, '') || '|' || Nome || '|' || "
                              "ifnull(ChiHaSost, '') || '|' || Sostituito) FROM Presenze WHERE Codice IN (?, ?)";
        const QVariant prima = Valore(righe, {riga, uscito});
        mostra(riga);
        scrivi("Combo1", "7");
        QVERIFY(w_->Salva());
        QCOMPARE(Valore(righe, {riga, uscito}), prima);
        QCOMPARE(campo(riga, "Voto").toInt(), 7);
    }

    // After a save the player who came on may go off at once; who went off is a row of the match, found by the
    // name typed too, else the save is refused and nothing is written.
    void catene()
    {
        apri();
        mostra(-1);
        const auto [riga, giocatore] = titolare();
        combo("Combo2")->setCurrentIndex(0);
        const int entrato = combo("Combo2")->codiceCorrente();
        scegli("Combo3", giocatore);
        scrivi("Text6", "20");
        QVERIFY(w_->Salva());
        const int prima = w_->chiavi().last();
        w_->Nuova();
        combo("Combo2")->setCurrentIndex(1);
        scegli("Combo3", entrato);
        scrivi("Text6", "35");
        QVERIFY(w_->Salva());
        QCOMPARE(campo(w_->chiavi().last(), "ChiHaSost").toInt(), prima);
        QCOMPARE(campo(prima, "Sostituito").toInt(), 35);

        const auto [scritto, _] = titolare(0);
        Esegui("UPDATE Presenze SET CodGiocatore = -1, Nome = 'Scritto a Mano' WHERE Codice = ?", {scritto});
        w_->Nuova();
        scrivi({{"Combo2", "Uno"}, {"Combo3", "scritto a mano"}, {"Text6", "25"}});
        QVERIFY(w_->Salva());
        QCOMPARE(campo(w_->chiavi().last(), "ChiHaSost").toInt(), scritto);

        const auto [cancellata, altro] = titolare(0);
        w_->Nuova();
        scrivi("Combo2", "Due");
        scegli("Combo3", altro);
        Esegui("DELETE FROM Presenze WHERE Codice = ?", {cancellata});
        const QByteArray impronta = AmbienteTest::impronta(d_.percorso);
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QVERIFY(amb_->messaggi().ultimo().testo.contains("non risulta tra i giocatori di " + p_->sq1));
        QCOMPARE(AmbienteTest::impronta(d_.percorso), impronta);
        QVERIFY(!w_->schedaSalvata() && !voci("Combo3").contains(testo("Combo3")));
    }

    // A new or edited substitution whose save fails at its last step leaves nothing of it, in the file or the window.
    void salvataggioInterrotto()
    {
        apri();
        const QVector<int> c = cambi(p_->sq1);
        Esegui("CREATE TRIGGER blocco BEFORE UPDATE OF ChiHaSost ON Presenze BEGIN SELECT RAISE(ABORT, 'x'); END");
        const QByteArray impronta = AmbienteTest::impronta(d_.percorso);
        mostra(c[0]);
        for (int i = 0; i < 2; ++i) {
            if (i == 1) {
                amb_->messaggi().no();  // the change is dropped
                w_->Nuova();
            }
            combo("Combo2")->setCurrentIndex(0);
            scegli("Combo3", titolare().second);
            amb_->messaggi().ok();
            QVERIFY(!w_->Salva());
            QCOMPARE(AmbienteTest::impronta(d_.percorso), impronta);
            QCOMPARE(w_->chiavi(), c);
        }
        QVERIFY(!w_->schedaSalvata());
    }

    // Older files may link two substitutions to one replaced row: moving or deleting one leaves the minute to the
    // other, and a player gone off cannot go off again in an edit either.
    void dueCollegamenti()
    {
        apri();
        const QVector<int> c = cambi(p_->sq1);
        const int r0 = campo(c[0], "ChiHaSost").toInt(), r1 = campo(c[1], "ChiHaSost").toInt();
        const int minuto = campo(r0, "Sostituito").toInt();
        Esegui("UPDATE Presenze SET Sostituito = 0 WHERE Codice = ?", {r1});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice IN (?, ?)", {r0, c[1], c[2]});
        mostra(c[1]);
        scegli("Combo3", campo(r1, "CodGiocatore").toInt());
        QVERIFY(w_->Salva());
        QCOMPARE(QVariantList({campo(c[1], "ChiHaSost").toInt(), campo(r0, "Sostituito").toInt()}),
                 QVariantList({r1, minuto}));
        w_->Successiva();
        amb_->messaggi().si();
        w_->Elimina();
        QCOMPARE(campo(r0, "Sostituito").toInt(), minuto);

        scegli("Combo3", campo(r0, "CodGiocatore").toInt());
        const QByteArray impronta = AmbienteTest::impronta(d_.percorso);
        amb_->messaggi().ok();
        QVERIFY(!w_->Salva());
        QVERIFY(amb_->messaggi().ultimo().testo.contains("(1a sostituzione effettuata).\rUn giocatore uscito"));
        QCOMPARE(AmbienteTest::impronta(d_.percorso), impronta);
    }

    // Rows linked to themselves or to each other replaced no one: each can be deleted.
    void collegamentiCircolari()
    {
        apri();
        const QVector<int> c = cambi(p_->sq1);
        Esegui("UPDATE Presenze SET ChiHaSost = Codice WHERE Codice = ?", {c[0]});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {c[2], c[1]});
        Esegui("UPDATE Presenze SET ChiHaSost = ? WHERE Codice = ?", {c[1], c[2]});
        mostra(c[0]);
        for (int i = 0; i < 3; ++i) {
            amb_->messaggi().si();
            w_->Elimina();
        }
        QVERIFY(cambi(p_->sq1).isEmpty());
    }

    void chiusura_data()
    {
        QTest::addColumn<bool>("nuova");
        QTest::addColumn<int>("risposta");  // -1: nothing changed, nothing asked
        QTest::addColumn<QString>("esce");  // typed; empty: a starter picked
        QTest::addColumn<bool>("chiusa");
        using R = Messaggio::Risposta;
        QTest::newRow("nuova, sì") << true << int(R::Si) << "" << true;
        QTest::newRow("nuova, sì, rifiutata") << true << int(R::Si) << "Nessuno" << false;
        QTest::newRow("modificata, annulla") << false << int(R::Annulla) << "" << false;
        QTest::newRow("invariata") << false << -1 << "" << true;
    }
    // Closing with a substitution typed or changed asks first: Yes saves and closes, Cancel or a refused save
    // stays with what was typed.
    void chiusura()
    {
        QFETCH(bool, nuova);
        QFETCH(int, risposta);
        QFETCH(QString, esce);
        QFETCH(bool, chiusa);
        apri();
        mostra(nuova ? -1 : cambi(p_->sq1)[0]);
        if (risposta >= 0) {
            scrivi("Combo2", "Uno");
            if (nuova) esce.isEmpty() ? scegli("Combo3", titolare().second) : scrivi("Combo3", esce);
            amb_->messaggi().risposta(Messaggio::Risposta(risposta));
            if (!esce.isEmpty()) amb_->messaggi().ok();
        }
        QCOMPARE(Finestre::istanza().scaricaSubito(IdFinestra::Sostituzioni), chiusa);
        QCOMPARE(Valore("SELECT COUNT(*) FROM Presenze WHERE Nome = 'Uno'").toInt(), chiusa && risposta >= 0 ? 1 : 0);
        if (!chiusa) QCOMPARE(testo("Combo2"), "Uno");
    }
    // Browsing, or picking the other team, with a substitution changed asks once first, as closing does; Cancel
    // or a refused save stays on the record and its team with what was typed.
    void altraSostituzione()
    {
        apri();
        const QVector<int> c = cambi(p_->sq1);
        mostra(c[0]);
        const QString minuto = testo("Text6");
        scrivi("Combo2", "Uno");
        amb_->messaggi().annulla().annulla();
        w_->Successiva();
        scegliConMouse("Combo4", 1);
        scrivi("Text6", "45+2");
        amb_->messaggi().si().ok();
        scegliConMouse("Combo4", 1);
        QCOMPARE(amb_->messaggi().quanti(), 4);
        QCOMPARE(QVariantList({testo("Combo4"), testo("Combo2"), testo("Text6"), w_->selezionata()}),
                 QVariantList({p_->sq1, "Uno", "45+2", 0}));
        scrivi("Text6", minuto);
        amb_->messaggi().si();
        scegliConMouse("Combo4", 1);
        QCOMPARE(QVariantList({testo("Combo4"), Valore("SELECT COUNT(*) FROM Presenze WHERE Nome = 'Uno'").toInt()}),
                 QVariantList({p_->sq2, 1}));
    }
};

QTEST_MAIN(TestSostituzioni)
#include "tst_sostituzioni.moc"
