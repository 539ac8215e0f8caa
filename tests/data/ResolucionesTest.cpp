#include "Resoluciones.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Usuarios.h"

#include <atomic>

namespace {

// "PID:Detalle" of every row of a complaint, by PID.
QString filas(qint32 queja)
{
    return LeerFilas(
               QStringLiteral("SELECT PID, Detalle FROM Resolucion_quejas WHERE IDQueja = %1 ORDER BY PID").arg(queja),
               2, QStringLiteral(":"))
        .join(QLatin1Char(' '));
}

RegResolucion importada(qint32 queja, const QString& detalle, qint16 cerrada)
{
    RegResolucion r = ResolucionVacia();
    r.IDQueja = queja;
    r.Detalle = detalle;
    r.Sancion = QStringLiteral("Ninguna");
    r.Monto = QStringLiteral("0");
    r.Cerrada = cerrada;
    r.Usuario = 12;
    r.Fecha = QStringLiteral("1/3/2024");
    r.FechaFin = QStringLiteral("01/01/1900");
    r.Supervisor = QStringLiteral("Zoe");
    return r;
}

} // namespace

class ResolucionesDatos : public BaseDePrueba
{
protected:
    void Preparar() override { UsuarioActual.Pid = 7; }
};

TEST_P(ResolucionesDatos, AComplaintWithoutAResolutionReadsAsEditable)
{
    const RegResolucion r = GetResolucion(40);
    EXPECT_EQ(r.IDQueja, -1);
    EXPECT_TRUE(r.Detalle.isEmpty() && r.Sancion.isEmpty() && r.Monto.isEmpty() && r.Fecha.isEmpty() &&
                r.FechaFin.isEmpty() && r.Supervisor.isEmpty());
    EXPECT_EQ(r.Cerrada, 0);
    EXPECT_EQ(r.Anulado, 0);
    EXPECT_EQ(r.usr_Anula, 0);
    EXPECT_EQ(EstadoDeResolucion(r), EstadoQueja::Editable);
    EXPECT_FALSE(Rs.Abierto());

    const RegResolucion vacia = ResolucionVacia();
    EXPECT_EQ(vacia.IDQueja, 0);
    EXPECT_EQ(vacia.usr_Anula, 0);
}

TEST_P(ResolucionesDatos, ASaveStoresTheTextsAsTypedAndTheLoggedInUser)
{
    RegResolucion r = ResolucionVacia();
    r.IDQueja = 40;
    r.Detalle = QStringLiteral("Se reintegró el 50% al Sr. O'Brien");
    r.Sancion = QStringLiteral("Apercibimiento 'leve'");
    r.Monto = QStringLiteral("1500.50");
    r.Fecha = QStringLiteral("2/3/2024");
    r.FechaFin = QStringLiteral("01/01/1900");
    r.Cerrada = 1;
    r.Usuario = 99;
    r.Supervisor = QStringLiteral("D'Amico");
    r.usr_Anula = -1;
    EXPECT_TRUE(GuardarResolucion(r));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT PID FROM Resolucion_quejas")), QStringLiteral("1"))
        << "the first save on an empty table gets PID 1";

    const RegResolucion l = GetResolucion(40);
    EXPECT_EQ(l.IDQueja, 0) << "a found row leaves IDQueja at 0";
    EXPECT_EQ(l.Detalle, r.Detalle);
    EXPECT_EQ(l.Sancion, r.Sancion);
    EXPECT_EQ(l.Monto, r.Monto);
    EXPECT_EQ(l.Fecha, QStringLiteral("02/03/2024"));
    EXPECT_EQ(l.FechaFin, QStringLiteral("01/01/1900"));
    EXPECT_EQ(l.Cerrada, 1);
    EXPECT_EQ(l.Usuario, 7) << "always the logged-in user";
    EXPECT_EQ(l.Supervisor, QStringLiteral("D'Amico"));
    EXPECT_EQ(l.Anulado, 0);
    EXPECT_EQ(l.usr_Anula, -1);
    EXPECT_EQ(EstadoDeResolucion(l), EstadoQueja::Solucionada);
}

TEST_P(ResolucionesDatos, ASaveReplacesEveryRowOfTheComplaintOnly)
{
    RegResolucion a = importada(40, QStringLiteral("primera"), 0);
    RegResolucion b = importada(40, QStringLiteral("segunda"), 2);
    RegResolucion otra = importada(41, QStringLiteral("ajena"), 1);
    EXPECT_EQ(InsertarResolucion(a), 0);
    EXPECT_EQ(InsertarResolucion(b), 0);
    EXPECT_EQ(InsertarResolucion(otra), 0);
    EXPECT_EQ(filas(40), QStringLiteral("1:primera")) << "the import keeps the row a complaint has, one at most";
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("la queja 40 ya tiene una resolución")))
        << entorno->errLog().toStdString();
    EXPECT_EQ(entorno->terminaciones, 0);

    RegResolucion nueva = ResolucionVacia();
    nueva.IDQueja = 40;
    nueva.Detalle = QStringLiteral("definitiva");
    EXPECT_TRUE(GuardarResolucion(nueva));
    EXPECT_EQ(filas(40), QStringLiteral("3:definitiva"));
    EXPECT_EQ(filas(41), QStringLiteral("2:ajena"));
}

TEST_P(ResolucionesDatos, TheNewKeyIsTheHighestLeftAfterTheComplaintsOwnRowsAreGone)
{
    RegResolucion ajena = importada(41, QStringLiteral("ajena"), 0);
    RegResolucion propia = importada(40, QStringLiteral("propia"), 0);
    InsertarResolucion(ajena);
    InsertarResolucion(propia);
    EXPECT_EQ(filas(40), QStringLiteral("2:propia"));

    RegResolucion r = ResolucionVacia();
    r.IDQueja = 40;
    r.Detalle = QStringLiteral("nueva");
    ASSERT_TRUE(GuardarResolucion(r));
    EXPECT_EQ(filas(40), QStringLiteral("2:nueva")) << "the key is read once the old row is deleted";
    ASSERT_TRUE(GuardarResolucion(r));
    EXPECT_EQ(filas(40), QStringLiteral("2:nueva"));

    // A stray row without a complaint is not deleted, so its key still counts.
    Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Cerrada) VALUES (9, NULL, 0)"));
    ASSERT_TRUE(GuardarResolucion(r));
    EXPECT_EQ(filas(40), QStringLiteral("10:nueva"));
    EXPECT_EQ(filas(41), QStringLiteral("1:ajena"));
}

TEST_P(ResolucionesDatos, ImportedRowsReadWithoutAnnulmentAndKeepTheirUser)
{
    RegResolucion r = importada(40, QStringLiteral("importada"), 2);
    InsertarResolucion(r);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT COALESCE(Anulado, -9) FROM Resolucion_quejas")), QStringLiteral("-9"));
    const RegResolucion l = GetResolucion(40);
    EXPECT_EQ(l.Anulado, 0);
    EXPECT_EQ(l.usr_Anula, 0);
    EXPECT_EQ(l.Usuario, 12);
    EXPECT_EQ(l.Supervisor, QStringLiteral("Zoe"));
    EXPECT_EQ(l.Fecha, QStringLiteral("01/03/2024"));
    EXPECT_EQ(l.Cerrada, 2);
    EXPECT_EQ(EstadoDeResolucion(l), EstadoQueja::Solucionada) << "the case window takes any non-zero flag as set";
}

TEST_P(ResolucionesDatos, AnAnnulledComplaintStaysAnnulledWhenAlsoSolved)
{
    RegResolucion r = ResolucionVacia();
    r.IDQueja = 40;
    r.Cerrada = 1;
    r.Anulado = 1;
    r.usr_Anula = 7;
    GuardarResolucion(r);
    const RegResolucion l = GetResolucion(40);
    EXPECT_EQ(l.usr_Anula, 7);
    EXPECT_EQ(EstadoDeResolucion(l), EstadoQueja::Anulada);

    r.Cerrada = 0;
    r.Anulado = 0;
    GuardarResolucion(r);
    EXPECT_EQ(EstadoDeResolucion(GetResolucion(40)), EstadoQueja::Editable);
}

TEST_P(ResolucionesDatos, AFailedSaveKeepsTheOldResolution)
{
    Ejecutar(QStringLiteral("DROP TABLE Resolucion_quejas"));
    Ejecutar(QStringLiteral("CREATE TABLE Resolucion_quejas (PID INTEGER PRIMARY KEY, IDQueja INTEGER, Detalle TEXT "
                            "CHECK (Detalle <> 'rechazada'), Sancion TEXT, Monto TEXT, Fecha DATE, Cerrada INTEGER, "
                            "Usuario INTEGER, supervisor TEXT, FechaFin DATE, Anulado INTEGER, usr_Anula INTEGER)"));
    Ejecutar(QStringLiteral("CREATE UNIQUE INDEX Resolucion_quejas_IDQueja ON Resolucion_quejas (IDQueja)"));
    RegResolucion r = ResolucionVacia();
    r.IDQueja = 40;
    r.Detalle = QStringLiteral("vigente");
    ASSERT_TRUE(GuardarResolucion(r));

    r.Detalle = QStringLiteral("rechazada");
    EXPECT_FALSE(GuardarResolucion(r));
    EXPECT_EQ(entorno->terminaciones, 1);
    EXPECT_EQ(filas(40), QStringLiteral("1:vigente"));

    // The import's insert is silent: logged, and the import goes on.
    r.IDQueja = 41;
    EXPECT_EQ(InsertarResolucion(r), 0);
    EXPECT_EQ(entorno->terminaciones, 1);
    EXPECT_EQ(filas(40), QStringLiteral("1:vigente"));
    EXPECT_EQ(filas(41), QString());
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Insert Into Resolucion_quejas")));
}

TEST_P(ResolucionesDatos, SavesFromTwoWorkstationsAtOnceKeepOneRowPerComplaint)
{
    constexpr int kPorHilo = 40;
    std::atomic<int> fallas{0};
    EnHilos(2, [&](int h) {
        for (int i = 0; i < kPorHilo; ++i) {
            RegResolucion r = ResolucionVacia();
            r.IDQueja = h * 1000 + i % 10; // each complaint saved several times
            r.Detalle = QStringLiteral("vuelta %1").arg(i);
            if (!GuardarResolucion(r))
                ++fallas;
            RegResolucion imp = importada(5000 + h * kPorHilo + i, QStringLiteral("import"), 0);
            InsertarResolucion(imp);
        }
        fallas += ErroresQuery;
    });
    EXPECT_EQ(fallas, 0);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas WHERE IDQueja < 5000")),
              QStringLiteral("20"));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas WHERE IDQueja >= 5000")),
              QString::number(2 * kPorHilo));
    EXPECT_EQ(GetResolucion(1009).Detalle, QStringLiteral("vuelta 39"));
    EXPECT_TRUE(entorno->errLog().isEmpty());
}

TEST_P(ResolucionesDatos, ADatabaseFromBeforeTheKeyKeepsEachComplaintsNewestRow)
{
    // As an earlier version left it: no key on the complaint, and two workstations' saves or a
    // repeated import gave some complaints several rows.
    Ejecutar(QStringLiteral("DROP INDEX Resolucion_quejas_IDQueja"));
    for (const char* fila : {"(3, 40, 'vieja')", "(8, 40, 'nueva')", "(5, 40, 'media')", "(4, 41, 'sola')",
                             "(6, NULL, 'suelta')", "(7, NULL, 'otra suelta')"})
        Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja, Detalle) VALUES ") +
                 QString::fromLatin1(fila));
    Reconectar();
    ASSERT_TRUE(BaseConectada);

    EXPECT_EQ(filas(40), QStringLiteral("8:nueva"));
    EXPECT_EQ(filas(41), QStringLiteral("4:sola"));
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT COUNT(*) FROM Resolucion_quejas WHERE IDQueja IS NULL")), 2);
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("INSERT INTO Resolucion_quejas (PID, IDQueja) VALUES (20, 41)"), true))
        << "the key now holds";
    Reconectar();
    EXPECT_EQ(filas(40), QStringLiteral("8:nueva")) << "a later start changes nothing";
}

INSTANCIAR_EN_MOTORES(ResolucionesDatos);
