#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct zip;
struct zip_file;

namespace xlsx {

// What one part may inflate to, in bytes and in times its compressed size, so that a workbook a
// user brings cannot exhaust memory or time (a zip bomb inflates hundreds or a thousand times).
// A real sheet of the imports, 29,567 rows by 40 columns, is about 40 MB at 8 to 1, its shared
// strings 27 to 1. Parts up to kParteSinProporcion are small however well they compress.
constexpr unsigned long long kMaximoParteInflada = 512ull * 1024 * 1024;
constexpr unsigned long long kMaximaProporcion = 100;
constexpr unsigned long long kParteSinProporcion = 1024 * 1024;

// The zip package of a workbook, held in memory as it was read, so that a later save never reads
// a file that changed meanwhile (or the file it is replacing). Part names compare without regard
// to case, as the package format says. Faults throw Fallo.
class Paquete
{
public:
    struct Entrada
    {
        std::string nombre;
        unsigned long long indice = 0;
        int metodo = 0;
        bool carpeta = false;
        // As the archive's directory declares them.
        unsigned long long tamano = 0;
        unsigned long long comprimido = 0;
    };

    // A part streamed out of the package in pieces, for parts too large to inflate at once.
    class Flujo
    {
    public:
        ~Flujo();
        size_t Leer(char* destino, size_t maximo);

    private:
        friend class Paquete;
        zip_file* m_archivo = nullptr;
        std::string m_parte;
        unsigned long long m_restante = 0;
    };

    Paquete(QByteArray datos, const QString& nombre);
    ~Paquete();
    Paquete(const Paquete&) = delete;
    Paquete& operator=(const Paquete&) = delete;

    // Reads the whole file; "the file does not exist" and the like as Fallo.
    static std::shared_ptr<Paquete> DesdeArchivo(const QString& ruta);

    const QString& Nombre() const { return m_nombre; }
    const std::vector<Entrada>& Entradas() const { return m_entradas; }
    const Entrada* Buscar(std::string_view parte) const;
    // The inflated part; Fallo when it is missing or larger than maximo.
    std::string Leer(std::string_view parte, size_t maximo) const;
    // Fallo before inflating anything when the part declares more than the bounds above allow,
    // and while reading when it inflates to more than it declares.
    std::unique_ptr<Flujo> Abrir(std::string_view parte) const;

    // A new package: every entry in its original order, those in reemplazos with new content,
    // those in eliminadas left out, then nuevas; untouched entries are copied still compressed.
    QByteArray Reconstruir(const std::map<std::string, std::string>& reemplazos,
                           const std::set<std::string>& eliminadas,
                           const std::vector<std::pair<std::string, std::string>>& nuevas) const;

private:
    void LeerEntradas();

    QByteArray m_datos;
    QString m_nombre;
    zip* m_zip = nullptr;
    std::vector<Entrada> m_entradas;
    std::map<std::string, size_t> m_porNombre;
};

// Lower-case ASCII, for part names.
std::string Minusculas(std::string_view texto);

} // namespace xlsx
