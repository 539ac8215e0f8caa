#include "Lugares.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"

namespace {

RegLugar lugarDeAgencia()
{
    RegLugar l = LugarVacio();
    l.Lugar = 1;
    l.Det_Lugar = QStringLiteral("45");
    l.Fecha = QStringLiteral("1/3/2024");
    l.Hora = QStringLiteral("10:30");
    l.Dato3 = QStringLiteral("Agencia O'Higgins");
    l.Dato4 = QStringLiteral("4555-1234");
    l.Dato5 = QStringLiteral("Rosario");
    l.Dato6 = QStringLiteral("Santa Fe");
    l.Dato7 = QStringLiteral("Av. Pellegrini 100");
    l.Dato8 = QStringLiteral("");
    l.Dato9 = QStringLiteral("");
    l.Legajos = QStringLiteral("Legajo 12");
    l.Desde = QStringLiteral("Córdoba");
    l.Hasta = QStringLiteral("Rosario");
    l.Hora_Serv = QStringLiteral("22:15");
    l.Unidad = QStringLiteral("3012");
    return l;
}

} // namespace

class LugaresDatos : public BaseDePrueba
{
protected:
    // Det_legajos and Sector, which no loader reads; "<null>" for Null.
    std::pair<QString, QString> columnasDeImportacion(qint32 n)
    {
        EjecutarQuery(QStringLiteral("Select Det_legajos, Sector from Lugar_Quejas where NroQueja = %1").arg(n));
        Rs.Requery();
        std::pair<QString, QString> r{QStringLiteral("<sin fila>"), QString()};
        if (!Rs.Eof())
            r = {Rs.EsNulo(0) ? QStringLiteral("<null>") : Rs.Texto(0),
                 Rs.EsNulo(1) ? QStringLiteral("<null>") : Rs.Texto(1)};
        CerrarRs();
        return r;
    }

    qint32 filasDe(qint32 n)
    {
        return LeerEntero(QStringLiteral("Select count(*) from Lugar_Quejas where NroQueja = %1").arg(n));
    }
};

TEST_P(LugaresDatos, AComplaintWithoutAPlaceRowLoadsTheNoRowMarker)
{
    EXPECT_EQ(LugarVacio().Tipo_Comprob, 0);
    const RegLugar l = GetLugar(77);
    EXPECT_EQ(l.Tipo_Comprob, -5);
    EXPECT_EQ(l.Lugar, 0);
    EXPECT_TRUE(l.Fecha.isEmpty());
    EXPECT_EQ(ExisteLugar(77), 0);
    EXPECT_FALSE(Rs.Abierto());
}

TEST_P(LugaresDatos, AnImportedRowReadsBackWithTipoComprobZero)
{
    RegLugar l = lugarDeAgencia();
    l.NroQueja = 12;
    l.Det_legajos = QStringLiteral("Chofer Pérez; O'Neill");
    l.Sector = QStringLiteral("Norte");
    InsertarLugar(l);

    EXPECT_EQ(ExisteLugar(12), 12);
    const RegLugar r = GetLugar(12);
    EXPECT_EQ(r.Tipo_Comprob, 0) << "a Null Tipo_Comprob loads as 0, not as the no-row marker";
    EXPECT_EQ(r.Lugar, 1);
    EXPECT_EQ(r.Fecha, QStringLiteral("01/03/2024"));
    EXPECT_EQ(r.Hora, QStringLiteral("10:30"));
    EXPECT_EQ(r.Dato3, QStringLiteral("Agencia O'Higgins"));
    EXPECT_EQ(r.Desde, QStringLiteral("Córdoba"));
    EXPECT_EQ(r.Unidad, QStringLiteral("3012"));
    EXPECT_TRUE(r.Det_legajos.isEmpty()) << "the loader leaves the import-only columns alone";
    EXPECT_EQ(columnasDeImportacion(12),
              std::make_pair(QStringLiteral("Chofer Pérez; O'Neill"), QStringLiteral("Norte")));
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(LugaresDatos, ASecondSaveReplacesTheRowAndKeepsTheImportOnlyColumns)
{
    RegLugar importado = lugarDeAgencia();
    importado.NroQueja = 5;
    importado.Det_legajos = QStringLiteral("Chofer Gómez");
    importado.Sector = QStringLiteral("Sur");
    InsertarLugar(importado);

    RegLugar l = lugarDeAgencia();
    l.NroQueja = 999; // the row belongs to the number passed, not to the record
    ASSERT_TRUE(GuardarLugar(l, 5));
    RegLugar coche = LugarVacio();
    coche.Lugar = 2;
    coche.Det_Lugar = QStringLiteral("3012");
    coche.Fecha = QStringLiteral("02/11/2024");
    coche.Dato8 = QStringLiteral("Villa María");
    coche.Legajos = QStringLiteral("D'Angelo");
    ASSERT_TRUE(GuardarLugar(coche, 5));

    EXPECT_EQ(filasDe(5), 1);
    EXPECT_EQ(filasDe(999), 0);
    const RegLugar r = GetLugar(5);
    EXPECT_EQ(r.Lugar, 2);
    EXPECT_EQ(r.Fecha, QStringLiteral("02/11/2024"));
    EXPECT_TRUE(r.Dato3.isEmpty()) << "every saved column is replaced";
    EXPECT_EQ(r.Dato8, QStringLiteral("Villa María"));
    EXPECT_EQ(r.Legajos, QStringLiteral("D'Angelo"));
    EXPECT_EQ(columnasDeImportacion(5), std::make_pair(QStringLiteral("Chofer Gómez"), QStringLiteral("Sur")));

    // A first save from the window leaves them unset.
    ASSERT_TRUE(GuardarLugar(coche, 6));
    EXPECT_EQ(columnasDeImportacion(6), std::make_pair(QStringLiteral("<null>"), QStringLiteral("<null>")));
}

TEST_P(LugaresDatos, AFailureInTheMiddleOfASaveKeepsTheOldRow)
{
    RegLugar viejo = lugarDeAgencia();
    viejo.NroQueja = 8;
    viejo.Det_legajos = QStringLiteral("Chofer");
    InsertarLugar(viejo);
    // The delete succeeds; the insert that follows it is refused by the database.
    if (esPostgres())
        Ejecutar(QStringLiteral("ALTER TABLE Lugar_Quejas ADD CONSTRAINT sin_falla CHECK (Dato3 <> 'falla')"));
    else
        Ejecutar(QStringLiteral("CREATE TRIGGER sin_falla BEFORE INSERT ON Lugar_Quejas WHEN NEW.Dato3 = 'falla' "
                                "BEGIN SELECT RAISE(ABORT, 'falla'); END"));

    RegLugar nuevo = lugarDeAgencia();
    nuevo.Dato3 = QStringLiteral("falla");
    EXPECT_FALSE(GuardarLugar(nuevo, 8));
    EXPECT_EQ(entorno->terminaciones, 1) << "a failed save is not silent";

    EXPECT_EQ(filasDe(8), 1);
    const RegLugar r = GetLugar(8);
    EXPECT_EQ(r.Dato3, QStringLiteral("Agencia O'Higgins"));
    EXPECT_EQ(columnasDeImportacion(8).first, QStringLiteral("Chofer"));
}

TEST_P(LugaresDatos, AnImportInsertThatFailsRunsNeitherUpdate)
{
    RegLugar primero = lugarDeAgencia();
    primero.NroQueja = 3;
    InsertarLugar(primero);

    RegLugar segundo = LugarVacio();
    segundo.NroQueja = 3;
    segundo.Dato3 = QStringLiteral("otro");
    segundo.Fecha = QStringLiteral("15/07/2023");
    segundo.Hora = QStringLiteral("08:00");
    InsertarLugar(segundo);

    EXPECT_EQ(entorno->terminaciones, 0) << "the import's statements are silent";
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Insert Into Lugar_Quejas")));
    const RegLugar r = GetLugar(3);
    EXPECT_EQ(r.Dato3, QStringLiteral("Agencia O'Higgins"));
    EXPECT_EQ(r.Fecha, QStringLiteral("01/03/2024"));
    EXPECT_EQ(r.Hora, QStringLiteral("10:30"));
}

TEST_P(LugaresDatos, AgencyCodesThatReadAsNumbersLookUpTheirWholePart)
{
    Ejecutar(QStringLiteral("INSERT INTO MasterAgencias (Pid, Codplu, CodEnco, Descripcion, GrupoInt, Telefono1, "
                            "Correo, Domicilio, localidad, Provincia, pais) VALUES (7, '45', 'E45', 'Terminal "
                            "Rosario', 3, '4555', 'r@x.com', 'Cafferata 702', 'Rosario', 'Santa Fe', 'Argentina')"));
    Ejecutar(QStringLiteral("INSERT INTO MasterAgencias (Pid, Codplu, Descripcion) VALUES (9, 'A12', 'Alfa nueve')"));
    Ejecutar(QStringLiteral("INSERT INTO MasterAgencias (Pid, Codplu, Descripcion) VALUES (4, 'A12', 'Alfa cuatro')"));
    Ejecutar(QStringLiteral("INSERT INTO MasterAgencias (Pid, Codplu, Descripcion) VALUES (2, '12', 'Doce')"));

    QString codigo = QStringLiteral("00045");
    RegAgencia a = GetAgencia(codigo);
    EXPECT_EQ(codigo, QStringLiteral("45")) << "the caller's variable is rewritten";
    EXPECT_EQ(a.Codplu, QStringLiteral("45"));
    EXPECT_EQ(a.Pid, 7);
    EXPECT_EQ(a.Descripcion, QStringLiteral("Terminal Rosario"));
    EXPECT_EQ(a.GrupoInt, 3);
    EXPECT_EQ(a.localidad, QStringLiteral("Rosario"));
    EXPECT_EQ(a.pais, QStringLiteral("Argentina"));

    codigo = QStringLiteral("A12");
    a = GetAgencia(codigo);
    EXPECT_EQ(codigo, QStringLiteral("A12"));
    EXPECT_EQ(a.Pid, 4) << "of two agencies sharing a code, the lowest Pid";
    EXPECT_EQ(a.Descripcion, QStringLiteral("Alfa cuatro"));
    EXPECT_TRUE(a.piso_depto.isEmpty()) << "a Null column reads empty";

    codigo = QStringLiteral("12.7");
    EXPECT_EQ(GetAgencia(codigo).Descripcion, QStringLiteral("Doce"));
    EXPECT_EQ(codigo, QStringLiteral("12"));
    codigo = QStringLiteral("-0.5");
    GetAgencia(codigo);
    EXPECT_EQ(codigo, QStringLiteral("-1")) << "rounded towards minus infinity";

    codigo = QStringLiteral("O'Brien 1");
    a = GetAgencia(codigo);
    EXPECT_EQ(a.Codplu, QStringLiteral("-1"));
    EXPECT_EQ(a.Pid, 0);
    EXPECT_TRUE(a.Descripcion.isEmpty());
    EXPECT_EQ(entorno->terminaciones, 0);
}

TEST_P(LugaresDatos, CoachLookUpsFindByInternalNumber)
{
    Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (3, 'Ruta Sur', '30-1-9')"));
    Ejecutar(QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) "
                            "VALUES (1, 3012, 3, 44, 'AB123CD')"));
    Ejecutar(QStringLiteral("INSERT INTO Coches_quejas (Pid, interno, Empresa, Asientos, Dominio) "
                            "VALUES (2, 500, 8, 60, 'ZZ999')"));

    RegCoche c = GetCoche(QStringLiteral("3012"));
    EXPECT_EQ(c.Interno, 3012);
    EXPECT_EQ(c.Empresa.PID, 3);
    EXPECT_EQ(c.Empresa.Detalle, QStringLiteral("Ruta Sur"));
    EXPECT_EQ(c.Empresa.Cuit, QStringLiteral("30-1-9"));
    EXPECT_EQ(c.Asientos, 44);
    EXPECT_EQ(c.Dominio, QStringLiteral("AB123CD"));

    c = GetCoche(QStringLiteral("500"));
    EXPECT_EQ(c.Empresa.PID, 8);
    EXPECT_TRUE(c.Empresa.Detalle.isEmpty()) << "a company that does not exist leaves the name empty";

    EXPECT_EQ(GetCoche(QStringLiteral("77")).Interno, -1);
    for (const QString& texto : {QString(), QStringLiteral("12; drop table Coches_quejas"), QStringLiteral("x")}) {
        c = GetCoche(texto);
        EXPECT_EQ(c.Interno, -1) << texto.toStdString();
        EXPECT_EQ(c.Asientos, 0);
    }
    EXPECT_EQ(entorno->terminaciones, 0) << "a typed text that is not a number finds no coach";

    c = GetCocheBasico(3012);
    EXPECT_EQ(c.Interno, 3012);
    EXPECT_EQ(c.Empresa.PID, 3);
    EXPECT_TRUE(c.Empresa.Detalle.isEmpty());
    EXPECT_EQ(c.Asientos, 44);
    EXPECT_EQ(GetCocheBasico(4).Interno, -1);
    EXPECT_FALSE(Rs.Abierto());
}

INSTANCIAR_EN_MOTORES(LugaresDatos);
