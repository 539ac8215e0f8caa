#include "F_Comprobante.h"

#include "Aplicacion.h"
#include "Comprobantes.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Medidas.h"
#include "Usuarios.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* caja(QWidget* padre, const QString& nombre, int largoMaximo = 0)
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    if (largoMaximo > 0)
        LimitarCaja(c, largoMaximo);
    return c;
}

QListWidget* lista(QWidget* padre, const QString& nombre)
{
    auto* l = new QListWidget(padre);
    l->setObjectName(nombre);
    return l;
}

} // namespace

F_Comprobante::F_Comprobante()
{
    setObjectName(QStringLiteral("F_Comprobante"));
    setWindowTitle(QStringLiteral("Comprobantes"));

    m_tipoTicket = new QComboBox(this);
    m_tipoTicket->setObjectName(QStringLiteral("TipoTicket"));
    m_tipoTicket->addItems(
        {QStringLiteral("1 - Boleto"), QStringLiteral("2 - Equipaje"), QStringLiteral("3 - Encomienda")});
    m_tipoTicket->setCurrentIndex(-1);

    m_frmBol = new QGroupBox(QStringLiteral("Boleto"), this);
    m_frmBol->setObjectName(QStringLiteral("FrmBol"));
    auto* label1 = new QLabel(QStringLiteral("Boleto"), m_frmBol);
    label1->setObjectName(QStringLiteral("Label1"));
    m_boleto = caja(m_frmBol, QStringLiteral("Boleto"));
    m_listBolet = lista(m_frmBol, QStringLiteral("ListBolet"));

    m_frmEq = new QGroupBox(QStringLiteral("Equipaje"), this);
    m_frmEq->setObjectName(QStringLiteral("FrmEq"));
    auto* label2 = new QLabel(QStringLiteral("Equipaje"), m_frmEq);
    label2->setObjectName(QStringLiteral("Label2"));
    m_equipaje = caja(m_frmEq, QStringLiteral("Equipaje"));
    m_listEquip = lista(m_frmEq, QStringLiteral("ListEquip"));

    m_factura = new QGroupBox(QStringLiteral("Factura"), this);
    m_factura->setObjectName(QStringLiteral("Factura"));
    m_enc1 = caja(m_factura, QStringLiteral("Enc1"), 1);
    m_enc2 = caja(m_factura, QStringLiteral("Enc2"), 4);
    m_enc3 = caja(m_factura, QStringLiteral("Enc3"), 10);
    m_listEnco = lista(m_factura, QStringLiteral("ListEnco"));
    m_listEnco->setEnabled(false);

    m_guardado = new QPushButton(QStringLiteral("Finalizar y salir"), this);
    m_guardado->setObjectName(QStringLiteral("Guardado"));

    auto* gBol = new QVBoxLayout(m_frmBol);
    gBol->addWidget(label1);
    gBol->addWidget(m_boleto);
    gBol->addWidget(m_listBolet);
    auto* gEq = new QVBoxLayout(m_frmEq);
    gEq->addWidget(label2);
    gEq->addWidget(m_equipaje);
    gEq->addWidget(m_listEquip);
    auto* gFac = new QGridLayout(m_factura);
    gFac->addWidget(m_enc1, 0, 0);
    gFac->addWidget(m_enc2, 0, 1);
    gFac->addWidget(m_enc3, 0, 2);
    gFac->addWidget(m_listEnco, 1, 0, 1, 3);
    gFac->setColumnStretch(0, 1);
    gFac->setColumnStretch(1, 2);
    gFac->setColumnStretch(2, 4);

    auto* principal = new QGridLayout(this);
    principal->addWidget(m_tipoTicket, 0, 0, 1, 2);
    principal->addWidget(m_frmBol, 1, 0);
    principal->addWidget(m_frmEq, 1, 1);
    principal->addWidget(m_factura, 2, 0, 1, 2);
    principal->addWidget(m_guardado, 3, 1, Qt::AlignRight);

    m_frmBol->setVisible(false);
    m_frmEq->setVisible(false);
    m_factura->setVisible(false);
    resize(460, 360);

    for (QLineEdit* c : {m_boleto, m_equipaje, m_enc1, m_enc2, m_enc3})
        c->installEventFilter(this);
    connect(m_tipoTicket, &QComboBox::activated, this, &F_Comprobante::TipoTicket_Click);
    connect(m_listBolet, &QListWidget::itemDoubleClicked, this, &F_Comprobante::ListBolet_DblClick);
    connect(m_listEquip, &QListWidget::itemDoubleClicked, this, &F_Comprobante::ListEquip_DblClick);
    connect(m_guardado, &QPushButton::clicked, this, &F_Comprobante::Guardado_Click);
}

bool F_Comprobante::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (objeto == m_boleto)
                Boleto_KeyPress(kEnter);
            else if (objeto == m_equipaje)
                Equipaje_KeyPress(kEnter);
            else if (objeto == m_enc1)
                Enc1_KeyPress(kEnter);
            else if (objeto == m_enc2)
                Enc2_KeyPress(kEnter);
            else if (objeto == m_enc3)
                Enc3_KeyPress(kEnter);
            else
                return QWidget::eventFilter(objeto, evento);
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void F_Comprobante::Carga_Comp(qint32 nroQueja)
{
    // The one instance may still list another complaint's vouchers: they would show here and
    // refuse this complaint's own numbers as duplicates.
    if (m_nroQuejaComp != 0 && m_nroQuejaComp != nroQueja) {
        m_tipoTicket->setCurrentIndex(-1);
        for (QListWidget* l : {m_listBolet, m_listEquip, m_listEnco})
            l->clear();
        m_listEnco->setEnabled(false);
        m_frmBol->setVisible(false);
        m_frmEq->setVisible(false);
        m_factura->setVisible(false);
    }
    m_tipoCargado = 0;
    m_nroQuejaComp = nroQueja;
    const RegListaComprobantes l = GetComprobantes(nroQueja);
    if (l.Ultimo == -1) {
        Habilitar_Controles();
        return;
    }
    m_tipoTicket->setCurrentIndex(l.Tipo - 1);
    TipoTicket_Click();
    switch (l.Tipo) {
    case 1:
    case 2:
        m_frmBol->setVisible(true);
        m_frmEq->setVisible(l.Tipo == 2);
        m_factura->setVisible(false);
        m_listBolet->clear();
        m_listEquip->clear();
        m_tipoCargado = l.Tipo;
        break;
    case 3:
        m_tipoCargado = 3;
        m_frmBol->setVisible(false);
        m_frmEq->setVisible(false);
        m_factura->setVisible(true);
        m_listEnco->clear();
        break;
    default: break;
    }
    for (const RegComprobante& c : l.Items) {
        if (c.Tipo == 1)
            m_listBolet->addItem(c.Texto);
        else if (c.Tipo == 2)
            m_listEquip->addItem(c.Texto);
        else if (c.Tipo == 3)
            m_listEnco->addItem(c.Texto);
    }
    Habilitar_Controles();
}

void F_Comprobante::Habilitar_Controles()
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_tipoTicket, m_boleto, m_equipaje, m_enc1, m_enc2, m_enc3, m_guardado})
        w->setEnabled(true);
}

void F_Comprobante::TipoTicket_Click()
{
    // Parcel invoices and tickets never share a complaint: once invoices are stored the kind
    // is fixed.
    if (m_tipoCargado == 3) {
        MsgBox(QStringLiteral("No se puede cambiar el tipo de comprobante si está cargada una encomienda"),
               Botones::Aceptar, Icono::Informacion, QStringLiteral("Información del sistema"));
        return;
    }
    switch (m_tipoTicket->currentIndex()) {
    case 0:
        if (m_listEquip->count() > 0) {
            MsgBox(QStringLiteral("No se puede cambiar si hay equipajes"), Botones::Aceptar, Icono::Informacion);
            m_tipoTicket->setCurrentIndex(-1);
            return;
        }
        m_frmBol->setVisible(true);
        m_frmEq->setVisible(false);
        m_factura->setVisible(false);
        m_listEnco->setEnabled(false);
        break;
    case 1:
        m_frmBol->setVisible(true);
        m_frmEq->setVisible(true);
        m_factura->setVisible(false);
        m_listEnco->setEnabled(false);
        break;
    case 2:
        if (m_tipoCargado == 1 || m_tipoCargado == 2) {
            MsgBox(QStringLiteral("Seleccione otro tipo de comprobante"), Botones::Aceptar, Icono::Informacion);
            m_tipoTicket->setCurrentIndex(-1);
            return;
        }
        m_frmBol->setVisible(false);
        m_frmEq->setVisible(false);
        m_factura->setVisible(true);
        m_listEnco->setEnabled(true);
        break;
    default: break;
    }
}

qint16 F_Comprobante::Buscar_En_Lista(const QString& texto, QListWidget* lista)
{
    // Events run between items: the window, and the list with it, may be closed meanwhile.
    QPointer<QListWidget> guarda(lista);
    for (int i = 0; i < lista->count(); ++i) {
        lista->setCurrentRow(i);
        Aplicacion::HacerEventos();
        if (!guarda)
            return -1;
        if (lista->item(i)->text() == texto) {
            lista->clearSelection();
            return static_cast<qint16>(i);
        }
    }
    return -1;
}

void F_Comprobante::agregarTicket(QLineEdit* caja, QListWidget* lista, qint16 tipo, const QString& yaCargado)
{
    const QString texto = caja->text();
    QPointer<F_Comprobante> yo(this);
    const qint16 posicion = Buscar_En_Lista(texto, lista);
    if (!yo)
        return;
    if (posicion >= 0) {
        MsgBox(yaCargado, Botones::Aceptar, Icono::Informacion);
        return;
    }
    // A save given up leaves the number typed and unlisted, to be entered again. Its questions
    // let events run.
    if (!AgregarComprobante(m_nroQuejaComp, texto, QString(), QString(), tipo) || !yo)
        return;
    lista->addItem(texto);
    m_tipoTicket->setEnabled(false);
    caja->clear();
}

void F_Comprobante::Boleto_KeyPress(int tecla)
{
    if (tecla == kEnter)
        agregarTicket(m_boleto, m_listBolet, 1, QStringLiteral("El comprobante se encuentra cargado en boletos"));
}

void F_Comprobante::Equipaje_KeyPress(int tecla)
{
    if (tecla == kEnter)
        agregarTicket(m_equipaje, m_listEquip, 2, QStringLiteral("El comprobante se encuentra cargado en equipajes"));
}

void F_Comprobante::Enc1_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_enc2->setFocus();
}

void F_Comprobante::Enc2_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_enc3->setFocus();
}

void F_Comprobante::Enc3_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    // The number is required too: an invoice without it would be listed as its letter alone
    // and could never be told apart from another.
    if (m_enc1->text().isEmpty() || m_enc2->text().isEmpty() || m_enc3->text().isEmpty()) {
        MsgBox(QStringLiteral("Cargue todos los datos"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Guardar encomienda"));
        return;
    }
    QPointer<F_Comprobante> yo(this);
    if (!AgregarComprobante(m_nroQuejaComp, m_enc1->text(), m_enc2->text(), m_enc3->text(), 3) || !yo)
        return;
    Carga_Comp(m_nroQuejaComp);
    m_enc1->clear();
    m_enc2->clear();
    m_enc3->clear();
}

void F_Comprobante::cambiarTicket(QListWidget* lista, qint16 tipo, const QString& negado, const QString& pregunta)
{
    if (UsuarioActual.Nivel < 2) {
        MsgBox(negado, Botones::Aceptar, Icono::Informacion, QStringLiteral("No se puede borrar"));
        return;
    }
    QListWidgetItem* elegido = lista->currentItem();
    if (!elegido || !elegido->isSelected())
        return;
    const QString viejo = elegido->text();
    const QString nuevo = Dlg().InputBox(pregunta, QStringLiteral("Nuevo valor"), viejo);
    const QString confirmar = nuevo.isEmpty() ? QStringLiteral("Desea eliminar el comprobante?")
                                              : QStringLiteral("Desea editar el comprobante?");
    if (MsgBox(confirmar, Botones::SiNo, Icono::Ninguno, QStringLiteral("Editar comprobante")) != Respuesta::Si)
        return;
    ModificarComprobante(viejo, tipo, m_nroQuejaComp, nuevo);
    if (lista->count() == 1)
        lista->clear();
    else
        delete lista->takeItem(lista->row(elegido));
    Carga_Comp(m_nroQuejaComp);
}

void F_Comprobante::ListBolet_DblClick()
{
    cambiarTicket(m_listBolet, 1, QStringLiteral("Un usuario no puede borrar o cambiar comprobantes"),
                  QStringLiteral("Ingrese nuevo valor para el boleto"));
}

void F_Comprobante::ListEquip_DblClick()
{
    cambiarTicket(m_listEquip, 2, QStringLiteral("Un usuario no puede cambiar o borrar comprobantes"),
                  QStringLiteral("Ingrese nuevo valor para equipaje"));
}

void F_Comprobante::Guardado_Click()
{
    if (MsgBox(QStringLiteral("Desea salir del módulo?"), Botones::SiNo) == Respuesta::Si)
        Formulario<F_Comprobante>::Descargar();
}
