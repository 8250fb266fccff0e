#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>
#include <QString>

// A panel button of the tool strips: a picture and a caption that act as one button. It looks
// flat until the mouse-over highlight lights it (a raised, tinted look); a click anywhere on it,
// picture or caption, emits clicked(); enabling or disabling it acts on picture and caption alike.
// It is a real button for accessibility tools: role Button, named by its caption (its lines joined)
// or, without one, by its tooltip, with a press action that clicks it. It takes no keyboard focus
// and its caption makes no shortcut ('&' is shown as it is).
// It carries its highlight id: the application-wide filter (Evidenziatore) reports it while the
// mouse is over the panel, and Pannello::perId(id) finds the live panel of an id.
// A companion widget (e.g. a picture that appears beside the panel) is shown only while lit.
class Pannello : public QAbstractButton {
    Q_OBJECT
public:
    enum class Disposizione { IconaASinistra, IconaSopra };

    explicit Pannello(int id = -1, QWidget* parent = nullptr);
    Pannello(const QIcon& icona, const QString& testo, int id = -1, QWidget* parent = nullptr);
    ~Pannello() override;

    // The highlight id (-1: none). A panel registers under its id; the latest panel made with an
    // id is the one perId() finds, and a destroyed panel is never found.
    int idEvidenzia() const { return id_; }
    void impostaId(int id);
    static Pannello* perId(int id);

    QIcon icona() const { return icon(); }
    void impostaIcona(const QIcon& icona);
    QString testo() const { return text(); }
    void impostaTesto(const QString& testo);  // "\n" breaks the caption into lines
    // The name read by accessibility tools: the caption on one line, else the tooltip.
    QString nomeAccessibile() const;
    int latoIcona() const { return latoIcona_; }
    void impostaLatoIcona(int lato);  // pixels, 24 by default
    Disposizione disposizione() const { return disposizione_; }
    void impostaDisposizione(Disposizione d);

    // The lit look, set by the mouse-over highlight.
    bool acceso() const { return acceso_; }
    void impostaAcceso(bool acceso);

    // A widget shown while the panel is lit and hidden otherwise; it lets the mouse through, so
    // moving over it keeps the panel under it lit. Null: none.
    QWidget* compagno() const { return compagno_; }
    void impostaCompagno(QWidget* w);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QSize dimensioneTesto() const;
    void aggiornaCompagno();

    int id_ = -1;
    int latoIcona_ = 24;
    Disposizione disposizione_ = Disposizione::IconaASinistra;
    bool acceso_ = false;
    QPointer<QWidget> compagno_;
};
