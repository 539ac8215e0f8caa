#include "Busquedas.h"

#include "Aplicacion.h"
#include "Conexion.h"
#include "Grilla.h"
#include "Sql.h"

#include <utility>
#include <vector>

namespace {

using Columnas = std::vector<std::pair<const char*, int>>;

const Columnas kCuatro = {{"Nro", 1000}, {"Fecha", 1000}, {"Hora", 1000}, {"Ape y nom", 2800}};
const Columnas kCinco = {{"Nro", 1000}, {"Fecha", 1000}, {"Hora", 1000}, {"Ape y nom", 2800}, {"DNI", 1800}};

// Leaves only the header row, with its texts and widths.
void armarEncabezado(Grilla& g, const Columnas& columnas)
{
    g.SetCols(static_cast<int>(columnas.size()));
    g.SetRows(1);
    g.SetRow(0);
    for (int c = 0; c < static_cast<int>(columnas.size()); ++c) {
        g.SetCol(c);
        g.SetText(QString::fromLatin1(columnas[c].first));
    }
    for (int c = 0; c < static_cast<int>(columnas.size()); ++c)
        g.SetColWidth(c, columnas[c].second);
}

// How a list treats the grid while it fills.
struct Llenado
{
    bool ocultarPorFila = false; // yield and hide the grid before each row
    bool eventosTrasFila = false;
    bool fechaCompleta = false; // "Fecha" also carries the time and the name
};

// One complaint of a list as its statement reads it.
struct FilaLista
{
    qint32 pid;
    QString fecha;
    QString hora;
    QString nombre;
    QString dni;
};

// Every list reads PID, Fecha_Queja, Hora_Queja, Apellido, Nombres[, DNI] in that order. The
// rows are read whole and the result set closed before the grid fills, so the yields between
// rows never hold it; the fill stops when the grid goes or another fill of it begins.
enum class Fin { Completo, Interrumpido };

Fin llenar(Grilla& g, const QString& sql, const Llenado& modo)
{
    const QVector<FilaLista> filas = LeerFilas(sql, [] {
        return FilaLista{Rs.Entero32(0), Rs.Fecha(1), Rs.Texto(2), Rs.Texto(3) + QStringLiteral(", ") + Rs.Texto(4),
                         Rs.Texto(5)};
    });
    const Grilla::Llenado llenado = g.IniciarLlenado();
    const int columnas = g.Cols();
    for (const FilaLista& f : filas) {
        if (modo.ocultarPorFila) {
            // The list may be long: keep the window responsive, and unpainted until the last row.
            Aplicacion::HacerEventos();
            if (!llenado.Vigente())
                return Fin::Interrumpido;
            g.SetVisible(false);
        }
        g.AddItem(QString::number(f.pid));
        g.SetRow(g.Rows() - 1);
        const QString celdas[] = {
            QString(),
            modo.fechaCompleta ? f.fecha + QStringLiteral(" - ") + f.hora + QStringLiteral(" - ") + f.nombre : f.fecha,
            f.hora,
            f.nombre,
            columnas > 4 ? f.dni : QString(),
        };
        for (int c = 1; c < columnas && c < 5; ++c) {
            g.SetCol(c);
            g.SetText(celdas[c]);
        }
        if (modo.eventosTrasFila) {
            Aplicacion::HacerEventos();
            if (!llenado.Vigente())
                return Fin::Interrumpido;
        }
    }
    if (modo.ocultarPorFila && !filas.isEmpty())
        g.SetVisible(true);
    return Fin::Completo;
}

const QString kSelectCinco =
    QStringLiteral("Select PID, Fecha_Queja, Hora_Queja, Apellido, Nombres, DNI from Master_Quejas where ");
// Newest reception first, an undated complaint last on both engines: the order of the date
// index, which the lists walk and leave at their limit.
const QString kOrdenFecha = QStringLiteral(" order by Fecha_Queja desc nulls last, PID desc");

} // namespace

void ListarQuejas(Grilla& grilla, qint32 n, bool todas)
{
    armarEncabezado(grilla, kCuatro);
    // NOT EXISTS rather than NOT IN: a stray resolution row without a complaint cannot empty the
    // list, and the planner walks the latest numbers instead of scanning every resolution per row.
    const QString filtro = todas
                               ? QString()
                               : QStringLiteral(" where not exists (Select 1 from Resolucion_Quejas r where "
                                                "r.IDQueja = Master_Quejas.PID and (r.Cerrada = 1 or r.Anulado = 1))");
    Llenado modo;
    modo.eventosTrasFila = !todas;
    modo.fechaCompleta = todas;
    llenar(grilla,
           QStringLiteral("Select PID, Fecha_Queja, Hora_Queja, Apellido, Nombres from Master_Quejas") + filtro +
               QStringLiteral(" order by PID desc LIMIT ") + SqlEntero(qMax<qint32>(n, 0)),
           modo);
}

void ListarQuejasPeriodo(Grilla& grilla, const QString& desde, const QString& hasta)
{
    armarEncabezado(grilla, kCinco);
    const QString sql = kSelectCinco +
                        QStringLiteral("not exists (Select 1 from Resolucion_Quejas r where r.IDQueja = "
                                       "Master_Quejas.PID and r.Cerrada = 1) and fecha_Queja >= ") +
                        SqlFecha(desde) + QStringLiteral(" and fecha_Queja <= ") + SqlFecha(hasta) + kOrdenFecha;
    // The header row stays readable: the grid is hidden while it fills, not emptied.
    grilla.SetVisible(false);
    Llenado modo;
    modo.ocultarPorFila = true;
    if (llenar(grilla, sql, modo) == Fin::Completo)
        grilla.SetVisible(true);
}

void BuscarQuejas(qint16 modo, const QString& texto, Grilla& grilla)
{
    armarEncabezado(grilla, kCinco);
    // The search columns hold each column folded, kept by the database on every write.
    static const char* const kColumnas[] = {"busca_dni", "busca_apellido", "busca_nrlib", "busca_nroqueja"};
    // An unknown mode finds nothing instead of running an empty statement that ends the program.
    if (modo < 0 || modo > 3)
        return;
    Llenado l;
    l.ocultarPorFila = true;
    llenar(grilla,
           kSelectCinco + SqlContienePlegada(QString::fromLatin1(kColumnas[modo]), texto) + kOrdenFecha +
               QStringLiteral(" LIMIT 100"),
           l);
}

void BuscarQuejasComprobante(qint16 modo, const QString& primero, const QString& segundo, const QString& tercero,
                             Grilla& grilla)
{
    armarEncabezado(grilla, kCuatro);
    const auto t1 = [](const QString& v) { return SqlContienePlegada(QStringLiteral("busca_t1"), v); };
    const auto t2 = [](const QString& v) { return SqlContienePlegada(QStringLiteral("busca_t2"), v); };
    const auto t3 = [](const QString& v) { return SqlContienePlegada(QStringLiteral("busca_t3"), v); };
    const QString y = QStringLiteral(" and ");
    QString condicion;
    switch (modo) {
    case 1: condicion = QStringLiteral("1 and ") + t1(primero); break;
    case 2: condicion = QStringLiteral("2 and ") + t1(primero); break;
    case 3: condicion = QStringLiteral("3 and ") + t1(primero) + y + t2(segundo) + y + t3(tercero); break;
    case 4: condicion = QStringLiteral("3 and ") + t1(primero) + y + t2(segundo); break;
    case 5: condicion = QStringLiteral("3 and ") + t1(primero); break;
    case 6: condicion = QStringLiteral("3 and ") + t2(primero) + y + t3(segundo); break;
    case 7: condicion = QStringLiteral("3 and ") + t1(primero) + y + t3(segundo); break;
    case 8: condicion = QStringLiteral("3 and ") + t3(primero); break;
    case 9: condicion = QStringLiteral("3 and ") + t2(primero); break;
    default: return; // an unknown mode finds nothing
    }
    Llenado l;
    l.ocultarPorFila = true;
    llenar(grilla,
           QStringLiteral("Select PID, Fecha_Queja, Hora_Queja, Apellido, Nombres from Master_Quejas where pid in "
                          "(Select NrQueja from Comprobantes_Quejas where tipo = ") +
               condicion + QStringLiteral(")") + kOrdenFecha + QStringLiteral(" LIMIT 1000"),
           l);
}

RegResumenQueja GetResumenQueja(qint32 pid)
{
    RegResumenQueja r;
    Lectura lectura(
        QStringLiteral("Select Fecha_queja, Hora_queja,Apellido, Nombres, DNI from Master_Quejas where PID = ") +
        SqlEntero(pid));
    if (!lectura.HayFila()) {
        r.PID = -1;
        return r;
    }
    r.PID = pid;
    r.Fecha = Rs.Fecha(0);
    r.Hora = Rs.Texto(1);
    r.Apellido = Rs.Texto(2);
    r.Nombres = Rs.Texto(3);
    r.DNI = Rs.Texto(4);
    return r;
}
