#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "LectorHoja.h"
#include "LectorIndependiente.h"
#include "LibrosDePrueba.h"
#include "PCarga.h"
#include "Seguimiento.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QPushButton>
#include <QTest>

// The print buttons of the case window and of the follow-up window, over complaint 42 with three
// follow-ups, on both engines.
class BotonesDeImpresion : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"iac.xlsx", "mse.xlsx"}));
        Ejecutar({
            "INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) VALUES "
            "(5, 'aperez', 'Ana María', 'Pérez', 1, '')",
            "INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (4, 'Autotransportes del Litoral S.A.', '30-7')",
            "INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, Apellido, Nombres, DNI, Empresa) VALUES "
            "(42, '2025-03-14', '09:35:00', 'O''Brien', 'Lucía', '28456123', 4)",
            "INSERT INTO Seguimiento_quejas (Pid, Queja, Detalle, Usuario, Fecha) VALUES "
            "(1, 42, 'Se llamó al pasajero', 5, '2025-03-15'), "
            "(2, 42, 'Respondió que |~|ya no viaja|~|', 9, '2025-03-18'), "
            "(3, 42, 'Se cerró el caso', 5, '2025-03-19')",
        });
    }

    LibrosMostrados libros;
};

TEST_P(BotonesDeImpresion, TheFollowUpSheetHasTheHeaderAndOneBlockPerNoteAsTheGridShowsIt)
{
    Seguimiento* w = Formulario<Seguimiento>::Obtener();
    w->show();
    w->Cargar_Seg(42);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Imprimir")), Qt::LeftButton);

    ASSERT_EQ(libros.rutas.size(), 1) << ultimo().texto.toStdString();
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_TRUE(w->findChild<GrillaTabla*>(QStringLiteral("Msf1"))->isVisible()) << "the grid is shown again";
    const QString ruta = libros.rutas[0];
    const xlsx::LectorHoja hoja(ruta);
    const std::map<QString, QString> esperado = {
        {"D5", "Autotransportes del Litoral S.A."},
        {"D7", "42"},
        {"D11", "O'Brien, Lucía"},
        {"C12", "28456123"},
        {"F12", "14/03/2025"},
        {"H12", "09:35:00"},
        {"B16", "19/03/2025"},
        {"F16", "Pérez, Ana María"},
        {"B17", "Se cerró el caso"},
        {"B20", "18/03/2025"},
        {"F20", "Usuario Inexistente: 9"},
        {"B21", "Respondió que 'ya no viaja'"},
        {"B24", "15/03/2025"},
        {"F24", "Pérez, Ana María"},
        {"B25", "Se llamó al pasajero"},
        {"B15", "Fecha"},
    };
    for (const auto& [celda, valor] : esperado)
        EXPECT_EQ(hoja.Texto(celda), valor) << celda.toStdString();
    EXPECT_EQ(hoja.UltimaFila(), 25);

    const LibroLeido libro = LeerConOpenpyxl(ruta);
    if (!libro.error.isEmpty())
        GTEST_SKIP() << "no /usr/bin/python3 with openpyxl for the independent check";
    for (const char* rango : {"F16:H16", "B17:H18", "F20:H20", "B21:H22", "F24:H24", "B25:H26"})
        EXPECT_TRUE(libro.combinadas.contains(QLatin1String(rango))) << rango;
    const CeldaLeida texto = libro.Celda(QStringLiteral("B21"));
    EXPECT_EQ(texto.horizontal, QStringLiteral("justify"));
    EXPECT_EQ(texto.vertical, QStringLiteral("distributed"));
    EXPECT_EQ(texto.bordeSuperior, QStringLiteral("hair"));
    EXPECT_EQ(libro.Celda(QStringLiteral("B20")).bordeIzquierdo, QStringLiteral("hair"));
    EXPECT_EQ(libro.Celda(QStringLiteral("F20")).bordeSuperior, QStringLiteral("hair"));
    EXPECT_TRUE(libro.Celda(QStringLiteral("B20")).prefijoTexto) << "the date stays a text";
    EXPECT_TRUE(libro.Celda(QStringLiteral("F12")).prefijoTexto);
    EXPECT_EQ(libro.Celda(QStringLiteral("D7")).tipo, QStringLiteral("n"));
}

TEST_P(BotonesDeImpresion, TheCaseWindowExportsTheComplaintItShows)
{
    VisAtte* w = Formulario<VisAtte>::Obtener();
    w->Cargar_Reclamo(42);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Imprimir_Atte")), Qt::LeftButton);

    ASSERT_EQ(libros.rutas.size(), 1) << ultimo().texto.toStdString();
    const xlsx::LectorHoja hoja(libros.rutas[0]);
    EXPECT_EQ(hoja.Texto(QStringLiteral("D7")), QStringLiteral("42"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("C11")), QStringLiteral("O'Brien"));
    EXPECT_EQ(hoja.Texto(QStringLiteral("B4")), QStringLiteral("Autotransportes del Litoral S.A."));
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
}

INSTANCIAR_EN_MOTORES(BotonesDeImpresion);
