#include "fixturecampionato.h"

#include "core/campionato.h"
#include "core/codici.h"
#include "core/database.h"
#include "core/schema.h"
#include "core/stato.h"
#include "core/utilita.h"
#include "tools/girone.h"

#include <algorithm>
#include <cmath>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <random>

namespace {

// A seeded generator whose sequence does not depend on the standard library's distributions.
class Casuale {
public:
    explicit Casuale(quint32 seme) : g_(seme) {}
    double reale() { return double(g_()) / 4294967296.0; }
    int intero(int da, int a) { return da + int(g_() % quint32(a - da + 1)); }
    bool probabile(double p) { return reale() < p; }
    int poisson(double media)
    {
        const double limite = std::exp(-media);
        double p = 1.0;
        int k = -1;
        do {
            ++k;
            p *= reale();
        } while (p > limite && k < 12);
        return k;
    }
    template <typename T> void mescola(QVector<T>& v)
    {
        for (qsizetype i = v.size() - 1; i > 0; --i) std::swap(v[i], v[intero(0, int(i))]);
    }

private:
    std::mt19937 g_;
};

const QStringList NOMI{"Andrea",   "Marco",  "Luca",    "Giuseppe", "Francesco", "Alessandro", "Matteo",
                       "Lorenzo",  "Davide", "Simone",  "Federico", "Riccardo",  "Stefano",    "Paolo",
                       "Roberto",  "Fabio",  "Daniele", "Giorgio",  "Nicola",    "Emanuele",   "Tommaso",
                       "Gabriele", "Pietro", "Antonio", "Salvatore"};
const QStringList COGNOMI{
    "Rossi",    "Russo",     "Ferrari",  "Esposito",  "Bianchi",  "Romano",     "Colombo", "Ricci",    "Marino",
    "Greco",    "Bruno",     "Gallo",    "Conti",     "De Luca",  "Mancini",    "Costa",   "Giordano", "Rizzo",
    "Lombardi", "Moretti",   "Barbieri", "Fontana",   "Santoro",  "Mariani",    "Rinaldi", "Caruso",   "Ferrara",
    "Galli",    "Martini",   "Leone",    "Longo",     "Gentile",  "Martinelli", "Vitale",  "Lombardo", "Serra",
    "Coppola",  "De Santis", "D'Angelo", "Marchetti", "Parisi",   "Villa",      "Conte",   "Ferraro",  "Ferri",
    "Fabbri",   "Bianco",    "Marini",   "Grasso",    "Valentini"};
// The role of the i-th player of a squad: a starting eleven's shape, then the bench in turn.
const QStringList RUOLI_UNDICI{"Portiere",       "Difensore",      "Difensore",      "Difensore",
                               "Difensore",      "Centrocampista", "Centrocampista", "Centrocampista",
                               "Centrocampista", "Attaccante",     "Attaccante"};
const QStringList RUOLI_PANCHINA{"Portiere",  "Difensore",      "Centrocampista", "Attaccante",
                                 "Difensore", "Centrocampista", "Attaccante"};

QString ruolo(int i) { return i < 11 ? RUOLI_UNDICI[i] : RUOLI_PANCHINA[(i - 11) % RUOLI_PANCHINA.size()]; }

QString chiave(int giornata, int riga, bool andata)
{
    return QStringLiteral("%1/%2/%3").arg(giornata).arg(riga).arg(andata ? 1 : 2);
}

// One prepared statement, run many times.
class Istruzione {
public:
    Istruzione(QSqlDatabase db, const QString& sql) : q_(db)
    {
        if (!q_.prepare(sql)) throw ErroreDatabase(q_.lastError().text() + QLatin1Char('\r') + sql);
    }
    int esegui(const QVariantList& valori)
    {
        for (int i = 0; i < valori.size(); ++i) q_.bindValue(i, valori[i]);
        if (!q_.exec()) throw ErroreDatabase(q_.lastError().text());
        return q_.lastInsertId().toInt();
    }

private:
    QSqlQuery q_;
};

struct Presenza {
    int giocatore = 0;  // index into DatiFixture::giocatori
    int riga = 0;
    bool titolare = true;
    int sostituito = 0;    // minute code on a replaced starter
    int sostituisce = -1;  // on a substitute: index of the replaced starter's row
    int ammonito = 0;      // -1: not written
    double voto = 6;
};

struct Formazione {
    QString squadra;
    QVector<Presenza> righe;
};

struct Gara {         // one leg of one match, played
    int partita = 0;  // index into DatiFixture::partite
    bool andata = true;
    Formazione casa, ospite;
    QVector<ReteFixture> reti;  // codGiocatore holds the player's index until written
};

}  // namespace

// Generates the whole championship in memory, then writes it in one transaction.
class ScritturaFixture {
public:
    explicit ScritturaFixture(const FixtureCampionato::Opzioni& o) : o_(o), caso_(o.seme) {}

    DatiFixture crea()
    {
        d_.percorso = o_.percorso;
        d_.denominazione = o_.denominazione;
        d_.squadre = o_.squadre;
        if (o_.calendario) calendario();
        risultati();
        if (o_.giocatoriPerSquadra > 0) rose();
        if (o_.formazioni) formazioni();
        scrivi();
        return d_;
    }

private:
    void calendario()
    {
        const int n = int(d_.squadre.size());
        if (n < 2) return;
        QStringList posizioni = d_.squadre;  // the teams in name order, as the program lists them
        std::stable_sort(posizioni.begin(), posizioni.end(),
                         [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        // The same round robin the calendar templates hold, positions taken by the teams in name order.
        const QVector<Accoppiamento> girone = GironeAllItaliana(n);
        const int giornate = n % 2 == 0 ? n - 1 : n;
        for (int g = 1; g <= giornate; ++g) {
            GiornataFixture giornata;
            giornata.numero = g;
            if (const int riposa = RiposaNelGirone(n, g)) giornata.riposa = posizioni[riposa - 1];
            QVector<QPair<QString, QString>> coppie;
            for (const Accoppiamento& a : girone)
                if (a.giornata == g) coppie << qMakePair(posizioni[a.casa - 1], posizioni[a.ospite - 1]);
            // Binary order of the home team's name, as the calendar builder sorts each match day.
            std::stable_sort(coppie.begin(), coppie.end(), [](const auto& a, const auto& b) {
                return a.first.compare(b.first, Qt::CaseSensitive) < 0;
            });
            for (int i = 0; i < coppie.size(); ++i) {
                PartitaFixture p;
                p.giornata = g;
                p.riga = i + 1;
                p.sq1 = coppie[i].first;
                p.sq2 = coppie[i].second;
                d_.partite << p;
            }
            d_.giornate << giornata;
        }
    }

    bool giornataGiocata(int g, bool andata) const
    {
        if (o_.tutto || o_.giornate.contains(qMakePair(g, andata))) return true;
        if (o_.finoAGiornata <= 0) return false;
        if (o_.finoAndata) return andata && g <= o_.finoAGiornata;
        return andata || g <= o_.finoAGiornata;
    }

    void risultati()
    {
        for (GiornataFixture& g : d_.giornate) {
            g.disputataAnd = giornataGiocata(g.numero, true);
            g.disputataRit = giornataGiocata(g.numero, false);
        }
        for (PartitaFixture& p : d_.partite) {
            for (bool andata : {true, false}) {
                const QString k = chiave(p.giornata, p.riga, andata);
                bool giocata = giornataGiocata(p.giornata, andata) && !o_.rinvii.contains(k);
                QPair<int, int> gol{caso_.poisson(1.5), caso_.poisson(1.2)};
                if (o_.risultati.contains(k)) {
                    giocata = true;
                    gol = o_.risultati.value(k);
                }
                if (!giocata) continue;
                if (andata) {
                    p.disputataAnd = true;
                    p.g1a = gol.first;
                    p.g2a = gol.second;
                } else {
                    p.disputataRit = true;
                    p.g2r = gol.first;
                    p.g1r = gol.second;
                }
            }
        }
    }

    void rose()
    {
        for (const QString& squadra : d_.squadre) {
            for (int i = 0; i < o_.giocatoriPerSquadra; ++i) {
                GiocatoreFixture g;
                g.nome = NOMI[caso_.intero(0, int(NOMI.size()) - 1)];
                g.cognome = COGNOMI[caso_.intero(0, int(COGNOMI.size()) - 1)];
                g.ruolo = ruolo(i);
                g.numero = i + 1;
                g.squadra = squadra;
                d_.giocatori << g;
            }
        }
    }

    Formazione formazione(const QString& squadra)
    {
        Formazione f;
        f.squadra = squadra;
        QVector<int> portieri, altri;
        for (int i = 0; i < d_.giocatori.size(); ++i) {
            if (d_.giocatori[i].squadra != squadra) continue;
            (d_.giocatori[i].ruolo == QLatin1String("Portiere") ? portieri : altri) << i;
        }
        caso_.mescola(portieri);
        caso_.mescola(altri);
        QVector<int> scelti;
        if (!portieri.isEmpty()) scelti << portieri.takeFirst();
        altri << portieri;  // spare goalkeepers may sit on the bench
        while (scelti.size() < 11 + o_.panchina && !altri.isEmpty()) scelti << altri.takeFirst();
        for (int i = 0; i < scelti.size(); ++i) {
            Presenza p;
            p.giocatore = scelti[i];
            p.titolare = i < 11;
            p.riga = p.titolare ? i + 1 : -(i - 10);
            p.ammonito = caso_.probabile(0.01) ? CARTELLINO_ROSSO : caso_.probabile(0.13) ? CARTELLINO_GIALLO : 0;
            if (!p.titolare && p.ammonito == 0) p.ammonito = -1;  // the substitution editor writes no empty card
            p.voto = caso_.probabile(0.05) ? SENZA_VOTO : 4.0 + 0.5 * caso_.intero(0, 8);
            f.righe << p;
        }
        // The substitutes come on in order of entry (RIGA -1, -2, ...) for outfield starters.
        QVector<int> uscenti{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        caso_.mescola(uscenti);
        const int cambi = std::min({o_.cambi, int(f.righe.size()) - 11, 10});
        QVector<int> minuti;
        for (int c = 0; c < cambi; ++c)
            minuti << (caso_.probabile(0.15) ? CodiceMinuto(caso_.intero(20, 45), false)
                                             : CodiceMinuto(caso_.intero(1, 44), true));
        std::sort(minuti.begin(), minuti.end());
        for (int c = 0; c < cambi; ++c) {
            f.righe[uscenti[c]].sostituito = minuti[c];
            f.righe[11 + c].sostituisce = uscenti[c];
        }
        return f;
    }

    // A scorer among the players of `f`, attackers first.
    int marcatore(const Formazione& f)
    {
        QVector<int> urna;
        for (const Presenza& p : f.righe) {
            if (!p.titolare && p.sostituisce < 0) continue;  // stayed on the bench
            const QString& r = d_.giocatori[p.giocatore].ruolo;
            const int peso = r == QLatin1String("Attaccante")       ? 6
                             : r == QLatin1String("Centrocampista") ? 3
                             : r == QLatin1String("Difensore")      ? 1
                                                                    : 0;
            for (int i = 0; i < peso; ++i) urna << p.giocatore;
        }
        return urna.isEmpty() ? f.righe.first().giocatore : urna[caso_.intero(0, int(urna.size()) - 1)];
    }

    void gol(Gara& gara, const Formazione& perChi, const Formazione& contro, int quanti)
    {
        static const int TIPI[] = {TIPO_DESTRO,   TIPO_DESTRO,     TIPO_DESTRO, TIPO_SINISTRO,
                                   TIPO_SINISTRO, TIPO_TESTA,      TIPO_TESTA,  TIPO_PUNIZIONE,
                                   TIPO_RIGORE,   TIPO_ROVESCIATA, TIPO_TACCO,  TIPO_NON_INDICATO};
        for (int i = 0; i < quanti; ++i) {
            ReteFixture r;
            r.andata = gara.andata;
            if (caso_.probabile(0.04)) {  // stored with the scorer's team, it counts for the other one
                r.codGiocatore = marcatore(contro);
                r.squadra = contro.squadra;
                r.tipo = TIPO_AUTORETE;
            } else {
                r.codGiocatore = marcatore(perChi);
                r.squadra = perChi.squadra;
                r.tipo = TIPI[caso_.intero(0, int(std::size(TIPI)) - 1)];
            }
            r.minuto = caso_.probabile(0.02) ? 0 : CodiceMinuto(caso_.intero(1, 45), caso_.probabile(0.55));
            gara.reti << r;
        }
    }

    void formazioni()
    {
        const int giornate = int(d_.giornate.size());
        for (bool andata : {true, false}) {
            for (int g = 1; g <= giornate; ++g) {
                for (int i = 0; i < d_.partite.size(); ++i) {
                    const PartitaFixture& p = d_.partite[i];
                    if (p.giornata != g || !p.disputata(andata)) continue;
                    Gara gara;
                    gara.partita = i;
                    gara.andata = andata;
                    gara.casa = formazione(p.casa(andata));
                    gara.ospite = formazione(p.ospite(andata));
                    gol(gara, gara.casa, gara.ospite, p.golCasa(andata));
                    gol(gara, gara.ospite, gara.casa, p.golOspite(andata));
                    std::stable_sort(gara.reti.begin(), gara.reti.end(),
                                     [](const ReteFixture& a, const ReteFixture& b) { return a.minuto < b.minuto; });
                    for (const ReteFixture& r : gara.reti) ++d_.giocatori[r.codGiocatore].reti;
                    gare_ << gara;
                }
            }
        }
    }

    void scrivi()
    {
        CreaFileCampionato(o_.percorso);
        const QString conn = QStringLiteral("fixture_") + QUuid::createUuid().toString(QUuid::Id128);
        try {
            {
                QSqlDatabase db = ApriConnessione(conn, o_.percorso, false, false);
                Transazione t(db);
                scriviTabelle(db);
                t.commit();
            }
            ChiudiConnessione(conn);
        } catch (...) {
            ChiudiConnessione(conn);
            throw;
        }
    }

    void scriviTabelle(QSqlDatabase db)
    {
        const int giornate = int(d_.giornate.size());
        if (o_.rigaCampionato) {
            Istruzione(db, "INSERT INTO CAMPIONATO (GIORNATEINS, NUMSQUADRE, PUNTIVIT, PUNTIX, PUNTISC, DENOM, "
                           "NUMERAZIONE) VALUES (?, ?, ?, ?, ?, ?, ?)")
                .esegui({giornate, int(d_.squadre.size()), o_.puntiVittoria, o_.puntiPareggio, o_.puntiSconfitta,
                         VuotoInSpazio(o_.denominazione), o_.numerazione < 0 ? QVariant() : QVariant(o_.numerazione)});
        }
        Istruzione squadra(db, "INSERT INTO SQUADRA (NOME, PENALITA) VALUES (?, ?)");
        for (const QString& nome : d_.squadre)
            d_.codici[nome] =
                squadra.esegui({nome, o_.penalita.contains(nome) ? QVariant(o_.penalita[nome]) : QVariant()});

        Istruzione giocatore(db, "INSERT INTO GIOCATORE (NOME, COGNOME, DATANASC, RUOLO, NUMERO, RETI, CODSQUADRA) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (GiocatoreFixture& g : d_.giocatori) {
            g.codSquadra = d_.codici.value(g.squadra);
            const QString nascita = QStringLiteral("%1/%2/%3")
                                        .arg(caso_.intero(1, 28))
                                        .arg(caso_.intero(1, 12))
                                        .arg(caso_.intero(1975, 2005));
            g.codice = giocatore.esegui({g.nome, g.cognome, nascita, g.ruolo, g.numero, g.reti, g.codSquadra});
        }

        Istruzione giornata(db, "INSERT INTO GIORNATA (NUMERO, DATAAND, DATARIT, DISPAND, DISPRIT, RIPOSA) "
                                "VALUES (?, ' ', ' ', ?, ?, ?)");
        Istruzione partita(
            db, "INSERT INTO PARTITA (GIORNATANUM, DISPAND, DISPRIT, DATAAND, DATARIT, HAND, HRIT, "
                "SQ1, SQ2, G1A, G2A, G1R, G2R, RIGA) VALUES (?, ?, ?, ' ', ' ', ' ', ' ', ?, ?, ?, ?, ?, ?, ?)");
        auto gol = [](bool giocata, int g) { return giocata ? QVariant(g) : QVariant(); };
        for (const GiornataFixture& g : d_.giornate) {
            giornata.esegui({g.numero, Flag(g.disputataAnd), Flag(g.disputataRit),
                             g.riposa.isEmpty() ? QVariant() : QVariant(g.riposa)});
            for (PartitaFixture& p : d_.partite) {
                if (p.giornata != g.numero) continue;
                p.codPart = partita.esegui({p.giornata, Flag(p.disputataAnd), Flag(p.disputataRit), p.sq1, p.sq2,
                                            gol(p.disputataAnd, p.g1a), gol(p.disputataAnd, p.g2a),
                                            gol(p.disputataRit, p.g1r), gol(p.disputataRit, p.g2r), p.riga});
            }
        }
        scriviGare(db);
    }

    void scriviGare(QSqlDatabase db)
    {
        Istruzione presenza(db, "INSERT INTO PRESENZE (GIRONE, GIORNATA, CODPARTITA, CODGIOCATORE, NOME, NUMMAGLIA, "
                                "AMMONITO, RIGA, TITOLARE, SOSTITUITO, SQUADRA, CHIHASOST, VOTO) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Istruzione rete(db, "INSERT INTO RETI (CODPART, CODGIOCATORE, MINUTO, GIRONE, SQUADRA, TIPO) "
                            "VALUES (?, ?, ?, ?, ?, ?)");
        for (const Gara& gara : gare_) {
            const PartitaFixture& p = d_.partite[gara.partita];
            for (const Formazione* f : {&gara.casa, &gara.ospite}) {
                QVector<int> codici(f->righe.size());
                for (int i = 0; i < f->righe.size(); ++i) {
                    const Presenza& r = f->righe[i];
                    if (!r.titolare && r.sostituisce < 0) continue;  // unused substitute: no row
                    const GiocatoreFixture& g = d_.giocatori[r.giocatore];
                    codici[i] = presenza.esegui(
                        {GironePresenze(gara.andata), p.giornata, p.codPart, g.codice, g.cognome,
                         r.titolare ? QVariant(g.numero) : QVariant(),
                         r.ammonito < 0 ? QVariant() : QVariant(r.ammonito), r.riga, Flag(r.titolare), r.sostituito,
                         f->squadra, r.sostituisce < 0 ? QVariant() : QVariant(codici[r.sostituisce]), r.voto});
                    ++d_.presenze;
                    if (r.titolare)
                        ++d_.titolari;
                    else
                        ++d_.sostituzioni;
                    if (Ammonito(r.ammonito)) ++d_.ammonizioni;
                    if (Espulso(r.ammonito)) ++d_.espulsioni;
                    if (r.voto == SENZA_VOTO) ++d_.senzaVoto;
                }
            }
            for (ReteFixture r : gara.reti) {
                r.codPart = p.codPart;
                r.codGiocatore = d_.giocatori[r.codGiocatore].codice;
                r.codice = rete.esegui({r.codPart, r.codGiocatore, r.minuto, GironeReti(r.andata), r.squadra, r.tipo});
                d_.reti << r;
            }
        }
    }

    const FixtureCampionato::Opzioni& o_;
    Casuale caso_;
    DatiFixture d_;
    QVector<Gara> gare_;
};

FixtureCampionato::FixtureCampionato(const QString& percorso)
{
    o_.percorso = percorso;
    o_.squadre = nomiPredefiniti().mid(0, 6);
}

FixtureCampionato FixtureCampionato::piuGrande(const QString& percorso)
{
    FixtureCampionato f(percorso);
    f.denominazione(QStringLiteral("Campionato a venti squadre")).squadre(20).giocaTutto().rose(25).formazioni(3, 3);
    return f;
}

QStringList FixtureCampionato::nomiPredefiniti()
{
    return {"Ancona", "Bari",  "Cagliari", "Dolomiti", "Empoli",  "Foggia", "Genova",  "Lecce", "Modena", "Napoli",
            "Novara", "Olbia", "Padova",   "Palermo",  "Perugia", "Pisa",   "Ravenna", "Siena", "Torino", "Verona"};
}

FixtureCampionato& FixtureCampionato::denominazione(const QString& nome)
{
    o_.denominazione = nome;
    return *this;
}

FixtureCampionato& FixtureCampionato::squadre(int n)
{
    o_.squadre = nomiPredefiniti().mid(0, n);
    return *this;
}

FixtureCampionato& FixtureCampionato::squadre(const QStringList& nomi)
{
    o_.squadre = nomi;
    return *this;
}

FixtureCampionato& FixtureCampionato::punti(int vittoria, int pareggio, int sconfitta)
{
    o_.puntiVittoria = vittoria;
    o_.puntiPareggio = pareggio;
    o_.puntiSconfitta = sconfitta;
    return *this;
}

FixtureCampionato& FixtureCampionato::numerazione(int codice)
{
    o_.numerazione = codice;
    return *this;
}

FixtureCampionato& FixtureCampionato::penalita(const QString& squadra, int punti)
{
    o_.penalita[squadra] = punti;
    return *this;
}

FixtureCampionato& FixtureCampionato::seme(quint32 seme)
{
    o_.seme = seme;
    return *this;
}

FixtureCampionato& FixtureCampionato::senzaRigaCampionato()
{
    o_.rigaCampionato = false;
    return *this;
}

FixtureCampionato& FixtureCampionato::senzaCalendario()
{
    o_.calendario = false;
    return *this;
}

FixtureCampionato& FixtureCampionato::giocaTutto()
{
    o_.tutto = true;
    return *this;
}

FixtureCampionato& FixtureCampionato::giocaFinoA(int giornata, bool andata)
{
    o_.finoAGiornata = giornata;
    o_.finoAndata = andata;
    return *this;
}

FixtureCampionato& FixtureCampionato::gioca(int giornata, bool andata)
{
    o_.giornate.insert(qMakePair(giornata, andata));
    return *this;
}

FixtureCampionato& FixtureCampionato::risultato(int giornata, int riga, bool andata, int golCasa, int golOspite)
{
    o_.risultati[chiave(giornata, riga, andata)] = qMakePair(golCasa, golOspite);
    return *this;
}

FixtureCampionato& FixtureCampionato::rinviata(int giornata, int riga, bool andata)
{
    o_.rinvii.insert(chiave(giornata, riga, andata));
    return *this;
}

FixtureCampionato& FixtureCampionato::rose(int giocatoriPerSquadra)
{
    o_.giocatoriPerSquadra = giocatoriPerSquadra;
    return *this;
}

FixtureCampionato& FixtureCampionato::formazioni(int panchina, int cambi)
{
    o_.formazioni = true;
    o_.panchina = panchina;
    o_.cambi = cambi;
    return *this;
}

DatiFixture FixtureCampionato::crea() { return ScritturaFixture(o_).crea(); }

DatiFixture FixtureCampionato::creaEApri()
{
    DatiFixture d = crea();
    ApriDbCampionato(d.percorso);
    stato().PercorsoCampionato = d.percorso;
    return d;
}

DatiFixture FixtureCampionato::creaECarica()
{
    DatiFixture d = crea();
    if (!ApriFileComeCampionato(d.percorso))
        throw ErroreDatabase(QStringLiteral("Impossibile aprire il file ") + d.percorso);
    return d;
}

void SenzaNumeriDiRiga(QSqlDatabase db, const QString& tabella)
{
    const QString campi =
        Valore(QStringLiteral("SELECT group_concat(name || ' ' || type, ', ') FROM pragma_table_info(?)"), {tabella},
               db)
            .toString();
    for (const QString& passo :
         {QStringLiteral("CREATE TABLE N (%1, PRIMARY KEY (%2)) WITHOUT ROWID")
              .arg(campi, campi.section(QLatin1Char(' '), 0, 0)),
          "INSERT INTO N SELECT * FROM " + tabella, "DROP TABLE " + tabella, "ALTER TABLE N RENAME TO " + tabella})
        Esegui(passo, {}, db);
}
