#include "Reporte.h"

#include "Catalogos.h"
#include "Conexion.h"
#include "Sql.h"

#include <QHash>
#include <optional>

namespace {

// The complaints of the period with their place row, company and registering user, each with its
// reason; only those of one reason when causa is given. A Null company or user is looked up as 0,
// as single look-ups by key did.
QVector<std::pair<QVariant, RegLineaReporte>> leerLineas(const QString& desde, const QString& hasta,
                                                         std::optional<qint16> causa)
{
    return LeerFilas(
        QStringLiteral("Select m.causa, m.Pid, m.Empresa, m.usuario, l.Fecha, l.Hora_Serv, l.Desde, l.Hasta, "
                       "l.Unidad, l.Det_legajos, e.Detalle, u.Pid, u.Apellido, u.Nombres from Master_Quejas m join "
                       "Lugar_Quejas l on l.NroQueja = m.pid left join Empresas_quejas e on e.PID = "
                       "coalesce(m.Empresa, 0) left join Usuarios_Quejas u on u.Pid = coalesce(m.usuario, 0) "
                       "where l.Fecha >= ") +
            SqlFecha(desde) + QStringLiteral(" and l.Fecha <= ") + SqlFecha(hasta) +
            (causa ? QStringLiteral(" and m.causa = ") + SqlEntero(*causa) : QString()) +
            QStringLiteral(" order by m.pid"),
        [] {
            // A Null column or a missing company or user leaves its field empty.
            RegLineaReporte l;
            l.Pid = Rs.Entero32(1);
            l.Empresa = Rs.Entero16(2);
            l.Usuario = Rs.Entero16(3);
            l.Fecha = Rs.Fecha(4);
            if (l.Fecha == QLatin1String("01/01/1900"))
                l.Fecha.clear();
            l.HoraServ = Rs.Texto(5);
            l.Desde = Rs.Texto(6);
            l.Hasta = Rs.Texto(7);
            l.Unidad = Rs.Texto(8);
            l.Responsables = Rs.Texto(9);
            l.EmpresaNombre = Rs.Texto(10);
            l.UsuarioNombre = Rs.EsNulo(11) ? QStringLiteral("Usuario Inexistente: ") + QString::number(l.Usuario)
                                            : Rs.Texto(12) + QStringLiteral(", ") + Rs.Texto(13);
            return std::pair{Rs.Campo(0), l};
        });
}

// The report's walk. GetRelaciones lays out the reasons of the tree in order; while the report
// then asks for exactly those reasons in that order with the same bounds, every node comes from
// one read of the whole period, taken at the first request, instead of one statement per reason.
// Any other call ends the walk and reads its reason alone, so nothing is ever answered from an
// earlier read outside one report.
struct Recorrido
{
    QVector<qint16> orden;
    int siguiente = 0;
    bool leido = false;
    QString desde;
    QString hasta;
    QHash<qint64, QVector<RegLineaReporte>> porCausa;
};
thread_local Recorrido t_recorrido;

void iniciarRecorrido(const RegArbolReporte& arbol)
{
    t_recorrido = Recorrido();
    for (const RegCategoriaReporte& c : arbol.Categorias)
        for (const RegCausaReporte& r : c.Causas)
            t_recorrido.orden.append(r.Pid);
}

QVector<RegLineaReporte> lineasDe(const QString& desde, const QString& hasta, qint16 causa)
{
    Recorrido& w = t_recorrido;
    const bool enOrden = w.siguiente < w.orden.size() && w.orden[w.siguiente] == causa &&
                         (!w.leido || (w.desde == desde && w.hasta == hasta));
    if (!enOrden) {
        w = Recorrido();
        QVector<RegLineaReporte> lineas;
        for (const auto& [clave, linea] : leerLineas(desde, hasta, causa))
            lineas.append(linea);
        return lineas;
    }
    if (!w.leido) {
        // A complaint without a reason (Null) belongs to no node.
        for (const auto& [clave, linea] : leerLineas(desde, hasta, std::nullopt))
            if (!clave.isNull())
                w.porCausa[clave.toLongLong()].append(linea);
        w.desde = desde;
        w.hasta = hasta;
        w.leido = true;
    }
    const QVector<RegLineaReporte> lineas = w.porCausa.value(causa);
    if (++w.siguiente == w.orden.size())
        w = Recorrido();
    return lineas;
}

} // namespace

RegArbolReporte GetRelaciones()
{
    RegArbolReporte arbol;
    const RegListaCatalogo categorias = GetMotivos();
    if (categorias.Items.isEmpty()) {
        arbol.Ultima = -1;
        iniciarRecorrido(arbol);
        return arbol;
    }
    for (const RegCatalogo& m : categorias.Items) {
        RegCategoriaReporte c;
        c.Pid = m.PID;
        c.Detalle = m.Detalle;
        arbol.Categorias.append(c);
    }
    arbol.Ultima = categorias.Ultimo;

    // Each category's pairs come with their reasons' names in the same statement; a pair whose
    // reason no longer exists keeps its place with an empty name.
    for (RegCategoriaReporte& c : arbol.Categorias) {
        c.Causas = LeerFilas(QStringLiteral("Select p.Motivo, c.Detalle from RelCatMov_Quejas p left join "
                                            "Causas_Quejas c on c.Pid = p.Motivo where p.Categoria = ") +
                                 SqlEntero(c.Pid) + QStringLiteral(" order by p.Motivo"),
                             [] {
                                 RegCausaReporte r;
                                 r.Pid = Rs.Entero16(0);
                                 r.Detalle = Rs.Texto(1);
                                 return r;
                             });
        c.Ultimo = static_cast<qint16>(c.Causas.size() - 1);
        for (const RegCausaReporte& r : c.Causas)
            arbol.Relacionados.append(r.Pid);
    }
    arbol.UltimoRelacionado = static_cast<qint16>(arbol.Relacionados.size() - 1);

    // Reasons in no pair belong to the general category, normally the first one.
    RegCategoriaReporte& primera = arbol.Categorias[0];
    for (const RegCatalogo& causa : GetCausas().Items) {
        if (arbol.Relacionados.contains(causa.PID))
            continue;
        RegCausaReporte r;
        r.Pid = causa.PID;
        r.Detalle = causa.Detalle;
        primera.Causas.append(r);
    }
    primera.Ultimo = static_cast<qint16>(primera.Causas.size() - 1);
    iniciarRecorrido(arbol);
    return arbol;
}

RegCausaReporte GetReporteCausa(const QString& desde, const QString& hasta, qint16 causa, const QString& detalle)
{
    RegCausaReporte nodo;
    nodo.Quejas = lineasDe(desde, hasta, causa);
    if (nodo.Quejas.isEmpty())
        return nodo;
    nodo.Ultima = static_cast<qint16>(nodo.Quejas.size() - 1);
    nodo.Pid = causa;
    nodo.Detalle = detalle;
    return nodo;
}
