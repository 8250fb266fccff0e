#include "calendar/navigazionegiornate.h"

#include "calendar/calendarioqueries.h"

#include "core/database.h"
#include "core/stato.h"

int NavigazioneGiornate::ultimaGiornata()
{
    // The days of GIORNATA, and of PARTITA for a file whose GIORNATA rows went missing.
    return Valore(QStringLiteral("SELECT MAX(n) FROM (SELECT MAX(Numero) AS n FROM Giornata "
                                 "UNION ALL SELECT MAX(GiornataNum) FROM Partita)"))
        .toInt();
}

std::optional<GiornataGirone> NavigazioneGiornate::precedente(GiornataGirone g, int ultima)
{
    if (ultima < 1) return std::nullopt;
    if (g.giornata > ultima) return GiornataGirone{ultima, g.andata};
    if (g.giornata > 1) return GiornataGirone{g.giornata - 1, g.andata};
    if (!g.andata) return GiornataGirone{ultima, true};
    return std::nullopt;
}

std::optional<GiornataGirone> NavigazioneGiornate::successiva(GiornataGirone g, int ultima)
{
    if (ultima < 1) return std::nullopt;
    if (g.giornata < 1) return GiornataGirone{1, g.andata};
    if (g.giornata < ultima) return GiornataGirone{g.giornata + 1, g.andata};
    if (g.andata) return GiornataGirone{1, false};
    return std::nullopt;
}

QString NavigazioneGiornate::titolo(GiornataGirone g)
{
    return QStringLiteral("Giornata n° %1 - girone di %2")
        .arg(g.giornata)
        .arg(g.andata ? QStringLiteral("andata") : QStringLiteral("ritorno"));
}

QString NavigazioneGiornate::testoCambioGirone(bool andata)
{
    return andata ? QStringLiteral("Passa al\nritorno") : QStringLiteral("Passa\nall'andata");
}

void NavigazioneGiornate::consegna(const GiornataCalendario& pagina, bool tieniPartita)
{
    QVector<int> partite;
    for (const IncontroGiornata& m : pagina.incontri) partite.append(m.codPart);
    ConsegnaGiornata(pagina.giornata, pagina.andata, partite, tieniPartita);
}

void NavigazioneGiornate::impostaArcoFinoA(GiornataGirone g)
{
    Stato& s = stato();
    s.ParzDaGiornata = 1;
    s.ParzDaGirone = 1;
    s.ParzAGiornata = g.giornata;
    s.ParzAGirone = g.andata ? 1 : 2;
    s.ClassificaCompleta = false;
}
