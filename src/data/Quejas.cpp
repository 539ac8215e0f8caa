#include "Quejas.h"

#include "Conexion.h"
#include "Resoluciones.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"

#include <iterator>
#include <optional>

namespace {

// The columns both inserts share, from fecha_queja to causa, as "value, value, ...".
QString valoresComunes(const RegQueja& q)
{
    const QStringList v = {
        SqlFecha(q.fecha_queja),
        SqlTexto(q.hora_queja),
        SqlEntero(q.motivo),
        SqlEntero(q.tipo_queja),
        // Escaping an escaped text changes nothing, so a caller that forgot cannot store a raw apostrophe.
        SqlTexto(EscaparComillas(q.detalle)),
        SqlTexto(q.Apellido),
        SqlTexto(q.Nombres),
        SqlTexto(q.Telefono),
        SqlTexto(q.Telefono2),
        SqlTexto(q.Correo),
        SqlTexto(q.DNI),
        SqlTexto(q.Contacto),
        SqlEntero(q.causa),
    };
    return v.join(QStringLiteral(", "));
}

QString domicilio(const RegQueja& q)
{
    return QStringList{SqlTexto(q.Domicilio), SqlTexto(q.Localidad), SqlTexto(q.Provincia), SqlTexto(q.Pais)}.join(
        QStringLiteral(", "));
}

} // namespace

RegQueja QuejaVacia()
{
    return RegQueja();
}

qint32 AgregarQueja(const RegQueja& queja)
{
    const QString columnas = QStringLiteral(
        "Insert Into master_quejas(pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, Apellido, Nombres, "
        "Telefono, Telefono2, Correo, DNI, Contacto, causa, usuario, Empresa, Domicilio, Localidad, Provincia, Pais, "
        "Importada, NrLib, Mediador) ");
    const QString valores = valoresComunes(queja) + QStringLiteral(", ") + SqlEntero(UsuarioActual.Pid) +
                            QStringLiteral(", ") + SqlEntero(queja.Empresa.PID) + QStringLiteral(", ") +
                            domicilio(queja) + QStringLiteral(", 0, ") + SqlTexto(queja.NrLib) + QStringLiteral(", ") +
                            SqlTexto(queja.Mediador);
    // One round trip instead of two: the insert takes the highest number + 1 itself and returns
    // it, trying again while another workstation takes that number first. A locked file is waited
    // out and asked about here, once; anything else (a lost connection, a failure, no number left)
    // takes the usual way below, under the query runner's policy. The highest number is read by
    // subqueries of their own: inside an insert SQLite reads it from the key only in that form,
    // and the server plans it fastest so.
    const QString mayor = QStringLiteral("(select coalesce(max(pid), 0) from Master_Quejas)");
    const QString enUnPaso = columnas + QStringLiteral("select ") + mayor + QStringLiteral(" + 1, ") + valores +
                             QStringLiteral(" where ") + mayor + QStringLiteral(" < ") + SqlEntero(kMaximoClave32) +
                             QStringLiteral(" returning pid");
    for (int intento = 0; intento < 100; ++intento) {
        ErrorEjecucion error;
        const ResultadoDirecto r = EjecutarDirecto(enUnPaso, &error);
        if (r == ResultadoDirecto::ClaveDuplicada)
            continue;
        if (r != ResultadoDirecto::Ok && error.numero == kErrorBaseOcupada)
            return -1; // given up: the form keeps what was typed
        if (r != ResultadoDirecto::Ok)
            break; // the result set is not ours to close
        const std::optional<qint32> clave = Rs.Eof() ? std::nullopt : std::optional<qint32>(Rs.Entero32(0));
        CerrarRs();
        if (clave)
            return *clave;
        break;
    }
    // A number taken meanwhile by another workstation moves the complaint to the next one.
    return InsertarConClaveNueva(QStringLiteral("Select pid from Master_Quejas order by pid desc LIMIT 1"),
                                 [&](qint32 clave) {
                                     return columnas + QStringLiteral("values(") + SqlEntero(clave) +
                                            QStringLiteral(", ") + valores + QStringLiteral(")");
                                 });
}

void InsertarQueja(const RegQueja& queja)
{
    // A number already present is only logged and the import goes on.
    InsertarQuejas({queja});
}

QVector<ResultadoFila> InsertarQuejas(const QVector<RegQueja>& quejas)
{
    return EjecutarPorRegistro(quejas, [](const RegQueja& queja, qint32) {
        return QStringLiteral("Insert Into master_quejas(pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, "
                              "Apellido, Nombres, Telefono, Telefono2, Correo, DNI, Contacto, causa, usuario, "
                              "Empresa, Domicilio, Localidad, Provincia, Pais, Importada) values(") +
               SqlEntero(queja.pid) + QStringLiteral(", ") + valoresComunes(queja) + QStringLiteral(", ") +
               SqlEntero(queja.usuario) + QStringLiteral(", 1, ") + domicilio(queja) + QStringLiteral(", 1)");
    });
}

QSet<qint32> QuejasExistentes(const QVector<qint32>& pids)
{
    return ClavesExistentes(QStringLiteral("Master_Quejas"), QStringLiteral("pid"), pids);
}

RegQueja GetQueja(qint32 pid)
{
    RegQueja q = QuejaVacia();
    Lectura lectura(
        QStringLiteral("Select pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, Apellido, Nombres, "
                       "Telefono, Telefono2, Correo, DNI, Contacto, Causa, usuario, Empresa, Domicilio, "
                       "Localidad, Provincia, Pais, NrLib, Mediador, NroQueja from Master_quejas where Pid = ") +
        SqlEntero(pid));
    if (!lectura.HayFila()) {
        q.pid = -1;
        return q;
    }
    // A Null reads as 0 or "", which is the field's empty value.
    q.pid = Rs.Entero32(0);
    q.fecha_queja = Rs.Fecha(1);
    q.hora_queja = Rs.Texto(2);
    q.motivo = Rs.Entero16(3);
    q.tipo_queja = Rs.Entero16(4);
    q.detalle = Rs.Texto(5);
    q.Apellido = Rs.Texto(6);
    q.Nombres = Rs.Texto(7);
    q.Telefono = Rs.Texto(8);
    q.Telefono2 = Rs.Texto(9);
    q.Correo = Rs.Texto(10);
    q.DNI = Rs.Texto(11);
    q.Contacto = Rs.Texto(12);
    q.causa = Rs.Entero16(13);
    q.usuario = Rs.Entero16(14);
    q.Empresa.PID = Rs.Entero16(15);
    q.Domicilio = Rs.Texto(16);
    q.Localidad = Rs.Texto(17);
    q.Provincia = Rs.Texto(18);
    q.Pais = Rs.Texto(19);
    q.NrLib = Rs.Texto(20);
    q.Mediador = Rs.Texto(21);
    q.NroQueja = Rs.Texto(22);
    return q;
}

qint32 ExisteQueja(qint32 pid)
{
    return Lectura(QStringLiteral("Select pid from Master_Quejas where pid = ") + SqlEntero(pid) +
                   QStringLiteral(" LIMIT 1"))
                   .HayFila()
               ? pid
               : 0;
}

namespace {

QString sqlSetNrLib(qint32 pid, const QString& nrlib)
{
    return QStringLiteral("Update Master_quejas set NrLib = ") + SqlTexto(nrlib) + QStringLiteral(" where pid = ") +
           SqlEntero(pid);
}

QString sqlSetTipoQueja(const RegQueja& queja)
{
    return QStringLiteral("Update master_Quejas set Tipo_Queja  = ") + SqlEntero(queja.tipo_queja) +
           QStringLiteral(" where pid = ") + SqlEntero(queja.pid);
}

} // namespace

void SetNrLib(qint32 pid, const QString& nrlib)
{
    EjecutarQuery(sqlSetNrLib(pid, nrlib));
}

QVector<ResultadoFila> SetNrLibs(const QVector<RegQueja>& quejas)
{
    return EjecutarPorRegistro(quejas, [](const RegQueja& q, qint32) { return sqlSetNrLib(q.pid, q.NrLib); });
}

QVector<ResultadoFila> SetTiposQueja(const QVector<RegQueja>& quejas)
{
    return EjecutarPorRegistro(quejas, [](const RegQueja& q, qint32) { return sqlSetTipoQueja(q); });
}

void SetMotivoCausa(qint16 causa, qint16 motivo, qint32 pid)
{
    EjecutarQuery(QStringLiteral("Update master_quejas set  motivo = ") + SqlEntero(motivo) +
                  QStringLiteral(", causa = ") + SqlEntero(causa) + QStringLiteral(" where pid = ") + SqlEntero(pid));
}

QString SqlSetEmpresa(qint32 pid, qint16 empresa)
{
    return QStringLiteral("Update Master_Quejas set Empresa = ") + SqlEntero(empresa) +
           QStringLiteral(" where pid = ") + SqlEntero(pid);
}

void SetEmpresa(qint32 pid, qint16 empresa)
{
    EjecutarQuery(SqlSetEmpresa(pid, empresa));
}

void SetTipoQueja(const RegQueja& queja)
{
    EjecutarQuery(sqlSetTipoQueja(queja));
}

namespace {

// A change of the case window, made only while the complaint is editable when it is written.
Escritura cambioDeCaso(qint32 pid, const QString& sql, EstadoQueja* estado)
{
    EstadoQueja hallado = EstadoQueja::Editable;
    const Escritura e = EjecutarTransaccion({SqlTurnoDeQueja(pid), sql}, GuardiaEditable(pid, hallado));
    if (estado)
        *estado = hallado;
    return e;
}

} // namespace

Escritura SetCampoQueja(qint32 pid, qint16 codigo, const QString& valor, EstadoQueja* estado)
{
    static const char* const kColumnas[] = {nullptr,    "Domicilio", "Localidad", "Provincia", "Pais",
                                            "Telefono", "Telefono2", "Correo",    "Apellido",  "Nombres",
                                            "DNI",      nullptr,     "NrLib",     "Mediador",  "NroQueja"};
    if (codigo < 0 || codigo >= qint16(std::size(kColumnas)) || !kColumnas[codigo])
        return Escritura::Guardada;
    return cambioDeCaso(pid,
                        QStringLiteral("update Master_Quejas set ") + QLatin1String(kColumnas[codigo]) +
                            QStringLiteral(" = ") + SqlTexto(valor) + QStringLiteral(" where pid = ") + SqlEntero(pid),
                        estado);
}

Escritura SetDetalleQueja(qint32 pid, const QString& detalleEscapado, EstadoQueja* estado)
{
    return cambioDeCaso(pid,
                        QStringLiteral("update Master_Quejas set Detalle = ") + SqlTexto(detalleEscapado) +
                            QStringLiteral(" where pid = ") + SqlEntero(pid),
                        estado);
}

QString SqlTurnoDeQueja(qint32 pid)
{
    return QStringLiteral("Update Master_Quejas set pid = pid where pid = ") + SqlEntero(pid);
}
