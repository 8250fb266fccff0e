#pragma once

#include <QString>
#include <QVector>

// The help file of the program folder, "golvarno.hlp": one HTML document (UTF-8) in which
// each topic begins at a heading that carries the anchor "ctx-<context>", the context number
// the windows ask for. The first topic is the introduction, context 1.

struct ArgomentoGuida {
    int contesto = 0;
    QString titolo;  // plain text
    QString testo;   // HTML body of the topic, without its heading
};

// The topics in the order they appear in the document.
QVector<ArgomentoGuida> ArgomentiGuida();

// The whole document: heading, index of the topics, then every topic.
QString DocumentoGuida();

// Writes the document at `percorso` in UTF-8, replacing any file there.
bool GeneraGuida(const QString& percorso, QString* errore = nullptr);
