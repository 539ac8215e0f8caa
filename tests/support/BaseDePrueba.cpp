#include "BaseDePrueba.h"

#include "Aplicacion.h"
#include "Conexion.h"
#include "Config.h"
#include "Usuarios.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <atomic>
#include <thread>
#include <vector>

EntornoDePrueba::EntornoDePrueba(const QString& padre)
    : m_dir(padre.isEmpty() ? QDir::tempPath() + QStringLiteral("/ostrevia-XXXXXX")
                            : padre + QStringLiteral("/ostrevia-XXXXXX"))
{
    Aplicacion::EstablecerCarpeta(m_dir.path());
    dialogos = InstalarDialogosGuion();
    Aplicacion::EstablecerTerminar([this] { ++terminaciones; });
    UsuarioActual = RegUsuario();
    ConfigActual = RegConfig();
    ErroresQuery = 0;
    EstadoLogin = 0;
    BaseConectada = false;
    CerrarRs();
}

EntornoDePrueba::~EntornoDePrueba()
{
    CerrarRs();
    Aplicacion::EstablecerTerminar(nullptr);
    EstablecerDialogos(nullptr);
    Aplicacion::EstablecerCarpeta(QString());
}

QString EntornoDePrueba::errLog() const
{
    QFile f(m_dir.filePath(QStringLiteral("Errlog.txt")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

std::string NombreMotor(const ::testing::TestParamInfo<MotorBD::Tipo>& info)
{
    return info.param == MotorBD::Servidor ? "PostgreSQL" : "SQLite";
}

namespace {
RegConfig configuracionDe(MotorBD::Tipo tipo)
{
    RegConfig c;
    c.Tipo = static_cast<qint16>(tipo);
    if (tipo == MotorBD::Servidor) {
        c.IP = QStringLiteral("127.0.0.1");
        c.Puerto = qEnvironmentVariable("OSTREVIA_PG_PUERTO");
    } else {
        c.IP = QStringLiteral("NoIp");
        c.Puerto = QStringLiteral("NoPuerto");
    }
    return c;
}
} // namespace

void BaseDePrueba::SetUp()
{
    if (esPostgres() && qEnvironmentVariableIsEmpty("OSTREVIA_PG_PUERTO"))
        GTEST_SKIP() << "no PostgreSQL server for this run (OSTREVIA_PG_PUERTO)";
    const QString memoria = QStringLiteral("/dev/shm");
    entorno =
        std::make_unique<EntornoDePrueba>(carpetaEnMemoria && QFileInfo(memoria).isWritable() ? memoria : QString());
    ConfigActual = configuracionDe(GetParam());
    if (esPostgres()) {
        static int contador = 0;
        m_esquema = QStringLiteral("prueba_%1_%2").arg(QCoreApplication::applicationPid()).arg(++contador);
        MotorBD::EstablecerEsquema(m_esquema);
    }
    Reconectar();
    ASSERT_TRUE(BaseConectada) << "no connection: " << entorno->dialogos->mostrados.value(0).texto.toStdString();
    Preparar();
}

void BaseDePrueba::TearDown()
{
    if (!entorno)
        return;
    CerrarRs();
    if (esPostgres() && MotorBD::Conexion().isOpen()) {
        QSqlQuery q(MotorBD::Conexion());
        q.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_esquema));
    }
    entorno.reset();
}

void BaseDePrueba::EnHilos(int hilos, const std::function<void(int)>& trabajo)
{
    std::atomic<int> listos{0};
    std::vector<std::thread> corriendo;
    const RegConfig config = ConfigActual;
    for (int h = 0; h < hilos; ++h)
        corriendo.emplace_back([&, h] {
            ConfigActual = config;
            Reconectar();
            ++listos;
            while (listos.load() < hilos)
                std::this_thread::yield();
            trabajo(h);
            const QString nombre = MotorBD::Conexion().connectionName();
            MotorBD::Conexion().close();
            QSqlDatabase::removeDatabase(nombre);
        });
    for (std::thread& t : corriendo)
        t.join();
}
