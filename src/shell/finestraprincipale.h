#pragma once

#include <QHash>
#include <QMainWindow>

class QAction;
class QMdiArea;
class Pannello;

// The main window MDI1: the menu bar, the toolbar across the top and the area that holds every
// child window. Loading it finds the help file, the settings database and the card bitmaps; its
// first activation reads the settings, offers the introduction and carries out its choice.
class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraPrincipale(QWidget* parent = nullptr);
    ~FinestraPrincipale() override;

    QMdiArea* area() const { return area_; }
    QAction* azione(const QString& nome) const { return azioni_.value(nome); }
    // The toolbar's panels, left to right.
    const QList<Pannello*>& pulsanti() const { return pulsanti_; }

    // Runs every time the main window becomes the active window; the first time it reads the
    // settings and may show the introduction.
    void attivazione();

    // Runs the menu command of the toolbar button with that index, as a click on the button does.
    void eseguiPulsante(int indice);

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void caricamento();
    void creaMenu();
    void creaBarra();
    void aggiornaTitolo(const QString& titolo);
    void accodaAttivazione();

    QMdiArea* area_ = nullptr;
    QHash<QString, QAction*> azioni_;
    QList<Pannello*> pulsanti_;
    bool attivazioneInCoda_ = false;
};
