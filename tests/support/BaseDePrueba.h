#pragma once

#include "DialogosGuion.h"
#include "MotorBD.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A throwaway program folder with scripted dialogs and an observed end of the program.
class EntornoDePrueba
{
public:
    EntornoDePrueba();
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

    bool esPostgres() const { return GetParam() == MotorBD::Servidor; }
    // Connects the calling thread with the fixture's settings (for tests with threads).
    static void ConectarHilo();

    std::unique_ptr<EntornoDePrueba> entorno;

private:
    QString m_esquema;
};

std::string NombreMotor(const ::testing::TestParamInfo<MotorBD::Tipo>& info);

#define INSTANCIAR_EN_MOTORES(Suite)                                                                                 \
    INSTANTIATE_TEST_SUITE_P(Motores, Suite, ::testing::Values(MotorBD::ArchivoLocal, MotorBD::Servidor), NombreMotor)
