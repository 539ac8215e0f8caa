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

namespace {

// The complaints of the period with their place row, company and registering user in one
// statement, instead of a place read and two look-ups per complaint: ten thousand complaints must
// not mean thirty thousand round trips to the server. Reason first, then complaint number.
QVector<std::pair<qint16, RegLineaReporte>> leerLineas(const QString& desde, const QString& hasta,
                                                       const QString& filtroCausa)
{
    // A Null column or a missing company leaves its field empty. Only the import fills Det_legajos;
    // the place window keeps the responsible staff in Legajos.
    return LeerFilas(
        QStringLiteral("Select m.pid, m.Empresa, m.usuario, m.causa, l.Fecha, l.Hora_Serv, l.Desde, l.Hasta, "
                       "l.Unidad, case when trim(coalesce(l.Det_legajos, '')) <> '' then l.Det_legajos "
                       "else l.Legajos end, e.Detalle, u.Pid, u.Apellido, u.Nombres "
                       "from Master_Quejas m inner join Lugar_Quejas l on l.NroQueja = m.pid "
                       "left join Empresas_quejas e on e.PID = coalesce(m.Empresa, 0) "
                       "left join Usuarios_Quejas u on u.Pid = coalesce(m.usuario, 0) where l.Fecha >= ") +
            SqlFecha(desde) + QStringLiteral(" and l.Fecha <= ") + SqlFecha(hasta) + QStringLiteral(" and ") +
            filtroCausa + QStringLiteral(" order by m.causa, m.pid"),
        [] {
            RegLineaReporte l;
            l.Pid = Rs.Entero32(0);
            l.Empresa = Rs.Entero16(1);
            l.Usuario = Rs.Entero16(2);
            l.Fecha = Rs.Fecha(4);
            if (l.Fecha == QLatin1String("01/01/1900"))
                l.Fecha.clear();
            l.HoraServ = Rs.Texto(5);
            l.Desde = Rs.Texto(6);
            l.Hasta = Rs.Texto(7);
            l.Unidad = Rs.Texto(8);
            l.Responsables = Rs.Texto(9);
            l.EmpresaNombre = Rs.Texto(10);
            l.UsuarioNombre =
                Rs.EsNulo(11) ? UsuarioInexistente(l.Usuario) : NombreDeUsuario(Rs.Texto(12), Rs.Texto(13));
            return std::make_pair(Rs.Entero16(3), l);
        });
}

RegCausaReporte nodoCausa(qint16 causa, const QString& detalle, QVector<RegLineaReporte> quejas)
{
    RegCausaReporte nodo;
    if (quejas.isEmpty())
        return nodo;
    nodo.Pid = causa;
    nodo.Detalle = detalle;
    nodo.Quejas = std::move(quejas);
    nodo.Ultima = static_cast<qint16>(nodo.Quejas.size() - 1);
    return nodo;
}

} // namespace

RegCausaReporte GetReporteCausa(const QString& desde, const QString& hasta, qint16 causa, const QString& detalle)
{
    QVector<RegLineaReporte> quejas;
    for (auto& [c, linea] : leerLineas(desde, hasta, QStringLiteral("m.causa = ") + SqlEntero(causa)))
        quejas.append(std::move(linea));
    return nodoCausa(causa, detalle, std::move(quejas));
}

ReportePeriodo GetReportePeriodo(const QString& desde, const QString& hasta)
{
    ReportePeriodo periodo;
    for (auto& [causa, linea] : leerLineas(desde, hasta, QStringLiteral("m.causa is not null")))
        periodo.m_quejas[causa].append(std::move(linea));
    return periodo;
}

RegCausaReporte ReportePeriodo::Causa(qint16 causa, const QString& detalle) const
{
    return nodoCausa(causa, detalle, m_quejas.value(causa));
}
