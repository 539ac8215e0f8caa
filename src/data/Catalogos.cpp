#include "Catalogos.h"

#include "Conexion.h"
#include "Sql.h"

namespace {

// Reads a catalogue list; tables without Anulada leave it at 0.
RegListaCatalogo leerCatalogo(const QString& sql, bool conAnulada)
{
    RegListaCatalogo lista;
    lista.Items = LeerFilas(
        sql,
        [conAnulada] {
            RegCatalogo c;
            c.PID = Rs.Entero16(0);
            c.Detalle = Rs.Texto(1);
            if (conAnulada)
                c.Anulada = Rs.Entero16(2);
            return c;
        },
        true);
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);
    return lista;
}

// The first row's first column as text, "" without rows.
QString leerTexto(const QString& sql)
{
    return LeerFila(sql, [] { return Rs.Texto(0); }).value_or(QString());
}

RegEmpresa leerEmpresa(qint16 pid)
{
    RegEmpresa e;
    Lectura lectura(QStringLiteral("Select Detalle, Cuit from Empresas_quejas where PID = ") + SqlEntero(pid));
    if (!lectura.HayFila()) {
        e.PID = -1;
        return e;
    }
    e.PID = pid;
    e.Detalle = Rs.Texto(0);
    e.Cuit = Rs.Texto(1);
    return e;
}

// Reasons in no pair; a pair with a null reason must not hide every reason (NOT IN over NULL).
const QString kSinPar = QStringLiteral("pid not in (Select motivo from relcatmov_quejas where motivo is not null)");

QString sqlRelacion(qint16 categoria, qint16 motivo)
{
    return QStringLiteral("Insert into RelCatMov_Quejas (categoria, Motivo) values ( ") + SqlEntero(categoria) +
           QStringLiteral(", ") + SqlEntero(motivo) + QStringLiteral(")");
}

QString sqlBorrarRelaciones(qint16 categoria)
{
    return QStringLiteral("Delete from RelCatMov_Quejas where Categoria = ") + SqlEntero(categoria);
}

} // namespace

RegListaCatalogo GetTipos()
{
    return leerCatalogo(QStringLiteral("Select PID, Detalle from Tipos_Quejas order by PID"), false);
}

RegListaCatalogo GetMotivos()
{
    return leerCatalogo(QStringLiteral("Select PID, Detalle from Motivos_Quejas order by PID"), false);
}

RegListaCatalogo GetCausas()
{
    return leerCatalogo(QStringLiteral("Select Pid, Detalle, Anulada from Causas_Quejas Order by PID"), true);
}

RegListaCatalogo GetCausasLibres(qint16 filtro)
{
    const QString filtroAnulada =
        filtro == 2 ? QString() : QStringLiteral("Anulada = ") + SqlEntero(filtro) + QStringLiteral(" and ");
    return leerCatalogo(QStringLiteral("Select Pid, Detalle, Anulada from Causas_Quejas where ") + filtroAnulada +
                            kSinPar + QStringLiteral(" order by PID"),
                        true);
}

RegListaCatalogo GetCausasCategoria(qint16 categoria, qint16 filtro)
{
    return leerCatalogo(
        QStringLiteral("Select PID, Detalle, Anulada from Causas_Quejas where pid in (Select Motivo from "
                       "RelCatMov_Quejas where Categoria = ") +
            SqlEntero(categoria) +
            (filtro == 2 ? QStringLiteral(") order by PID") : QStringLiteral(") and anulada = 0 order by PID")),
        true);
}

RegListaEmpresas GetEmpresas()
{
    RegListaEmpresas lista;
    lista.Items = LeerFilas(
        QStringLiteral("Select Pid, Detalle, Cuit from Empresas_quejas order by PID"),
        [] {
            RegEmpresa e;
            e.PID = Rs.Entero16(0);
            e.Detalle = Rs.Texto(1);
            e.Cuit = Rs.Texto(2);
            return e;
        },
        true);
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);
    return lista;
}

RegListaSupervisores GetSupervisores()
{
    RegListaSupervisores lista;
    lista.Items = LeerFilas(QStringLiteral("Select supervisor from supervisores_quejas order by pid"),
                            [] { return Rs.Texto(0); });
    lista.Ultimo = static_cast<qint16>(lista.Items.size() - 1);
    return lista;
}

QString GetMotivoDesc(qint16 pid)
{
    return leerTexto(QStringLiteral("Select Detalle from Motivos_quejas where PID = ") + SqlEntero(pid));
}

QString GetTipoDesc(qint16 pid)
{
    return leerTexto(QStringLiteral("Select Detalle from Tipos_quejas where PID = ") + SqlEntero(pid));
}

QString GetCausaDesc(qint16 pid)
{
    return leerTexto(QStringLiteral("Select Detalle from Causas_quejas where PID = ") + SqlEntero(pid));
}

RegEmpresa GetEmpresa(qint16 pid)
{
    return leerEmpresa(pid);
}

RegEmpresa GetEmpresaDesc(qint16 pid)
{
    return leerEmpresa(pid);
}

RegAsignacion GetCategoriaCausa(qint16 pidCausa)
{
    RegAsignacion a;
    const std::optional<qint16> categoria =
        LeerFila(QStringLiteral("Select Categoria from RelCatMov_Quejas where motivo = ") + SqlEntero(pidCausa),
                 [] { return Rs.Entero16(0); });
    if (!categoria) {
        a.Categoria = QStringLiteral("-1");
        return a;
    }
    a.Categoria = QString::number(*categoria);
    a.Detalle = leerTexto(QStringLiteral("Select detalle from Motivos_quejas where Pid = ") + SqlEntero(*categoria));
    return a;
}

void AgregarCategoria(const QString& detalle)
{
    InsertarConClaveNueva(
        QStringLiteral("Select pid from Motivos_quejas order by pid desc LIMIT 1"),
        [&](qint32 k) {
            return QStringLiteral("insert into Motivos_quejas(PID, Detalle) values ( ") + SqlEntero(k) +
                   QStringLiteral(", ") + SqlTexto(detalle) + QStringLiteral(")");
        },
        false, kMaximoClave16);
}

void AgregarCausa(const QString& detalle)
{
    InsertarConClaveNueva(
        QStringLiteral("Select pid from causas_quejas order by pid desc LIMIT 1"),
        [&](qint32 k) {
            return QStringLiteral("Insert into Causas_Quejas (Pid, Detalle, anulada) values (") + SqlEntero(k) +
                   QStringLiteral(", ") + SqlTexto(detalle) + QStringLiteral(", 0)");
        },
        false, kMaximoClave16);
}

qint16 InsertarCausa(const QString& detalle)
{
    return static_cast<qint16>(InsertarConClaveNueva(
        QStringLiteral("Select pid from Causas_quejas order by pid desc LIMIT 1"),
        [&](qint32 k) {
            return QStringLiteral("Insert into Causas_Quejas(PID, Detalle) values (") + SqlEntero(k) +
                   QStringLiteral(", ") + SqlTexto(detalle) + QStringLiteral(")");
        },
        false, kMaximoClave16));
}

qint16 GetOAgregarCausa(const QString& detalle)
{
    const std::optional<qint16> pid = LeerFila(QStringLiteral("Select pid from Causas_Quejas where Detalle = ") +
                                                   SqlTexto(detalle) + QStringLiteral(" LIMIT 1"),
                                               [] { return Rs.Entero16(0); });
    return pid ? *pid : InsertarCausa(detalle);
}

void ModificarCausa(qint16 pid, qint16 modo, const QString& texto)
{
    if (modo == 1) {
        EjecutarQuery(QStringLiteral("Update Causas_Quejas set Detalle = ") + SqlTexto(texto) +
                      QStringLiteral(" where PID = ") + SqlEntero(pid));
    } else if (modo == 2) {
        const int anulada = texto == QLatin1String("Si") ? 1 : 0;
        EjecutarQuery(QStringLiteral("Update Causas_Quejas set anulada = ") + SqlEntero(anulada) +
                      QStringLiteral(" where pid = ") + SqlEntero(pid));
    }
}

void BorrarRelaciones(qint16 categoria)
{
    EjecutarQuery(sqlBorrarRelaciones(categoria), true);
}

void AgregarRelacion(qint16 categoria, qint16 motivo)
{
    EjecutarQuery(sqlRelacion(categoria, motivo));
}

bool GuardarRelaciones(qint16 categoria, const QVector<qint16>& causas)
{
    QStringList sentencias{sqlBorrarRelaciones(categoria)};
    for (qint16 causa : causas)
        sentencias << sqlRelacion(categoria, causa);
    return EjecutarTransaccion(sentencias);
}
