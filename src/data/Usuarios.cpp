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
    return Lectura(QStringLiteral("select pid from usuarios_quejas where usuario= ") + SqlTexto(usuario)).HayFila();
}

QString sqlInsertarUsuario(qint32 clave, const RegUsuario& u, const QString& claveCodificada)
{
    return QStringLiteral("Insert Into Usuarios_Quejas(Pid, usuario, nombres, Apellido, nivel, pass) values (") +
           SqlEntero(clave) + QStringLiteral(", ") + SqlTexto(u.Usuario) + QStringLiteral(",  ") + SqlTexto(u.Nombres) +
           QStringLiteral(", ") + SqlTexto(u.Apellido) + QStringLiteral(", ") + SqlEntero(u.Nivel) +
           QStringLiteral(", ") + SqlTexto(claveCodificada) + QStringLiteral(")");
}

// Whether the login window would let this row in: it asks for a name and a password of three
// characters or more, and a password stored as anything but Base64 fails the login.
bool puedeEntrar(const QString& usuario, const QString& claveCodificada)
{
    if (usuario.size() < 3)
        return false;
    try {
        return DecodificarBase64(claveCodificada).size() >= 3;
    } catch (const ErrorEjecucion&) {
        return false;
    }
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
    {
        // A stored password that is not Base64 throws; the reader still closes the result set,
        // since the login window's handler runs more statements.
        Lectura usuario(QStringLiteral("SELECT Pid, Nivel, Pass From Usuarios_Quejas where Usuario = ") +
                        SqlTexto(nombre));
        if (!usuario.HayFila()) {
            UsuarioActual.Nivel = -1;
            EstadoLogin = -1;
            return false;
        }
        if (DecodificarBase64(Rs.Texto(2)) != clave) {
            PidTemporal = -1;
            UsuarioActual.Nivel = -1;
            EstadoLogin = -1;
            return false;
        }
        PidTemporal = Rs.Entero16(0);
        UsuarioActual.Pid = PidTemporal;
        UsuarioActual.Nivel = Rs.Entero16(1);
    }
    EstadoLogin = 0;

    {
        Lectura nombres(QStringLiteral("SELECT Apellido, Nombres From Usuarios_Quejas where PID = ") +
                        SqlEntero(PidTemporal));
        UsuarioActual.Apellido = Rs.Texto(0);
        UsuarioActual.Nombres = Rs.Texto(1);
        UsuarioActual.Pid = PidTemporal;
    }
    return true;
}

bool HayUsuarios()
{
    // Sites were delivered with one hidden row of Pid 0, so "two rows" meant one real user. A
    // new database has no hidden row: counting real users keeps the first administrator from
    // being sent back to the first-run window at every login.
    return Lectura(QStringLiteral("SELECT Pid From usuarios_Quejas where Pid <> 0 LIMIT 1")).HayFila();
}

void SetPass(const QString& claveCodificada, qint16 pid)
{
    EjecutarQuery(QStringLiteral("Update usuarios_quejas set pass = ") + SqlTexto(claveCodificada) +
                  QStringLiteral(" where pid = ") + SqlEntero(pid));
}

bool ComprobarPass(const QString& clave, qint16 pid)
{
    Lectura lectura(QStringLiteral("Select pass from usuarios_quejas where pid = ") + SqlEntero(pid));
    return lectura.HayFila() && CodificarBase64(clave) == Rs.Texto(0);
}

bool GuardarUsuario(const RegUsuario& usuario, const QString& claveCodificada, qint16 modo, bool* nombreTomado)
{
    const auto tomado = [&] {
        const bool si = nombreOcupado(usuario.Usuario);
        if (nombreTomado)
            *nombreTomado = si;
        return si;
    };
    if (nombreTomado)
        *nombreTomado = false;
    if (modo == 1) {
        if (tomado())
            return false;
        return InsertarConClaveNueva(
                   QStringLiteral("Select PID from usuarios_Quejas order by pid desc LIMIT 1"),
                   [&](qint32 k) { return sqlInsertarUsuario(k, usuario, claveCodificada); }, false,
                   kMaximoClave16) != -1;
    }
    if (HayUsuarios()) {
        EjecutarQuery(QStringLiteral("Update Usuarios_Quejas Set nivel = ") + SqlEntero(usuario.Nivel) +
                      QStringLiteral(" where pid = ") + SqlEntero(usuario.Pid));
        return true;
    }
    if (tomado())
        return false;
    // The first user takes key 1; when the one existing row holds it, the next free key, rather
    // than a failed insert that would end the program.
    return InsertarConClaveNueva(
               QStringLiteral("Select 0"), [&](qint32 k) { return sqlInsertarUsuario(k, usuario, claveCodificada); },
               false, kMaximoClave16) != -1;
}

bool DejaSinAdministradores(qint16 pid, qint16 nivel)
{
    if (nivel >= 3)
        return false;
    struct Fila
    {
        qint16 pid;
        bool entra;
    };
    // Only a row the login lets in counts: the hidden row of Pid 0 may hold a level without a
    // usable name or password.
    const QVector<Fila> administradores =
        LeerFilas(QStringLiteral("Select Pid, usuario, pass from Usuarios_Quejas where nivel >= 3"), [] {
            return Fila{Rs.Entero16(0), puedeEntrar(Rs.Texto(1), Rs.Texto(2))};
        });
    bool loEra = false;
    for (const Fila& f : administradores) {
        if (!f.entra)
            continue;
        if (f.pid != pid)
            return false;
        loEra = true;
    }
    return loEra;
}

RegListaUsuarios GetUsuarios()
{
    RegListaUsuarios lista;
    lista.Items = LeerFilas(QStringLiteral("Select Pid, Usuario, Apellido, Nombres, Nivel from Usuarios_quejas "
                                           "where pid <> 0 order by pid asc"),
                            [] {
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
    return LeerFila(QStringLiteral("Select Apellido, Nombres from usuarios_Quejas where PID = ") + SqlEntero(pid),
                    [] { return NombreDeUsuario(Rs.Texto(0), Rs.Texto(1)); })
        .value_or(UsuarioInexistente(pid));
}

QString NombreDeUsuario(const QString& apellido, const QString& nombres)
{
    return apellido + QStringLiteral(", ") + nombres;
}

QString UsuarioInexistente(qint16 pid)
{
    return QStringLiteral("Usuario Inexistente: ") + QString::number(pid);
}

qint16 GetUsuarioPID(const QString& fragmento)
{
    if (fragmento.isEmpty())
        return kUsuarioPorDefecto;
    const qint16 pid = LeerFila(QStringLiteral("Select pid from Usuarios_Quejas where (") +
                                    SqlContiene(QStringLiteral("usuario"), fragmento) + QStringLiteral(") or (") +
                                    SqlContiene(QStringLiteral("Nombres"), fragmento) + QStringLiteral(") or (") +
                                    SqlContiene(QStringLiteral("Apellido"), fragmento) + QStringLiteral(") LIMIT 1"),
                                [] { return Rs.Entero16(0); })
                           .value_or(0);
    return pid != 0 ? pid : kUsuarioPorDefecto;
}
