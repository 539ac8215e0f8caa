#include "Usuarios.h"

#include "Conexion.h"
#include "Sql.h"
#include "Textos.h"

RegUsuario UsuarioActual;
qint16 PidTemporal = 0;

namespace {

// The user the imports credit when a name matches nobody.
constexpr qint16 kUsuarioPorDefecto = 12;
const QString kNombreInicial = QStringLiteral("Vortane");

bool nombreOcupado(const QString& usuario)
{
    EjecutarQuery(QStringLiteral("select pid from usuarios_quejas where usuario= ") + SqlTexto(usuario));
    Rs.Requery();
    const bool ocupado = !Rs.Eof();
    CerrarRs();
    return ocupado;
}

QString sqlInsertarUsuario(qint32 clave, const RegUsuario& u, const QString& claveCodificada)
{
    return QStringLiteral("Insert Into Usuarios_Quejas(Pid, usuario, nombres, Apellido, nivel, pass) values (") +
           SqlEntero(clave) + QStringLiteral(", ") + SqlTexto(u.Usuario) + QStringLiteral(",  ") + SqlTexto(u.Nombres) +
           QStringLiteral(", ") + SqlTexto(u.Apellido) + QStringLiteral(", ") + SqlEntero(u.Nivel) +
           QStringLiteral(", ") + SqlTexto(claveCodificada) + QStringLiteral(")");
}

} // namespace

bool ComprobarUsuario(QString& nombre, QString& clave)
{
    if (!BaseConectada) {
        EstadoLogin = 1;
        return false;
    }
    if (nombre != kNombreInicial && !HayUsuarios()) {
        EstadoLogin = 2;
        return true;
    }
    EjecutarQuery(QStringLiteral("SELECT Pid, Nivel, Pass From Usuarios_Quejas where Usuario = ") + SqlTexto(nombre));
    Rs.Requery();
    if (Rs.Eof()) {
        CerrarRs();
        UsuarioActual.Nivel = -1;
        EstadoLogin = -1;
        return false;
    }
    QString guardada;
    try {
        guardada = DecodificarBase64(Rs.Texto(2));
    } catch (const ErrorEjecucion&) {
        CerrarRs(); // the login window's handler runs more statements
        throw;
    }
    if (guardada != clave) {
        CerrarRs();
        PidTemporal = -1;
        UsuarioActual.Nivel = -1;
        EstadoLogin = -1;
        return false;
    }
    PidTemporal = Rs.Entero16(0);
    UsuarioActual.Pid = PidTemporal;
    UsuarioActual.Nivel = Rs.Entero16(1);
    CerrarRs();
    EstadoLogin = 0;

    EjecutarQuery(QStringLiteral("SELECT Apellido, Nombres From Usuarios_Quejas where PID = ") +
                  SqlEntero(PidTemporal));
    Rs.Requery();
    UsuarioActual.Apellido = Rs.Texto(0);
    UsuarioActual.Nombres = Rs.Texto(1);
    UsuarioActual.Pid = PidTemporal;
    CerrarRs();
    return true;
}

bool HayUsuarios()
{
    // Sites were delivered with one hidden row of Pid 0, so "two rows" meant one real user. A
    // new database has no hidden row: counting real users keeps the first administrator from
    // being sent back to the first-run window at every login.
    EjecutarQuery(QStringLiteral("SELECT Pid From usuarios_Quejas where Pid <> 0 LIMIT 1"));
    Rs.Requery();
    const bool hay = Rs.RecordCount() >= 1;
    CerrarRs();
    return hay;
}

void SetPass(const QString& claveCodificada, qint16 pid)
{
    EjecutarQuery(QStringLiteral("Update usuarios_quejas set pass = ") + SqlTexto(claveCodificada) +
                  QStringLiteral(" where pid = ") + SqlEntero(pid));
}

bool ComprobarPass(const QString& clave, qint16 pid)
{
    EjecutarQuery(QStringLiteral("Select pass from usuarios_quejas where pid = ") + SqlEntero(pid));
    Rs.Requery();
    const bool igual = !Rs.Eof() && CodificarBase64(clave) == Rs.Texto(0);
    CerrarRs();
    return igual;
}

bool GuardarUsuario(const RegUsuario& usuario, const QString& claveCodificada, qint16 modo)
{
    if (modo == 1) {
        if (nombreOcupado(usuario.Usuario))
            return false;
        return InsertarConClaveNueva(QStringLiteral("Select PID from usuarios_Quejas order by pid desc LIMIT 1"),
                                     [&](qint32 k) { return sqlInsertarUsuario(k, usuario, claveCodificada); }) != -1;
    }
    if (HayUsuarios()) {
        EjecutarQuery(QStringLiteral("Update Usuarios_Quejas Set nivel = ") + SqlEntero(usuario.Nivel) +
                      QStringLiteral(" where pid = ") + SqlEntero(usuario.Pid));
        return true;
    }
    if (nombreOcupado(usuario.Usuario))
        return false;
    // The first user takes key 1; when the one existing row holds it, the next free key, rather
    // than a failed insert that would end the program.
    return InsertarConClaveNueva(QStringLiteral("Select 0"),
                                 [&](qint32 k) { return sqlInsertarUsuario(k, usuario, claveCodificada); }) != -1;
}

RegListaUsuarios GetUsuarios()
{
    RegListaUsuarios lista;
    EjecutarQuery(QStringLiteral("Select Pid, Usuario, Apellido, Nombres, Nivel from Usuarios_quejas where pid <> 0 "
                                 "order by pid asc"));
    lista.Items = LeerFilas([] {
        RegFilaUsuario f;
        f.Pid = Rs.Entero16(0);
        f.Usuario = Rs.Texto(1);
        f.Apellido = Rs.Texto(2);
        f.Nombres = Rs.Texto(3);
        f.Nivel = QString::number(Rs.Entero16(4));
        return f;
    });
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);
    return lista;
}

QString GetNombreUsuario(qint16 pid)
{
    EjecutarQuery(QStringLiteral("Select Apellido, Nombres from usuarios_Quejas where PID = ") + SqlEntero(pid));
    Rs.Requery();
    const QString nombre = NombreDeUsuario(pid, !Rs.Eof(), Rs.Texto(0), Rs.Texto(1));
    CerrarRs();
    return nombre;
}

QString NombreDeUsuario(qint16 pid, bool existe, const QString& apellido, const QString& nombres)
{
    return existe ? apellido + QStringLiteral(", ") + nombres
                  : QStringLiteral("Usuario Inexistente: ") + QString::number(pid);
}

qint16 GetUsuarioPID(const QString& fragmento)
{
    if (fragmento.isEmpty())
        return kUsuarioPorDefecto;
    EjecutarQuery(QStringLiteral("Select pid from Usuarios_Quejas where (") +
                  SqlContiene(QStringLiteral("usuario"), fragmento) + QStringLiteral(") or (") +
                  SqlContiene(QStringLiteral("Nombres"), fragmento) + QStringLiteral(") or (") +
                  SqlContiene(QStringLiteral("Apellido"), fragmento) + QStringLiteral(") LIMIT 1"));
    Rs.Requery();
    qint16 pid = kUsuarioPorDefecto;
    if (!Rs.Eof() && Rs.Entero16(0) != 0)
        pid = Rs.Entero16(0);
    CerrarRs();
    return pid;
}
