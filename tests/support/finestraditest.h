#pragma once

#include "platform/finestre.h"

#include <functional>
#include <QStringList>

class QPushButton;

// A window for the registry's tests: it counts its hooks, can refuse to unload, and has a
// button ("Chiudi") that unloads the window from its own click handler.
class FinestraDiTest : public Finestra {
    Q_OBJECT
public:
    explicit FinestraDiTest(const QString& id);
    ~FinestraDiTest() override;

    void carica() override;
    void attiva() override;
    void attivaDallUtente() override;
    bool scarica() override;

    QPushButton* pulsanteChiudi() const { return chiudi_; }

    int caricamenti = 0;
    int attivazioni = 0;
    int scaricamenti = 0;
    bool rifiutaScarico = false;
    std::function<void(FinestraDiTest&)> durante_carica;  // run inside carica()
    std::function<void(FinestraDiTest&)> durante_attiva;  // run inside attiva() and attivaDallUtente()

    // What every test window did, in order ("Form1 carica", "Form2 attiva", "Form2 attiva dall'utente",
    // "Form1 distrutta").
    static QStringList& diario();
    // Registers a factory for `id` that builds a FinestraDiTest; `prepara` may configure it.
    static void registra(const QString& id, std::function<void(FinestraDiTest&)> prepara = {});
    // The loaded test window of `id`, or null.
    static FinestraDiTest* di(const QString& id);

private:
    QPushButton* chiudi_;
};
