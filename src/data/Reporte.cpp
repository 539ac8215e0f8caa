#include "Reporte.h"

#include "Catalogos.h"
#include "Conexion.h"
#include "Sql.h"

RegArbolReporte GetRelaciones()
{
    RegArbolReporte arbol;
    const RegListaCatalogo categorias = GetMotivos();
    if (categorias.Items.isEmpty()) {
        arbol.Ultima = -1;
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
    return arbol;
}

RegCausaReporte GetReporteCausa(const QString& desde, const QString& hasta, qint16 causa, const QString& detalle)
{
    // One statement brings each complaint with its place row, company and registering user; a Null
    // company or user is looked up as 0, as the single look-ups did.
    RegCausaReporte nodo;
    nodo.Quejas = LeerFilas(
        QStringLiteral("Select m.Pid, m.Empresa, m.usuario, l.Fecha, l.Hora_Serv, l.Desde, l.Hasta, l.Unidad, "
                       "l.Det_legajos, e.Detalle, u.Pid, u.Apellido, u.Nombres from Master_Quejas m join "
                       "Lugar_Quejas l on l.NroQueja = m.pid left join Empresas_quejas e on e.PID = "
                       "coalesce(m.Empresa, 0) left join Usuarios_Quejas u on u.Pid = coalesce(m.usuario, 0) "
                       "where l.Fecha >= ") +
            SqlFecha(desde) + QStringLiteral(" and l.Fecha <= ") + SqlFecha(hasta) + QStringLiteral(" and m.causa = ") +
            SqlEntero(causa) + QStringLiteral(" order by m.pid"),
        [] {
            // A Null column or a missing company or user leaves its field empty.
            RegLineaReporte l;
            l.Pid = Rs.Entero32(0);
            l.Empresa = Rs.Entero16(1);
            l.Usuario = Rs.Entero16(2);
            l.Fecha = Rs.Fecha(3);
            if (l.Fecha == QLatin1String("01/01/1900"))
                l.Fecha.clear();
            l.HoraServ = Rs.Texto(4);
            l.Desde = Rs.Texto(5);
            l.Hasta = Rs.Texto(6);
            l.Unidad = Rs.Texto(7);
            l.Responsables = Rs.Texto(8);
            l.EmpresaNombre = Rs.Texto(9);
            l.UsuarioNombre = Rs.EsNulo(10) ? QStringLiteral("Usuario Inexistente: ") + QString::number(l.Usuario)
                                            : Rs.Texto(11) + QStringLiteral(", ") + Rs.Texto(12);
            return l;
        });
    if (nodo.Quejas.isEmpty())
        return nodo;
    nodo.Ultima = static_cast<qint16>(nodo.Quejas.size() - 1);
    nodo.Pid = causa;
    nodo.Detalle = detalle;
    return nodo;
}
