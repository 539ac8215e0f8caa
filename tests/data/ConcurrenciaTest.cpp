#include "BaseDePrueba.h"
#include "Conexion.h"
#include "Quejas.h"
#include "Seguimientos.h"

#include <QSet>
#include <QVector>

class ConcurrentWriters : public BaseDePrueba
{
};

TEST_P(ConcurrentWriters, TwoWorkstationsSavingComplaintsAtOnceBothSucceed)
{
    constexpr int kPorHilo = 200;
    QVector<qint32> devueltos[2];
    int fallasDeHilo[2] = {0, 0};
    EnHilos(2, [&](int h) {
        RegQueja q = QuejaVacia();
        q.fecha_queja = QStringLiteral("01/01/2024");
        q.Apellido = QStringLiteral("Hilo %1").arg(h);
        for (int i = 0; i < kPorHilo; ++i)
            devueltos[h] << AgregarQueja(q);
        fallasDeHilo[h] = ErroresQuery;
    });

    EXPECT_EQ(fallasDeHilo[0], 0);
    EXPECT_EQ(fallasDeHilo[1], 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty()) << entorno->errLog().toStdString();

    QSet<qint32> numeros;
    for (int h = 0; h < 2; ++h) {
        ASSERT_EQ(devueltos[h].size(), kPorHilo);
        for (qint32 n : devueltos[h]) {
            EXPECT_GT(n, 0);
            numeros.insert(n);
        }
    }
    EXPECT_EQ(numeros.size(), 2 * kPorHilo) << "no number was handed out twice";

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Select COUNT(*), COUNT(DISTINCT pid) from Master_Quejas")));
    EXPECT_EQ(Rs.Entero32(0), 2 * kPorHilo);
    EXPECT_EQ(Rs.Entero32(1), 2 * kPorHilo);
    CerrarRs();
    // Every number handed back is the complaint its thread stored.
    for (int h = 0; h < 2; ++h)
        for (qint32 n : devueltos[h])
            ASSERT_EQ(GetQueja(n).Apellido, QStringLiteral("Hilo %1").arg(h)) << n;
}

TEST_P(ConcurrentWriters, TwoWorkstationsAddingFollowUpsToOneComplaintBothSucceed)
{
    constexpr int kPorHilo = 60;
    int fallidos[2] = {0, 0};
    EnHilos(2, [&](int h) {
        for (int i = 0; i < kPorHilo; ++i)
            if (!AgregarSeguimiento(1, QStringLiteral("01/01/2024"), QStringLiteral("h%1").arg(h), 1))
                ++fallidos[h];
    });
    EXPECT_EQ(fallidos[0], 0);
    EXPECT_EQ(fallidos[1], 0);
    ASSERT_TRUE(EjecutarQuery(
        QStringLiteral("Select COUNT(*), COUNT(DISTINCT Pid), MAX(Pid) from Seguimiento_quejas where Queja = 1")));
    EXPECT_EQ(Rs.Entero32(0), 2 * kPorHilo);
    EXPECT_EQ(Rs.Entero32(1), 2 * kPorHilo);
    EXPECT_EQ(Rs.Entero32(2), 2 * kPorHilo) << "numbered 1..n without gaps";
    CerrarRs();
}

INSTANCIAR_EN_MOTORES(ConcurrentWriters);
