#include "ExportarReclamo.h"

#include "ConsultasDePrueba.h"
#include "ExportarEstadisticas.h"
#include "Formularios.h"
#include "GrillaMemoria.h"
#include "ImprimirSeguimientos.h"
#include "LectorHoja.h"
#include "LectorIndependiente.h"
#include "LibroSalida.h"
#include "LibrosDePrueba.h"
#include "PCarga.h"
#include "ReporteDetallado.h"
#include "VentanaDePrueba.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace {

QByteArray huella(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

void Comprobante(int pid, qint32 queja, int tipo, const char* t1, const char* t2 = "", const char* t3 = "")
{
    Ejecutar(QStringLiteral("INSERT INTO Comprobantes_Quejas (PID, T1, T2, T3, Tipo, NrQueja) VALUES "
                            "(%1, '%2', '%3', '%4', %5, %6)")
                 .arg(pid)
                 .arg(QLatin1String(t1), QLatin1String(t2), QLatin1String(t3))
                 .arg(tipo)
                 .arg(queja));
}

} // namespace

// The complaint sheet over a small catalogue, on both engines; complaint 42 has everything.
class ExportacionReclamo : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(1);
        ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"iac.xlsx"}));
        Ejecutar({
            "INSERT INTO Tipos_Quejas (PID, Detalle) VALUES (1, 'Telefónico')",
            "INSERT INTO Motivos_quejas (PID, Detalle) VALUES (1, 'Equipaje')",
            "INSERT INTO Causas_Quejas (Pid, Detalle) VALUES (2, 'Valija extraviada')",
            "INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (4, 'Autotransportes del Litoral S.A.', "
            "'30-71145820-0')",
            "INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, Apellido, "
            "Nombres, Telefono, Contacto, Correo, DNI, causa, usuario, Empresa, NrLib) VALUES (42, '2025-03-14', "
            "'09:35:00', 1, 1, '''Urgente'': el chofer dijo |~|no hay lugar|~|', 'Gómez', 'Lucía', "
            "'0341 455-1020', '0341155023311', 'lucia.gomez@correo.com.ar', '28456123', 2, 5, 4, 'EXP-118')",
            "INSERT INTO Lugar_Quejas (NroQueja, Lugar, Det_Lugar, Fecha, Dato3, Dato4, Dato5, Desde, Hasta, "
            "Hora_Serv, Unidad) VALUES (42, '2', '3012', '2025-03-13', 'Autotransportes del Litoral', 'AB123CD', "
            "'46', 'Rosario', 'Córdoba', '22:30', '3012')",
            "INSERT INTO Resolucion_quejas (PID, IDQueja, Detalle, Sancion, Monto, Fecha, Cerrada, Usuario, "
            "supervisor, Anulado) VALUES (1, 42, 'Se reintegró el pasaje', 'Apercibimiento', '15000', "
            "'2025-03-20', 1, 5, 'Díaz, Marta', 0)",
        });
        // Ten tickets; the third row is a parcel invoice and the fourth a luggage ticket.
        const char* tipos = "1132111111";
        for (int i = 0; i < 10; ++i)
            Comprobante(i + 1, 42, tipos[i] - '0',
                        qPrintable(QStringLiteral("0001-%1").arg(i + 1, 4, 10, QLatin1Char('0'))));
    }

    // A complaint of company 4 with a place row of the given kind (none when kind is empty).
    void queja(qint32 pid, const QString& lugar, const QString& datos = QString())
    {
        Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, Apellido, Empresa) VALUES (%1, 'Sosa', 4)").arg(pid));
        if (!lugar.isEmpty())
            Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Lugar, Fecha, Det_Lugar, Dato3, Dato4, Dato5, "
                                    "Dato6, Dato7, Dato8, Dato9) VALUES (%1, '%2', '2025-02-01', %3)")
                         .arg(pid)
                         .arg(lugar)
                         .arg(datos));
    }
    QString temp() const { return entorno->carpeta() + QStringLiteral("/temp"); }

    LibrosMostrados libros;
};

TEST_P(ExportacionReclamo, ACoachComplaintFillsEveryCellOfTheSheet)
{
    const QString plantilla = entorno->carpeta() + QStringLiteral("/iac.xlsx");
    const QByteArray antes = huella(plantilla);
    bool progresoVisible = false;
    Excel::EstablecerAbridor([&](const QString& ruta) {
        progresoVisible = Formulario<PCarga>::Cargado();
        libros.rutas << ruta;
        return true;
    });

    const QString ruta = ExportarReclamo(42);
    ASSERT_FALSE(ruta.isEmpty()) << ultimo().texto.toStdString();
    EXPECT_EQ(libros.rutas, QStringList{ruta});
    EXPECT_TRUE(progresoVisible) << "the progress window shows while the sheet is made";
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
    EXPECT_TRUE(mostrados().isEmpty());
    EXPECT_EQ(huella(plantilla), antes) << "the template itself is never changed";
    EXPECT_EQ(QFileInfo(ruta).absolutePath(), QDir(temp()).absolutePath());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}\\.xlsx$")).match(QFileInfo(ruta).fileName()).hasMatch());

    const xlsx::LectorHoja hoja(ruta);
    const std::map<QString, QString> esperado = {
        {"B4", "Autotransportes del Litoral S.A."},
        {"F4", "30-71145820-0"},
        {"D7", "42"},
        {"C11", "Gómez"},
        {"F11", "Lucía"},
        {"C12", "28456123"},
        {"F12", "14/03/2025"},
        {"H12", "09:35:00"},
        {"C13", "0341 455-1020"},
        {"F13", "0341155023311"},
        {"C14", "lucia.gomez@correo.com.ar"},
        {"B24", "'Urgente': el chofer dijo 'no hay lugar'"},
        {"G14", "Telefónico"},
        {"C16", "Equipaje"},
        {"C17", "Valija extraviada"},
        {"D21", "13/03/2025"},
        {"G15", "EXP-118"},
        {"D35", "Rosario"},
        {"D36", "Córdoba"},
        {"D37", "22:30"},
        {"D38", "3012"},
        {"B27", "Nro de unidad"},
        {"C27", "3012"},
        {"D27", "Empresa"},
        {"F27", "Autotransportes del Litoral"},
        {"B28", "Dominio"},
        {"C28", "AB123CD"},
        {"F28", "Asientos"},
        {"G28", "46"},
        {"B29", "Boleto: 0001-0001"},
        {"B30", "Boleto: 0001-0002"},
        {"B31", ""},
        {"D29", "Equipaje: 0001-0004"},
        {"D30", "Boleto: 0001-0005"},
        {"D31", "Boleto: 0001-0006"},
        {"G29", "Boleto: 0001-0007"},
        {"G30", "Boleto: 0001-0008"},
        {"G31", ""},
        {"B42", "Se reintegró el pasaje"},
        {"C46", "20/03/2025"},
        {"C47", "15000"},
        {"C48", "Díaz, Marta"},
        {"C49", "Apercibimiento"},
        {"A4", "Empresa:"},
    };
    for (const auto& [celda, valor] : esperado)
        EXPECT_EQ(hoja.Texto(celda), valor) << celda.toStdString();

    const LibroLeido libro = LeerConOpenpyxl(ruta);
    if (!libro.error.isEmpty())
        GTEST_SKIP() << "no /usr/bin/python3 with openpyxl for the independent check";
    EXPECT_EQ(libro.Celda(QStringLiteral("D7")).tipo, QStringLiteral("n"));
    for (const char* celda : {"F12", "C13", "F13", "D21"})
        EXPECT_TRUE(libro.Celda(QLatin1String(celda)).prefijoTexto) << celda << " keeps the text as typed";
    EXPECT_EQ(libro.Celda(QStringLiteral("C12")).tipo, QStringLiteral("s")) << "a DNI stays a text";
    EXPECT_EQ(libro.Celda(QStringLiteral("B24")).texto, QStringLiteral("'Urgente': el chofer dijo 'no hay lugar'"));
}

TEST_P(ExportacionReclamo, PlaceKindsVoucherListsAndMissingRowsFillTheirCells)
{
    queja(50, QStringLiteral("1"),
          QStringLiteral("'', 'Terminal Rosario', '', 'Rosario', 'Santa Fe', "
                         "'Bv. Oroño 1500', '', ''"));
    queja(51, QStringLiteral("0"), QStringLiteral("'', '', '', '', '', 'Ruta 8 km 220', 'Pergamino', 'Buenos Aires'"));
    queja(52, QString()); // no place row, parcel invoices, no resolution
    Comprobante(20, 52, 3, "A", "0005", "123");
    Comprobante(21, 52, 1, "0001-0009");
    queja(53, QStringLiteral("5"), QStringLiteral("'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'")); // an unknown kind

    const auto celdas = [&](qint32 n, const QStringList& refs) {
        const QString ruta = ExportarReclamo(n);
        EXPECT_FALSE(ruta.isEmpty()) << ultimo().texto.toStdString();
        const xlsx::LectorHoja hoja(ruta);
        QStringList r;
        for (const QString& ref : refs)
            r << ref + QLatin1Char('=') + hoja.Texto(ref);
        return r.join(QLatin1Char(' ')).toStdString();
    };
    const QStringList lugar = {"B27", "C27", "D27", "F27", "B28", "C28", "F28", "G28"};
    EXPECT_EQ(celdas(50, lugar), "B27=Agencia C27=Terminal Rosario D27=Localidad F27=Rosario B28=Provincia "
                                 "C28=Santa Fe F28=Direccion G28=Bv. Oroño 1500");
    EXPECT_EQ(celdas(51, lugar), "B27=Localidad C27=Pergamino D27=Provincia F27=Buenos Aires B28=Direccion "
                                 "C28=Ruta 8 km 220 F28= G28=");
    EXPECT_EQ(celdas(52, lugar + QStringList{"D21", "B29", "B30", "B31", "B42", "C46", "C47", "C48", "C49"}),
              "B27=Localidad C27= D27=Provincia F27= B28=Direccion C28= F28= G28= D21= B29=Encom: A 0005-123 "
              "B30=Encom: 0001-0009 B31= B42= C46= C47= C48= C49=");
    EXPECT_EQ(celdas(53, lugar + QStringList{"B29"}), "B27= C27= D27= F27= B28= C28= F28= G28= B29=");
    EXPECT_FALSE(Formulario<PCarga>::Cargado());
}

TEST_P(ExportacionReclamo, FailuresAreToldLoggedAndLeaveNoWorkbookBehind)
{
    // No template for any of the three.
    QFile::remove(entorno->carpeta() + QStringLiteral("/iac.xlsx"));
    GrillaMemoria grilla(2, 3);
    grilla.SetTextMatrix(1, 0, QStringLiteral("Se llamó al pasajero"));
    EXPECT_TRUE(ExportarReclamo(42).isEmpty());
    EXPECT_TRUE(ImprimirSeguimientos(42, QStringLiteral("Gómez, Lucía"), grilla).isEmpty());
    EXPECT_TRUE(
        ReporteDetallado(QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"), [] { return true; }).isEmpty());
    const QString carpeta = entorno->carpeta();
    ASSERT_EQ(mostrados().size(), 3);
    EXPECT_EQ(mostrados()[0].texto,
              QStringLiteral("No se pudo abrir el libro \"%1/iac.xlsx\": el archivo no existe.").arg(carpeta));
    EXPECT_EQ(mostrados()[1].texto,
              QStringLiteral("No se pudo abrir el libro \"%1/mse.xlsx\": el archivo no existe.").arg(carpeta));
    EXPECT_EQ(mostrados()[2].texto,
              QStringLiteral("No se pudo copiar el libro \"%1/imd.xlsx\": el archivo no existe.").arg(carpeta));
    const QString log = entorno->errLog();
    for (const char* etiqueta : {"Metodo: ExportarReclamo", "Metodo: Imprimir_Click en Seguimiento",
                                 "Metodo: ReporteDet_Click en Reportes", "el archivo no existe"})
        EXPECT_TRUE(log.contains(QLatin1String(etiqueta))) << etiqueta;
    EXPECT_FALSE(Formulario<PCarga>::Cargado()) << "the main window is usable again";
    EXPECT_TRUE(grilla.Visible());

    // A sheet that fails halfway (its template already merges where the first block goes) is removed.
    ASSERT_TRUE(
        QFile::copy(PlantillaDelRepositorio(QStringLiteral("iac.xlsx")), carpeta + QStringLiteral("/mse.xlsx")));
    EXPECT_TRUE(ImprimirSeguimientos(42, QStringLiteral("Gómez, Lucía"), grilla).isEmpty());
    ASSERT_EQ(mostrados().size(), 4);
    EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("se superpone"))) << ultimo().texto.toStdString();
    EXPECT_TRUE(QDir(temp()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(grilla.Visible()) << "the grid is shown again after a failure too";
    EXPECT_TRUE(libros.rutas.isEmpty());
}

TEST_P(ExportacionReclamo, WorkbooksOfOneSecondTakeNumberedNamesAndNoneIsOverwritten)
{
    ASSERT_TRUE(CopiarPlantillas(entorno->carpeta(), {"mse.xlsx", "imd.xlsx", "irf.xlsx"}));
    for (qint32 n = 50; n <= 55; ++n)
        queja(n, QString());
    GrillaMemoria seguimientos(2, 3);
    seguimientos.SetTextMatrix(1, 0, QStringLiteral("Se llamó al pasajero"));
    GrillaMemoria estadistica(2, 2);
    estadistica.SetTextMatrix(1, 0, QStringLiteral("Demora"));

    LibroSalida::EstablecerReloj([] { return QDateTime(QDate(2025, 3, 14), QTime(9, 35, 7)); });
    QStringList rutas;
    for (qint32 n : {42, 50, 51, 52, 53, 54, 55})
        rutas << ExportarReclamo(n);
    rutas << ImprimirSeguimientos(42, QStringLiteral("Gómez, Lucía"), seguimientos);
    rutas << ExportarEstadisticas(estadistica, QString(), QString());
    for (int i = 0; i < 2; ++i)
        rutas << ReporteDetallado(QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025"), [] { return true; });
    LibroSalida::EstablecerReloj({});

    QStringList nombres;
    for (const QString& ruta : rutas)
        nombres << QFileInfo(ruta).fileName();
    EXPECT_EQ(nombres.join(QLatin1Char(' ')).toStdString(),
              "20250314093507.xlsx 20250314093507-2.xlsx 20250314093507-3.xlsx 20250314093507-4.xlsx "
              "20250314093507-5.xlsx 20250314093507-6.xlsx 20250314093507-7.xlsx 20250314093507-8.xlsx "
              "20250314093507-9.xlsx imd20250314093507.xlsx imd20250314093507-2.xlsx");
    EXPECT_TRUE(mostrados().isEmpty()) << ultimo().texto.toStdString();
    EXPECT_EQ(libros.rutas, rutas);
    EXPECT_EQ(QDir(temp()).entryList(QDir::Files).size(), 11);
    // Each file holds what its own export wrote.
    QStringList leidos;
    for (int i = 0; i < 7; ++i)
        leidos << xlsx::LectorHoja(rutas.value(i)).Texto(QStringLiteral("D7"));
    leidos << xlsx::LectorHoja(rutas.value(7)).Texto(QStringLiteral("D11"));
    leidos << xlsx::LectorHoja(rutas.value(8)).Texto(QStringLiteral("B9"));
    EXPECT_EQ(leidos.join(QLatin1Char(' ')).toStdString(), "42 50 51 52 53 54 55 Gómez, Lucía Demora");
}

INSTANCIAR_EN_MOTORES(ExportacionReclamo);
