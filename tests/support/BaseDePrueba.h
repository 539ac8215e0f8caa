#pragma once

#include "DialogosGuion.h"
#include "MotorBD.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A throwaway program folder with scripted dialogs and an observed end of the program.
class EntornoDePrueba
{
public:
    // The folder is made under padre when given, else in the temporary folder.
    explicit EntornoDePrueba(const QString& padre = QString());
    ~EntornoDePrueba();

    QString carpeta() const { return m_dir.path(); }
    // Text of the error log, "" when there is none.
    QString errLog() const;

    std::shared_ptr<DialogosGuion> dialogos;
    int terminaciones = 0;

private:
    QTemporaryDir m_dir;
};

// Runs each data test on the local SQLite file and, when the suite was started with a
// PostgreSQL server (OSTREVIA_PG_PUERTO), on PostgreSQL in a schema of its own.
class BaseDePrueba : public ::testing::TestWithParam<MotorBD::Tipo>
{
protected:
    void SetUp() override;
    void TearDown() override;
    // What a suite's tests start from; runs once connected, not when the test is skipped.
    virtual void Preparar() {}

    bool esPostgres() const { return GetParam() == MotorBD::Servidor; }
    // Set before SetUp by suites that commit thousands of times: the program folder goes to a
    // memory file system where there is one, so commits cost no disk flush; locks work the same.
    bool carpetaEnMemoria = false;
    // Runs trabajo(0 .. hilos - 1) in as many threads, each on a connection of its own made with
    // the fixture's settings; they start together so that they really contend for the same keys.
    static void EnHilos(int hilos, const std::function<void(int)>& trabajo);

    const QVector<CuadroMostrado>& mostrados() const { return entorno->dialogos->mostrados; }
    CuadroMostrado ultimo() const { return mostrados().value(mostrados().size() - 1); }

    std::unique_ptr<EntornoDePrueba> entorno;

private:
    QString m_esquema;
};

std::string NombreMotor(const ::testing::TestParamInfo<MotorBD::Tipo>& info);

#define INSTANCIAR_EN_MOTORES(Suite)                                                                                   \
    INSTANTIATE_TEST_SUITE_P(Motores, Suite, ::testing::Values(MotorBD::ArchivoLocal, MotorBD::Servidor), NombreMotor)
