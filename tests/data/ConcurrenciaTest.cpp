#include "BaseDePrueba.h"
#include "Comprobantes.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Lugares.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Seguimientos.h"

#include <QSet>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVector>
#include <atomic>
#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace {

constexpr int kPuestos = 4;
constexpr qint32 kQueja = 77;

// What a workstation saw going wrong: statements counted as failed, writers that said no.
struct Fallas
{
    std::atomic<int> contadas{0};
    std::atomic<int> rechazos{0};
    std::atomic<int> lecturasDistintasDeUna{0};
};

} // namespace

class ConcurrentWriters : public BaseDePrueba
{
protected:
    ConcurrentWriters() { carpetaEnMemoria = true; }
};

TEST_P(ConcurrentWriters, FourWorkstationsRegisteringComplaintsAtOnceAllSucceed)
{
    constexpr int kPorPuesto = 500;
    QVector<qint32> devueltos[kPuestos];
    Fallas fallas;
    EnHilos(kPuestos, [&](int h) {
        RegQueja q = QuejaVacia();
        q.fecha_queja = QStringLiteral("01/01/2024");
        q.Apellido = QStringLiteral("Puesto %1").arg(h);
        for (int i = 0; i < kPorPuesto; ++i) {
            const qint32 n = AgregarQueja(q);
            devueltos[h] << n;
            if (n < 1 || !AgregarSeguimiento(n, QStringLiteral("01/01/2024"), QStringLiteral("s%1").arg(h), 1))
                ++fallas.rechazos;
            AgregarComprobante(n, QStringLiteral("B-%1").arg(n), QString(), QString(), 1);
        }
        fallas.contadas += ErroresQuery;
    });

    EXPECT_EQ(fallas.contadas, 0);
    EXPECT_EQ(fallas.rechazos, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_TRUE(entorno->errLog().isEmpty()) << entorno->errLog().toStdString();

    QSet<qint32> numeros;
    for (int h = 0; h < kPuestos; ++h) {
        ASSERT_EQ(devueltos[h].size(), kPorPuesto);
        for (qint32 n : devueltos[h])
            numeros.insert(n);
    }
    EXPECT_EQ(numeros.size(), kPuestos * kPorPuesto) << "no number was handed out twice";
    const int total = kPuestos * kPorPuesto;
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(DISTINCT pid) from Master_Quejas")), total);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from Seguimiento_quejas where Pid = 1")), total)
        << "each complaint's own follow-up is its number 1";
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(DISTINCT PID) from Comprobantes_Quejas")), total);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from Comprobantes_Quejas c, Master_Quejas m, "
                                        "Seguimiento_quejas s where c.NrQueja = m.pid and s.Queja = m.pid and "
                                        "c.T1 = 'B-' || m.pid and s.Detalle = 's' || substr(m.Apellido, 8)")),
              total)
        << "every number handed back carries its workstation's complaint, follow-up and voucher";
}

TEST_P(ConcurrentWriters, FourWorkstationsAddingFollowUpsToOneComplaintAllSucceed)
{
    constexpr int kPorPuesto = 60;
    Fallas fallas;
    EnHilos(kPuestos, [&](int h) {
        for (int i = 0; i < kPorPuesto; ++i)
            if (!AgregarSeguimiento(1, QStringLiteral("01/01/2024"), QStringLiteral("h%1").arg(h), 1))
                ++fallas.rechazos;
    });
    EXPECT_EQ(fallas.rechazos, 0);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(DISTINCT Pid) from Seguimiento_quejas where Queja = 1")),
              kPuestos * kPorPuesto);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select MAX(Pid) from Seguimiento_quejas where Queja = 1")),
              kPuestos * kPorPuesto)
        << "numbered 1..n without gaps";
}

TEST_P(ConcurrentWriters, FourWorkstationsReplacingThePlaceAndResolutionOfOneComplaintLeaveOneRowEach)
{
    constexpr int kPorPuesto = 100;
    FilaQueja(kQueja, QStringLiteral("01/01/2024"), QStringLiteral("Disputada"), QString(), QString());
    Fallas fallas;
    EnHilos(kPuestos, [&](int h) {
        RegLugar l = LugarVacio();
        l.Fecha = QStringLiteral("02/01/2024");
        l.Legajos = QStringLiteral("Puesto %1").arg(h);
        RegResolucion r = ResolucionVacia();
        r.IDQueja = kQueja;
        r.Detalle = l.Legajos;
        auto filas = [](const char* tabla, const char* columna) {
            return LeerFila(QStringLiteral("Select COUNT(*) from %1 where %2 = %3")
                                .arg(QLatin1String(tabla), QLatin1String(columna))
                                .arg(kQueja),
                            [] { return Rs.Entero32(0); })
                .value_or(-1);
        };
        for (int i = 0; i < kPorPuesto; ++i) {
            if (!GuardarLugar(l, kQueja) || !GuardarResolucion(r))
                ++fallas.rechazos;
            // What any workstation reads in between: the complaint's one row, never none or two.
            if (filas("Lugar_Quejas", "NroQueja") != 1 || filas("Resolucion_quejas", "IDQueja") != 1 ||
                GetLugar(kQueja).Tipo_Comprob == -5 || GetResolucion(kQueja).IDQueja == -1)
                ++fallas.lecturasDistintasDeUna;
        }
        fallas.contadas += ErroresQuery;
    });

    EXPECT_EQ(fallas.contadas, 0);
    EXPECT_EQ(fallas.rechazos, 0);
    EXPECT_EQ(fallas.lecturasDistintasDeUna, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty()) << entorno->errLog().toStdString();
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from Lugar_Quejas")), 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from Resolucion_quejas")), 1);
    EXPECT_TRUE(GetLugar(kQueja).Legajos.startsWith(QStringLiteral("Puesto ")));
    EXPECT_TRUE(GetResolucion(kQueja).Detalle.startsWith(QStringLiteral("Puesto ")));
}

TEST_P(ConcurrentWriters, WorkstationsSavingOverTheResolutionTheyAllReadStoreOneAndRefuseTheOthers)
{
    constexpr int kRondas = 25;
    FilaQueja(kQueja, QStringLiteral("01/01/2024"), QStringLiteral("Disputada"), QString(), QString());
    std::atomic<int> leidas{0}, terminadas{0}, guardadas{0}, rechazadas{0}, otras{0};
    const auto esperar = [](const std::atomic<int>& contador, int hasta) {
        while (contador.load() < hasta)
            std::this_thread::yield();
    };
    EnHilos(kPuestos, [&](int h) {
        for (int ronda = 1; ronda <= kRondas; ++ronda) {
            // Every workstation reads the same resolution before any of them saves.
            const RegResolucion leida = GetResolucion(kQueja);
            ++leidas;
            esperar(leidas, ronda * kPuestos);
            RegResolucion r = ResolucionVacia();
            r.IDQueja = kQueja;
            r.Detalle = QStringLiteral("Puesto %1, ronda %2").arg(h).arg(ronda);
            r.usr_Anula = -1;
            switch (GuardarResolucion(r, leida)) {
            case Escritura::Guardada: ++guardadas; break;
            case Escritura::Rechazada: ++rechazadas; break;
            case Escritura::NoGuardada: ++otras; break;
            }
            ++terminadas;
            esperar(terminadas, ronda * kPuestos);
        }
    });
    EXPECT_EQ(guardadas, kRondas) << "one save per round, whatever the timing";
    EXPECT_EQ(rechazadas, kRondas * (kPuestos - 1));
    EXPECT_EQ(otras, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from Resolucion_quejas")), 1);
    EXPECT_TRUE(GetResolucion(kQueja).Detalle.endsWith(QStringLiteral("ronda %1").arg(kRondas)));
}

INSTANCIAR_EN_MOTORES(ConcurrentWriters);

// The local file shared by several programs: another one holding its lock.
class LocalBloqueada : public BaseDePrueba
{
protected:
    // A connection of another program to the same file, holding the write lock (an exclusive one
    // keeps readers out too).
    struct Bloqueo
    {
        explicit Bloqueo(const QString& nombre, const QString& inicio = QStringLiteral("BEGIN EXCLUSIVE"))
            : nombre(nombre)
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
            db.setDatabaseName(MotorBD::RutaArchivoLocal());
            EXPECT_TRUE(db.open());
            EXPECT_TRUE(QSqlQuery(db).exec(inicio));
        }
        ~Bloqueo()
        {
            {
                QSqlDatabase db = QSqlDatabase::database(nombre);
                QSqlQuery(db).exec(QStringLiteral("COMMIT"));
                db.close();
            }
            QSqlDatabase::removeDatabase(nombre);
        }
        QString nombre;
    };

    void TearDown() override
    {
        MotorBD::EstablecerEsperaBloqueo(10000);
        BaseDePrueba::TearDown();
    }
};

TEST_P(LocalBloqueada, ASaveWaitsForALockHeldLongerThanTheBusyTimeoutAndLands)
{
    std::atomic<bool> tomado{false};
    std::thread otro([&] {
        {
            Bloqueo b(QStringLiteral("otro-programa"));
            tomado = true;
            // Past the engine's 10 s busy timeout, so the save must wait once more.
            std::this_thread::sleep_for(std::chrono::seconds(12));
        }
    });
    while (!tomado)
        std::this_thread::yield();
    RegQueja q = QuejaVacia();
    q.Apellido = QStringLiteral("Paciente");
    const qint32 n = AgregarQueja(q);
    otro.join();

    EXPECT_GT(n, 0);
    EXPECT_EQ(GetQueja(n).Apellido, QStringLiteral("Paciente"));
    EXPECT_TRUE(mostrados().isEmpty()) << "no question while the automatic wait suffices";
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty()) << entorno->errLog().toStdString();
}

TEST_P(LocalBloqueada, ALockThatOutlastsTheWaitAsksAndGivingUpEndsNothing)
{
    MotorBD::EstablecerEsperaBloqueo(50);
    Reconectar();
    RegLugar vigente = LugarVacio();
    vigente.Legajos = QStringLiteral("vigente");
    ASSERT_TRUE(GuardarLugar(vigente, 5));

    auto bloqueo = std::make_unique<Bloqueo>(QStringLiteral("otro-programa"));
    RegQueja q = QuejaVacia();
    q.Apellido = QStringLiteral("Tipeado");
    entorno->dialogos->Responder(Respuesta::Si);
    entorno->dialogos->Responder(Respuesta::No);
    EXPECT_EQ(AgregarQueja(q), -1) << "the caller learns it was not stored and keeps the typed data";
    ASSERT_EQ(mostrados().size(), 2) << "asked again after a yes";
    EXPECT_EQ(ultimo().botones, Botones::SiNo);
    EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("bloqueada por otro equipo"))) << ultimo().texto.toStdString();
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0) << "a busy database is not a failed statement";
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("database is locked"))) << entorno->errLog().toStdString();

    // A replacement given up keeps the old row; a silent statement is not asked about.
    RegLugar nuevo = vigente;
    nuevo.Legajos = QStringLiteral("nuevo");
    EXPECT_FALSE(GuardarLugar(nuevo, 5));
    EXPECT_FALSE(EjecutarQuery(QStringLiteral("Update Lugar_Quejas set Hora = 'x'"), true));
    EXPECT_EQ(mostrados().size(), 3);
    EXPECT_EQ(entorno->terminaciones, 0);

    bloqueo.reset();
    EXPECT_EQ(GetLugar(5).Legajos, QStringLiteral("vigente"));
    EXPECT_GT(AgregarQueja(q), 0) << "nothing was left open";
    EXPECT_TRUE(GuardarLugar(nuevo, 5));
    EXPECT_EQ(GetLugar(5).Legajos, QStringLiteral("nuevo"));
}

namespace {

// Stands in for the engine's busy timeout on this thread's connection: each wait for another
// program's lock is one round, given up at once, so a test counts rounds instead of seconds.
int rondaOcupada(void* rondas, int vecesEnEstaEspera)
{
    if (vecesEnEstaEspera == 0)
        ++*static_cast<int*>(rondas);
    return 0;
}

void contarRondasOcupada(int* rondas)
{
    const QVariant h = MotorBD::Conexion().driver()->handle();
    ASSERT_STREQ(h.typeName(), "sqlite3*");
    sqlite3_busy_handler(*static_cast<sqlite3* const*>(h.data()), rondaOcupada, rondas);
}

} // namespace

TEST_P(LocalBloqueada, EveryWriterAsksOnceAfterTheSameWaitAndNoStoresNothing)
{
    FilaQueja(5, QStringLiteral("01/01/2024"), QStringLiteral("Previa"), QString(), QString());
    int rondas = 0;
    contarRondasOcupada(&rondas);
    const QString tipeado = QStringLiteral("Tipeado");
    RegQueja q = QuejaVacia();
    q.Apellido = tipeado;
    RegLugar l = LugarVacio();
    l.Legajos = tipeado;
    RegResolucion r = ResolucionVacia();
    r.IDQueja = 5;
    r.Detalle = tipeado;
    RegSeguimiento s = SeguimientoVacio();
    s.Queja = 5;
    s.Detalle = tipeado;
    const std::pair<const char*, std::function<bool()>> escritores[] = {
        {"new complaint", [&] { return AgregarQueja(q) != -1; }},
        {"field edit", [&] { return SetCampoQueja(5, 8, tipeado) == Escritura::Guardada; }},
        {"place", [&] { return GuardarLugar(l, 5); }},
        {"voucher", [&] { return AgregarComprobante(5, tipeado, QString(), QString(), 1); }},
        {"follow-up", [&] { return AgregarSeguimiento(5, QStringLiteral("01/01/2024"), tipeado, 1); }},
        {"resolution", [&] { return GuardarResolucion(r); }},
        {"import batch", [&] { return InsertarSeguimientos({s}).value(0).guardada; }},
    };
    // A write lock lets the writers read first; an exclusive one stops their reads too.
    for (const QString& inicio : {QStringLiteral("BEGIN IMMEDIATE"), QStringLiteral("BEGIN EXCLUSIVE")}) {
        for (const auto& [nombre, guardar] : escritores) {
            SCOPED_TRACE(inicio.toStdString() + ", " + nombre);
            Bloqueo bloqueo(QStringLiteral("otro-programa"), inicio);
            rondas = 0;
            const int antes = mostrados().size();
            entorno->dialogos->Responder(Respuesta::No);
            EXPECT_FALSE(guardar()) << "the window keeps what was typed";
            EXPECT_EQ(mostrados().size(), antes + 1) << "asked exactly once";
            EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("bloqueada por otro equipo")))
                << ultimo().texto.toStdString();
            EXPECT_EQ(rondas, 2) << "every writer waits two busy timeouts before it asks";
        }
    }
    EXPECT_EQ(ErroresQuery, 0) << "a busy database is not a failed statement";
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(LeerTexto(QStringLiteral("Select Apellido from Master_Quejas")), QStringLiteral("Previa"));
    for (const char* tabla :
         {"Master_Quejas", "Lugar_Quejas", "Comprobantes_Quejas", "Seguimiento_quejas", "Resolucion_quejas"})
        EXPECT_EQ(LeerEntero(QStringLiteral("Select COUNT(*) from %1").arg(QLatin1String(tabla))),
                  QLatin1String(tabla) == QLatin1String("Master_Quejas") ? 1 : 0)
            << tabla;
}

// Locks of the local file only; the server's row locks wait without a timeout.
INSTANTIATE_TEST_SUITE_P(Motores, LocalBloqueada, ::testing::Values(MotorBD::ArchivoLocal), NombreMotor);
