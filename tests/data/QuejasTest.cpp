#include "Quejas.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"

namespace {

RegQueja quejaDePrueba()
{
    RegQueja q = QuejaVacia();
    q.fecha_queja = QStringLiteral("05/03/2024");
    q.hora_queja = QStringLiteral("10:15:00");
    q.motivo = 3;
    q.tipo_queja = 2;
    q.causa = 17;
    q.detalle = EscaparComillas(QStringLiteral("El chofer no paró en la parada de O'Higgins"));
    q.Apellido = QStringLiteral("O'Connor Núñez");
    q.Nombres = QStringLiteral("Ana María");
    q.Telefono = QStringLiteral("011-4555-1234");
    q.Telefono2 = QStringLiteral("15-6666-7777");
    q.Correo = QStringLiteral("ana@example.com");
    q.DNI = QStringLiteral("30123456");
    q.Empresa.PID = 4;
    q.Domicilio = QStringLiteral("Av. Siempreviva 742");
    q.Localidad = QStringLiteral("Rosario");
    q.Provincia = QStringLiteral("Santa Fe");
    q.Pais = QStringLiteral("Argentina");
    q.NrLib = QStringLiteral("L-88");
    q.Mediador = QStringLiteral("Defensoría");
    return q;
}

// One column of one complaint, read back as text.
QString columna(const QString& col, qint32 pid)
{
    EjecutarQuery(QStringLiteral("Select ") + col + QStringLiteral(" from Master_Quejas where pid = ") +
                  SqlEntero(pid));
    const QString v = Rs.EsNulo(0) ? QStringLiteral("<null>") : Rs.Texto(0);
    CerrarRs();
    return v;
}

} // namespace

class ComplaintStore : public BaseDePrueba
{
};

TEST_P(ComplaintStore, NewNumbersAreTheHighestPlusOneAndGapsAreNotReused)
{
    EXPECT_EQ(AgregarQueja(quejaDePrueba()), 1);
    RegQueja importada = quejaDePrueba();
    importada.pid = 41;
    InsertarQueja(importada);
    EXPECT_EQ(AgregarQueja(quejaDePrueba()), 42);
    EXPECT_EQ(AgregarQueja(quejaDePrueba()), 43);
    EXPECT_EQ(ExisteQueja(2), 0) << "the gap below 41 stays empty";
}

TEST_P(ComplaintStore, AnEntryFormComplaintReadsBackFieldForField)
{
    UsuarioActual.Pid = 9;
    RegQueja q = quejaDePrueba();
    q.fecha_queja = QStringLiteral("5/3/2024");
    const qint32 pid = AgregarQueja(q);
    ASSERT_EQ(pid, 1);

    const RegQueja r = GetQueja(pid);
    EXPECT_EQ(r.pid, 1);
    EXPECT_EQ(r.fecha_queja, QStringLiteral("05/03/2024"));
    EXPECT_EQ(r.hora_queja, q.hora_queja);
    EXPECT_EQ(r.motivo, 3);
    EXPECT_EQ(r.tipo_queja, 2);
    EXPECT_EQ(r.causa, 17);
    EXPECT_EQ(r.detalle, QStringLiteral("El chofer no paró en la parada de O|~|Higgins")) << "kept escaped";
    EXPECT_EQ(r.Apellido, QStringLiteral("O'Connor Núñez")) << "other texts are stored as typed";
    const QStringList leidos = {r.Nombres, r.Telefono, r.Telefono2, r.Correo, r.DNI, r.Contacto};
    EXPECT_EQ(leidos, (QStringList{q.Nombres, q.Telefono, q.Telefono2, q.Correo, q.DNI, QString()}));
    EXPECT_EQ(r.usuario, 9) << "the logged-in user registers it, whatever the record says";
    EXPECT_EQ(r.Empresa.PID, 4);
    EXPECT_TRUE(r.Empresa.Detalle.isEmpty());
    EXPECT_EQ((QStringList{r.Domicilio, r.Localidad, r.Provincia, r.Pais}),
              (QStringList{q.Domicilio, q.Localidad, q.Provincia, q.Pais}));
    EXPECT_EQ(r.NrLib, QStringLiteral("L-88"));
    EXPECT_EQ(r.Mediador, QStringLiteral("Defensoría"));
    EXPECT_EQ(r.NroQueja, QString()) << "no insert writes the second number";
    EXPECT_EQ(columna(QStringLiteral("Importada"), pid), QStringLiteral("0"));
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Select pid from Master_Quejas where fecha_queja = ") +
                              SqlFecha(QStringLiteral("05/03/2024"))));
    EXPECT_FALSE(Rs.Eof()) << "stored as a date, comparable with a date literal";
    CerrarRs();
}

TEST_P(ComplaintStore, AnUnescapedApostropheInTheDetailIsStillStoredEscaped)
{
    RegQueja q = quejaDePrueba();
    q.detalle = QStringLiteral("it's");
    const qint32 pid = AgregarQueja(q);
    EXPECT_EQ(columna(QStringLiteral("detalle"), pid), QStringLiteral("it|~|s"));
    EXPECT_EQ(RestaurarComillas(GetQueja(pid).detalle), QStringLiteral("it's"));
}

TEST_P(ComplaintStore, AMissingComplaintLoadsWithPidMinusOneAndEmptyFields)
{
    AgregarQueja(quejaDePrueba());
    const RegQueja r = GetQueja(77);
    EXPECT_EQ(r.pid, -1);
    EXPECT_TRUE(r.fecha_queja.isEmpty());
    EXPECT_TRUE(r.Apellido.isEmpty());
    EXPECT_TRUE(r.NroQueja.isEmpty());
    EXPECT_EQ(r.motivo, 0);
    EXPECT_EQ(r.causa, 0);
    EXPECT_EQ(r.Empresa.PID, 0);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ComplaintStore, NullColumnsLoadAsEmptyValuesAndTheRestIsFilled)
{
    ASSERT_TRUE(EjecutarQuery(QStringLiteral("Insert Into Master_Quejas (pid, fecha_queja, hora_queja, motivo, "
                                             "Apellido, Nombres, DNI) values (5, '2024-12-01', '08:00:00', 2, "
                                             "'Gómez', 'Luis', '2222')")));
    const RegQueja r = GetQueja(5);
    EXPECT_EQ(r.pid, 5);
    EXPECT_EQ(r.fecha_queja, QStringLiteral("01/12/2024"));
    EXPECT_EQ(r.motivo, 2);
    EXPECT_EQ(r.Apellido, QStringLiteral("Gómez"));
    EXPECT_EQ(r.DNI, QStringLiteral("2222"));
    EXPECT_TRUE(r.Mediador.isEmpty());
    EXPECT_TRUE(r.detalle.isEmpty());
    EXPECT_EQ(r.tipo_queja, 0);
    EXPECT_EQ(r.Empresa.PID, 0);
    EXPECT_EQ(ErroresQuery, 0);
}

TEST_P(ComplaintStore, AnImportedComplaintKeepsItsNumberWithCompanyOneAndTheImportedFlag)
{
    UsuarioActual.Pid = 9;
    RegQueja q = quejaDePrueba();
    q.pid = 1500;
    q.usuario = 3;
    q.Empresa.PID = 7;
    InsertarQueja(q);
    const RegQueja r = GetQueja(1500);
    EXPECT_EQ(r.pid, 1500);
    EXPECT_EQ(r.usuario, 3) << "the sheet's user, not the logged-in one";
    EXPECT_EQ(r.Empresa.PID, 1);
    EXPECT_EQ(columna(QStringLiteral("Importada"), 1500), QStringLiteral("1"));
    EXPECT_EQ(columna(QStringLiteral("NrLib"), 1500), QStringLiteral("<null>"));
    EXPECT_EQ(columna(QStringLiteral("Mediador"), 1500), QStringLiteral("<null>"));
    EXPECT_EQ(r.Apellido, q.Apellido);
}

TEST_P(ComplaintStore, ImportingANumberAlreadyPresentIsOnlyLogged)
{
    RegQueja q = quejaDePrueba();
    q.pid = 8;
    InsertarQueja(q);
    q.Apellido = QStringLiteral("Otro");
    ErroresQuery = 1;
    InsertarQueja(q);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(ErroresQuery, 0) << "a silent failure resets the count";
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral(" - Secuencia: Insert Into master_quejas")));
    EXPECT_EQ(GetQueja(8).Apellido, quejaDePrueba().Apellido);
}

TEST_P(ComplaintStore, ExistenceAnswersTheNumberOrZero)
{
    RegQueja q = quejaDePrueba();
    q.pid = 12;
    InsertarQueja(q);
    EXPECT_EQ(ExisteQueja(12), 12);
    EXPECT_EQ(ExisteQueja(13), 0);
    EXPECT_EQ(ExisteQueja(0), 0);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(ComplaintStore, EachSetterChangesOnlyItsColumnsOfItsComplaint)
{
    const qint32 a = AgregarQueja(quejaDePrueba());
    const qint32 b = AgregarQueja(quejaDePrueba());

    SetNrLib(a, QStringLiteral("Exp. 'A' 12"));
    SetMotivoCausa(30, 6, a);
    SetEmpresa(a, 9);
    RegQueja t = QuejaVacia();
    t.pid = a;
    t.tipo_queja = 5;
    SetTipoQueja(t);

    const RegQueja ra = GetQueja(a);
    EXPECT_EQ(ra.NrLib, QStringLiteral("Exp. 'A' 12"));
    EXPECT_EQ(ra.causa, 30) << "the reason comes first in the arguments";
    EXPECT_EQ(ra.motivo, 6);
    EXPECT_EQ(ra.Empresa.PID, 9);
    EXPECT_EQ(ra.tipo_queja, 5);
    EXPECT_EQ(ra.Apellido, quejaDePrueba().Apellido);

    const RegQueja rb = GetQueja(b);
    EXPECT_EQ(rb.NrLib, QStringLiteral("L-88"));
    EXPECT_EQ(rb.causa, 17);
    EXPECT_EQ(rb.motivo, 3);
    EXPECT_EQ(rb.Empresa.PID, 4);
    EXPECT_EQ(rb.tipo_queja, 2);
}

INSTANCIAR_EN_MOTORES(ComplaintStore);
