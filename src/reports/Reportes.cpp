#include "Reportes.h"

#include "DetallesL.h"
#include "Dialogos.h"
#include "Estadisticas.h"
#include "ExportarEstadisticas.h"
#include "FechasPeriodo.h"
#include "Formularios.h"
#include "ReporteDetallado.h"
#include "Textos.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

Reportes::Reportes()
{
    setObjectName(QStringLiteral("Reportes"));
    setWindowTitle(QStringLiteral("Reportes"));

    auto* tipos = new QGroupBox(QStringLiteral("Informes"), this);
    tipos->setObjectName(QStringLiteral("TiposDI"));
    m_option1[0] = new QRadioButton(QStringLiteral("Estadisticas por motivo"), tipos);
    m_option1[1] = new QRadioButton(QStringLiteral("Estadisticas por Categoria"), tipos);
    auto* capaTipos = new QVBoxLayout(tipos);
    for (int i = 0; i < 2; ++i) {
        m_option1[i]->setObjectName(QStringLiteral("Option1%1").arg(i));
        capaTipos->addWidget(m_option1[i]);
    }

    auto* frame1 = new QGroupBox(QStringLiteral("No mostrar datos en cero"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* lDesde = new QLabel(QStringLiteral("Desde"), frame1);
    lDesde->setObjectName(QStringLiteral("Label10"));
    auto* lHasta = new QLabel(QStringLiteral("Hasta"), frame1);
    lHasta->setObjectName(QStringLiteral("Label11"));
    m_desde = new QLineEdit(frame1);
    m_desde->setObjectName(QStringLiteral("Desde"));
    m_hasta = new QLineEdit(frame1);
    m_hasta->setObjectName(QStringLiteral("Hasta"));
    m_mpas = new QPushButton(QStringLiteral("Mes pasado"), frame1);
    m_mpas->setObjectName(QStringLiteral("MPas"));
    m_ne0 = new QCheckBox(QStringLiteral("No mostrar datos en cero"), frame1);
    m_ne0->setObjectName(QStringLiteral("NE0"));
    m_eep = new QCheckBox(QStringLiteral("Exportar en porcentaje"), frame1);
    m_eep->setObjectName(QStringLiteral("EEP"));
    auto* capa1 = new QGridLayout(frame1);
    capa1->addWidget(lDesde, 0, 0);
    capa1->addWidget(m_desde, 0, 1);
    capa1->addWidget(lHasta, 1, 0);
    capa1->addWidget(m_hasta, 1, 1);
    capa1->addWidget(m_mpas, 0, 2, 2, 1);
    capa1->addWidget(m_ne0, 2, 0, 1, 3);
    capa1->addWidget(m_eep, 3, 0, 1, 3);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    m_reporteDet = new QPushButton(QStringLiteral("Reporte detallado"), frame2);
    m_reporteDet->setObjectName(QStringLiteral("ReporteDet"));
    m_sacarConsulta = new QPushButton(QStringLiteral("Ver"), frame2);
    m_sacarConsulta->setObjectName(QStringLiteral("SacarConsulta"));
    auto* capa2 = new QVBoxLayout(frame2);
    capa2->addWidget(m_reporteDet);
    capa2->addWidget(m_sacarConsulta);

    auto* resultados = new QGroupBox(QStringLiteral("Resultado"), this);
    resultados->setObjectName(QStringLiteral("Resultados"));
    m_msfSalida = new GrillaTabla(resultados);
    m_msfSalida->setObjectName(QStringLiteral("MsfSalida"));
    m_exportar = new QPushButton(QStringLiteral("Exportar a Excel"), resultados);
    m_exportar->setObjectName(QStringLiteral("Exportar"));
    auto* capaR = new QVBoxLayout(resultados);
    capaR->addWidget(m_msfSalida, 1);
    capaR->addWidget(m_exportar, 0, Qt::AlignRight);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(tipos);
    izquierda->addWidget(frame1);
    izquierda->addWidget(frame2);
    izquierda->addStretch(1);
    auto* capa = new QHBoxLayout(this);
    capa->addLayout(izquierda);
    capa->addWidget(resultados, 1);
    resize(820, 460);

    // The first option holds the focus at opening, which selects it.
    m_option1[0]->setChecked(true);
    m_option1[0]->setFocus();

    m_desde->installEventFilter(this);
    m_hasta->installEventFilter(this);
    connect(m_mpas, &QPushButton::clicked, this, &Reportes::MPas_Click);
    connect(m_sacarConsulta, &QPushButton::clicked, this, &Reportes::SacarConsulta_Click);
    connect(m_msfSalida, &GrillaTabla::DblClick, this, &Reportes::MsfSalida_DblClick);
    connect(m_exportar, &QPushButton::clicked, this, &Reportes::Exportar_Click);
    connect(m_reporteDet, &QPushButton::clicked, this, &Reportes::ReporteDet_Click);
}

bool Reportes::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick) {
        if (objeto == m_desde)
            Desde_DblClick();
        else if (objeto == m_hasta)
            Hasta_DblClick();
    }
    return QWidget::eventFilter(objeto, evento);
}

void Reportes::Desde_DblClick()
{
    if (m_desde->text().isEmpty())
        m_desde->setText(PrimerDiaDelMes());
}

void Reportes::Hasta_DblClick()
{
    if (m_hasta->text().isEmpty())
        m_hasta->setText(FechaHoy());
}

void Reportes::MPas_Click()
{
    m_desde->setText(InicioMesAnterior());
    m_hasta->setText(FinMesAnterior());
}

void Reportes::agregarFila(const QString& detalle, const QString& valor, qint16 pid)
{
    const int r = m_msfSalida->Rows();
    m_msfSalida->SetRows(r + 1);
    m_msfSalida->SetTextMatrix(r, 0, detalle);
    m_msfSalida->SetTextMatrix(r, 1, valor);
    m_pids.append(pid);
}

void Reportes::SacarConsulta_Click()
{
    // The statistics read yields to the event queue: a second click must not start a second read.
    if (m_consultando)
        return;
    const QString desde = m_desde->text();
    const QString hasta = m_hasta->text();
    if (!EsFechaValida(desde) || !EsFechaValida(hasta)) {
        MsgBox(QStringLiteral("Establesca fecha desde o hasta"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    const bool porCausa = m_option1[0]->isChecked();
    if (!porCausa && !m_option1[1]->isChecked())
        return;

    m_consultando = true;
    m_sacarConsulta->setEnabled(false);
    m_msfSalida->SetVisible(false);
    QPointer<Reportes> yo(this);
    const bool porcentaje = m_eep->isChecked();
    RegListaConteos conteos;
    RegListaPorcentajes porcentajes;
    if (porcentaje)
        porcentajes = porCausa ? PorcentajePorCausa(desde, hasta) : PorcentajePorMotivo(desde, hasta);
    else
        conteos = porCausa ? ContarPorCausa(desde, hasta) : ContarPorMotivo(desde, hasta);
    // A logout while the read yielded unloads this window.
    if (!yo)
        return;

    m_msfSalida->SetCols(2);
    m_msfSalida->SetRows(1);
    m_msfSalida->SetTextMatrix(0, 0, porCausa ? QStringLiteral("Motivo") : QStringLiteral("Categoria"));
    m_msfSalida->SetTextMatrix(0, 1, QStringLiteral("Cantidad"));
    m_msfSalida->SetColWidth(0, 4000);
    m_msfSalida->SetColWidth(1, 1500);
    m_pids.clear();
    const bool ocultarCeros = m_ne0->isChecked();
    if (porcentaje) {
        for (const RegPorcentaje& item : porcentajes.Items) {
            if (ocultarCeros && item.Porcentaje == 0)
                continue;
            agregarFila(item.Detalle, QString::number(item.Porcentaje) + QLatin1Char('%'), item.Pid);
        }
    } else {
        for (const RegConteo& item : conteos.Items) {
            if (ocultarCeros && item.Cantidad == 0)
                continue;
            agregarFila(item.Detalle, QString::number(item.Cantidad), item.Pid);
        }
    }
    m_msfSalida->SetVisible(true);
    m_contenido = porCausa ? Contenido::PorCausa : Contenido::PorMotivo;
    m_sacarConsulta->setEnabled(true);
    m_consultando = false;
}

void Reportes::MsfSalida_DblClick()
{
    // The drill-down acts on the rows "Ver" shows: not while they are being replaced.
    if (m_consultando)
        return;
    const int fila = m_msfSalida->Row();
    if (m_contenido != Contenido::PorCausa || fila < 1 || fila >= m_msfSalida->Rows() || fila > m_pids.size())
        return;
    const QString valor = m_msfSalida->TextMatrix(fila, 1);
    if (valor == QLatin1String("0") || valor == QLatin1String("0%")) {
        MsgBox(QStringLiteral("No hay detalles para mostrar"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Detalles"));
        return;
    }
    const QString nombre = m_msfSalida->TextMatrix(fila, 0);
    const QString desde = m_desde->text();
    const QString hasta = m_hasta->text();
    QuejasDetalle = GetQuejasCausa(m_pids[fila - 1], desde, hasta);
    Formulario<DetallesL>::Obtener()->Llenar_Detalles(nombre, desde, hasta);
}

void Reportes::Exportar_Click()
{
    ExportarEstadisticas(*m_msfSalida, m_desde->text(), m_hasta->text());
}

void Reportes::ReporteDet_Click()
{
    // Not while "Ver" replaces the rows.
    if (m_consultando)
        return;
    const QString desde = m_desde->text();
    const QString hasta = m_hasta->text();
    if (!EsFechaValida(desde) || !EsFechaValida(hasta)) {
        MsgBox(QStringLiteral("Fechas incorrectas"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    // The reads yield to the event queue: a second click must not start a second report, and a
    // window closed meanwhile (a logout) stops it before any file is made.
    m_reporteDet->setEnabled(false);
    QPointer<Reportes> yo(this);
    ReporteDetallado(desde, hasta, [yo] { return yo && yo->isVisible(); });
    if (yo)
        m_reporteDet->setEnabled(true);
}
