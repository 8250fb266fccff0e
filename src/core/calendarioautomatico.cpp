#include "core/calendarioautomatico.h"

#include "core/database.h"
#include "core/idfinestre.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "platform/cartellaprogramma.h"
#include "platform/finestre.h"

#include <cmath>
#include <QRandomGenerator>
#include <QSqlError>
#include <QUuid>
#include <QVector>

namespace {

const char* const TITOLO_IMPOSSIBILE = "Golvarno - Operazione non possibile";
const char* const TITOLO_CREAZIONE = "Creazione automatica del calendario";

struct Coppia {
    QString casa;
    QString ospite;
};

// The pairings of a template by position, round by round (index 0 is round 1).
using Modello = QVector<QVector<QPair<int, int>>>;

bool numeroIntero(const QVariant& v, qint64& n)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (v.isNull() || !ok || std::floor(d) != d) return false;
    n = qint64(d);
    return true;
}

// Reads the whole template for n teams and checks it: every round 1..n-1 with exactly n/2 rows,
// positions whole numbers from 1 to n, each position once per round and never against itself.
// Rows of other rounds are not part of the calendar.
// Returns an empty text when the template is sound, else what is wrong with it.
QString leggiModello(const QString& percorso, int n, Modello& modello)
{
    modello = Modello(n - 1);
    QString difetto;
    const QString nome = QStringLiteral("modello_") + QUuid::createUuid().toString(QUuid::Id128);
    try {
        QSqlDatabase db = ApriConnessione(nome, percorso, true, false);
        Query q("SELECT GIORNATA, SQ1, SQ2 FROM PARTITE ORDER BY rowid", {}, db);
        while (q.next() && difetto.isEmpty()) {
            qint64 g = 0, sq1 = 0, sq2 = 0;
            if (!numeroIntero(q.valore(0), g) || g < 1 || g > n - 1) continue;
            if (!numeroIntero(q.valore(1), sq1) || !numeroIntero(q.valore(2), sq2) || sq1 < 1 || sq1 > n || sq2 < 1 ||
                sq2 > n)
                difetto = QStringLiteral("una partita della giornata %1 indica una squadra inesistente").arg(g);
            else
                modello[g - 1].append({int(sq1), int(sq2)});
        }
    } catch (const ErroreDatabase&) {
        difetto = QStringLiteral("il file non è leggibile o non contiene la tabella PARTITE");
    }
    ChiudiConnessione(nome);
    for (int g = 1; g <= n - 1 && difetto.isEmpty(); ++g) {
        if (modello[g - 1].size() != n / 2) {
            difetto = QStringLiteral("la giornata %1 ha %2 partite invece di %3")
                          .arg(g)
                          .arg(modello[g - 1].size())
                          .arg(n / 2);
            break;
        }
        // Every team plays once in each round, and never against itself.
        QVector<bool> presente(n + 1, false);
        for (const auto& [casa, ospite] : modello[g - 1]) {
            if (casa == ospite) {
                difetto = QStringLiteral("nella giornata %1 una squadra gioca contro se stessa").arg(g);
                break;
            }
            if (presente[casa] || presente[ospite]) {
                difetto = QStringLiteral("nella giornata %1 una squadra gioca due volte").arg(g);
                break;
            }
            presente[casa] = presente[ospite] = true;
        }
    }
    return difetto;
}

// The exchange sort by home name, with a binary comparison (character codes: case counts).
void ordinaPerCasa(QVector<Coppia>& coppie)
{
    bool scambio = true;
    while (scambio) {
        scambio = false;
        for (qsizetype j = 0; j + 1 < coppie.size(); ++j)
            if (QString::compare(coppie[j].casa, coppie[j + 1].casa, Qt::CaseSensitive) > 0) {
                std::swap(coppie[j], coppie[j + 1]);
                scambio = true;
            }
    }
}

QSqlQuery prepara(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.prepare(sql)) throw ErroreDatabase(q.lastError(), sql);
    return q;
}

void esegui(QSqlQuery& q, const QVariantList& valori)
{
    for (int i = 0; i < valori.size(); ++i) q.bindValue(i, valori[i]);
    if (!q.exec()) throw ErroreDatabase(q.lastError(), q.lastQuery());
}

// Writes the rounds and their pairings, and the round count in the first CAMPIONATO row; with
// `sostituisci` the old rounds and pairings go first, in the same transaction.
void scriviCalendario(const Modello& modello, const QVector<QString>& posizioni, const QVariant& rigaCampionato,
                      bool sostituisci)
{
    QSqlDatabase db = DbCampionato();
    Transazione t(db);
    if (sostituisci) {
        Esegui("DELETE FROM GIORNATA", {}, db);
        Esegui("DELETE FROM PARTITA", {}, db);
    }
    qint64 partite = 0;
    for (const auto& coppie : modello) partite += coppie.size();
    VerificaNuoviCodici(QStringLiteral("PARTITA"), partite, db);
    QSqlQuery giornata =
        prepara(db, "INSERT INTO GIORNATA (NUMERO, DISPAND, DISPRIT, DATAAND, DATARIT) VALUES (?, 0, 0, ' ', ' ')");
    QSqlQuery partita = prepara(db, "INSERT INTO PARTITA (GIORNATANUM, SQ1, SQ2, DISPAND, DISPRIT, RIGA, DATAAND, "
                                    "DATARIT, HAND, HRIT) VALUES (?, ?, ?, 0, 0, ?, ' ', ' ', ' ', ' ')");
    for (int g = 1; g <= modello.size(); ++g) {
        esegui(giornata, {g});
        QVector<Coppia> coppie;
        for (const auto& [casa, ospite] : modello[g - 1]) coppie.append({posizioni[casa], posizioni[ospite]});
        ordinaPerCasa(coppie);
        for (int i = 0; i < coppie.size(); ++i) esegui(partita, {g, coppie[i].casa, coppie[i].ospite, i + 1});
    }
    Esegui("UPDATE CAMPIONATO SET GIORNATEINS = ? WHERE rowid = ?", {int(modello.size()), rigaCampionato}, db);
    t.commit();
}

}  // namespace

void MostraCalendarioAutomatico()
{
    if (Finestre::istanza().registrata(IdFinestra::CalendarioAutomatico))
        Finestre::istanza().mostra(IdFinestra::CalendarioAutomatico);
}

double EstrazioneCasuale() { return QRandomGenerator::global()->generateDouble(); }

EsitoCalendarioAutomatico CostruisciCalendarioAutomatico(const SorgenteCasuale& casuale, bool sostituisci)
{
    const auto rifiuto = [](const QString& testo, const char* titolo) {
        return EsitoCalendarioAutomatico{false, QString::fromUtf8(titolo), testo};
    };
    const Stato& s = stato();
    const int n = s.NumeroSquadre;
    try {
        if (!sostituisci && Valore("SELECT 1 FROM GIORNATA LIMIT 1").isValid())
            return rifiuto(QStringLiteral("In questo campionato sono già state registrate alcune giornate del "
                                          "calendario. E' impossibile quindi creare il calendario automaticamente."),
                           "Calendario già presente");

        // Templates are made for an even number of teams from 6 to 20: any other count is no fault of the program.
        if (n < 6 || n > 20 || n % 2 != 0)
            return rifiuto(QStringLiteral("Il calendario automatico si può creare solo per un numero pari di squadre, "
                                          "da 6 a 20, e questo campionato ne ha %1.\rIl calendario si può inserire "
                                          "giornata per giornata dal menu Campionato, Giornate, Registra incontri.")
                               .arg(n),
                           TITOLO_IMPOSSIBILE);
        const QString nomeModello = QStringLiteral("S%1.DTA").arg(n);
        const QString percorso = FileProgramma(nomeModello);
        if (!EsisteFile(percorso))
            return rifiuto(QStringLiteral("Attenzione: manca il file contenente i dati per creare automaticamente il "
                                          "calendario del campionato. Impossibile creare il calendario: contattare "
                                          "l'autore del programma o installare tutti i files del programma"),
                           TITOLO_IMPOSSIBILE);

        Modello modello;
        const QString difetto = leggiModello(percorso, n, modello);
        if (!difetto.isEmpty())
            return rifiuto(QStringLiteral("Attenzione: il file %1, che contiene i dati per creare automaticamente il "
                                          "calendario del campionato, non è valido (%2).\rImpossibile creare il "
                                          "calendario: contattare l'autore del programma o installare tutti i "
                                          "files del programma")
                               .arg(nomeModello, difetto),
                           TITOLO_IMPOSSIBILE);

        const QVariant rigaCampionato = Valore("SELECT rowid FROM CAMPIONATO ORDER BY rowid LIMIT 1");
        if (!rigaCampionato.isValid() || s.Squadre.size() <= n)
            return rifiuto(QStringLiteral("Impossibile creare il calendario: il file del campionato non contiene i "
                                          "dati generali del campionato o le sue squadre."),
                           TITOLO_CREAZIONE);

        // Position 1 holds team k; the name order goes on around the end of the list.
        const int k = std::clamp(int(n * casuale()) + 1, 1, n);
        QVector<QString> posizioni(n + 1);
        for (int p = 1; p <= n; ++p) posizioni[p] = s.Squadre[(k - 1 + p - 1) % n + 1].Nome;

        scriviCalendario(modello, posizioni, rigaCampionato, sostituisci);
        return {true, {}, {}};
    } catch (const ErroreDatabase& e) {
        return rifiuto(QStringLiteral("Impossibile creare il calendario: il file del campionato non è stato "
                                      "modificato.\r") +
                           e.testo(),
                       TITOLO_CREAZIONE);
    }
}
