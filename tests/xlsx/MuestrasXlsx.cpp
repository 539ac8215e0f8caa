#include "MuestrasXlsx.h"

#include <QFile>
#include <stdexcept>
#include <xlsxwriter.h>
#include <zip.h>
#include <zlib.h>

namespace muestras {

namespace {

const unsigned char kPng[] = {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
                              0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0xfd,
                              0xd4, 0x9a, 0x73, 0x00, 0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8,
                              0xcf, 0xc0, 0xc0, 0xf0, 0x1f, 0x8c, 0x80, 0x18, 0x00, 0x1d, 0xf0, 0x03, 0xfd, 0xd3, 0xd0,
                              0x7d, 0x26, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

void Comprobar(lxw_error e, const char* paso)
{
    if (e != LXW_NO_ERROR)
        throw std::runtime_error(std::string(paso) + ": " + lxw_strerror(e));
}

// Raw deflate of a piece on a fresh stream: with a full flush the output ends on a byte
// boundary and refers to nothing before it, so such pieces can be strung together; the last
// piece finishes the stream.
std::string Desinflar(const std::string& pieza, bool ultima)
{
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string salida(deflateBound(&z, uLong(pieza.size())) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(pieza.data()));
    z.avail_in = uInt(pieza.size());
    z.next_out = reinterpret_cast<Bytef*>(salida.data());
    z.avail_out = uInt(salida.size());
    const int r = deflate(&z, ultima ? Z_FINISH : Z_FULL_FLUSH);
    if (r != (ultima ? Z_STREAM_END : Z_OK) || z.avail_in != 0)
        throw std::runtime_error("deflate");
    salida.resize(salida.size() - z.avail_out);
    deflateEnd(&z);
    return salida;
}

void Agregar16(std::string& s, unsigned v)
{
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

void Agregar32(std::string& s, unsigned long long v)
{
    Agregar16(s, unsigned(v & 0xFFFF));
    Agregar16(s, unsigned((v >> 16) & 0xFFFF));
}

} // namespace

void CrearBomba(const QString& ruta, unsigned long long inflado, unsigned long long declarado)
{
    const std::string cabeza = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                               "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>";
    const std::string cola = "</t></is></c></row></sheetData></worksheet>";
    const std::string mega(1024 * 1024, 'a');
    const std::string megaDesinflado = Desinflar(mega, false);
    const uLong crcMega = crc32(0, reinterpret_cast<const Bytef*>(mega.data()), uInt(mega.size()));
    unsigned long long relleno = inflado - cabeza.size() - cola.size();
    std::string hoja = Desinflar(cabeza, false);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(cabeza.data()), uInt(cabeza.size()));
    for (; relleno >= mega.size(); relleno -= mega.size()) {
        hoja += megaDesinflado;
        crc = crc32_combine(crc, crcMega, z_off_t(mega.size()));
    }
    const std::string resto = std::string(relleno, 'a') + cola;
    hoja += Desinflar(resto, true);
    crc = crc32_combine(crc, crc32(0, reinterpret_cast<const Bytef*>(resto.data()), uInt(resto.size())),
                        z_off_t(resto.size()));

    // The zip by hand: libzip would inflate nothing here, but it would deflate the sheet itself.
    std::string archivo, directorio;
    unsigned entradas = 0;
    auto entrada = [&](const std::string& nombre, const std::string& datos, unsigned metodo, uLong crcDatos,
                       unsigned long long tamano) {
        std::string comun;
        Agregar16(comun, 20);
        Agregar16(comun, 0);
        Agregar16(comun, metodo);
        Agregar16(comun, 0);
        Agregar16(comun, 0x21);
        Agregar32(comun, crcDatos);
        Agregar32(comun, datos.size());
        Agregar32(comun, tamano);
        Agregar16(comun, unsigned(nombre.size()));
        Agregar16(comun, 0);
        const unsigned long long desde = archivo.size();
        Agregar32(archivo, 0x04034b50);
        archivo += comun + nombre + datos;
        Agregar32(directorio, 0x02014b50);
        Agregar16(directorio, 20);
        directorio += comun;
        for (int i = 0; i < 3; ++i) // comment length, disk, internal attributes
            Agregar16(directorio, 0);
        Agregar32(directorio, 0);
        Agregar32(directorio, desde);
        directorio += nombre;
        ++entradas;
    };
    for (const auto& [nombre, contenido] : LibroMinimo("<worksheet/>")) {
        if (nombre == "xl/worksheets/sheet1.xml")
            entrada(nombre, hoja, 8, crc, declarado ? declarado : inflado);
        else
            entrada(nombre, contenido, 0,
                    crc32(0, reinterpret_cast<const Bytef*>(contenido.data()), uInt(contenido.size())),
                    contenido.size());
    }
    const unsigned long long inicioDirectorio = archivo.size();
    archivo += directorio;
    Agregar32(archivo, 0x06054b50);
    Agregar16(archivo, 0);
    Agregar16(archivo, 0);
    Agregar16(archivo, entradas);
    Agregar16(archivo, entradas);
    Agregar32(archivo, directorio.size());
    Agregar32(archivo, inicioDirectorio);
    Agregar16(archivo, 0);
    EscribirArchivoCrudo(ruta, QByteArray(archivo.data(), qsizetype(archivo.size())));
}

void CrearConLibxlsxwriter(const QString& ruta, const std::function<void(lxw_workbook*, lxw_worksheet*)>& llenar,
                           bool constantMemory)
{
    const QByteArray nombre = QFile::encodeName(ruta);
    lxw_workbook_options opciones = {};
    opciones.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* libro = workbook_new_opt(nombre.constData(), &opciones);
    if (!libro)
        throw std::runtime_error("libxlsxwriter cannot create the workbook");
    lxw_worksheet* hoja = workbook_add_worksheet(libro, nullptr);
    llenar(libro, hoja);
    Comprobar(workbook_close(libro), "workbook_close");
}

void CrearPlantilla(const QString& ruta)
{
    CrearConLibxlsxwriter(ruta, [](lxw_workbook* libro, lxw_worksheet* hoja) {
        lxw_worksheet* datos = workbook_add_worksheet(libro, "Datos");
        lxw_format* titulo = workbook_add_format(libro);
        format_set_bold(titulo);
        format_set_font_name(titulo, "Arial");
        format_set_font_size(titulo, 14);
        format_set_align(titulo, LXW_ALIGN_CENTER);
        lxw_format* conBorde = workbook_add_format(libro);
        format_set_font_name(conBorde, "Arial");
        format_set_font_color(conBorde, 0x1F497D);
        format_set_border(conBorde, LXW_BORDER_MEDIUM);
        format_set_num_format(conBorde, "0.00");
        lxw_format* columna = workbook_add_format(libro);
        format_set_bg_color(columna, 0xFFFF00);
        lxw_format* fila = workbook_add_format(libro);
        format_set_italic(fila);
        lxw_format* fecha = workbook_add_format(libro);
        format_set_num_format(fecha, "dd/mm/yyyy");

        Comprobar(worksheet_merge_range(hoja, 0, 0, 0, 3, "Informe de reclamos", titulo), "merge");
        worksheet_write_string(hoja, 2, 0, "fila 3", nullptr);
        worksheet_write_string(hoja, 5, 1, "Desde:", nullptr);
        worksheet_write_number(hoja, 5, 2, 0, conBorde);
        worksheet_write_number(hoja, 6, 2, 45366, fecha);
        worksheet_set_column(hoja, 5, 5, 12, columna);
        worksheet_set_row(hoja, 29, 15, fila);
        worksheet_write_string(hoja, 29, 0, "fila 30", nullptr);
        Comprobar(worksheet_insert_image_buffer(hoja, 1, 6, kPng, sizeof kPng), "image");
        worksheet_set_header(hoja, "&CReclamos");
        worksheet_set_footer(hoja, "&CPágina &P de &N");
        worksheet_set_landscape(hoja);
        worksheet_print_area(hoja, 0, 0, 60, 9);
        worksheet_fit_to_pages(hoja, 1, 0);
        Comprobar(workbook_define_name(libro, "Periodo", "=Sheet1!$C$6"), "define_name");
        worksheet_write_string(datos, 0, 0, "otra hoja", nullptr);
        worksheet_write_number(datos, 1, 0, 123, nullptr);
    });
}

std::map<std::string, std::string> Partes(const QString& ruta)
{
    std::map<std::string, std::string> partes;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error);
    if (!z)
        throw std::runtime_error("cannot open zip " + ruta.toStdString());
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(z, zip_uint64_t(i), 0, &st);
        std::string contenido(st.size, '\0');
        zip_file_t* f = zip_fopen_index(z, zip_uint64_t(i), 0);
        if (!f || zip_fread(f, contenido.data(), st.size) != zip_int64_t(st.size))
            throw std::runtime_error("cannot read " + std::string(st.name));
        zip_fclose(f);
        partes[st.name] = contenido;
    }
    zip_discard(z);
    return partes;
}

std::vector<std::string> NombresDePartes(const QString& ruta)
{
    std::vector<std::string> nombres;
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error);
    if (!z)
        throw std::runtime_error("cannot open zip " + ruta.toStdString());
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i)
        nombres.emplace_back(zip_get_name(z, zip_uint64_t(i), 0));
    zip_discard(z);
    return nombres;
}

std::string Comprimida(const QString& ruta, const std::string& parte)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error);
    if (!z)
        throw std::runtime_error("cannot open zip " + ruta.toStdString());
    zip_stat_t st;
    std::string datos;
    if (zip_stat(z, parte.c_str(), 0, &st) == 0) {
        datos.resize(st.comp_size);
        zip_file_t* f = zip_fopen(z, parte.c_str(), ZIP_FL_COMPRESSED);
        if (!f || zip_fread(f, datos.data(), st.comp_size) != zip_int64_t(st.comp_size))
            throw std::runtime_error("cannot read " + parte);
        zip_fclose(f);
    }
    zip_discard(z);
    return datos;
}

int MetodoDe(const QString& ruta, const std::string& parte)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &error);
    if (!z)
        return -1;
    zip_stat_t st;
    const int metodo = zip_stat(z, parte.c_str(), 0, &st) == 0 ? int(st.comp_method) : -1;
    zip_discard(z);
    return metodo;
}

void CambiarPartes(const QString& ruta, const std::map<std::string, std::optional<std::string>>& cambios,
                   const std::vector<std::string>& forzarGuardado)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), 0, &error);
    if (!z)
        throw std::runtime_error("cannot open zip " + ruta.toStdString());
    for (const auto& [nombre, contenido] : cambios) {
        const zip_int64_t i = zip_name_locate(z, nombre.c_str(), 0);
        if (!contenido) {
            if (i >= 0)
                zip_delete(z, zip_uint64_t(i));
            continue;
        }
        zip_source_t* s = zip_source_buffer(z, contenido->data(), contenido->size(), 0);
        if (i >= 0)
            zip_file_replace(z, zip_uint64_t(i), s, 0);
        else
            zip_file_add(z, nombre.c_str(), s, 0);
    }
    for (const std::string& nombre : forzarGuardado) {
        const zip_int64_t i = zip_name_locate(z, nombre.c_str(), 0);
        if (i < 0)
            continue;
        // Re-adding the entry's own data stored.
        zip_source_t* s = zip_source_zip(z, z, zip_uint64_t(i), 0, 0, 0);
        zip_file_replace(z, zip_uint64_t(i), s, 0);
        zip_set_file_compression(z, zip_uint64_t(i), ZIP_CM_STORE, 0);
    }
    if (zip_close(z) != 0)
        throw std::runtime_error(std::string("cannot write zip: ") + zip_strerror(z));
}

void CrearZip(const QString& ruta, const std::vector<std::pair<std::string, std::string>>& partes)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        throw std::runtime_error("cannot create zip " + ruta.toStdString());
    for (const auto& [nombre, contenido] : partes) {
        zip_source_t* s = zip_source_buffer(z, contenido.data(), contenido.size(), 0);
        zip_file_add(z, nombre.c_str(), s, 0);
        zip_set_file_compression(z, zip_uint64_t(zip_name_locate(z, nombre.c_str(), 0)), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(z) != 0)
        throw std::runtime_error(std::string("cannot write zip: ") + zip_strerror(z));
}

QByteArray LeerArchivo(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void EscribirArchivoCrudo(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + ruta.toStdString());
}

std::vector<std::pair<std::string, std::string>> LibroMinimo(const std::string& hoja, const std::string& textos,
                                                             const std::string& estilos)
{
    const std::string ns = "http://schemas.openxmlformats.org/";
    std::string tipos = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"" + ns +
                        "package/2006/content-types\"><Default Extension=\"rels\" ContentType=\"application/"
                        "vnd.openxmlformats-package.relationships+xml\"/><Default Extension=\"xml\" "
                        "ContentType=\"application/xml\"/><Override PartName=\"/xl/workbook.xml\" "
                        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
                        "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
                        "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>";
    std::string relsLibro = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + ns +
                            "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                            "officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>";
    if (!textos.empty())
        relsLibro += "<Relationship Id=\"rId2\" Type=\"" + ns +
                     "officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    if (!estilos.empty())
        relsLibro += "<Relationship Id=\"rId3\" Type=\"" + ns +
                     "officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>";
    relsLibro += "</Relationships>";
    std::vector<std::pair<std::string, std::string>> partes = {
        {"[Content_Types].xml", tipos},
        {"_rels/.rels", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + ns +
                            "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                            "officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
                            "</Relationships>"},
        {"xl/workbook.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"" + ns +
                                "spreadsheetml/2006/main\" xmlns:r=\"" + ns +
                                "officeDocument/2006/relationships\"><sheets><sheet name=\"H\" sheetId=\"1\" "
                                "r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", relsLibro},
        {"xl/worksheets/sheet1.xml", hoja}};
    if (!textos.empty())
        partes.emplace_back("xl/sharedStrings.xml", textos);
    if (!estilos.empty())
        partes.emplace_back("xl/styles.xml", estilos);
    return partes;
}

} // namespace muestras
