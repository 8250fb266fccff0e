#include "tools/bitmapprogramma.h"
#include "tools/generatore.h"
#include "tools/girone.h"
#include "tools/modellicalendario.h"

#include <QDir>
#include <QFile>
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
    if (partite.size() != giornate * (n / 2)) return QString("%1 partite").arg(partite.size());
    QSet<QPair<int, int>> incontri;
    QVector<QString> sequenza(n + 1);  // 'C' home, 'T' away, round by round
    for (int g = 1; g <= giornate; ++g) {
        QSet<int> inCampo;
        for (const Accoppiamento& p : partite) {
            if (p.giornata != g) continue;
            if (p.casa < 1 || p.casa > n || p.ospite < 1 || p.ospite > n || inCampo.contains(p.casa) ||
                inCampo.contains(p.ospite))
                return QString("giornata %1: %2-%3").arg(g).arg(p.casa).arg(p.ospite);
            inCampo << p.casa << p.ospite;
            incontri.insert({qMin(p.casa, p.ospite), qMax(p.casa, p.ospite)});
            sequenza[p.casa] += 'C';
            sequenza[p.ospite] += 'T';
        }
        if (inCampo.size() != n / 2 * 2 || inCampo.contains(RiposaNelGirone(n, g)))
            return QString("giornata %1 incompleta").arg(g);
    }
    if (incontri.size() != n * (n - 1) / 2) return "non tutte le coppie si incontrano";
    for (int s = 1; s <= n; ++s) {
        // The return leg repeats the rounds with home and away swapped: no run of three across the turn either.
        QString ritorno = sequenza[s];
        for (QChar& c : ritorno) c = (c == 'C') ? QChar('T') : QChar('C');
        const QString stagione = sequenza[s] + ritorno;
        if (qAbs(sequenza[s].count('C') - sequenza[s].count('T')) > 1 || stagione.contains("CCC") ||
            stagione.contains("TTT"))
            return QString("posizione %1: %2").arg(s).arg(stagione);
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
        // A folder that does not exist yet: the generator makes it.
        cartella_ = dir_.filePath("programma");
        QString errore;
        QVERIFY2(GeneraCartellaProgramma(cartella_, &errore), qPrintable(errore));
    }

    // The templates S6..S20 (four teams have no template) hold the pairing the fixture builders use; odd counts
    // (fixtures only) rest each once.
    void modelloCalendario_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 20; n += n == 3 ? 2 : 1) QTest::newRow(qPrintable(QString("S%1").arg(n))) << n;
    }
    void modelloCalendario()
    {
        QFETCH(int, n);
        const QVector<Accoppiamento> partite = GironeAllItaliana(n);
        const QString errore = ViolazioniGirone(partite, n);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QSet<int> riposi{0}, attesi{0};
        for (int g = 0; g <= n + 1; ++g) riposi.insert(RiposaNelGirone(n, g));
        for (int i = 1; n % 2 && i <= n; ++i) attesi.insert(i);
        QCOMPARE(riposi, attesi);  // everyone rests once; none outside the rounds or with an even count
        if (n < 6 || n % 2) return;
        QStringList colonne;
        QCOMPARE(LeggiModello(QDir(cartella_).filePath(QString("S%1.DTA").arg(n)), &colonne), partite);
        QCOMPARE(colonne, QStringList({"GIORNATA INTEGER", "SQ1 INTEGER", "SQ2 INTEGER"}));
    }

    // The settings file: one row with the defaults, replacing one left by an older build.
    void impostazioni()
    {
        QTemporaryDir dir;
        {
            QFile f(dir.filePath("S8.DTA"));  // a text file in place of a template
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("non un database") > 0);
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "vecchio_def");
            db.setDatabaseName(dir.filePath("golvarno.def"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TABLE Impostazioni (VisualizzaPrimiPassi SMALLINT, ViewOption BYTE, "
                           "VisualizzaVoti SMALLINT, VisualizzaScheda SMALLINT)"));
            QVERIFY(q.exec("INSERT INTO Impostazioni VALUES (0, 3, 0, 0), (0, 2, 0, 0)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("vecchio_def");
        QString errore;
        QVERIFY2(GeneraCartellaProgramma(dir.path(), &errore), qPrintable(errore));
        QVERIFY(ViolazioniGirone(LeggiModello(dir.filePath("S8.DTA")), 8).isEmpty());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lettura_def");
            db.setDatabaseName(dir.filePath("golvarno.def"));
            QVERIFY(db.open());
            QCOMPARE(db.tables(), QStringList{"Impostazioni"});
            QSqlQuery q("SELECT VisualizzaPrimiPassi, ViewOption, VisualizzaVoti, VisualizzaScheda FROM Impostazioni",
                        db);
            QVERIFY(q.next() && q.record().count() == 4);
            QCOMPARE(QList<int>({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()}),
                     QList<int>({-1, 1, -1, -1}));
            QVERIFY(!q.next());  // one row only
            db.close();
        }
        QSqlDatabase::removeDatabase("lettura_def");
    }

    // The help file, loaded as the help window loads it: every context a window opens it at, UTF-8 accents, and
    // every link leading to an anchor of its own.
    void guida()
    {
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(QDir(cartella_).filePath("golvarno.hlp")));
        const QSet<QString> ancore = Ancore(*browser.document());
        for (int c : {1, 25, 26, 30, 31, 42, 50, 57, 60}) QVERIFY2(ancore.contains(QString("ctx-%1").arg(c)), "manca");
        QVERIFY(browser.document()->toPlainText().contains(QString::fromUtf8("Proprietà del campionato")));
        QFile f(QDir(cartella_).filePath("golvarno.hlp"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QStringList nomi;
        for (const auto& m : QRegularExpression("name=\"(ctx-\\d+)\"").globalMatch(html)) nomi << m.captured(1);
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size());  // each context once
        QCOMPARE(nomi.first(), QString("ctx-1"));                               // the introduction opens the document
        int collegamenti = 0;
        for (const auto& m : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
            QVERIFY2(nomi.contains(m.captured(1)), qPrintable("collegamento interrotto: " + m.captured(1)));
            ++collegamenti;
        }
        QVERIFY(collegamenti >= nomi.size());  // at least the index
    }

    // The five pictures are 16x16 BMPs, each a drawing of its own.
    void bitmap()
    {
        QList<QImage> viste;
        for (const QString nome : {"Ammonito!.Bmp", "Espulso!.Bmp", "MicroV.Bmp", "MicroP.Bmp", "MicroS.Bmp"}) {
            QImageReader lettore(QDir(cartella_).filePath(nome));
            QCOMPARE(lettore.format(), QByteArray("bmp"));
            const QImage img = lettore.read();
            QVERIFY(img.size() == QSize(16, 16) && !viste.contains(img));
            viste << img;
        }
    }

    // A file where the folder should be: the generator reports it instead of going on.
    void cartellaNonScrivibile()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("occupato"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QString errore;
        QVERIFY(!GeneraCartellaProgramma(dir.filePath("occupato"), &errore));
        QVERIFY(errore.contains("occupato"));
    }
};

QTEST_MAIN(TestGeneratore)
#include "tst_generatore.moc"
