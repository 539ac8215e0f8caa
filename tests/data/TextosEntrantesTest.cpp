#include "BaseDePrueba.h"
#include "Catalogos.h"
#include "Comprobantes.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"
#include "Equipos.h"
#include "Lugares.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Seguimientos.h"
#include "Sql.h"
#include "Textos.h"
#include "Usuarios.h"

namespace {

// A pasted text of about 100,000 characters holding what the engines cannot store as it is (NUL,
// lone surrogates, one at the very end), beside what must survive: apostrophes, a backslash,
// accents and a character outside the basic plane.
struct TextoHostil
{
    QString tipeado;
    QString guardado; // as it must read back
};

TextoHostil Hostil()
{
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    const QString reemplazo(QChar(QChar::ReplacementCharacter));
    QString tramo = QStringLiteral("a'b\\c");
    tramo += QChar(0);
    tramo += QChar(0xD800);
    tramo += QStringLiteral("ñ");
    tramo += QChar(0xDC00);
    tramo += emoji + QStringLiteral("z ");
    const QString limpio =
        QStringLiteral("a'b\\c") + reemplazo + QStringLiteral("ñ") + reemplazo + emoji + QStringLiteral("z ");
    TextoHostil t;
    while (t.tipeado.size() < 100000) {
        t.tipeado += tramo;
        t.guardado += limpio;
    }
    t.tipeado += QChar(0xD83D);
    t.guardado += reemplazo;
    return t;
}

} // namespace

class TextosEntrantes : public BaseDePrueba
{
protected:
    void Preparar() override { UsuarioActual.Pid = 7; }
};

TEST_P(TextosEntrantes, HostileTextsThroughEveryWriterAreStoredCleanedAndEndNothing)
{
    const TextoHostil h = Hostil();
    const QString& t = h.tipeado;
    const QString& g = h.guardado;

    RegQueja q = QuejaVacia();
    q.fecha_queja = QStringLiteral("01/01/2024");
    for (QString* campo : {&q.hora_queja, &q.Apellido, &q.Nombres, &q.Telefono, &q.Telefono2, &q.Correo, &q.Contacto,
                           &q.DNI, &q.Domicilio, &q.Localidad, &q.Provincia, &q.Pais, &q.NrLib, &q.Mediador})
        *campo = t;
    q.detalle = EscaparComillas(t);
    const qint32 n = AgregarQueja(q);
    ASSERT_GT(n, 0);
    q.pid = 900;
    InsertarQueja(q);
    for (qint32 pid : {n, 900}) {
        const RegQueja l = GetQueja(pid);
        ASSERT_EQ(l.pid, pid);
        for (const QString& campo : {l.hora_queja, l.Apellido, l.Nombres, l.Telefono, l.Telefono2, l.Correo, l.Contacto,
                                     l.DNI, l.Domicilio, l.Localidad, l.Provincia, l.Pais})
            EXPECT_EQ(campo, g) << pid;
        EXPECT_EQ(RestaurarComillas(l.detalle), g);
    }
    EXPECT_EQ(GetQueja(n).NrLib, g);
    EXPECT_EQ(GetQueja(n).Mediador, g);

    // The case window's field edits.
    for (qint16 codigo : {1, 8, 10, 12, 13, 14})
        SetCampoQueja(900, codigo, t + QString::number(codigo));
    SetDetalleQueja(900, EscaparComillas(QStringLiteral("otro ") + t));
    SetNrLib(n, QStringLiteral("libro ") + t);
    const RegQueja editada = GetQueja(900);
    EXPECT_EQ(editada.Domicilio, g + QStringLiteral("1"));
    EXPECT_EQ(editada.Apellido, g + QStringLiteral("8"));
    EXPECT_EQ(editada.DNI, g + QStringLiteral("10"));
    EXPECT_EQ(editada.Mediador, g + QStringLiteral("13"));
    EXPECT_EQ(editada.NroQueja, g + QStringLiteral("14"));
    EXPECT_EQ(RestaurarComillas(editada.detalle), QStringLiteral("otro ") + g);
    EXPECT_EQ(GetQueja(n).NrLib, QStringLiteral("libro ") + g);

    // Place, both from the window and from the import.
    RegLugar lugar = LugarVacio();
    lugar.Fecha = QStringLiteral("02/01/2024");
    for (QString* campo :
         {&lugar.Det_Lugar, &lugar.Hora, &lugar.Dato3, &lugar.Dato4, &lugar.Dato5, &lugar.Dato6, &lugar.Dato7,
          &lugar.Dato8, &lugar.Dato9, &lugar.Comprobante, &lugar.Legajos, &lugar.Det_legajos, &lugar.Desde,
          &lugar.Hasta, &lugar.Hora_Serv, &lugar.Sector, &lugar.Unidad})
        *campo = t;
    ASSERT_TRUE(GuardarLugar(lugar, n));
    lugar.NroQueja = 900;
    InsertarLugar(lugar);
    for (qint32 pid : {n, 900}) {
        const RegLugar l = GetLugar(pid);
        for (const QString& campo : {l.Det_Lugar, l.Hora, l.Dato3, l.Dato4, l.Dato5, l.Dato6, l.Dato7, l.Dato8, l.Dato9,
                                     l.Legajos, l.Desde, l.Hasta, l.Hora_Serv, l.Unidad})
            EXPECT_EQ(campo, g) << pid;
    }
    EXPECT_EQ(GetLugar(n).Comprobante, g);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Sector FROM Lugar_Quejas WHERE NroQueja = 900")), g);

    // Vouchers: added, then found again by their typed text and changed.
    AgregarComprobante(n, t, t, t, 3);
    AgregarComprobante(900, t, QString(), QString(), 1);
    const RegListaComprobantes encomienda = GetComprobantes(n);
    EXPECT_EQ(encomienda.T1, g);
    EXPECT_EQ(encomienda.T2, g);
    EXPECT_EQ(encomienda.T3, g);
    ModificarComprobante(t, 1, 900, t + QStringLiteral("!"));
    ASSERT_EQ(GetComprobantes(900).Ultimo, 0);
    EXPECT_EQ(GetComprobantes(900).Items[0].Texto, g + QStringLiteral("!"));

    // Follow-ups from the window and from the import.
    EXPECT_TRUE(AgregarSeguimiento(n, QStringLiteral("03/01/2024"), EscaparComillas(t), 7));
    RegSeguimiento s = SeguimientoVacio();
    s.Queja = 900;
    s.ApYNom = t;
    s.Detalle = EscaparComillas(t);
    s.Fecha = QStringLiteral("03/01/2024");
    InsertarSeguimiento(s);
    for (qint32 pid : {n, 900}) {
        const RegListaSeguimientos l = GetSeguimientos(pid);
        ASSERT_EQ(l.Ultimo, 0) << pid;
        EXPECT_EQ(RestaurarComillas(l.Items[0].Detalle), g);
    }
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT ApYNom FROM Seguimiento_quejas WHERE Queja = 900")), g);

    // Resolutions from the window and from the import.
    RegResolucion r = ResolucionVacia();
    r.IDQueja = n;
    r.Detalle = r.Sancion = r.Monto = r.Supervisor = t;
    ASSERT_TRUE(GuardarResolucion(r));
    r.IDQueja = 900;
    InsertarResolucion(r);
    for (qint32 pid : {n, 900}) {
        const RegResolucion l = GetResolucion(pid);
        for (const QString& campo : {l.Detalle, l.Sancion, l.Monto, l.Supervisor})
            EXPECT_EQ(campo, g) << pid;
    }

    // Catalogues: a reason is found again by its typed text.
    AgregarCategoria(t);
    AgregarCausa(t);
    const qint16 causa = GetCausas().Items.value(0).PID;
    EXPECT_EQ(GetCausaDesc(causa), g);
    EXPECT_EQ(GetOAgregarCausa(t), causa) << "the typed text finds the stored one";
    EXPECT_EQ(GetMotivoDesc(GetMotivos().Items.last().PID), g);
    ModificarCausa(causa, 1, t + QStringLiteral("?"));
    EXPECT_EQ(GetCausaDesc(causa), g + QStringLiteral("?"));

    // A user and this workstation's registry row.
    RegUsuario u;
    u.Nivel = 1;
    u.Usuario = u.Nombres = u.Apellido = t;
    EXPECT_TRUE(GuardarUsuario(u, CodificarBase64(QStringLiteral("clave")), 1));
    ASSERT_EQ(GetUsuarios().Ultimo, 0);
    EXPECT_EQ(GetUsuarios().Items[0].Usuario, g);
    EXPECT_EQ(GetUsuarios().Items[0].Apellido, g);
    EXPECT_FALSE(GuardarUsuario(u, QString(), 1)) << "the typed name is seen as taken";
    RegistrarMAC(t, t);
    const RegListaEquipos equipos = GetRegistrosDepurados();
    ASSERT_EQ(equipos.Ultimo, 0);
    EXPECT_EQ(equipos.Items[0].MAC, g);
    EXPECT_EQ(equipos.Items[0].PC, g);

    EXPECT_EQ(ErroresQuery, 0);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_TRUE(entorno->errLog().isEmpty()) << entorno->errLog().left(2000).toStdString();
}

INSTANCIAR_EN_MOTORES(TextosEntrantes);
