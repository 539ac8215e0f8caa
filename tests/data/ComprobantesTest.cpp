#include "Comprobantes.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Sql.h"

namespace {

QStringList textos(const RegListaComprobantes& l)
{
    QStringList r;
    for (const RegComprobante& c : l.Items)
        r << c.Texto;
    return r;
}

int filas(const QString& donde)
{
    return LeerEntero(QStringLiteral("Select COUNT(*) from Comprobantes_Quejas where ") + donde);
}

} // namespace

class VoucherData : public BaseDePrueba
{
};

TEST_P(VoucherData, AComplaintWithoutVouchersYieldsKindZeroAndAnEmptyList)
{
    AgregarComprobante(2, QStringLiteral("B-1"), QString(), QString(), 1);
    const RegListaComprobantes l = GetComprobantes(1);
    EXPECT_EQ(l.Tipo, 0);
    EXPECT_EQ(l.Ultimo, -1);
    EXPECT_TRUE(l.Items.isEmpty());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(VoucherData, TicketsGiveKindOneAndALuggageTicketMakesItKindTwo)
{
    AgregarComprobante(1, QStringLiteral("B-100"), QString(), QString(), 1);
    AgregarComprobante(1, QStringLiteral("B-101"), QString(), QString(), 1);
    RegListaComprobantes l = GetComprobantes(1);
    EXPECT_EQ(l.Tipo, 1);
    EXPECT_EQ(l.Ultimo, 1);
    EXPECT_EQ(textos(l), (QStringList{QStringLiteral("B-100"), QStringLiteral("B-101")}));

    AgregarComprobante(1, QStringLiteral("E-7"), QString(), QString(), 2);
    l = GetComprobantes(1);
    EXPECT_EQ(l.Tipo, 2);
    ASSERT_EQ(l.Ultimo, 2);
    EXPECT_EQ(l.Items[0].Tipo, 1);
    EXPECT_EQ(l.Items[1].Tipo, 1);
    EXPECT_EQ(l.Items[2].Tipo, 2) << "each item keeps its own kind";
    EXPECT_EQ(l.Items[2].Texto, QStringLiteral("E-7"));
}

TEST_P(VoucherData, AParcelInvoiceShowsLetterPointOfSaleAndNumberOnlyWhenAllArePresent)
{
    AgregarComprobante(3, QStringLiteral("A"), QStringLiteral("0001"), QStringLiteral("12345"), 3);
    AgregarComprobante(3, QStringLiteral("A"), QString(), QStringLiteral("999"), 3);
    AgregarComprobante(3, QStringLiteral("B-5"), QString(), QString(), 1);
    const RegListaComprobantes l = GetComprobantes(3);
    EXPECT_EQ(l.Tipo, 3);
    ASSERT_EQ(l.Ultimo, 2);
    EXPECT_EQ(textos(l), (QStringList{QStringLiteral("A 0001-12345"), QStringLiteral("A"), QStringLiteral("B-5")}));
    for (const RegComprobante& c : l.Items)
        EXPECT_EQ(c.Tipo, 3) << "a list that starts with an invoice is a list of invoices";
    EXPECT_EQ(l.T1, QStringLiteral("B-5")) << "the working fields hold the last row read";
}

TEST_P(VoucherData, KeysAreGlobalAndTheFirstVoucherGetsOne)
{
    AgregarComprobante(10, QStringLiteral("X"), QString(), QString(), 1);
    AgregarComprobante(11, QStringLiteral("Y"), QString(), QString(), 1);
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Select PID, NrQueja from Comprobantes_Quejas order by PID")));
    ASSERT_FALSE(Rs.Eof());
    EXPECT_EQ(Rs.Entero32(0), 1);
    EXPECT_EQ(Rs.Entero32(1), 10);
    Rs.MoveNext();
    EXPECT_EQ(Rs.Entero32(0), 2);
    EXPECT_EQ(Rs.Entero32(1), 11);
    CerrarRs();
}

TEST_P(VoucherData, TextsWithApostrophesAreStoredAsTyped)
{
    AgregarComprobante(4, QStringLiteral("O'Hara 1"), QString(), QString(), 1);
    EXPECT_EQ(GetComprobantes(4).Items.value(0).Texto, QStringLiteral("O'Hara 1"));
    ModificarComprobante(QStringLiteral("O'Hara 1"), 1, 4, QStringLiteral("D'Artagnan"));
    EXPECT_EQ(GetComprobantes(4).Items.value(0).Texto, QStringLiteral("D'Artagnan"));
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(VoucherData, ChangingASharedTextChangesOnlyTheFirstRowButDeletingRemovesAll)
{
    AgregarComprobante(5, QStringLiteral("B-1"), QString(), QString(), 1);
    AgregarComprobante(5, QStringLiteral("B-1"), QString(), QString(), 1);
    AgregarComprobante(5, QStringLiteral("B-1"), QString(), QString(), 2);
    AgregarComprobante(6, QStringLiteral("B-1"), QString(), QString(), 1);

    ModificarComprobante(QStringLiteral("B-1"), 1, 5, QStringLiteral("B-2"));
    EXPECT_EQ(textos(GetComprobantes(5)),
              (QStringList{QStringLiteral("B-2"), QStringLiteral("B-1"), QStringLiteral("B-1")}));

    ModificarComprobante(QStringLiteral("B-2"), 1, 5, QStringLiteral("B-1"));
    ModificarComprobante(QStringLiteral("B-1"), 1, 5, QString());
    const RegListaComprobantes l = GetComprobantes(5);
    ASSERT_EQ(l.Ultimo, 0) << "both tickets went, the luggage ticket with the same text stays";
    EXPECT_EQ(l.Items[0].Tipo, 2);
    EXPECT_EQ(filas(QStringLiteral("NrQueja = 6")), 1) << "another complaint's voucher is untouched";
}

TEST_P(VoucherData, ChangingAVoucherThatNoLongerExistsChangesNothing)
{
    AgregarComprobante(7, QStringLiteral("B-1"), QString(), QString(), 1);
    ModificarComprobante(QStringLiteral("B-9"), 1, 7, QStringLiteral("B-2"));
    ModificarComprobante(QStringLiteral("B-1"), 2, 7, QStringLiteral("B-2"));
    EXPECT_EQ(textos(GetComprobantes(7)), QStringList{QStringLiteral("B-1")});
    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_FALSE(Rs.Abierto());
}

INSTANCIAR_EN_MOTORES(VoucherData);
