#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;
class QObject;

// A text from the data (a team's, a player's or a championship's name) for a display on one line: a caption, a
// label, a list entry, or one of several names put together in such a text ("Bari - Como").
//  - every control character (tab, line feed, the C0 and C1 codes, the line and paragraph separators) shows as a
//    blank, so the text stays on its line and nothing after it is pushed out of sight;
//  - a text that holds right-to-left letters or direction marks is set apart as an isolate (U+2068 ... U+2069,
//    after a left-to-right mark U+200E): it reads in its own direction, no override or embedding opened inside it
//    reaches the text around it, and the line stays left to right even when the text comes first.
//    A direction mark that would close the isolate early is dropped, one left open is closed at the end.
// Any other text comes back as it is. Put each name through it on its own, never the text put together.
QString TestoInRiga(const QString& testo);

// The text with every control character (tab, line feed, ...) and line or paragraph separator as a blank, and
// nothing else changed: a name as stored, kept on its line where direction marks have no place (a copied table).
QString SenzaControlli(const QString& testo);

// A pairing "home - away" for a one-line text, each name on one line and set apart on its own.
QString IncontroInRiga(const QString& casa, const QString& ospite);
// What stands between the two names of a pairing.
inline constexpr char SeparatoreIncontro[] = " - ";

// Where a widget does not cut a long text by itself (a label, a tick box, a list entry, a drop-down list's size), a
// name from the data takes at most about this many characters of its font: longer ones are cut with "…".
inline constexpr int CaratteriNomeMassimi = 32;
// That width in `fm`: CaratteriNomeMassimi letters "n".
int LarghezzaMassimaNome(const QFontMetrics& fm);
// TestoInRiga(nome), cut with "…" where it is wider than `larghezza` (-1: LarghezzaMassimaNome(fm)); *tagliato
// tells whether it was (the caller then shows the whole name in the widget's tooltip).
QString NomeInRiga(const QFontMetrics& fm, const QString& nome, bool* tagliato = nullptr, int larghezza = -1);
// The widest of `nomi` as NomeInRiga shows them in `fm` (so at most LarghezzaMassimaNome), in px.
int LarghezzaNomi(const QFontMetrics& fm, const QStringList& nomi);
// A pairing "home - away" within `larghezza` px of `fm`, each name cut on its own (NomeInRiga), so that both show:
// the room is split between the two names, and a name that needs less than its half leaves the rest to the other.
// -1: each name within LarghezzaMassimaNome(fm). *tagliato tells whether a name was cut (the caller then shows the
// whole pairing, IncontroInRiga(casa, ospite), in the widget's tooltip).
QString IncontroInRiga(const QFontMetrics& fm, const QString& casa, const QString& ospite, bool* tagliato = nullptr,
                       int larghezza = -1);
// A text from the data as a tooltip, shown as it stands: Qt reads a tooltip that looks like markup ("<b>", "<img
// src=...>", "&lt;") as rich text, so such a text is handed over escaped. Any other text comes back as it is.
QString SuggerimentoTesto(const QString& testo);

// A label shows a name as plain text: in Qt's automatic format a name that looks like markup would be read as rich
// text (a tag changes how it looks, an image tag opens the file it names). Other widgets show their text plain.
void TestoSemplice(QObject* w);
// A name as the title of a group box or a tab, where a "&" would mark the access key: NomeInRiga of `fm`, its "&"
// doubled.
QString NomeInTitolo(const QFontMetrics& fm, const QString& nome);
// `testo` as the caption of `w` that shows it as it stands: on a button or a tick box a "&" would mark the access
// key, so it is doubled; any other widget takes it as it is.
QString DidascaliaDi(const QObject* w, const QString& testo);

// A name in a widget that shows one text (a label, a tick box): NomeInRiga of its font, shown as plain text, and the
// whole name as its tooltip when cut (no tooltip otherwise).
template <typename Widget> void MostraNome(Widget* w, const QString& nome)
{
    bool tagliato = false;
    TestoSemplice(w);
    w->setText(DidascaliaDi(w, NomeInRiga(w->fontMetrics(), nome, &tagliato)));
    w->setToolTip(tagliato ? SuggerimentoTesto(nome) : QString());
}

// The same for a pairing (IncontroInRiga of the widget's font within `larghezza`), the whole pairing as its tooltip
// when a name is cut.
template <typename Widget>
void MostraIncontro(Widget* w, const QString& casa, const QString& ospite, int larghezza = -1)
{
    bool tagliato = false;
    TestoSemplice(w);
    w->setText(DidascaliaDi(w, IncontroInRiga(w->fontMetrics(), casa, ospite, &tagliato, larghezza)));
    w->setToolTip(tagliato ? SuggerimentoTesto(IncontroInRiga(casa, ospite)) : QString());
}
