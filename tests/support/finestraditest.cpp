#include "finestraditest.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FinestraDiTest::FinestraDiTest(const QString& id) : Finestra(id)
{
    setWindowTitle(QStringLiteral("Finestra %1").arg(id));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(new QLabel(QStringLiteral("Finestra di prova %1").arg(id), this));
    chiudi_ = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi_->setObjectName(QStringLiteral("Chiudi"));
    colonna->addWidget(chiudi_);
    connect(chiudi_, &QPushButton::clicked, this, [this] {
        chiudi();
        // The handler goes on after asking for the unload, as window handlers do.
        chiudi_->setText(QStringLiteral("Chiusa"));
        diario() << objectName() + QStringLiteral(" dopo chiudi");
    });
}

FinestraDiTest::~FinestraDiTest() { diario() << id() + QStringLiteral(" distrutta"); }

void FinestraDiTest::carica()
{
    ++caricamenti;
    diario() << id() + QStringLiteral(" carica");
    if (durante_carica) durante_carica(*this);
}

void FinestraDiTest::attiva()
{
    ++attivazioni;
    diario() << id() + QStringLiteral(" attiva");
    if (durante_attiva) durante_attiva(*this);
}

void FinestraDiTest::attivaDallUtente()
{
    ++attivazioni;
    diario() << id() + QStringLiteral(" attiva dall'utente");
    if (durante_attiva) durante_attiva(*this);
}

bool FinestraDiTest::scarica()
{
    ++scaricamenti;
    diario() << id() + (rifiutaScarico ? QStringLiteral(" rifiuta") : QStringLiteral(" scarica"));
    return !rifiutaScarico;
}

QStringList& FinestraDiTest::diario()
{
    static QStringList d;
    return d;
}

void FinestraDiTest::registra(const QString& id, std::function<void(FinestraDiTest&)> prepara)
{
    Finestre::istanza().registra(id, [id, prepara]() -> Finestra* {
        auto* w = new FinestraDiTest(id);
        if (prepara) prepara(*w);
        return w;
    });
}

FinestraDiTest* FinestraDiTest::di(const QString& id)
{
    return qobject_cast<FinestraDiTest*>(Finestre::istanza().finestra(id));
}
