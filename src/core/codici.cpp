#include "core/codici.h"

#include "core/database.h"

#include <QLocale>
#include <QRegularExpression>

bool Disputata(const QVariant& flag)
{
    if (!flag.isValid() || flag.isNull()) return false;
    bool ok = false;
    const double v = flag.toDouble(&ok);
    return ok && v == VERO;
}

bool Disputata(int flag) { return flag == VERO; }

int GironePresenze(bool andata) { return andata ? VERO : FALSO; }

int GironeReti(bool andata) { return andata ? GIRONE_RETI_ANDATA : GIRONE_RETI_RITORNO; }

bool Ammonito(int codice) { return codice >= 1 && codice <= 100; }

bool Espulso(int codice) { return codice > 100; }

int CodiceCartellino(bool ammonito, bool espulso)
{
    if (espulso) return CARTELLINO_ROSSO;
    if (ammonito) return CARTELLINO_GIALLO;
    return NESSUN_CARTELLINO;
}

QString TestoVoto(double voto, StileSenzaVoto stile)
{
    if (voto == SENZA_VOTO) return stile == StileSenzaVoto::Maiuscolo ? QStringLiteral("S.V.") : QStringLiteral("s.v.");
    return QLocale(QLocale::Italian, QLocale::Italy).toString(voto, 'g', 15);
}

QStringList VociVoto(StileSenzaVoto stile)
{
    QStringList voci{TestoVoto(SENZA_VOTO, stile)};
    for (int n = 3; n <= 10; ++n) {
        voci << QString::number(n);
        if (n < 10) voci << QString::number(n) + QStringLiteral(",5");
    }
    return voci;
}

bool VotoValido(double voto) { return voto >= 1.0 && voto <= 10.0; }

VotoScritto LeggiVotoScritto(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) return {};
    if (t.compare(TestoVoto(SENZA_VOTO), Qt::CaseInsensitive) == 0) return {SENZA_VOTO, {}};
    // Digits only: no sign, exponent, "nan" or "inf" that a number conversion would take.
    static const QRegularExpression cifre(QStringLiteral("^[0-9]{1,2}([.,][0-9]+)?$"));
    if (cifre.match(t).hasMatch()) {
        const double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        if (v >= VOTO_MINIMO && v <= VOTO_MASSIMO) return {v, {}};
    }
    return {std::nullopt,
            QStringLiteral("Il voto deve essere un numero da 3 a 10, per esempio 6,5, oppure \"S.V.\" (senza voto).")};
}

std::optional<int> InteroScritto(const QString& testo, int massimo, int minimo)
{
    QStringView cifre = QStringView(testo).trimmed();
    const bool negativo = minimo < 0 && cifre.startsWith(QLatin1Char('-'));
    if (negativo || (minimo < 0 && cifre.startsWith(QLatin1Char('+')))) {
        cifre = cifre.sliced(1);
        if (cifre.isEmpty()) return std::nullopt;
    }
    const qint64 limite = negativo ? -qint64(minimo) : qint64(massimo);
    qint64 numero = 0;
    for (const QChar c : cifre) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        numero = numero * 10 + (c.unicode() - '0');
        if (numero > limite) return std::nullopt;
    }
    if (negativo) numero = -numero;
    if (numero < minimo) return std::nullopt;
    return int(numero);
}

int CodiceMinuto(int minuto, bool secondoTempo) { return secondoTempo ? minuto + 100 : minuto; }

bool SecondoTempo(int codice) { return codice >= 100; }

int MinutoNelTempo(int codice) { return SecondoTempo(codice) ? codice - 100 : codice; }

QString TestoMinuto(int codice)
{
    return QString::number(MinutoNelTempo(codice)) +
           (SecondoTempo(codice) ? QStringLiteral(" s.t.") : QStringLiteral(" p.t."));
}

QString TestoMinutoRete(const QVariant& codice)
{
    const int c = InteroDi(codice);
    if (c <= 0) return QStringLiteral("N.s.");
    return TestoMinuto(c);
}

QString TestoTipoRete(int tipo)
{
    switch (tipo) {
    case TIPO_DESTRO: return QStringLiteral("Tiro di destro");
    case TIPO_SINISTRO: return QStringLiteral("Tiro di sinistro");
    case TIPO_TESTA: return QStringLiteral("Colpo di testa");
    case TIPO_PUNIZIONE: return QStringLiteral("Calcio di punizione");
    case TIPO_RIGORE: return QStringLiteral("Calcio di rigore");
    case TIPO_ROVESCIATA: return QStringLiteral("Rovesciata");
    case TIPO_AUTORETE: return QStringLiteral("Autorete");
    case TIPO_TACCO: return QStringLiteral("Colpo di tacco");
    default: return QString();
    }
}

QString TestoTipoReteBreve(int tipo)
{
    switch (tipo) {
    case TIPO_DESTRO: return QStringLiteral("Tiro dx");
    case TIPO_SINISTRO: return QStringLiteral("Tiro sx");
    case TIPO_TESTA: return QStringLiteral("Testa");
    case TIPO_PUNIZIONE: return QStringLiteral("Punizione");
    case TIPO_RIGORE: return QStringLiteral("Rigore");
    case TIPO_ROVESCIATA: return QStringLiteral("Rovesciata");
    case TIPO_AUTORETE: return QStringLiteral("Autorete");
    case TIPO_TACCO: return QStringLiteral("Tacco");
    default: return QString();
    }
}

bool Autorete(int tipo) { return tipo == TIPO_AUTORETE; }

QString SquadraDelGol(int tipo, const QString& squadraRete, const QString& squadraA, const QString& squadraB)
{
    if (!Autorete(tipo)) return squadraRete;
    if (squadraRete.compare(squadraA, Qt::CaseInsensitive) == 0) return squadraB;
    if (squadraRete.compare(squadraB, Qt::CaseInsensitive) == 0) return squadraA;
    return QString();
}

int ConfrontaNomiSquadra(const QString& a, const QString& b)
{
    return QStringView(a).trimmed().compare(QStringView(b).trimmed(), Qt::CaseInsensitive);
}

QString NomeGiocatore(const QString& nome, const QString& cognome, int formatoNome)
{
    switch (formatoNome) {
    case 1: return cognome;
    case 2: return nome + QLatin1Char(' ') + cognome;
    case 3: return nome.left(1) + QStringLiteral(". ") + cognome;
    default: return QString();
    }
}

QString NomeGiocatoreElenco(const QString& nome, const QString& cognome, int formatoNome, GiunturaIniziale giuntura)
{
    if (formatoNome == 3)
        return nome.left(1) + (giuntura == GiunturaIniziale::Punto ? QStringLiteral(". ") : QStringLiteral(" ")) +
               cognome;
    return NomeGiocatore(nome, cognome, formatoNome == 2 ? 2 : 1);
}
