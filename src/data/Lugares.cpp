#include "Lugares.h"

#include "Conexion.h"
#include "Quejas.h"
#include "Sql.h"

#include <QStringList>
#include <cmath>

namespace {

// A column that may hold Null, written back as it was read.
QString textoONulo(int campo)
{
    return Rs.EsNulo(campo) ? QStringLiteral("NULL") : SqlTexto(Rs.Texto(campo));
}

// A code that reads as a number looks up its whole part, rounded down: "00045" is agency 45.
void normalizarCodigo(QString& codigo)
{
    bool ok = false;
    const double v = codigo.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return;
    // Adding 0.0 turns -0 into 0, so "-0.5" reads "-1" and "-0" reads "0".
    codigo = QString::number(std::floor(v) + 0.0, 'f', 0);
}

} // namespace

RegLugar LugarVacio()
{
    return RegLugar();
}

RegLugar GetLugar(qint32 nroQueja)
{
    RegLugar l = LugarVacio();
    Lectura lectura(QStringLiteral("Select Lugar, Det_Lugar, Fecha, Hora, Dato3, Dato4, Dato5, Dato6, Dato7, Dato8, "
                                   "Dato9, Tipo_Comprob, Comprobante, Legajos, Desde, Hasta, Hora_Serv, Unidad from "
                                   "Lugar_Quejas where NroQueja = ") +
                    SqlEntero(nroQueja));
    if (!lectura.HayFila()) {
        l.Tipo_Comprob = -5;
        return l;
    }
    l.Lugar = Rs.Entero16(0);
    l.Det_Lugar = Rs.Texto(1);
    l.Fecha = Rs.Fecha(2);
    l.Hora = Rs.Texto(3);
    l.Dato3 = Rs.Texto(4);
    l.Dato4 = Rs.Texto(5);
    l.Dato5 = Rs.Texto(6);
    l.Dato6 = Rs.Texto(7);
    l.Dato7 = Rs.Texto(8);
    l.Dato8 = Rs.Texto(9);
    l.Dato9 = Rs.Texto(10);
    l.Tipo_Comprob = Rs.Entero16(11);
    l.Comprobante = Rs.Texto(12);
    l.Legajos = Rs.Texto(13);
    l.Desde = Rs.Texto(14);
    l.Hasta = Rs.Texto(15);
    l.Hora_Serv = Rs.Texto(16);
    l.Unidad = Rs.Texto(17);
    return l;
}

bool GuardarLugar(const RegLugar& lugar, qint32 nroQueja)
{
    return GuardarLugar(lugar, nroQueja, false) == Escritura::Guardada;
}

Escritura GuardarLugar(const RegLugar& lugar, qint32 nroQueja, bool soloElPrimero)
{
    // The window does not show the import-only columns; a save must not wipe them.
    QString detLegajos = QStringLiteral("NULL");
    QString sector = QStringLiteral("NULL");
    {
        Lectura lectura(QStringLiteral("Select Det_legajos, Sector from Lugar_Quejas where NroQueja = ") +
                        SqlEntero(nroQueja));
        if (!lectura.Ok())
            return Escritura::NoGuardada;
        if (lectura.HayFila()) {
            detLegajos = textoONulo(0);
            sector = textoONulo(1);
        }
    }

    const QStringList valores{SqlEntero(nroQueja),
                              SqlTexto(QString::number(lugar.Lugar)),
                              SqlTexto(lugar.Det_Lugar),
                              SqlFecha(lugar.Fecha),
                              SqlTexto(lugar.Hora),
                              SqlTexto(lugar.Dato3),
                              SqlTexto(lugar.Dato4),
                              SqlTexto(lugar.Dato5),
                              SqlTexto(lugar.Dato6),
                              SqlTexto(lugar.Dato7),
                              SqlTexto(lugar.Dato8),
                              SqlTexto(lugar.Dato9),
                              SqlEntero(lugar.Tipo_Comprob),
                              SqlTexto(lugar.Comprobante),
                              SqlTexto(lugar.Legajos),
                              SqlTexto(lugar.Desde),
                              SqlTexto(lugar.Hasta),
                              SqlTexto(lugar.Hora_Serv),
                              SqlTexto(lugar.Unidad),
                              detLegajos,
                              sector};
    // Two workstations saving the same complaint at once take turns; the later one replaces the
    // other's row.
    const QStringList sentencias{
        SqlTurnoDeQueja(nroQueja), QStringLiteral("Delete from Lugar_Quejas where NroQueja = ") + SqlEntero(nroQueja),
        QStringLiteral("Insert into Lugar_Quejas (NroQueja, Lugar, Det_Lugar, Fecha, Hora, Dato3, Dato4, Dato5, "
                       "Dato6, Dato7, Dato8, Dato9, Tipo_Comprob, Comprobante, Legajos, Desde, Hasta, Hora_Serv, "
                       "Unidad, Det_legajos, Sector) values (") +
            valores.join(QStringLiteral(", ")) + QLatin1Char(')')};
    if (!soloElPrimero)
        return EjecutarReemplazo(sentencias) ? Escritura::Guardada : Escritura::NoGuardada;
    return EjecutarReemplazo(
        sentencias, Guardia{QStringLiteral("Select NroQueja from Lugar_Quejas where NroQueja = ") + SqlEntero(nroQueja),
                            [] { return Rs.Eof(); }});
}

void InsertarLugar(const RegLugar& lugar)
{
    // A failure is only logged and the import goes on.
    InsertarLugares({lugar}, {0});
}

QVector<ResultadoFila> InsertarLugares(const QVector<RegLugar>& lugares, const QVector<qint16>& empresas)
{
    QVector<FilaLote> filas;
    filas.reserve(lugares.size());
    for (int i = 0; i < lugares.size(); ++i) {
        const RegLugar& l = lugares[i];
        QStringList sentencias;
        if (empresas.value(i) > 0)
            sentencias << SqlSetEmpresa(l.NroQueja, empresas[i]);
        // One insert with every column: the row lands whole or not at all. Tipo_Comprob and
        // Comprobante stay unset in an imported row.
        const QStringList valores{SqlEntero(l.NroQueja),   SqlTexto(QString::number(l.Lugar)),
                                  SqlTexto(l.Det_Lugar),   SqlTexto(l.Legajos),
                                  SqlTexto(l.Det_legajos), SqlTexto(l.Desde),
                                  SqlTexto(l.Hasta),       SqlTexto(l.Hora_Serv),
                                  SqlTexto(l.Sector),      SqlTexto(l.Unidad),
                                  SqlTexto(l.Dato3),       SqlTexto(l.Dato4),
                                  SqlTexto(l.Dato5),       SqlTexto(l.Dato6),
                                  SqlTexto(l.Dato7),       SqlTexto(l.Dato8),
                                  SqlTexto(l.Dato9),       SqlFecha(l.Fecha),
                                  SqlTexto(l.Hora)};
        sentencias << QStringLiteral("Insert Into Lugar_Quejas (NroQueja, Lugar, Det_Lugar, Legajos, Det_legajos, "
                                     "Desde, Hasta, Hora_Serv, Sector, Unidad, Dato3, Dato4, Dato5, Dato6, Dato7, "
                                     "Dato8, Dato9, Fecha, Hora) values (") +
                          valores.join(QStringLiteral(", ")) + QLatin1Char(')');
        filas.append({0, [sentencias](qint32) { return sentencias; }});
    }
    return EjecutarFilas(filas);
}

QSet<qint32> LugaresExistentes(const QVector<qint32>& nrosQueja)
{
    return ClavesExistentes(QStringLiteral("Lugar_Quejas"), QStringLiteral("NroQueja"), nrosQueja);
}

qint32 ExisteLugar(qint32 nroQueja)
{
    return Lectura(QStringLiteral("Select NroQueja from Lugar_Quejas where NroQueja = ") + SqlEntero(nroQueja) +
                   QStringLiteral(" LIMIT 1"))
                   .HayFila()
               ? nroQueja
               : 0;
}

RegAgencia GetAgencia(QString& codigo)
{
    normalizarCodigo(codigo);
    RegAgencia a;
    Lectura lectura(
        QStringLiteral("Select Pid, Codplu, CodEnco, Descripcion, GrupoInt, Telefono1, Correo, Domicilio, "
                       "piso_depto, numeral, localidad, Provincia, pais from MasterAgencias where CodPlu = ") +
        SqlTexto(codigo) + QStringLiteral(" order by Pid asc"));
    if (!lectura.HayFila()) {
        a.Codplu = QStringLiteral("-1");
        return a;
    }
    a.Pid = Rs.Entero16(0);
    a.Codplu = Rs.Texto(1);
    a.CodEnco = Rs.Texto(2);
    a.Descripcion = Rs.Texto(3);
    a.GrupoInt = Rs.Entero16(4);
    a.Telefono1 = Rs.Texto(5);
    a.Correo = Rs.Texto(6);
    a.Domicilio = Rs.Texto(7);
    a.piso_depto = Rs.Texto(8);
    a.numeral = Rs.Texto(9);
    a.localidad = Rs.Texto(10);
    a.Provincia = Rs.Texto(11);
    a.pais = Rs.Texto(12);
    return a;
}

RegCoche GetCoche(const QString& interno)
{
    RegCoche c;
    // The typed text would otherwise enter the statement as it stands; a box that does not
    // hold a whole number simply finds no coach instead of ending the program.
    bool ok = false;
    const qint64 numero = interno.trimmed().toLongLong(&ok);
    if (!ok) {
        c.Interno = -1;
        return c;
    }
    {
        Lectura lectura(QStringLiteral("Select Pid, Empresa, Asientos, Dominio from Coches_quejas where interno = ") +
                        SqlEntero(numero));
        if (!lectura.HayFila()) {
            c.Interno = -1;
            return c;
        }
        c.Interno = static_cast<qint32>(numero);
        c.Empresa.PID = Rs.Entero16(1);
        c.Asientos = Rs.Entero16(2);
        c.Dominio = Rs.Texto(3);
    }
    const RegEmpresa e = GetEmpresa(c.Empresa.PID);
    c.Empresa.Detalle = e.Detalle;
    c.Empresa.Cuit = e.Cuit;
    return c;
}

RegCoche GetCocheBasico(qint32 interno)
{
    RegCoche c;
    Lectura lectura(QStringLiteral("Select Empresa, Dominio, Asientos from Coches_quejas where Interno = ") +
                    SqlEntero(interno));
    if (!lectura.HayFila()) {
        c.Interno = -1;
        return c;
    }
    c.Interno = interno;
    c.Empresa.PID = Rs.Entero16(0);
    c.Dominio = Rs.Texto(1);
    c.Asientos = Rs.Entero16(2);
    return c;
}
