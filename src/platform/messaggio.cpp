#include "platform/messaggio.h"

#include "platform/finestre.h"
#include "platform/guida.h"

#include <deque>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <variant>

namespace {

struct StatoSeam {
    bool attivo = false;
    std::deque<std::variant<Messaggio::Risposta, QString, std::monostate>> risposte;  // monostate: cancel input
    std::deque<QString> file;
    QList<Messaggio::Richiesta> mostrati;
    QStringList inattesi;
};

StatoSeam& seam()
{
    static StatoSeam s;
    return s;
}

QPointer<QWidget>& principale()
{
    static QPointer<QWidget> w;
    return w;
}

QWidget* genitore()
{
    if (principale()) return principale();
    return QApplication::activeWindow();
}

QString descrivi(const Messaggio::Richiesta& r)
{
    return QStringLiteral("[%1] %2").arg(r.titolo, QString(r.testo).replace('\r', " | "));
}

Messaggio::Risposta rispostaDiAnnullamento(Messaggio::Pulsanti p)
{
    switch (p) {
    case Messaggio::Pulsanti::Ok: return Messaggio::Risposta::Ok;
    case Messaggio::Pulsanti::SiNo: return Messaggio::Risposta::No;
    default: return Messaggio::Risposta::Annulla;
    }
}

QMessageBox::Icon iconaQt(Messaggio::Icona i)
{
    switch (i) {
    case Messaggio::Icona::Critica: return QMessageBox::Critical;
    case Messaggio::Icona::Domanda: return QMessageBox::Question;
    case Messaggio::Icona::Esclamazione: return QMessageBox::Warning;
    case Messaggio::Icona::Informazione: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// "Descr (*.GVN)|*.GVN|Tutti (*.*)|*.*|" -> "Descr (*.GVN);;Tutti (*)"
QString filtroQt(const QString& filtro)
{
    const QStringList parti = filtro.split('|', Qt::SkipEmptyParts);
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        QString modelli = parti[i + 1];
        modelli.replace(';', ' ').replace("*.*", "*");
        QString descr = parti[i];
        descr.replace("(*.*)", "(*)");
        const int aperta = descr.indexOf('(');
        if (aperta >= 0) descr = descr.left(aperta).trimmed();
        voci << QStringLiteral("%1 (%2)").arg(descr, modelli);
    }
    return voci.join(";;");
}

}  // namespace

QString Messaggio::perVisualizzare(const QString& testo)
{
    QString s = testo;
    s.replace("\r\n", "\n").replace('\r', '\n');
    return s;
}

void Messaggio::impostaFinestraPrincipale(QWidget* w) { principale() = w; }

Messaggio::Risposta Messaggio::mostra(const QString& testo, Pulsanti pulsanti, Icona icona, const QString& titolo,
                                      int predefinito, int contestoGuida)
{
    Richiesta r;
    r.testo = testo;
    r.titolo = titolo;
    r.pulsanti = pulsanti;
    r.icona = icona;
    r.predefinito = predefinito;
    r.contestoGuida = contestoGuida;

    if (seam().attivo) {
        seam().mostrati.append(r);
        if (!seam().risposte.empty() && std::holds_alternative<Risposta>(seam().risposte.front())) {
            const Risposta risposta = std::get<Risposta>(seam().risposte.front());
            seam().risposte.pop_front();
            return risposta;
        }
        seam().inattesi << descrivi(r);
        return rispostaDiAnnullamento(pulsanti);
    }

    QMessageBox box(genitore());
    box.setWindowTitle(titolo);
    box.setTextFormat(Qt::PlainText);
    box.setText(perVisualizzare(testo));
    box.setIcon(iconaQt(icona));

    QList<QPair<QAbstractButton*, Risposta>> tasti;
    auto aggiungi = [&](QMessageBox::StandardButton b, Risposta risp) { tasti.append({box.addButton(b), risp}); };
    switch (pulsanti) {
    case Pulsanti::Ok: aggiungi(QMessageBox::Ok, Risposta::Ok); break;
    case Pulsanti::OkAnnulla:
        aggiungi(QMessageBox::Ok, Risposta::Ok);
        aggiungi(QMessageBox::Cancel, Risposta::Annulla);
        break;
    case Pulsanti::SiNo:
        aggiungi(QMessageBox::Yes, Risposta::Si);
        aggiungi(QMessageBox::No, Risposta::No);
        break;
    case Pulsanti::SiNoAnnulla:
        aggiungi(QMessageBox::Yes, Risposta::Si);
        aggiungi(QMessageBox::No, Risposta::No);
        aggiungi(QMessageBox::Cancel, Risposta::Annulla);
        break;
    }
    if (predefinito >= 0 && predefinito < tasti.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(tasti[predefinito].first));
    if (pulsanti == Pulsanti::SiNo) box.setEscapeButton(tasti[1].first);

    if (contestoGuida >= 0) {
        // The Help button opens help and leaves the box open.
        QAbstractButton* aiuto = box.addButton(QMessageBox::Help);
        // Every receiver of the click goes, the button box that would close the box included.
        QObject::disconnect(aiuto, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(aiuto, &QAbstractButton::clicked, &box, [contestoGuida] { Guida::apri(contestoGuida); });
    }

    {
        CicloModale modale;
        box.exec();
    }
    QAbstractButton* premuto = box.clickedButton();
    for (const auto& [tasto, risp] : tasti)
        if (tasto == premuto) return risp;
    return rispostaDiAnnullamento(pulsanti);
}

void Messaggio::informa(const QString& testo, const QString& titolo)
{
    mostra(testo, Pulsanti::Ok, Icona::Informazione, titolo);
}

void Messaggio::errore(const QString& testo, const QString& titolo)
{
    mostra(testo, Pulsanti::Ok, Icona::Critica, titolo);
}

void Messaggio::avvisa(const QString& testo, const QString& titolo)
{
    mostra(testo, Pulsanti::Ok, Icona::Esclamazione, titolo);
}

bool Messaggio::conferma(const QString& testo, const QString& titolo)
{
    return mostra(testo, Pulsanti::SiNo, Icona::Domanda, titolo) == Risposta::Si;
}

bool Messaggio::salvarePrima(const QString& domanda, const QString& titolo, const std::function<bool()>& salva)
{
    switch (mostra(domanda, Pulsanti::SiNoAnnulla, Icona::Domanda, titolo)) {
    case Risposta::Si: return salva();
    case Risposta::No: return true;
    default: return false;
    }
}

QString Messaggio::input(const QString& prompt, const QString& titolo, const QString& predefinito, bool* annullato)
{
    if (annullato) *annullato = false;
    if (seam().attivo) {
        Richiesta r;
        r.tipo = Richiesta::Tipo::Input;
        r.testo = prompt;
        r.titolo = titolo;
        r.pulsanti = Pulsanti::OkAnnulla;
        r.valoreIniziale = predefinito;
        seam().mostrati.append(r);
        if (!seam().risposte.empty() && !std::holds_alternative<Risposta>(seam().risposte.front())) {
            const auto voce = seam().risposte.front();
            seam().risposte.pop_front();
            if (std::holds_alternative<QString>(voce)) return std::get<QString>(voce);
        } else {
            seam().inattesi << descrivi(r);
        }
        if (annullato) *annullato = true;
        return QString();
    }
    bool ok = false;
    const CicloModale modale;
    const QString testo =
        QInputDialog::getText(genitore(), titolo, perVisualizzare(prompt), QLineEdit::Normal, predefinito, &ok);
    if (!ok) {
        if (annullato) *annullato = true;
        return QString();
    }
    return testo;
}

QString Messaggio::apriFile(const QString& titolo, const QString& filtro, const QString& nomeIniziale)
{
    if (seam().attivo) {
        Richiesta r;
        r.tipo = Richiesta::Tipo::ApriFile;
        r.titolo = titolo;
        r.filtro = filtro;
        r.valoreIniziale = nomeIniziale;
        seam().mostrati.append(r);
        if (seam().file.empty()) {
            seam().inattesi << descrivi(r);
            return QString();
        }
        const QString percorso = seam().file.front();
        seam().file.pop_front();
        return percorso;
    }
    const CicloModale modale;
    return QFileDialog::getOpenFileName(genitore(), titolo, nomeIniziale, filtroQt(filtro));
}

void SeamMessaggi::attiva()
{
    svuota();
    seam().attivo = true;
}

void SeamMessaggi::disattiva()
{
    svuota();
    seam().attivo = false;
}

bool SeamMessaggi::attivo() { return seam().attivo; }

void SeamMessaggi::accoda(Messaggio::Risposta risposta) { seam().risposte.push_back(risposta); }
void SeamMessaggi::accodaTesto(const QString& testo) { seam().risposte.push_back(testo); }
void SeamMessaggi::accodaAnnullaInput() { seam().risposte.push_back(std::monostate{}); }
void SeamMessaggi::accodaFile(const QString& percorso) { seam().file.push_back(percorso); }

const QList<Messaggio::Richiesta>& SeamMessaggi::mostrati() { return seam().mostrati; }

Messaggio::Richiesta SeamMessaggi::ultimo()
{
    return seam().mostrati.isEmpty() ? Messaggio::Richiesta{} : seam().mostrati.last();
}

QStringList SeamMessaggi::inattesi() { return seam().inattesi; }

int SeamMessaggi::inCoda() { return int(seam().risposte.size() + seam().file.size()); }

void SeamMessaggi::svuota()
{
    seam().risposte.clear();
    seam().file.clear();
    seam().mostrati.clear();
    seam().inattesi.clear();
}
