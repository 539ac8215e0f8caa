#include "Lugar.h"

#include "Calendario.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "Lugares.h"
#include "Usuarios.h"
#include "VentanaDePrueba.h"
#include "VisAtte.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kHoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

} // namespace

class LugarVentana : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        UsuarioActual.Nivel = 2;
        Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES "
                                "(4, 'Autotransportes del Litoral S.A.', '30-71145820-0')"));
        Ejecutar(QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) VALUES "
                                "(1, 3012, 4, 52, 'AE 655 JP')"));
        Ejecutar(QStringLiteral(
            "INSERT INTO MasterAgencias (Pid, Codplu, CodEnco, Descripcion, GrupoInt, Telefono1, Correo, Domicilio, "
            "piso_depto, numeral, localidad, Provincia, pais) VALUES (7, '45', 'E45', 'Terminal Rosario', 3, "
            "'(0341) 437-2260', '', 'Cafferata 702', '', '', 'Rosario', 'Santa Fe', 'Argentina')"));
    }

    // As the case window does: show, then load the complaint.
    Lugar* abrir(qint32 n)
    {
        Lugar* w = Formulario<Lugar>::Obtener();
        w->show();
        w->Setear_Queja(n);
        return w;
    }

    QLineEdit* dato(int i) { return caja(QStringLiteral("Dato%1").arg(i)); }
    QLineEdit* caja(const QString& nombre) { return Formulario<Lugar>::SiCargado()->findChild<QLineEdit*>(nombre); }
    QLabel* etiqueta(int i)
    {
        return Formulario<Lugar>::SiCargado()->findChild<QLabel*>(QStringLiteral("Etiqueta%1").arg(i));
    }
    bool visible(QWidget* w) { return !w->isHidden(); }

    // A pick in the kind list, as the user makes it.
    void elegirLugar(int indice)
    {
        Elegir(Formulario<Lugar>::SiCargado()->findChild<QComboBox*>(QStringLiteral("Lugar")), indice);
    }

    void guardar()
    {
        QTest::mouseClick(Formulario<Lugar>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Guarda")),
                          Qt::LeftButton);
    }
};

TEST_P(LugarVentana, DateBoxTurnsEightDigitsIntoADateAndMovesToTheTime)
{
    Lugar* w = abrir(1);
    dato(1)->setFocus();
    EscribirYEnter(dato(1), QStringLiteral("3112202"));
    EXPECT_EQ(dato(1)->text(), QStringLiteral("3112202"));
    EXPECT_EQ(w->focusWidget(), dato(1));
    EscribirYEnter(dato(1), QStringLiteral("31-12-2025"));
    EXPECT_EQ(dato(1)->text(), QStringLiteral("31-12-2025"));
    EXPECT_EQ(w->focusWidget(), dato(1));

    EscribirYEnter(dato(1), QStringLiteral("31122025"));
    EXPECT_EQ(dato(1)->text(), QStringLiteral("31/12/2025"));
    EXPECT_EQ(w->focusWidget(), dato(2));
}

TEST_P(LugarVentana, TimeBoxWritesHoursAndMinutes)
{
    abrir(1);
    const std::pair<const char*, const char*> casos[] = {{"945", "09:45"},   {"0945", "09:45"},  {"1430", "14:30"},
                                                         {"09:45", "09:45"}, {"12345", "12345"}, {"9a5", "9a5"}};
    for (const auto& [tecleado, queda] : casos) {
        EscribirYEnter(dato(2), QString::fromLatin1(tecleado));
        EXPECT_EQ(dato(2)->text(), QString::fromLatin1(queda)) << tecleado;
    }
}

TEST_P(LugarVentana, EachKindOfPlaceRelabelsItsBoxes)
{
    abrir(1);
    elegirLugar(1);
    EXPECT_EQ(etiqueta(0)->text(), QStringLiteral("Cod. Agencia"));
    EXPECT_EQ(etiqueta(3)->text(), QStringLiteral("Agencia"));
    EXPECT_EQ(etiqueta(4)->text(), QStringLiteral("Teléfono"));
    EXPECT_TRUE(visible(dato(0)));

    elegirLugar(2);
    EXPECT_EQ(etiqueta(0)->text(), QStringLiteral("Nr. Coche"));
    EXPECT_EQ(etiqueta(3)->text(), QStringLiteral("Empresa"));
    EXPECT_EQ(etiqueta(4)->text(), QStringLiteral("Dominio"));
    EXPECT_EQ(etiqueta(5)->text(), QStringLiteral("Asientos"));
    EXPECT_EQ(etiqueta(6)->text(), QStringLiteral("Localidad"));
    EXPECT_TRUE(visible(dato(5)));

    dato(0)->setText(QStringLiteral("3012"));
    elegirLugar(0);
    EXPECT_FALSE(visible(dato(0)));
    EXPECT_EQ(dato(0)->text(), QString());
    EXPECT_FALSE(visible(etiqueta(3)));
    EXPECT_EQ(etiqueta(7)->text(), QStringLiteral("Direccion"));
    EXPECT_EQ(etiqueta(8)->text(), QStringLiteral("Localidad"));
    EXPECT_EQ(etiqueta(9)->text(), QStringLiteral("Provincia"));
    for (int i : {7, 8, 9})
        EXPECT_TRUE(dato(i)->isEnabled()) << i;
    EXPECT_EQ(etiqueta(1)->text(), QStringLiteral("Fecha del suceso."));
    EXPECT_EQ(etiqueta(2)->text(), QStringLiteral("Hora del suceso."));
}

TEST_P(LugarVentana, AgencyLookupNormalisesTheCodeAndFillsTheAgency)
{
    abrir(1);
    elegirLugar(1);
    dato(8)->setText(QStringLiteral("resto"));
    EscribirYEnter(dato(0), QStringLiteral("00045"));
    EXPECT_EQ(dato(0)->text(), QStringLiteral("00045")) << "the box keeps what was typed";
    EXPECT_EQ(dato(3)->text(), QStringLiteral("Terminal Rosario"));
    EXPECT_EQ(dato(4)->text(), QStringLiteral("(0341) 437-2260"));
    EXPECT_EQ(dato(5)->text(), QStringLiteral("Rosario"));
    EXPECT_EQ(dato(6)->text(), QStringLiteral("Santa Fe"));
    EXPECT_EQ(dato(7)->text(), QStringLiteral("Cafferata 702"));
    EXPECT_EQ(etiqueta(7)->text(), QStringLiteral("Dirección"));
    EXPECT_FALSE(visible(dato(8)));
    EXPECT_FALSE(visible(dato(9)));
    EXPECT_EQ(dato(8)->text(), QString());

    EscribirYEnter(dato(0), QStringLiteral("99"));
    for (int i = 3; i <= 7; ++i)
        EXPECT_EQ(dato(i)->text(), QString()) << i;
}

TEST_P(LugarVentana, CoachLookupFillsCompanyPlateAndSeats)
{
    abrir(1);
    elegirLugar(2);
    EscribirYEnter(dato(0), QStringLiteral("3012"));
    EXPECT_EQ(dato(3)->text(), QStringLiteral("Autotransportes del Litoral S.A."));
    EXPECT_EQ(dato(4)->text(), QStringLiteral("AE 655 JP"));
    EXPECT_EQ(dato(5)->text(), QStringLiteral("52"));
    EXPECT_EQ(etiqueta(6)->text(), QStringLiteral("Chasis"));
    EXPECT_EQ(dato(6)->text(), QString());
    for (int i : {7, 8, 9})
        EXPECT_TRUE(dato(i)->isEnabled()) << i;
    EXPECT_EQ(etiqueta(8)->text(), QStringLiteral("Localidad"));

    EscribirYEnter(dato(0), QStringLiteral("7777"));
    EXPECT_EQ(dato(3)->text(), QString());
    EXPECT_EQ(dato(5)->text(), QStringLiteral("0"));
    // A code that is not a number finds no coach instead of ending the program.
    EscribirYEnter(dato(0), QStringLiteral("30 12"));
    EXPECT_EQ(dato(3)->text(), QString());
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(LugarVentana, SaveStoresTextsAsTypedAndTheWindowShowsThemAgain)
{
    abrir(20);
    elegirLugar(2);
    EscribirYEnter(dato(0), QStringLiteral("3012"));
    EscribirYEnter(dato(1), QStringLiteral("05032024"));
    EscribirYEnter(dato(2), QStringLiteral("930"));
    dato(7)->setText(QStringLiteral("Ruta 9 km 12, frente a lo de D'Alessandro"));
    dato(8)->setText(QStringLiteral("Villa Constitución"));
    dato(9)->setText(QStringLiteral("Santa Fe"));
    caja(QStringLiteral("Legajos"))->setText(QStringLiteral("Chofer 'Toto' Pérez"));
    caja(QStringLiteral("Desde"))->setText(QStringLiteral("Paraná"));
    caja(QStringLiteral("Hasta"))->setText(QStringLiteral("Retiro"));
    caja(QStringLiteral("Hora_Serv"))->setText(QStringLiteral("22:15"));
    caja(QStringLiteral("Unidad"))->setText(QStringLiteral("3012"));
    guardar();

    ASSERT_FALSE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_EQ(ultimo().texto, QStringLiteral("Datos guardados correctamente"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Fecha, hora y datos lugar guardados"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_FALSE(Formulario<Lugar>::Cargado()) << "the window unloads itself after a save";

    const RegLugar r = GetLugar(20);
    EXPECT_EQ(r.Lugar, 2);
    EXPECT_EQ(r.Det_Lugar, QStringLiteral("3012"));
    EXPECT_EQ(r.Fecha, QStringLiteral("05/03/2024"));
    EXPECT_EQ(r.Hora, QStringLiteral("09:30"));
    EXPECT_EQ(r.Dato3, QStringLiteral("Autotransportes del Litoral S.A."));
    EXPECT_EQ(r.Dato5, QStringLiteral("52"));
    EXPECT_EQ(r.Dato7, QStringLiteral("Ruta 9 km 12, frente a lo de D'Alessandro"));
    EXPECT_EQ(r.Dato8, QStringLiteral("Villa Constitución"));
    EXPECT_EQ(r.Legajos, QStringLiteral("Chofer 'Toto' Pérez"));
    EXPECT_EQ(r.Desde, QStringLiteral("Paraná"));
    EXPECT_EQ(r.Hora_Serv, QStringLiteral("22:15"));
    EXPECT_EQ(r.Tipo_Comprob, 0);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    abrir(20);
    EXPECT_EQ(Formulario<Lugar>::SiCargado()->findChild<QComboBox*>(QStringLiteral("Lugar"))->currentIndex(), 2);
    EXPECT_EQ(etiqueta(6)->text(), QStringLiteral("Chasis"));
    EXPECT_EQ(dato(1)->text(), QStringLiteral("05/03/2024"));
    EXPECT_EQ(dato(7)->text(), QStringLiteral("Ruta 9 km 12, frente a lo de D'Alessandro"));
    EXPECT_EQ(caja(QStringLiteral("Legajos"))->text(), QStringLiteral("Chofer 'Toto' Pérez"));
    EXPECT_EQ(caja(QStringLiteral("Hasta"))->text(), QStringLiteral("Retiro"));

    // A second save replaces the row.
    dato(2)->setText(QStringLiteral("23:50"));
    guardar();
    EXPECT_EQ(GetLugar(20).Hora, QStringLiteral("23:50"));
    EXPECT_EQ(LeerEntero(QStringLiteral("Select count(*) from Lugar_Quejas where NroQueja = 20")), 1);
}

TEST_P(LugarVentana, LongStoredTextsInTheBoxesReadFromTheirStart)
{
    const QString agencia = QStringLiteral("Terminal de Ómnibus Mariano Moreno, dársena 14, planta alta");
    Ejecutar(QStringLiteral("UPDATE MasterAgencias SET Descripcion = '%1', localidad = 'San Martín de los Andes, "
                            "Departamento Lácar' WHERE Pid = 7")
                 .arg(agencia));
    RegLugar l = LugarVacio();
    l.Lugar = 1;
    l.Det_Lugar = QStringLiteral("45");
    l.Fecha = QStringLiteral("05/03/2024");
    l.Hora = QStringLiteral("09:30");
    l.Dato3 = agencia;
    l.Dato4 = QStringLiteral("(0341) 437-2260 / 437-2261 / 437-2262 interno 14");
    l.Dato5 = QStringLiteral("San Martín de los Andes, Departamento Lácar");
    l.Dato6 = QStringLiteral("Tierra del Fuego, Antártida e Islas del Atlántico Sur");
    l.Dato7 = QStringLiteral("Avenida Costanera Norte 1450, frente a la estación de servicio");
    l.Legajos = QStringLiteral("Leg. 4521 Juan Pérez y Leg. 3310 Carlos Benítez (acompañante)");
    l.Desde = QStringLiteral("San Carlos de Bariloche, Río Negro");
    l.Hasta = QStringLiteral("Ciudad Autónoma de Buenos Aires (Retiro)");
    l.Hora_Serv = QStringLiteral("22:15");
    l.Unidad = QStringLiteral("3012 - Autotransportes del Litoral S.A.");
    ASSERT_TRUE(GuardarLugar(l, 30));

    Lugar* w = abrir(30);
    QCoreApplication::sendPostedEvents();
    QStringList cajas{QStringLiteral("Legajos"), QStringLiteral("Desde"), QStringLiteral("Hasta"),
                      QStringLiteral("Hora_Serv"), QStringLiteral("Unidad")};
    for (int i = 0; i < 10; ++i)
        cajas << QStringLiteral("Dato%1").arg(i);
    EXPECT_EQ(CajasSinSuInicio(w, cajas), "");
    EXPECT_GT(dato(3)->fontMetrics().horizontalAdvance(agencia), dato(3)->width()) << "longer than its box";

    // An agency looked up by its code fills its boxes from the master table.
    EscribirYEnter(dato(0), QStringLiteral("45"));
    EXPECT_EQ(dato(3)->text(), agencia);
    EXPECT_EQ(CajasSinSuInicio(w, {QStringLiteral("Dato3"), QStringLiteral("Dato4"), QStringLiteral("Dato5"),
                                   QStringLiteral("Dato6"), QStringLiteral("Dato7")}),
              "");
}

TEST_P(LugarVentana, SaveRefusesWhatItCannotStore)
{
    abrir(21);
    guardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Lugar no seteado"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);

    elegirLugar(1);
    EscribirYEnter(dato(0), QStringLiteral("999"));
    dato(1)->setText(kHoy);
    guardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("No se ha seteado el lugar del suceso"));
    EXPECT_EQ(ultimo().titulo, QStringLiteral("Error al guardar"));

    EscribirYEnter(dato(0), QStringLiteral("45"));
    for (const QString& fecha : {QDate::currentDate().addDays(1).toString(QStringLiteral("dd/MM/yyyy")),
                                 QStringLiteral("31/02/2024"), QStringLiteral("ayer"), QString()}) {
        dato(1)->setText(fecha);
        guardar();
        EXPECT_EQ(ultimo().texto, QStringLiteral("Fecha de suceso no valida")) << fecha.toStdString();
        EXPECT_EQ(ultimo().titulo, QStringLiteral("Error en fecha"));
    }
    EXPECT_EQ(ExisteLugar(21), 0);
    EXPECT_TRUE(Formulario<Lugar>::Cargado());

    dato(1)->setText(kHoy);
    guardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Datos guardados correctamente"));
    EXPECT_EQ(GetLugar(21).Fecha, kHoy);
}

TEST_P(LugarVentana, OtherPlaceKeepsTheAgencyTextsOfItsHiddenBoxes)
{
    abrir(22);
    elegirLugar(1);
    EscribirYEnter(dato(0), QStringLiteral("45"));
    elegirLugar(0);
    dato(1)->setText(QStringLiteral("1/3/2024"));
    dato(7)->setText(QStringLiteral("Plaza San Martín"));
    guardar();
    const RegLugar r = GetLugar(22);
    EXPECT_EQ(r.Lugar, 0);
    EXPECT_EQ(r.Det_Lugar, QString());
    EXPECT_EQ(r.Dato3, QStringLiteral("Terminal Rosario"));
    EXPECT_EQ(r.Dato6, QStringLiteral("Santa Fe"));
    EXPECT_EQ(r.Dato7, QStringLiteral("Plaza San Martín"));
    EXPECT_EQ(r.Fecha, QStringLiteral("01/03/2024"));
}

TEST_P(LugarVentana, OnlyAdvancedUsersChangeAStoredPlace)
{
    RegLugar l = LugarVacio();
    l.Fecha = QStringLiteral("01/02/2024");
    ASSERT_TRUE(GuardarLugar(l, 30));

    UsuarioActual.Nivel = 1;
    abrir(30);
    EXPECT_FALSE(Formulario<Lugar>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Guarda"))->isEnabled());
    Formulario<Lugar>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    abrir(31);
    EXPECT_TRUE(Formulario<Lugar>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Guarda"))->isEnabled());
    EXPECT_EQ(dato(1)->text(), QString()) << "a complaint without a place opens empty";
    Formulario<Lugar>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    UsuarioActual.Nivel = 2;
    abrir(30);
    EXPECT_TRUE(Formulario<Lugar>::SiCargado()->findChild<QPushButton*>(QStringLiteral("Guarda"))->isEnabled());
    EXPECT_EQ(dato(1)->text(), QStringLiteral("01/02/2024"));
    Formulario<Lugar>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The rule holds when the save happens: a place another desk stored meanwhile stays.
    UsuarioActual.Nivel = 1;
    abrir(31);
    enOtroPuesto(7, 2, [] {
        RegLugar otro = LugarVacio();
        otro.Fecha = QStringLiteral("01/02/2024");
        otro.Legajos = QStringLiteral("Puesto A");
        ASSERT_TRUE(GuardarLugar(otro, 31));
    });
    elegirLugar(0);
    dato(1)->setText(kHoy);
    caja(QStringLiteral("Legajos"))->setText(QStringLiteral("Puesto B"));
    guardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Los datos del hecho fueron modificados desde otro equipo. Vuelva a "
                                             "abrirlos para ver los guardados."));
    ASSERT_TRUE(Formulario<Lugar>::Cargado());
    EXPECT_EQ(caja(QStringLiteral("Legajos"))->text(), QStringLiteral("Puesto B"));
    EXPECT_EQ(GetLugar(31).Legajos, QStringLiteral("Puesto A"));
}

TEST_P(LugarVentana, CalendarAndDoubleClickFillTheEventDate)
{
    Lugar* w = abrir(1);
    auto* mv1 = w->findChild<Calendario*>(QStringLiteral("MV1"));
    ASSERT_NE(mv1, nullptr);
    EXPECT_TRUE(mv1->isHidden());
    EXPECT_EQ(mv1->Value(), QDate::currentDate());
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("OpenFecha")), Qt::LeftButton);
    EXPECT_FALSE(mv1->isHidden());

    mv1->Elegir(QDate::currentDate().addDays(1));
    EXPECT_EQ(ultimo().texto, QStringLiteral("No se puede cargar una fecha posterior al día de hoy"));
    EXPECT_EQ(ultimo().icono, Icono::Informacion);
    EXPECT_FALSE(mv1->isHidden());
    EXPECT_EQ(dato(1)->text(), QString());

    mv1->Elegir(QDate(2024, 3, 5));
    EXPECT_EQ(dato(1)->text(), QStringLiteral("05/03/2024"));
    EXPECT_TRUE(mv1->isHidden());

    // The calendar's own keyboard pick reaches the window as a date click.
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("OpenFecha")), Qt::LeftButton);
    mv1->SetValue(QDate(2023, 11, 20));
    auto* vista = mv1->findChild<QAbstractItemView*>();
    ASSERT_NE(vista, nullptr);
    QTest::keyClick(vista, Qt::Key_Return);
    EXPECT_EQ(dato(1)->text(), QStringLiteral("20/11/2023"));
    EXPECT_TRUE(mv1->isHidden());

    QTest::mouseDClick(dato(1), Qt::LeftButton);
    EXPECT_EQ(dato(1)->text(), kHoy);
    dato(2)->clear();
    QTest::mouseDClick(dato(2), Qt::LeftButton);
    EXPECT_EQ(dato(2)->text(), QString());
}

TEST_P(LugarVentana, ASaveFromTheCaseWindowReloadsTheComplaintThere)
{
    Ejecutar(QStringLiteral("INSERT INTO Master_Quejas (pid, fecha_queja, hora_queja, motivo, tipo_queja, detalle, "
                            "Apellido, Nombres, DNI, causa, usuario, Empresa) VALUES (50, '2025-03-14', '09:35:00', 0, "
                            "0, 'Demora', 'Gómez', 'Lucía', '28456123', 0, 0, 0)"));
    VisAtte* caso = Formulario<VisAtte>::Obtener();
    caso->Cargar_Reclamo(50);
    QTest::mouseClick(caso->findChild<QPushButton*>(QStringLiteral("Datoss")), Qt::LeftButton);
    ASSERT_TRUE(Formulario<Lugar>::Cargado());

    elegirLugar(0);
    dato(1)->setText(QStringLiteral("13/03/2025"));
    // Changed behind the case window: only a reload shows it.
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET Apellido = 'Gómez Paz' WHERE pid = 50"));
    guardar();

    EXPECT_EQ(ultimo().texto, QStringLiteral("Datos guardados correctamente"));
    EXPECT_EQ(GetLugar(50).Fecha, QStringLiteral("13/03/2025"));
    EXPECT_FALSE(Formulario<Lugar>::Cargado());
    EXPECT_EQ(caso->NumeroCargado(), 50);
    EXPECT_EQ(caso->findChild<QLineEdit*>(QStringLiteral("Apellido"))->text(), QStringLiteral("Gómez Paz"));
}

TEST_P(LugarVentana, ADoubleClickOnADayIsOnePick)
{
    Lugar* w = abrir(1);
    auto* mv1 = w->findChild<Calendario*>(QStringLiteral("MV1"));
    mv1->SetVisible(true);
    const QDate manana = QDate::currentDate().addDays(1);
    // What Qt reports for a double-click: the first click, then the activation.
    emit mv1->clicked(manana);
    emit mv1->activated(manana);
    EXPECT_EQ(entorno->dialogos->mostrados.size(), 1);
}

TEST_P(LugarVentana, LoadingAnotherComplaintDoesNotCarryThePreviousPlace)
{
    abrir(40);
    elegirLugar(1);
    EscribirYEnter(dato(0), QStringLiteral("45"));
    caja(QStringLiteral("Legajos"))->setText(QStringLiteral("Legajo 7"));

    Formulario<Lugar>::SiCargado()->Setear_Queja(41);
    EXPECT_EQ(Formulario<Lugar>::SiCargado()->findChild<QComboBox*>(QStringLiteral("Lugar"))->currentIndex(), -1);
    EXPECT_EQ(dato(3)->text(), QString());
    EXPECT_EQ(caja(QStringLiteral("Legajos"))->text(), QString());
    guardar();
    EXPECT_EQ(ultimo().texto, QStringLiteral("Lugar no seteado"));
    EXPECT_EQ(ExisteLugar(41), 0);
}

INSTANCIAR_EN_MOTORES(LugarVentana);
