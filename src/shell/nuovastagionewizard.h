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
    void MostraFaseNuovoFile();
    void ControllaNomeFile();
    void MostraFaseNuoveSquadre();
    void ControllaNuoveSquadre();
    void MostraRiepilogo();
    void CompletaNuovaStagione();
    void mostraCaselleNuove();
    void mostraPagina(QGroupBox* frame, const QString& numero);
    QString percorsoNuovoFile() const;

    QLabel* label7_ = nullptr;  // the current step, "1" to "4"
    QStackedWidget* fasi_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;

    QLineEdit* text1_ = nullptr;  // new file name
    QLineEdit* text2_ = nullptr;  // its extension
    QLineEdit* text3_ = nullptr;  // the new championship's name
    QVector<QCheckBox*> check1_;  // one per team of the open championship
    QLineEdit* text5_ = nullptr;  // number of new teams
    QVector<QLabel*> label4_;
    QVector<QLineEdit*> text4_;  // new team names
    QLineEdit* text6_ = nullptr;
    QLineEdit* text7_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;

    Azione* indietro_ = nullptr;
    Azione* avanti_ = nullptr;  // Avanti / Fatto

    QString NomeNuovoFile;
    QStringList SquadreDaEliminare;
    QVector<int> codiciDaEliminare_;  // SQUADRA.CODICE of the same teams
    QStringList SquadreDaInserire;
};
