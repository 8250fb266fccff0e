#pragma once

#include <QDialog>

class QLineEdit;

// The small modal dialog of the match-day entry for the dates and kick-off times of one pairing in
// both legs. It edits DateOrariPartite(RigaSelezionata) of the shared state: OK writes the four texts
// back, Annulla leaves them as they were.
class DateOrarioDialog : public QDialog {
    Q_OBJECT
public:
    // `casa` and `ospite` name the pairing in the heading ("SQ1 - SQ2").
    DateOrarioDialog(const QString& casa, const QString& ospite, QWidget* parent = nullptr);

    void accept() override;

private:
    QLineEdit* casella(const QString& nome);

    QLineEdit* dataAndata_ = nullptr;   // first-leg date
    QLineEdit* oraAndata_ = nullptr;    // first-leg time
    QLineEdit* dataRitorno_ = nullptr;  // return-leg date
    QLineEdit* oraRitorno_ = nullptr;   // return-leg time
};
