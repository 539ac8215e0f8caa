#include "VisAtte.h"

#include "Aplicacion.h"
#include "Catalogos.h"
#include "Colores.h"
#include "Controles.h"
#include "Dialogos.h"
#include "ExportarReclamo.h"
#include "FResolucion.h"
#include "F_Abrir.h"
#include "F_Comprobante.h"
#include "Formularios.h"
#include "Lugar.h"
#include "PCarga.h"
#include "Principal.h"
#include "Resoluciones.h"
#include "Seguimiento.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

constexpr long kFondoCampo = 0xAFF3B3;
constexpr long kFondoFecha = 0xE6FBE3;
constexpr long kFondoEdicion = 0xFFFFFF;
constexpr int kLargoDetalle = 4000;

const QString kSolucionado = QStringLiteral("Reclamo solucionado, no se puede modificar");
const QString kAnulado = QStringLiteral("Reclamo anulado, no se puede modificar");

void fondo(QWidget* w, long bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ColorBGR(bgr));
    w->setPalette(p);
}

QLineEdit* campo(QWidget* padre, const QString& nombre, long bgr = kFondoCampo)
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    c->setReadOnly(true);
    fondo(c, bgr);
    return c;
}

// Combo items of catalogues read "PID - Detalle".
void llenarCatalogo(QComboBox* combo, const RegListaCatalogo& lista)
{
    combo->clear();
    for (int i = 0; i <= lista.Ultimo; ++i)
        combo->addItem(QString::number(lista.Items[i].PID) + QStringLiteral(" - ") + lista.Items[i].Detalle);
    combo->setCurrentIndex(-1);
}

qint16 pidDeItem(const QString& item)
{
    return static_cast<qint16>(item.section(QStringLiteral(" - "), 0, 0).trimmed().toInt());
}

// 0 editable, 1 solved, 2 annulled.
qint16 numeroDeEstado(EstadoQueja estado)
{
    switch (estado) {
    case EstadoQueja::Anulada: return 2;
    case EstadoQueja::Solucionada: return 1;
    case EstadoQueja::Editable: break;
    }
    return 0;
}

// Shows the refusal of a solved or annulled case; true when the case may be changed.
bool avisarSiCerrado(qint16 estado)
{
    if (estado == 1) {
        MsgBox(kSolucionado, Botones::Aceptar, Icono::Informacion);
        return false;
    }
    if (estado == 2) {
        MsgBox(kAnulado, Botones::Aceptar, Icono::Informacion);
        return false;
    }
    return true;
}

} // namespace

VisAtte::VisAtte()
{
    setObjectName(QStringLiteral("VisAtte"));
    setWindowTitle(QStringLiteral("Atencion Abierta"));

    m_carga = new QGroupBox(this);
    m_carga->setObjectName(QStringLiteral("Carga"));

    m_nrQueja = Etiqueta(m_carga, QStringLiteral("NrQueja"));
    QFont grande = m_nrQueja->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 3);
    m_nrQueja->setFont(grande);

    m_apellido = campo(m_carga, QStringLiteral("Apellido"));
    m_nombres = campo(m_carga, QStringLiteral("Nombres"));
    m_dni = campo(m_carga, QStringLiteral("DNI"));
    m_fecha = campo(m_carga, QStringLiteral("Fecha"), kFondoFecha);
    m_hora = campo(m_carga, QStringLiteral("Hora"), kFondoFecha);
    m_telefono = campo(m_carga, QStringLiteral("Telefono"));
    m_celular = campo(m_carga, QStringLiteral("Celular"));
    m_correo = campo(m_carga, QStringLiteral("Correo"));
    m_domicilio = campo(m_carga, QStringLiteral("Domicilio"));
    m_localidad = campo(m_carga, QStringLiteral("Localidad"));
    m_provincia = campo(m_carga, QStringLiteral("Provincia"));
    m_pais = campo(m_carga, QStringLiteral("Pais"));
    m_lblEmpresa = EtiquetaDeDato(m_carga, QStringLiteral("LblEmpresa"));
    m_usuario = EtiquetaDeDato(m_carga, QStringLiteral("Usuario"));

    auto* datos = new QGridLayout;
    const std::pair<const char*, QWidget*> filas[] = {
        {"Apellido/s:", m_apellido},
        {"Nombres:", m_nombres},
        {"DNI:", m_dni},
        {"Fecha:", m_fecha},
        {"Hora:", m_hora},
        {"Teléfono:", m_telefono},
        {"Celular/contacto:", m_celular},
        {"Correo electrónico:", m_correo},
        {"Domicilio", m_domicilio},
        {"Localidad", m_localidad},
        {"Provincia", m_provincia},
        {"Pais", m_pais},
    };
    int n = 0;
    for (const auto& [texto, control] : filas) {
        datos->addWidget(Etiqueta(m_carga, QStringLiteral("Lbl") + control->objectName(), QString::fromUtf8(texto)),
                         n / 2, (n % 2) * 2);
        datos->addWidget(control, n / 2, (n % 2) * 2 + 1);
        ++n;
    }
    datos->addWidget(Etiqueta(m_carga, QStringLiteral("LblAtendio"), QStringLiteral("Atendió")), n / 2, 0);
    datos->addWidget(m_usuario, n / 2, 1);
    datos->addWidget(m_lblEmpresa, n / 2, 2, 1, 2);

    // Types, category, reason, numbers, detail and the buttons of the case.
    m_dtRec = new QGroupBox(QStringLiteral("Tipos, motivos y datos"), m_carga);
    m_dtRec->setObjectName(QStringLiteral("DTRec"));
    m_lblTipo = EtiquetaDeDato(m_dtRec, QStringLiteral("LblTipo"));
    m_lblMotivo = EtiquetaDeDato(m_dtRec, QStringLiteral("LblMotivo"));
    m_lblCausa = EtiquetaDeDato(m_dtRec, QStringLiteral("LblCausa"));
    m_numeroLbl = EtiquetaDeDato(m_dtRec, QStringLiteral("Numero"));
    m_mediador = EtiquetaDeDato(m_dtRec, QStringLiteral("Mediador"));
    m_nroQueja = EtiquetaDeDato(m_dtRec, QStringLiteral("NroQueja"));
    m_detalle = new QPlainTextEdit(m_dtRec);
    m_detalle->setObjectName(QStringLiteral("Detalle"));
    m_detalle->setReadOnly(true);
    m_detalle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fondo(m_detalle, kFondoCampo);
    LimitarEscritura(m_detalle, kLargoDetalle);

    m_frmeCmbMotCau = new QGroupBox(QStringLiteral("Cambiar Motivo y causa"), m_dtRec);
    m_frmeCmbMotCau->setObjectName(QStringLiteral("FrmeCmbMotCau"));
    m_motivoRec = ListaDeDato(m_frmeCmbMotCau, QStringLiteral("Motivo_rec"));
    m_causaRec = ListaDeDato(m_frmeCmbMotCau, QStringLiteral("Causa_rec"));
    m_cmdGuarMotRe = Boton(m_frmeCmbMotCau, QStringLiteral("CmdGuarMotRe"), QStringLiteral("Guardar"));
    m_cmdCancelmtq = Boton(m_frmeCmbMotCau, QStringLiteral("CmdCancelmtq"), QStringLiteral("Cancelar"));
    auto* panel = new QGridLayout(m_frmeCmbMotCau);
    panel->addWidget(Etiqueta(m_frmeCmbMotCau, QStringLiteral("LblMotivoRec"), QStringLiteral("Motivo de contacto")), 0,
                     0);
    panel->addWidget(m_motivoRec, 0, 1);
    panel->addWidget(Etiqueta(m_frmeCmbMotCau, QStringLiteral("LblCausaRec"), QStringLiteral("Causa de la llamada")), 1,
                     0);
    panel->addWidget(m_causaRec, 1, 1);
    auto* botonesPanel = new QHBoxLayout;
    botonesPanel->addStretch();
    botonesPanel->addWidget(m_cmdGuarMotRe);
    botonesPanel->addWidget(m_cmdCancelmtq);
    panel->addLayout(botonesPanel, 2, 0, 1, 2);
    m_frmeCmbMotCau->setVisible(false);

    m_datoss = Boton(m_dtRec, QStringLiteral("Datoss"), QStringLiteral("Datos del suceso."),
                     QStringLiteral("Fecha, hora, lugar responsables y datos del servicio"));
    m_scomp = Boton(m_dtRec, QStringLiteral("Scomp"), QStringLiteral("Comprobantes"));
    m_seguimientos = Boton(m_dtRec, QStringLiteral("Seguimientos"), QStringLiteral("Seguimientos"));
    m_resolucion = Boton(m_dtRec, QStringLiteral("Resolucion"), QStringLiteral("Resolución"));
    m_imprimirAtte = Boton(m_dtRec, QStringLiteral("Imprimir_Atte"), QStringLiteral("Exportar para imprimir"));
    m_cmdARec = Boton(m_dtRec, QStringLiteral("CmdARec"), QStringLiteral("Abrir reclamo"));
    m_cmdGNue = Boton(m_dtRec, QStringLiteral("CmdGNue"), QStringLiteral("Nuevo reclamo"),
                      QStringLiteral("Se cerrará el parte actual"));
    m_guardaDetalle = Boton(m_dtRec, QStringLiteral("Guarda_Detalle"), QStringLiteral("Guardar"));
    m_cancelar = Boton(m_dtRec, QStringLiteral("Cancelar"), QStringLiteral("Cancelar"));
    m_guardaDetalle->setEnabled(false);
    m_cancelar->setEnabled(false);

    auto* rec = new QGridLayout(m_dtRec);
    const std::pair<const char*, QLabel*> valores[] = {
        {"Tipo de contacto", m_lblTipo},
        {"Motivo de contacto", m_lblMotivo},
        {"Causa de la llamada", m_lblCausa},
        {"Expediente", m_numeroLbl},
        {"Mediador", m_mediador},
        {"Nro de queja", m_nroQueja},
    };
    n = 0;
    for (const auto& [texto, control] : valores) {
        rec->addWidget(Etiqueta(m_dtRec, QStringLiteral("Lbl") + control->objectName() + QStringLiteral("Titulo"),
                                QString::fromUtf8(texto)),
                       n % 3, (n / 3) * 2);
        rec->addWidget(control, n % 3, (n / 3) * 2 + 1);
        ++n;
    }
    rec->addWidget(m_frmeCmbMotCau, 3, 0, 1, 4);
    rec->addWidget(Etiqueta(m_dtRec, QStringLiteral("LblDetalle"), QStringLiteral("Detalle de la llamada")), 4, 0, 1,
                   4);
    rec->addWidget(m_detalle, 5, 0, 1, 4);
    auto* botonesDetalle = new QHBoxLayout;
    botonesDetalle->addStretch();
    botonesDetalle->addWidget(m_guardaDetalle);
    botonesDetalle->addWidget(m_cancelar);
    rec->addLayout(botonesDetalle, 6, 0, 1, 4);
    auto* botonesCaso = new QGridLayout;
    QPushButton* const caso[] = {m_datoss, m_scomp, m_seguimientos, m_resolucion, m_imprimirAtte, m_cmdARec, m_cmdGNue};
    for (int i = 0; i < 7; ++i)
        botonesCaso->addWidget(caso[i], i / 4, i % 4);
    rec->addLayout(botonesCaso, 7, 0, 1, 4);

    auto* carga = new QVBoxLayout(m_carga);
    carga->addWidget(m_nrQueja);
    carga->addLayout(datos);
    carga->addWidget(m_dtRec, 1);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(m_carga);
    m_carga->setVisible(false);

    for (QObject* o : std::initializer_list<QObject*>{m_apellido, m_nombres, m_dni, m_telefono, m_celular, m_correo,
                                                      m_domicilio, m_localidad, m_provincia, m_pais, m_numeroLbl,
                                                      m_mediador, m_nroQueja, m_lblCausa, m_detalle->viewport()})
        o->installEventFilter(this);

    connect(m_motivoRec, &QComboBox::activated, this, &VisAtte::Motivo_rec_Click);
    connect(m_cmdGuarMotRe, &QPushButton::clicked, this, &VisAtte::CmdGuarMotRe_Click);
    connect(m_cmdCancelmtq, &QPushButton::clicked, this, &VisAtte::CmdCancelmtq_Click);
    connect(m_guardaDetalle, &QPushButton::clicked, this, &VisAtte::Guarda_Detalle_Click);
    connect(m_cancelar, &QPushButton::clicked, this, &VisAtte::Cancelar_Click);
    connect(m_datoss, &QPushButton::clicked, this, &VisAtte::Datoss_Click);
    connect(m_scomp, &QPushButton::clicked, this, &VisAtte::Scomp_Click);
    connect(m_seguimientos, &QPushButton::clicked, this, &VisAtte::Seguimientos_Click);
    connect(m_resolucion, &QPushButton::clicked, this, &VisAtte::Resolucion_Click);
    connect(m_imprimirAtte, &QPushButton::clicked, this, &VisAtte::Imprimir_Atte_Click);
    connect(m_cmdARec, &QPushButton::clicked, this, &VisAtte::CmdARec_Click);
    connect(m_cmdGNue, &QPushButton::clicked, this, &VisAtte::CmdGNue_Click);
}

void VisAtte::Form_Load()
{
    // Filled once: later loads of complaints keep the list read here. The read lets events run.
    QPointer<VisAtte> yo(this);
    const RegListaCatalogo motivos = GetMotivos();
    if (!yo)
        return;
    llenarCatalogo(m_motivoRec, motivos);
    m_causaRec->clear();
}

bool VisAtte::eventFilter(QObject* objeto, QEvent* evento)
{
    const bool doble = evento->type() == QEvent::MouseButtonDblClick;
    const bool clic =
        evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton;
    if (!doble && !clic)
        return QWidget::eventFilter(objeto, evento);
    if (clic) {
        if (objeto == m_numeroLbl)
            Numero_Click();
        else if (objeto == m_nroQueja)
            NroQueja_Click();
        return QWidget::eventFilter(objeto, evento);
    }
    if (objeto == m_apellido)
        Apellido_DblClick();
    else if (objeto == m_nombres)
        Nombres_DblClick();
    else if (objeto == m_dni)
        DNI_DblClick();
    else if (objeto == m_telefono)
        Telefono_DblClick();
    else if (objeto == m_celular)
        Celular_DblClick();
    else if (objeto == m_correo)
        Correo_DblClick();
    else if (objeto == m_domicilio)
        Domicilio_DblClick();
    else if (objeto == m_localidad)
        Localidad_DblClick();
    else if (objeto == m_provincia)
        Provincia_DblClick();
    else if (objeto == m_pais)
        Pais_DblClick();
    else if (objeto == m_mediador)
        Mediador_DblClick();
    else if (objeto == m_lblCausa)
        LblCausa_DblClick();
    else if (objeto == m_detalle->viewport())
        Detalle_DblClick();
    else
        return QWidget::eventFilter(objeto, evento);
    // The gesture is consumed: a read-only box must not also select a word under the dialogs.
    return true;
}

void VisAtte::Cargar_Reclamo(qint32 numero)
{
    PCarga* carga = Formulario<PCarga>::Obtener();
    carga->show();
    Cerrar_Reclamo();
    m_numero = numero;
    m_queja = GetQueja(numero);

    m_estado = numeroDeEstado(EstadoDeResolucion(GetResolucion(numero)));

    m_queja.detalle = RestaurarComillas(m_queja.detalle);
    m_nrQueja->setText(QStringLiteral("Numero de reclamo: ") +
                       QStringLiteral("%1").arg(m_queja.pid, 6, 10, QLatin1Char('0')));
    MostrarDato(m_apellido, m_queja.Apellido);
    MostrarDato(m_nombres, m_queja.Nombres);
    MostrarDato(m_dni, m_queja.DNI);
    m_mediador->setText(m_queja.Mediador);
    MostrarDato(m_fecha, m_queja.fecha_queja);
    MostrarDato(m_hora, m_queja.hora_queja);
    MostrarDato(m_telefono, m_queja.Telefono);
    MostrarDato(m_celular, m_queja.Telefono2);
    MostrarDato(m_correo, m_queja.Correo);
    m_detalle->setPlainText(m_queja.detalle);
    m_numeroLbl->setText(m_queja.NrLib);
    MostrarDato(m_domicilio, m_queja.Domicilio);
    MostrarDato(m_localidad, m_queja.Localidad);
    MostrarDato(m_provincia, m_queja.Provincia);
    MostrarDato(m_pais, m_queja.Pais);
    m_nroQueja->setText(m_queja.NroQueja);
    m_lblTipo->setText(GetTipoDesc(m_queja.tipo_queja));
    m_lblMotivo->setText(GetMotivoDesc(m_queja.motivo));
    m_lblEmpresa->setText(GetEmpresaDesc(m_queja.Empresa.PID).Detalle);
    m_usuario->setText(GetNombreUsuario(m_queja.usuario));
    m_lblCausa->setText(GetCausaDesc(m_queja.causa));

    Formulario<PCarga>::Descargar();
    m_carga->setVisible(true);
    TraerAlFrente(this);
}

void VisAtte::Cerrar_Reclamo()
{
    m_numero = 0;
    m_queja = RegQueja();
    for (QLineEdit* c : {m_apellido, m_nombres, m_dni, m_fecha, m_hora, m_telefono, m_celular, m_correo, m_domicilio,
                         m_localidad, m_provincia, m_pais})
        c->clear();
    for (QLabel* l :
         {m_numeroLbl, m_mediador, m_nroQueja, m_nrQueja, m_lblTipo, m_lblMotivo, m_lblCausa, m_lblEmpresa, m_usuario})
        l->clear();
    m_detalle->clear();
    m_carga->setVisible(false);
}

bool VisAtte::PuedeModificar()
{
    if (m_estado == 0)
        return true;
    // Another desk may have reopened or annulled the complaint since this window read it: the
    // refusal follows the stored rows, and the window shows them when they differ.
    QPointer<VisAtte> yo(this);
    const qint16 guardado = numeroDeEstado(EstadoDeResolucion(GetResolucion(m_numero)));
    if (!yo)
        return false;
    if (guardado != m_estado)
        Cargar_Reclamo(m_numero);
    return avisarSiCerrado(m_estado);
}

void VisAtte::CampoEditado(qint16 codigo, const QWidget* control)
{
    // The value is read after the check, which may have reloaded the window.
    if (!PuedeModificar())
        return;
    const auto* caja = qobject_cast<const QLineEdit*>(control);
    ModificarCampo(caja ? caja->text() : static_cast<const QLabel*>(control)->text(), codigo);
}

void VisAtte::ModificarCampo(const QString& valor, qint16 codigo)
{
    // A value whose save was given up is offered again instead of the stored one.
    const QPair<qint32, qint16> campo(m_numero, codigo);
    const QString propuesta = m_sinGuardar.contains(campo) ? m_sinGuardar.take(campo) : valor;
    QPointer<VisAtte> yo(this);
    const QString nuevo =
        Dlg().InputBox(QStringLiteral("Ingrese un nuevo valor"), QStringLiteral("Cambiar"), propuesta);
    if (!yo || MsgBox(QStringLiteral("Desea modificarlo?"), Botones::SiNo, Icono::Ninguno,
                      QStringLiteral("Modificar?")) != Respuesta::Si)
        return;
    EstadoQueja estado = EstadoQueja::Editable;
    const Escritura escrito = SetCampoQueja(campo.first, codigo, nuevo, &estado);
    if (!yo)
        return;
    if (escrito == Escritura::NoGuardada) {
        m_sinGuardar.insert(campo, nuevo);
        return;
    }
    Cargar_Reclamo(campo.first);
    // Solved or annulled at another workstation after this window was filled.
    if (escrito == Escritura::Rechazada)
        avisarSiCerrado(numeroDeEstado(estado));
}

void VisAtte::Apellido_DblClick()
{
    CampoEditado(8, m_apellido);
}

void VisAtte::Nombres_DblClick()
{
    CampoEditado(9, m_nombres);
}

void VisAtte::DNI_DblClick()
{
    CampoEditado(10, m_dni);
}

void VisAtte::Telefono_DblClick()
{
    CampoEditado(5, m_telefono);
}

void VisAtte::Celular_DblClick()
{
    CampoEditado(6, m_celular);
}

void VisAtte::Correo_DblClick()
{
    CampoEditado(7, m_correo);
}

void VisAtte::Domicilio_DblClick()
{
    CampoEditado(1, m_domicilio);
}

void VisAtte::Localidad_DblClick()
{
    CampoEditado(2, m_localidad);
}

void VisAtte::Provincia_DblClick()
{
    CampoEditado(3, m_provincia);
}

void VisAtte::Pais_DblClick()
{
    CampoEditado(4, m_pais);
}

void VisAtte::Numero_Click()
{
    CampoEditado(12, m_numeroLbl);
}

void VisAtte::Mediador_DblClick()
{
    CampoEditado(13, m_mediador);
}

void VisAtte::NroQueja_Click()
{
    CampoEditado(14, m_nroQueja);
}

void VisAtte::Detalle_DblClick()
{
    if (!PuedeModificar())
        return;
    m_detalle->setReadOnly(false);
    fondo(m_detalle, kFondoEdicion);
    m_guardaDetalle->setEnabled(true);
    m_cancelar->setEnabled(true);
}

void VisAtte::Guarda_Detalle_Click()
{
    // A reload by the check puts the stored text back: what was typed stays in the box.
    const QString tecleado = m_detalle->toPlainText();
    QPointer<VisAtte> yo(this);
    const bool puede = PuedeModificar();
    if (!yo)
        return;
    if (m_detalle->toPlainText() != tecleado)
        m_detalle->setPlainText(tecleado);
    if (!puede)
        return;
    const QString texto = EscaparComillas(tecleado);
    if (MsgBox(QStringLiteral("Desea modificarlo?"), Botones::SiNo, Icono::Ninguno, QStringLiteral("Modificar?")) !=
        Respuesta::Si)
        return;
    // A save given up keeps the edit open with what was typed.
    EstadoQueja estado = EstadoQueja::Editable;
    const Escritura escrito = SetDetalleQueja(m_numero, texto, &estado);
    if (escrito == Escritura::NoGuardada || !yo)
        return;
    Cargar_Reclamo(m_numero);
    TerminarEdicionDetalle();
    if (escrito == Escritura::Rechazada)
        avisarSiCerrado(numeroDeEstado(estado));
}

void VisAtte::Cancelar_Click()
{
    Cargar_Reclamo(m_numero);
    TerminarEdicionDetalle();
}

void VisAtte::TerminarEdicionDetalle()
{
    m_detalle->setReadOnly(true);
    fondo(m_detalle, kFondoCampo);
    m_guardaDetalle->setEnabled(false);
    m_cancelar->setEnabled(false);
}

void VisAtte::LblCausa_DblClick()
{
    // Category and reason may be corrected in every case state.
    m_frmeCmbMotCau->setVisible(true);
}

void VisAtte::Motivo_rec_Click()
{
    const int indice = m_motivoRec->currentIndex();
    if (indice < 0)
        return;
    // The first item is the general category, whose reasons are those in no pair. The read lets
    // events run.
    QPointer<VisAtte> yo(this);
    const RegListaCatalogo causas =
        indice == 0 ? GetCausasLibres(0) : GetCausasCategoria(pidDeItem(m_motivoRec->currentText()), 0);
    if (!yo)
        return;
    llenarCatalogo(m_causaRec, causas);
    m_motivoRec->setFocus();
}

void VisAtte::CmdGuarMotRe_Click()
{
    if (m_motivoRec->currentIndex() < 0) {
        MsgBox(QStringLiteral("Seleccione un motivo de llamado"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Ostrevia"));
        return;
    }
    if (m_causaRec->currentIndex() < 0) {
        MsgBox(QStringLiteral("Seleccione una causa de llamado"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Ostrevia"));
        return;
    }
    const qint16 categoria = pidDeItem(m_motivoRec->currentText());
    const qint16 causa = pidDeItem(m_causaRec->currentText());
    // The writer takes the reason first; passing the category first would swap the two columns.
    SetMotivoCausa(causa, categoria, m_numero);
    m_frmeCmbMotCau->setVisible(false);
    Cargar_Reclamo(m_numero);
}

void VisAtte::CmdCancelmtq_Click()
{
    m_frmeCmbMotCau->setVisible(false);
}

void VisAtte::Datoss_Click()
{
    QPointer<Lugar> w = Formulario<Lugar>::Obtener();
    TraerAlFrente(w);
    const qint32 numero = m_numero;
    Aplicacion::HacerEventos();
    if (w)
        w->Setear_Queja(numero);
}

void VisAtte::Scomp_Click()
{
    F_Comprobante* w = Formulario<F_Comprobante>::Obtener();
    TraerAlFrente(w);
    w->Carga_Comp(m_numero);
}

void VisAtte::Seguimientos_Click()
{
    Seguimiento* w = Formulario<Seguimiento>::Obtener();
    TraerAlFrente(w);
    w->Cargar_Seg(m_numero);
}

void VisAtte::Resolucion_Click()
{
    FResolucion* w = Formulario<FResolucion>::Obtener();
    TraerAlFrente(w);
    w->SNqueja(m_numero);
}

void VisAtte::Imprimir_Atte_Click()
{
    ExportarReclamo(m_numero);
}

// Neither this window nor its members are touched after the first yield: the search window's
// load lets events run, and this window may be closed meanwhile.
void VisAtte::CmdARec_Click()
{
    VentanaPrincipal::Abrir_Click();
    Aplicacion::HacerEventos();
    // The search window minimised itself after opening this complaint; bring it back as it was.
    if (F_Abrir* w = Formulario<F_Abrir>::Obtener())
        TraerAlFrente(w);
}

void VisAtte::CmdGNue_Click()
{
    VentanaPrincipal::Nuevo_Click();
}

void VisAtte::Form_Unload()
{
    Cerrar_Reclamo();
    // The bars are filled again once, so they count what was changed here.
    VentanaPrincipal::RearmarBarras();
}
