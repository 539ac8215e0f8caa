#include "CargaDemo.h"

#include "Aplicacion.h"
#include "BaseDePrueba.h"
#include "Catalogos.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Lugares.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

namespace {

const QString kDatos = QStringLiteral(OSTREVIA_DATOS_DEMO);

qint32 filas(const QString& tabla)
{
    return LeerEntero(QStringLiteral("Select count(*) from ") + tabla);
}

bool cuitValido(const QString& cuit)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{2})-(\\d{8})-(\\d)$"));
    const auto m = forma.match(cuit);
    if (!m.hasMatch())
        return false;
    const QString digitos = m.captured(1) + m.captured(2);
    const int pesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += digitos[i].digitValue() * pesos[i];
    int dv = 11 - suma % 11;
    if (dv == 11)
        dv = 0;
    return dv < 10 && dv == m.captured(3).toInt();
}

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

} // namespace

TEST(CargaDemoSentencias, SplitsOnSemicolonsOutsideQuotesAndComments)
{
    const QStringList s =
        CargaDemo::Sentencias(QStringLiteral("-- a comment; with a semicolon\n"
                                             "INSERT INTO t (a, b) VALUES ('x;y', 'D''Angelo');\n"
                                             "INSERT INTO t (a) VALUES ('it''s -- no comment'); -- trailing; note\n"
                                             "\n;  \n"
                                             "SELECT 1"));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0], QStringLiteral("INSERT INTO t (a, b) VALUES ('x;y', 'D''Angelo')"));
    EXPECT_EQ(s[1], QStringLiteral("INSERT INTO t (a) VALUES ('it''s -- no comment')"));
    EXPECT_EQ(s[2], QStringLiteral("SELECT 1"));
}

class CargaDemoDatos : public BaseDePrueba
{
protected:
    qint32 filasMaestras()
    {
        qint32 total = 0;
        for (const QString& t : CargaDemo::TablasMaestras())
            total += filas(t);
        return total;
    }
};

TEST_P(CargaDemoDatos, LoadsEveryMasterTableIntoAnEmptyDatabase)
{
    ASSERT_EQ(CargaDemo::Cargar(kDatos), CargaDemo::Resultado::Cargado);

    for (const QString& t : CargaDemo::TablasMaestras())
        EXPECT_GT(filas(t), 0) << t.toStdString();
    EXPECT_EQ(GetTipoDesc(1), QStringLiteral("Teléfono"));
    const RegListaCatalogo motivos = GetMotivos();
    ASSERT_GT(motivos.Ultimo, 0);
    EXPECT_EQ(motivos.Items[0].PID, 0);
    EXPECT_EQ(motivos.Items[0].Detalle, QStringLiteral("Reclamo general"));
    EXPECT_EQ(GetSupervisores().Items.value(0), QStringLiteral("Gómez, Laura Beatriz"));
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
}

TEST_P(CargaDemoDatos, SampleDataHoldTogetherForTheWindows)
{
    ASSERT_EQ(CargaDemo::Cargar(kDatos), CargaDemo::Resultado::Cargado);

    // Every reason is offered: enabled, and either in one category or in the general one.
    const RegListaCatalogo causas = GetCausas();
    QSet<qint16> vistas;
    const RegListaCatalogo libres = GetCausasLibres(0);
    EXPECT_GT(libres.Ultimo, -1) << "the general category needs reasons of its own";
    for (const RegCatalogo& c : libres.Items)
        vistas.insert(c.PID);
    const RegListaCatalogo motivos = GetMotivos();
    for (const RegCatalogo& m : motivos.Items) {
        const RegListaCatalogo deCategoria = GetCausasCategoria(m.PID, 0);
        if (m.PID == 0)
            EXPECT_EQ(deCategoria.Ultimo, -1) << "the general category takes part in no pair";
        else
            EXPECT_GT(deCategoria.Ultimo, -1) << m.Detalle.toStdString();
        for (const RegCatalogo& c : deCategoria.Items) {
            EXPECT_FALSE(vistas.contains(c.PID)) << "reason in two categories: " << c.Detalle.toStdString();
            vistas.insert(c.PID);
        }
    }
    EXPECT_EQ(vistas.size(), causas.Items.size());
    EXPECT_EQ(filas(QStringLiteral("RelCatMov_Quejas")), causas.Items.size() - libres.Items.size());

    for (const RegEmpresa& e : GetEmpresas().Items) {
        EXPECT_FALSE(e.Detalle.isEmpty());
        EXPECT_TRUE(cuitValido(e.Cuit)) << e.Cuit.toStdString();
    }

    // Every coach belongs to a company that exists.
    EjecutarQuery(QStringLiteral("Select interno from Coches_quejas order by interno"));
    Rs.Requery();
    QStringList internos;
    for (; !Rs.Eof(); Rs.MoveNext())
        internos << Rs.Texto(0);
    CerrarRs();
    ASSERT_FALSE(internos.isEmpty());
    for (const QString& interno : internos) {
        const RegCoche c = GetCoche(interno);
        EXPECT_EQ(QString::number(c.Interno), interno);
        EXPECT_FALSE(c.Empresa.Detalle.isEmpty()) << "coach " << interno.toStdString();
        EXPECT_GT(c.Asientos, 0);
        EXPECT_FALSE(c.Dominio.isEmpty());
    }

    // The place window looks agencies up by code, numeric codes normalised.
    QString codigo = QStringLiteral("00101");
    const RegAgencia a = GetAgencia(codigo);
    EXPECT_EQ(a.Codplu, QStringLiteral("101"));
    EXPECT_FALSE(a.Descripcion.isEmpty());
    EXPECT_FALSE(a.localidad.isEmpty());
    EXPECT_FALSE(a.Provincia.isEmpty());
}

TEST_P(CargaDemoDatos, RefusesADatabaseThatHoldsMasterRows)
{
    const QStringList filaDe{
        QStringLiteral("INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (9, 'Propio')"),
        QStringLiteral("INSERT INTO Motivos_quejas (PID, Detalle) VALUES (9, 'Propia')"),
        QStringLiteral("INSERT INTO Causas_Quejas (Pid, Detalle, Anulada) VALUES (9, 'Propia', 0)"),
        QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (9, 9)"),
        QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (9, 'Propia', '')"),
        QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) VALUES (9, 9, 9, 9, 'X')"),
        QStringLiteral("INSERT INTO MasterAgencias (Pid, Codplu) VALUES (9, '9')"),
        QStringLiteral("INSERT INTO supervisores_quejas (pid, supervisor) VALUES (9, 'Propio')"),
    };
    ASSERT_EQ(filaDe.size(), CargaDemo::TablasMaestras().size());
    for (int i = 0; i < filaDe.size(); ++i) {
        const QString tabla = CargaDemo::TablasMaestras()[i];
        Ejecutar(filaDe[i]);
        EXPECT_EQ(CargaDemo::TablaConFilas(), tabla);
        EXPECT_EQ(CargaDemo::Cargar(kDatos), CargaDemo::Resultado::BaseConDatos) << tabla.toStdString();
        EXPECT_EQ(filasMaestras(), 2) << "only the site's row and the general category";
        Ejecutar(
            QStringLiteral("DELETE FROM ") + tabla + QStringLiteral(" WHERE ") +
            (tabla == QLatin1String("RelCatMov_Quejas") ? QStringLiteral("Categoria = 9") : QStringLiteral("PID = 9")));
    }
    EXPECT_EQ(CargaDemo::TablaConFilas(), QString());
}

TEST_P(CargaDemoDatos, ASecondLoadLeavesTheDataAlone)
{
    ASSERT_EQ(CargaDemo::Cargar(kDatos), CargaDemo::Resultado::Cargado);
    const qint32 antes = filasMaestras();
    EXPECT_EQ(CargaDemo::Cargar(kDatos), CargaDemo::Resultado::BaseConDatos);
    EXPECT_EQ(filasMaestras(), antes);
}

TEST_P(CargaDemoDatos, AFailingStatementWritesNothing)
{
    QTemporaryDir sql;
    escribir(sql.filePath(QStringLiteral("01_bien.sql")),
             "INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Teléfono');\n");
    escribir(sql.filePath(QStringLiteral("02_mal.sql")),
             "INSERT INTO Empresas_quejas (PID, Detalle) VALUES (1, 'Uno');\n"
             "INSERT INTO Empresas_quejas (PID, Detalle) VALUES (1, 'Clave repetida');\n");
    EXPECT_EQ(CargaDemo::Cargar(sql.path()), CargaDemo::Resultado::Fallo);
    EXPECT_EQ(filasMaestras(), 1) << "only the general category";
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_FALSE(entorno->errLog().isEmpty());
}

TEST_P(CargaDemoDatos, AFolderWithoutSqlFilesLoadsNothing)
{
    QTemporaryDir vacia;
    EXPECT_EQ(CargaDemo::Cargar(vacia.path()), CargaDemo::Resultado::SinArchivos);
    EXPECT_EQ(filasMaestras(), 1);
}

INSTANCIAR_EN_MOTORES(CargaDemoDatos);

TEST(CargaDemoHerramienta, CreatesTheLocalDatabaseAndLoadsItOnce)
{
    EntornoDePrueba entorno;
    const QString base = QDir(entorno.carpeta()).filePath(QStringLiteral("bd/base.db"));
    ASSERT_FALSE(QFileInfo::exists(base));

    EXPECT_EQ(CargaDemo::Ejecutar(entorno.carpeta(), kDatos), 0);
    EXPECT_TRUE(QFileInfo::exists(base));
    const qint32 coches = filas(QStringLiteral("Coches_quejas"));
    EXPECT_GT(coches, 0);

    EXPECT_EQ(CargaDemo::Ejecutar(entorno.carpeta(), kDatos), 0);
    EXPECT_EQ(filas(QStringLiteral("Coches_quejas")), coches);
    EXPECT_EQ(entorno.terminaciones, 0);
}
