#include "BaseDePrueba.h"
#include "Busquedas.h"
#include "Comprobantes.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Estadisticas.h"
#include "GrillaMemoria.h"
#include "Quejas.h"
#include "Sql.h"

#include <QDate>

namespace {

// The complaint tables and their children as the first release created them, before the search
// columns, indexes and triggers that the start-up step now adds.
const char* const kTablasPrimeraVersion[] = {
    "CREATE TABLE Master_Quejas (pid INTEGER PRIMARY KEY, fecha_queja DATE, hora_queja TEXT, motivo INTEGER, "
    "tipo_queja INTEGER, detalle TEXT, Apellido TEXT, Nombres TEXT, Telefono TEXT, Telefono2 TEXT, Correo TEXT, "
    "DNI TEXT, Contacto TEXT, causa INTEGER, usuario INTEGER, Empresa INTEGER, Domicilio TEXT, Localidad TEXT, "
    "Provincia TEXT, Pais TEXT, Importada INTEGER DEFAULT 0, NrLib TEXT, Mediador TEXT, NroQueja TEXT)",
    "CREATE TABLE Lugar_Quejas (NroQueja INTEGER PRIMARY KEY, Lugar TEXT, Det_Lugar TEXT, Fecha DATE, Hora TEXT, "
    "Dato3 TEXT, Dato4 TEXT, Dato5 TEXT, Dato6 TEXT, Dato7 TEXT, Dato8 TEXT, Dato9 TEXT, Tipo_Comprob INTEGER, "
    "Comprobante TEXT, Legajos TEXT, Det_legajos TEXT, Desde TEXT, Hasta TEXT, Hora_Serv TEXT, Sector TEXT, "
    "Unidad TEXT)",
    "CREATE TABLE Comprobantes_Quejas (PID INTEGER PRIMARY KEY, T1 TEXT, T2 TEXT, T3 TEXT, Tipo INTEGER, "
    "NrQueja INTEGER)",
    "CREATE TABLE Resolucion_quejas (PID INTEGER PRIMARY KEY, IDQueja INTEGER, Detalle TEXT, Sancion TEXT, "
    "Monto TEXT, Fecha DATE, Cerrada INTEGER, Usuario INTEGER, supervisor TEXT, FechaFin DATE, Anulado INTEGER, "
    "usr_Anula INTEGER)",
    "CREATE TABLE RelCatMov_Quejas (Categoria INTEGER, Motivo INTEGER)",
};

// Every row of the tables, every column the first release had, in key order.
QStringList contenido()
{
    const QString sep = QStringLiteral("|");
    return LeerFilas(QStringLiteral("SELECT pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, Apellido, "
                                    "Nombres, Telefono, Telefono2, Correo, DNI, Contacto, causa, usuario, Empresa, "
                                    "Domicilio, Localidad, Provincia, Pais, Importada, NrLib, Mediador, NroQueja "
                                    "FROM Master_Quejas ORDER BY pid"),
                     24, sep) +
           LeerFilas(QStringLiteral("SELECT NroQueja, Fecha, Desde, Det_legajos FROM Lugar_Quejas ORDER BY NroQueja"),
                     4, sep) +
           LeerFilas(QStringLiteral("SELECT PID, T1, T2, T3, Tipo, NrQueja FROM Comprobantes_Quejas ORDER BY PID"), 6,
                     sep) +
           LeerFilas(QStringLiteral("SELECT PID, IDQueja, Cerrada, Anulado FROM Resolucion_quejas ORDER BY PID"), 4,
                     sep) +
           LeerFilas(QStringLiteral("SELECT Categoria, Motivo FROM RelCatMov_Quejas ORDER BY Categoria, Motivo"), 2,
                     sep);
}

} // namespace

class EsquemaAnterior : public BaseDePrueba
{
protected:
    void Preparar() override
    {
        for (const char* tabla :
             {"Master_Quejas", "Lugar_Quejas", "Comprobantes_Quejas", "Resolucion_quejas", "RelCatMov_Quejas"})
            Ejecutar(QStringLiteral("DROP TABLE %1").arg(QLatin1String(tabla)));
        for (const char* sql : kTablasPrimeraVersion)
            Ejecutar(QString::fromLatin1(sql));
    }

    GrillaMemoria grilla;
};

TEST_P(EsquemaAnterior, TheStartUpUpgradesAnExistingDatabaseKeepingEveryRow)
{
    const QString hoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    Ejecutar(
        QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, causa, Apellido, Nombres, "
                       "DNI, NrLib, NroQueja, detalle) VALUES (1, %1, '09:00:00', 2, 7, 'GARCÍA Núñez', 'Ana', "
                       "'30123456', 'EXP-55', NULL, 'Tenía |~|apuro|~|'), (2, %1, '09:30:00', 2, 7, 'O''Brien', "
                       "NULL, NULL, NULL, 'R-77', NULL), (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
                       "NULL)")
            .arg(SqlFecha(hoy)));
    Ejecutar(
        {"INSERT INTO Lugar_Quejas (NroQueja, Desde, Det_legajos) VALUES (1, 'Córdoba', 'Chofer'), (2, NULL, NULL)",
         "INSERT INTO Comprobantes_Quejas (PID, T1, T2, T3, Tipo, NrQueja) VALUES (1, 'BOL-4455', '', '', 1, 1), "
         "(2, 'A', '0001', 'Ñandú', 3, 2), (3, NULL, NULL, NULL, 3, 3)",
         "INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) VALUES (1, 1, 1, 0), (2, NULL, 0, 0)",
         "INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (2, 7), (2, 7)"});
    Ejecutar(QStringLiteral("UPDATE Lugar_Quejas SET Fecha = %1").arg(SqlFecha(hoy)));
    const QStringList antes = contenido();

    Reconectar();
    ASSERT_TRUE(BaseConectada);
    EXPECT_EQ(contenido(), antes);

    // The rows written before the upgrade are found like new ones, ignoring case and accents.
    BuscarQuejas(1, QStringLiteral("garcia nunez"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")});
    BuscarQuejas(1, QStringLiteral("o'bri"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("2")});
    BuscarQuejas(2, QString(), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")}) << "a Null file number contains nothing";
    BuscarQuejas(3, QStringLiteral("r-7"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("2")});
    BuscarQuejasComprobante(1, QStringLiteral("bol-44"), QString(), QString(), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")});
    BuscarQuejasComprobante(8, QStringLiteral("nandu"), QString(), QString(), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("2")});

    // Writes after the upgrade keep the search columns in step, whoever writes.
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET Apellido = 'Ibáñez' WHERE pid = 3"));
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, Apellido) VALUES (4, %1, 'IBAÑEZ')")
                 .arg(SqlFecha(hoy)));
    BuscarQuejas(1, QStringLiteral("ibanez"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("4"), QStringLiteral("3")}));
    BuscarQuejas(1, QStringLiteral("garcia"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")});

    // A second start finds everything in place and changes nothing.
    const QStringList despues = contenido();
    Reconectar();
    ASSERT_TRUE(BaseConectada);
    EXPECT_EQ(contenido(), despues);
    const RegConteoEstados e = ContarEstados(hoy, hoy);
    EXPECT_EQ(e.Total, 2);
    EXPECT_EQ(e.Cerrados, 1);
    EXPECT_EQ(e.SinResolucion, 1);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);
}

INSTANCIAR_EN_MOTORES(EsquemaAnterior);
