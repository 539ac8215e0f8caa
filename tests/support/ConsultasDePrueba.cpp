#include "ConsultasDePrueba.h"

#include "Conexion.h"
#include "Grilla.h"
#include "Sql.h"

#include <gtest/gtest.h>

void Ejecutar(const QString& sql)
{
    ASSERT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
}

void Ejecutar(std::initializer_list<const char*> sentencias)
{
    for (const char* sql : sentencias)
        Ejecutar(QString::fromUtf8(sql));
}

QString LeerTexto(const QString& sql)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    Rs.Requery();
    const QString v = Rs.Eof() ? QStringLiteral("<sin fila>") : Rs.Texto(0);
    CerrarRs();
    return v;
}

qint32 LeerEntero(const QString& sql)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    Rs.Requery();
    const qint32 n = Rs.Entero32(0);
    CerrarRs();
    return n;
}

QStringList LeerFilas(const QString& sql, int columnas, const QString& separador)
{
    EXPECT_TRUE(EjecutarQuery(sql)) << sql.toStdString();
    QStringList filas;
    for (Rs.Requery(); !Rs.Eof(); Rs.MoveNext()) {
        QStringList textos;
        for (int i = 0; i < columnas; ++i)
            textos << Rs.Texto(i);
        filas << textos.join(separador);
    }
    CerrarRs();
    return filas;
}

void FilaCatalogo(const char* tabla, qint16 pid, const QString& detalle)
{
    Ejecutar(QStringLiteral("INSERT INTO %1 (PID, Detalle) VALUES (%2, %3)")
                 .arg(QLatin1String(tabla), SqlEntero(pid), SqlTexto(detalle)));
}

void FilaMotivo(qint16 pid, const QString& detalle)
{
    FilaCatalogo("Motivos_quejas", pid, detalle);
}

void FilaCausa(qint16 pid, const QString& detalle, int anulada)
{
    Ejecutar(QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (%1, %2, %3)")
                 .arg(SqlEntero(pid), SqlTexto(detalle), SqlEntero(anulada)));
}

void FilaPar(qint16 categoria, qint16 causa)
{
    Ejecutar(QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (%1, %2)")
                 .arg(SqlEntero(categoria), SqlEntero(causa)));
}

void FilaQueja(qint32 pid, const QString& fecha, const QString& apellido, const QString& nombres, const QString& dni,
               const QString& nrLib, const QString& nroQueja)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, Apellido, Nombres, DNI, NrLib, "
                            "NroQueja, motivo, causa, tipo_queja, Empresa, usuario, detalle) VALUES (") +
             SqlEntero(pid) + QStringLiteral(", ") + SqlFecha(fecha) + QStringLiteral(", '10:15:00', ") +
             SqlTexto(apellido) + QStringLiteral(", ") + SqlTexto(nombres) + QStringLiteral(", ") + SqlTexto(dni) +
             QStringLiteral(", ") + SqlTexto(nrLib) + QStringLiteral(", ") + SqlTexto(nroQueja) +
             QStringLiteral(", 0, 0, 0, 0, 5, '')"));
}

void FilaResolucion(qint32 pid, qint32 idQueja, int cerrada, int anulado)
{
    Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) VALUES (%1, %2, %3, %4)")
                 .arg(pid)
                 .arg(idQueja)
                 .arg(cerrada)
                 .arg(anulado));
}

QStringList ColumnaDeGrilla(const Grilla& g, int col)
{
    QStringList r;
    for (int f = 1; f < g.Rows(); ++f)
        r << g.TextMatrix(f, col);
    return r;
}
