#include "ambientetest.h"

#include "core/campionato.h"
#include "core/database.h"
#include "platform/stileprogramma.h"
#include "support/finestraditest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

// What an environment owns; dropped as a whole, in reverse order, when the environment is taken down.
struct AmbienteTest::Parti {
    Parti(CartellaTemporanea::Omissioni omissioni, const QList<int>& senzaModelli) : cartella(omissioni, senzaModelli)
    {
    }

    CartellaTemporanea cartella;
    QTemporaryDir lavoro;
    QString cartellaPrecedente = QDir::currentPath();
    MessaggiDiTest messaggi;
    QMainWindow principale;
    QMdiArea* area = nullptr;
};

AmbienteTest* AmbienteTest::attuale_ = nullptr;

AmbienteTest::AmbienteTest(Registrazione registra, CartellaTemporanea::Omissioni omissioni,
                           const QList<int>& senzaModelli)
{
    monta(registra, omissioni, senzaModelli, true);
}

AmbienteTest::AmbienteTest(SenzaPrincipale) { monta(nullptr, CartellaTemporanea::Nessuna, {}, false); }

void AmbienteTest::monta(Registrazione registra, CartellaTemporanea::Omissioni omissioni,
                         const QList<int>& senzaModelli, bool principale)
{
    // The previous environment goes before anything of the new one is built: its windows, file, folders
    // and seam would otherwise outlive the registrations and folder set up here.
    if (attuale_) attuale_->smonta();
    StileProgramma::installa();  // the windows drawn as the program draws them
    AzzeraStato();
    ChiudiDbCampionato();
    Finestre::istanza().azzera();
    FinestraDiTest::diario().clear();
    SeamMessaggi::svuota();

    parti_ = std::make_unique<Parti>(omissioni, senzaModelli);
    attuale_ = this;
    stato().PercorsoImpostazioni = parti_->cartella.file(QStringLiteral("golvarno.def"));
    stato().MostraSchedaCampionato = false;
    if (registra) registra();
    if (principale) {
        QMainWindow& finestra = parti_->principale;
        parti_->area = new QMdiArea(&finestra);
        finestra.setCentralWidget(parti_->area);
        finestra.resize(1100, 760);
        Finestre::istanza().impostaArea(parti_->area);
        finestra.show();
        if (!QTest::qWaitForWindowActive(&finestra)) qWarning("la finestra principale non si è attivata");
    }
    QDir::setCurrent(parti_->lavoro.path());
}

AmbienteTest::~AmbienteTest() { smonta(); }

void AmbienteTest::smonta()
{
    if (!parti_) return;
    Finestre::istanza().azzera();
    Finestre::istanza().impostaArea(nullptr);
    ChiudiDbCampionato();
    QDir::setCurrent(parti_->cartellaPrecedente);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    parti_.reset();
    if (attuale_ == this) attuale_ = nullptr;
}

CartellaTemporanea& AmbienteTest::cartella() const { return parti_->cartella; }
MessaggiDiTest& AmbienteTest::messaggi() const { return parti_->messaggi; }
QMdiArea* AmbienteTest::area() const { return parti_->area; }
QString AmbienteTest::percorso(const QString& nome) const { return QDir(parti_->lavoro.path()).filePath(nome); }

FixtureCampionato AmbienteTest::nuovo(int squadre)
{
    FixtureCampionato f(percorso(QStringLiteral("c%1.GVN").arg(++file_)));
    f.squadre(squadre);
    return f;
}

FixtureCampionato AmbienteTest::piuGrande()
{
    return FixtureCampionato::piuGrande(percorso(QStringLiteral("grande.GVN")));
}

DatiFixture AmbienteTest::apri(FixtureCampionato f) { return f.creaECarica(); }

bool AmbienteTest::caricata(const QString& id) { return Finestre::istanza().caricata(id); }

QMdiSubWindow* AmbienteTest::cornice(const QString& id)
{
    Finestra* w = Finestre::istanza().finestra(id);
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

bool AmbienteTest::contenuta(const QString& id)
{
    const QMdiSubWindow* s = cornice(id);
    if (!s) return false;
    const QSize minimo = Finestre::istanza().finestra(id)->minimumSizeHint();
    return s->contentsRect().width() >= minimo.width() && s->contentsRect().height() >= minimo.height();
}

void AmbienteTest::foto(QWidget* w, const QString& nome)
{
    const QString cartella = qEnvironmentVariable("GOLVARNO_FOTO");
    if (!cartella.isEmpty() && w) w->grab().save(QDir(cartella).filePath(nome));
}

QByteArray AmbienteTest::impronta(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
