#include "tools/bitmapprogramma.h"
#include "tools/generatore.h"
#include "tools/girone.h"
#include "tools/modellicalendario.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace {

// The matches of a template read back through SQLite: {round, home, away}, in stored order.
QVector<Accoppiamento> LeggiModello(const QString& percorso, QStringList* colonne = nullptr)
{
    QVector<Accoppiamento> partite;
    const QString nome = "lettura_" + QFileInfo(percorso).fileName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(percorso);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery q(db);
            if (colonne && q.exec("PRAGMA table_info(PARTITE)"))
                while (q.next()) *colonne << q.value(1).toString() + " " + q.value(2).toString();
            if (q.exec("SELECT GIORNATA, SQ1, SQ2 FROM PARTITE ORDER BY rowid"))
                while (q.next()) partite.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()});
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return partite;
}

// Every rule a calendar of n positions must meet, in one leg. Empty when all hold.
QString ViolazioniGirone(const QVector<Accoppiamento>& partite, int n)
{
    const int giornate = n % 2 == 0 ? n - 1 : n;
    const int perGiornata = n / 2;
    if (partite.size() != giornate * perGiornata)
        return QString("%1 partite invece di %2").arg(partite.size()).arg(giornate * perGiornata);
    QSet<QPair<int, int>> incontri;
    QVector<QString> sequenza(n + 1);  // 'C' home, 'T' away, round by round
    for (int g = 1; g <= giornate; ++g) {
        QSet<int> inCampo;
        int righe = 0;
        for (const Accoppiamento& p : partite) {
            if (p.giornata != g) continue;
            ++righe;
            if (p.casa < 1 || p.casa > n || p.ospite < 1 || p.ospite > n || p.casa == p.ospite)
                return QString("giornata %1: posizioni %2-%3 non valide").arg(g).arg(p.casa).arg(p.ospite);
            if (inCampo.contains(p.casa) || inCampo.contains(p.ospite))
                return QString("giornata %1: una posizione gioca due volte").arg(g);
            inCampo << p.casa << p.ospite;
            const QPair<int, int> coppia(qMin(p.casa, p.ospite), qMax(p.casa, p.ospite));
            if (incontri.contains(coppia))
                return QString("%1 e %2 si incontrano due volte").arg(coppia.first).arg(coppia.second);
            incontri.insert(coppia);
            sequenza[p.casa] += 'C';
            sequenza[p.ospite] += 'T';
        }
        if (righe != perGiornata) return QString("giornata %1: %2 partite").arg(g).arg(righe);
    }
    for (const Accoppiamento& p : partite)
        if (p.giornata < 1 || p.giornata > giornate) return QString("giornata %1 fuori intervallo").arg(p.giornata);
    if (incontri.size() != n * (n - 1) / 2) return "non tutte le coppie si incontrano";
    for (int s = 1; s <= n; ++s) {
        const int casa = int(sequenza[s].count('C'));
        const int fuori = int(sequenza[s].count('T'));
        if (qAbs(casa - fuori) > 1) return QString("posizione %1: %2 in casa, %3 fuori").arg(s).arg(casa).arg(fuori);
        if (sequenza[s].contains("CCC") || sequenza[s].contains("TTT"))
            return QString("posizione %1: tre di fila (%2)").arg(s).arg(sequenza[s]);
        // The return leg repeats the rounds with home and away swapped: no run of three across the turn.
        QString ritorno = sequenza[s];
        for (QChar& c : ritorno) c = (c == 'C') ? QChar('T') : QChar('C');
        const QString stagione = sequenza[s] + ritorno;
        if (stagione.contains("CCC") || stagione.contains("TTT"))
            return QString("posizione %1: tre di fila nella stagione (%2)").arg(s).arg(stagione);
    }
    return {};
}

// The anchors of a help document as Qt's rich-text engine reads them.
QSet<QString> Ancore(const QTextDocument& doc)
{
    QSet<QString> ancore;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QString& a : it.fragment().charFormat().anchorNames()) ancore.insert(a);
    return ancore;
}

}  // namespace

class TestGeneratore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString cartella_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // A folder that does not exist yet: the generator makes it.
        cartella_ = dir_.filePath("programma");
        QString errore;
        QVERIFY2(GeneraCartellaProgramma(cartella_, &errore), qPrintable(errore));
    }

    void modelloCalendario_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 6; n <= 20; n += 2) QTest::newRow(qPrintable(QString("S%1").arg(n))) << n;
    }
    void modelloCalendario()
    {
        QFETCH(int, n);
        const QString percorso = QDir(cartella_).filePath(QString("S%1.DTA").arg(n));
        QVERIFY2(QFile::exists(percorso), qPrintable(percorso));
        QStringList colonne;
        const QVector<Accoppiamento> partite = LeggiModello(percorso, &colonne);
        QCOMPARE(colonne, QStringList({"GIORNATA INTEGER", "SQ1 INTEGER", "SQ2 INTEGER"}));
        const QString errore = ViolazioniGirone(partite, n);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        // The template holds exactly the pairing the fixture builders use.
        QCOMPARE(partite, GironeAllItaliana(n));
    }

    void gironeDispari_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 19; n += 2) QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void gironeDispari()
    {
        QFETCH(int, n);
        const QVector<Accoppiamento> partite = GironeAllItaliana(n);
        QCOMPARE(partite.size(), n * (n - 1) / 2);
        QSet<QPair<int, int>> incontri;
        QSet<int> riposi;
        for (int g = 1; g <= n; ++g) {
            QSet<int> inCampo;
            for (const Accoppiamento& p : partite) {
                if (p.giornata != g) continue;
                QVERIFY(!inCampo.contains(p.casa) && !inCampo.contains(p.ospite));
                inCampo << p.casa << p.ospite;
                incontri.insert({qMin(p.casa, p.ospite), qMax(p.casa, p.ospite)});
            }
            QCOMPARE(inCampo.size(), n - 1);
            const int riposa = RiposaNelGirone(n, g);
            QVERIFY2(riposa >= 1 && riposa <= n && !inCampo.contains(riposa), qPrintable(QString::number(g)));
            riposi.insert(riposa);
        }
        QCOMPARE(incontri.size(), n * (n - 1) / 2);
        QCOMPARE(riposi.size(), n);  // everyone rests once
        QCOMPARE(RiposaNelGirone(n, 0), 0);
        QCOMPARE(RiposaNelGirone(n, n + 1), 0);
        QCOMPARE(RiposaNelGirone(n + 1, 1), 0);
    }

    void impostazioni()
    {
        const QString percorso = QDir(cartella_).filePath("golvarno.def");
        QVERIFY(QFile::exists(percorso));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lettura_def");
            db.setDatabaseName(percorso);
            QVERIFY(db.open());
            QCOMPARE(db.tables(), QStringList{"Impostazioni"});
            QSqlQuery q("SELECT * FROM Impostazioni", db);
            QVERIFY(q.next());
            const QSqlRecord r = q.record();
            QCOMPARE(r.count(), 4);
            const QStringList campi = {"VisualizzaPrimiPassi", "ViewOption", "VisualizzaVoti", "VisualizzaScheda"};
            const QList<int> valori = {-1, 1, -1, -1};
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(r.fieldName(i), campi[i]);
                QCOMPARE(r.value(i).toInt(), valori[i]);
            }
            QVERIFY(!q.next());  // one row only
            db.close();
        }
        QSqlDatabase::removeDatabase("lettura_def");
    }

    void guida_data()
    {
        QTest::addColumn<int>("contesto");
        // The introduction, and every context number a window or message box opens the help at.
        for (int c : {1, 25, 26, 30, 31, 42, 50, 57, 60}) QTest::newRow(qPrintable(QString::number(c))) << c;
    }
    void guida()
    {
        QFETCH(int, contesto);
        // Loaded as the help window loads it: by file name, with its .hlp extension.
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(QDir(cartella_).filePath("golvarno.hlp")));
        const QSet<QString> ancore = Ancore(*browser.document());
        QVERIFY2(ancore.contains(QString("ctx-%1").arg(contesto)), "il file non è letto come HTML o manca l'argomento");
        // UTF-8 text comes through (the help window would otherwise show mangled accents).
        QVERIFY(browser.document()->toPlainText().contains(QString::fromUtf8("Proprietà del campionato")));
    }

    void guidaCollegamenti()
    {
        QFile f(QDir(cartella_).filePath("golvarno.hlp"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QStringList nomi;
        for (const auto& m : QRegularExpression("name=\"(ctx-\\d+)\"").globalMatch(html)) nomi << m.captured(1);
        QVERIFY(nomi.size() >= 9);
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size());  // each context once
        QCOMPARE(nomi.first(), QString("ctx-1"));                               // the introduction opens the document
        int collegamenti = 0;
        for (const auto& m : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
            QVERIFY2(nomi.contains(m.captured(1)), qPrintable("collegamento interrotto: " + m.captured(1)));
            ++collegamenti;
        }
        QVERIFY(collegamenti >= nomi.size());  // at least the index
    }

    void bitmap_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QColor>("colore");  // the colour of the drawing on its white ground
        QTest::newRow("ammonito") << "Ammonito!.Bmp" << QColor(247, 205, 28);
        QTest::newRow("espulso") << "Espulso!.Bmp" << QColor(214, 40, 40);
        QTest::newRow("vittoria") << "MicroV.Bmp" << QColor(46, 160, 67);
        QTest::newRow("pareggio") << "MicroP.Bmp" << QColor(232, 172, 32);
        QTest::newRow("sconfitta") << "MicroS.Bmp" << QColor(210, 48, 48);
    }
    void bitmap()
    {
        QFETCH(QString, nome);
        QFETCH(QColor, colore);
        const QString percorso = QDir(cartella_).filePath(nome);
        QImageReader lettore(percorso);
        QCOMPARE(lettore.format(), QByteArray("bmp"));
        const QImage img = lettore.read();
        QVERIFY2(!img.isNull(), qPrintable(lettore.errorString()));
        QCOMPARE(img.size(), QSize(16, 16));
        // Most of the coloured pixels are close to the drawing's colour, so the five are not mixed up.
        int colorati = 0, vicini = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.saturation() < 80) continue;
                ++colorati;
                if (qAbs(c.red() - colore.red()) + qAbs(c.green() - colore.green()) + qAbs(c.blue() - colore.blue()) <
                    45)
                    ++vicini;
            }
        QVERIFY2(colorati >= 40, qPrintable(QString::number(colorati)));
        QVERIFY2(vicini * 2 > colorati, qPrintable(QString("%1 di %2").arg(vicini).arg(colorati)));
    }

    void sostituisceIFileEsistenti()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Leftovers of an older build: a text file in place of a template, a settings file with other data.
        {
            QFile f(dir.filePath("S8.DTA"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("non un database");
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "vecchio_def");
            db.setDatabaseName(dir.filePath("golvarno.def"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE Impostazioni (VisualizzaPrimiPassi SMALLINT, ViewOption BYTE, "
                           "VisualizzaVoti SMALLINT, VisualizzaScheda SMALLINT)"));
            QVERIFY(q.exec("INSERT INTO Impostazioni VALUES (0, 3, 0, 0)"));
            QVERIFY(q.exec("INSERT INTO Impostazioni VALUES (0, 2, 0, 0)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("vecchio_def");

        QString errore;
        QVERIFY2(GeneraCartellaProgramma(dir.path(), &errore), qPrintable(errore));
        QVERIFY(ViolazioniGirone(LeggiModello(dir.filePath("S8.DTA")), 8).isEmpty());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "nuovo_def");
            db.setDatabaseName(dir.filePath("golvarno.def"));
            QVERIFY(db.open());
            QSqlQuery q("SELECT COUNT(*), MIN(ViewOption) FROM Impostazioni", db);
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 1);
            QCOMPARE(q.value(1).toInt(), 1);
            db.close();
        }
        QSqlDatabase::removeDatabase("nuovo_def");
    }

    void cartellaNonScrivibile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A file where the folder should be: the generator reports it instead of going on.
        const QString intralcio = dir.filePath("occupato");
        {
            QFile f(intralcio);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QString errore;
        QVERIFY(!GeneraCartellaProgramma(intralcio, &errore));
        QVERIFY(errore.contains("occupato"));
    }
};

QTEST_MAIN(TestGeneratore)
#include "tst_generatore.moc"
