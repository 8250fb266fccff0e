#pragma once

#include <QString>

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
