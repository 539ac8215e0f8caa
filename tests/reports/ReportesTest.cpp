#include "Reportes.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "DetallesL.h"
#include "Estadisticas.h"
#include "FechasPeriodo.h"
#include "Formularios.h"
#include "Sql.h"
#include "Textos.h"
#include "VentanaDePrueba.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// The statistics window and its drill-down, on both engines.
class VentanaReportes : public VentanaDePrueba
{
protected:
    void TearDown() override
    {
        VentanaDePrueba::TearDown();
        QuejasDetalle = RegListaQuejas();
    }

    void queja(qint32 pid, qint16 motivoPid, qint16 causaPid, const QString& fechaLugar, const QString& recepcion,
               const QString& apellido)
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, causa, Apellido, "
                                "Nombres) VALUES (%1, %2, '10:00:00', %3, %4, %5, 'Luz')")
                     .arg(pid)
                     .arg(SqlFecha(recepcion))
                     .arg(motivoPid)
                     .arg(causaPid)
                     .arg(SqlTexto(apellido)));
        Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (%1, %2)")
                     .arg(pid)
                     .arg(SqlFecha(fechaLugar)));
    }
    // Three reasons (one without complaints), two categories; three complaints in March 2024,
    // one in April.
    void datosDeMarzo()
    {
        FilaCausa(1, QStringLiteral("Demora"));
        FilaCausa(2, QStringLiteral("Equipaje"));
        FilaCausa(3, QStringLiteral("Trato"));
        FilaMotivo(1, QStringLiteral("Servicio"));
        queja(10, 1, 1, QStringLiteral("02/03/2024"), QStringLiteral("05/03/2024"), QStringLiteral("Gómez"));
        queja(11, 1, 1, QStringLiteral("31/03/2024"), QStringLiteral("20/03/2024"), QStringLiteral("O'Hara"));
        queja(12, 0, 2, QStringLiteral("15/03/2024"), QStringLiteral("15/03/2024"), QStringLiteral("Sosa"));
        queja(13, 1, 3, QStringLiteral("01/04/2024"), QStringLiteral("01/04/2024"), QStringLiteral("Vera"));
    }
    int causas() { return LeerEntero(QStringLiteral("SELECT count(*) FROM Causas_Quejas")); }

    Reportes* abrir()
    {
        Reportes* r = Formulario<Reportes>::Obtener();
        r->show();
        return r;
    }
    template <typename T> T* control(const char* nombre)
    {
        return Formulario<Reportes>::SiCargado()->findChild<T*>(QString::fromLatin1(nombre));
    }
    GrillaTabla* grilla() { return control<GrillaTabla>("MsfSalida"); }
    void periodo(const QString& desde, const QString& hasta)
    {
        control<QLineEdit>("Desde")->clear();
        QTest::keyClicks(control<QLineEdit>("Desde"), desde);
        control<QLineEdit>("Hasta")->clear();
        QTest::keyClicks(control<QLineEdit>("Hasta"), hasta);
    }
    void ver() { QTest::mouseClick(control<QPushButton>("SacarConsulta"), Qt::LeftButton); }
    // Column 0 and column 1 of every data row, "name=value", joined by ", ".
    std::string filas()
    {
        QStringList r;
        for (int i = 1; i < grilla()->Rows(); ++i)
            r << grilla()->TextMatrix(i, 0) + QLatin1Char('=') + grilla()->TextMatrix(i, 1);
        return r.join(QStringLiteral(", ")).toStdString();
    }
    void dobleClic(int fila)
    {
        grilla()->SetRow(fila);
        grilla()->SetCol(0);
        Formulario<Reportes>::SiCargado()->MsfSalida_DblClick();
    }
    // Every row of the drill-down, cells joined by "|", rows by ", ".
    std::string detalle()
    {
        GrillaTabla* g = Formulario<DetallesL>::SiCargado()->findChild<GrillaTabla*>(QStringLiteral("Msf1"));
        QStringList r;
        for (int i = 0; i < g->Rows(); ++i) {
            QStringList celdas;
            for (int c = 0; c < g->Cols(); ++c)
                celdas << g->TextMatrix(i, c);
            r << celdas.join(QLatin1Char('|'));
        }
        return r.join(QStringLiteral(", ")).toStdString();
    }
};

TEST_P(VentanaReportes, OpensWithReasonsChosenAndEmptyDates)
{
    Reportes* r = abrir();
    EXPECT_EQ(r->windowTitle(), QStringLiteral("Reportes"));
    EXPECT_TRUE(control<QRadioButton>("Option10")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option11")->isChecked());
    EXPECT_TRUE(control<QLineEdit>("Desde")->text().isEmpty());
    EXPECT_FALSE(control<QCheckBox>("NE0")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("EEP")->isChecked());
    EXPECT_EQ(control<QPushButton>("Exportar")->text(), QStringLiteral("Exportar a Excel"));
}

TEST_P(VentanaReportes, CountsPerReasonWithAndWithoutZeroRows)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("1/3/2024"), QStringLiteral("31/03/2024"));
    ver();
    EXPECT_EQ(grilla()->TextMatrix(0, 0), QStringLiteral("Motivo"));
    EXPECT_EQ(grilla()->TextMatrix(0, 1), QStringLiteral("Cantidad"));
    EXPECT_EQ(grilla()->Cols(), 2);
    EXPECT_NEAR(grilla()->ColWidth(0), 4000, 15) << "widths are kept in whole pixels";
    EXPECT_NEAR(grilla()->ColWidth(1), 1500, 15);
    EXPECT_EQ(filas(), "Demora=2, Equipaje=1, Trato=0");
    EXPECT_TRUE(grilla()->isVisible());
    EXPECT_TRUE(control<QPushButton>("SacarConsulta")->isEnabled());

    QTest::mouseClick(control<QCheckBox>("NE0"), Qt::LeftButton);
    ver();
    EXPECT_EQ(filas(), "Demora=2, Equipaje=1");
}

TEST_P(VentanaReportes, PercentagesReadLikeThirtyThreePointThirtyThreeAndZero)
{
    // Also under the program's decimal-comma locale.
    AplicacionDelPrograma programa;
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    QTest::mouseClick(control<QCheckBox>("EEP"), Qt::LeftButton);
    ver();
    EXPECT_EQ(grilla()->TextMatrix(0, 1), QStringLiteral("Cantidad")) << "the header stays for percentages";
    EXPECT_EQ(filas(), "Demora=66.67%, Equipaje=33.33%, Trato=0%");

    QTest::mouseClick(control<QRadioButton>("Option11"), Qt::LeftButton);
    ver();
    EXPECT_EQ(grilla()->TextMatrix(0, 0), QStringLiteral("Categoria"));
    EXPECT_EQ(filas(), "Reclamo general=33.33%, Servicio=66.67%");
    EXPECT_EQ(Formulario<Reportes>::SiCargado()->ContenidoGrilla(), Reportes::Contenido::PorMotivo);
}

TEST_P(VentanaReportes, APeriodThatIsNotADateIsRefusedAndTheGridKeepsItsRows)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ver();
    for (const auto& [desde, hasta] : {std::pair{QStringLiteral("marzo"), QStringLiteral("31/03/2024")},
                                       std::pair{QStringLiteral("01/03/2024"), QString()},
                                       std::pair{QStringLiteral("30/02/2024"), QStringLiteral("31/03/2024")}}) {
        entorno->dialogos->mostrados.clear();
        periodo(desde, hasta);
        ver();
        ASSERT_EQ(entorno->dialogos->mostrados.size(), 1) << desde.toStdString();
        EXPECT_EQ(entorno->dialogos->mostrados[0].texto, QStringLiteral("Establesca fecha desde o hasta"));
        EXPECT_EQ(entorno->dialogos->mostrados[0].icono, Icono::Informacion);
        EXPECT_EQ(entorno->dialogos->mostrados[0].titulo, QString()) << "the application title";
        EXPECT_EQ(grilla()->Rows(), 4);
    }
}

TEST_P(VentanaReportes, DrillDownListsTheReasonsComplaintsNumberedFromZero)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/3/2024"));
    ver();
    dobleClic(1);
    ASSERT_TRUE(Formulario<DetallesL>::Cargado());
    DetallesL* d = Formulario<DetallesL>::SiCargado();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Detalle de  reclamos"));
    EXPECT_EQ(
        d->findChild<QLabel*>(QStringLiteral("lDetalle"))->text(),
        QStringLiteral("Detalle de indencias por fechas entre 01/03/2024 y 31/3/2024.\nTipo de incidencia: Demora."));
    EXPECT_EQ(detalle(),
              "Nro|ID Queja|Fecha suseso|Apellido|Nombres, 0|11|20/03/2024|O'Hara|Luz, 1|10|05/03/2024|Gómez|Luz");
    GrillaTabla* g = d->findChild<GrillaTabla*>(QStringLiteral("Msf1"));
    EXPECT_NEAR(g->ColWidth(0), 800, 15);
    EXPECT_NEAR(g->ColWidth(4), 4500, 15);

    // A second drill-down refills the same window.
    dobleClic(2);
    EXPECT_EQ(Formulario<DetallesL>::SiCargado(), d);
    EXPECT_EQ(detalle(), "Nro|ID Queja|Fecha suseso|Apellido|Nombres, 0|12|15/03/2024|Sosa|Luz");
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(causas(), 3) << "the drill-down inserts no reason";
}

TEST_P(VentanaReportes, ZeroRowsHaveNoDetailsInCountsAndPercentages)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ver();
    dobleClic(3);
    QTest::mouseClick(control<QCheckBox>("EEP"), Qt::LeftButton);
    ver();
    dobleClic(3);
    ASSERT_EQ(entorno->dialogos->mostrados.size(), 2);
    for (const CuadroMostrado& c : entorno->dialogos->mostrados) {
        EXPECT_EQ(c.texto, QStringLiteral("No hay detalles para mostrar"));
        EXPECT_EQ(c.titulo, QStringLiteral("Detalles"));
        EXPECT_EQ(c.icono, Icono::Informacion);
    }
    EXPECT_FALSE(Formulario<DetallesL>::Cargado());
}

TEST_P(VentanaReportes, DrillDownActsOnlyOnReasonDataRows)
{
    datosDeMarzo();
    abrir();
    dobleClic(1); // before any "Ver"
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ver();
    dobleClic(0); // header row
    QTest::mouseClick(control<QRadioButton>("Option11"), Qt::LeftButton);
    ver();
    dobleClic(2);
    EXPECT_FALSE(Formulario<DetallesL>::Cargado());
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(causas(), 3) << "a category row is never taken for a reason";

    // Every value at zero and hidden: only the header remains and a double-click does nothing.
    periodo(QStringLiteral("01/01/2020"), QStringLiteral("31/01/2020"));
    QTest::mouseClick(control<QRadioButton>("Option10"), Qt::LeftButton);
    QTest::mouseClick(control<QCheckBox>("NE0"), Qt::LeftButton);
    ver();
    EXPECT_EQ(grilla()->Rows(), 1);
    dobleClic(1);
    EXPECT_FALSE(Formulario<DetallesL>::Cargado());
}

TEST_P(VentanaReportes, ReasonsSharingATextDrillDownToTheirOwnComplaints)
{
    FilaCausa(1, QStringLiteral("Demora"));
    FilaCausa(2, QStringLiteral("Demora"));
    queja(20, 0, 2, QStringLiteral("10/03/2024"), QStringLiteral("10/03/2024"), QStringLiteral("Ruiz"));
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ver();
    EXPECT_EQ(filas(), "Demora=0, Demora=1");
    dobleClic(2);
    ASSERT_TRUE(Formulario<DetallesL>::Cargado());
    EXPECT_EQ(detalle(), "Nro|ID Queja|Fecha suseso|Apellido|Nombres, 0|20|10/03/2024|Ruiz|Luz");
}

TEST_P(VentanaReportes, DrillDownReadsTheDateBoxesAsTheyAreNow)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ver();
    periodo(QStringLiteral("01/05/2024"), QStringLiteral("31/05/2024"));
    dobleClic(1);
    ASSERT_TRUE(Formulario<DetallesL>::Cargado());
    EXPECT_EQ(detalle(), "Nro|ID Queja|Fecha suseso|Apellido|Nombres") << "an empty list still opens the window";
    EXPECT_TRUE(Formulario<DetallesL>::SiCargado()
                    ->findChild<QLabel*>(QStringLiteral("lDetalle"))
                    ->text()
                    .startsWith(QStringLiteral("Detalle de indencias por fechas entre 01/05/2024 y 31/05/2024.")));
}

TEST_P(VentanaReportes, VerIsNotStartedTwiceWhileItsReadYields)
{
    datosDeMarzo();
    Reportes* r = abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    bool botonActivo = true;
    bool grillaVisible = true;
    // Runs inside the first yield of the catalogue read, while the result set is held.
    QTimer::singleShot(0, r, [&] {
        botonActivo = control<QPushButton>("SacarConsulta")->isEnabled();
        grillaVisible = grilla()->isVisible();
        r->SacarConsulta_Click();
        dobleClic(1);
    });
    ver();
    EXPECT_FALSE(botonActivo);
    EXPECT_FALSE(grillaVisible);
    EXPECT_EQ(filas(), "Demora=2, Equipaje=1, Trato=0") << "the first read kept its result set";
    EXPECT_FALSE(Formulario<DetallesL>::Cargado());
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(VentanaReportes, VerRunsWhileAnotherWindowsListFills)
{
    datosDeMarzo();
    abrir();
    periodo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ASSERT_TRUE(DuranteOtroLlenado([this] { ver(); }));
    EXPECT_EQ(entorno->terminaciones, 0) << "the click must not end the program";
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(filas(), "Demora=2, Equipaje=1, Trato=0");
    EXPECT_TRUE(control<QPushButton>("SacarConsulta")->isEnabled());
}

TEST_P(VentanaReportes, DoubleClicksFillOnlyEmptyDateBoxesAndLastMonthOverwrites)
{
    Reportes* r = abrir();
    QTest::mouseDClick(control<QLineEdit>("Desde"), Qt::LeftButton);
    QTest::mouseDClick(control<QLineEdit>("Hasta"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("Desde")->text(),
              QStringLiteral("01") + QDate::currentDate().toString(QStringLiteral("/MM/yyyy")));
    EXPECT_EQ(control<QLineEdit>("Hasta")->text(), FechaHoy());

    periodo(QStringLiteral("5/5/2020"), QStringLiteral("6/6/2020"));
    r->Desde_DblClick();
    r->Hasta_DblClick();
    EXPECT_EQ(control<QLineEdit>("Desde")->text(), QStringLiteral("5/5/2020"));
    EXPECT_EQ(control<QLineEdit>("Hasta")->text(), QStringLiteral("6/6/2020"));

    QTest::mouseClick(control<QPushButton>("MPas"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("Desde")->text(), InicioMesAnterior());
    EXPECT_EQ(control<QLineEdit>("Hasta")->text(), FinMesAnterior());
}

INSTANCIAR_EN_MOTORES(VentanaReportes);
