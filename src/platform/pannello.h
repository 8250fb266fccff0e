#pragma once

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

// A panel button of the tool strips: a picture and a caption that act as one button. It looks
// flat until the mouse-over highlight lights it (a raised, tinted look); a click anywhere on it,
// picture or caption, emits clicked(); enabling or disabling it acts on picture and caption alike.
// It carries its highlight id: the application-wide filter (Evidenziatore) reports it while the
// mouse is over the panel, and Pannello::perId(id) finds the live panel of an id.
// A companion widget (e.g. a picture that appears beside the panel) is shown only while lit.
class Pannello : public QWidget {
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

    QIcon icona() const { return icona_; }
    void impostaIcona(const QIcon& icona);
    QString testo() const { return testo_; }
    void impostaTesto(const QString& testo);  // "\n" breaks the caption into lines
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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QSize dimensioneTesto() const;
    void aggiornaCompagno();

    int id_ = -1;
    QIcon icona_;
    QString testo_;
    int latoIcona_ = 24;
    Disposizione disposizione_ = Disposizione::IconaASinistra;
    bool acceso_ = false;
    bool premuto_ = false;
    bool tenuto_ = false;  // the left button went down on the panel and is still down
    QPointer<QWidget> compagno_;
};
