#include "aiuticalendario.h"
#include "calendar/calendariowindow.h"
#include "calendar/finestrerisultati.h"
#include "calendar/inserimentorisultatiwindow.h"
#include "core/evidenzia.h"
#include "platform/pannello.h"
#include "support/ambientetest.h"
#include "support/finestraditest.h"

#include <QLabel>

namespace {

enum Pulsante { Precedente, Successiva, CambioGirone, Risultati, Tabellino, Statistiche, Classifica, Chiudi, Guida };

// A pairing's captions, as the viewer shows them.
QStringList Didascalie(QWidget* w, int riga)
{
    QStringList t;
    for (int c = 1; c <= 6; ++c) {
        auto* l = w->findChild<QLabel*>(QStringLiteral("Label%1_%2").arg(c).arg(riga));
        t << (l ? l->text() : QStringLiteral("<assente>"));
    }
    return t;
}

// The pairings on show: the panels that are not hidden.
int RigheMostrate(QWidget* w)
{
    int n = 0;
    for (const Pannello* p : w->findChildren<Pannello*>())
        if (p->objectName().startsWith(QLatin1String("SSPanel1_")) && !p->isHidden()) ++n;
    return n;
}

QStringList Attesa(const PartitaFixture& p, bool andata)
{
    const QString risultato = p.disputata(andata)
                                  ? QStringLiteral("%1 - %2").arg(p.golCasa(andata)).arg(p.golOspite(andata))
                                  : QStringLiteral("-");
    return {p.casa(andata), QStringLiteral("-"), p.ospite(andata), risultato, QString(), QString()};
}

Pannello* Bottone(QWidget* w, int i) { return w->findChild<Pannello*>(QStringLiteral("Button%1").arg(i)); }
void Clicca(QWidget* w, int i) { QTest::mouseClick(Bottone(w, i), Qt::LeftButton); }
QString Titolo(QWidget* w) { return w->findChild<QLabel*>(QStringLiteral("Titolo"))->text(); }

}  // namespace

// The calendar viewer: the day on show, its navigation, the windows it opens and its highlight.
class TestCalendario : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTest> a_;

private slots:
    void init() { a_ = std::make_unique<AmbienteTest>(RegistraFinestreRisultati); }
    void cleanup()
    {
        VERIFICA_NESSUN_MESSAGGIO_INATTESO();
        a_.reset();
    }

    void mostraLaGiornata_data()
    {
        QTest::addColumn<int>("squadre");
        QTest::addColumn<int>("giornata");
        QTest::addColumn<bool>("andata");
        QTest::newRow("andata giocata, una rinviata") << 6 << 2 << true;
        QTest::newRow("ritorno giocato") << 6 << 1 << false;
        QTest::newRow("ritorno da giocare, squadra a riposo") << 7 << 5 << false;
    }
    void mostraLaGiornata()
    {
        QFETCH(int, squadre);
        QFETCH(int, giornata);
        QFETCH(bool, andata);
        const DatiFixture d = a_->apri(a_->nuovo(squadre).giocaFinoA(2, false).rinviata(2, 1, true));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), giornata, andata);
        QVERIFY(w);
        QCOMPARE(Titolo(w), QStringLiteral("Giornata n° %1 - girone di %2")
                                .arg(giornata)
                                .arg(andata ? QStringLiteral("andata") : QStringLiteral("ritorno")));
        const QVector<PartitaFixture> attese = PartiteOrdinate(d, giornata, andata);
        QCOMPARE(RigheMostrate(w), attese.size());
        for (int i = 0; i < attese.size(); ++i) QCOMPARE(Didascalie(w, i), Attesa(attese[i], andata));
        const QString riposa = d.giornate[giornata - 1].riposa;
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Riposa"))->text(),
                 riposa.isEmpty() ? QString() : QStringLiteral("Riposa: ") + riposa);
        QVERIFY(!w->findChild<QLabel*>(QStringLiteral("Nota"))->isVisible());
    }

    // Dates and times typed in results entry, and results saved there, show at the next activation.
    void segueLaGiornataCorrente()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 1, true);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{1, true}));
        Esegui(QStringLiteral("UPDATE Partita SET DispRit = -1, G1R = 0, G2R = 5, DataRit = '3/3', HRit = '20:45' "
                              "WHERE CodPart = ?"),
               {PartiteOrdinate(d, 3, false)[0].codPart});
        QCOMPARE(a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 3, false), w);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{3, false}));
        QCOMPARE(Titolo(w), QStringLiteral("Giornata n° 3 - girone di ritorno"));
        const PartitaFixture p = PartiteOrdinate(d, 3, false)[0];
        QCOMPARE(Didascalie(w, 0), (QStringList{p.sq2, "-", p.sq1, "5 - 0", "3/3", "20:45"}));
    }

    // Shown, or moved by its arrows in season order, the viewer hands the day over with its first match; the ends
    // disable the arrows.
    void navigazione()
    {
        const DatiFixture d = a_->apri(a_->nuovo(6));
        stato().CodPartitaCorrente = PartiteOrdinate(d, 4, true)[0].codPart;
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 1, true);
        QCOMPARE(stato().CodPartitaCorrente, PartiteOrdinate(d, 1, true)[0].codPart);
        QVERIFY(!Bottone(w, Precedente)->isEnabled());
        Clicca(w, Successiva);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{2, true}));
        QCOMPARE(stato().GiornataCorrente, 2);
        QCOMPARE(stato().CodPartitaCorrente, PartiteOrdinate(d, 2, true)[0].codPart);
        a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 5, true);
        Clicca(w, Successiva);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{1, false}));
        QVERIFY(!stato().Andata);
        Clicca(w, Precedente);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{5, true}));
        Clicca(w, CambioGirone);
        QCOMPARE(w->giornataMostrata(), (GiornataGirone{5, false}));
        QCOMPARE(stato().GiornataCorrente, 5);
        QVERIFY(!stato().Andata);
        QVERIFY(!Bottone(w, Successiva)->isEnabled());
        QVERIFY(Bottone(w, Precedente)->isEnabled());
    }

    // Results entry opens on the day on show.
    void versoInserimentoRisultati()
    {
        a_->apri(a_->nuovo(6));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 4, false);
        Clicca(w, Risultati);
        auto* r = qobject_cast<InserimentoRisultatiWindow*>(Finestre::istanza().finestra(QStringLiteral("Form5")));
        QVERIFY(r);
        QCOMPARE(r->giornataMostrata(), (GiornataGirone{4, false}));
        QCOMPARE(Finestre::istanza().finestraAttiva(), r);
    }

    // The match sheet, the statistics and the partial table wait for their windows, then get the day.
    void finestreDellaGiornata()
    {
        const DatiFixture d = a_->apri(a_->nuovo(8).giocaFinoA(2, true));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 2, true);
        for (int i : {Tabellino, Statistiche, Classifica}) QVERIFY(!Bottone(w, i)->isEnabled());
        for (const char* id : {"Form3", "Form4", "Form6"}) FinestraDiTest::registra(QLatin1String(id));
        for (int i : {Tabellino, Statistiche, Classifica}) QVERIFY(Bottone(w, i)->isEnabled());
        const QVector<PartitaFixture> p = PartiteOrdinate(d, 2, true);

        // No pairing chosen: the day's first.
        Clicca(w, Tabellino);
        QCOMPARE(stato().CodPartitaCorrente, p[0].codPart);
        QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form3")));
        a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 2, true);
        QTest::mouseClick(w->findChild<QLabel*>(QStringLiteral("Label3_2")), Qt::LeftButton);
        QCOMPARE(w->incontroScelto(), 2);
        Clicca(w, Tabellino);
        QCOMPARE(stato().CodPartitaCorrente, p[2].codPart);
        QCOMPARE(stato().GiornataCorrente, 2);
        QVERIFY(stato().Andata);

        // Shown again on the same day, the choice stays; on another day it goes.
        a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 2, true);
        QCOMPARE(w->incontroScelto(), 2);
        Clicca(w, CambioGirone);
        QCOMPARE(w->incontroScelto(), -1);

        stato().StatGiornata = false;
        Clicca(w, Statistiche);
        QVERIFY(stato().StatGiornata);
        QCOMPARE(stato().GiornataCorrente, 2);
        QVERIFY(!stato().Andata);
        QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form4")));

        a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 3, false);
        stato().ClassificaCompleta = true;
        Clicca(w, Classifica);
        const Stato& s = stato();
        QCOMPARE(s.ParzDaGiornata, 1);
        QCOMPARE(s.ParzDaGirone, 1);
        QCOMPARE(s.ParzAGiornata, 3);
        QCOMPARE(s.ParzAGirone, 2);
        QVERIFY(!s.ClassificaCompleta);
        QVERIFY(Finestre::istanza().visibile(QStringLiteral("Form6")));
    }

    void calendarioVuoto()
    {
        a_->apri(a_->nuovo(6).senzaCalendario());
        FinestraDiTest::registra(QStringLiteral("Form3"));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 1, true);
        QVERIFY(w);
        QCOMPARE(RigheMostrate(w), 0);
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("Nota"))->isVisible());
        for (int i : {Precedente, Successiva, CambioGirone, Risultati, Tabellino, Statistiche, Classifica})
            QVERIFY(!Bottone(w, i)->isEnabled());
        w->apriTabellino();
        QVERIFY(!Finestre::istanza().caricata(QStringLiteral("Form3")));
    }

    // A lit pairing shows its picture; a lit command panel lights alone.
    void evidenzia()
    {
        a_->apri(a_->nuovo(12));
        auto* w = a_->mostra<CalendarioWindow>(QStringLiteral("Form2"), 1, true);
        stato().IdEvidenziato = -1;
        auto* immagine = w->findChild<QLabel*>(QStringLiteral("Image1_3"));
        QVERIFY(immagine->isHidden());
        Evidenzia(23);
        QVERIFY(immagine->isVisible());
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("Image1_4"))->isHidden());
        Evidenzia(1032);
        QVERIFY(immagine->isHidden());
    }
};

QTEST_MAIN(TestCalendario)
#include "tst_calendario.moc"
