#pragma once

#include "platform/messaggio.h"

#include <QTest>

// Replaces every dialog for the lifetime of the object. At the end of a test case call
// VERIFICA_NESSUN_MESSAGGIO_INATTESO() (or check inattesi()) so that an unexpected box fails it.
class MessaggiDiTest {
public:
    MessaggiDiTest() { SeamMessaggi::attiva(); }
    ~MessaggiDiTest() { SeamMessaggi::disattiva(); }

    MessaggiDiTest& si() { return risposta(Messaggio::Risposta::Si); }
    MessaggiDiTest& no() { return risposta(Messaggio::Risposta::No); }
    MessaggiDiTest& ok() { return risposta(Messaggio::Risposta::Ok); }
    MessaggiDiTest& annulla() { return risposta(Messaggio::Risposta::Annulla); }
    MessaggiDiTest& risposta(Messaggio::Risposta r)
    {
        SeamMessaggi::accoda(r);
        return *this;
    }
    MessaggiDiTest& testo(const QString& t)
    {
        SeamMessaggi::accodaTesto(t);
        return *this;
    }
    MessaggiDiTest& file(const QString& percorso)
    {
        SeamMessaggi::accodaFile(percorso);
        return *this;
    }

    const QList<Messaggio::Richiesta>& mostrati() const { return SeamMessaggi::mostrati(); }
    Messaggio::Richiesta ultimo() const { return SeamMessaggi::ultimo(); }
    int quanti() const { return int(SeamMessaggi::mostrati().size()); }
    void svuota() const { SeamMessaggi::svuota(); }
};

// Fails the current test when a box came with no answer queued, or an answer was left unused.
#define VERIFICA_NESSUN_MESSAGGIO_INATTESO()                                                                           \
    do {                                                                                                               \
        QVERIFY2(SeamMessaggi::inattesi().isEmpty(),                                                                   \
                 qPrintable("Messaggi inattesi: " + SeamMessaggi::inattesi().join(" || ")));                           \
        QCOMPARE(SeamMessaggi::inCoda(), 0);                                                                           \
    } while (0)
