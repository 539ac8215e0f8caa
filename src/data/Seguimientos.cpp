#include "Seguimientos.h"

#include "Conexion.h"
#include "Sql.h"
#include "Textos.h"

RegSeguimiento SeguimientoVacio()
{
    return RegSeguimiento();
}

RegListaSeguimientos GetSeguimientos(qint32 numero)
{
    RegListaSeguimientos lista;
    lista.Items =
        LeerFilas(QStringLiteral("select Pid, Detalle, Usuario, fecha from Seguimiento_quejas where Queja =") +
                      SqlEntero(numero) + QStringLiteral(" order by PID desc"),
                  [] {
                      RegSeguimiento s;
                      s.Detalle = Rs.Texto(1);
                      s.Usuario = Rs.Entero16(2);
                      s.Fecha = Rs.Fecha(3);
                      return s;
                  });
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);

    // A number without a complaint keeps an empty claimant instead of a lone ", ".
    lista.Reclamante =
        LeerFila(QStringLiteral("Select Apellido, Nombres from Master_Quejas where PID = ") + SqlEntero(numero), [] {
            return Rs.Texto(0) + QStringLiteral(", ") + Rs.Texto(1);
        }).value_or(QString());
    lista.Queja = numero;
    return lista;
}

bool AgregarSeguimiento(qint32 numero, const QString& fecha, const QString& texto, qint16 usuario)
{
    // Outside the query runner: a failure is neither counted nor logged, so the caller is told.
    return ConClaveNueva(
               QStringLiteral("Select pid from seguimiento_quejas where queja= ") + SqlEntero(numero) +
                   QStringLiteral(" order by pid desc LIMIT 1"),
               [&](qint32 clave) {
                   return EjecutarDirecto(
                       QStringLiteral("insert into Seguimiento_Quejas(Pid, Queja, Detalle, Usuario, Fecha) values (") +
                       QStringList{SqlEntero(clave), SqlEntero(numero), SqlTexto(EscaparComillas(texto)),
                                   SqlEntero(usuario), SqlFecha(fecha)}
                           .join(QStringLiteral(", ")) +
                       QStringLiteral(")"));
               }) != -1;
}

void InsertarSeguimiento(const RegSeguimiento& seguimiento)
{
    // Imported follow-ups are numbered across the whole table; a failure is only logged.
    InsertarSeguimientos({seguimiento});
}

QVector<ResultadoFila> InsertarSeguimientos(const QVector<RegSeguimiento>& seguimientos)
{
    return EjecutarPorRegistro(
        seguimientos,
        [](const RegSeguimiento& s, qint32 clave) {
            return QStringLiteral(
                       "Insert Into Seguimiento_quejas(PID, ApYNom, Queja, Detalle, Usuario, Fecha) values(") +
                   QStringList{SqlEntero(clave),     SqlTexto(s.ApYNom),
                               SqlEntero(s.Queja),   SqlTexto(EscaparComillas(s.Detalle)),
                               SqlEntero(s.Usuario), SqlFecha(s.Fecha)}
                       .join(QStringLiteral(", ")) +
                   QStringLiteral(")");
        },
        1, QStringLiteral("Select pid from Seguimiento_quejas order by pid desc LIMIT 1"));
}
