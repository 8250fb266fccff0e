#include "platform/testoinriga.h"

#include "platform/testocomandi.h"

#include <algorithm>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>

namespace {

constexpr char16_t FINE_ISOLATO = 0x2069;  // POP DIRECTIONAL ISOLATE

// Below the first right-to-left script, past the C1 codes: neither a control nor a change of direction.
bool Semplice(QChar c)
{
    return (c.unicode() >= 0x20 && c.unicode() < 0x7F) || (c.unicode() >= 0xA0 && c.unicode() < 0x590);
}

// A character that would break the line or take a place of its own in it: a control, a line or paragraph separator.
bool Controllo(char32_t c)
{
    const QChar::Category categoria = QChar::category(c);
    return categoria == QChar::Other_Control || categoria == QChar::Separator_Line ||
           categoria == QChar::Separator_Paragraph;
}

}  // namespace

QString SenzaControlli(const QString& testo)
{
    QString riga = testo;
    for (QChar& c : riga)
        if (Controllo(c.unicode())) c = QLatin1Char(' ');
    return riga;
}

int LarghezzaNomi(const QFontMetrics& fm, const QStringList& nomi)
{
    int larghezza = 0;
    for (const QString& nome : nomi) larghezza = qMax(larghezza, fm.horizontalAdvance(NomeInRiga(fm, nome)));
    return larghezza;
}

QString SuggerimentoTesto(const QString& testo)
{
    return Qt::mightBeRichText(testo) ? Qt::convertFromPlainText(testo, Qt::WhiteSpaceNormal) : testo;
}

void TestoSemplice(QObject* w)
{
    if (auto* etichetta = qobject_cast<QLabel*>(w)) etichetta->setTextFormat(Qt::PlainText);
}

QString DidascaliaDi(const QObject* w, const QString& testo)
{
    return qobject_cast<const QAbstractButton*>(w) ? TestoSenzaTastoRapido(testo) : testo;
}

QString NomeInTitolo(const QFontMetrics& fm, const QString& nome)
{
    return TestoSenzaTastoRapido(NomeInRiga(fm, nome));
}

QString IncontroInRiga(const QString& casa, const QString& ospite)
{
    return TestoInRiga(casa) + QLatin1String(SeparatoreIncontro) + TestoInRiga(ospite);
}

int LarghezzaMassimaNome(const QFontMetrics& fm)
{
    return fm.horizontalAdvance(QString(CaratteriNomeMassimi, QLatin1Char('n')));
}

QString NomeInRiga(const QFontMetrics& fm, const QString& nome, bool* tagliato, int larghezza)
{
    // Cut before it is set apart, so that the cut cannot take away the mark that closes it.
    const QString pulito = SenzaControlli(nome);
    const QString corto = fm.elidedText(pulito, Qt::ElideRight, larghezza < 0 ? LarghezzaMassimaNome(fm) : larghezza);
    if (tagliato) *tagliato = corto != pulito;
    return TestoInRiga(corto);
}

QString IncontroInRiga(const QFontMetrics& fm, const QString& casa, const QString& ospite, bool* tagliato,
                       int larghezza)
{
    int perCasa = -1, perOspite = -1;
    if (larghezza >= 0) {
        const int stanza = qMax(0, larghezza - fm.horizontalAdvance(QLatin1String(SeparatoreIncontro)));
        const int meta = stanza / 2;
        // A px more than the rounded width: the cut measures the name to a fraction of a px.
        const auto serve = [&fm](const QString& nome) { return fm.horizontalAdvance(SenzaControlli(nome)) + 1; };
        const int serveOspite = serve(ospite);
        perCasa = serveOspite < meta ? stanza - serveOspite : qMin(meta, serve(casa));
        perOspite = stanza - perCasa;
    }
    bool casaTagliata = false, ospiteTagliato = false;
    const QString riga = NomeInRiga(fm, casa, &casaTagliata, perCasa) + QLatin1String(SeparatoreIncontro) +
                         NomeInRiga(fm, ospite, &ospiteTagliato, perOspite);
    if (tagliato) *tagliato = casaTagliata || ospiteTagliato;
    return riga;
}

QString TestoInRiga(const QString& testo)
{
    if (std::all_of(testo.cbegin(), testo.cend(), Semplice)) return testo;
    QString riga;
    riga.reserve(testo.size() + 2);
    int aperti = 0;        // isolates opened inside the text and not closed yet
    bool isolare = false;  // the text can turn the text around it
    for (qsizetype i = 0; i < testo.size();) {
        const qsizetype inizio = i;
        char32_t c = testo.at(i++).unicode();
        if (QChar::isHighSurrogate(c) && i < testo.size() && testo.at(i).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), testo.at(i++).unicode());
        if (Controllo(c)) {
            riga += QLatin1Char(' ');
            continue;
        }
        switch (QChar::direction(c)) {
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
            ++aperti;
            isolare = true;
            break;
        case QChar::DirPDI:
            isolare = true;
            if (aperti == 0) continue;
            --aperti;
            break;
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirRLE:
        case QChar::DirLRO:
        case QChar::DirRLO:
        case QChar::DirPDF: isolare = true; break;
        default: break;
        }
        riga += QStringView(testo).sliced(inizio, i - inizio);
    }
    if (!isolare) return riga;
    riga += QString(aperti, QChar(FINE_ISOLATO));
    // In front, a LEFT-TO-RIGHT MARK and the FIRST STRONG ISOLATE. The mark keeps the line left to right where its
    // direction is taken from its first letter without skipping isolates, as the text documents of selectable labels
    // do: "<name> - Foggia" stays in that order.
    return QStringLiteral("\u200E\u2068") + riga + QChar(FINE_ISOLATO);
}
