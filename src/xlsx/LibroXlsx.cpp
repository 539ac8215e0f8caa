#include "LibroXlsx.h"

#include "ArbolXml.h"
#include "ErrorLibro.h"
#include "Paquete.h"
#include "PartesLibro.h"
#include "TextosCompartidos.h"
#include "Valores.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

namespace xlsx {

namespace {

constexpr size_t kMaximoHojaEditable = 256u * 1024 * 1024;
// A block larger than this is a mistake of the caller, not a report.
constexpr long long kMaximoCeldasRango = 1000000;
// The longest text a cell can hold.
constexpr int kMaximoLargoTexto = 32767;

// Children of worksheet that come after mergeCells in schema order.
const char* const kTrasCombinadas[] = {"phoneticPr",       "conditionalFormatting",
                                       "dataValidations",  "hyperlinks",
                                       "printOptions",     "pageMargins",
                                       "pageSetup",        "headerFooter",
                                       "rowBreaks",        "colBreaks",
                                       "customProperties", "cellWatches",
                                       "ignoredErrors",    "smartTags",
                                       "drawing",          "legacyDrawing",
                                       "legacyDrawingHF",  "drawingHF",
                                       "picture",          "oleObjects",
                                       "controls",         "webPublishItems",
                                       "tableParts",       "extLst",
                                       "AlternateContent"};
// Children of worksheet that come before sheetData.
const char* const kAntesDeDatos[] = {"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols"};

const char* const kTipoEstilos = "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";
const char* const kTipoTextos = "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";
// A template saved as such declares itself one; the saved file is a workbook.
const std::pair<const char*, const char*> kPlantillaALibro[] = {
    {"application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml",
     "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"},
    {"application/vnd.ms-excel.template.macroEnabled.main+xml",
     "application/vnd.ms-excel.sheet.macroEnabled.main+xml"}};

bool Entre(std::string_view nombre, const char* const* lista, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (nombre == lista[i])
            return true;
    return false;
}

struct Fila
{
    pugi::xml_node nodo;
    std::map<int, pugi::xml_node> celdas;
};

struct EstiloColumnas
{
    int desde;
    int hasta;
    uint32_t estilo;
};

std::string Carpeta(const std::string& parte)
{
    const size_t barra = parte.rfind('/');
    return barra == std::string::npos ? std::string() : parte.substr(0, barra + 1);
}

} // namespace

struct LibroXlsx::Impl
{
    std::shared_ptr<const Paquete> paquete;
    // The file the workbook is, for messages: where it was opened from, then where it was saved.
    QString nombre;
    PartesLibro partes;
    pugi::xml_document hoja;
    pugi::xml_node raiz;
    pugi::xml_node datos;
    std::string nombreFila, nombreCelda, nombreValor;
    std::string prefijo;
    std::map<int, Fila> filas;
    std::vector<EstiloColumnas> columnas;
    std::vector<Rango> combinadas;
    // The merges touching each row, so that the overlap check of a report with a hundred
    // thousand merges looks only at its own rows.
    std::unordered_map<int, std::vector<uint32_t>> combinadasPorFila;
    // Elements of mergeCells; -1 until first counted.
    long cuentaCombinadas = -1;
    // Points of a row without a height of its own.
    double altoPredeterminado = 15;
    std::unique_ptr<Estilos> estilos;
    std::unique_ptr<TextosCompartidos> textos;
    bool hojaModificada = false;
    bool quitarCadenaCalculo = false;

    void Cargar();
    pugi::xml_node Nodo(const Celda& c, bool crear);
    uint32_t EstiloHeredado(const Fila& f, int columna) const;
    void QuitarValor(pugi::xml_node c);
    void QuitarFormulasCompartidas(std::string_view indice);
    void PonerValor(pugi::xml_node c, const char* tipo, const std::string& valor);
    void Formatear(pugi::xml_node c, const Cambio& cambio);
    void AgrandarFila(int fila, double puntos);
    void ActualizarDimension();
    QString Texto(const pugi::xml_node& c) const;
    void RegistrarCombinada(const Rango& r)
    {
        const uint32_t indice = uint32_t(combinadas.size());
        combinadas.push_back(r);
        for (int f = r.desde.fila; f <= r.hasta.fila; ++f)
            combinadasPorFila[f].push_back(indice);
    }
    // The existing merge equal to r, or nullptr; throws when one overlaps it.
    const Rango* CombinadaIgual(const Rango& r) const;
    template <typename Accion> void ParaCada(const Rango& r, Accion accion)
    {
        if (r.CantidadCeldas() > kMaximoCeldasRango)
            throw Fallo("el rango " + TextoRango(r) + " es demasiado grande");
        for (int f = r.desde.fila; f <= r.hasta.fila; ++f)
            for (int c = r.desde.columna; c <= r.hasta.columna; ++c)
                accion(Nodo(Celda{f, c}, true));
        hojaModificada = true;
    }
};

void LibroXlsx::Impl::Cargar()
{
    partes = LocalizarPartes(*paquete);
    CargarXml(hoja, paquete->Leer(partes.hoja, kMaximoHojaEditable), partes.hoja);
    raiz = hoja.document_element();
    prefijo = Prefijo(raiz);
    nombreFila = prefijo + "row";
    nombreCelda = prefijo + "c";
    nombreValor = prefijo + "v";
    datos = Hijo(raiz, "sheetData");
    if (!datos) {
        pugi::xml_node antes;
        for (pugi::xml_node h = raiz.first_child(); h; h = h.next_sibling())
            if (h.type() == pugi::node_element && Entre(NombreLocal(h), kAntesDeDatos, std::size(kAntesDeDatos)))
                antes = h;
        const std::string nombre = prefijo + "sheetData";
        datos = antes ? raiz.insert_child_after(nombre.c_str(), antes) : raiz.prepend_child(nombre.c_str());
    }
    int ultimaFila = 0;
    for (pugi::xml_node fila = datos.first_child(); fila; fila = fila.next_sibling()) {
        if (fila.type() != pugi::node_element || NombreLocal(fila) != "row")
            continue;
        int r = fila.attribute("r").as_int(0);
        if (r <= 0) {
            r = ultimaFila + 1;
            PonerAtributo(fila, "r", std::to_string(r));
        }
        if (r > kMaximoFilas)
            throw Fallo("la hoja tiene una fila fuera de los límites (" + std::to_string(r) + ")");
        ultimaFila = r;
        Fila& f = filas[r];
        f.nodo = fila;
        int ultimaColumna = 0;
        for (pugi::xml_node c = fila.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element || NombreLocal(c) != "c")
                continue;
            const char* ref = c.attribute("r").value();
            int columna = ultimaColumna + 1;
            if (*ref) {
                const auto celda = LeerCelda(std::string_view(ref));
                if (!celda || celda->fila != r)
                    throw Fallo("la hoja tiene una referencia de celda no válida (" + std::string(ref) + ")");
                columna = celda->columna;
            } else {
                if (columna > kMaximoColumnas)
                    throw Fallo(std::string("la hoja tiene demasiadas columnas"));
                PonerAtributo(c, "r", TextoCelda(Celda{r, columna}));
            }
            ultimaColumna = columna;
            f.celdas[columna] = c;
        }
    }
    if (const auto alto = LeerNumero(Hijo(raiz, "sheetFormatPr").attribute("defaultRowHeight").value()))
        altoPredeterminado = *alto;
    for (pugi::xml_node c = Hijo(Hijo(raiz, "cols"), "col"); c; c = c.next_sibling())
        if (NombreLocal(c) == "col" && c.attribute("style"))
            columnas.push_back(
                {c.attribute("min").as_int(0), c.attribute("max").as_int(0), c.attribute("style").as_uint(0)});
    for (pugi::xml_node m = Hijo(Hijo(raiz, "mergeCells"), "mergeCell"); m; m = m.next_sibling())
        if (NombreLocal(m) == "mergeCell")
            if (const auto r = LeerRango(m.attribute("ref").value()))
                RegistrarCombinada(*r);
    if (partes.estilos.empty()) {
        estilos = std::make_unique<Estilos>(nullptr);
    } else {
        const std::string xml = paquete->Leer(partes.estilos, kMaximoParteChica);
        estilos = std::make_unique<Estilos>(&xml);
    }
    if (partes.textos.empty()) {
        textos = std::make_unique<TextosCompartidos>(nullptr);
    } else {
        const std::string xml = paquete->Leer(partes.textos, kMaximoHojaEditable);
        textos = std::make_unique<TextosCompartidos>(&xml);
    }
}

uint32_t LibroXlsx::Impl::EstiloHeredado(const Fila& f, int columna) const
{
    const std::string_view propio = f.nodo.attribute("customFormat").value();
    if (propio == "1" || propio == "true")
        return f.nodo.attribute("s").as_uint(0);
    for (const EstiloColumnas& c : columnas)
        if (columna >= c.desde && columna <= c.hasta)
            return c.estilo;
    return 0;
}

pugi::xml_node LibroXlsx::Impl::Nodo(const Celda& c, bool crear)
{
    auto itFila = filas.find(c.fila);
    if (itFila == filas.end()) {
        if (!crear)
            return {};
        const auto siguiente = filas.upper_bound(c.fila);
        pugi::xml_node nodo = siguiente == filas.end()
                                  ? datos.append_child(nombreFila.c_str())
                                  : datos.insert_child_before(nombreFila.c_str(), siguiente->second.nodo);
        nodo.append_attribute("r").set_value(c.fila);
        itFila = filas.emplace(c.fila, Fila{nodo, {}}).first;
    }
    Fila& f = itFila->second;
    const auto itCelda = f.celdas.find(c.columna);
    if (itCelda != f.celdas.end())
        return itCelda->second;
    if (!crear)
        return {};
    const auto siguiente = f.celdas.upper_bound(c.columna);
    pugi::xml_node nodo;
    if (siguiente != f.celdas.end()) {
        nodo = f.nodo.insert_child_before(nombreCelda.c_str(), siguiente->second);
    } else if (const pugi::xml_node ext = Hijo(f.nodo, "extLst")) {
        nodo = f.nodo.insert_child_before(nombreCelda.c_str(), ext);
    } else {
        nodo = f.nodo.append_child(nombreCelda.c_str());
    }
    nodo.append_attribute("r").set_value(TextoCelda(c).c_str());
    // A new cell takes the format its row or column gives the empty cell.
    if (const uint32_t s = EstiloHeredado(f, c.columna))
        nodo.append_attribute("s").set_value(s);
    // The row's span hint must cover the new cell.
    if (pugi::xml_attribute spans = f.nodo.attribute("spans")) {
        const std::string_view v = spans.value();
        const int desde = std::atoi(v.data());
        const size_t dos = v.rfind(':');
        const int hasta = dos == std::string_view::npos ? desde : std::atoi(v.data() + dos + 1);
        if (desde > 0 && hasta > 0 && (c.columna < desde || c.columna > hasta))
            spans.set_value(
                (std::to_string(std::min(desde, c.columna)) + ':' + std::to_string(std::max(hasta, c.columna)))
                    .c_str());
    }
    f.celdas.emplace(c.columna, nodo);
    return nodo;
}

void LibroXlsx::Impl::QuitarValor(pugi::xml_node c)
{
    if (std::string_view(c.attribute("t").value()) == "s")
        textos->CambiarReferencias(-1);
    c.remove_attribute("t");
    c.remove_attribute("vm");
    c.remove_attribute("cm");
    std::vector<std::string> compartidas;
    for (pugi::xml_node h = c.first_child(); h;) {
        const pugi::xml_node siguiente = h.next_sibling();
        const std::string_view local = NombreLocal(h);
        if (local == "f") {
            // The master of a shared formula takes its dependants' formulas with it.
            if (std::string_view(h.attribute("t").value()) == "shared" && *h.attribute("ref").value())
                compartidas.emplace_back(h.attribute("si").value());
            quitarCadenaCalculo = true;
            c.remove_child(h);
        } else if (local == "v" || local == "is") {
            c.remove_child(h);
        }
        h = siguiente;
    }
    for (const std::string& si : compartidas)
        QuitarFormulasCompartidas(si);
}

void LibroXlsx::Impl::QuitarFormulasCompartidas(std::string_view indice)
{
    for (auto& [numero, fila] : filas)
        for (auto& [columna, celda] : fila.celdas) {
            const pugi::xml_node f = Hijo(celda, "f");
            if (f && std::string_view(f.attribute("t").value()) == "shared" &&
                std::string_view(f.attribute("si").value()) == indice)
                celda.remove_child(f);
        }
}

void LibroXlsx::Impl::PonerValor(pugi::xml_node c, const char* tipo, const std::string& valor)
{
    if (tipo)
        c.append_attribute("t").set_value(tipo);
    const pugi::xml_node ext = Hijo(c, "extLst");
    pugi::xml_node v = ext ? c.insert_child_before(nombreValor.c_str(), ext) : c.append_child(nombreValor.c_str());
    v.text().set(valor.c_str());
}

void LibroXlsx::Impl::Formatear(pugi::xml_node c, const Cambio& cambio)
{
    const uint32_t actual = c.attribute("s").as_uint(0);
    const uint32_t nuevo = estilos->Derivar(actual, cambio);
    if (nuevo == actual && c.attribute("s"))
        return;
    pugi::xml_attribute s = c.attribute("s");
    if (!s) {
        const pugi::xml_attribute r = c.attribute("r");
        s = r ? c.insert_attribute_after("s", r) : c.prepend_attribute("s");
    }
    s.set_value(nuevo);
}

void LibroXlsx::Impl::AgrandarFila(int fila, double puntos)
{
    // As the spreadsheet does, a row of automatic height grows to show a larger font (never
    // shrinks: other cells of the row keep theirs); a height set by hand stays.
    const auto it = filas.find(fila);
    if (it == filas.end())
        return;
    pugi::xml_node nodo = it->second.nodo;
    const std::string_view propio = nodo.attribute("customHeight").value();
    if (propio == "1" || propio == "true")
        return;
    // The spreadsheet's automatic heights go in steps of 0.75 points: 15 for 11, 23.25 for 18.
    const double necesario = std::ceil(puntos * 1.29 / 0.75) * 0.75;
    const double actual = LeerNumero(nodo.attribute("ht").value()).value_or(altoPredeterminado);
    if (necesario > actual)
        PonerAtributo(nodo, "ht", NumeroXml(necesario));
}

void LibroXlsx::Impl::ActualizarDimension()
{
    pugi::xml_node dimension = Hijo(raiz, "dimension");
    if (!dimension)
        return;
    int f0 = 0, f1 = 0, c0 = 0, c1 = 0;
    for (const auto& [numero, fila] : filas) {
        if (fila.celdas.empty())
            continue;
        if (!f0)
            f0 = numero;
        f1 = numero;
        const int primera = fila.celdas.begin()->first, ultima = fila.celdas.rbegin()->first;
        c0 = c0 ? std::min(c0, primera) : primera;
        c1 = std::max(c1, ultima);
    }
    const Rango r = f0 ? Rango{Celda{f0, c0}, Celda{f1, c1}} : Rango{Celda{1, 1}, Celda{1, 1}};
    PonerAtributo(dimension, "ref", TextoRango(r));
}

QString LibroXlsx::Impl::Texto(const pugi::xml_node& c) const
{
    const std::string_view tipo = c.attribute("t").value();
    if (tipo == "inlineStr") {
        std::string t;
        JuntarTextos(Hijo(c, "is"), t);
        DesescaparTexto(t);
        return QString::fromStdString(t);
    }
    const std::string_view valor = Hijo(c, "v").text().get();
    if (tipo == "s") {
        const auto i = LeerNumero(valor);
        return i ? QString::fromStdString(textos->Texto(uint32_t(*i))) : QString();
    }
    return TextoValorCelda(tipo, std::string(valor), estilos->EsFecha(c.attribute("s").as_uint(0)), partes.fechas1904);
}

const Rango* LibroXlsx::Impl::CombinadaIgual(const Rango& r) const
{
    for (int f = r.desde.fila; f <= r.hasta.fila; ++f) {
        const auto it = combinadasPorFila.find(f);
        if (it == combinadasPorFila.end())
            continue;
        for (const uint32_t i : it->second) {
            const Rango& otra = combinadas[i];
            if (otra == r)
                return &otra;
            if (otra.SeSuperpone(r))
                throw Fallo("la combinación " + TextoRango(r) + " se superpone con la combinación " + TextoRango(otra) +
                            " ya existente");
        }
    }
    return nullptr;
}

LibroXlsx::LibroXlsx(std::shared_ptr<const Paquete> paquete) : d(std::make_unique<Impl>())
{
    d->paquete = std::move(paquete);
    d->nombre = d->paquete->Nombre();
    Proteger(d->nombre, QStringLiteral("abrir"), [&] { d->Cargar(); });
}

LibroXlsx::~LibroXlsx() = default;

void LibroXlsx::EscribirTexto(const Rango& rango, const QString& texto, bool prefijoTexto)
{
    Proteger(d->nombre, QStringLiteral("modificar"), [&] {
        QString t = texto;
        if (t.size() > kMaximoLargoTexto)
            t.truncate(t.at(kMaximoLargoTexto - 1).isHighSurrogate() ? kMaximoLargoTexto - 1 : kMaximoLargoTexto);
        d->ParaCada(rango, [&](pugi::xml_node c) {
            d->QuitarValor(c);
            if (!t.isEmpty()) {
                d->PonerValor(c, "s", std::to_string(d->textos->Indice(t)));
                d->textos->CambiarReferencias(1);
            }
            if (prefijoTexto)
                d->Formatear(c, Cambio{Cambio::Tipo::PrefijoTexto, "1"});
        });
    });
}

void LibroXlsx::EscribirNumero(const Rango& rango, double numero)
{
    Proteger(d->nombre, QStringLiteral("modificar"), [&] {
        if (!std::isfinite(numero))
            throw Fallo(std::string("el número no es válido"));
        const std::string texto = NumeroXml(numero);
        d->ParaCada(rango, [&](pugi::xml_node c) {
            d->QuitarValor(c);
            d->PonerValor(c, nullptr, texto);
        });
    });
}

void LibroXlsx::Combinar(const Rango& rango)
{
    Proteger(d->nombre, QStringLiteral("modificar"), [&] {
        if (rango.desde == rango.hasta)
            return;
        if (d->CombinadaIgual(rango))
            return;
        d->ParaCada(rango, [&](pugi::xml_node c) {
            if (std::string_view(c.attribute("r").value()) != TextoCelda(rango.desde))
                d->QuitarValor(c);
        });
        pugi::xml_node lista = Hijo(d->raiz, "mergeCells");
        if (!lista) {
            const std::string nombre = d->prefijo + "mergeCells";
            pugi::xml_node tras;
            for (pugi::xml_node h = d->raiz.first_child(); h && !tras; h = h.next_sibling())
                if (h.type() == pugi::node_element &&
                    Entre(NombreLocal(h), kTrasCombinadas, std::size(kTrasCombinadas)))
                    tras = h;
            lista = tras ? d->raiz.insert_child_before(nombre.c_str(), tras) : d->raiz.append_child(nombre.c_str());
        }
        lista.append_child((d->prefijo + "mergeCell").c_str())
            .append_attribute("ref")
            .set_value(TextoRango(rango).c_str());
        d->RegistrarCombinada(rango);
        if (d->cuentaCombinadas < 0) {
            d->cuentaCombinadas = 0;
            for (pugi::xml_node m = lista.first_child(); m; m = m.next_sibling())
                d->cuentaCombinadas += m.type() == pugi::node_element ? 1 : 0;
        } else {
            ++d->cuentaCombinadas;
        }
        PonerAtributo(lista, "count", std::to_string(d->cuentaCombinadas));
    });
}

void LibroXlsx::Formatear(const Rango& rango, const Cambio& cambio)
{
    Proteger(d->nombre, QStringLiteral("modificar"), [&] {
        d->ParaCada(rango, [&](pugi::xml_node c) { d->Formatear(c, cambio); });
        if (cambio.tipo == Cambio::Tipo::Tamano)
            if (const auto puntos = LeerNumero(cambio.valor))
                for (int f = rango.desde.fila; f <= rango.hasta.fila; ++f)
                    d->AgrandarFila(f, *puntos);
    });
}

std::string LibroXlsx::ColorIndice(int indice) const
{
    return d->estilos->ColorIndice(indice);
}

QString LibroXlsx::Texto(const Celda& celda) const
{
    const pugi::xml_node c = d->Nodo(celda, false);
    return c ? d->Texto(c) : QString();
}

size_t LibroXlsx::CantidadFormatos() const
{
    return d->estilos->CantidadFormatos();
}

namespace {

// Adds a part the workbook lacked to the content types and the workbook's relationships.
void DeclararParte(pugi::xml_document& tipos, pugi::xml_document& rels, const std::string& parte,
                   const char* tipoContenido, const std::string& tipoRelacion, const std::string& destino)
{
    pugi::xml_node t = tipos.document_element();
    pugi::xml_node o = t.append_child((Prefijo(t) + "Override").c_str());
    o.append_attribute("PartName").set_value(("/" + parte).c_str());
    o.append_attribute("ContentType").set_value(tipoContenido);
    pugi::xml_node r = rels.document_element();
    std::set<std::string> ids;
    for (pugi::xml_node h = r.first_child(); h; h = h.next_sibling())
        ids.insert(h.attribute("Id").value());
    int n = 1;
    while (ids.count("rId" + std::to_string(n)))
        ++n;
    pugi::xml_node nueva = r.append_child((Prefijo(r) + "Relationship").c_str());
    nueva.append_attribute("Id").set_value(("rId" + std::to_string(n)).c_str());
    nueva.append_attribute("Type").set_value(tipoRelacion.c_str());
    nueva.append_attribute("Target").set_value(destino.c_str());
}

} // namespace

void LibroXlsx::Guardar(const QString& ruta)
{
    Proteger(ruta, QStringLiteral("guardar"), [&] {
        const Paquete& paquete = *d->paquete;
        const PartesLibro& partes = d->partes;
        std::map<std::string, std::string> reemplazos;
        std::set<std::string> eliminadas;
        std::vector<std::pair<std::string, std::string>> nuevas;

        const char* const kTipos = "[Content_Types].xml";
        if (!paquete.Buscar(kTipos))
            throw Fallo("el libro de origen está dañado (falta " + std::string(kTipos) + ")");
        pugi::xml_document tipos, rels;
        CargarXml(tipos, paquete.Leer(kTipos, kMaximoParteChica), kTipos);
        CargarXml(rels, paquete.Leer(partes.relacionesLibro, kMaximoParteChica), partes.relacionesLibro);
        bool tiposCambiados = false, relsCambiadas = false;

        const std::string nombreLibro = "/" + Minusculas(partes.libro);
        for (pugi::xml_node o = tipos.document_element().first_child(); o; o = o.next_sibling()) {
            if (Minusculas(o.attribute("PartName").value()) != nombreLibro)
                continue;
            for (const auto& [plantilla, libro] : kPlantillaALibro)
                if (std::string_view(o.attribute("ContentType").value()) == plantilla) {
                    o.attribute("ContentType").set_value(libro);
                    tiposCambiados = true;
                }
        }

        if (d->hojaModificada) {
            d->ActualizarDimension();
            reemplazos[Minusculas(partes.hoja)] = GuardarXml(d->hoja);
        }
        // Relationship types follow the workbook's own vocabulary (transitional or strict).
        std::string baseRelaciones = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
        for (pugi::xml_node r = rels.document_element().first_child(); r; r = r.next_sibling()) {
            const std::string tipo = r.attribute("Type").value();
            if (EsTipo(tipo, "worksheet")) {
                baseRelaciones = tipo.substr(0, tipo.size() - std::string("worksheet").size());
                break;
            }
        }
        auto guardarParte = [&](bool nueva, const std::string& actual, const char* archivo, std::string contenido,
                                const char* tipoContenido, const char* relacion) {
            if (!nueva) {
                reemplazos[Minusculas(actual)] = std::move(contenido);
                return;
            }
            const std::string parte = Carpeta(partes.libro) + archivo;
            if (paquete.Buscar(parte))
                reemplazos[Minusculas(parte)] = std::move(contenido);
            else
                nuevas.emplace_back(parte, std::move(contenido));
            DeclararParte(tipos, rels, parte, tipoContenido, baseRelaciones + relacion, archivo);
            tiposCambiados = relsCambiadas = true;
        };
        if (d->estilos->Modificado())
            guardarParte(d->estilos->Nuevo(), partes.estilos, "styles.xml", d->estilos->Guardar(), kTipoEstilos,
                         "styles");
        if (d->textos->Modificado())
            guardarParte(d->textos->Nuevo(), partes.textos, "sharedStrings.xml", d->textos->Guardar(), kTipoTextos,
                         "sharedStrings");

        // The calculation chain lists formula cells; a stale one makes the spreadsheet repair the file.
        if (d->quitarCadenaCalculo && !partes.cadenaCalculo.empty()) {
            eliminadas.insert(Minusculas(partes.cadenaCalculo));
            const std::string nombre = "/" + Minusculas(partes.cadenaCalculo);
            for (pugi::xml_node o = tipos.document_element().first_child(); o;) {
                const pugi::xml_node siguiente = o.next_sibling();
                if (Minusculas(o.attribute("PartName").value()) == nombre) {
                    tipos.document_element().remove_child(o);
                    tiposCambiados = true;
                }
                o = siguiente;
            }
            for (pugi::xml_node r = rels.document_element().first_child(); r;) {
                const pugi::xml_node siguiente = r.next_sibling();
                if (EsTipo(r.attribute("Type").value(), "calcChain")) {
                    rels.document_element().remove_child(r);
                    relsCambiadas = true;
                }
                r = siguiente;
            }
        }
        if (tiposCambiados)
            reemplazos[Minusculas(kTipos)] = GuardarXml(tipos);
        if (relsCambiadas)
            reemplazos[Minusculas(partes.relacionesLibro)] = GuardarXml(rels);

        EscribirArchivo(ruta, paquete.Reconstruir(reemplazos, eliminadas, nuevas));
    });
    d->nombre = ruta;
}

void EscribirArchivo(const QString& ruta, const QByteArray& bytes)
{
    const QFileInfo info(ruta);
    if (info.isDir())
        throw Fallo(QStringLiteral("el nombre corresponde a una carpeta"));
    if (!info.dir().exists())
        throw Fallo(QStringLiteral("la carpeta \"%1\" no existe").arg(QDir::toNativeSeparators(info.absolutePath())));
    if (info.exists() && !info.isWritable())
        throw Fallo(QStringLiteral("el archivo está protegido contra escritura o abierto en otro programa"));
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        throw Fallo(QStringLiteral("no se puede crear el archivo temporal en la carpeta \"%1\" (%2)")
                        .arg(QDir::toNativeSeparators(info.absolutePath()), archivo.errorString()));
    if (archivo.write(bytes) != bytes.size()) {
        const QString error = archivo.errorString();
        archivo.cancelWriting();
        throw Fallo(QStringLiteral("no se pudo escribir el archivo temporal (%1)").arg(error));
    }
    if (!archivo.commit())
        throw Fallo(QStringLiteral("no se pudo reemplazar el archivo (%1)").arg(archivo.errorString()));
}

} // namespace xlsx
