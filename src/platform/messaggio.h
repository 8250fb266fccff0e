#pragma once

#include <functional>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Message boxes, input boxes and the open-file dialog, in the system's styles.
// Texts keep their single carriage returns as data; they are shown as line breaks, as plain text.
class Messaggio {
public:
    enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
    enum class Icona { Nessuna, Critica, Domanda, Esclamazione, Informazione };
    enum class Risposta { Ok, Annulla, Si, No };

    // What a box asked: tests read it back through the seam.
    struct Richiesta {
        enum class Tipo { Messaggio, Input, ApriFile };
        Tipo tipo = Tipo::Messaggio;
        QString testo;  // the message, or the input prompt, as given (carriage returns kept)
        QString titolo;
        Pulsanti pulsanti = Pulsanti::Ok;
        Icona icona = Icona::Nessuna;
        int predefinito = 0;     // index of the default button, 0 = the first
        int contestoGuida = -1;  // -1: no Help button
        QString valoreIniziale;  // input box default text, or the open dialog's file name
        QString filtro;          // open dialog filter, in the "Descr (*.X)|*.X|..." form
    };

    // A message box. `predefinito` is the index of the default button (0 first).
    // `contestoGuida` >= 0 adds a Help button that opens help at that context without closing the box.
    static Risposta mostra(const QString& testo, Pulsanti pulsanti = Pulsanti::Ok, Icona icona = Icona::Nessuna,
                           const QString& titolo = QStringLiteral("Golvarno 2000"), int predefinito = 0,
                           int contestoGuida = -1);

    // Shorthands for the system's usual boxes.
    static void informa(const QString& testo, const QString& titolo);   // OK, information icon
    static void errore(const QString& testo, const QString& titolo);    // OK, stop icon
    static void avvisa(const QString& testo, const QString& titolo);    // OK, exclamation icon
    static bool conferma(const QString& testo, const QString& titolo);  // Yes/No, question icon: true on Yes
    // Unsaved edits before the window moves on or closes: asks `domanda` (Yes, No, Cancel). True when it
    // may go on: No, or Yes and `salva` wrote them; Cancel, or a save refused or failed, keeps them.
    static bool salvarePrima(const QString& domanda, const QString& titolo, const std::function<bool()>& salva);

    // An input box; returns the typed text, or an empty text and *annullato = true on cancel.
    static QString input(const QString& prompt, const QString& titolo, const QString& predefinito = QString(),
                         bool* annullato = nullptr);

    // The open-file dialog. `filtro` uses the system's "Descr (*.X)|*.X|Descr2 (*.*)|*.*|" form;
    // `nomeIniziale` is the file name (or full path) offered. Returns the chosen path or "" on cancel.
    static QString apriFile(const QString& titolo, const QString& filtro, const QString& nomeIniziale = QString());

    // A text with its carriage returns turned into line breaks for display.
    static QString perVisualizzare(const QString& testo);

    // Window the boxes are parented to (the main window); null: the active window.
    static void impostaFinestraPrincipale(QWidget* w);
};

// The test seam: while active, no dialog is shown. Tests queue the answers they expect;
// each box takes the next one and is recorded. A box with no answer queued is recorded as
// unexpected and answered with its cancelling choice, so the test can fail on it.
class SeamMessaggi {
public:
    static void attiva();
    static void disattiva();
    static bool attivo();

    static void accoda(Messaggio::Risposta risposta);
    static void accodaTesto(const QString& testo);    // the next input box returns this text
    static void accodaAnnullaInput();                 // the next input box is cancelled
    static void accodaFile(const QString& percorso);  // the next open dialog returns this ("" = cancel)

    static const QList<Messaggio::Richiesta>& mostrati();
    static Messaggio::Richiesta ultimo();
    static QStringList inattesi();  // descriptions of boxes that came with no answer queued
    static int inCoda();            // answers queued and not used yet
    static void svuota();           // forget boxes shown, answers queued and unexpected boxes
};
