#include "Estadisticas.h"
#include "BaseDePrueba.h"
#include "Catalogos.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

class EstadisticasDatos : public BaseDePrueba
{
protected:
    // A complaint with its place row dated fechaLugar; no place row when fechaLugar is empty.
    void queja(qint32 pid, qint16 motivoPid, qint16 causaPid, const QString& fechaLugar,
               const QString& recepcion = QStringLiteral("01/01/2024"))
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, causa, Apellido, "
                                "Nombres) VALUES (%1, %2, '09:00:00', %3, %4, %5, 'Ana')")
                     .arg(pid)
                     .arg(SqlFecha(recepcion))
                     .arg(motivoPid)
                     .arg(causaPid)
                     .arg(SqlTexto(QStringLiteral("O'Connor %1").arg(pid))));
        if (!fechaLugar.isEmpty())
            Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) VALUES (%1, %2)")
                         .arg(pid)
                         .arg(SqlFecha(fechaLugar)));
    }
};

TEST_P(EstadisticasDatos, AnEmptyCatalogueGivesNoRows)
{
    Ejecutar(QStringLiteral("DELETE FROM Motivos_quejas"));
    EXPECT_EQ(ContarPorCausa(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")).Ultimo, -1);
    EXPECT_EQ(PorcentajePorCausa(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")).Ultimo, -1);
    const RegListaConteos m = ContarPorMotivo(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"));
    EXPECT_EQ(m.Ultimo, -1);
    EXPECT_TRUE(m.Items.isEmpty());
    EXPECT_EQ(PorcentajePorMotivo(QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")).Ultimo, -1);
}

TEST_P(EstadisticasDatos, CountsEveryReasonOfThePeriodByPlaceDateBoundsIncluded)
{
    FilaCausa(2, QStringLiteral("Demora"));
    FilaCausa(1, QStringLiteral("Equipaje"));
    FilaCausa(3, QStringLiteral("Anulada"), 1);
    queja(10, 0, 1, QStringLiteral("01/03/2024"));
    queja(11, 0, 1, QStringLiteral("31/03/2024"));
    queja(12, 0, 2, QStringLiteral("15/03/2024"));
    queja(13, 0, 2, QStringLiteral("29/02/2024"));
    // As texts "01/12/2024" lies between "01/03/2024" and "31/03/2024"; as a date it does not.
    queja(14, 0, 2, QStringLiteral("01/12/2024"));
    queja(15, 0, 1, QString()); // no place row: never counted
    queja(16, 0, 1, QStringLiteral("01/04/2024"), QStringLiteral("10/03/2024"));

    // Unpadded and padded bounds mean the same days.
    for (const auto& [desde, hasta] : {std::pair{QStringLiteral("1/3/2024"), QStringLiteral("31/3/2024")},
                                       std::pair{QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")}}) {
        const RegListaConteos l = ContarPorCausa(desde, hasta);
        ASSERT_EQ(l.Ultimo, 2);
        ASSERT_EQ(l.Items.size(), 3);
        EXPECT_EQ(l.Items[0].Pid, 1);
        EXPECT_EQ(l.Items[0].Detalle, QStringLiteral("Equipaje"));
        EXPECT_EQ(l.Items[0].Cantidad, 2);
        EXPECT_EQ(l.Items[1].Pid, 2);
        EXPECT_EQ(l.Items[1].Cantidad, 1);
        EXPECT_EQ(l.Items[2].Pid, 3) << "annulled reasons are listed";
        EXPECT_EQ(l.Items[2].Cantidad, 0);
    }

    FilaMotivo(4, QStringLiteral("Servicio"));
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET motivo = 4 WHERE pid IN (10, 12)"));
    const RegListaConteos m = ContarPorMotivo(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ASSERT_EQ(m.Ultimo, 1);
    EXPECT_EQ(m.Items[0].Detalle, QStringLiteral("Reclamo general"));
    EXPECT_EQ(m.Items[0].Cantidad, 1);
    EXPECT_EQ(m.Items[1].Pid, 4);
    EXPECT_EQ(m.Items[1].Cantidad, 2);
}

TEST_P(EstadisticasDatos, PercentagesPerReasonLeaveOutComplaintsWithoutAReason)
{
    FilaCausa(1, QStringLiteral("A"));
    FilaCausa(2, QStringLiteral("B"));
    FilaCausa(3, QStringLiteral("C"));
    FilaMotivo(5, QStringLiteral("Cinco"));
    queja(1, 5, 1, QStringLiteral("05/06/2024"));
    queja(2, 5, 2, QStringLiteral("05/06/2024"));
    queja(3, 0, 2, QStringLiteral("05/06/2024"));
    queja(4, 0, 0, QStringLiteral("05/06/2024")); // no reason

    const RegListaPorcentajes c = PorcentajePorCausa(QStringLiteral("01/06/2024"), QStringLiteral("30/06/2024"));
    ASSERT_EQ(c.Ultimo, 2);
    EXPECT_DOUBLE_EQ(c.Items[0].Porcentaje, 33.33);
    EXPECT_EQ(c.Items[0].Detalle, QStringLiteral("A"));
    EXPECT_DOUBLE_EQ(c.Items[1].Porcentaje, 66.67);
    EXPECT_DOUBLE_EQ(c.Items[2].Porcentaje, 0.0);

    // Per category the total is every complaint of the period, with or without a reason.
    const RegListaPorcentajes m = PorcentajePorMotivo(QStringLiteral("01/06/2024"), QStringLiteral("30/06/2024"));
    ASSERT_EQ(m.Ultimo, 1);
    EXPECT_EQ(m.Items[0].Pid, 0);
    EXPECT_DOUBLE_EQ(m.Items[0].Porcentaje, 50.0);
    EXPECT_EQ(m.Items[1].Pid, 5);
    EXPECT_DOUBLE_EQ(m.Items[1].Porcentaje, 50.0);

    // One reason holding every complaint that has one shows 100.
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET causa = 0 WHERE pid IN (2, 3)"));
    EXPECT_DOUBLE_EQ(PorcentajePorCausa(QStringLiteral("01/06/2024"), QStringLiteral("30/06/2024")).Items[0].Porcentaje,
                     100.0);

    // A period without complaints: zero everywhere, no division by zero.
    for (const RegPorcentaje& p : PorcentajePorCausa(QStringLiteral("01/01/2020"), QStringLiteral("31/01/2020")).Items)
        EXPECT_DOUBLE_EQ(p.Porcentaje, 0.0);
    for (const RegPorcentaje& p : PorcentajePorMotivo(QStringLiteral("01/01/2020"), QStringLiteral("31/01/2020")).Items)
        EXPECT_DOUBLE_EQ(p.Porcentaje, 0.0);
}

TEST_P(EstadisticasDatos, CountsByStateAddUpToThePeriodTotal)
{
    queja(1, 0, 0, QStringLiteral("10/05/2024")); // no resolution
    queja(2, 0, 0, QStringLiteral("10/05/2024"));
    FilaResolucion(1, 2, 0);
    queja(3, 0, 0, QStringLiteral("11/05/2024"));
    FilaResolucion(2, 3, 1);
    queja(4, 0, 0, QStringLiteral("12/05/2024"));
    FilaResolucion(3, 4, 0, 1); // annulled, not solved: counted as open
    queja(5, 0, 0, QStringLiteral("12/06/2024"));
    FilaResolucion(4, 5, 1);
    queja(6, 0, 0, QString());
    FilaResolucion(5, 6, 0);
    // A resolution without a complaint must not hide the complaints without a resolution.
    Ejecutar(QStringLiteral("INSERT INTO Resolucion_quejas (PID, Cerrada) VALUES (9, 0)"));

    const QString desde = QStringLiteral("1/5/2024");
    const QString hasta = QStringLiteral("31/5/2024");
    const qint32 abiertas = ContarPorEstado(desde, hasta, 0);
    const qint32 solucionadas = ContarPorEstado(desde, hasta, 1);
    const qint32 todas = ContarPorEstado(desde, hasta, 2);
    const qint32 sinResolucion = ContarPorEstado(desde, hasta, 3);
    EXPECT_EQ(abiertas, 2);
    EXPECT_EQ(solucionadas, 1);
    EXPECT_EQ(todas, 4);
    EXPECT_EQ(sinResolucion, 1);
    EXPECT_EQ(abiertas + solucionadas + sinResolucion, todas);
    EXPECT_EQ(ContarPorEstado(desde, hasta, 7), 0);
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(EstadisticasDatos, CountsBeyondSixteenBitsStayRight)
{
    FilaCausa(1, QStringLiteral("Masiva"));
    const int n = 33000;
    Ejecutar(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                            "INSERT INTO Master_Quejas (pid, motivo, causa) SELECT i, 0, 1 FROM n")
                 .arg(n));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Fecha) SELECT pid, %1 FROM Master_Quejas")
                 .arg(SqlFecha(QStringLiteral("02/02/2024"))));

    const QString desde = QStringLiteral("01/02/2024");
    const QString hasta = QStringLiteral("29/02/2024");
    EXPECT_EQ(ContarPorEstado(desde, hasta, 2), n);
    EXPECT_EQ(ContarPorEstado(desde, hasta, 3), n);
    EXPECT_EQ(ContarPorCausa(desde, hasta).Items.value(0).Cantidad, n);
    EXPECT_EQ(ContarPorMotivo(desde, hasta).Items.value(0).Cantidad, n);
    EXPECT_DOUBLE_EQ(PorcentajePorCausa(desde, hasta).Items.value(0).Porcentaje, 100.0);
}

TEST_P(EstadisticasDatos, TheDrillDownListsNewestReceptionFirstInCalendarOrder)
{
    FilaCausa(1, QStringLiteral("Demora"));
    FilaCausa(2, QStringLiteral("Sin quejas"));
    queja(20, 0, 1, QStringLiteral("05/03/2024"), QStringLiteral("02/03/2024"));
    // As texts "10/01/2024" would come before "02/03/2024" in a newest-first list.
    queja(21, 0, 1, QStringLiteral("06/03/2024"), QStringLiteral("10/01/2024"));
    queja(22, 0, 1, QStringLiteral("06/03/2024"), QStringLiteral("02/03/2024"));
    queja(23, 0, 1, QStringLiteral("07/03/2024"), QString());                    // no reception date: last
    queja(24, 0, 1, QStringLiteral("07/04/2024"), QStringLiteral("09/03/2024")); // event outside the period
    queja(25, 0, 1, QString(), QStringLiteral("09/03/2024"));                    // no place row

    const RegListaQuejas l = GetQuejasCausa(1, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    ASSERT_EQ(l.Cantidad, 4);
    ASSERT_EQ(l.Quejas.size(), 4);
    EXPECT_EQ(l.Quejas[0].pid, 22);
    EXPECT_EQ(l.Quejas[1].pid, 20);
    EXPECT_EQ(l.Quejas[2].pid, 21);
    EXPECT_EQ(l.Quejas[3].pid, 23);
    EXPECT_EQ(l.Quejas[0].fecha_queja, QStringLiteral("02/03/2024"));
    EXPECT_EQ(l.Quejas[0].hora_queja, QStringLiteral("09:00:00"));
    EXPECT_EQ(l.Quejas[0].Apellido, QStringLiteral("O'Connor 22"));
    EXPECT_EQ(l.Quejas[0].Nombres, QStringLiteral("Ana"));
    EXPECT_EQ(l.Quejas[0].causa, 0) << "only the listed columns are filled";
    EXPECT_TRUE(l.Quejas[3].fecha_queja.isEmpty());

    const RegListaQuejas vacia = GetQuejasCausa(2, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(vacia.Cantidad, -1) << "an empty list counts -1, not 0";
    EXPECT_TRUE(vacia.Quejas.isEmpty());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(EstadisticasDatos, AnotherWindowsReadDuringTheCountRunsAndTheCountsStayRight)
{
    FilaCausa(1, QStringLiteral("Demora"));
    FilaCausa(2, QStringLiteral("Trato"));
    // A click or a timer of another window lands between two catalogue rows and reads.
    QString leido;
    QTimer::singleShot(0, QCoreApplication::instance(), [&] { leido = GetCausaDesc(2); });
    const RegListaConteos l = ContarPorCausa(QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024"));
    EXPECT_EQ(leido, QStringLiteral("Trato"));
    ASSERT_EQ(l.Items.size(), 2);
    EXPECT_EQ(l.Items[1].Detalle, QStringLiteral("Trato"));
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(EstadisticasDatos, GroupedFiguresEqualOneCountPerRowOnARandomDesk)
{
    DatosAlAzar(20240611, 400);
    const std::pair<const char*, const char*> periodos[] = {{"01/02/2024", "29/02/2024"},
                                                            {"1/1/2024", "31/3/2024"},
                                                            {"01/01/1900", "01/01/1900"},
                                                            {"1/6/2024", "30/6/2024"}};
    for (const auto& [d, h] : periodos) {
        const QString desde = QString::fromLatin1(d), hasta = QString::fromLatin1(h);
        SCOPED_TRACE(qPrintable(desde + QStringLiteral(" - ") + hasta));
        // The figures as one plain count per catalogue row and per state would give them.
        const QString enPeriodo = QStringLiteral(" and pid in (Select NroQueja from Lugar_Quejas where Fecha >= ") +
                                  SqlFecha(desde) + QStringLiteral(" and fecha <= ") + SqlFecha(hasta) +
                                  QStringLiteral(")");
        const auto cuenta = [&](const QString& condicion) {
            return LeerEntero(QStringLiteral("select count(pid) from Master_Quejas where ") + condicion + enPeriodo);
        };
        struct Por
        {
            const char* columna;
            RegListaConteos conteos;
            RegListaPorcentajes porcentajes;
            qint32 total;
        };
        const Por porCatalogo[] = {{"causa", ContarPorCausa(desde, hasta), PorcentajePorCausa(desde, hasta),
                                    cuenta(QStringLiteral("causa <> 0"))},
                                   {"motivo", ContarPorMotivo(desde, hasta), PorcentajePorMotivo(desde, hasta),
                                    cuenta(QStringLiteral("1 = 1"))}};
        for (const Por& p : porCatalogo) {
            ASSERT_EQ(p.conteos.Items.size(), p.porcentajes.Items.size());
            ASSERT_EQ(p.conteos.Items.size(), qstrcmp(p.columna, "causa") == 0 ? 12 : 5);
            const double factor = p.total >= 1 ? 100.0 / p.total : 0.0;
            for (int i = 0; i < p.conteos.Items.size(); ++i) {
                const qint32 n =
                    cuenta(QLatin1String(p.columna) + QStringLiteral(" = ") + SqlEntero(p.conteos.Items[i].Pid));
                EXPECT_EQ(p.conteos.Items[i].Cantidad, n) << p.columna << " " << p.conteos.Items[i].Pid;
                EXPECT_EQ(p.porcentajes.Items[i].Pid, p.conteos.Items[i].Pid);
                EXPECT_DOUBLE_EQ(p.porcentajes.Items[i].Porcentaje, std::round(n * factor * 100.0) / 100.0)
                    << p.columna << " " << p.conteos.Items[i].Pid;
            }
        }

        const qint32 porEstado[4] = {
            cuenta(QStringLiteral("pid in (Select IDQueja from Resolucion_quejas where cerrada = 0)")),
            cuenta(QStringLiteral("pid in (Select IDQueja from Resolucion_quejas where cerrada = 1)")),
            cuenta(QStringLiteral("1 = 1")),
            cuenta(QStringLiteral("pid not in (Select IDQueja from Resolucion_quejas where IDQueja is not null)"))};
        for (qint16 tipo = 0; tipo < 4; ++tipo)
            EXPECT_EQ(ContarPorEstado(desde, hasta, tipo), porEstado[tipo]) << "kind " << tipo;
        const RegConteoEstados barras = ContarEstados(desde, hasta);
        EXPECT_EQ(barras.SinCerrar, porEstado[0]);
        EXPECT_EQ(barras.Cerrados, porEstado[1]);
        EXPECT_EQ(barras.Total, porEstado[2]);
        EXPECT_EQ(barras.SinResolucion, porEstado[3]);

        for (qint16 causa : {1, 5, 12, 99}) {
            QStringList pids;
            for (const RegQueja& q : GetQuejasCausa(causa, desde, hasta).Quejas)
                pids << QString::number(q.pid);
            EXPECT_EQ(pids,
                      LeerFilas(QStringLiteral("select pid from Master_Quejas where causa = ") + SqlEntero(causa) +
                                    enPeriodo + QStringLiteral(" order by Fecha_Queja desc NULLS LAST, pid desc"),
                                1, QString()))
                << "reason " << causa;
        }
    }
    // The draw does exercise the figures.
    EXPECT_GT(ContarEstados(QStringLiteral("1/1/2024"), QStringLiteral("31/3/2024")).SinResolucion, 0);
    EXPECT_GT(ContarEstados(QStringLiteral("1/1/2024"), QStringLiteral("31/3/2024")).SinCerrar, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
}

INSTANCIAR_EN_MOTORES(EstadisticasDatos);
