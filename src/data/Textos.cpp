#include "Textos.h"

#include "ErrorEjecucion.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include <mutex>

namespace {
unsigned char TablaCodificar[64];
unsigned char TablaDecodificar[128];
// Filled once, whichever thread encodes first.
std::once_flag TablasListas;

void asegurarTablas()
{
    std::call_once(TablasListas, IniciarTablasBase64);
}

[[noreturn]] void errorBase64(const char* texto)
{
    throw ErrorEjecucion{kErrorDefinidoPorUsuario, QString::fromLatin1(texto)};
}

// A run of digits of texto as a number; -1 when one of them is not a digit.
int numeroEn(const QString& texto, int desde, int cifras)
{
    int n = 0;
    for (int i = desde; i < desde + cifras; ++i) {
        const char16_t c = texto[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

} // namespace

QString TextoFecha(const QDate& d)
{
    if (!d.isValid() || d.year() < 1000 || d.year() > 9999)
        return d.toString(QStringLiteral("dd/MM/yyyy"));
    const char texto[] = {char('0' + d.day() / 10),    char('0' + d.day() % 10),        '/',
                          char('0' + d.month() / 10),  char('0' + d.month() % 10),      '/',
                          char('0' + d.year() / 1000), char('0' + d.year() / 100 % 10), char('0' + d.year() / 10 % 10),
                          char('0' + d.year() % 10)};
    return QString::fromLatin1(texto, sizeof texto);
}

QString FormatoFecha(const QString& texto)
{
    // The two forms the engines give back, read without a pattern: lists format a date per row.
    if (texto.size() == 10) {
        QDate d;
        if (texto[4] == QLatin1Char('-') && texto[7] == QLatin1Char('-'))
            d = QDate(numeroEn(texto, 0, 4), numeroEn(texto, 5, 2), numeroEn(texto, 8, 2));
        else if (texto[2] == QLatin1Char('/') && texto[5] == QLatin1Char('/'))
            d = QDate(numeroEn(texto, 6, 4), numeroEn(texto, 3, 2), numeroEn(texto, 0, 2));
        if (d.isValid() && d.year() >= 1000)
            return TextoFecha(d);
    }
    const QString t = texto.trimmed();
    static const QRegularExpression diaPrimero(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})"));
    QDate d;
    if (auto m = diaPrimero.match(t); m.hasMatch())
        d = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    else if (auto m2 = iso.match(t); m2.hasMatch())
        d = QDate(m2.captured(1).toInt(), m2.captured(2).toInt(), m2.captured(3).toInt());
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : texto;
}

QDate FechaDiaPrimero(const QString& texto)
{
    static const QRegularExpression patron(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto m = patron.match(texto);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

bool EsFechaValida(const QString& texto)
{
    return FechaDiaPrimero(texto).isValid();
}

QString FechaHoy()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

QString PrimerDiaDelMes()
{
    return QStringLiteral("01") + QDate::currentDate().toString(QStringLiteral("/MM/yyyy"));
}

QString GetNivelDesc(qint16 nivel)
{
    switch (nivel) {
    case 1: return QStringLiteral("Operador");
    case 2: return QStringLiteral("Usuario Avanzado");
    case 3: return QStringLiteral("Administrador");
    case 4: return QStringLiteral("Super Administrador");
    case 5: return QStringLiteral("Administrador Supremo");
    default: return nivel <= 0 ? QStringLiteral("Inhabilitado") : QString();
    }
}

QString EscaparComillas(const QString& texto)
{
    QString r = texto;
    return r.replace(QLatin1Char('\''), QLatin1String("|~|"));
}

QString RestaurarComillas(const QString& texto)
{
    QString r = texto;
    return r.replace(QLatin1String("|~|"), QLatin1String("'"));
}

void IniciarTablasBase64()
{
    const char* alfabeto = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 128; ++i)
        TablaDecodificar[i] = 255;
    for (int i = 0; i < 64; ++i) {
        TablaCodificar[i] = static_cast<unsigned char>(alfabeto[i]);
        TablaDecodificar[static_cast<unsigned char>(alfabeto[i])] = static_cast<unsigned char>(i);
    }
}

QByteArray CadenaABytes(const QString& texto)
{
    QByteArray r(texto.size(), Qt::Uninitialized);
    for (int i = 0; i < texto.size(); ++i) {
        const ushort u = texto[i].unicode();
        r[i] = static_cast<char>(u < 256 ? u : '?');
    }
    return r;
}

QString BytesACadena(const QByteArray& bytes)
{
    QString r(bytes.size(), Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        r[i] = QChar(static_cast<unsigned char>(bytes[i]));
    return r;
}

QString CodificarArreglo(const QByteArray& bytes, int largo)
{
    asegurarTablas();
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    QByteArray salida;
    salida.reserve((largo + 2) / 3 * 4);
    for (int i = 0; i < largo; i += 3) {
        const int resto = largo - i;
        const unsigned b0 = b[i];
        const unsigned b1 = resto > 1 ? b[i + 1] : 0;
        const unsigned b2 = resto > 2 ? b[i + 2] : 0;
        salida += char(TablaCodificar[b0 >> 2]);
        salida += char(TablaCodificar[((b0 & 3) << 4) | (b1 >> 4)]);
        salida += resto > 1 ? char(TablaCodificar[((b1 & 15) << 2) | (b2 >> 6)]) : '=';
        salida += resto > 2 ? char(TablaCodificar[b2 & 63]) : '=';
    }
    return QString::fromLatin1(salida);
}

QString CodificarBytes(const QByteArray& bytes)
{
    return CodificarArreglo(bytes, bytes.size());
}

QString CodificarBase64(const QString& texto)
{
    return CodificarBytes(CadenaABytes(texto));
}

QByteArray DecodificarArreglo(const QString& texto)
{
    asegurarTablas();
    QByteArray entrada = CadenaABytes(texto);
    // A character above 255 turned into "?" above, which is illegal too.
    if (entrada.size() % 4 != 0)
        errorBase64("Length of Base64 encoded input string is not a multiple of 4.");
    int largo = entrada.size();
    while (largo > 0 && entrada[largo - 1] == '=')
        --largo;
    const int largoSalida = largo * 3 / 4;
    QByteArray salida(largoSalida, Qt::Uninitialized);
    int o = 0;
    for (int i = 0; i < largo; i += 4) {
        unsigned c[4];
        for (int k = 0; k < 4; ++k) {
            const unsigned char ch = i + k < largo ? static_cast<unsigned char>(entrada[i + k]) : 'A';
            if (ch >= 128 || TablaDecodificar[ch] == 255)
                errorBase64("Illegal character in Base64 encoded data.");
            c[k] = TablaDecodificar[ch];
        }
        const unsigned char bytes[3] = {static_cast<unsigned char>((c[0] << 2) | (c[1] >> 4)),
                                        static_cast<unsigned char>(((c[1] & 15) << 4) | (c[2] >> 2)),
                                        static_cast<unsigned char>(((c[2] & 3) << 6) | c[3])};
        for (int k = 0; k < 3 && o < largoSalida; ++k)
            salida[o++] = static_cast<char>(bytes[k]);
    }
    return salida;
}

QString DecodificarBase64(const QString& texto)
{
    if (texto.isEmpty())
        return QString();
    return BytesACadena(DecodificarArreglo(texto));
}
