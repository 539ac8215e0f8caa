#include "Seguimientos.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Quejas.h"
#include "Sql.h"
#include "Textos.h"

#include <QVector>

namespace {

// The stored numbers of a complaint's follow-ups, lowest first.
QVector<qint32> numeros(qint32 queja)
{
    QVector<qint32> r;
    EjecutarQuery(QStringLiteral("Select Pid from Seguimiento_quejas where Queja = ") + SqlEntero(queja) +
                  QStringLiteral(" order by Pid"));
    for (Rs.Requery(); !Rs.Eof(); Rs.MoveNext())
        r << Rs.Entero32(0);
    CerrarRs();
    return r;
}

RegSeguimiento importado(qint32 queja, const QString& detalle)
{
    RegSeguimiento s = SeguimientoVacio();
    s.Queja = queja;
    s.ApYNom = QStringLiteral("D'Amico, Juan");
    s.Detalle = detalle;
    s.Fecha = QStringLiteral("01/02/2023");
    s.Usuario = 4;
    return s;
}

qint32 complaint(const QString& apellido, const QString& nombres)
{
    RegQueja q = QuejaVacia();
    q.fecha_queja = QStringLiteral("01/01/2024");
    q.Apellido = apellido;
    q.Nombres = nombres;
    return AgregarQueja(q);
}

} // namespace

class FollowUpData : public BaseDePrueba
{
};

TEST_P(FollowUpData, WindowFollowUpsAreNumberedPerComplaint)
{
    ASSERT_TRUE(AgregarSeguimiento(1, QStringLiteral("01/01/2024"), QStringLiteral("uno"), 1));
    ASSERT_TRUE(AgregarSeguimiento(1, QStringLiteral("02/01/2024"), QStringLiteral("dos"), 1));
    ASSERT_TRUE(AgregarSeguimiento(2, QStringLiteral("02/01/2024"), QStringLiteral("otra"), 1));
    EXPECT_EQ(numeros(1), (QVector<qint32>{1, 2}));
    EXPECT_EQ(numeros(2), QVector<qint32>{1}) << "the first of a complaint is 1 even with others present";
}

TEST_P(FollowUpData, ImportedFollowUpsAreNumberedAcrossTheTableAndTheWindowContinuesFromThem)
{
    InsertarSeguimiento(importado(3, QStringLiteral("a")));
    EXPECT_EQ(numeros(3), QVector<qint32>{1}) << "an empty table starts at 1";
    ASSERT_TRUE(AgregarSeguimiento(5, QStringLiteral("01/01/2024"), QStringLiteral("b"), 1));
    ASSERT_TRUE(AgregarSeguimiento(5, QStringLiteral("01/01/2024"), QStringLiteral("c"), 1));
    InsertarSeguimiento(importado(4, QStringLiteral("d")));
    EXPECT_EQ(numeros(4), QVector<qint32>{3}) << "highest of the whole table plus one";
    ASSERT_TRUE(AgregarSeguimiento(4, QStringLiteral("01/01/2024"), QStringLiteral("e"), 1));
    EXPECT_EQ(numeros(4), (QVector<qint32>{3, 4}));

    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Select ApYNom, Usuario, Detalle from Seguimiento_quejas where Queja = 4 "
                                             "and Pid = 3")));
    EXPECT_EQ(Rs.Texto(0), QStringLiteral("D'Amico, Juan"));
    EXPECT_EQ(Rs.Entero16(1), 4);
    EXPECT_EQ(Rs.Texto(2), QStringLiteral("d"));
    CerrarRs();
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(FollowUpData, TheListComesNewestFirstWithTheClaimantsName)
{
    const qint32 q = complaint(QStringLiteral("Pérez"), QStringLiteral("Ana"));
    ASSERT_TRUE(
        AgregarSeguimiento(q, QStringLiteral("05/03/2026"), EscaparComillas(QStringLiteral("llamó a l'oficina")), 7));
    ASSERT_TRUE(AgregarSeguimiento(q, QStringLiteral("6/3/2026"), QStringLiteral("segundo"), 8));

    const RegListaSeguimientos l = GetSeguimientos(q);
    EXPECT_EQ(l.Queja, q);
    EXPECT_EQ(l.Reclamante, QStringLiteral("Pérez, Ana"));
    ASSERT_EQ(l.Ultimo, 1);
    ASSERT_EQ(l.Items.size(), 2);
    EXPECT_EQ(l.Items[0].Detalle, QStringLiteral("segundo"));
    EXPECT_EQ(l.Items[0].Fecha, QStringLiteral("06/03/2026"));
    EXPECT_EQ(l.Items[0].Usuario, 8);
    EXPECT_EQ(l.Items[1].Detalle, QStringLiteral("llamó a l|~|oficina")) << "kept escaped for the caller";
    EXPECT_EQ(l.Items[1].Fecha, QStringLiteral("05/03/2026"));
    EXPECT_EQ(l.Items[1].Queja, 0);
    EXPECT_TRUE(l.Items[1].ApYNom.isEmpty());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(FollowUpData, AComplaintWithoutFollowUpsStillCarriesTheClaimant)
{
    const qint32 q = complaint(QStringLiteral("Gómez"), QString());
    const RegListaSeguimientos l = GetSeguimientos(q);
    EXPECT_EQ(l.Ultimo, -1);
    EXPECT_TRUE(l.Items.isEmpty());
    EXPECT_EQ(l.Reclamante, QStringLiteral("Gómez, "));
}

TEST_P(FollowUpData, ANumberWithoutAComplaintGivesAnEmptyListAndAnEmptyClaimant)
{
    const RegListaSeguimientos l = GetSeguimientos(404);
    EXPECT_EQ(l.Ultimo, -1);
    EXPECT_EQ(l.Queja, 404);
    EXPECT_TRUE(l.Reclamante.isEmpty());
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(FollowUpData, AFailedWindowInsertIsReportedButNeitherCountedNorLogged)
{
    // Reads still work, inserts fail: the table stands behind a view that takes no rows.
    Ejecutar(QStringLiteral("ALTER TABLE Seguimiento_quejas RENAME TO Seguimiento_guardado"));
    Ejecutar(QStringLiteral("CREATE VIEW Seguimiento_quejas AS SELECT DISTINCT * FROM Seguimiento_guardado"));
    EXPECT_FALSE(AgregarSeguimiento(1, QStringLiteral("01/01/2024"), QStringLiteral("ab"), 1));
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_TRUE(entorno->errLog().isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(numeros(1).isEmpty());
    Ejecutar(QStringLiteral("DROP VIEW Seguimiento_quejas"));
    Ejecutar(QStringLiteral("ALTER TABLE Seguimiento_guardado RENAME TO Seguimiento_quejas"));
    EXPECT_TRUE(AgregarSeguimiento(1, QStringLiteral("01/01/2024"), QStringLiteral("ok"), 1)) << "nothing left open";
}

INSTANCIAR_EN_MOTORES(FollowUpData);
