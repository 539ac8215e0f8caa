#include "Seguimiento.h"

#include "Colores.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "ImprimirSeguimientos.h"
#include "Seguimientos.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

constexpr int kLargoNota = 3000;
constexpr int kAltoFila = 320;

// At most `largo` characters typed or pasted. A text the window puts in stays whole: an imported
// note may be longer, and the detail frame must show it all.

QPlainTextEdit* textoLargo(QWidget* padre, const QString& nombre)
{
    auto* t = new QPlainTextEdit(padre);
    t->setObjectName(nombre);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LimitarEscritura(t, kLargoNota);
    return t;
}

} // namespace

Seguimiento::Seguimiento()
{
    setObjectName(QStringLiteral("Seguimiento"));
    setWindowTitle(QStringLiteral("Seguimientos"));
    resize(1100, 620);

    const QString titulos[2] = {QStringLiteral("Nro de queja o reclamo:"), QStringLiteral("Reclamante:")};
    auto* cabecera = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(titulos[i], this);
        l->setObjectName(QStringLiteral("LNrQueja%1").arg(i));
        m_nrQueja[i] = EtiquetaDeDato(this, QStringLiteral("NrQueja%1").arg(i));
        QFont f = m_nrQueja[i]->font();
        f.setBold(true);
        m_nrQueja[i]->setFont(f);
        cabecera->addWidget(l);
        cabecera->addWidget(m_nrQueja[i]);
        cabecera->addSpacing(24);
    }
    cabecera->addStretch();

    m_msf1 = new GrillaTabla(this);
    m_msf1->setObjectName(QStringLiteral("Msf1"));

    // The full text of one note, over the grid; a click on it puts it away.
    m_frmdetalle = new QGroupBox(QStringLiteral("|X| Click aqui para desaparecer el cuadro"), this);
    m_frmdetalle->setObjectName(QStringLiteral("Frmdetalle"));
    m_frmdetalle->setToolTip(QStringLiteral("Click en el control para desaparecer"));
    m_frmdetalle->setAutoFillBackground(true);
    QPalette p = m_frmdetalle->palette();
    p.setColor(QPalette::Window, ColorBGR(0xC0FFC0));
    m_frmdetalle->setPalette(p);
    m_txtDetalle = textoLargo(m_frmdetalle, QStringLiteral("TxtDetalle"));
    auto* detalle = new QVBoxLayout(m_frmdetalle);
    detalle->addWidget(m_txtDetalle);
    m_frmdetalle->setVisible(false);
    m_frmdetalle->installEventFilter(this);

    auto* tSeguimiento = new QGroupBox(QStringLiteral("Seguimiento"), this);
    tSeguimiento->setObjectName(QStringLiteral("TSeguimiento"));
    auto* label12 = new QLabel(QStringLiteral("Fecha"), tSeguimiento);
    label12->setObjectName(QStringLiteral("Label12"));
    m_fecha = new QLineEdit(tSeguimiento);
    m_fecha->setObjectName(QStringLiteral("Fecha"));
    m_fecha->setReadOnly(true);
    m_fecha->setMaximumWidth(110);
    auto* label11 = new QLabel(QStringLiteral("Seguimiento:"), tSeguimiento);
    label11->setObjectName(QStringLiteral("Label11"));
    m_seguimiento = textoLargo(tSeguimiento, QStringLiteral("Seguimiento"));
    m_agregar = new QPushButton(QStringLiteral("Agregar"), tSeguimiento);
    m_agregar->setObjectName(QStringLiteral("Agregar"));
    m_imprimir = new QPushButton(QStringLiteral("Imprimir seguimientos"), tSeguimiento);
    m_imprimir->setObjectName(QStringLiteral("Imprimir"));
    auto* nueva = new QGridLayout(tSeguimiento);
    nueva->addWidget(label12, 0, 0);
    nueva->addWidget(m_fecha, 0, 1);
    nueva->addWidget(label11, 1, 0, Qt::AlignTop);
    nueva->addWidget(m_seguimiento, 1, 1);
    auto* botones = new QVBoxLayout;
    botones->addWidget(m_agregar);
    botones->addWidget(m_imprimir);
    botones->addStretch();
    nueva->addLayout(botones, 1, 2);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(cabecera);
    principal->addWidget(m_msf1, 3);
    principal->addWidget(m_frmdetalle, 2);
    principal->addWidget(tSeguimiento, 2);

    connect(m_agregar, &QPushButton::clicked, this, &Seguimiento::Agregar_Click);
    connect(m_imprimir, &QPushButton::clicked, this, &Seguimiento::Imprimir_Click);
    connect(m_msf1, &GrillaTabla::Click, this, &Seguimiento::Msf1_Click);
}

void Seguimiento::Form_Load()
{
    m_fecha->setText(FechaHoy());
    ApagarPrincipal();
}

bool Seguimiento::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_frmdetalle && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton)
        Frmdetalle_Click();
    return QWidget::eventFilter(objeto, evento);
}

void Seguimiento::Cargar_Seg(qint32 numero)
{
    const RegListaSeguimientos lista = GetSeguimientos(numero);
    m_nrQueja[1]->setText(lista.Reclamante);
    m_nrQueja[0]->setText(QString::number(numero));
    m_numero = numero;

    m_msf1->SetRows(1);
    m_msf1->SetCols(3);
    m_msf1->SetTextMatrix(0, 0, QStringLiteral("Seguimiento"));
    m_msf1->SetTextMatrix(0, 1, QStringLiteral("Fecha"));
    m_msf1->SetTextMatrix(0, 2, QStringLiteral("Operador"));
    m_msf1->SetColWidth(0, 10500);
    m_msf1->SetColWidth(1, 1900);
    m_msf1->SetColWidth(2, 3000);
    for (int i = 0; i <= lista.Ultimo; ++i) {
        const RegSeguimiento& s = lista.Items[i];
        m_msf1->AddItem(QString());
        m_msf1->SetRow(m_msf1->Rows() - 1);
        m_msf1->SetCol(0);
        m_msf1->SetText(RestaurarComillas(s.Detalle));
        m_msf1->SetRowHeight(m_msf1->Row(), kAltoFila);
        m_msf1->SetCellAlignment(0);
        m_msf1->SetTextMatrix(m_msf1->Row(), 1, s.Fecha);
        m_msf1->SetTextMatrix(m_msf1->Row(), 2, GetNombreUsuario(s.Usuario));
    }
}

void Seguimiento::Agregar_Click()
{
    if (m_numero == 0)
        return;
    if (!EsFechaValida(m_fecha->text())) {
        MsgBox(QStringLiteral("Fecha Invalida"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    if (m_seguimiento->toPlainText().size() < 4) {
        MsgBox(QStringLiteral("Ingrese un motivo de seguimiento"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    // The note stays in the box until it is stored, so a failed insert loses nothing.
    if (!AgregarSeguimiento(m_numero, m_fecha->text(), EscaparComillas(m_seguimiento->toPlainText()),
                            UsuarioActual.Pid)) {
        MsgBox(QStringLiteral("No se pudo guardar el seguimiento. Intente nuevamente"), Botones::Aceptar,
               Icono::Informacion);
        return;
    }
    m_seguimiento->clear();
    Cargar_Seg(m_numero);
}

void Seguimiento::Imprimir_Click()
{
    ImprimirSeguimientos(m_numero, m_nrQueja[1]->text(), *m_msf1);
}

void Seguimiento::Msf1_Click()
{
    if (m_msf1->Row() >= 1 && m_msf1->Col() == 0) {
        m_txtDetalle->setPlainText(m_msf1->Text());
        m_frmdetalle->setVisible(true);
    } else {
        m_frmdetalle->setVisible(false);
        m_txtDetalle->clear();
    }
}

void Seguimiento::Frmdetalle_Click()
{
    m_frmdetalle->setVisible(false);
}
