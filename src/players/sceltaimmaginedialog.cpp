#include "players/sceltaimmaginedialog.h"

#include "core/stato.h"
#include "core/utilita.h"
#include "platform/azione.h"
#include "platform/messaggio.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStorageInfo>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString TITOLO = QStringLiteral("Selezionare l'immagine");
const QString TITOLO_MESSAGGI = QStringLiteral("Golvarno 2000");
const QString SELEZIONARE = QStringLiteral("Selezionare un file!");
constexpr int RUOLO_PERCORSO = Qt::UserRole;
constexpr int LATO_ANTEPRIMA = 220;

void MessaggioNonValido()
{
    Messaggio::errore(QStringLiteral("L'immagine selezionata non ha un formato valido. Golvarno può visualizzare "
                                     "soltanto immagini in formato Bitmap (BMP).\r\rNon selezionare questo file "
                                     "perché non verrà visualizzata."),
                      QStringLiteral("File non valido"));
}

void MessaggioTroppoGrande(const QSize& lato)
{
    Messaggio::errore(QStringLiteral("L'immagine selezionata è troppo grande (%1 x %2 punti): Golvarno non può "
                                     "visualizzarla.\r\rNon selezionare questo file perché non verrà visualizzata.")
                          .arg(lato.width())
                          .arg(lato.height()),
                      QStringLiteral("Immagine troppo grande"));
}

QString ConSeparatore(const QString& cartella)
{
    return cartella.endsWith(QLatin1Char('/')) ? cartella : cartella + QLatin1Char('/');
}

}  // namespace

EsitoImmagine CaricaImmagine(const QString& percorso, QPixmap* immagine, QSize* lato)
{
    *immagine = QPixmap();
    if (!EsisteFile(percorso)) return EsitoImmagine::Mancante;
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize dichiarato = lettore.size();
    if (lato) *lato = dichiarato;
    const QImage letta = lettore.read();
    if (!letta.isNull()) {
        *immagine = QPixmap::fromImage(letta);
        return EsitoImmagine::Caricata;
    }
    // The loader refuses a picture whose pixels would take more memory than it allows.
    const qint64 limite = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 serve = qint64(dichiarato.width()) * dichiarato.height() * 4;
    if (dichiarato.isValid() && limite > 0 && serve > limite) return EsitoImmagine::TroppoGrande;
    return EsitoImmagine::NonValida;
}

QPixmap CaricaFotoScelta(const QString& percorso)
{
    if (percorso.isEmpty()) return {};
    QPixmap foto;
    QSize lato;
    if (CaricaImmagine(percorso, &foto, &lato) == EsitoImmagine::TroppoGrande)
        MessaggioTroppoGrande(lato);
    else if (foto.isNull())
        MessaggioNonValido();
    return foto;
}

QLabel* RiquadroImmagine(const QString& nome, const QSize& lato, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setFixedSize(lato);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return l;
}

QPixmap AdattaAlRiquadro(const QPixmap& immagine, const QSize& lato)
{
    if (immagine.width() <= lato.width() && immagine.height() <= lato.height()) return immagine;
    return immagine.scaled(lato, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

SceltaImmagineDialog::SceltaImmagineDialog(QWidget* parent) : Finestra(Id, parent)
{
    impostaAspetto(TITOLO, QString());

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* label1 = new QLabel(QStringLiteral("Drive"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    drive1_ = new QComboBox(frame1);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    auto* label2 = new QLabel(QStringLiteral("Cartella"), frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    dir1_ = new QTreeWidget(frame1);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setHeaderHidden(true);
    dir1_->setColumnCount(1);
    dir1_->setUniformRowHeights(true);
    // Long folder names scroll sideways instead of being cut.
    dir1_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    dir1_->header()->setStretchLastSection(false);
    dir1_->setMinimumSize(280, 200);
    auto* label3 = new QLabel(QStringLiteral("File"), frame1);
    label3->setObjectName(QStringLiteral("Label3"));
    file1_ = new QListWidget(frame1);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setMinimumHeight(140);
    label1->setBuddy(drive1_);
    label2->setBuddy(dir1_);
    label3->setBuddy(file1_);
    auto* l1 = new QVBoxLayout(frame1);
    l1->addWidget(label1);
    l1->addWidget(drive1_);
    l1->addWidget(label2);
    l1->addWidget(dir1_, 3);
    l1->addWidget(label3);
    l1->addWidget(file1_, 2);

    auto* frame2 = new QGroupBox(QStringLiteral("Anteprima"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    image1_ = RiquadroImmagine(QStringLiteral("Image1"), QSize(LATO_ANTEPRIMA, LATO_ANTEPRIMA), frame2);
    auto* l2 = new QVBoxLayout(frame2);
    l2->addWidget(image1_);

    auto* azioneOk =
        (new Azione(QStringLiteral("Ok"), this))->conSuggerimento(QStringLiteral("Scegli il file evidenziato"));
    azioneOk->allo([this] { ok(); });
    auto* azioneAnnulla =
        (new Azione(QStringLiteral("Annulla"), this))->conSuggerimento(QStringLiteral("Non selezionare nessun file"));
    azioneAnnulla->allo([this] { annulla(); });
    auto* azioneAnteprima = (new Azione(QStringLiteral("Anteprima"), this))
                                ->conSuggerimento(QStringLiteral("Visualizzare l'immagine in anteprima"));
    azioneAnteprima->allo([this] { anteprima(); });
    QPushButton* command1 = PulsanteDa(azioneOk, QStringLiteral("Command1"), this);
    QPushButton* command2 = PulsanteDa(azioneAnnulla, QStringLiteral("Command2"), this);
    QPushButton* command3 = PulsanteDa(azioneAnteprima, QStringLiteral("Command3"), this);
    command1->setDefault(true);

    auto* destra = new QVBoxLayout;
    destra->addWidget(frame2);
    destra->addStretch(1);
    for (QPushButton* b : {command1, command2, command3}) destra->addWidget(b);
    auto* tutto = new QHBoxLayout(this);
    tutto->addWidget(frame1, 1);
    tutto->addLayout(destra);

    setTabOrder(drive1_, dir1_);
    setTabOrder(dir1_, file1_);
    setTabOrder(file1_, command1);
    setTabOrder(command1, command2);
    setTabOrder(command2, command3);

    connect(drive1_, &QComboBox::activated, this, [this] { driveScelto(); });
    connect(dir1_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* n) { riempiFigli(n); });
    connect(dir1_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* n) {
        if (costruzione_ || !n) return;
        // The folder opened shows its own folders, as one more step down.
        cartella_ = n->data(0, RUOLO_PERCORSO).toString();
        n->setExpanded(true);
        mostraFile();
    });
}

void SceltaImmagineDialog::carica()
{
    stato().PercorsoImmagine.clear();
    riempiDrive();
    apriCartella(QDir::currentPath());
}

void SceltaImmagineDialog::riempiDrive()
{
    drive1_->clear();
    QStringList radici;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !radici.contains(v.rootPath())) radici << v.rootPath();
    radici.sort();
    for (const QString& r : radici) drive1_->addItem(QDir::toNativeSeparators(r), r);
}

void SceltaImmagineDialog::driveScelto()
{
    const QString radice = drive1_->currentData().toString();
    if (!radice.isEmpty()) apriCartella(radice);
}

void SceltaImmagineDialog::apriCartella(const QString& percorso)
{
    const QString assoluto = QDir::cleanPath(QFileInfo(percorso).absoluteFilePath());
    QString radice = QStorageInfo(assoluto).rootPath();
    if (radice.isEmpty() || !assoluto.startsWith(radice)) radice = QDir::rootPath();
    const int voce = drive1_->findData(radice);
    if (voce >= 0) drive1_->setCurrentIndex(voce);

    costruisciAlbero(radice);
    // Down the tree from the volume's root to the folder, opening each level on the way.
    QTreeWidgetItem* nodo = dir1_->topLevelItem(0);
    const QString resto = assoluto.mid(radice.size());
    {
        const QScopedValueRollback<bool> guardia(costruzione_, true);
        for (const QString& parte : resto.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            nodo->setExpanded(true);
            riempiFigli(nodo);
            QTreeWidgetItem* figlio = nullptr;
            for (int i = 0; i < nodo->childCount() && !figlio; ++i)
                if (nodo->child(i)->text(0) == parte) figlio = nodo->child(i);
            if (!figlio) {
                // A folder the listing leaves out (e.g. a hidden one) is still a step of the way.
                figlio = new QTreeWidgetItem(nodo, {parte});
                figlio->setData(0, RUOLO_PERCORSO, ConSeparatore(nodo->data(0, RUOLO_PERCORSO).toString()) + parte);
                figlio->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            }
            nodo = figlio;
        }
        dir1_->setCurrentItem(nodo);
        nodo->setExpanded(true);
        dir1_->scrollToItem(nodo, QAbstractItemView::PositionAtCenter);
    }
    cartella_ = nodo->data(0, RUOLO_PERCORSO).toString();
    mostraFile();
}

void SceltaImmagineDialog::costruisciAlbero(const QString& radice)
{
    const QScopedValueRollback<bool> guardia(costruzione_, true);
    dir1_->clear();
    auto* nodo = new QTreeWidgetItem(dir1_, {QDir::toNativeSeparators(radice)});
    nodo->setData(0, RUOLO_PERCORSO, radice);
    nodo->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

void SceltaImmagineDialog::riempiFigli(QTreeWidgetItem* nodo)
{
    if (!nodo || nodo->data(0, RUOLO_PERCORSO + 1).toBool()) return;
    nodo->setData(0, RUOLO_PERCORSO + 1, true);
    const QString percorso = nodo->data(0, RUOLO_PERCORSO).toString();
    // Folders only, links followed: a link to a pipe passes the folders' filter, and is no folder.
    QStringList sotto;
    for (const QFileInfo& f : QDir(percorso).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                           QDir::Name | QDir::IgnoreCase | QDir::LocaleAware))
        if (f.isDir()) sotto << f.fileName();
    for (const QString& nome : sotto) {
        auto* figlio = new QTreeWidgetItem(nodo, {nome});
        figlio->setData(0, RUOLO_PERCORSO, ConSeparatore(percorso) + nome);
        figlio->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    if (sotto.isEmpty()) nodo->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void SceltaImmagineDialog::mostraFile()
{
    file1_->clear();
    // Name filters ignore the letter case: "foto.BMP" is listed as well. Only regular files, links followed: a
    // pipe or a device named .bmp is no picture, and reading it could wait for ever.
    const QFileInfoList voci = QDir(cartella_).entryInfoList({QStringLiteral("*.bmp")}, QDir::Files,
                                                             QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& f : voci)
        if (f.isFile()) file1_->addItem(f.fileName());
    file1_->setCurrentRow(-1);
}

QString SceltaImmagineDialog::percorsoEvidenziato() const
{
    const QListWidgetItem* voce = file1_->currentItem();
    if (!voce || !voce->isSelected()) return QString();
    return ConSeparatore(cartella_) + voce->text();
}

void SceltaImmagineDialog::ok()
{
    const QString percorso = percorsoEvidenziato();
    if (percorso.isEmpty())
        Messaggio::errore(SELEZIONARE, TITOLO_MESSAGGI);
    else
        stato().PercorsoImmagine = percorso;
    chiudi();
}

void SceltaImmagineDialog::annulla()
{
    stato().PercorsoImmagine.clear();
    chiudi();
}

void SceltaImmagineDialog::anteprima()
{
    const QString percorso = percorsoEvidenziato();
    if (percorso.isEmpty()) {
        Messaggio::errore(SELEZIONARE, TITOLO_MESSAGGI);
        return;
    }
    const QPixmap foto = CaricaFotoScelta(percorso);
    if (foto.isNull()) return;
    image1_->setPixmap(AdattaAlRiquadro(foto, image1_->contentsRect().size()));
}
