#include "Celdas.h"

#include <algorithm>

namespace xlsx {

std::optional<Celda> LeerCelda(std::string_view t)
{
    size_t i = 0;
    if (i < t.size() && t[i] == '$')
        ++i;
    long long columna = 0;
    size_t letras = 0;
    for (; i < t.size(); ++i, ++letras) {
        char c = t[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z' || letras >= 3)
            break;
        columna = columna * 26 + (c - 'A' + 1);
    }
    if (letras == 0 || columna > kMaximoColumnas)
        return std::nullopt;
    if (i < t.size() && t[i] == '$')
        ++i;
    long long fila = 0;
    size_t cifras = 0;
    for (; i < t.size(); ++i, ++cifras) {
        const char c = t[i];
        if (c < '0' || c > '9' || cifras >= 7)
            return std::nullopt;
        fila = fila * 10 + (c - '0');
    }
    if (cifras == 0 || fila < 1 || fila > kMaximoFilas)
        return std::nullopt;
    return Celda{int(fila), int(columna)};
}

std::optional<Celda> LeerCelda(const QString& texto)
{
    if (texto.size() > 16)
        return std::nullopt;
    return LeerCelda(std::string_view(texto.toLatin1().toStdString()));
}

Rango RangoOrdenado(Celda a, Celda b)
{
    return Rango{Celda{std::min(a.fila, b.fila), std::min(a.columna, b.columna)},
                 Celda{std::max(a.fila, b.fila), std::max(a.columna, b.columna)}};
}

std::optional<Rango> LeerRango(std::string_view texto)
{
    const size_t dos = texto.find(':');
    if (dos == std::string_view::npos) {
        const auto c = LeerCelda(texto);
        if (!c)
            return std::nullopt;
        return Rango{*c, *c};
    }
    const auto a = LeerCelda(texto.substr(0, dos));
    const auto b = LeerCelda(texto.substr(dos + 1));
    if (!a || !b)
        return std::nullopt;
    return RangoOrdenado(*a, *b);
}

std::string LetrasColumna(int columna)
{
    std::string letras;
    while (columna > 0) {
        const int resto = (columna - 1) % 26;
        letras.insert(letras.begin(), char('A' + resto));
        columna = (columna - 1) / 26;
    }
    return letras;
}

std::string TextoCelda(const Celda& c)
{
    return LetrasColumna(c.columna) + std::to_string(c.fila);
}

std::string TextoRango(const Rango& r)
{
    if (r.desde == r.hasta)
        return TextoCelda(r.desde);
    return TextoCelda(r.desde) + ':' + TextoCelda(r.hasta);
}

} // namespace xlsx
