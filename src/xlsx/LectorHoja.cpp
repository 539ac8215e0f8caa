#include "LectorHoja.h"

#include "ErrorLibro.h"
#include "Estilos.h"
#include "LectorXml.h"
#include "Paquete.h"
#include "PartesLibro.h"
#include "TextoLimpio.h"
#include "Valores.h"

#include <algorithm>

namespace xlsx {

namespace {

// Bounds that keep a hostile file from exhausting memory or time; a real sheet is far below them.
// What a part may inflate to is bounded by the package (kMaximoParteInflada, kMaximaProporcion).
constexpr size_t kMaximoCeldas = 10000000;
constexpr size_t kMaximoBytesTextos = 1024u * 1024 * 1024;

// One non-empty cell: 24 bytes whatever its content.
struct Registro
{
    uint32_t fila;
    uint16_t columna;
    char tipo; // 's' shared string (pos = index), 'i' inline text, 'n', 'b', 'e', 't' (formula text), 'd'
    uint32_t estilo;
    uint32_t largo;
    uint64_t pos;
};

std::string_view TipoXml(char tipo)
{
    switch (tipo) {
    case 'b': return "b";
    case 'e': return "e";
    case 't': return "str";
    case 'd': return "d";
    default: return "n";
    }
}

uint32_t Entero(std::string_view t, uint32_t siFalta)
{
    if (t.empty())
        return siFalta;
    uint64_t n = 0;
    for (char c : t) {
        if (c < '0' || c > '9' || n > 0xFFFFFFFFull)
            throw Fallo("la hoja tiene un número no válido (" + std::string(t.substr(0, 20)) + ")");
        n = n * 10 + uint64_t(c - '0');
    }
    if (n > 0xFFFFFFFFull)
        throw Fallo("la hoja tiene un número no válido (" + std::string(t.substr(0, 20)) + ")");
    return uint32_t(n);
}

LectorXml::Fuente FuenteDe(Paquete::Flujo& flujo)
{
    return [&flujo](char* destino, size_t maximo) { return flujo.Leer(destino, maximo); };
}

} // namespace

struct LectorHoja::Impl
{
    // Held while the sheet is read, then let go: the cells are all kept here.
    std::shared_ptr<const Paquete> paquete;
    QString nombre;
    bool fechas1904 = false;
    std::vector<bool> fechas;
    std::string textos;
    std::vector<uint64_t> inicioTextos;
    std::string valores;
    std::vector<Registro> celdas;
    std::vector<uint32_t> inicioFila;

    void Cargar();
    void LeerTextos(const std::string& parte);
    void LeerHoja(const std::string& parte);
    void Agregar(const Registro& r, std::string_view contenido);
    void Ordenar();
};

void LectorHoja::Impl::Cargar()
{
    const PartesLibro partes = LocalizarPartes(*paquete);
    fechas1904 = partes.fechas1904;
    if (!partes.estilos.empty()) {
        const std::string xml = paquete->Leer(partes.estilos, kMaximoParteChica);
        const Estilos estilos(&xml);
        fechas.resize(estilos.CantidadFormatos());
        for (size_t i = 0; i < fechas.size(); ++i)
            fechas[i] = estilos.EsFecha(uint32_t(i));
    }
    inicioTextos.push_back(0);
    if (!partes.textos.empty())
        LeerTextos(partes.textos);
    LeerHoja(partes.hoja);
    Ordenar();
}

void LectorHoja::Impl::LeerTextos(const std::string& parte)
{
    auto flujo = paquete->Abrir(parte);
    LectorXml x(FuenteDe(*flujo));
    bool enSi = false, enT = false;
    int fonetica = 0;
    std::string actual;
    for (;;) {
        const LectorXml::Evento e = x.Siguiente();
        if (e == LectorXml::Evento::Final)
            break;
        if (e == LectorXml::Evento::Texto) {
            if (enT)
                actual += x.Texto();
            continue;
        }
        const std::string_view n = x.Nombre();
        if (e == LectorXml::Evento::Inicio) {
            if (n == "si") {
                enSi = true;
                fonetica = 0;
                actual.clear();
            } else if (n == "rPh") {
                ++fonetica;
            } else if (n == "t" && enSi && fonetica == 0) {
                enT = true;
            }
        } else if (n == "t") {
            enT = false;
        } else if (n == "rPh") {
            --fonetica;
        } else if (n == "si" && enSi) {
            enSi = false;
            DesescaparTexto(actual);
            textos += actual;
            if (textos.size() > kMaximoBytesTextos || inicioTextos.size() > kMaximoCeldas)
                throw Fallo(std::string("la tabla de textos es demasiado grande"));
            inicioTextos.push_back(textos.size());
        }
    }
}

void LectorHoja::Impl::Agregar(const Registro& r, std::string_view contenido)
{
    if (celdas.size() >= kMaximoCeldas)
        throw Fallo(std::string("la hoja tiene demasiadas celdas"));
    Registro n = r;
    if (n.tipo != 's') {
        if (valores.size() + contenido.size() > kMaximoBytesTextos)
            throw Fallo(std::string("la hoja es demasiado grande"));
        n.pos = valores.size();
        n.largo = uint32_t(contenido.size());
        valores.append(contenido);
    }
    celdas.push_back(n);
}

void LectorHoja::Impl::LeerHoja(const std::string& parte)
{
    auto flujo = paquete->Abrir(parte);
    LectorXml x(FuenteDe(*flujo));
    bool enDatos = false, enCelda = false, enV = false, enT = false, enIs = false;
    int fonetica = 0;
    uint32_t fila = 0, columna = 0;
    Registro r{};
    std::string tipo, valor, texto;
    for (;;) {
        const LectorXml::Evento e = x.Siguiente();
        if (e == LectorXml::Evento::Final)
            break;
        if (e == LectorXml::Evento::Texto) {
            if (enV)
                valor += x.Texto();
            else if (enT)
                texto += x.Texto();
            continue;
        }
        const std::string_view n = x.Nombre();
        if (e == LectorXml::Evento::Inicio) {
            if (!enDatos) {
                enDatos = n == "sheetData";
            } else if (enCelda) {
                if (n == "v")
                    enV = true;
                else if (n == "is")
                    enIs = true;
                else if (n == "rPh" && enIs)
                    ++fonetica;
                else if (n == "t" && enIs && fonetica == 0)
                    enT = true;
            } else if (n == "row") {
                const auto ref = x.Atributo("r");
                fila = ref ? Entero(*ref, 0) : fila + 1;
                if (fila < 1 || fila > uint32_t(kMaximoFilas))
                    throw Fallo("la hoja tiene una fila fuera de los límites (" + std::to_string(fila) + ")");
                columna = 0;
            } else if (n == "c") {
                const auto ref = x.Atributo("r");
                if (ref && !ref->empty()) {
                    const auto celda = LeerCelda(*ref);
                    if (!celda)
                        throw Fallo("la hoja tiene una referencia de celda no válida (" +
                                    std::string(ref->substr(0, 20)) + ")");
                    fila = uint32_t(celda->fila);
                    columna = uint32_t(celda->columna);
                } else if (++columna > uint32_t(kMaximoColumnas) || fila == 0) {
                    throw Fallo(std::string("la hoja tiene una celda fuera de los límites"));
                }
                tipo = x.Atributo("t").value_or("n");
                r.fila = fila;
                r.columna = uint16_t(columna);
                r.estilo = Entero(x.Atributo("s").value_or(""), 0);
                enCelda = true;
                fonetica = 0;
                valor.clear();
                texto.clear();
            }
            continue;
        }
        if (!enCelda) {
            if (enDatos && n == "sheetData")
                break;
            continue;
        }
        if (n == "v") {
            enV = false;
        } else if (n == "t") {
            enT = false;
        } else if (n == "rPh") {
            --fonetica;
        } else if (n == "is") {
            enIs = false;
        } else if (n == "c") {
            enCelda = enV = enT = enIs = false;
            if (tipo == "inlineStr") {
                DesescaparTexto(texto);
                if (!texto.empty()) {
                    r.tipo = 'i';
                    Agregar(r, texto);
                }
            } else if (valor.empty()) {
                // No value: an empty cell, perhaps formatted, or a formula never calculated.
            } else if (tipo == "s") {
                r.tipo = 's';
                r.pos = Entero(valor, 0);
                if (r.pos + 1 >= inicioTextos.size())
                    throw Fallo("la celda " + TextoCelda(Celda{int(fila), int(columna)}) +
                                " remite a un texto compartido que no existe");
                Agregar(r, {});
            } else {
                r.tipo = tipo == "b" ? 'b' : tipo == "e" ? 'e' : tipo == "str" ? 't' : tipo == "d" ? 'd' : 'n';
                Agregar(r, valor);
            }
        }
    }
}

void LectorHoja::Impl::Ordenar()
{
    auto antes = [](const Registro& a, const Registro& b) {
        return a.fila != b.fila ? a.fila < b.fila : a.columna < b.columna;
    };
    if (!std::is_sorted(celdas.begin(), celdas.end(), antes)) {
        std::stable_sort(celdas.begin(), celdas.end(), antes);
        // A cell written twice: the later one holds, as it would for the spreadsheet's loader.
        std::vector<Registro> unicas;
        unicas.reserve(celdas.size());
        for (const Registro& c : celdas) {
            if (!unicas.empty() && !antes(unicas.back(), c))
                unicas.back() = c;
            else
                unicas.push_back(c);
        }
        celdas.swap(unicas);
    }
    celdas.shrink_to_fit();
    const uint32_t ultima = celdas.empty() ? 0 : celdas.back().fila;
    inicioFila.assign(size_t(ultima) + 2, 0);
    for (const Registro& c : celdas)
        ++inicioFila[c.fila + 1];
    for (size_t i = 1; i < inicioFila.size(); ++i)
        inicioFila[i] += inicioFila[i - 1];
}

LectorHoja::LectorHoja(const QString& ruta) : d(std::make_unique<Impl>())
{
    d->nombre = ruta;
    Proteger(ruta, QStringLiteral("leer"), [&] {
        d->paquete = Paquete::DesdeArchivo(ruta);
        d->Cargar();
    });
    d->paquete.reset();
}

LectorHoja::LectorHoja(std::shared_ptr<const Paquete> paquete) : d(std::make_unique<Impl>())
{
    d->paquete = std::move(paquete);
    d->nombre = d->paquete->Nombre();
    Proteger(d->nombre, QStringLiteral("leer"), [&] { d->Cargar(); });
    d->paquete.reset();
}

LectorHoja::~LectorHoja() = default;

QString LectorHoja::Texto(const Celda& celda) const
{
    if (celda.fila < 1 || size_t(celda.fila) + 1 >= d->inicioFila.size())
        return {};
    const auto desde = d->celdas.begin() + d->inicioFila[size_t(celda.fila)];
    const auto hasta = d->celdas.begin() + d->inicioFila[size_t(celda.fila) + 1];
    const auto it = std::lower_bound(desde, hasta, celda.columna,
                                     [](const Registro& r, int columna) { return r.columna < columna; });
    if (it == hasta || it->columna != celda.columna)
        return {};
    // Cell texts enter the program here: a raw NUL byte in the XML must not reach a statement.
    if (it->tipo == 's') {
        const uint64_t ini = d->inicioTextos[it->pos], fin = d->inicioTextos[it->pos + 1];
        return TextoLimpio(QString::fromUtf8(d->textos.data() + ini, qsizetype(fin - ini)));
    }
    if (it->tipo == 'i')
        return TextoLimpio(QString::fromUtf8(d->valores.data() + it->pos, qsizetype(it->largo)));
    return TextoLimpio(TextoValorCelda(TipoXml(it->tipo), d->valores.substr(it->pos, it->largo),
                                       it->estilo < d->fechas.size() && d->fechas[it->estilo], d->fechas1904));
}

QString LectorHoja::Texto(const QString& celda) const
{
    const auto c = LeerCelda(celda);
    if (!c)
        throw CrearErrorLibro(d->nombre, QStringLiteral("leer"), QStringLiteral("\"%1\" no es una celda").arg(celda));
    return Texto(*c);
}

int LectorHoja::UltimaFila() const
{
    return d->inicioFila.empty() ? 0 : int(d->inicioFila.size()) - 2;
}

size_t LectorHoja::CantidadCeldas() const
{
    return d->celdas.size();
}

} // namespace xlsx
