#pragma once

#include <QString>
#include <QVector>

// One row of Tipos_Quejas, Motivos_quejas (categories) or Causas_Quejas (reasons).
struct RegCatalogo
{
    qint16 PID = 0;
    QString Detalle;
    qint16 Anulada = 0; // 0 for tables without the column
};

struct RegListaCatalogo
{
    QVector<RegCatalogo> Items;
    qint16 Ultimo = -1;
};

// A transport company; PID -1 after a look-up that found no row.
struct RegEmpresa
{
    qint16 PID = 0;
    QString Detalle;
    QString Cuit;
};

struct RegListaEmpresas
{
    QVector<RegEmpresa> Items;
    qint16 Ultimo = -1;
};

struct RegListaSupervisores
{
    QVector<QString> Items;
    qint16 Ultimo = -1;
};

// The category of a reason: Categoria "-1" and an empty Detalle when the reason is in no pair.
struct RegAsignacion
{
    QString Categoria;
    QString Detalle;
};

// List readers, in PID order; they let pending window events run once per row.
RegListaCatalogo GetTipos();
RegListaCatalogo GetMotivos();
RegListaCatalogo GetCausas();
// Reasons in no pair; filtro 2 ignores Anulada, any other value requires Anulada = filtro.
RegListaCatalogo GetCausasLibres(qint16 filtro);
// Reasons paired with the category; filtro 2 includes disabled ones, any other only enabled.
RegListaCatalogo GetCausasCategoria(qint16 categoria, qint16 filtro);
RegListaEmpresas GetEmpresas();
RegListaSupervisores GetSupervisores();

// Label look-ups: "" when no row has the PID.
QString GetMotivoDesc(qint16 pid);
QString GetTipoDesc(qint16 pid);
QString GetCausaDesc(qint16 pid);
// PID -1 and empty texts when no row has the PID.
RegEmpresa GetEmpresa(qint16 pid);
RegEmpresa GetEmpresaDesc(qint16 pid);
RegAsignacion GetCategoriaCausa(qint16 pidCausa);

// Writers. Keys are "highest + 1" (1 on an empty table); a key another workstation took
// meanwhile moves the insert to the next key.
void AgregarCategoria(const QString& detalle);
void AgregarCausa(const QString& detalle);
// Leaves Anulada at the column's default. Returns the new Pid.
qint16 InsertarCausa(const QString& detalle);
// The Pid of the reason with exactly this text, inserting it when none has it.
qint16 GetOAgregarCausa(const QString& detalle);
// modo 1 renames; modo 2 disables when texto is exactly "Si", enables otherwise.
void ModificarCausa(qint16 pid, qint16 modo, const QString& texto);
// Silent: a failure is only logged.
void BorrarRelaciones(qint16 categoria);
void AgregarRelacion(qint16 categoria, qint16 motivo);
// Rewrites all pairs of a category in one transaction, so a failure keeps the old pairs.
// True when the new pairs are stored.
bool GuardarRelaciones(qint16 categoria, const QVector<qint16>& causas);
