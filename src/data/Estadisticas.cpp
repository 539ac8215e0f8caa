#include "Estadisticas.h"

#include "Aplicacion.h"
#include "Catalogos.h"
#include "Conexion.h"
#include "Sql.h"

#include <cmath>

RegListaQuejas QuejasDetalle;

namespace {

// Complaints whose place date lies in the period, bounds included.
QString enPeriodo(const QString& desde, const QString& hasta)
{
    return QStringLiteral("pid in (Select NroQueja from Lugar_Quejas where Fecha >= ") + SqlFecha(desde) +
           QStringLiteral(" and Fecha <= ") + SqlFecha(hasta) + QLatin1Char(')');
}

// One row per catalogue row, in the catalogue's order (the reader yields once per row).
template <typename Lista> Lista listaDe(const RegListaCatalogo& catalogo)
{
    Lista lista;
    for (const RegCatalogo& c : catalogo.Items) {
        typename decltype(lista.Items)::value_type item;
        item.Pid = c.PID;
        item.Detalle = c.Detalle;
        lista.Items.append(item);
    }
    lista.Ultimo = catalogo.Ultimo;
    return lista;
}

qint32 contar(const QString& sql)
{
    return LeerFila(sql, [] { return Rs.Entero32(0); }).value_or(0);
}

QString contarPor(const QString& columna, qint16 pid, const QString& desde, const QString& hasta)
{
    return QStringLiteral("select count(pid) from Master_Quejas where ") + columna + QStringLiteral(" = ") +
           SqlEntero(pid) + QStringLiteral(" and ") + enPeriodo(desde, hasta);
}

RegListaConteos contarCatalogo(const RegListaCatalogo& catalogo, const QString& columna, const QString& desde,
                               const QString& hasta)
{
    RegListaConteos lista = listaDe<RegListaConteos>(catalogo);
    for (RegConteo& item : lista.Items) {
        item.Cantidad = contar(contarPor(columna, item.Pid, desde, hasta));
        Aplicacion::HacerEventos();
    }
    return lista;
}

RegListaPorcentajes porcentajeCatalogo(const RegListaCatalogo& catalogo, const QString& columna,
                                       const QString& sqlTotal, const QString& desde, const QString& hasta)
{
    RegListaPorcentajes lista = listaDe<RegListaPorcentajes>(catalogo);
    if (lista.Items.isEmpty())
        return lista;
    const qint32 total = contar(sqlTotal);
    // A period without complaints shows 0 everywhere rather than dividing by zero.
    const double factor = total >= 1 ? 100.0 / total : 0.0;
    for (RegPorcentaje& item : lista.Items) {
        const double valor = contar(contarPor(columna, item.Pid, desde, hasta)) * factor;
        item.Porcentaje = std::round(valor * 100.0) / 100.0;
        Aplicacion::HacerEventos();
    }
    return lista;
}

} // namespace

RegListaConteos ContarPorCausa(const QString& desde, const QString& hasta)
{
    return contarCatalogo(GetCausas(), QStringLiteral("causa"), desde, hasta);
}

RegListaConteos ContarPorMotivo(const QString& desde, const QString& hasta)
{
    return contarCatalogo(GetMotivos(), QStringLiteral("motivo"), desde, hasta);
}

RegListaPorcentajes PorcentajePorCausa(const QString& desde, const QString& hasta)
{
    // Complaints without a reason (causa 0) stay out of the total.
    return porcentajeCatalogo(GetCausas(), QStringLiteral("causa"),
                              QStringLiteral("select count(pid) from Master_Quejas where ") + enPeriodo(desde, hasta) +
                                  QStringLiteral(" and causa <> 0"),
                              desde, hasta);
}

RegListaPorcentajes PorcentajePorMotivo(const QString& desde, const QString& hasta)
{
    return porcentajeCatalogo(GetMotivos(), QStringLiteral("motivo"),
                              QStringLiteral("select count(pid) from Master_Quejas where ") + enPeriodo(desde, hasta),
                              desde, hasta);
}

qint32 ContarPorEstado(const QString& desde, const QString& hasta, qint16 tipo)
{
    QString condicion;
    switch (tipo) {
    case 0: condicion = QStringLiteral(" and pid in (Select IDQueja from Resolucion_quejas where Cerrada = 0)"); break;
    case 1: condicion = QStringLiteral(" and pid in (Select IDQueja from Resolucion_quejas where Cerrada = 1)"); break;
    case 2: break;
    case 3:
        // NOT IN over a Null IDQueja would match nothing at all.
        condicion = QStringLiteral(" and pid not in (Select IDQueja from Resolucion_quejas where IDQueja is not null)");
        break;
    default: return 0;
    }
    return contar(QStringLiteral("select count(pid) from Master_Quejas where ") + enPeriodo(desde, hasta) + condicion);
}

RegListaQuejas GetQuejasCausa(qint16 causa, const QString& desde, const QString& hasta)
{
    RegListaQuejas lista;
    lista.Quejas = LeerFilas(
        QStringLiteral("Select PID, Fecha_Queja, Hora_Queja, Apellido, Nombres from Master_Quejas where Causa = ") +
            SqlEntero(causa) + QStringLiteral(" and ") + enPeriodo(desde, hasta) +
            QStringLiteral(" order by Fecha_Queja desc NULLS LAST, PID desc"),
        [] {
            RegQueja q = QuejaVacia();
            q.pid = Rs.Entero32(0);
            q.fecha_queja = Rs.Fecha(1);
            q.hora_queja = Rs.Texto(2);
            q.Apellido = Rs.Texto(3);
            q.Nombres = Rs.Texto(4);
            return q;
        },
        true);
    lista.Cantidad = lista.Quejas.isEmpty() ? -1 : lista.Quejas.size();
    return lista;
}
