#include "Paquete.h"

#include "ErrorLibro.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <zip.h>

namespace xlsx {

namespace {

// Deflate level of rewritten parts: libzip's default, 9, is several times slower for little gain.
constexpr int kNivelCompresion = 3;

std::string TextoErrorZip(zip_error_t* e)
{
    return zip_error_strerror(e);
}

// The zip error of a failed step, in words.
std::string DescribirErrorZip(int codigo)
{
    switch (codigo) {
    case ZIP_ER_NOZIP: return "no es un libro de Excel (no es un archivo zip)";
    case ZIP_ER_INCONS: return "el archivo está dañado o incompleto (zip inconsistente)";
    case ZIP_ER_CRC: return "el archivo está dañado (error de CRC)";
    case ZIP_ER_COMPNOTSUPP: return "usa un método de compresión no admitido";
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD: return "está cifrado";
    case ZIP_ER_READ:
    case ZIP_ER_EOF: return "el archivo está incompleto";
    case ZIP_ER_MEMORY: return "no hay memoria suficiente";
    default: {
        zip_error_t e;
        zip_error_init_with_code(&e, codigo);
        std::string t = "error del zip: " + TextoErrorZip(&e);
        zip_error_fini(&e);
        return t;
    }
    }
}

} // namespace

std::string Minusculas(std::string_view texto)
{
    std::string s(texto);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

Paquete::Paquete(QByteArray datos, const QString& nombre) : m_datos(std::move(datos)), m_nombre(nombre)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* fuente = zip_source_buffer_create(m_datos.constData(), zip_uint64_t(m_datos.size()), 0, &error);
    if (!fuente) {
        const std::string t = TextoErrorZip(&error);
        zip_error_fini(&error);
        throw Fallo(t);
    }
    m_zip = zip_open_from_source(fuente, ZIP_RDONLY, &error);
    if (!m_zip) {
        const int codigo = zip_error_code_zip(&error);
        zip_source_free(fuente);
        zip_error_fini(&error);
        throw Fallo(DescribirErrorZip(codigo));
    }
    zip_error_fini(&error);
    try {
        LeerEntradas();
    } catch (...) {
        zip_discard(m_zip);
        throw;
    }
}

void Paquete::LeerEntradas()
{
    const zip_int64_t n = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(m_zip, zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
            throw Fallo(DescribirErrorZip(zip_error_code_zip(zip_get_error(m_zip))));
        Entrada e;
        e.nombre = st.name;
        e.indice = zip_uint64_t(i);
        e.metodo = (st.valid & ZIP_STAT_COMP_METHOD) ? st.comp_method : ZIP_CM_DEFLATE;
        e.tamano = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
        e.comprimido = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
        e.carpeta = !e.nombre.empty() && e.nombre.back() == '/';
        if (!m_porNombre.emplace(Minusculas(e.nombre), m_entradas.size()).second)
            throw Fallo("el archivo está dañado (la parte " + e.nombre + " aparece dos veces)");
        m_entradas.push_back(std::move(e));
    }
}

Paquete::~Paquete()
{
    if (m_zip)
        zip_discard(m_zip);
}

std::shared_ptr<Paquete> Paquete::DesdeArchivo(const QString& ruta)
{
    QFile f(ruta);
    if (!QFileInfo(ruta).isFile())
        throw Fallo(QStringLiteral("el archivo no existe"));
    if (!f.open(QIODevice::ReadOnly))
        throw Fallo(QStringLiteral("no se puede leer el archivo (%1)").arg(f.errorString()));
    QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Fallo(QStringLiteral("no se puede leer el archivo (%1)").arg(f.errorString()));
    return std::make_shared<Paquete>(std::move(datos), ruta);
}

const Paquete::Entrada* Paquete::Buscar(std::string_view parte) const
{
    const auto it = m_porNombre.find(Minusculas(parte));
    return it == m_porNombre.end() ? nullptr : &m_entradas[it->second];
}

Paquete::Flujo::~Flujo()
{
    if (m_archivo)
        zip_fclose(m_archivo);
}

size_t Paquete::Flujo::Leer(char* destino, size_t maximo)
{
    // One byte past what the part declares is enough to know it lies.
    const zip_int64_t n =
        zip_fread(m_archivo, destino, zip_uint64_t(std::min<unsigned long long>(maximo, m_restante + 1)));
    if (n < 0)
        throw Fallo("no se puede leer la parte " + m_parte + ": " +
                    DescribirErrorZip(zip_error_code_zip(zip_file_get_error(m_archivo))));
    if (zip_uint64_t(n) > m_restante)
        throw Fallo("el archivo está dañado (la parte " + m_parte + " es más grande de lo que declara)");
    m_restante -= zip_uint64_t(n);
    return size_t(n);
}

std::unique_ptr<Paquete::Flujo> Paquete::Abrir(std::string_view parte) const
{
    const Entrada* e = Buscar(parte);
    if (!e)
        throw Fallo("falta la parte " + std::string(parte));
    constexpr unsigned long long kMega = 1024 * 1024;
    if (e->tamano > kMaximoParteInflada)
        throw Fallo("la parte " + e->nombre + " se expande a " + std::to_string(e->tamano / kMega) +
                    " MB; se admiten hasta " + std::to_string(kMaximoParteInflada / kMega) + " MB");
    if (e->tamano > kParteSinProporcion && e->tamano / kMaximaProporcion >= e->comprimido)
        throw Fallo("la parte " + e->nombre + " se expande " +
                    std::to_string(e->tamano / std::max<unsigned long long>(e->comprimido, 1)) +
                    " veces su tamaño comprimido; no parece un libro de Excel sino un archivo malicioso");
    auto flujo = std::make_unique<Flujo>();
    flujo->m_parte = e->nombre;
    flujo->m_restante = e->tamano;
    flujo->m_archivo = zip_fopen_index(m_zip, e->indice, 0);
    if (!flujo->m_archivo)
        throw Fallo("no se puede leer la parte " + e->nombre + ": " +
                    DescribirErrorZip(zip_error_code_zip(zip_get_error(m_zip))));
    return flujo;
}

std::string Paquete::Leer(std::string_view parte, size_t maximo) const
{
    auto flujo = Abrir(parte);
    std::string datos;
    char buf[64 * 1024];
    for (;;) {
        const size_t n = flujo->Leer(buf, sizeof buf);
        if (n == 0)
            break;
        if (datos.size() + n > maximo)
            throw Fallo("la parte " + std::string(parte) + " es demasiado grande");
        datos.append(buf, n);
    }
    return datos;
}

QByteArray Paquete::Reconstruir(const std::map<std::string, std::string>& reemplazos,
                                const std::set<std::string>& eliminadas,
                                const std::vector<std::pair<std::string, std::string>>& nuevas) const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* destino = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!destino)
        throw Fallo("no se puede preparar el archivo: " + TextoErrorZip(&error));
    zip_source_keep(destino);
    zip_t* za = zip_open_from_source(destino, ZIP_TRUNCATE, &error);
    if (!za) {
        zip_source_free(destino);
        zip_source_free(destino);
        const std::string t = TextoErrorZip(&error);
        zip_error_fini(&error);
        throw Fallo("no se puede preparar el archivo: " + t);
    }
    zip_error_fini(&error);
    auto fallar = [&](const std::string& parte) {
        const std::string t = zip_strerror(za);
        zip_discard(za);
        zip_source_free(destino);
        throw Fallo("no se puede preparar la parte " + parte + ": " + t);
    };
    // New content must outlive zip_close, which reads the sources.
    auto agregarTexto = [&](const std::string& nombre, const std::string& contenido) {
        zip_source_t* s = zip_source_buffer(za, contenido.data(), contenido.size(), 0);
        if (!s)
            fallar(nombre);
        const zip_int64_t i = zip_file_add(za, nombre.c_str(), s, ZIP_FL_ENC_UTF_8);
        if (i < 0) {
            zip_source_free(s);
            fallar(nombre);
        }
        zip_set_file_compression(za, zip_uint64_t(i), ZIP_CM_DEFLATE, kNivelCompresion);
    };
    for (const Entrada& e : m_entradas) {
        const std::string clave = Minusculas(e.nombre);
        if (eliminadas.count(clave))
            continue;
        const auto r = reemplazos.find(clave);
        if (r != reemplazos.end()) {
            agregarTexto(e.nombre, r->second);
            continue;
        }
        if (e.carpeta) {
            if (zip_dir_add(za, e.nombre.substr(0, e.nombre.size() - 1).c_str(), ZIP_FL_ENC_UTF_8) < 0)
                fallar(e.nombre);
            continue;
        }
        // The whole entry: libzip copies the compressed bytes without inflating them.
        zip_source_t* s = zip_source_zip(za, m_zip, e.indice, 0, 0, -1);
        if (!s)
            fallar(e.nombre);
        const zip_int64_t i = zip_file_add(za, e.nombre.c_str(), s, ZIP_FL_ENC_GUESS);
        if (i < 0) {
            zip_source_free(s);
            fallar(e.nombre);
        }
        // A stored entry stays stored (libzip would deflate it by default).
        zip_set_file_compression(za, zip_uint64_t(i), e.metodo == ZIP_CM_STORE ? ZIP_CM_STORE : e.metodo, 0);
    }
    for (const auto& [nombre, contenido] : nuevas)
        agregarTexto(nombre, contenido);
    if (zip_close(za) != 0) {
        const std::string t = zip_strerror(za);
        zip_discard(za);
        zip_source_free(destino);
        throw Fallo("no se puede componer el archivo: " + t);
    }
    QByteArray bytes;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(destino, &st) != 0 || zip_source_open(destino) != 0) {
        zip_source_free(destino);
        throw Fallo(std::string("no se puede componer el archivo"));
    }
    bytes.resize(qsizetype(st.size));
    const zip_int64_t leidos = zip_source_read(destino, bytes.data(), st.size);
    zip_source_close(destino);
    zip_source_free(destino);
    if (leidos < 0 || zip_uint64_t(leidos) != st.size)
        throw Fallo(std::string("no se puede componer el archivo"));
    return bytes;
}

} // namespace xlsx
