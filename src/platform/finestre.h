#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

// Base of every child window. The window id (e.g. "Form6") is its objectName.
// The registry calls carica() once when the window is created, attiva() each time it becomes
// the active child (also right after loading), and scarica() when it is unloaded.
class Finestra : public QWidget {
    Q_OBJECT
public:
    explicit Finestra(const QString& id, QWidget* parent = nullptr);
    QString id() const { return objectName(); }

    // Help context opened by F1 while this window is active (-1: none).
    int contestoGuida() const { return contestoGuida_; }
    void impostaContestoGuida(int c) { contestoGuida_ = c; }

    // Asks the registry to unload this window once the current event is over.
    // Safe from the window's own handlers.
    void chiudi();

    // Hooks, run by the registry.
    virtual void carica() {}
    virtual void attiva() {}
    // Return false to stay loaded (e.g. the user cancelled a save question).
    virtual bool scarica() { return true; }

private:
    int contestoGuida_ = -1;
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
    Finestra* mostra(const QString& id);
    // Loads the window when needed and shows it modal; returns when it has been closed/unloaded.
    void mostraModale(const QString& id);
    // Loads without showing (the window's carica() runs).
    Finestra* carica(const QString& id);

    // Never create a window.
    bool caricata(const QString& id) const;
    bool visibile(const QString& id) const;
    Finestra* finestra(const QString& id) const;

    // Unloads the window (runs scarica(); deferred to the end of the current event).
    void scarica(const QString& id);
    // Unloads at once (for the main window's close and for tests); returns false when a window refused.
    bool scaricaSubito(const QString& id);

    // Unloads every visible window, leaving loaded hidden ones alone (used before opening another championship).
    void chiudiVisibili();
    // Unloads every window; false if one refused (the main window's close box).
    bool scaricaTutte();

    // Forgets every window and factory (tests).
    void azzera();

signals:
    void registrazioneCambiata(const QString& id);
    void finestraScaricata(const QString& id);

private:
    Finestre() = default;
    QHash<QString, Fabbrica> fabbriche_;
    QHash<QString, QPointer<Finestra>> finestre_;
    QPointer<QMdiArea> area_;
};
