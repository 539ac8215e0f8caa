#include "Resoluciones.h"

#include "Conexion.h"
#include "ErrLog.h"
#include "Quejas.h"
#include "Sql.h"
#include "Usuarios.h"

#include <tuple>

namespace {
const QString kUltimaClave = QStringLiteral("Select pid from Resolucion_quejas order by pid desc LIMIT 1");

QString sqlResolucion(qint32 pidQueja)
{
    return QStringLiteral("Select PID, Detalle, Sancion, Monto, Fecha, Cerrada, Usuario, Supervisor, FechaFin, "
                          "Anulado, usr_anula from Resolucion_quejas where  IDQueja = ") +
           SqlEntero(pidQueja);
}

// The row on which Rs stands, read by sqlResolucion; IDQueja -1 when there is none.
RegResolucion leerResolucion()
{
    RegResolucion r = ResolucionVacia();
    if (Rs.Eof()) {
        r.IDQueja = -1;
        return r;
    }
    // Null columns leave the empty values: rows of the import carry no Anulado nor usr_Anula.
    r.Detalle = Rs.Texto(1);
    r.Sancion = Rs.Texto(2);
    r.Monto = Rs.Texto(3);
    r.Fecha = Rs.Fecha(4);
    r.Cerrada = Rs.Entero16(5);
    r.Usuario = Rs.Entero16(6);
    r.Supervisor = Rs.Texto(7);
    r.FechaFin = Rs.Fecha(8);
    r.Anulado = Rs.Entero16(9);
    r.usr_Anula = Rs.Entero16(10);
    return r;
}

bool mismaResolucion(const RegResolucion& a, const RegResolucion& b)
{
    const auto campos = [](const RegResolucion& r) {
        return std::tie(r.Detalle, r.Sancion, r.Fecha, r.FechaFin, r.Cerrada, r.Monto, r.IDQueja, r.Usuario,
                        r.Supervisor, r.Anulado, r.usr_Anula);
    };
    return campos(a) == campos(b);
}

// The new key is the highest left once the complaint's own rows are gone, as if read after the
// delete: a complaint holding the highest key keeps it.
QString sqlUltimaClavePropia(const RegResolucion& r)
{
    return QStringLiteral("Select pid from Resolucion_quejas where IDQueja <> ") + SqlEntero(r.IDQueja) +
           QStringLiteral(" or IDQueja is null order by pid desc LIMIT 1");
}

// The replacement of the complaint's rows by r under key k.
QStringList sqlGuardar(const RegResolucion& r, qint32 k)
{
    return QStringList{
        SqlTurnoDeQueja(r.IDQueja),
        QStringLiteral("Delete from resolucion_quejas where IDQueja = ") + SqlEntero(r.IDQueja),
        QStringLiteral("Insert into Resolucion_quejas(PID, IDQueja, Detalle, Sancion, Monto, Fecha, Cerrada, Usuario, "
                       "supervisor, FechaFin, Anulado, usr_Anula) Values (") +
            SqlEntero(k) + QStringLiteral(", ") + SqlEntero(r.IDQueja) + QStringLiteral(", ") + SqlTexto(r.Detalle) +
            QStringLiteral(", ") + SqlTexto(r.Sancion) + QStringLiteral(", ") + SqlTexto(r.Monto) +
            QStringLiteral(", ") + SqlFecha(r.Fecha) + QStringLiteral(", ") + SqlEntero(r.Cerrada) +
            QStringLiteral(", ") + SqlEntero(UsuarioActual.Pid) + QStringLiteral(", ") + SqlTexto(r.Supervisor) +
            QStringLiteral(", ") + SqlFecha(r.FechaFin) + QStringLiteral(", ") + SqlEntero(r.Anulado) +
            QStringLiteral(", ") + SqlEntero(r.usr_Anula) + QStringLiteral(")"),
    };
}

} // namespace

RegResolucion ResolucionVacia()
{
    return RegResolucion();
}

RegResolucion GetResolucion(qint32 pidQueja)
{
    Lectura lectura(sqlResolucion(pidQueja));
    return leerResolucion();
}

bool GuardarResolucion(RegResolucion& r)
{
    return EjecutarTransaccionConClaveNueva(sqlUltimaClavePropia(r), [&](qint32 k) { return sqlGuardar(r, k); }) != -1;
}

Escritura GuardarResolucion(RegResolucion& r, const RegResolucion& leida)
{
    const qint16 nivel = UsuarioActual.Nivel;
    Guardia guardia{sqlResolucion(r.IDQueja), [&leida, nivel] {
                        const RegResolucion guardada = leerResolucion();
                        return mismaResolucion(guardada, leida) &&
                               (nivel >= 3 || (guardada.Cerrada != 1 && guardada.Anulado != 1));
                    }};
    return EjecutarTransaccionConClaveNueva(
        sqlUltimaClavePropia(r), [&](qint32 k) { return sqlGuardar(r, k); }, guardia);
}

Guardia GuardiaEditable(qint32 pidQueja, EstadoQueja& estado)
{
    return {sqlResolucion(pidQueja), [&estado] {
                estado = EstadoDeResolucion(leerResolucion());
                return estado == EstadoQueja::Editable;
            }};
}

namespace {

// The import's insert of a resolution under key k.
QString sqlInsertarImportada(const RegResolucion& r, qint32 k)
{
    return QStringLiteral("Insert Into Resolucion_quejas(PID, IDQUEJA, Detalle, Sancion, Monto, Cerrada, Usuario, "
                          "fecha, fechafin, Supervisor) values(") +
           SqlEntero(k) + QStringLiteral(", ") + SqlEntero(r.IDQueja) + QStringLiteral(", ") + SqlTexto(r.Detalle) +
           QStringLiteral(", ") + SqlTexto(r.Sancion) + QStringLiteral(", ") + SqlTexto(r.Monto) +
           QStringLiteral(", ") + SqlEntero(r.Cerrada) + QStringLiteral(", ") + SqlEntero(r.Usuario) +
           QStringLiteral(", ") + SqlFecha(r.Fecha) + QStringLiteral(", ") + SqlFecha(r.FechaFin) +
           QStringLiteral(", ") + SqlTexto(r.Supervisor) + QStringLiteral(")");
}

} // namespace

qint16 InsertarResolucion(RegResolucion& r)
{
    // A complaint keeps one resolution: a row for a complaint that has one already is refused and
    // logged like any failed insert of the import, which goes on.
    const QString propia = QStringLiteral("Select PID from Resolucion_quejas where IDQueja = ") + SqlEntero(r.IDQueja);
    if (Lectura(propia, true).HayFila()) {
        BloqueSentencia(
            {-2147217873, QStringLiteral("Clave duplicada: la queja %1 ya tiene una resolución.").arg(r.IDQueja)},
            propia);
        return 0;
    }
    // Another workstation importing the same complaint meanwhile: nothing is stored, and the
    // collision is not taken for a taken key.
    InsertarConClaveNueva(
        kUltimaClave,
        [&](qint32 k) { return sqlInsertarImportada(r, k) + QStringLiteral(" ON CONFLICT (IDQueja) DO NOTHING"); },
        true);
    return 0;
}

QVector<ResultadoFila> InsertarResoluciones(const QVector<RegResolucion>& resoluciones)
{
    // A second resolution of one complaint is refused by the database, and only that row is lost.
    return EjecutarPorRegistro(resoluciones, sqlInsertarImportada, 1, kUltimaClave);
}

QSet<qint32> ResolucionesExistentes(const QVector<qint32>& idQuejas)
{
    return ClavesExistentes(QStringLiteral("Resolucion_quejas"), QStringLiteral("IDQueja"), idQuejas);
}

EstadoQueja EstadoDeResolucion(const RegResolucion& r)
{
    if (r.Anulado != 0)
        return EstadoQueja::Anulada;
    if (r.Cerrada != 0)
        return EstadoQueja::Solucionada;
    return EstadoQueja::Editable;
}
