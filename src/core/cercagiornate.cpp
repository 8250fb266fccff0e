#include "core/cercagiornate.h"

#include "core/database.h"
#include "core/stato.h"

#include <optional>

namespace {

// NUMERO of the first row of `sql` (a Null number reads 0); nothing when there is no row.
std::optional<int> numero(const QString& sql, int flag)
{
    const QVariant v = Valore(sql, {flag});
    if (!v.isValid()) return std::nullopt;
    return InteroDi(v);
}

// The lowest-numbered match day whose flag `campo` is 0 (not played).
std::optional<int> primaNonGiocata(const char* campo)
{
    return numero(QStringLiteral("SELECT Numero FROM Giornata WHERE %1 = ? ORDER BY Numero, rowid LIMIT 1")
                      .arg(QLatin1String(campo)),
                  FALSO);
}

// The last match day, in the order the days were stored, whose flag `campo` is -1 (played).
std::optional<int> ultimaGiocata(const char* campo)
{
    return numero(QStringLiteral("SELECT Numero FROM Giornata WHERE %1 = ? ORDER BY rowid DESC LIMIT 1")
                      .arg(QLatin1String(campo)),
                  VERO);
}

}  // namespace

int GiornataDaGiocare()
{
    if (!Valore(QStringLiteral("SELECT 1 FROM Giornata LIMIT 1")).isValid()) return CALENDARIO_VUOTO;
    Stato& s = stato();
    if (const auto andata = primaNonGiocata("DispAnd")) {
        s.GiornataCorrente = *andata;
        s.Andata = true;
        return GIORNATA_TROVATA;
    }
    if (const auto ritorno = primaNonGiocata("DispRit")) {
        s.GiornataCorrente = *ritorno;
        s.Andata = false;
        return GIORNATA_TROVATA;
    }
    return CAMPIONATO_CONCLUSO;
}

int UltimaGiornataGiocata()
{
    const int tutte = int(Valore(QStringLiteral("SELECT COUNT(*) FROM Giornata")).toLongLong());
    if (tutte == 0) return CALENDARIO_VUOTO;
    Stato& s = stato();
    const auto andata = ultimaGiocata("DispAnd");
    if (!andata) {
        s.Andata = true;
        s.GiornataCorrente = 1;
        return NESSUNA_GIORNATA_GIOCATA;
    }
    if (*andata != tutte) {
        s.GiornataCorrente = *andata;
        s.Andata = true;
        return GIORNATA_TROVATA;
    }
    const auto ritorno = ultimaGiocata("DispRit");
    s.GiornataCorrente = ritorno ? *ritorno : tutte;
    s.Andata = !ritorno;
    return GIORNATA_TROVATA;
}

int GiornatePerGirone(int numeroSquadre)
{
    if (numeroSquadre <= 1) return 0;
    return numeroSquadre % 2 == 0 ? numeroSquadre - 1 : numeroSquadre;
}
