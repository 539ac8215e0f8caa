#include "Valores.h"

#include "LectorXml.h"

#include <QDate>
#include <charconv>
#include <cmath>

namespace xlsx {

QString TextoNumero(double valor)
{
    if (valor == 0 || !std::isfinite(valor))
        return QStringLiteral("0");
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::scientific, 14);
    const std::string_view s(buf, size_t(r.ptr - buf));
    const bool negativo = s.front() == '-';
    const size_t e = s.find('e');
    std::string cifras;
    for (size_t i = negativo ? 1 : 0; i < e; ++i)
        if (s[i] != '.')
            cifras += s[i];
    int exponente = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponente);
    while (cifras.size() > 1 && cifras.back() == '0')
        cifras.pop_back();
    // value = 0.cifras x 10^(exponente + 1)
    const int enteras = exponente + 1;
    const int n = int(cifras.size());
    std::string texto = negativo ? "-" : "";
    if (enteras <= 0)
        texto += "0." + std::string(size_t(-enteras), '0') + cifras;
    else if (enteras >= n)
        texto += cifras + std::string(size_t(enteras - n), '0');
    else
        texto += cifras.substr(0, size_t(enteras)) + '.' + cifras.substr(size_t(enteras));
    return QString::fromLatin1(texto.data(), int(texto.size()));
}

std::string NumeroXml(double valor)
{
    if (valor == 0)
        return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    return std::string(buf, r.ptr);
}

std::optional<double> LeerNumero(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\n' || t.front() == '\r'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\n' || t.back() == '\r'))
        t.remove_suffix(1);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

namespace {

QString DosCifras(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString TextoHora(int segundos)
{
    return DosCifras(segundos / 3600) + QLatin1Char(':') + DosCifras(segundos / 60 % 60) + QLatin1Char(':') +
           DosCifras(segundos % 60);
}

QString TextoDia(int dia, int mes, int anio)
{
    return DosCifras(dia) + QLatin1Char('/') + DosCifras(mes) + QLatin1Char('/') +
           QString::number(anio).rightJustified(4, QLatin1Char('0'));
}

} // namespace

std::optional<QString> TextoFecha(double serial, bool sistema1904)
{
    // 2958466 is 01/01/10000 in the 1900 system, the first day the spreadsheet cannot show.
    if (!(serial >= 0) || serial >= 2958466)
        return std::nullopt;
    const long long segundos = std::llround(serial * 86400.0);
    const long long dias = segundos / 86400;
    const int resto = int(segundos % 86400);
    if (dias == 0 && (!sistema1904 || resto != 0))
        return TextoHora(resto);
    QString dia;
    if (sistema1904) {
        const QDate f = QDate(1904, 1, 1).addDays(dias);
        dia = TextoDia(f.day(), f.month(), f.year());
    } else if (dias == 60) {
        dia = QStringLiteral("29/02/1900");
    } else {
        const QDate f = QDate(1899, 12, dias < 60 ? 31 : 30).addDays(dias);
        dia = TextoDia(f.day(), f.month(), f.year());
    }
    if (resto != 0)
        dia += QLatin1Char(' ') + TextoHora(resto);
    return dia;
}

std::optional<QString> TextoFechaIso(std::string_view iso)
{
    auto numero = [&](size_t desde, size_t largo) -> int {
        if (desde + largo > iso.size())
            return -1;
        int n = 0;
        for (size_t i = desde; i < desde + largo; ++i) {
            if (iso[i] < '0' || iso[i] > '9')
                return -1;
            n = n * 10 + (iso[i] - '0');
        }
        return n;
    };
    const int anio = numero(0, 4), mes = numero(5, 2), dia = numero(8, 2);
    if (anio < 0 || mes < 0 || dia < 0 || iso[4] != '-' || iso[7] != '-' || !QDate::isValid(anio, mes, dia))
        return std::nullopt;
    if (iso.size() == 10)
        return TextoDia(dia, mes, anio);
    if (iso[10] != 'T' && iso[10] != ' ')
        return std::nullopt;
    const int h = numero(11, 2), m = numero(14, 2), s = numero(17, 2);
    if (h < 0 || m < 0 || s < 0 || h > 23 || m > 59 || s > 59)
        return std::nullopt;
    double fraccion = 0;
    if (iso.size() > 19 && iso[19] == '.') {
        size_t fin = 20;
        while (fin < iso.size() && iso[fin] >= '0' && iso[fin] <= '9')
            ++fin;
        fraccion = LeerNumero(std::string("0") + std::string(iso.substr(19, fin - 19))).value_or(0);
    }
    QDate f(anio, mes, dia);
    int segundos = h * 3600 + m * 60 + s + int(std::lround(fraccion));
    if (segundos == 86400) {
        f = f.addDays(1);
        segundos = 0;
    }
    QString texto = TextoDia(f.day(), f.month(), f.year());
    if (segundos != 0)
        texto += QLatin1Char(' ') + TextoHora(segundos);
    return texto;
}

QString TextoValorCelda(std::string_view tipo, std::string valor, bool esFecha, bool sistema1904)
{
    if (valor.empty())
        return {};
    if (tipo == "b")
        return valor == "1" || valor == "true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (tipo == "str" || tipo == "e" || tipo == "inlineStr") {
        DesescaparTexto(valor);
        return QString::fromStdString(valor);
    }
    if (tipo == "d") {
        const auto fecha = TextoFechaIso(valor);
        return fecha ? *fecha : QString::fromStdString(valor);
    }
    const auto numero = LeerNumero(valor);
    if (!numero)
        return QString::fromStdString(valor);
    if (esFecha)
        if (const auto fecha = TextoFecha(*numero, sistema1904))
            return *fecha;
    return TextoNumero(*numero);
}

bool EsFormatoFecha(int id, std::string_view codigo, bool hayCodigo)
{
    if (!hayCodigo)
        return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
    for (size_t i = 0; i < codigo.size(); ++i) {
        const char c = codigo[i];
        switch (c) {
        case '"': {
            const size_t fin = codigo.find('"', i + 1);
            if (fin == std::string_view::npos)
                return false;
            i = fin;
            break;
        }
        case '\\':
        case '_':
        case '*': ++i; break;
        case '[': {
            const size_t fin = codigo.find(']', i + 1);
            if (fin == std::string_view::npos)
                return false;
            // Elapsed time: [h], [mm], [ss]; colours, conditions and locales are not dates.
            const std::string_view dentro = codigo.substr(i + 1, fin - i - 1);
            if (!dentro.empty() && dentro.find_first_not_of("hHmMsS") == std::string_view::npos)
                return true;
            i = fin;
            break;
        }
        case 'd':
        case 'D':
        case 'm':
        case 'M':
        case 'y':
        case 'Y':
        case 'h':
        case 'H':
        case 's':
        case 'S': return true;
        default: break;
        }
    }
    return false;
}

namespace {

bool EsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int ValorHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

// "_xHHHH_" at position i.
bool EsEscape(std::string_view t, size_t i)
{
    return i + 7 <= t.size() && t[i] == '_' && t[i + 1] == 'x' && EsHex(t[i + 2]) && EsHex(t[i + 3]) &&
           EsHex(t[i + 4]) && EsHex(t[i + 5]) && t[i + 6] == '_';
}

void AgregarEscape(std::string& s, unsigned codigo)
{
    static const char kHex[] = "0123456789ABCDEF";
    s += "_x";
    for (int d = 12; d >= 0; d -= 4)
        s += kHex[(codigo >> d) & 0xF];
    s += '_';
}

} // namespace

std::string EscaparTexto(const QString& texto)
{
    const QByteArray utf8 = texto.toUtf8();
    const std::string_view t(utf8.constData(), size_t(utf8.size()));
    std::string s;
    s.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = (unsigned char)t[i];
        if (c < 0x20 && c != '\t' && c != '\n') {
            AgregarEscape(s, c);
        } else if (c == '_' && EsEscape(t, i)) {
            AgregarEscape(s, '_');
        } else if (c == 0xEF && i + 2 < t.size() && (unsigned char)t[i + 1] == 0xBF &&
                   ((unsigned char)t[i + 2] == 0xBE || (unsigned char)t[i + 2] == 0xBF)) {
            // U+FFFE and U+FFFF cannot appear in XML.
            AgregarEscape(s, 0xFFFE + ((unsigned char)t[i + 2] - 0xBE));
            i += 2;
        } else {
            s += char(c);
        }
    }
    return s;
}

void DesescaparTexto(std::string& texto)
{
    const size_t primero = texto.find("_x");
    if (primero == std::string::npos)
        return;
    std::string s = texto.substr(0, primero);
    for (size_t i = primero; i < texto.size();) {
        if (!EsEscape(texto, i)) {
            s += texto[i++];
            continue;
        }
        unsigned cp = 0;
        for (size_t k = i + 2; k < i + 6; ++k)
            cp = cp * 16 + unsigned(ValorHex(texto[k]));
        i += 7;
        if (cp >= 0xD800 && cp <= 0xDBFF && EsEscape(texto, i)) {
            unsigned bajo = 0;
            for (size_t k = i + 2; k < i + 6; ++k)
                bajo = bajo * 16 + unsigned(ValorHex(texto[k]));
            if (bajo >= 0xDC00 && bajo <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (bajo - 0xDC00);
                i += 7;
            }
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp == 0)
            cp = 0xFFFD;
        AgregarUtf8(s, cp);
    }
    texto.swap(s);
}

bool NecesitaPreservarEspacios(std::string_view t)
{
    auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    return !t.empty() && (blanco(t.front()) || blanco(t.back()));
}

} // namespace xlsx
