#pragma once

#include <functional>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QMdiArea;
class QMdiSubWindow;

// Base of every child window. The window id (e.g. "Form6") is its objectName.
// The registry calls carica() once when the window is created, and scarica() when it is unloaded.
// Each time the window becomes the active child it runs one of two hooks, by who brought it there:
//  - attiva() when a command shows it (Finestre::mostra, also right after loading, and again when it is
//    shown while already active): the command has set the hand-over variables for it;
//  - attivaDallUtente() when the user brings it forward (a click into it, the area's own switching, the
//    window left in front when another closes): nothing was handed over for it. A window that follows the
//    hand-over (a match day, a match) keeps what it shows there and hands that over to the other windows,
//    so that what the user types goes where the user clicked. By default it runs attiva().
// Closing the window (its close box, or QWidget::close()) unloads it through the registry.
class Finestra : public QWidget {
    Q_OBJECT
public:
    explicit Finestra(const QString& id, QWidget* parent = nullptr);
    QString id() const { return objectName(); }

    // Help context opened by F1 while this window is active (-1: none).
    int contestoGuida() const { return contestoGuida_; }
    void impostaContestoGuida(int c) { contestoGuida_ = c; }

    // Caption, icon (a name of our icon set) and help context, set together by every window.
    void impostaAspetto(const QString& titolo, const QString& icona, int contesto = -1);

    // Unloads this window through the registry (as Finestre::scarica), when it is still the registry's window of its
    // id. Safe from the window's own handlers: the object stays alive until control returns to the event loop.
    void chiudi();

    // Hides the window without unloading it (it stays loaded, with its contents).
    void nascondi();
    // What is shown on screen: the MDI sub-window that holds the window, or the window itself.
    QWidget* contenitore() const;

    // Hooks, run by the registry.
    virtual void carica() {}
    virtual void attiva() {}
    virtual void attivaDallUtente() { attiva(); }
    // Return false to stay loaded (e.g. the user cancelled a save question).
    virtual bool scarica() { return true; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    int contestoGuida_ = -1;
};

// Marks a modal loop of the program (a message box, a modal window, a dialog) while it is open. A window can be
// unloaded during such a loop (a screen reader presses its close button while a box is up): it is then hidden and
// forgotten at once as always, but its objects are deleted only once the last modal loop has ended and the code
// that opened it has returned to the event loop, because that code may be the window's own and run on after the
// box. So no window has to ask whether it still exists after a box.
class CicloModale {
public:
    CicloModale();
    ~CicloModale();
    CicloModale(const CicloModale&) = delete;
    CicloModale& operator=(const CicloModale&) = delete;
};

// The window registry: one instance per window id for the whole run.
class Finestre : public QObject {
    Q_OBJECT
public:
    using Fabbrica = std::function<Finestra*()>;

    static Finestre& istanza();

    // The main window's MDI area that holds the modeless windows.
    void impostaArea(QMdiArea* area);
    QMdiArea* area() const;

    // Feature folders register a factory per window id; commands of unregistered ids stay disabled.
    void registra(const QString& id, Fabbrica fabbrica);
    bool registrata(const QString& id) const;
    QStringList registrate() const;

    // Loads the window when needed, shows it modeless, brings it to the front and activates it.
    // Returns null when the id has no factory or the window unloaded itself while loading.
    Finestra* mostra(const QString& id);
    // Loads the window when needed and shows it application-modal, outside the MDI area; returns
    // when it has been unloaded or hidden.
    void mostraModale(const QString& id);
    // Loads without showing (the window's carica() runs).
    Finestra* carica(const QString& id);

    // Never create a window.
    bool caricata(const QString& id) const;
    bool visibile(const QString& id) const;
    Finestra* finestra(const QString& id) const;

    // Unloads the window: runs its scarica() hook, then hides it and forgets it at once (caricata()
    // is false and the next mostra() loads a new instance); the object itself is deleted once control
    // returns to the event loop, so a window may unload itself from its own handlers.
    void scarica(const QString& id);
    // The same, telling whether the window is gone: false when its scarica() refused.
    bool scaricaSubito(const QString& id);

    // Unloads every visible window, leaving loaded hidden ones alone (used before opening another championship).
    // False when a window refused to unload (the user cancelled its save question): it stays open.
    bool chiudiVisibili();
    // Unloads every window; false if one refused (the main window's close box).
    bool scaricaTutte();

    // The active MDI child (or, without an MDI area, the window activated last); null when none.
    Finestra* finestraAttiva() const;
    // What F1 does: help at the context of the window in front (a modal window first, then the
    // active child); the first topic when it has none. Nothing when there is no help file.
    void apriGuida();

    // Forgets every window and factory (tests): loaded windows are deleted without their hooks.
    void azzera();

signals:
    void registrazioneCambiata(const QString& id);
    void finestraScaricata(const QString& id);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend class CicloModale;
    Finestre();
    // Deletes a window's object once control is back in the event loop and no modal loop is open.
    void eliminaDopo(QWidget* w);
    Finestra* creaSeServe(const QString& id);
    void inserisciNellArea(Finestra* w);
    void attivazione(Finestra* w);
    void sottoFinestraAttivata(QMdiSubWindow* sotto);
    void attivaDavanti();
    // Keeps a child frame within the area's visible part: no larger than it, moved back into it, and what it holds
    // needing no more room than the area gives (its grids scroll, or the whole window does). It runs when the frame
    // appears, whenever it is resized (by its window or by the user), and when it is maximized or restored.
    void tieniInVista(QWidget* sotto);
    // A modal window, no larger than the screen's work area and wholly on it.
    static void tieniSulloSchermo(QWidget* w);
    Finestra* davanti() const;

    QHash<QString, Fabbrica> fabbriche_;
    QHash<QString, QPointer<Finestra>> finestre_;
    QPointer<QMdiArea> area_;
    QPointer<Finestra> ultimaAttiva_;       // the child whose activation hook ran last
    QPointer<Finestra> richiesta_;          // the window a command is showing, while Finestre::mostra runs
    QStringList inScarico_;                 // windows whose scarica() hook is running
    int cicliModali_ = 0;                   // modal loops open (CicloModale)
    QList<QPointer<QWidget>> daEliminare_;  // unloaded while a modal loop was open
};
