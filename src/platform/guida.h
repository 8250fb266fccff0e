#pragma once

#include <QString>

// The help file: an HTML document in which each topic starts at an anchor named "ctx-<context>".
// Nothing happens while no help file is set (the program folder has none).
class Guida {
public:
    static void imposta(const QString& percorsoFile);  // "" : no help
    static QString file();
    static bool disponibile();

    // Shows the help window at the topic of `contesto` (the first topic when it has none).
    static void apri(int contesto);
    static QString ancora(int contesto) { return QStringLiteral("ctx-%1").arg(contesto); }
    static int ultimoContesto();  // the context last asked for, -1 before any
};
