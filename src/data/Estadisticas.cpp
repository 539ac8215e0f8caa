#include "Estadisticas.h"

#include "Aplicacion.h"
#include "Catalogos.h"
#include "Conexion.h"
#include "Sql.h"

#include <QHash>
#include <cmath>
#include <utility>

RegListaQuejas QuejasDetalle;

namespace {

// The complaints whose place date lies in the period, bounds included, as m with its place row
// l; a complaint has at most one place row, so the join counts each complaint once. conResolucion
// also joins its resolution row r, if any (at most one: a key on IDQueja).
QString quejasEnPeriodo(const QString& desde, const QString& hasta, bool conResolucion = false)
{
    return QStringLiteral(" from Master_Quejas m join Lugar_Quejas l on l.NroQueja = m.pid") +
           (conResolucion ? QStringLiteral(" left join Resolucion_quejas r on r.IDQueja = m.pid") : QString()) +
           QStringLiteral(" where l.Fecha >= ") + SqlFecha(desde) + QStringLiteral(" and l.Fecha <= ") +
           SqlFecha(hasta);
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

// The period's complaints per value of a column (causa or motivo), read in one grouped statement
// and then handed out per catalogue row: the same figures as one count per row.
struct Reparto
{
    QHash<qint64, qint32> porValor; // Null left out: it equals no catalogue PID
    qint32 conValor = 0;            // neither Null nor 0: the complaints that have one
    qint32 todas = 0;
};

Reparto repartir(const QString& columna, const QString& desde, const QString& hasta)
{
    const QString sql = QStringLiteral("select m.") + columna + QStringLiteral(", count(*)") +
                        quejasEnPeriodo(desde, hasta) + QStringLiteral(" group by m.") + columna;
    Reparto r;
    for (const auto& [valor, cantidad] : LeerFilas(sql, [] { return std::pair{Rs.Campo(0), Rs.Entero32(1)}; })) {
        r.todas += cantidad;
        if (valor.isNull())
            continue;
        r.porValor.insert(valor.toLongLong(), cantidad);
        if (valor.toLongLong() != 0)
            r.conValor += cantidad;
    }
    return r;
}

RegListaConteos contarCatalogo(const RegListaCatalogo& catalogo, const QString& columna, const QString& desde,
                               const QString& hasta)
{
    RegListaConteos lista = listaDe<RegListaConteos>(catalogo);
    if (lista.Items.isEmpty())
        return lista;
    const Reparto reparto = repartir(columna, desde, hasta);
    for (RegConteo& item : lista.Items) {
        item.Cantidad = reparto.porValor.value(item.Pid);
        Aplicacion::HacerEventos();
    }
    return lista;
}

// Per reason the total is the complaints that have one (causa <> 0); per category it is all.
enum class Total { ConValor, Todas };

RegListaPorcentajes porcentajeCatalogo(const RegListaCatalogo& catalogo, const QString& columna, Total base,
                                       const QString& desde, const QString& hasta)
{
    RegListaPorcentajes lista = listaDe<RegListaPorcentajes>(catalogo);
    if (lista.Items.isEmpty())
        return lista;
    const Reparto reparto = repartir(columna, desde, hasta);
    const qint32 total = base == Total::ConValor ? reparto.conValor : reparto.todas;
    // A period without complaints shows 0 everywhere rather than dividing by zero.
    const double factor = total >= 1 ? 100.0 / total : 0.0;
    for (RegPorcentaje& item : lista.Items) {
        const double valor = reparto.porValor.value(item.Pid) * factor;
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
    return porcentajeCatalogo(GetCausas(), QStringLiteral("causa"), Total::ConValor, desde, hasta);
}

RegListaPorcentajes PorcentajePorMotivo(const QString& desde, const QString& hasta)
{
    return porcentajeCatalogo(GetMotivos(), QStringLiteral("motivo"), Total::Todas, desde, hasta);
}

qint32 ContarPorEstado(const QString& desde, const QString& hasta, qint16 tipo)
{
    QString condicion;
    switch (tipo) {
    case 0: condicion = QStringLiteral(" and r.Cerrada = 0"); break;
    case 1: condicion = QStringLiteral(" and r.Cerrada = 1"); break;
    case 2: break;
    // A resolution row without a complaint cannot hide the complaints without one, as it could
    // in a NOT IN list.
    case 3: condicion = QStringLiteral(" and r.IDQueja is null"); break;
    default: return 0;
    }
    return contar(QStringLiteral("select count(*)") + quejasEnPeriodo(desde, hasta, tipo != 2) + condicion);
}

RegConteoEstados ContarEstados(const QString& desde, const QString& hasta)
{
    // Sums over no row are Null, read as 0.
    return LeerFila(QStringLiteral("select count(*), sum(case when r.Cerrada = 0 then 1 else 0 end), sum(case when "
                                   "r.Cerrada = 1 then 1 else 0 end), sum(case when r.IDQueja is null then 1 else 0 "
                                   "end)") +
                        quejasEnPeriodo(desde, hasta, true),
                    [] {
                        RegConteoEstados c;
                        c.Total = Rs.Entero32(0);
                        c.SinCerrar = Rs.Entero32(1);
                        c.Cerrados = Rs.Entero32(2);
                        c.SinResolucion = Rs.Entero32(3);
                        return c;
                    })
        .value_or(RegConteoEstados());
}

RegListaQuejas GetQuejasCausa(qint16 causa, const QString& desde, const QString& hasta)
{
    RegListaQuejas lista;
    lista.Quejas = LeerFilas(
        QStringLiteral("Select m.PID, m.Fecha_Queja, m.Hora_Queja, m.Apellido, m.Nombres") +
            quejasEnPeriodo(desde, hasta) + QStringLiteral(" and m.Causa = ") + SqlEntero(causa) +
            QStringLiteral(" order by m.Fecha_Queja desc NULLS LAST, m.PID desc"),
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
