#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QStringList>
#include <QVector>

class QCheckBox;
class Azione;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// Form36: the next season of the open championship, in four steps: the new file and name, the teams
// that leave, the teams that join, and a summary. The open file is copied; the copy becomes the open
// championship and the old file stays as it was.
class NuovaStagioneWizard : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::NuovaStagione;

    explicit NuovaStagioneWizard(QWidget* parent = nullptr);

    void carica() override;

    static constexpr int MassimoSquadre = 20;
    static constexpr int MassimoNuove = 12;

private:
    QGroupBox* costruisciFaseFile();
    QGroupBox* costruisciFaseEliminate();
    QGroupBox* costruisciFaseNuove();
    QGroupBox* costruisciFaseRiepilogo();

    int fase() const;
    void avanti();
    void indietro();
    void mostraFaseNuovoFile();
    void controllaNomeFile();
    void mostraFaseNuoveSquadre();
    void controllaNuoveSquadre();
    void mostraRiepilogo();
    void completaNuovaStagione();
    void mostraCaselleNuove();
    void mostraPagina(QGroupBox* frame, const QString& numero);
    QString percorsoNuovoFile() const;

    QLabel* numeroFase_ = nullptr;  // the current step, "1" to "4"
    QStackedWidget* fasi_ = nullptr;
    QGroupBox* faseFile_ = nullptr;
    QGroupBox* faseEliminate_ = nullptr;
    QGroupBox* faseNuove_ = nullptr;
    QGroupBox* faseRiepilogo_ = nullptr;

    QLineEdit* nomeFile_ = nullptr;       // new file name
    QLineEdit* estensione_ = nullptr;     // its extension
    QLineEdit* denominazione_ = nullptr;  // the new championship's name
    QVector<QCheckBox*> eliminare_;       // one per team of the open championship
    QLineEdit* numeroNuove_ = nullptr;    // number of new teams
    QVector<QLabel*> etichetteNuove_;
    QVector<QLineEdit*> nomiNuove_;  // new team names
    QLineEdit* riepilogoFile_ = nullptr;
    QLineEdit* riepilogoDenominazione_ = nullptr;
    QListWidget* riepilogoEliminate_ = nullptr;
    QListWidget* riepilogoNuove_ = nullptr;

    Azione* indietro_ = nullptr;
    Azione* avanti_ = nullptr;  // Avanti / Fatto

    QString NomeNuovoFile;
    QStringList SquadreDaEliminare;
    QVector<int> codiciDaEliminare_;  // SQUADRA.CODICE of the same teams
    QStringList SquadreDaInserire;
};
