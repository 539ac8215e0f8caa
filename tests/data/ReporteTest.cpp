#include "Reporte.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Sql.h"

#include <QVector>

namespace {

QVector<qint16> pidsDe(const RegCategoriaReporte& c)
{
    QVector<qint16> r;
    for (const RegCausaReporte& x : c.Causas)
        r.append(x.Pid);
    return r;
}

} // namespace

class ReporteDatos : public BaseDePrueba
{
protected:
    void queja(qint32 pid, qint16 causaPid, qint16 empresa, qint16 usuario)
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, causa, Empresa, usuario) VALUES (%1, %2, %3, %4)")
                     .arg(pid)
                     .arg(causaPid)
                     .arg(empresa)
                     .arg(usuario));
    }
};

TEST_P(ReporteDatos, NoCategoryGivesAnEmptyTree)
{
    Ejecutar(QStringLiteral("DELETE FROM Motivos_quejas"));
    FilaCausa(1, QStringLiteral("Sin categoría"));
    const RegArbolReporte a = GetRelaciones();
    EXPECT_EQ(a.Ultima, -1);
    EXPECT_TRUE(a.Categorias.isEmpty());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ReporteDatos, ReasonsInNoPairLandUnderTheFirstCategory)
{
    FilaMotivo(2, QStringLiteral("Atención"));
    FilaMotivo(1, QStringLiteral("Viaje"));
    FilaMotivo(3, QStringLiteral("Vacía"));
    for (qint16 p = 1; p <= 7; ++p)
        FilaCausa(p, QStringLiteral("Causa %1").arg(p));
    FilaPar(1, 4);
    FilaPar(1, 2);
    FilaPar(2, 2);  // a reason in two pairs is listed under both
    FilaPar(2, 99); // its reason no longer exists
    FilaPar(9, 5);  // its category does not exist, so reason 5 counts as in no pair

    const RegArbolReporte a = GetRelaciones();
    ASSERT_EQ(a.Ultima, 3);
    ASSERT_EQ(a.Categorias.size(), 4);
    EXPECT_EQ(a.Categorias[0].Pid, 0);
    EXPECT_EQ(a.Categorias[0].Detalle, QStringLiteral("Reclamo general"));
    EXPECT_EQ(pidsDe(a.Categorias[0]), (QVector<qint16>{1, 3, 5, 6, 7}));
    EXPECT_EQ(a.Categorias[0].Ultimo, 4);
    EXPECT_EQ(a.Categorias[0].Causas[2].Detalle, QStringLiteral("Causa 5"));

    EXPECT_EQ(a.Categorias[1].Detalle, QStringLiteral("Viaje"));
    EXPECT_EQ(pidsDe(a.Categorias[1]), (QVector<qint16>{2, 4})) << "a category's reasons in ascending PID";
    EXPECT_EQ(a.Categorias[1].Ultimo, 1);
    EXPECT_EQ(a.Categorias[1].Causas[1].Detalle, QStringLiteral("Causa 4"));

    EXPECT_EQ(pidsDe(a.Categorias[2]), (QVector<qint16>{2, 99}));
    EXPECT_EQ(a.Categorias[2].Causas[0].Detalle, QStringLiteral("Causa 2"));
    EXPECT_TRUE(a.Categorias[2].Causas[1].Detalle.isEmpty()) << "a pair whose reason is gone shows an empty name";

    EXPECT_EQ(a.Categorias[3].Ultimo, -1);
    EXPECT_TRUE(a.Categorias[3].Causas.isEmpty());

    EXPECT_EQ(a.Relacionados, (QVector<qint16>{2, 4, 2, 99}));
    EXPECT_EQ(a.UltimoRelacionado, 3);
    for (const RegCategoriaReporte& c : a.Categorias)
        for (const RegCausaReporte& r : c.Causas)
            EXPECT_EQ(r.Ultima, -1) << "the skeleton carries no complaints";
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ReporteDatos, AFirstCategoryWithoutPairsOrFreeReasonsIsEmpty)
{
    FilaMotivo(1, QStringLiteral("Viaje"));
    FilaCausa(1, QStringLiteral("Demora"));
    FilaPar(1, 1);
    const RegArbolReporte a = GetRelaciones();
    ASSERT_EQ(a.Ultima, 1);
    EXPECT_EQ(a.Categorias[0].Ultimo, -1);
    EXPECT_EQ(a.Categorias[1].Ultimo, 0);
}

TEST_P(ReporteDatos, AReasonNodeListsTheComplaintsOfThePeriodWithTheirPlaceData)
{
    Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (3, 'Ruta Sur', '30-1')"));
    Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel) "
                            "VALUES (2, 'ana', 'Ana María', 'D''Alessandro', 1)"));
    FilaCausa(1, QStringLiteral("Demora"));
    FilaCausa(2, QStringLiteral("Trato"));
    queja(40, 1, 3, 2);
    queja(31, 1, 8, 5); // company and user that do not exist
    queja(50, 1, 3, 2); // event outside the period
    queja(51, 1, 3, 2); // no place row
    queja(52, 2, 3, 2); // another reason
    queja(53, 1, 3, 2); // dated with the no-date marker
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha, Hora_Serv, Desde, Hasta, Unidad, Det_legajos) "
                            "VALUES (40, %1, '22:15', 'Córdoba', 'Rosario', '3012', 'Chofer O''Neill')")
                 .arg(SqlFecha(QStringLiteral("31/03/2024"))));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (31, %1)")
                 .arg(SqlFecha(QStringLiteral("1/3/2024"))));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (50, %1)")
                 .arg(SqlFecha(QStringLiteral("01/04/2024"))));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (52, %1)")
                 .arg(SqlFecha(QStringLiteral("10/03/2024"))));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (53, %1)")
                 .arg(SqlFecha(QStringLiteral("01/01/1900"))));

    const RegCausaReporte n =
        GetReporteCausa(QStringLiteral("01/03/2024"), QStringLiteral("31/3/2024"), 1, QStringLiteral("Demora"));
    EXPECT_EQ(n.Pid, 1);
    EXPECT_EQ(n.Detalle, QStringLiteral("Demora"));
    ASSERT_EQ(n.Ultima, 1);
    ASSERT_EQ(n.Quejas.size(), 2);

    const RegLineaReporte& a = n.Quejas[0];
    EXPECT_EQ(a.Pid, 31) << "ascending complaint number";
    EXPECT_EQ(a.Fecha, QStringLiteral("01/03/2024"));
    EXPECT_TRUE(a.Unidad.isEmpty());
    EXPECT_TRUE(a.Responsables.isEmpty()) << "a Null column leaves its field empty";
    EXPECT_TRUE(a.EmpresaNombre.isEmpty());
    EXPECT_EQ(a.Empresa, 8);
    EXPECT_EQ(a.Usuario, 5);
    EXPECT_EQ(a.UsuarioNombre, QStringLiteral("Usuario Inexistente: 5"));

    const RegLineaReporte& b = n.Quejas[1];
    EXPECT_EQ(b.Pid, 40);
    EXPECT_EQ(b.Fecha, QStringLiteral("31/03/2024"));
    EXPECT_EQ(b.HoraServ, QStringLiteral("22:15"));
    EXPECT_EQ(b.Desde, QStringLiteral("Córdoba"));
    EXPECT_EQ(b.Hasta, QStringLiteral("Rosario"));
    EXPECT_EQ(b.Unidad, QStringLiteral("3012"));
    EXPECT_EQ(b.Responsables, QStringLiteral("Chofer O'Neill"));
    EXPECT_EQ(b.EmpresaNombre, QStringLiteral("Ruta Sur"));
    EXPECT_EQ(b.UsuarioNombre, QStringLiteral("D'Alessandro, Ana María"));

    const RegCausaReporte viejo =
        GetReporteCausa(QStringLiteral("01/01/1900"), QStringLiteral("01/01/1900"), 1, QStringLiteral("Demora"));
    ASSERT_EQ(viejo.Ultima, 0);
    EXPECT_EQ(viejo.Quejas[0].Pid, 53);
    EXPECT_TRUE(viejo.Quejas[0].Fecha.isEmpty()) << "the no-date marker is shown empty";

    const RegCausaReporte vacio =
        GetReporteCausa(QStringLiteral("01/05/2024"), QStringLiteral("31/05/2024"), 1, QStringLiteral("Demora"));
    EXPECT_EQ(vacio.Ultima, -1);
    EXPECT_EQ(vacio.Pid, 0);
    EXPECT_TRUE(vacio.Detalle.isEmpty());
    EXPECT_TRUE(vacio.Quejas.isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ReporteDatos, ThePeriodReadGivesEveryNodeAsItsReasonReadAloneOnARandomDesk)
{
    DatosAlAzar(7, 300);
    const auto vista = [](const RegCausaReporte& n) {
        QStringList r{QStringLiteral("%1 %2 %3").arg(n.Pid).arg(n.Detalle).arg(n.Ultima)};
        for (const RegLineaReporte& l : n.Quejas)
            r << QStringList{QString::number(l.Pid),
                             l.Fecha,
                             l.Unidad,
                             l.Desde,
                             l.Hasta,
                             QString::number(l.Usuario),
                             l.UsuarioNombre,
                             l.Responsables,
                             l.EmpresaNombre,
                             QString::number(l.Empresa),
                             l.HoraServ}
                     .join(QLatin1Char('|'));
        return r;
    };
    const RegArbolReporte arbol = GetRelaciones();
    const std::pair<const char*, const char*> periodos[] = {
        {"1/1/2024", "31/3/2024"}, {"01/02/2024", "29/02/2024"}, {"01/01/1900", "01/01/1900"}};
    int conQuejas = 0;
    for (const auto& [d, h] : periodos) {
        const QString desde = QString::fromLatin1(d), hasta = QString::fromLatin1(h);
        SCOPED_TRACE(d);
        const ReportePeriodo periodo = GetReportePeriodo(desde, hasta);
        for (const RegCategoriaReporte& c : arbol.Categorias)
            for (const RegCausaReporte& r : c.Causas) {
                const RegCausaReporte solo = GetReporteCausa(desde, hasta, r.Pid, r.Detalle);
                EXPECT_EQ(vista(periodo.Causa(r.Pid, r.Detalle)), vista(solo)) << "reason " << r.Pid;
                conQuejas += solo.Ultima >= 0 ? 1 : 0;
            }
    }
    EXPECT_GT(conQuejas, 10) << "the draw does fill the nodes";
    EXPECT_FALSE(Rs.Abierto());
}

INSTANCIAR_EN_MOTORES(ReporteDatos);
