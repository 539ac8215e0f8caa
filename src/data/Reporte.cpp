#include "Reporte.h"

#include "Catalogos.h"
#include "Conexion.h"
#include "Sql.h"
#include "Usuarios.h"

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

    for (RegCategoriaReporte& c : arbol.Categorias) {
        c.Causas = LeerFilas(QStringLiteral("Select Motivo from RelCatMov_Quejas where Categoria = ") +
                                 SqlEntero(c.Pid) + QStringLiteral(" order by Motivo"),
                             [] {
                                 RegCausaReporte r;
                                 r.Pid = Rs.Entero16(0);
                                 return r;
                             });
        c.Ultimo = static_cast<qint16>(c.Causas.size() - 1);
        // A pair whose reason no longer exists keeps its place with an empty name.
        for (RegCausaReporte& r : c.Causas) {
            arbol.Relacionados.append(r.Pid);
            r.Detalle = GetCausaDesc(r.Pid);
        }
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
    RegCausaReporte nodo;
    nodo.Quejas = LeerFilas(QStringLiteral("Select Pid, Empresa, usuario from Master_Quejas where pid in (Select "
                                           "NroQueja from Lugar_Quejas where Fecha >= ") +
                                SqlFecha(desde) + QStringLiteral(" and Fecha <= ") + SqlFecha(hasta) +
                                QStringLiteral(") and causa = ") + SqlEntero(causa) + QStringLiteral(" order by pid"),
                            [] {
                                RegLineaReporte l;
                                l.Pid = Rs.Entero32(0);
                                l.Empresa = Rs.Entero16(1);
                                l.Usuario = Rs.Entero16(2);
                                return l;
                            });
    if (nodo.Quejas.isEmpty())
        return nodo;
    nodo.Ultima = static_cast<qint16>(nodo.Quejas.size() - 1);

    // A Null column or a missing company or user leaves its field empty.
    for (RegLineaReporte& l : nodo.Quejas) {
        {
            Lectura lugar(QStringLiteral("Select Fecha, Hora_Serv, Desde, Hasta, Unidad, Det_legajos from "
                                         "Lugar_Quejas where NroQueja = ") +
                          SqlEntero(l.Pid));
            l.Fecha = Rs.Fecha(0);
            if (l.Fecha == QLatin1String("01/01/1900"))
                l.Fecha.clear();
            l.HoraServ = Rs.Texto(1);
            l.Responsables = Rs.Texto(5);
            l.Desde = Rs.Texto(2);
            l.Hasta = Rs.Texto(3);
            l.Unidad = Rs.Texto(4);
        }
        l.EmpresaNombre = GetEmpresaDesc(l.Empresa).Detalle;
        l.UsuarioNombre = GetNombreUsuario(l.Usuario);
    }
    nodo.Pid = causa;
    nodo.Detalle = detalle;
    return nodo;
}
