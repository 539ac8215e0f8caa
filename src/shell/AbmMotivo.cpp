#include "AbmMotivo.h"

#include "Administracion.h"
#include "Aplicacion.h"
#include "Catalogos.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "Medidas.h"
#include "PCarga.h"
#include "Relaciones.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

namespace {

constexpr long kColorAnulada = 0xC0C0FF;
constexpr long kColorHabilitada = 0xC0FFC0;
constexpr int kColumnas = 4;
const char* const kTitulos[kColumnas] = {"Pid", "Detalle", "Anulado", "Asignacion"};
constexpr int kAnchos[kColumnas] = {1000, 3500, 1000, 3500};

} // namespace

AbmMotivo::AbmMotivo()
{
    setObjectName(QStringLiteral("AbmMotivo"));
    setWindowTitle(QStringLiteral("ABM Motivo de reclamo"));
    resize(680, 500);

    m_grilla = new GrillaTabla(this);
    m_grilla->setObjectName(QStringLiteral("ListaMotivos"));
    m_btnRen = Boton(this, QStringLiteral("BtnRen"), QStringLiteral("Renombrar causa"));
    m_inhabilitar = Boton(this, QStringLiteral("Inhabilitar"), QStringLiteral("Inhabilitar seleccionada"));
    m_relCatMovIr = Boton(this, QStringLiteral("RelCatMov_ir"), QStringLiteral("Ir a Relacion Categoría-Motivos"));

    auto* marco = new QGroupBox(QStringLiteral("Nueva Causa"), this);
    marco->setObjectName(QStringLiteral("Frame1"));
    m_txtAgCat = Caja(marco, QStringLiteral("TxtAgCat"), QStringLiteral("Luego de creada presione enter"));
    auto* capaMarco = new QHBoxLayout(marco);
    capaMarco->addWidget(Etiqueta(marco, QStringLiteral("Label2"), QStringLiteral("Descripcion")));
    capaMarco->addWidget(m_txtAgCat, 1);

    auto* botones = new QHBoxLayout();
    botones->addWidget(m_btnRen);
    botones->addWidget(m_inhabilitar);
    botones->addStretch();
    botones->addWidget(m_relCatMovIr);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(Etiqueta(this, QStringLiteral("Label1"), QStringLiteral("Causas creadas")));
    capa->addWidget(m_grilla, 1);
    capa->addLayout(botones);
    capa->addWidget(marco);

    m_txtAgCat->installEventFilter(this);
    connect(m_btnRen, &QPushButton::clicked, this, &AbmMotivo::BtnRen_Click);
    connect(m_inhabilitar, &QPushButton::clicked, this, &AbmMotivo::Inhabilitar_Click);
    connect(m_relCatMovIr, &QPushButton::clicked, this, &AbmMotivo::RelCatMov_ir_Click);
}

void AbmMotivo::Form_Load()
{
    llenar();
}

bool AbmMotivo::llenar()
{
    m_llenando = true;
    QPointer<AbmMotivo> yo(this);
    auto sigue = [&yo] { return yo && !yo->Descargada(); };
    // Unloaded meanwhile (a close, a logout): the progress window must still give the main window back.
    auto abandonar = [] {
        Formulario<PCarga>::Descargar();
        return false;
    };

    PCarga* carga = Formulario<PCarga>::Obtener();
    carga->descripcion(QStringLiteral("Cargando Causas de quejas"));
    carga->descripcionb(QStringLiteral("Cargando Causas"));
    carga->show();
    Aplicacion::HacerEventos();
    if (!sigue())
        return abandonar();
    const RegListaCatalogo causas = GetCausas();
    if (!sigue())
        return abandonar();

    // A highlight left from before the reload would mark a cell that is no longer current.
    m_grilla->clearSelection();
    m_grilla->SetRows(1);
    m_grilla->SetCols(kColumnas);
    m_grilla->SetRow(0);
    m_grilla->SetCol(0);
    for (int c = 0; c < kColumnas; ++c) {
        m_grilla->SetTextMatrix(0, c, QString::fromLatin1(kTitulos[c]));
        m_grilla->SetColWidth(c, kAnchos[c]);
    }
    m_grilla->SetVisible(false);
    if (PCarga* p = Formulario<PCarga>::SiCargado())
        p->descripcionb(QStringLiteral("Cargando Asignaciones"));

    for (const RegCatalogo& causa : causas.Items) {
        const RegAsignacion asignacion = GetCategoriaCausa(causa.PID);
        if (!sigue())
            return abandonar();
        m_grilla->AddItem(QString::number(causa.PID));
        m_grilla->SetRow(m_grilla->Rows() - 1);
        m_grilla->SetTextMatrix(m_grilla->Row(), 1, causa.Detalle);
        m_grilla->SetTextMatrix(m_grilla->Row(), 2, causa.Anulada != 0 ? QStringLiteral("Si") : QStringLiteral("No"));
        pintarFila(causa.Anulada != 0);
        m_grilla->SetTextMatrix(m_grilla->Row(), 3, asignacion.Detalle);
        Aplicacion::HacerEventos();
        if (!sigue())
            return abandonar();
    }
    m_grilla->SetVisible(true);
    Formulario<PCarga>::Descargar();
    m_llenando = false;
    return true;
}

void AbmMotivo::pintarFila(bool anulada)
{
    const int col = m_grilla->Col();
    for (int c = 0; c < kColumnas; ++c) {
        m_grilla->SetCol(c);
        m_grilla->SetCellBackColor(anulada ? kColorAnulada : kColorHabilitada);
    }
    m_grilla->SetCol(col);
}

void AbmMotivo::BtnRen_Click()
{
    if (m_llenando)
        return;
    const int fila = m_grilla->Row();
    if (fila < 1) {
        MsgBox(QStringLiteral("Seleccione un motivo para renombrarlo"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Ostrevia"));
        return;
    }
    const qint16 pid = ClaveDeItem(m_grilla->TextMatrix(fila, 0));
    QPointer<AbmMotivo> yo(this);
    const QString nombre = Dlg().InputBox(QStringLiteral("Ingrese un nuevo nombre para el motivo"),
                                          QStringLiteral("Cambiar nombre al motivo"), m_grilla->TextMatrix(fila, 1));
    // The box let events run: the window may be gone, or filling again.
    if (nombre.isEmpty() || !yo || Descargada() || m_llenando)
        return;
    m_grilla->SetTextMatrix(fila, 1, nombre);
    ModificarCausa(pid, 1, nombre);
}

void AbmMotivo::Inhabilitar_Click()
{
    if (m_llenando)
        return;
    QPointer<AbmMotivo> yo(this);
    if (MsgBox(QStringLiteral("Desea habilitar/inhabilitar la causa?"), Botones::SiNo, Icono::Ninguno,
               QStringLiteral("Habilitar/Inhabilitar motivo")) != Respuesta::Si)
        return;
    // The header is no reason: toggling it would write a state for whatever reason has key 0.
    if (!yo || Descargada() || m_llenando || m_grilla->Rows() < 2 || m_grilla->Row() < 1)
        return;
    const int fila = m_grilla->Row();
    const qint16 pid = ClaveDeItem(m_grilla->TextMatrix(fila, 0));
    const QString estado =
        m_grilla->TextMatrix(fila, 2) == QLatin1String("No") ? QStringLiteral("Si") : QStringLiteral("No");
    pintarFila(estado == QLatin1String("Si"));
    m_grilla->SetTextMatrix(fila, 2, estado);
    ModificarCausa(pid, 2, estado);
}

bool AbmMotivo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_txtAgCat && EsEnter(evento)) {
        TxtAgCat_KeyPress(kEnter);
        return true;
    }
    return Ventana::eventFilter(objeto, evento);
}

void AbmMotivo::TxtAgCat_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    if (m_txtAgCat->text().isEmpty()) {
        MsgBox(QStringLiteral("Ingrese un nombre"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Agregar causa"));
        return;
    }
    // Pressed again once the fill is over.
    if (m_llenando)
        return;
    AgregarCausa(m_txtAgCat->text());
    if (llenar())
        m_txtAgCat->clear();
}

void AbmMotivo::RelCatMov_ir_Click()
{
    MostrarVentana<Relaciones>();
}
