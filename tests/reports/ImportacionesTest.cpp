#include "Importaciones.h"

#include "Aplicacion.h"
#include "AtPrinc.h"
#include "Comprobantes.h"
#include "ConsultasDePrueba.h"
#include "Formularios.h"
#include "LibrosDeImportacion.h"
#include "Lugares.h"
#include "PCarga.h"
#include "Quejas.h"
#include "Resoluciones.h"
#include "Seguimientos.h"
#include "VentanaDePrueba.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTimer>

// The imports of the legacy workbooks, on both engines, with workbooks written by another program.
class Importaciones : public VentanaDePrueba
{
protected:
    void Preparar() override
    {
        entrar(3);
        Ejecutar(QStringLiteral("INSERT INTO Usuarios_Quejas (Pid, usuario, nombres, Apellido, nivel, pass) "
                                "VALUES (7, 'lvera', 'Luis', 'Vera', 1, '')"));
    }

    QString imp() const { return Aplicacion::Ruta(QStringLiteral("imp.xlsx")); }
    QString seg() const { return Aplicacion::Ruta(QStringLiteral("seg.xlsx")); }
    // The answers to the three questions of "Importar pasos 1-2 y 4".
    void responder(std::initializer_list<bool> respuestas)
    {
        for (bool si : respuestas)
            entorno->dialogos->Responder(si ? Respuesta::Si : Respuesta::No);
    }
    QString log() const { return entorno->errLog(); }
    int contar(const char* tabla, const QString& donde = QString())
    {
        return LeerEntero(
            QStringLiteral("SELECT count(*) FROM %1%2")
                .arg(QLatin1String(tabla), donde.isEmpty() ? QString() : QStringLiteral(" WHERE ") + donde));
    }
    void comunesAlFinal()
    {
        EXPECT_EQ(entorno->terminaciones, 0);
        EXPECT_FALSE(Formulario<PCarga>::Cargado()) << "the progress window goes at the end";
        EXPECT_FALSE(Rs.Abierto());
    }
    void complaints(std::initializer_list<qint32> pids)
    {
        for (qint32 pid : pids)
            FilaQueja(pid, QStringLiteral("01/01/2020"), QStringLiteral("Previa"), QStringLiteral("Ana"),
                      QStringLiteral("1"));
    }
};

TEST_P(Importaciones, StageOneTakesEachColumnAsTheLegacyDeskDid)
{
    FilaCausa(3, QStringLiteral("Demora"));
    complaints({101});
    EscribirLibro(
        imp(),
        {
            {2,
             {{"A", Nu(100)},
              {"B", Tx("Gómez O'Neill Ana María")},
              {"C", Tx("30111222")},
              {"D", Tx("351 555-1234")},
              {"E", Tx("San Martín 12")},
              {"F", Tx("Córdoba")},
              {"G", Nu(1)},
              {"K", Nu(1)},
              {"O", Fe(15, 3, 2011)},
              {"Z", Tx("Llegó tarde el 'micro'")},
              {"AA", Tx("Demora")},
              {"AB", Tx("Vera, Luis")},
              {"AH", Tx("x")}}},
            {3, {{"A", Nu(101)}, {"B", Tx("Otro Nombre")}}},
            {4,
             {{"A", Nu(102.7)}, {"B", Tx("Sosa")}, {"H", Nu(1)}, {"I", Nu(1)}, {"J", Nu(1)}, {"O", Tx("sin fecha")}}},
            {5, {{"A", Nu(103)}, {"AB", Tx("Nadie")}, {"O", Tx("02/01/2012")}}},
            {6, {{"A", Tx("abc")}, {"B", Tx("Sin Número")}}},
            {7, {{"B", Tx("Sin Número")}}},
            {8, {{"A", Nu(104)}}},
            {9, {{"A", Nu(100)}, {"B", Tx("Duplicado")}}},
            {10, {{"A", Tx("105")}, {"B", Tx("Uno Dos Tres Cuatro Cinco Seis Siete")}}},
        });
    responder({true, false, false});
    ImportarNovedades(imp());

    ASSERT_EQ(mostrados().size(), 3);
    EXPECT_EQ(mostrados()[0].texto, QStringLiteral("Proceder con la importación de novedades?"));
    EXPECT_EQ(mostrados()[0].titulo, QStringLiteral("Importar Novedades"));
    EXPECT_EQ(mostrados()[0].botones, Botones::SiNo);
    EXPECT_EQ(mostrados()[1].titulo, QStringLiteral("Importar Lugares y fechas"));
    EXPECT_EQ(mostrados()[2].texto, QStringLiteral("Proceder con la importación de resoluciones?"));

    const RegQueja q = GetQueja(100);
    EXPECT_EQ(q.Apellido, QStringLiteral("Gómez"));
    EXPECT_EQ(q.Nombres, QStringLiteral("O\"Neill Ana María")) << "apostrophes become double quotes on reading";
    EXPECT_EQ(q.DNI, QStringLiteral("30111222"));
    EXPECT_EQ(q.Telefono, QStringLiteral("351 555-1234"));
    EXPECT_EQ(q.Domicilio, QStringLiteral("San Martín 12"));
    EXPECT_EQ(q.Localidad, QStringLiteral("Córdoba"));
    EXPECT_EQ(q.Pais, QStringLiteral("Argentina"));
    EXPECT_EQ(q.tipo_queja, 6) << "G wins over K";
    EXPECT_EQ(q.fecha_queja, QStringLiteral("15/03/2011"));
    EXPECT_EQ(q.detalle, QStringLiteral("Llegó tarde el \"micro\""));
    EXPECT_EQ(q.causa, 3);
    EXPECT_EQ(q.usuario, 7);
    EXPECT_EQ(q.Empresa.PID, 1);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT Importada FROM Master_Quejas WHERE pid = 100")), 1);

    EXPECT_EQ(GetQueja(101).Apellido, QStringLiteral("Previa")) << "an existing number is skipped at once";
    const RegQueja sosa = GetQueja(102);
    EXPECT_EQ(sosa.tipo_queja, 5) << "I wins over H, H over J";
    EXPECT_EQ(sosa.fecha_queja, QStringLiteral("01/01/2012"));
    EXPECT_EQ(sosa.usuario, 7) << "an empty AB repeats the last operator";
    const RegQueja nadie = GetQueja(103);
    EXPECT_EQ(nadie.tipo_queja, 4) << "no flag";
    EXPECT_EQ(nadie.usuario, 12) << "an unknown operator";
    EXPECT_EQ(nadie.fecha_queja, QStringLiteral("02/01/2012"));
    EXPECT_EQ(nadie.causa, sosa.causa) << "the empty-named reason is created once";
    EXPECT_EQ(contar("Causas_Quejas", QStringLiteral("Detalle = ''")), 1);
    EXPECT_EQ(GetQueja(104).usuario, 12);
    EXPECT_EQ(GetQueja(100).Nombres, q.Nombres) << "a number repeated in the same batch is skipped";
    EXPECT_EQ(GetQueja(105).Nombres, QStringLiteral("Dos Tres Cuatro Cinco Seis Siete")) << "no given name is lost";
    EXPECT_EQ(contar("Master_Quejas"), 6);

    EXPECT_TRUE(
        log().contains(QStringLiteral(" - Descripcion: imp.xlsx, fila 6: la columna A no es un número: \"abc\"")));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Descripcion: imp.xlsx, fila 7: la columna A está vacía")));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Metodo: ImportarNovedades")));
    EXPECT_EQ(log().count(QStringLiteral(" - Descripcion: ")), 2) << log().toStdString();
    comunesAlFinal();
}

TEST_P(Importaciones, StageTwoPlacesTheEventAndTakesTheCoachCompany)
{
    complaints({1, 2, 3, 4, 5, 6});
    Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (5, 'Plusmar', '30-1')"));
    Ejecutar(QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) "
                            "VALUES (1, 3012, 5, 46, 'AB123CD')"));
    Ejecutar(QStringLiteral("INSERT INTO Lugar_Quejas (NroQueja, Det_Lugar) VALUES (5, 'previo')"));
    EscribirLibro(imp(), {
                             {2,
                              {{"A", Nu(1)},
                               {"P", Fe(1, 3, 2024)},
                               {"Q", Tx("10:20")},
                               {"R", Tx("Córdoba")},
                               {"S", Tx("Rosario")},
                               {"T", Nu(3012)},
                               {"U", Tx("Norte")},
                               {"X", Tx("Chofer O'Neill")},
                               {"Y", Tx("123")}}},
                             {3, {{"A", Nu(2)}, {"T", Nu(999)}}},
                             {4, {{"A", Nu(3)}, {"N", Fe(2, 2, 2022)}, {"W", Tx("no es de este paso")}}},
                             {5, {{"A", Nu(4)}, {"P", Tx("no")}, {"N", Fe(2, 2, 2022)}, {"V", Tx("x")}}},
                             {6, {{"A", Nu(5)}, {"R", Tx("nuevo")}}},
                             {7, {{"A", Tx("x")}, {"R", Tx("Salta")}}},
                             {8, {{"S", Tx("Mendoza")}}},
                             {9, {{"A", Nu(6)}, {"T", Tx("Coche 12")}, {"P", Tx("32/13/2020")}}},
                             {10, {{"S", Tx("Salta")}}},
                         });
    responder({false, true, false});
    ImportarNovedades(imp());

    const RegLugar coche = GetLugar(1);
    EXPECT_EQ(coche.Lugar, 2);
    EXPECT_EQ(coche.Det_Lugar, QStringLiteral("3012"));
    EXPECT_EQ(coche.Unidad, QStringLiteral("3012"));
    EXPECT_EQ(coche.Dato3, QStringLiteral("Plusmar"));
    EXPECT_EQ(coche.Dato4, QStringLiteral("AB123CD"));
    EXPECT_EQ(coche.Dato5, QStringLiteral("46"));
    EXPECT_EQ(coche.Fecha, QStringLiteral("01/03/2024"));
    EXPECT_EQ(coche.Hora_Serv, QStringLiteral("10:20:00"));
    EXPECT_EQ(coche.Desde, QStringLiteral("Córdoba"));
    EXPECT_EQ(coche.Hasta, QStringLiteral("Rosario"));
    EXPECT_EQ(coche.Legajos, QStringLiteral("123"));
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT Sector, Det_legajos FROM Lugar_Quejas WHERE NroQueja = 1"), 2,
                        QStringLiteral("|")),
              QStringList{QStringLiteral("Norte|Chofer O\"Neill")});
    EXPECT_EQ(GetQueja(1).Empresa.PID, 5) << "the complaint takes the coach's company";

    const RegLugar sinCoche = GetLugar(2);
    EXPECT_EQ(sinCoche.Lugar, 0) << "a number that matches no coach";
    EXPECT_EQ(sinCoche.Det_Lugar, QStringLiteral("999"));
    EXPECT_EQ(sinCoche.Unidad, QStringLiteral("999"));
    EXPECT_EQ(ExisteLugar(3), 0) << "N and W do not mark a row as having data";
    EXPECT_EQ(GetLugar(4).Fecha, QStringLiteral("02/02/2022")) << "P not a date: N's date";
    EXPECT_EQ(GetLugar(5).Det_Lugar, QStringLiteral("previo")) << "an existing place is skipped";
    EXPECT_EQ(GetLugar(0).Hasta, QStringLiteral("Mendoza")) << "data without a number goes under complaint 0";
    EXPECT_EQ(GetLugar(6).Det_Lugar, QStringLiteral("Coche 12"));
    EXPECT_EQ(GetLugar(6).Fecha, QStringLiteral("01/01/1900"));
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 7: la columna A no es un número: \"x\"")));
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 10: la base de datos no guardó la fila")))
        << "a second row without a number is refused: complaint 0 has its place";
    EXPECT_EQ(contar("Lugar_Quejas"), 6);

    // A second run finds every place present; only the rows without a number come back, refused.
    responder({false, true, false});
    ImportarNovedades(imp());
    EXPECT_EQ(contar("Lugar_Quejas"), 6);
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 8: la base de datos no guardó la fila")));
    EXPECT_EQ(ErroresQuery, 0);
    comunesAlFinal();
}

TEST_P(Importaciones, StageThreeStoresResolutionsWithTheirDateRules)
{
    complaints({1, 2, 3, 4, 5});
    EscribirLibro(imp(), {
                             {2, {{"A", Nu(1)}, {"AH", Nu(1)}}},
                             {3, {{"A", Nu(2)}, {"AF", Tx("0")}}},
                             {4, {{"A", Nu(3)}, {"AG", Fe(5, 6, 2023)}}},
                             {5, {{"A", Nu(4)}, {"AE", Tx("pendiente")}, {"AG", Fe(7, 7, 2023)}}},
                             {6,
                              {{"A", Nu(5)},
                               {"AC", Tx("Supervisor Díaz")},
                               {"AD", Tx("Se reintegró el 'pasaje'")},
                               {"AE", Fe(1, 2, 2023)},
                               {"AF", Tx("1500")},
                               {"AG", Tx("nunca")},
                               {"AH", Nu(1)},
                               {"AI", Tx("Apercibimiento")},
                               {"AJ", Tx("Vera, Luis")}}},
                             {7, {{"A", Nu(999)}, {"AD", Tx("huérfana")}}},
                             {8, {{"AD", Tx("sin número")}}},
                         });
    responder({false, false, true});
    ImportarNovedades(imp());

    EXPECT_EQ(GetResolucion(1).IDQueja, -1) << "AH alone is no resolution";
    EXPECT_EQ(GetResolucion(2).IDQueja, -1) << "a \"0\" alone is no resolution";
    const RegResolucion soloFin = GetResolucion(3);
    EXPECT_EQ(soloFin.IDQueja, 0);
    EXPECT_EQ(soloFin.Fecha, QString());
    EXPECT_EQ(soloFin.FechaFin, QStringLiteral("05/06/2023"));
    const RegResolucion sinInicio = GetResolucion(4);
    EXPECT_EQ(sinInicio.Fecha, QStringLiteral("07/07/2023"));
    EXPECT_EQ(sinInicio.FechaFin, QStringLiteral("07/07/2023"));
    const RegResolucion r = GetResolucion(5);
    EXPECT_EQ(r.Supervisor, QStringLiteral("Supervisor Díaz"));
    EXPECT_EQ(r.Detalle, QStringLiteral("Se reintegró el \"pasaje\""));
    EXPECT_EQ(r.Fecha, QStringLiteral("01/02/2023"));
    EXPECT_EQ(r.FechaFin, QString());
    EXPECT_EQ(r.Monto, QStringLiteral("1500"));
    EXPECT_EQ(r.Cerrada, 1);
    EXPECT_EQ(r.Sancion, QStringLiteral("Apercibimiento"));
    EXPECT_EQ(r.Usuario, 7);
    EXPECT_EQ(contar("Resolucion_quejas", QStringLiteral("IDQueja = 0")), 1);
    EXPECT_EQ(contar("Resolucion_quejas"), 4);
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 7: el reclamo 999 no existe")));

    // A complaint keeps its one resolution: a second run stores nothing and names every row.
    responder({false, false, true});
    ImportarNovedades(imp());
    EXPECT_EQ(contar("Resolucion_quejas"), 4);
    for (const auto& [fila, reclamo] : {std::pair{4, 3}, {5, 4}, {6, 5}, {8, 0}})
        EXPECT_TRUE(log().contains(
            QStringLiteral("imp.xlsx, fila %1: el reclamo %2 ya tiene una resolución").arg(fila).arg(reclamo)))
            << fila;
    EXPECT_EQ(GetResolucion(5).Detalle, r.Detalle);
    comunesAlFinal();
}

TEST_P(Importaciones, NoToEveryQuestionReadsNothingAndLeavesNoProgressWindow)
{
    ImportarNovedades(imp()); // no workbook: nothing may try to read it
    ASSERT_EQ(mostrados().size(), 3);
    for (const CuadroMostrado& c : mostrados()) {
        EXPECT_EQ(c.botones, Botones::SiNo);
        EXPECT_EQ(c.icono, Icono::Ninguno);
    }
    EXPECT_TRUE(log().isEmpty());
    comunesAlFinal();
}

TEST_P(Importaciones, AWorkbookThatCannotBeReadIsNamedAndNothingIsWritten)
{
    responder({true, true, true});
    ImportarNovedades(imp());
    ASSERT_EQ(mostrados().size(), 2) << "the chain stops at the first stage that cannot read";
    EXPECT_TRUE(mostrados()[1].texto.contains(QStringLiteral("No se pudo leer el libro \"%1\"").arg(imp())));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Metodo: ImportarNovedades")));
    comunesAlFinal();

    QFile danado(seg());
    ASSERT_TRUE(danado.open(QIODevice::WriteOnly));
    danado.write("PK\x03\x04 no es un libro");
    danado.close();
    ImportarSeguimientos(seg());
    EXPECT_TRUE(ultimo().texto.contains(QStringLiteral("seg.xlsx")));
    EXPECT_EQ(contar("Seguimiento_quejas"), 0);
    comunesAlFinal();
}

TEST_P(Importaciones, ARefusedRowLosesOnlyItself)
{
    if (esPostgres())
        Ejecutar(QStringLiteral("ALTER TABLE Master_Quejas ADD CONSTRAINT sin_falla CHECK (Apellido <> 'Falla')"));
    else
        Ejecutar(QStringLiteral("CREATE TRIGGER sin_falla BEFORE INSERT ON Master_Quejas WHEN NEW.Apellido = 'Falla' "
                                "BEGIN SELECT RAISE(ABORT, 'falla'); END"));
    EscribirLibro(imp(), {
                             {2, {{"A", Nu(1)}, {"B", Tx("Uno")}}},
                             {3, {{"A", Nu(2)}, {"B", Tx("Falla")}}},
                             {4, {{"A", Nu(3)}, {"B", Tx("Tres")}}},
                         });
    responder({true, false, false});
    ImportarNovedades(imp());
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT pid FROM Master_Quejas ORDER BY pid"), 1, QStringLiteral("|")),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 3: la base de datos no guardó la fila")));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Secuencia: Insert Into master_quejas")));
    EXPECT_EQ(log().count(QStringLiteral(" - Secuencia: ")), 1) << "the refused statement is logged once";
    EXPECT_EQ(ErroresQuery, 0);
    comunesAlFinal();
}

TEST_P(Importaciones, UpdatingTypesTakesTheFirstFlagHoldingOne)
{
    complaints({1, 2, 3, 4});
    Ejecutar(QStringLiteral("UPDATE Master_Quejas SET tipo_queja = 9"));
    EscribirLibro(imp(), {
                             {2, {{"A", Nu(1)}, {"G", Nu(1)}, {"K", Nu(1)}}},
                             {3, {{"A", Nu(2)}}},
                             {4, {{"A", Nu(3)}, {"J", Tx("1")}, {"K", Nu(1)}}},
                             {5, {{"B", Tx("sin número")}}},
                             {6, {{"A", Nu(3.6)}, {"H", Tx("1.0")}, {"I", Nu(1)}}},
                         });
    ActualizarTiposQueja(imp());
    EXPECT_EQ(GetQueja(1).tipo_queja, 3) << "G is the first \"1\" here (stage 1 makes it 6)";
    EXPECT_EQ(GetQueja(2).tipo_queja, 0) << "no flag gives 0 here";
    EXPECT_EQ(GetQueja(3).tipo_queja, 2);
    EXPECT_EQ(GetQueja(4).tipo_queja, 5) << "A rounds; only the exact text \"1\" counts";
    EXPECT_TRUE(log().contains(QStringLiteral("imp.xlsx, fila 5: la columna A está vacía")));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Metodo: ActualizarTiposQueja")));
    comunesAlFinal();
}

TEST_P(Importaciones, VouchersAndFileNumbersFollowTheirColumns)
{
    complaints({1, 2, 3, 4});
    EscribirLibro(imp(), {
                             {2, {{"A", Nu(1)}, {"W", Tx("BOL-1")}, {"V", Tx("EQ-1")}, {"AN", Tx("EXP-1")}}},
                             {3, {{"A", Nu(2)}, {"V", Tx("A 0001-123")}}},
                             {4, {{"A", Nu(3)}, {"W", Tx("BOL-'3'")}}},
                             {5, {{"A", Nu(4)}, {"B", Tx("nada")}}},
                             {6, {{"V", Tx("sin número")}, {"AN", Tx("EXP-0")}}},
                             {7, {{"A", Tx("x")}, {"W", Tx("perdido")}, {"AN", Tx("EXP-x")}}},
                         });
    ImportarComprobantes(imp());
    ImportarExpedientes(imp());

    const RegListaComprobantes uno = GetComprobantes(1);
    ASSERT_EQ(uno.Items.size(), 2);
    EXPECT_EQ(uno.Items[0].Tipo, 1);
    EXPECT_EQ(uno.Items[0].Texto, QStringLiteral("BOL-1"));
    EXPECT_EQ(uno.Items[1].Tipo, 2);
    EXPECT_EQ(uno.Items[1].Texto, QStringLiteral("EQ-1"));
    const RegListaComprobantes dos = GetComprobantes(2);
    ASSERT_EQ(dos.Items.size(), 1);
    EXPECT_EQ(dos.Tipo, 3) << "V alone is a parcel invoice";
    EXPECT_EQ(dos.Items[0].Texto, QStringLiteral("A 0001-123"));
    EXPECT_EQ(GetComprobantes(3).Items.value(0).Texto, QStringLiteral("BOL-\"3\""));
    EXPECT_EQ(GetComprobantes(4).Ultimo, -1);
    EXPECT_EQ(GetComprobantes(0).Items.value(0).Texto, QStringLiteral("sin número")) << "an empty A gives 0";
    EXPECT_EQ(contar("Comprobantes_Quejas"), 5);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT max(PID) FROM Comprobantes_Quejas")), 5);

    EXPECT_EQ(GetQueja(1).NrLib, QStringLiteral("EXP-1"));
    EXPECT_EQ(GetQueja(2).NrLib, QString());
    EXPECT_EQ(log().count(QStringLiteral("imp.xlsx, fila 7: la columna A no es un número")), 2);

    // Vouchers are inserted again at every run.
    ImportarComprobantes(imp());
    EXPECT_EQ(contar("Comprobantes_Quejas"), 10);
    comunesAlFinal();
}

TEST_P(Importaciones, FollowUpsAreNumberedAcrossTheTableAndEmptyRowsSkipped)
{
    complaints({1});
    Ejecutar(
        QStringLiteral("INSERT INTO Seguimiento_quejas (Pid, Queja, Detalle, Usuario) VALUES (40, 9, 'previo', 1)"));
    EscribirLibro(seg(), {
                             {2,
                              {{"A", Nu(1)},
                               {"B", Nu(1)},
                               {"C", Tx("Llamó el 'cliente'")},
                               {"D", Fe(3, 5, 2021)},
                               {"F", Tx("Vera, Luis")}}},
                             {3, {{"B", Tx("x")}, {"C", Tx("perdido")}}},
                             {4, {{"A", Nu(7)}, {"E", Tx("sin nada que decir")}}},
                             {6, {{"C", Tx("sin reclamo")}, {"D", Tx("mañana")}}},
                         });
    ImportarSeguimientos(seg());

    const RegListaSeguimientos s = GetSeguimientos(1);
    ASSERT_EQ(s.Items.size(), 1);
    EXPECT_EQ(s.Items[0].Detalle, QStringLiteral("Llamó el \"cliente\""));
    EXPECT_EQ(s.Items[0].Fecha, QStringLiteral("03/05/2021"));
    EXPECT_EQ(s.Items[0].Usuario, 7);
    EXPECT_EQ(
        LeerFilas(QStringLiteral("SELECT Pid, Queja FROM Seguimiento_quejas ORDER BY Pid"), 2, QStringLiteral("|")),
        (QStringList{QStringLiteral("40|9"), QStringLiteral("41|1"), QStringLiteral("42|0")}));
    EXPECT_EQ(GetSeguimientos(0).Items.value(0).Usuario, 0) << "no operator";
    EXPECT_TRUE(log().contains(QStringLiteral("seg.xlsx, fila 3: la columna B no es un número: \"x\"")));
    EXPECT_EQ(log().count(QStringLiteral(" - Descripcion: ")), 2) << "row 3, and row 6's date";
    comunesAlFinal();
}

TEST_P(Importaciones, AFollowUpDateThatIsNotADateIsLoggedAndTheFollowUpKept)
{
    complaints({1});
    EscribirLibro(seg(), {
                             {2, {{"B", Nu(1)}, {"C", Tx("con fecha")}, {"D", Fe(3, 5, 2021)}}},
                             {3, {{"B", Nu(1)}, {"C", Tx("con texto")}, {"D", Tx("ayer")}}},
                             {4, {{"B", Nu(1)}, {"C", Tx("sin fecha")}}},
                         });
    ImportarSeguimientos(seg());
    const RegListaSeguimientos s = GetSeguimientos(1);
    ASSERT_EQ(s.Items.size(), 3);
    EXPECT_EQ(s.Items[2].Fecha, QStringLiteral("03/05/2021"));
    EXPECT_EQ(s.Items[1].Detalle, QStringLiteral("con texto")) << "the follow-up is kept";
    EXPECT_EQ(contar("Seguimiento_quejas", QStringLiteral("Fecha IS NULL")), 2);
    EXPECT_TRUE(
        log().contains(QStringLiteral(" - Descripcion: seg.xlsx, fila 3: la columna D no es una fecha: \"ayer\"")));
    EXPECT_TRUE(log().contains(QStringLiteral(" - Metodo: ImportarSeguimientos")));
    EXPECT_EQ(log().count(QStringLiteral(" - Descripcion: ")), 1) << "an empty date says nothing";
    comunesAlFinal();
}

TEST_P(Importaciones, KeysStopAtTheTopOfTheirRangeAndEachRowPastItIsLogged)
{
    complaints({1, 2});
    // One key left for follow-ups, two for vouchers, none for resolutions.
    Ejecutar({"INSERT INTO Seguimiento_quejas (Pid, Queja, Detalle) VALUES (2147483646, 9, 'previo')",
              "INSERT INTO Comprobantes_Quejas (PID, T1, Tipo, NrQueja) VALUES (2147483645, 'previo', 1, 9)",
              "INSERT INTO Resolucion_quejas (PID, IDQueja) VALUES (2147483647, 9)"});
    EscribirLibro(seg(), {
                             {2, {{"B", Nu(1)}, {"C", Tx("cabe")}}},
                             {3, {{"B", Nu(1)}, {"C", Tx("no cabe")}}},
                             {4, {{"B", Nu(2)}, {"C", Tx("tampoco")}}},
                         });
    ImportarSeguimientos(seg());
    EscribirLibro(imp(), {
                             {2, {{"A", Nu(1)}, {"W", Tx("BOL-1")}, {"V", Tx("EQ-1")}, {"AD", Tx("resuelto")}}},
                             {3, {{"A", Nu(2)}, {"V", Tx("A 0001-2")}, {"AD", Tx("resuelto")}}},
                         });
    ImportarComprobantes(imp());
    responder({false, false, true});
    ImportarNovedades(imp());

    EXPECT_EQ(
        LeerFilas(QStringLiteral("SELECT Pid, Detalle FROM Seguimiento_quejas ORDER BY Pid"), 2, QStringLiteral("|")),
        (QStringList{QStringLiteral("2147483646|previo"), QStringLiteral("2147483647|cabe")}));
    EXPECT_EQ(LeerFilas(QStringLiteral("SELECT PID, T1 FROM Comprobantes_Quejas ORDER BY PID"), 2, QStringLiteral("|")),
              (QStringList{QStringLiteral("2147483645|previo"), QStringLiteral("2147483646|BOL-1"),
                           QStringLiteral("2147483647|EQ-1")}))
        << "a row's vouchers land together up to the top itself";
    EXPECT_EQ(contar("Resolucion_quejas"), 1);
    const QString rechazo = QStringLiteral(": la base de datos no guardó la fila: Desbordamiento");
    EXPECT_TRUE(log().contains(QStringLiteral("seg.xlsx, fila 3") + rechazo)) << log().toStdString();
    EXPECT_TRUE(log().contains(QStringLiteral("seg.xlsx, fila 4") + rechazo));
    EXPECT_EQ(log().count(QStringLiteral("imp.xlsx, fila 2") + rechazo), 1) << "the resolution";
    EXPECT_EQ(log().count(QStringLiteral("imp.xlsx, fila 3") + rechazo), 2) << "the voucher and the resolution";
    EXPECT_EQ(mostrados().size(), 3) << "only the import's own questions";
    EXPECT_EQ(ErroresQuery, 0);
    comunesAlFinal();
}

TEST_P(Importaciones, EveryRowOfAWorkbookLongerThanABatchLands)
{
    // Batches grow and shrink with the engine's speed; no row may fall between two of them.
    FilasLibro filas;
    for (int f = 2; f <= 2600; ++f)
        filas[f] = {{"B", Nu(f)}, {"C", Tx("nota")}};
    EscribirLibro(seg(), filas);
    ImportarSeguimientos(seg());
    EXPECT_EQ(contar("Seguimiento_quejas"), 2599);
    EXPECT_EQ(LeerEntero(QStringLiteral("SELECT sum(Queja) FROM Seguimiento_quejas")), (2 + 2600) * 2599 / 2);
    comunesAlFinal();
}

TEST_P(Importaciones, ProgressShowsEveryFortyRowsOfTheRealTotal)
{
    // What the progress window shows each time the import lets events run.
    QStringList vistos;
    QTimer espia;
    QObject::connect(&espia, &QTimer::timeout, [&] {
        if (PCarga* c = Formulario<PCarga>::SiCargado())
            for (const char* n : {"Label2", "Label3", "Label4"}) {
                const QString t = c->findChild<QLabel*>(QLatin1String(n))->text();
                if (!t.isEmpty() && !vistos.contains(t))
                    vistos << t;
            }
    });
    espia.start(0);
    QLocale::setDefault(QLocale::c());
    FilasLibro filas;
    for (int f = 2; f <= 43; ++f)
        filas[f] = {{"A", Nu(f)}, {"AN", Tx("E")}};
    EscribirLibro(imp(), filas);
    ImportarExpedientes(imp());
    EXPECT_TRUE(vistos.contains(QStringLiteral("4.65% 0 de 42"))) << vistos.join(", ").toStdString();
    EXPECT_TRUE(vistos.contains(QStringLiteral("97.67% 40 de 42")));
    EXPECT_TRUE(vistos.contains(QStringLiteral("Importando Expedientes")));
    EXPECT_TRUE(vistos.contains(QStringLiteral("Nro Reclamo: 41"))) << "the previous row's number";
    EXPECT_FALSE(vistos.contains(QStringLiteral("Nro Reclamo: 0")));

    vistos.clear();
    EscribirLibro(seg(), filas);
    ImportarSeguimientos(seg());
    EXPECT_TRUE(vistos.contains(QStringLiteral("Cargando seguimientos")));
    EXPECT_TRUE(vistos.contains(QStringLiteral("Registro: 42 de 43")));
    espia.stop();

    // The value label at row 42 of the legacy first stage, in the system's own number format.
    MostrarProgreso(29568, 42);
    EXPECT_EQ(Formulario<PCarga>::SiCargado()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("0.14% 40 de 29567"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    MostrarProgreso(29568, 42);
    EXPECT_EQ(Formulario<PCarga>::SiCargado()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("0,14% 40 de 29567"));
    QLocale::setDefault(QLocale::c());
}

TEST_P(Importaciones, TheMenuImportsTheWorkbooksBesideTheProgram)
{
    EscribirLibro(imp(), {{2, {{"A", Nu(1)}, {"W", Tx("BOL-1")}, {"AN", Tx("EXP-9")}}}});
    EscribirLibro(seg(), {{2, {{"B", Nu(1)}, {"C", Tx("seguimiento")}}}});
    AtPrinc* w = principalQuieta();
    responder({true, true, true});
    w->findChild<QAction*>(QStringLiteral("ImpP1"))->trigger();
    EXPECT_EQ(ExisteQueja(1), 1);
    w->findChild<QAction*>(QStringLiteral("ImpoCom"))->trigger();
    w->findChild<QAction*>(QStringLiteral("impoexp"))->trigger();
    w->findChild<QAction*>(QStringLiteral("ImSeg"))->trigger();
    w->findChild<QAction*>(QStringLiteral("Actualizadt"))->trigger();
    EXPECT_EQ(GetComprobantes(1).Items.size(), 1);
    EXPECT_EQ(GetQueja(1).NrLib, QStringLiteral("EXP-9"));
    EXPECT_EQ(GetQueja(1).tipo_queja, 0);
    EXPECT_EQ(GetSeguimientos(1).Items.size(), 1);
    EXPECT_TRUE(w->isEnabled()) << "the main window is back on";
    comunesAlFinal();
}

INSTANCIAR_EN_MOTORES(Importaciones);

TEST(PasosDeImportacion, ColumnLettersFlagsNamesAndDates)
{
    EXPECT_EQ(LetraColumna(1), QStringLiteral("A"));
    EXPECT_EQ(LetraColumna(26), QStringLiteral("Z"));
    EXPECT_EQ(LetraColumna(27), QStringLiteral("AA"));
    EXPECT_EQ(LetraColumna(46), QStringLiteral("AT"));
    EXPECT_EQ(LetraColumna(0), QString());
    EXPECT_EQ(LetraColumna(47), QString());

    EXPECT_EQ(TipoQuejaDesdeMarcas(0, 0, 0, 0, 0), 4);
    EXPECT_EQ(TipoQuejaDesdeMarcas(1, 0, 0, 0, 1), 6);
    EXPECT_EQ(TipoQuejaDesdeMarcas(0, 1, 1, 0, 0), 5);
    EXPECT_EQ(TipoQuejaDesdeMarcas(0, 1, 0, 1, 1), 4);
    EXPECT_EQ(TipoQuejaDesdeMarcas(0, 0, 0, 1, 1), 2);
    EXPECT_EQ(TipoQuejaDesdeMarcas(0, 0, 0, 0, 1), 1);
    EXPECT_EQ(TipoQuejaDesdeMarcas(2, 0, 0, 0, 0), 4) << "only 1 is a flag";

    QString apellido, nombres = QStringLiteral("previos");
    SepararApellidoNombres(QStringLiteral("Pérez"), apellido, nombres);
    EXPECT_EQ(apellido, QStringLiteral("Pérez"));
    EXPECT_EQ(nombres, QStringLiteral("previos")) << "one word leaves the given names alone";
    const char* const nombresDe[] = {
        "Ana", "Ana María", "Ana María Luz", "Ana María Luz Sol", "Ana María Luz Sol Mar", "Ana María Luz Sol Mar Paz"};
    for (const char* n : nombresDe) {
        SepararApellidoNombres(QStringLiteral("D'Angelo ") + QString::fromUtf8(n), apellido, nombres);
        EXPECT_EQ(apellido, QStringLiteral("DAngelo"));
        EXPECT_EQ(nombres, QString::fromUtf8(n));
    }
    SepararApellidoNombres(QStringLiteral("Sosa  Luis"), apellido, nombres);
    EXPECT_EQ(nombres, QStringLiteral(" Luis")) << "split on single blanks";

    EXPECT_EQ(FechaValida(QStringLiteral("5/3/2024"), QStringLiteral("x")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(FechaValida(QStringLiteral("05/03/2024 10:20:00"), QString()), QStringLiteral("05/03/2024"));
    EXPECT_EQ(FechaValida(QStringLiteral("31/02/2024"), QStringLiteral("2024-01-09")), QStringLiteral("09/01/2024"));
    EXPECT_EQ(FechaValida(QStringLiteral("45000"), QString()), QStringLiteral("01/01/1900")) << "a number is no date";

    EXPECT_EQ(Celdas::ComoHora(QStringLiteral("9:05")), QStringLiteral("09:05:00"));
    EXPECT_EQ(Celdas::ComoHora(QStringLiteral("01/03/2024 10:20:30")), QStringLiteral("10:20:30"));
    EXPECT_EQ(Celdas::ComoHora(QStringLiteral("0.5")), QStringLiteral("12:00:00"));
    EXPECT_EQ(Celdas::ComoHora(QStringLiteral("de noche")), QStringLiteral("de noche"));
    EXPECT_EQ(Celdas::ComoFecha(QStringLiteral("45000")), QStringLiteral("15/03/2023"));
    EXPECT_EQ(Celdas::ComoFecha(QStringLiteral("ayer")), QStringLiteral("ayer"));
}
