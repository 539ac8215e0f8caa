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
    EjecutarQuery(QStringLiteral("select Pid, Detalle, Usuario, fecha from Seguimiento_quejas where Queja =") +
                  SqlEntero(numero) + QStringLiteral(" order by PID desc"));
    lista.Items = LeerFilas([] {
        RegSeguimiento s;
        s.Detalle = Rs.Texto(1);
        s.Usuario = Rs.Entero16(2);
        s.Fecha = Rs.Fecha(3);
        return s;
    });
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);

    EjecutarQuery(QStringLiteral("Select Apellido, Nombres from Master_Quejas where PID = ") + SqlEntero(numero));
    Rs.Requery();
    // A number without a complaint keeps an empty claimant instead of a lone ", ".
    if (!Rs.Eof())
        lista.Reclamante = Rs.Texto(0) + QStringLiteral(", ") + Rs.Texto(1);
    CerrarRs();
    lista.Queja = numero;
    return lista;
}

bool AgregarSeguimiento(qint32 numero, const QString& fecha, const QString& texto, qint16 usuario)
{
    EjecutarQuery(QStringLiteral("Select pid from seguimiento_quejas where queja= ") + SqlEntero(numero) +
                  QStringLiteral(" order by pid desc LIMIT 1"));
    Rs.Requery();
    qint32 clave = Rs.Eof() ? 1 : Rs.Entero32(0) + 1;
    CerrarRs();
    // Outside the query runner: a failure is neither counted nor logged, so the caller is told.
    for (;;) {
        const QString sql =
            QStringLiteral("insert into Seguimiento_Quejas(Pid, Queja, Detalle, Usuario, Fecha) values (") +
            QStringList{SqlEntero(clave), SqlEntero(numero), SqlTexto(EscaparComillas(texto)), SqlEntero(usuario),
                        SqlFecha(fecha)}
                .join(QStringLiteral(", ")) +
            QStringLiteral(")");
        switch (EjecutarDirecto(sql)) {
        case ResultadoDirecto::Ok: return true;
        case ResultadoDirecto::ClaveDuplicada: ++clave; break; // another workstation took it a moment ago
        case ResultadoDirecto::Error: return false;
        }
    }
}

void InsertarSeguimiento(const RegSeguimiento& seguimiento)
{
    // Imported follow-ups are numbered across the whole table; a failure is only logged.
    InsertarSeguimientos({seguimiento});
}

QVector<ResultadoFila> InsertarSeguimientos(const QVector<RegSeguimiento>& seguimientos)
{
    QVector<FilaLote> filas;
    filas.reserve(seguimientos.size());
    for (const RegSeguimiento& s : seguimientos)
        filas.append({1, [s](qint32 clave) {
                          return QStringList{
                              QStringLiteral("Insert Into Seguimiento_quejas(PID, ApYNom, Queja, Detalle, Usuario, "
                                             "Fecha) values(") +
                              QStringList{SqlEntero(clave), SqlTexto(s.ApYNom), SqlEntero(s.Queja),
                                          SqlTexto(EscaparComillas(s.Detalle)), SqlEntero(s.Usuario), SqlFecha(s.Fecha)}
                                  .join(QStringLiteral(", ")) +
                              QStringLiteral(")")};
                      }});
    return EjecutarFilas(filas, QStringLiteral("Select pid from Seguimiento_quejas order by pid desc LIMIT 1"));
}
