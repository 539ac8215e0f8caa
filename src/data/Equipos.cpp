#include "Equipos.h"

#include "Aplicacion.h"
#include "Conexion.h"
#include "ErrLog.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"

namespace {

std::function<QDateTime()> g_reloj;

QDateTime ahora()
{
    return g_reloj ? g_reloj() : QDateTime::currentDateTime();
}

QString textoFecha(const QDateTime& momento)
{
    return momento.date().toString(QStringLiteral("dd/MM/yyyy"));
}
QString textoHora(const QDateTime& momento)
{
    return momento.time().toString(QStringLiteral("HH:mm:ss"));
}

// A time of day as stored ("H:MM:SS", seconds optional); invalid when it is not one.
QTime leerHora(const QString& texto)
{
    const QString t = texto.trimmed();
    for (const char* formato : {"H:m:s", "H:m"}) {
        const QTime h = QTime::fromString(t, QLatin1String(formato));
        if (h.isValid())
            return h;
    }
    return QTime();
}

QString sqlFilaPropia(const QString& mac)
{
    return QStringLiteral("Select PID from Registros_Quejas where MAC = ") + SqlTexto(mac) +
           QStringLiteral(" and Usuario = ") + SqlEntero(UsuarioActual.Pid);
}

// What reading the result of a failed statement raises.
ErrorEjecucion errorObjetoCerrado()
{
    return {3704, QStringLiteral("La operación no está permitida si el objeto está cerrado.")};
}

// Stale: not seen today, or seen today more than ten minutes ago. Exactly ten minutes is
// still fresh; before 00:10 the limit lies in yesterday, so nothing of today is stale. A
// time that cannot be read leaves the row as it is.
bool estaVencido(const RegEquipo& e, const QDateTime& momento)
{
    if (e.Fecha != textoFecha(momento))
        return true;
    const QTime hora = leerHora(e.Hora);
    if (!hora.isValid())
        return false;
    // Whole seconds, as stored, so that a fraction of a second does not tip the boundary.
    const int limite = QTime(0, 0).secsTo(momento.time()) - 10 * 60;
    return limite >= 0 && QTime(0, 0).secsTo(hora) < limite;
}

void borrarRegistro(qint32 pid)
{
    EjecutarQuery(QStringLiteral("delete from Registros_Quejas where pid = ") + SqlEntero(pid));
}

} // namespace

void EstablecerRelojEquipos(std::function<QDateTime()> reloj)
{
    g_reloj = std::move(reloj);
}

void RegistrarMAC(const QString& mac, const QString& pc)
{
    std::optional<qint32> pid;
    {
        Lectura propia(sqlFilaPropia(mac), true);
        if (!propia.Ok()) {
            // The statement's own failure is already logged; the step that found no result to
            // read is logged as well, and the caller goes on.
            EscribirErrLog(QStringLiteral("EjecutarQuery en Registrar MAC"), errorObjetoCerrado());
            return;
        }
        if (propia.HayFila())
            pid = Rs.Entero32(0);
    }
    const QDateTime momento = ahora();
    const QString fecha = textoFecha(momento);
    const QString hora = textoHora(momento);
    const QString version = Aplicacion::VersionTexto();
    if (!pid) {
        InsertarConClaveNueva(
            QStringLiteral("Select pid from Registros_quejas order by pid desc LIMIT 1"), [&](qint32 k) {
                return QStringLiteral(
                           "Insert Into Registros_Quejas (PID, MAC, Nombre, Usuario, Fecha, Hora, PC, Version, "
                           "Conectado) values (") +
                       SqlEntero(k) + QStringLiteral(", ") + SqlTexto(mac) + QStringLiteral(", ") +
                       SqlTexto(UsuarioActual.Apellido + QStringLiteral(", ") + UsuarioActual.Nombres) +
                       QStringLiteral(", ") + SqlEntero(UsuarioActual.Pid) + QStringLiteral(", ") + SqlTexto(fecha) +
                       QStringLiteral(", ") + SqlTexto(hora) + QStringLiteral(", ") + SqlTexto(pc) +
                       QStringLiteral(", ") + SqlTexto(version) + QStringLiteral(", 1 )");
            });
        return;
    }
    EjecutarQuery(QStringLiteral("Update Registros_Quejas set PC = ") + SqlTexto(pc) + QStringLiteral(", Fecha = ") +
                      SqlTexto(fecha) + QStringLiteral(", Hora = ") + SqlTexto(hora) + QStringLiteral(", Version = ") +
                      SqlTexto(version) + QStringLiteral(", Conectado = 1 where pid = ") + SqlEntero(*pid),
                  true);
}

void DesconectarMAC(const QString& mac)
{
    const std::optional<qint32> pid = LeerFila(
        sqlFilaPropia(mac), [] { return Rs.Entero32(0); }, true);
    if (pid)
        EjecutarQuery(QStringLiteral("Update Registros_Quejas set conectado = 0 where PID = ") + SqlEntero(*pid), true);
}

RegListaEquipos GetRegistrosDepurados()
{
    RegListaEquipos lista;
    lista.Items = LeerFilas(QStringLiteral("Select PID, MAC, Nombre, Usuario, Fecha, Hora, PC, Version, Conectado "
                                           "from Registros_Quejas order by Conectado desc NULLS LAST, PID"),
                            [] {
                                RegEquipo e;
                                e.PID = Rs.Entero32(0);
                                e.MAC = Rs.Texto(1);
                                e.Nombre = Rs.Texto(2);
                                e.Usuario = Rs.Entero16(3);
                                e.Fecha = FormatoFecha(Rs.Texto(4));
                                const QString hora = Rs.Texto(5);
                                const QTime h = leerHora(hora);
                                e.Hora = h.isValid() ? h.toString(QStringLiteral("HH:mm:ss")) : hora;
                                e.PC = Rs.Texto(6);
                                e.Version = Rs.Texto(7);
                                e.Conectado = Rs.Texto(8);
                                return e;
                            });
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);

    const QDateTime momento = ahora();
    for (RegEquipo& e : lista.Items) {
        if (e.Conectado == QLatin1String("1") && estaVencido(e, momento)) {
            e.Conectado = QStringLiteral("0");
            EjecutarQuery(QStringLiteral("update Registros_Quejas set conectado = 0 where pid = ") + SqlEntero(e.PID));
        }
    }

    // Old disconnected rows of each user go: a row of a version other than the running one,
    // or a leftover of another version from another day and PC. A row may be deleted twice;
    // the second delete finds nothing.
    const QString version = Aplicacion::VersionTexto();
    const QVector<RegEquipo>& it = lista.Items;
    for (int i = 0; i < it.size(); ++i) {
        for (int j = 0; j < it.size(); ++j) {
            if (it[i].Usuario != it[j].Usuario || it[j].Conectado != QLatin1String("0"))
                continue;
            if (it[i].Version == it[j].Version) {
                if (it[j].Version == version)
                    continue;
                borrarRegistro(it[j].PID);
                break;
            }
            if (it[i].Fecha == it[j].Fecha || it[i].PC == it[j].PC)
                continue;
            borrarRegistro(it[j].PID);
        }
    }
    return lista;
}
