#include "Busquedas.h"
#include "BaseDePrueba.h"
#include "Comprobantes.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "GrillaMemoria.h"
#include "Quejas.h"
#include "Sql.h"

#include <QTimer>

namespace {

qint32 complaint(const QString& fecha, const QString& apellido, const QString& dni = QStringLiteral("20000000"),
                 const QString& hora = QStringLiteral("10:15:00"))
{
    RegQueja q = QuejaVacia();
    q.fecha_queja = fecha;
    q.hora_queja = hora;
    q.Apellido = apellido;
    q.Nombres = QStringLiteral("Ana");
    q.DNI = dni;
    return AgregarQueja(q);
}

void resolucion(qint32 pid, qint32 queja, int cerrada, const QString& anulado)
{
    ASSERT_TRUE(EjecutarQuery(
        QStringLiteral("Insert Into Resolucion_quejas (PID, IDQueja, Cerrada, Anulado) values (%1, %2, %3, %4)")
            .arg(SqlEntero(pid), queja < 0 ? QStringLiteral("NULL") : SqlEntero(queja), SqlEntero(cerrada), anulado)));
}

QStringList encabezado(const Grilla& g)
{
    QStringList r;
    for (int c = 0; c < g.Cols(); ++c)
        r << g.TextMatrix(0, c) + QLatin1Char('/') + QString::number(g.ColWidth(c));
    return r;
}

const QStringList kCuatro = {QStringLiteral("Nro/1000"), QStringLiteral("Fecha/1000"), QStringLiteral("Hora/1000"),
                             QStringLiteral("Ape y nom/2800")};
const QStringList kCinco = kCuatro + QStringList{QStringLiteral("DNI/1800")};

} // namespace

class ComplaintSearches : public BaseDePrueba
{
protected:
    // A grid left over from an earlier list, with more columns and rows than any list needs.
    GrillaMemoria grilla{7, 8};
};

TEST_P(ComplaintSearches, EachListRebuildsItsHeaderAndDropsEarlierRows)
{
    complaint(QStringLiteral("01/01/2024"), QStringLiteral("Uno"));
    grilla.SetTextMatrix(3, 2, QStringLiteral("viejo"));

    ListarQuejas(grilla, 100, true);
    EXPECT_EQ(encabezado(grilla), kCuatro);
    EXPECT_EQ(grilla.Rows(), 2);
    ListarQuejasPeriodo(grilla, QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024"));
    EXPECT_EQ(encabezado(grilla), kCinco) << "the period list keeps its header texts";
    EXPECT_EQ(grilla.Rows(), 2);
    BuscarQuejas(0, QStringLiteral("20"), grilla);
    EXPECT_EQ(encabezado(grilla), kCinco);
    EXPECT_TRUE(grilla.Visible());
    grilla.SetVisible(false);
    BuscarQuejasComprobante(1, QStringLiteral("x"), QString(), QString(), grilla);
    EXPECT_EQ(encabezado(grilla), kCuatro);
    EXPECT_EQ(grilla.Rows(), 1) << "no match leaves the header row only";
    EXPECT_FALSE(grilla.Visible()) << "an empty search leaves the visibility as it was";

    // An unknown mode finds nothing instead of ending the program.
    BuscarQuejas(4, QStringLiteral("U"), grilla);
    EXPECT_EQ(grilla.Rows(), 1);
    BuscarQuejasComprobante(0, QStringLiteral("U"), QString(), QString(), grilla);
    EXPECT_EQ(grilla.Rows(), 1);
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(ComplaintSearches, TheOpenListOmitsSolvedAndAnnulledComplaintsButNotOtherFlags)
{
    for (int i = 1; i <= 5; ++i)
        complaint(QStringLiteral("01/01/2024"), QStringLiteral("Q%1").arg(i));
    resolucion(1, 1, 1, QStringLiteral("0"));    // solved
    resolucion(2, 2, 0, QStringLiteral("1"));    // annulled
    resolucion(3, 3, 2, QStringLiteral("NULL")); // imported with Cerrada 2: still open here
    resolucion(4, 4, 0, QStringLiteral("0"));
    resolucion(5, -1, 1, QStringLiteral("1")); // a stray row must not empty the list

    ListarQuejas(grilla, 100, false);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3")}));
    EXPECT_EQ(grilla.TextMatrix(1, 1), QStringLiteral("01/01/2024"));
    EXPECT_EQ(grilla.TextMatrix(1, 2), QStringLiteral("10:15:00"));
    EXPECT_EQ(grilla.TextMatrix(1, 3), QStringLiteral("Q5, Ana"));

    ListarQuejas(grilla, 2, false);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("5"), QStringLiteral("4")})) << "the n latest";

    ListarQuejasPeriodo(grilla, QStringLiteral("01/01/2024"), QStringLiteral("01/01/2024"));
    EXPECT_EQ(ColumnaDeGrilla(grilla),
              (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2")}))
        << "annulled complaints stay in the period list; solved ones go";
}

TEST_P(ComplaintSearches, TheFullListPutsDateTimeAndNameInTheDateCell)
{
    complaint(QStringLiteral("05/03/2024"), QStringLiteral("Pérez"));
    complaint(QStringLiteral("06/03/2024"), QStringLiteral("Ríos"));
    resolucion(1, 1, 1, QStringLiteral("1"));
    ListarQuejas(grilla, 100, true);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_EQ(grilla.TextMatrix(2, 1), QStringLiteral("05/03/2024 - 10:15:00 - Pérez, Ana"));
    EXPECT_EQ(grilla.TextMatrix(2, 2), QStringLiteral("10:15:00"));
    EXPECT_EQ(grilla.TextMatrix(2, 3), QStringLiteral("Pérez, Ana"));
}

TEST_P(ComplaintSearches, ThePeriodListIncludesItsBoundsInCalendarOrder)
{
    complaint(QStringLiteral("02/03/2024"), QStringLiteral("Marzo"), QStringLiteral("111"));
    complaint(QStringLiteral("01/12/2024"), QStringLiteral("Diciembre"), QStringLiteral("222"));
    complaint(QStringLiteral("01/03/2024"), QStringLiteral("Antes"));
    complaint(QStringLiteral("02/12/2024"), QStringLiteral("Despues"));
    complaint(QStringLiteral("02/03/2024"), QStringLiteral("Marzo bis"));

    grilla.SetVisible(true);
    ListarQuejasPeriodo(grilla, QStringLiteral("02/03/2024"), QStringLiteral("1/12/2024"));
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("1")}))
        << "December before March, then the higher number first on the same day";
    EXPECT_EQ(grilla.TextMatrix(1, 4), QStringLiteral("222"));
    EXPECT_TRUE(grilla.Visible());

    ListarQuejasPeriodo(grilla, QStringLiteral("01/01/2020"), QStringLiteral("31/12/2020"));
    EXPECT_EQ(grilla.Rows(), 1);
    EXPECT_TRUE(grilla.Visible()) << "shown again even when nothing was found";
}

TEST_P(ComplaintSearches, TextSearchesMatchInsideIgnoringCaseAndAccents)
{
    complaint(QStringLiteral("01/01/2024"), QStringLiteral("GARCÍA"), QStringLiteral("30123456"));
    complaint(QStringLiteral("02/01/2024"), QStringLiteral("O'Brien"), QStringLiteral("99999999"));
    complaint(QStringLiteral("03/01/2024"), QStringLiteral("Garcilaso"), QStringLiteral("12000000"));
    SetNrLib(2, QStringLiteral("EXP-55"));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Update Master_Quejas set NroQueja = 'R-77' where pid = 1")));

    BuscarQuejas(0, QStringLiteral("12"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("3"), QStringLiteral("1")}))
        << "12 in the middle counts";
    EXPECT_EQ(grilla.TextMatrix(2, 4), QStringLiteral("30123456"));

    BuscarQuejas(1, QStringLiteral("garcia"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")});
    BuscarQuejas(1, QStringLiteral("o'bri"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("2")});
    BuscarQuejas(2, QStringLiteral("exp-5"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("2")});
    BuscarQuejas(3, QStringLiteral("r-7"), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("1")});
    BuscarQuejas(1, QStringLiteral("%"), grilla);
    EXPECT_EQ(grilla.Rows(), 1) << "a typed % is a plain character";
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(ComplaintSearches, VoucherSearchesMatchTheChosenParts)
{
    const qint32 ticket = complaint(QStringLiteral("01/01/2024"), QStringLiteral("Boleto"));
    const qint32 equipaje = complaint(QStringLiteral("02/01/2024"), QStringLiteral("Equipaje"));
    const qint32 factura = complaint(QStringLiteral("03/01/2024"), QStringLiteral("Factura"));
    const qint32 otra = complaint(QStringLiteral("04/01/2024"), QStringLiteral("Otra"));
    AgregarComprobante(ticket, QStringLiteral("BOL-4455"), QString(), QString(), 1);
    AgregarComprobante(equipaje, QStringLiteral("BOL-4455"), QString(), QString(), 2);
    AgregarComprobante(factura, QStringLiteral("A"), QStringLiteral("0001"), QStringLiteral("12345"), 3);
    AgregarComprobante(otra, QStringLiteral("B"), QStringLiteral("0002"), QStringLiteral("12345"), 3);

    const auto buscar = [&](qint16 modo, const QString& a, const QString& b = QString(), const QString& c = QString()) {
        BuscarQuejasComprobante(modo, a, b, c, grilla);
        return ColumnaDeGrilla(grilla);
    };
    const QString t = QString::number(ticket), e = QString::number(equipaje), f = QString::number(factura),
                  o = QString::number(otra);
    EXPECT_EQ(buscar(1, QStringLiteral("bol-44")), QStringList{t});
    EXPECT_EQ(buscar(2, QStringLiteral("4455")), QStringList{e});
    EXPECT_EQ(buscar(3, QStringLiteral("a"), QStringLiteral("01"), QStringLiteral("234")), QStringList{f});
    EXPECT_EQ(buscar(4, QStringLiteral("b"), QStringLiteral("0002")), QStringList{o});
    EXPECT_EQ(buscar(5, QStringLiteral("a")), QStringList{f});
    EXPECT_EQ(buscar(6, QStringLiteral("000"), QStringLiteral("12345")), (QStringList{o, f}));
    EXPECT_EQ(buscar(7, QStringLiteral("b"), QStringLiteral("123")), QStringList{o});
    EXPECT_EQ(buscar(8, QStringLiteral("345")), (QStringList{o, f}));
    EXPECT_EQ(buscar(9, QStringLiteral("0001")), QStringList{f}) << "mode 9 looks at the point of sale";
    EXPECT_EQ(grilla.TextMatrix(1, 3), QStringLiteral("Factura, Ana"));
}

TEST_P(ComplaintSearches, ARowWithNullColumnsIsListedWithEmptyCells)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Insert Into Master_Quejas (pid) values (9)")));
    complaint(QStringLiteral("01/01/2024"), QStringLiteral("Uno"));
    ListarQuejas(grilla, 10, true);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("10"), QStringLiteral("9")}));
    EXPECT_EQ(grilla.TextMatrix(2, 3), QStringLiteral(", "));
    EXPECT_EQ(grilla.TextMatrix(2, 2), QString());
    BuscarQuejas(2, QString(), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), QStringList{QStringLiteral("10")}) << "a Null NrLib contains nothing";
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Update Master_Quejas set DNI = '7' where pid = 9")));
    BuscarQuejas(0, QString(), grilla);
    EXPECT_EQ(ColumnaDeGrilla(grilla), (QStringList{QStringLiteral("10"), QStringLiteral("9")}))
        << "an undated complaint comes last on both engines";
}

TEST_P(ComplaintSearches, TheSummaryOfAComplaintOrMinusOne)
{
    const qint32 q = complaint(QStringLiteral("5/3/2024"), QStringLiteral("Pérez"), QStringLiteral("30111222"));
    const RegResumenQueja r = GetResumenQueja(q);
    EXPECT_EQ(r.PID, q);
    EXPECT_EQ(r.Fecha, QStringLiteral("05/03/2024"));
    EXPECT_EQ(r.Hora, QStringLiteral("10:15:00"));
    EXPECT_EQ(r.Apellido, QStringLiteral("Pérez"));
    EXPECT_EQ(r.Nombres, QStringLiteral("Ana"));
    EXPECT_EQ(r.DNI, QStringLiteral("30111222"));

    const RegResumenQueja n = GetResumenQueja(q + 1);
    EXPECT_EQ(n.PID, -1);
    EXPECT_TRUE(n.Apellido.isEmpty() && n.Fecha.isEmpty() && n.DNI.isEmpty());
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ComplaintSearches, AFillThatYieldsHoldsNoResultSetAndStopsWhenItsGridGoesOrIsRefilled)
{
    complaint(QStringLiteral("01/03/2024"), QStringLiteral("Uno"));
    complaint(QStringLiteral("02/03/2024"), QStringLiteral("Dos"));
    complaint(QStringLiteral("03/03/2024"), QStringLiteral("Otro"));

    // Between two rows another window reads (it must simply work) and the grid's window is
    // closed: the fill stops without touching the grid again.
    auto* propia = new GrillaMemoria(2, 2);
    bool leyo = false;
    QTimer::singleShot(0, [&] {
        leyo = GetQueja(1).pid == 1;
        delete propia;
    });
    BuscarQuejas(1, QStringLiteral("uno"), *propia);
    EXPECT_TRUE(leyo);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_EQ(ErroresQuery, 0);

    // A second search of the same grid started between two rows wins; nothing of the first
    // is added after it.
    QTimer::singleShot(0, [&] { BuscarQuejas(1, QStringLiteral("dos"), grilla); });
    BuscarQuejas(1, QStringLiteral("o"), grilla);
    ASSERT_EQ(grilla.Rows(), 2);
    EXPECT_EQ(grilla.TextMatrix(1, 0), QStringLiteral("2"));
    EXPECT_TRUE(grilla.Visible());
}

TEST_P(ComplaintSearches, ASearchTextLongerThanAPatternMayBeIsStillSearched)
{
    // A long paste into a search box: past what SQLite takes as a LIKE pattern.
    const QString largo = QString(30000, QChar(0x00F1)); // "ñ", two bytes each
    complaint(QStringLiteral("01/03/2024"), QStringLiteral("Pérez ") + largo);
    complaint(QStringLiteral("02/03/2024"), QStringLiteral("Otro"));
    BuscarQuejas(1, largo, grilla);
    EXPECT_EQ(entorno->terminaciones, 0);
    ASSERT_EQ(grilla.Rows(), 2);
    EXPECT_EQ(grilla.TextMatrix(1, 0), QStringLiteral("1"));
}

// A common text matches thousands of complaints of which a search lists 100: each text search and
// the period list walk an index already in the list's order and stop there, instead of sorting
// every match first.
TEST_P(ComplaintSearches, DateOrderedListsWalkAnIndexInsteadOfSortingEveryMatch)
{
    complaint(QStringLiteral("01/03/2024"), QStringLiteral("Pérez"));
    // On the server a sort is then taken only where nothing else gives the order.
    if (esPostgres())
        Ejecutar(QStringLiteral("SET enable_sort = off"));
    const auto plan = [&](const std::function<void()>& lista) {
        const QString sql = SentenciasDurante(lista).value(0);
        return esPostgres() ? LeerFilas(QStringLiteral("EXPLAIN ") + sql, 1, QString()).join(QLatin1Char('\n'))
                            : LeerFilas(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, 4, QStringLiteral(" "))
                                  .join(QLatin1Char('\n'));
    };
    const QString orden = esPostgres() ? QStringLiteral("Sort") : QStringLiteral("TEMP B-TREE");
    for (qint16 modo = 0; modo <= 3; ++modo) {
        const QString p = plan([&] { BuscarQuejas(modo, QStringLiteral("pe"), grilla); });
        EXPECT_FALSE(p.contains(orden)) << "mode " << modo << "\n" << p.toStdString();
    }
    const QString p =
        plan([&] { ListarQuejasPeriodo(grilla, QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")); });
    EXPECT_FALSE(p.contains(orden)) << p.toStdString();
    if (esPostgres())
        Ejecutar(QStringLiteral("RESET enable_sort"));
}

INSTANCIAR_EN_MOTORES(ComplaintSearches);
