#include "F_Abrir.h"

#include "Aplicacion.h"
#include "Busquedas.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "Medidas.h"
#include "PCarga.h"
#include "Principal.h"
#include "Textos.h"
#include "VisAtte.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

const QString kRenglon = QStringLiteral("\r\n");

// A typed number rounded to the nearest whole number (halves to even); false when the text is
// not a number or does not fit a complaint number.
bool leerNumero(const QString& texto, double& valor)
{
    bool ok = false;
    valor = texto.trimmed().toDouble(&ok);
    return ok && std::isfinite(valor);
}

} // namespace

F_Abrir::F_Abrir()
{
    setObjectName(QStringLiteral("F_Abrir"));
    setWindowTitle(QStringLiteral("Detalle y seguimiento de reclamo"));

    m_quejas = new GrillaTabla(this);
    m_quejas->setObjectName(QStringLiteral("Quejas_Abiertas"));
    m_vfin = new QCheckBox(QStringLiteral("Incluir reclamos finalizados"), this);
    m_vfin->setObjectName(QStringLiteral("Vfin"));

    m_frame2 = new QGroupBox(QStringLiteral("ENTRE FECHAS"), this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_desde = Caja(m_frame2, "Desde", QStringLiteral("Fecha desde"));
    m_hasta = Caja(m_frame2, "Hasta", QStringLiteral("Fecha Hasta"));
    m_ir = Boton(m_frame2, "Ir", QStringLiteral("Ir"),
                 QStringLiteral("Buscar con este filtro de fecha o presione \"Mas Filtros\""));
    m_cmdMF = Boton(this, "CmdMF", QStringLiteral("Más Filtros"),
                    QStringLiteral("Haga click para buscar con otras opciones"));

    m_frmOB = new QGroupBox(QStringLiteral("Otras busquedas"), this);
    m_frmOB->setObjectName(QStringLiteral("FrmOB"));
    const QString opciones[4] = {QStringLiteral("DNI"), QStringLiteral("Apellido"),
                                 QStringLiteral("Libro / C.N.R.T. o expediente"), QStringLiteral("Nro de queja")};
    for (int i = 0; i < 4; ++i) {
        m_seleccion[i] = new QRadioButton(opciones[i], m_frmOB);
        m_seleccion[i]->setObjectName(QStringLiteral("Seleccion%1").arg(i));
    }
    m_tbusqueda =
        Caja(m_frmOB, "Tbusqueda", QStringLiteral("Ingrese aqui el parametro de busqueda y precione enter o buscar"));
    m_cmdBuscar = Boton(m_frmOB, "CmdBuscar", QStringLiteral("Buscar"),
                        QStringLiteral("Haga click aqui para buscar con este filtro"));
    m_cBus1 = Boton(m_frmOB, "CBus1", QStringLiteral("Cerrar"));
    m_command1 = Boton(m_frmOB, "Command1", QStringLiteral("Buscar boleto o encomienda:->"),
                       QStringLiteral("Haga click aqui para buscar otro tipo de filtro"));

    m_frmeBoE = new QGroupBox(QStringLiteral("Boleto o encomienda"), this);
    m_frmeBoE->setObjectName(QStringLiteral("FrmeBoE"));
    m_bolEquip = Caja(m_frmeBoE, "BolEquip", QStringLiteral("Ingrese aqui el Nro de boleto o ticket de equipaje"));
    m_f1 = Caja(m_frmeBoE, "F1", QStringLiteral("Los datos importados solo ingreselos aqui"));
    LimitarCaja(m_f1, 10);
    m_f2 = Caja(m_frmeBoE, "F2", QStringLiteral("Ingrese aqui el segundo dato de la terna"));
    LimitarCaja(m_f2, 4);
    m_f3 = Caja(m_frmeBoE, "F3", QStringLiteral("Ingrese aqui el tercer dato de la terna"));
    LimitarCaja(m_f3, 10);
    m_busqueda = Boton(m_frmeBoE, "Busqueda", QStringLiteral("Buscar"),
                       QStringLiteral("Haga click aqui para buscar boleto, ticket o guia"));

    m_frame1 = new QGroupBox(QStringLiteral("Abrir"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_numero = new QLineEdit(m_frame1);
    m_numero->setObjectName(QStringLiteral("Numero"));
    const QString titulos[6] = {QStringLiteral("Fecha:"),   QStringLiteral("Hora"), QStringLiteral("Apellido:"),
                                QStringLiteral("Nombres:"), QStringLiteral("DNI:"), QStringLiteral("Nro Queja:")};
    QLabel* etiquetas[6];
    for (int i = 0; i < 6; ++i) {
        etiquetas[i] = Etiqueta(m_frame1, QStringLiteral("Etiquetas%1").arg(i), titulos[i]);
        m_datos[i] = EtiquetaDeDato(m_frame1, QStringLiteral("Datos%1").arg(i));
    }
    m_abrir = Boton(m_frame1, "Abrir", QStringLiteral("Abrir"));
    m_abrir->setEnabled(false);

    // Layout: the list on the left, the filters and the chosen complaint on the right.
    auto* g2 = new QHBoxLayout(m_frame2);
    g2->addWidget(m_desde);
    g2->addWidget(m_hasta);
    g2->addWidget(m_ir);

    auto* gOB = new QGridLayout(m_frmOB);
    for (int i = 0; i < 4; ++i)
        gOB->addWidget(m_seleccion[i], i / 2, i % 2);
    gOB->addWidget(m_tbusqueda, 2, 0);
    gOB->addWidget(m_cmdBuscar, 2, 1);
    gOB->addWidget(m_command1, 3, 0);
    gOB->addWidget(m_cBus1, 3, 1);

    auto* gBoE = new QGridLayout(m_frmeBoE);
    gBoE->addWidget(Etiqueta(m_frmeBoE, QStringLiteral("LblInfo2"),
                             QStringLiteral("Ingrese Nro de boleto, tiquet de equipaje o parte de el")),
                    0, 0, 1, 3);
    gBoE->addWidget(m_bolEquip, 1, 0, 1, 3);
    gBoE->addWidget(Etiqueta(m_frmeBoE, QStringLiteral("LblInfo3"), QStringLiteral("Ingrese los datos de encomientas")),
                    2, 0, 1, 3);
    gBoE->addWidget(m_f1, 3, 0);
    gBoE->addWidget(m_f2, 3, 1);
    gBoE->addWidget(m_f3, 3, 2);
    gBoE->addWidget(m_busqueda, 4, 2);

    auto* g1 = new QGridLayout(m_frame1);
    g1->addWidget(
        Etiqueta(m_frame1, QStringLiteral("LblInfo0"), QStringLiteral("Nro de reclamo: (ingrese y press enter)")), 0,
        0);
    g1->addWidget(m_numero, 0, 1);
    g1->addWidget(Etiqueta(m_frame1, QStringLiteral("LblInfo1"), QStringLiteral("Datos del reclamo seleccionado:")), 1,
                  0, 1, 2);
    for (int i = 0; i < 6; ++i) {
        g1->addWidget(etiquetas[i], 2 + i, 0);
        g1->addWidget(m_datos[i], 2 + i, 1);
    }
    g1->addWidget(m_abrir, 8, 1, Qt::AlignRight);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(m_frame2);
    derecha->addWidget(m_cmdMF, 0, Qt::AlignLeft);
    derecha->addWidget(m_frmOB);
    derecha->addWidget(m_frmeBoE);
    derecha->addWidget(m_frame1);
    derecha->addStretch(1);
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(m_quejas, 1);
    izquierda->addWidget(m_vfin);
    auto* capa = new QHBoxLayout(this);
    capa->addLayout(izquierda, 3);
    capa->addLayout(derecha, 2);
    m_frmOB->setVisible(false);
    m_frmeBoE->setVisible(false);
    resize(980, 600);

    for (QLineEdit* c : {m_desde, m_hasta, m_f1, m_f2, m_numero})
        c->installEventFilter(this);
    connect(m_vfin, &QCheckBox::clicked, this, &F_Abrir::Vfin_Click);
    connect(m_ir, &QPushButton::clicked, this, &F_Abrir::Ir_Click);
    connect(m_cmdMF, &QPushButton::clicked, this, &F_Abrir::CmdMF_Click);
    connect(m_cmdBuscar, &QPushButton::clicked, this, &F_Abrir::CmdBuscar_Click);
    connect(m_cBus1, &QPushButton::clicked, this, &F_Abrir::CBus1_Click);
    connect(m_command1, &QPushButton::clicked, this, &F_Abrir::Command1_Click);
    connect(m_busqueda, &QPushButton::clicked, this, &F_Abrir::Busqueda_Click);
    connect(m_abrir, &QPushButton::clicked, this, &F_Abrir::Abrir_Click);
    connect(m_quejas, &GrillaTabla::DblClick, this, &F_Abrir::Quejas_Abiertas_DblClick);
}

void F_Abrir::Form_Load()
{
    QPointer<F_Abrir> yo(this);
    ListarQuejas(*m_quejas, 100, false);
    if (!yo)
        return;
    fijarFechas();
    // When the main window's opener shows the progress window, its unload switches the main
    // window on again; opened from the DNI lookup there is none and the main window stays off.
    Formulario<PCarga>::Descargar();
}

void F_Abrir::fijarFechas()
{
    ApagarPrincipal();
    m_hasta->setText(FechaHoy());
    if (m_desde->text().isEmpty())
        m_desde->setText(PrimerDiaDelMes());
}

bool F_Abrir::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick) {
        if (objeto == m_desde)
            Desde_DblClick();
        else if (objeto == m_hasta)
            Hasta_DblClick();
    } else if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (objeto == m_f1) {
                F1_KeyPress(kEnter);
                return true;
            }
            if (objeto == m_f2) {
                F2_KeyPress(kEnter);
                return true;
            }
            if (objeto == m_numero) {
                Numero_KeyPress(kEnter);
                return true;
            }
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

// The lists let window events run between rows: the window may be closed before they return.

void F_Abrir::Vfin_Click()
{
    QPointer<F_Abrir> yo(this);
    Aplicacion::HacerEventos();
    if (!yo)
        return;
    ListarQuejas(*m_quejas, 100, m_vfin->isChecked());
    if (!yo)
        return;
    fijarFechas();
}

void F_Abrir::Desde_DblClick()
{
    if (m_desde->text().isEmpty())
        m_desde->setText(PrimerDiaDelMes());
}

void F_Abrir::Hasta_DblClick()
{
    if (m_hasta->text().isEmpty())
        m_hasta->setText(FechaHoy());
}

void F_Abrir::Ir_Click()
{
    if (!EsFechaValida(m_desde->text()) || !EsFechaValida(m_hasta->text())) {
        MsgBox(QStringLiteral("Fecha incorrecta"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    ListarQuejasPeriodo(*m_quejas, m_desde->text(), m_hasta->text());
}

void F_Abrir::CmdMF_Click()
{
    m_frmOB->setVisible(true);
}

void F_Abrir::Command1_Click()
{
    m_frmeBoE->setVisible(true);
}

void F_Abrir::CBus1_Click()
{
    m_frmOB->setVisible(false);
    m_frmeBoE->setVisible(false);
}

void F_Abrir::CmdBuscar_Click()
{
    if (m_tbusqueda->text().size() < 2) {
        MsgBox(QStringLiteral("Parámetros de busqueda insuficientes"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Cargue mas parámetros"));
        return;
    }
    m_frmOB->setVisible(false);
    QPointer<F_Abrir> yo(this);
    Aplicacion::HacerEventos();
    if (!yo)
        return;
    qint16 modo = 0;
    for (qint16 i = 0; i < 4; ++i) {
        if (m_seleccion[i]->isChecked()) {
            modo = i;
            break;
        }
    }
    m_quejas->SetVisible(false);
    BuscarQuejas(modo, m_tbusqueda->text(), *m_quejas);
    if (yo)
        m_quejas->SetVisible(true);
}

void F_Abrir::Busqueda_Click()
{
    const QString bol = m_bolEquip->text();
    const QString f1 = m_f1->text();
    const QString f2 = m_f2->text();
    const QString f3 = m_f3->text();
    if (bol.isEmpty() && f1.isEmpty() && f2.isEmpty() && f3.isEmpty()) {
        MsgBox(QStringLiteral("Ingrese algún parámetro de busqueda... Boleto, equipaje o Guia de encomienda."));
        return;
    }

    qint16 modo = 0;
    QString t1, t2, t3;
    if (!bol.isEmpty()) {
        const Respuesta r =
            MsgBox(QStringLiteral("Desea buscar por boleto?") + kRenglon + QStringLiteral("Si  - Buscar por boleto") +
                       kRenglon + QStringLiteral("No - Buscar equipaje") + kRenglon +
                       QStringLiteral("Cancelar - Salir sin buscar"),
                   Botones::SiNoCancelar, Icono::Ninguno, QStringLiteral("Busqueda"));
        if (r == Respuesta::Cancelar)
            return;
        modo = r == Respuesta::Si ? 1 : 2;
        t1 = bol;
    } else {
        const bool a = !f1.isEmpty();
        const bool b = !f2.isEmpty();
        const bool c = !f3.isEmpty();
        if (a && b && c) {
            modo = 3;
            t1 = f1;
            t2 = f2;
            t3 = f3;
        } else if (a && b) {
            modo = 4;
            t1 = f1;
            t2 = f2;
        } else if (a && !c) {
            modo = 5;
            t1 = f1;
        } else if (b && c) {
            modo = 6;
            t1 = f2;
            t2 = f3;
        } else if (a) {
            modo = 7;
            t1 = f1;
            t2 = f3;
        } else if (c) {
            modo = 8;
            t1 = f3;
        } else {
            modo = 9;
            t1 = f2;
        }
    }
    QPointer<F_Abrir> yo(this);
    BuscarQuejasComprobante(modo, t1, t2, t3, *m_quejas);
    if (!yo)
        return;
    m_frmeBoE->setVisible(false);
    m_frmOB->setVisible(false);
}

void F_Abrir::F1_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_f2->setFocus();
}

void F_Abrir::F2_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_f3->setFocus();
}

void F_Abrir::Mostrar()
{
    Numero_KeyPress(kEnter);
}

void F_Abrir::Numero_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    double valor = 0;
    const double redondeado = leerNumero(m_numero->text(), valor) ? std::nearbyint(valor) : 0;
    // A number beyond the complaint numbers' range is refused like any other wrong number.
    if (!(valor > 0) || redondeado > std::numeric_limits<qint32>::max()) {
        MsgBox(QStringLiteral("Numero de atención incorrecto"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Ostrevia"));
        return;
    }
    const RegResumenQueja r = GetResumenQueja(static_cast<qint32>(redondeado));
    if (r.PID == -1) {
        MsgBox(QStringLiteral("No existe el numero de atención solicitado"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Ostrevia"));
        for (int i = 0; i < 5; ++i)
            m_datos[i]->clear();
        m_abrir->setEnabled(false);
        return;
    }
    m_datos[0]->setText(r.Fecha);
    m_datos[1]->setText(r.Hora);
    m_datos[2]->setText(r.Apellido);
    m_datos[3]->setText(r.Nombres);
    m_datos[4]->setText(r.DNI);
    m_datos[5]->setText(QString::number(r.PID));
    m_abrir->setEnabled(true);
}

void F_Abrir::Quejas_Abiertas_DblClick()
{
    if (m_quejas->Row() < 0)
        return;
    m_quejas->SetCol(0);
    m_numero->setText(m_quejas->Text());
    Numero_KeyPress(kEnter);
}

void F_Abrir::Abrir_Click()
{
    double valor = 0;
    if (!leerNumero(m_datos[5]->text(), valor))
        return;
    if (valor < 1) {
        MsgBox(QStringLiteral("Reclamo invalido"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Carga de Reclamos"));
        return;
    }
    // The case window's first load reads its lists, letting events run.
    QPointer<F_Abrir> yo(this);
    if (VisAtte* caso = Formulario<VisAtte>::Obtener())
        caso->Cargar_Reclamo(static_cast<qint32>(std::nearbyint(valor)));
    if (yo)
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
    VentanaPrincipal::TiempoACero();
}
