#pragma once

#include <QHash>
#include <QString>
#include <QVector>

// The data of the detailed report: categories, their reasons, and per reason the complaints
// of a period with their place data, company and registering user.

// One complaint of a reason.
struct RegLineaReporte
{
    qint32 Pid = 0;
    QString Fecha; // event date "DD/MM/YYYY"; empty for no date
    QString Unidad;
    QString Desde;
    QString Hasta;
    qint16 Usuario = 0;
    QString UsuarioNombre;
    QString Responsables; // the imported Det_legajos when it holds text, else Legajos
    QString EmpresaNombre;
    qint16 Empresa = 0;
    QString HoraServ;
};

struct RegCausaReporte
{
    qint16 Pid = 0;
    QString Detalle;
    QVector<RegLineaReporte> Quejas; // ascending complaint number
    qint16 Ultima = -1;
};

struct RegCategoriaReporte
{
    qint16 Pid = 0;
    QString Detalle;
    QVector<RegCausaReporte> Causas;
    qint16 Ultimo = -1;
};

struct RegArbolReporte
{
    QVector<RegCategoriaReporte> Categorias; // ascending PID
    QVector<qint16> Relacionados;            // reason of every pair read, in reading order
    qint16 UltimoRelacionado = -1;
    qint16 Ultima = -1;
};

// The skeleton: every category with the reasons of its pairs, in PID order; the reasons in no
// pair follow under the first category. Reason nodes carry Pid and Detalle only.
RegArbolReporte GetRelaciones();

// The reason's complaints whose place date lies in the period, bounds included. Without any,
// the node is empty: Ultima -1, Pid 0, Detalle "".
RegCausaReporte GetReporteCausa(const QString& desde, const QString& hasta, qint16 causa, const QString& detalle);

// The complaints of a period for every reason at once, read in one statement; the detailed report
// takes each reason's node from here instead of asking once per reason.
class ReportePeriodo
{
public:
    // The node GetReporteCausa(desde, hasta, causa, detalle) gives for this period.
    RegCausaReporte Causa(qint16 causa, const QString& detalle) const;

private:
    friend ReportePeriodo GetReportePeriodo(const QString& desde, const QString& hasta);
    QHash<qint16, QVector<RegLineaReporte>> m_quejas;
};
ReportePeriodo GetReportePeriodo(const QString& desde, const QString& hasta);
