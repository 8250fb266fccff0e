#pragma once

#include "core/idfinestre.h"
#include "platform/finestre.h"

#include <QPixmap>

class QComboBox;
class QLabel;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Form50, modal: the user browses the disks for a bitmap, may look at it in the preview box, and
// chooses it with "Ok". The chosen file's full path is handed back in PercorsoImmagine; the empty text
// means that no file was chosen ("Annulla", the close box, or "Ok" with no file highlighted).
// The drives are the mounted volumes; the folder tree starts on the current folder; the file list
// holds the ".bmp" files of the open folder, whatever the letter case of the extension.
class SceltaImmagineDialog : public Finestra {
    Q_OBJECT
public:
    static inline const QString& Id = IdFinestra::SceltaImmagine;

    explicit SceltaImmagineDialog(QWidget* parent = nullptr);

    void carica() override;

    // The open folder, and moving to another one (as a click on it in the folder tree).
    QString cartella() const { return cartella_; }
    void apriCartella(const QString& percorso);
    // The full path of the highlighted file: the folder, a separator unless the folder's path already
    // ends with one, and the file name. Empty when no file is highlighted.
    QString percorsoEvidenziato() const;

private:
    void riempiDrive();
    void driveScelto();
    void costruisciAlbero(const QString& radice);
    void riempiFigli(QTreeWidgetItem* nodo);
    void mostraFile();
    void ok();
    void annulla();
    void anteprima();

    QComboBox* drive1_ = nullptr;
    QTreeWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QLabel* image1_ = nullptr;
    QString cartella_;
    bool costruzione_ = false;  // the tree is being built or moved by the program
};

// What became of loading a picture file.
enum class EsitoImmagine { Caricata, Mancante, NonValida, TroppoGrande };
// Loads a picture from a file. Only a regular file is opened (EsisteFile): anything else is Mancante. A
// picture too large for the loader is told apart from a file that is no picture; `lato` gets the size the
// file declares (invalid when it declares none). `immagine` is null unless Caricata.
EsitoImmagine CaricaImmagine(const QString& percorso, QPixmap* immagine, QSize* lato = nullptr);

// The photo chosen for a player, loaded to check that it is a picture. A file that will not load is
// refused with the "File non valido" message, a picture too large with its own, and a null picture comes
// back: the caller then keeps the photo it had. An empty path (no file chosen) gives a null picture
// without any message.
// Both photo commands (player card, new player) pass the picker's PercorsoImmagine through it before
// they store or show the path.
QPixmap CaricaFotoScelta(const QString& percorso);

// The sunken box, of a fixed size, in which a photo or a preview is shown (objectName `nome`).
QLabel* RiquadroImmagine(const QString& nome, const QSize& lato, QWidget* parent);

// A picture to show in a box of `lato`: a larger one scaled down to fit (its proportions kept), a
// smaller one as it is.
QPixmap AdattaAlRiquadro(const QPixmap& immagine, const QSize& lato);
