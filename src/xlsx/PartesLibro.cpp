#include "PartesLibro.h"

#include "ArbolXml.h"
#include "ErrorLibro.h"

#include <QByteArray>
#include <QUrl>
#include <map>

namespace xlsx {

std::string ParteRelaciones(std::string_view parte)
{
    const size_t barra = parte.rfind('/');
    if (barra == std::string_view::npos)
        return "_rels/" + std::string(parte) + ".rels";
    return std::string(parte.substr(0, barra + 1)) + "_rels/" + std::string(parte.substr(barra + 1)) + ".rels";
}

std::string ResolverDestino(std::string_view origen, std::string_view destino)
{
    const QByteArray decodificado = QUrl::fromPercentEncoding(QByteArray(destino.data(), int(destino.size()))).toUtf8();
    std::string d(decodificado.constData(), size_t(decodificado.size()));
    std::string base;
    if (!d.empty() && d.front() == '/') {
        d.erase(0, 1);
    } else {
        const size_t barra = origen.rfind('/');
        if (barra != std::string_view::npos)
            base = std::string(origen.substr(0, barra + 1));
    }
    std::vector<std::string> partes;
    const std::string todo = base + d;
    size_t ini = 0;
    while (ini <= todo.size()) {
        size_t fin = todo.find('/', ini);
        if (fin == std::string::npos)
            fin = todo.size();
        const std::string seg = todo.substr(ini, fin - ini);
        if (seg == "..") {
            if (!partes.empty())
                partes.pop_back();
        } else if (!seg.empty() && seg != ".") {
            partes.push_back(seg);
        }
        ini = fin + 1;
    }
    std::string r;
    for (const auto& p : partes)
        r += (r.empty() ? "" : "/") + p;
    return r;
}

bool EsTipo(std::string_view tipo, std::string_view ultimo)
{
    return tipo.size() > ultimo.size() && tipo.substr(tipo.size() - ultimo.size()) == ultimo &&
           tipo[tipo.size() - ultimo.size() - 1] == '/';
}

std::vector<Relacion> LeerRelaciones(const Paquete& paquete, std::string_view parte)
{
    std::vector<Relacion> rels;
    const std::string nombre = ParteRelaciones(parte);
    if (!paquete.Buscar(nombre))
        return rels;
    pugi::xml_document doc;
    CargarXml(doc, paquete.Leer(nombre, kMaximoParteChica), nombre);
    for (pugi::xml_node r = doc.document_element().first_child(); r; r = r.next_sibling()) {
        if (NombreLocal(r) != "Relationship")
            continue;
        Relacion rel;
        rel.id = r.attribute("Id").value();
        rel.tipo = r.attribute("Type").value();
        rel.externa = std::string_view(r.attribute("TargetMode").value()) == "External";
        rel.destino =
            rel.externa ? r.attribute("Target").value() : ResolverDestino(parte, r.attribute("Target").value());
        rels.push_back(std::move(rel));
    }
    return rels;
}

PartesLibro LocalizarPartes(const Paquete& paquete)
{
    PartesLibro p;
    for (const Relacion& r : LeerRelaciones(paquete, ""))
        if (EsTipo(r.tipo, "officeDocument") && !r.externa) {
            p.libro = r.destino;
            break;
        }
    if (p.libro.empty() || !paquete.Buscar(p.libro))
        p.libro = "xl/workbook.xml";
    const Paquete::Entrada* entrada = paquete.Buscar(p.libro);
    if (!entrada)
        throw Fallo(std::string("no es un libro de Excel (no contiene xl/workbook.xml)"));
    p.libro = entrada->nombre;
    p.relacionesLibro = ParteRelaciones(p.libro);

    pugi::xml_document libro;
    CargarXml(libro, paquete.Leer(p.libro, kMaximoParteChica), p.libro);
    const pugi::xml_node raiz = libro.document_element();
    const pugi::xml_node propiedades = Hijo(raiz, "workbookPr");
    const std::string_view f1904 = AtributoLocal(propiedades, "date1904").value();
    p.fechas1904 = f1904 == "1" || f1904 == "true";

    std::map<std::string, Relacion> porId;
    for (Relacion& r : LeerRelaciones(paquete, p.libro)) {
        if (r.externa)
            continue;
        if (const Paquete::Entrada* e = paquete.Buscar(r.destino))
            r.destino = e->nombre;
        if (EsTipo(r.tipo, "styles") && p.estilos.empty())
            p.estilos = r.destino;
        else if (EsTipo(r.tipo, "sharedStrings") && p.textos.empty())
            p.textos = r.destino;
        else if (EsTipo(r.tipo, "calcChain"))
            p.cadenaCalculo = r.destino;
        porId.emplace(r.id, std::move(r));
    }
    for (pugi::xml_node h = Hijo(Hijo(raiz, "sheets"), "sheet"); h; h = h.next_sibling()) {
        if (NombreLocal(h) != "sheet")
            continue;
        const auto it = porId.find(AtributoLocal(h, "id").value());
        if (it != porId.end() && EsTipo(it->second.tipo, "worksheet")) {
            p.hoja = it->second.destino;
            break;
        }
    }
    if (p.hoja.empty())
        throw Fallo(std::string("el libro no tiene ninguna hoja de cálculo"));
    if (!paquete.Buscar(p.hoja))
        throw Fallo("el libro está dañado (falta la hoja " + p.hoja + ")");
    // Parts named but missing are treated as absent.
    if (!p.estilos.empty() && !paquete.Buscar(p.estilos))
        p.estilos.clear();
    if (!p.textos.empty() && !paquete.Buscar(p.textos))
        p.textos.clear();
    if (!p.cadenaCalculo.empty() && !paquete.Buscar(p.cadenaCalculo))
        p.cadenaCalculo.clear();
    return p;
}

} // namespace xlsx
