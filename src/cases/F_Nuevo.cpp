#include "F_Nuevo.h"

#include "Aplicacion.h"
#include "Catalogos.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Medidas.h"
#include "Principal.h"
#include "Quejas.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VisAtte.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {

constexpr int kLargoDetalle = 3900;
const QString kSeparador = QStringLiteral(" - ");

const char* const kProvincias[] = {"Buenos Aires",
                                   "Catamarca",
                                   "Chaco",
                                   "Chubut",
                                   "Córdoba",
                                   "Corrientes",
                                   "Entre Ríos",
                                   "Formosa",
                                   "Jujuy",
                                   "La Pampa",
                                   "La Rioja",
                                   "Mendoza",
                                   "Misiones",
                                   "Neuquén",
                                   "Río Negro",
                                   "Salta",
                                   "San Juan",
                                   "Santa Cruz",
                                   "Santa Fe",
                                   "Santiago del Estero",
                                   "Tierra del Fuego",
                                   "Tucumán"};

QString itemCatalogo(qint16 pid, const QString& detalle)
{
    return QString::number(pid) + kSeparador + detalle;
}

// The stored value of a catalogue item: the number before the first " - ".
qint16 pidDeItem(const QString& texto)
{
    return static_cast<qint16>(texto.section(kSeparador, 0, 0).trimmed().toInt());
}

void aviso(const QString& texto)
{
    MsgBox(texto, Botones::Aceptar, Icono::Informacion);
}

QComboBox* lista(QWidget* padre, const char* nombre)
{
    ListaDato* c = ListaDeDato(padre, QString::fromLatin1(nombre));
    c->setMinimumContentsLength(18);
    return c;
}

} // namespace

F_Nuevo::F_Nuevo()
{
    setObjectName(QStringLiteral("F_Nuevo"));
    setWindowTitle(QStringLiteral("Alta de Incidencia"));

    m_frame1 = new QGroupBox(QStringLiteral("Datos del titular"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_dtRec = new QGroupBox(QStringLiteral("Tipos, motivos y datos"), this);
    m_dtRec->setObjectName(QStringLiteral("DTRec"));

    m_apellido = Caja(m_frame1, "Apellido");
    m_nombres = Caja(m_frame1, "Nombres");
    m_dni = Caja(m_frame1, "DNI");
    m_fecha = Caja(m_frame1, "Fecha");
    m_hora = Caja(m_frame1, "Hora");
    m_domicilio = Caja(m_frame1, "Domicilio");
    m_localidad = Caja(m_frame1, "Localidad");
    m_provincia = lista(m_frame1, "Provincia");
    m_provincia->setEditable(true);
    m_provincia->setInsertPolicy(QComboBox::NoInsert);
    for (const char* p : kProvincias)
        m_provincia->addItem(QString::fromUtf8(p));
    m_provincia->setCurrentIndex(-1);
    m_provincia->setEditText(QStringLiteral("Provincia"));
    m_pais = Caja(m_frame1, "Pais");
    m_pais->setText(QStringLiteral("Argentina"));
    m_telefono = Caja(m_frame1, "Telefono");
    m_celular = Caja(m_frame1, "Celular");
    m_correo = Caja(m_frame1, "Correo");
    m_usuario = new QLabel(m_frame1);
    m_usuario->setObjectName(QStringLiteral("Usuario"));

    m_tipoRec = lista(m_dtRec, "Tipo_Rec");
    m_motivoRec = lista(m_dtRec, "Motivo_rec");
    m_causaRec = lista(m_dtRec, "Causa_rec");
    m_cmbEmpresa = lista(m_dtRec, "CmbEmpresa");
    m_numero = Caja(m_dtRec, "Numero");
    m_mediador = Caja(m_dtRec, "Mediador");
    m_detalle = new QPlainTextEdit(m_dtRec);
    m_detalle->setObjectName(QStringLiteral("Detalle"));
    m_detalle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detalle->setTabChangesFocus(true);

    m_guardar = new QPushButton(QStringLiteral("Guardar y seguir"), this);
    m_guardar->setObjectName(QStringLiteral("Guardar"));

    // The label array Eriqueta, one caption beside each field.
    int indiceEtiqueta = 0;
    auto etiqueta = [&indiceEtiqueta](QWidget* padre, const QString& texto) {
        auto* l = new QLabel(texto, padre);
        l->setObjectName(QStringLiteral("Eriqueta%1").arg(indiceEtiqueta++));
        return l;
    };

    auto* g1 = new QGridLayout(m_frame1);
    const std::pair<QString, QWidget*> titular[] = {
        {QStringLiteral("Apellido/s:"), m_apellido},
        {QStringLiteral("Nombres:"), m_nombres},
        {QStringLiteral("DNI:"), m_dni},
        {QStringLiteral("Fecha recepcion:"), m_fecha},
        {QStringLiteral("Hora:"), m_hora},
        {QStringLiteral("Domicilio:"), m_domicilio},
        {QStringLiteral("Localidad"), m_localidad},
        {QStringLiteral("Provincia"), m_provincia},
        {QStringLiteral("Pais:"), m_pais},
        {QStringLiteral("Teléfono:"), m_telefono},
        {QStringLiteral("Celular/contacto:"), m_celular},
        {QStringLiteral("Correo electrónico:"), m_correo},
        {QStringLiteral("Atiende:"), m_usuario},
    };
    int i = 0;
    for (const auto& [texto, control] : titular) {
        g1->addWidget(etiqueta(m_frame1, texto), i / 2, (i % 2) * 2);
        g1->addWidget(control, i / 2, (i % 2) * 2 + 1);
        ++i;
    }

    auto* g2 = new QGridLayout(m_dtRec);
    const std::pair<QString, QWidget*> clasificacion[] = {
        {QStringLiteral("Tipo de contacto"), m_tipoRec},
        {QStringLiteral("Motivo de contacto"), m_motivoRec},
        {QStringLiteral("Causa de la llamada"), m_causaRec},
        {QStringLiteral("Empresa"), m_cmbEmpresa},
        {QStringLiteral("Expediente"), m_numero},
        {QStringLiteral("Mediador"), m_mediador},
    };
    i = 0;
    for (const auto& [texto, control] : clasificacion) {
        g2->addWidget(etiqueta(m_dtRec, texto), i / 2, (i % 2) * 2);
        g2->addWidget(control, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    g2->addWidget(etiqueta(m_dtRec, QStringLiteral("Detalle")), 3, 0);
    g2->addWidget(m_detalle, 4, 0, 1, 4);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(m_frame1);
    capa->addWidget(m_dtRec, 1);
    capa->addWidget(m_guardar, 0, Qt::AlignRight);

    QWidget* const orden[] = {m_apellido,  m_nombres,    m_dni,      m_fecha,    m_hora,    m_domicilio, m_localidad,
                              m_provincia, m_pais,       m_telefono, m_celular,  m_correo,  m_tipoRec,   m_motivoRec,
                              m_causaRec,  m_cmbEmpresa, m_numero,   m_mediador, m_detalle, m_guardar};
    for (size_t k = 1; k < std::size(orden); ++k)
        setTabOrder(orden[k - 1], orden[k]);

    for (QLineEdit* c :
         {m_apellido, m_nombres, m_dni, m_fecha, m_hora, m_domicilio, m_localidad, m_pais, m_telefono, m_celular})
        c->installEventFilter(this);
    m_provincia->installEventFilter(this);
    m_provincia->lineEdit()->installEventFilter(this);

    connect(m_guardar, &QPushButton::clicked, this, &F_Nuevo::Guardar_Click);
    connect(m_motivoRec, &QComboBox::activated, this, &F_Nuevo::Motivo_rec_Click);
    // What is typed or pasted beyond 3900 characters is dropped, as a text box's maximum length does.
    LimitarEscritura(m_detalle, kLargoDetalle);
}

void F_Nuevo::Form_Load()
{
    ApagarPrincipal();

    // The catalogue reads let events run: the form may be closed before they return.
    QPointer<F_Nuevo> yo(this);
    const RegListaCatalogo tipos = GetTipos();
    const RegListaCatalogo motivos = GetMotivos();
    const RegListaEmpresas empresas = GetEmpresas();
    if (!yo)
        return;

    m_tipoRec->clear();
    for (int k = 0; k <= tipos.Ultimo; ++k)
        m_tipoRec->addItem(itemCatalogo(tipos.Items[k].PID, tipos.Items[k].Detalle));
    m_tipoRec->setCurrentIndex(-1);

    m_motivoRec->clear();
    for (int k = 0; k <= motivos.Ultimo; ++k)
        m_motivoRec->addItem(itemCatalogo(motivos.Items[k].PID, motivos.Items[k].Detalle));
    m_motivoRec->setCurrentIndex(-1);

    // The company with the lowest PID is not offered.
    m_cmbEmpresa->clear();
    for (int k = 1; k <= empresas.Ultimo; ++k)
        m_cmbEmpresa->addItem(itemCatalogo(empresas.Items[k].PID, empresas.Items[k].Detalle));
    m_cmbEmpresa->setCurrentIndex(-1);

    mostrarUsuario();
    Fecha_DblClick();
}

void F_Nuevo::mostrarUsuario()
{
    m_usuario->setText(UsuarioActual.Apellido + QStringLiteral(", ") + UsuarioActual.Nombres);
}

bool F_Nuevo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick) {
        if (objeto == m_fecha)
            Fecha_DblClick();
        else if (objeto == m_hora)
            Hora_DblClick();
        return QWidget::eventFilter(objeto, evento);
    }
    if (evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objeto, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return QWidget::eventFilter(objeto, evento);

    using Manejador = void (F_Nuevo::*)(int);
    const std::pair<QObject*, Manejador> manejadores[] = {
        {m_apellido, &F_Nuevo::Apellido_KeyPress},
        {m_nombres, &F_Nuevo::Nombres_KeyPress},
        {m_dni, &F_Nuevo::DNI_KeyPress},
        {m_fecha, &F_Nuevo::Fecha_KeyPress},
        {m_hora, &F_Nuevo::Hora_KeyPress},
        {m_domicilio, &F_Nuevo::Domicilio_KeyPress},
        {m_localidad, &F_Nuevo::Localidad_KeyPress},
        {m_provincia, &F_Nuevo::Provincia_KeyPress},
        {m_provincia->lineEdit(), &F_Nuevo::Provincia_KeyPress},
        {m_pais, &F_Nuevo::Pais_KeyPress},
        {m_telefono, &F_Nuevo::Telefono_KeyPress},
        {m_celular, &F_Nuevo::Celular_KeyPress},
    };
    for (const auto& [control, manejador] : manejadores) {
        if (control == objeto) {
            (this->*manejador)(kEnter);
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void F_Nuevo::Apellido_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_nombres->setFocus();
}

void F_Nuevo::Nombres_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_dni->setFocus();
}

void F_Nuevo::DNI_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_fecha->setFocus();
}

void F_Nuevo::Fecha_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    Fecha_DblClick();
    m_hora->setFocus();
}

void F_Nuevo::Fecha_DblClick()
{
    m_fecha->setText(FechaHoy());
}

void F_Nuevo::Hora_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    m_hora->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    QPointer<F_Nuevo> yo(this);
    Aplicacion::HacerEventos();
    if (yo)
        m_domicilio->setFocus();
}

void F_Nuevo::Hora_DblClick()
{
    Hora_KeyPress(kEnter);
}

void F_Nuevo::Domicilio_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_localidad->setFocus();
}

void F_Nuevo::Localidad_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_provincia->setFocus();
}

void F_Nuevo::Provincia_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_pais->setFocus();
}

void F_Nuevo::Pais_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_telefono->setFocus();
}

void F_Nuevo::Telefono_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_celular->setFocus();
}

void F_Nuevo::Celular_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_correo->setFocus();
}

void F_Nuevo::Motivo_rec_Click()
{
    m_causaRec->clear();
    m_causaRec->setVisible(false);
    m_motivoRec->setVisible(false);
    // The first category is the general one: its reasons are those paired with no category. The
    // read lets events run: the form may be closed before it returns.
    QPointer<F_Nuevo> yo(this);
    const RegListaCatalogo causas = m_motivoRec->currentIndex() == 0
                                        ? GetCausasLibres(0)
                                        : GetCausasCategoria(pidDeItem(m_motivoRec->currentText()), 0);
    if (!yo)
        return;
    for (int k = 0; k <= causas.Ultimo; ++k)
        m_causaRec->addItem(itemCatalogo(causas.Items[k].PID, causas.Items[k].Detalle));
    m_causaRec->setCurrentIndex(-1);
    mostrarUsuario();
    m_causaRec->setVisible(true);
    m_motivoRec->setVisible(true);
    m_motivoRec->setFocus();
}

void F_Nuevo::Guardar_Click()
{
    VentanaPrincipal::TiempoACero();

    if (m_apellido->text().isEmpty() || m_nombres->text().isEmpty())
        return aviso(QStringLiteral("No se puede ingresar sin un nombre de reclamante"));
    if (m_dni->text().isEmpty())
        return aviso(QStringLiteral("No se puede ingresar el DNI del reclamante"));
    if (m_fecha->text().isEmpty())
        return aviso(QStringLiteral("No se puede ingresar sin la fecha del reclamo"));
    if (m_hora->text().isEmpty())
        return aviso(QStringLiteral("No se puede ingresar sin la hora del reclamo"));
    if (m_telefono->text().isEmpty() && m_celular->text().isEmpty() && m_correo->text().isEmpty())
        return aviso(QStringLiteral("No se puede ingresar sin un contacto de reclamante"));
    if (!EsFechaValida(m_fecha->text()))
        return aviso(QStringLiteral("Fecha cargada invalida"));
    if (m_motivoRec->currentIndex() < 0)
        return aviso(QStringLiteral("Seleccione un motivo de llamado"));
    if (m_causaRec->currentIndex() < 0)
        return aviso(QStringLiteral("Seleccione una causa de llamado"));

    RegQueja q = QuejaVacia();
    q.Apellido = m_apellido->text();
    q.Nombres = m_nombres->text();
    q.DNI = m_dni->text();
    q.Telefono2 = m_celular->text();
    q.Telefono = m_telefono->text();
    q.fecha_queja = m_fecha->text();
    q.hora_queja = m_hora->text();
    q.Correo = m_correo->text();
    q.NrLib = m_numero->text();
    q.Domicilio = m_domicilio->text();
    q.Localidad = m_localidad->text();
    q.Pais = m_pais->text();
    q.Mediador = m_mediador->text();
    // A province counts only when it is one of the list's items, not a typed text.
    const int provincia = m_provincia->currentIndex();
    q.Provincia = provincia >= 0 && m_provincia->itemText(provincia) == m_provincia->currentText()
                      ? m_provincia->currentText()
                      : QString();

    if (m_tipoRec->currentText().isEmpty())
        return aviso(QStringLiteral("Tipo de contacto invalido"));
    q.tipo_queja = pidDeItem(m_tipoRec->currentText());
    if (m_motivoRec->currentText().isEmpty())
        return aviso(QStringLiteral("motivo de contacto invalido"));
    q.motivo = pidDeItem(m_motivoRec->currentText());
    if (m_cmbEmpresa->currentText().isEmpty())
        return aviso(QStringLiteral("Empresa del reclamo no cargada"));
    q.Empresa.PID = pidDeItem(m_cmbEmpresa->currentText());
    q.detalle = EscaparComillas(m_detalle->toPlainText());
    q.causa = pidDeItem(m_causaRec->currentText());

    const qint32 n = AgregarQueja(q);
    // A failed insert has already been reported; no number is announced for it.
    if (n < 1)
        return;
    MsgBox(QStringLiteral("Se ha ingresado el reclamo con Nro: ") + QString::number(n), Botones::Aceptar,
           Icono::Informacion, QStringLiteral("Ostrevia"));
    if (VisAtte* caso = Formulario<VisAtte>::Obtener())
        caso->Cargar_Reclamo(n);
    Formulario<F_Nuevo>::Descargar();
}
