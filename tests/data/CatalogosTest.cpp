#include "Catalogos.h"
#include "BaseDePrueba.h"
#include "Conexion.h"
#include "ConsultasDePrueba.h"

#include <atomic>

namespace {

// "pid:detalle:anulada" per item, checking Ultimo against the items.
QStringList vista(const RegListaCatalogo& l)
{
    EXPECT_EQ(l.Ultimo, l.Items.size() - 1);
    QStringList r;
    for (const RegCatalogo& c : l.Items)
        r << QStringLiteral("%1:%2:%3").arg(c.PID).arg(c.Detalle).arg(c.Anulada);
    return r;
}

QString pares()
{
    return LeerFilas(QStringLiteral("SELECT Categoria, Motivo FROM RelCatMov_Quejas ORDER BY Categoria, Motivo"), 2,
                     QStringLiteral("-"))
        .join(QLatin1Char(' '));
}

} // namespace

class CatalogosDatos : public BaseDePrueba
{
};

TEST_P(CatalogosDatos, ListsComeInPidOrderAndAnEmptyListEndsAtMinusOne)
{
    EXPECT_EQ(GetTipos().Ultimo, -1);
    EXPECT_EQ(GetCausas().Ultimo, -1);
    EXPECT_EQ(GetEmpresas().Ultimo, -1);
    EXPECT_EQ(GetSupervisores().Ultimo, -1);

    FilaCatalogo("Tipos_Quejas", 2, QStringLiteral("Mail"));
    FilaCatalogo("Tipos_Quejas", 1, QStringLiteral("Teléfono"));
    FilaCatalogo("Motivos_quejas", 3, QStringLiteral("Demoras"));
    Ejecutar(QStringLiteral(
        "INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (4, 'Sur', '30-1'), (2, 'Norte', NULL)"));
    Ejecutar(QStringLiteral("INSERT INTO supervisores_quejas (pid, supervisor) VALUES (2, 'Zoe'), (1, 'D''Amico')"));

    EXPECT_EQ(vista(GetTipos()), (QStringList{"1:Teléfono:0", "2:Mail:0"}));
    EXPECT_EQ(vista(GetMotivos()), (QStringList{"0:Reclamo general:0", "3:Demoras:0"}));
    const RegListaEmpresas e = GetEmpresas();
    ASSERT_EQ(e.Ultimo, 1);
    EXPECT_EQ(e.Items[0].PID, 2);
    EXPECT_EQ(e.Items[0].Cuit, QString()) << "a null text reads as empty";
    EXPECT_EQ(e.Items[1].Detalle, QStringLiteral("Sur"));
    EXPECT_EQ(e.Items[1].Cuit, QStringLiteral("30-1"));
    const RegListaSupervisores s = GetSupervisores();
    ASSERT_EQ(s.Ultimo, 1);
    EXPECT_EQ(s.Items, (QVector<QString>{QStringLiteral("D'Amico"), QStringLiteral("Zoe")}));
}

TEST_P(CatalogosDatos, LookUpsOfAMissingPidGiveTheNotFoundMarkers)
{
    FilaCatalogo("Tipos_Quejas", 1, QStringLiteral("Mail"));
    FilaCausa(5, QStringLiteral("Rotura"), 0);
    Ejecutar(QStringLiteral("INSERT INTO Empresas_quejas (PID, Detalle, Cuit) VALUES (4, 'Sur', '30-1')"));
    EXPECT_EQ(GetTipoDesc(1), QStringLiteral("Mail"));
    EXPECT_EQ(GetMotivoDesc(0), QStringLiteral("Reclamo general"));
    EXPECT_EQ(GetCausaDesc(5), QStringLiteral("Rotura"));
    EXPECT_EQ(GetTipoDesc(9), QString());
    EXPECT_EQ(GetMotivoDesc(9), QString());
    EXPECT_EQ(GetCausaDesc(9), QString());

    for (RegEmpresa (*buscar)(qint16) : {&GetEmpresa, &GetEmpresaDesc}) {
        const RegEmpresa hallada = buscar(4);
        EXPECT_EQ(hallada.PID, 4);
        EXPECT_EQ(hallada.Detalle, QStringLiteral("Sur"));
        EXPECT_EQ(hallada.Cuit, QStringLiteral("30-1"));
        const RegEmpresa falta = buscar(7);
        EXPECT_EQ(falta.PID, -1);
        EXPECT_TRUE(falta.Detalle.isEmpty() && falta.Cuit.isEmpty());
    }
}

TEST_P(CatalogosDatos, NewCategoriesAndReasonsStartAtOneOnAnEmptyTable)
{
    Ejecutar(QStringLiteral("DELETE FROM Motivos_quejas"));
    AgregarCategoria(QStringLiteral("Atención"));
    AgregarCategoria(QStringLiteral("Equipaje'"));
    EXPECT_EQ(vista(GetMotivos()), (QStringList{"1:Atención:0", "2:Equipaje':0"}));

    AgregarCausa(QStringLiteral("Maltrato"));
    EXPECT_EQ(InsertarCausa(QStringLiteral("Pérdida")), 2);
    EXPECT_EQ(vista(GetCausas()), (QStringList{"1:Maltrato:0", "2:Pérdida:0"}));
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT Anulada FROM Causas_Quejas WHERE Pid = 1")), QStringLiteral("0"));
}

TEST_P(CatalogosDatos, AReasonCreatedByLookUpIsFoundAgainAndHiddenFromTheFilteredLists)
{
    // The column without a default, as in databases that never defined one.
    Ejecutar(QStringLiteral("DROP TABLE Causas_Quejas"));
    Ejecutar(QStringLiteral("CREATE TABLE Causas_Quejas (Pid INTEGER PRIMARY KEY, Detalle TEXT, Anulada INTEGER)"));
    FilaCatalogo("Motivos_quejas", 3, QStringLiteral("Demoras"));
    FilaCausa(1, QStringLiteral("Rotura"), 0);

    const qint16 pid = GetOAgregarCausa(QStringLiteral("Asiento roto d'arriba"));
    EXPECT_EQ(pid, 2);
    EXPECT_EQ(GetOAgregarCausa(QStringLiteral("Asiento roto d'arriba")), 2);
    EXPECT_EQ(GetOAgregarCausa(QStringLiteral("Rotura")), 1);
    EXPECT_EQ(LeerTexto(QStringLiteral("SELECT COUNT(*) FROM Causas_Quejas")), QStringLiteral("2"));

    FilaPar(3, 2);
    EXPECT_EQ(vista(GetCausas()), (QStringList{"1:Rotura:0", "2:Asiento roto d'arriba:0"}));
    EXPECT_EQ(vista(GetCausasCategoria(3, 0)), QStringList());
    EXPECT_EQ(vista(GetCausasCategoria(3, 2)), (QStringList{"2:Asiento roto d'arriba:0"}));
    Ejecutar(QStringLiteral("DELETE FROM RelCatMov_Quejas"));
    EXPECT_EQ(vista(GetCausasLibres(0)), (QStringList{"1:Rotura:0"}));
    EXPECT_EQ(vista(GetCausasLibres(2)), (QStringList{"1:Rotura:0", "2:Asiento roto d'arriba:0"}));
}

TEST_P(CatalogosDatos, FreeAndPairedReasonsFollowTheFilter)
{
    FilaCatalogo("Motivos_quejas", 3, QStringLiteral("Demoras"));
    FilaCausa(1, QStringLiteral("Libre"), 0);
    FilaCausa(2, QStringLiteral("Libre inhabilitada"), 1);
    FilaCausa(3, QStringLiteral("En par"), 0);
    FilaCausa(4, QStringLiteral("En par inhabilitada"), 1);
    FilaPar(3, 3);
    FilaPar(3, 4);
    // A damaged pair without a reason must not hide every free reason.
    Ejecutar(QStringLiteral("INSERT INTO RelCatMov_Quejas (Categoria, Motivo) VALUES (3, NULL)"));

    EXPECT_EQ(vista(GetCausasLibres(0)), (QStringList{"1:Libre:0"}));
    EXPECT_EQ(vista(GetCausasLibres(1)), (QStringList{"2:Libre inhabilitada:1"}));
    EXPECT_EQ(vista(GetCausasLibres(2)), (QStringList{"1:Libre:0", "2:Libre inhabilitada:1"}));
    EXPECT_EQ(vista(GetCausasCategoria(3, 0)), (QStringList{"3:En par:0"}));
    EXPECT_EQ(vista(GetCausasCategoria(3, 1)), (QStringList{"3:En par:0"})) << "any filter but 2 means enabled";
    EXPECT_EQ(vista(GetCausasCategoria(3, 2)), (QStringList{"3:En par:0", "4:En par inhabilitada:1"}));
    EXPECT_EQ(vista(GetCausasCategoria(8, 2)), QStringList());
}

TEST_P(CatalogosDatos, TheCategoryOfAReasonSaysWhenThereIsNone)
{
    FilaCatalogo("Motivos_quejas", 3, QStringLiteral("Demoras"));
    FilaCausa(1, QStringLiteral("Libre"), 0);
    FilaCausa(2, QStringLiteral("En par"), 0);
    FilaCausa(3, QStringLiteral("Huérfana"), 0);
    FilaPar(3, 2);
    FilaPar(9, 3);

    RegAsignacion a = GetCategoriaCausa(1);
    EXPECT_EQ(a.Categoria, QStringLiteral("-1"));
    EXPECT_EQ(a.Detalle, QString());
    a = GetCategoriaCausa(2);
    EXPECT_EQ(a.Categoria, QStringLiteral("3"));
    EXPECT_EQ(a.Detalle, QStringLiteral("Demoras"));
    a = GetCategoriaCausa(3);
    EXPECT_EQ(a.Categoria, QStringLiteral("9")) << "a pair whose category is gone";
    EXPECT_EQ(a.Detalle, QString());
}

TEST_P(CatalogosDatos, ReasonsAreRenamedAndOnlyAnExactSiDisablesThem)
{
    FilaCausa(1, QStringLiteral("Rotura"), 0);
    ModificarCausa(1, 1, QStringLiteral("Rotura d'asiento"));
    EXPECT_EQ(GetCausaDesc(1), QStringLiteral("Rotura d'asiento"));
    ModificarCausa(1, 2, QStringLiteral("Si"));
    EXPECT_EQ(GetCausas().Items[0].Anulada, 1);
    ModificarCausa(1, 2, QStringLiteral("si"));
    EXPECT_EQ(GetCausas().Items[0].Anulada, 0);
    ModificarCausa(1, 2, QStringLiteral("Si"));
    ModificarCausa(1, 2, QStringLiteral("No"));
    EXPECT_EQ(GetCausas().Items[0].Anulada, 0);
    ModificarCausa(1, 3, QStringLiteral("Otro"));
    EXPECT_EQ(GetCausaDesc(1), QStringLiteral("Rotura d'asiento")) << "an unknown mode changes nothing";
}

TEST_P(CatalogosDatos, PairsAreRewrittenAsAWhole)
{
    FilaPar(3, 1);
    FilaPar(3, 2);
    FilaPar(4, 7);
    EXPECT_TRUE(GuardarRelaciones(3, {5, 6, 8}));
    EXPECT_EQ(pares(), QStringLiteral("3-5 3-6 3-8 4-7"));
    EXPECT_TRUE(GuardarRelaciones(3, {}));
    EXPECT_EQ(pares(), QStringLiteral("4-7"));

    BorrarRelaciones(4);
    AgregarRelacion(5, 9);
    EXPECT_EQ(pares(), QStringLiteral("5-9"));
}

TEST_P(CatalogosDatos, AFailedRewriteKeepsTheOldPairs)
{
    Ejecutar(QStringLiteral("DROP TABLE RelCatMov_Quejas"));
    Ejecutar(QStringLiteral("CREATE TABLE RelCatMov_Quejas (Categoria INTEGER, Motivo INTEGER CHECK (Motivo <> 99))"));
    FilaPar(3, 1);
    FilaPar(3, 2);
    EXPECT_FALSE(GuardarRelaciones(3, {5, 99, 6}));
    EXPECT_EQ(pares(), QStringLiteral("3-1 3-2"));
    EXPECT_EQ(entorno->terminaciones, 1) << "a failed rewrite takes the query runner's non-silent path";
}

TEST_P(CatalogosDatos, AFailedPairDeletionIsOnlyLogged)
{
    Ejecutar(QStringLiteral("DROP TABLE RelCatMov_Quejas"));
    BorrarRelaciones(3);
    EXPECT_EQ(entorno->terminaciones, 0);
    EXPECT_TRUE(entorno->dialogos->mostrados.isEmpty());
    EXPECT_TRUE(entorno->errLog().contains(QStringLiteral("Delete from RelCatMov_Quejas where Categoria = 3")));
}

TEST_P(CatalogosDatos, ReasonsAddedFromTwoWorkstationsAtOnceAreAllStored)
{
    constexpr int kPorHilo = 40;
    std::atomic<int> fallas{0};
    EnHilos(2, [&](int h) {
        for (int i = 0; i < kPorHilo; ++i) {
            if (h == 0)
                AgregarCausa(QStringLiteral("causa %1").arg(i));
            else
                InsertarCausa(QStringLiteral("importada %1").arg(i));
            AgregarCategoria(QStringLiteral("cat %1-%2").arg(h).arg(i));
        }
        fallas += ErroresQuery;
    });
    EXPECT_EQ(fallas, 0);
    EXPECT_EQ(GetCausas().Items.size(), 2 * kPorHilo);
    EXPECT_EQ(GetMotivos().Items.size(), 2 * kPorHilo + 1);
    EXPECT_EQ(entorno->terminaciones, 0);
}

INSTANCIAR_EN_MOTORES(CatalogosDatos);
