#include "Bsnue.h"

#include "Aplicacion.h"
#include "Ayuda.h"
#include "Busquedas.h"
#include "Controles.h"
#include "Dialogos.h"
#include "F_Abrir.h"
#include "F_Nuevo.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "Medidas.h"
#include "Textos.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTime>

namespace {

constexpr int kColNombre = 3;
constexpr int kColDni = 4;

} // namespace

Bsnue::Bsnue()
{
    setObjectName(QStringLiteral("Bsnue"));
    setWindowTitle(QStringLiteral("Nuevo reclamo"));

    m_dni = new QLineEdit(this);
    m_dni->setObjectName(QStringLiteral("DNI"));
    m_dni->setToolTip(QStringLiteral("Ingrese DNI y presione enter"));
    m_dni->installEventFilter(this);

    m_bAyuda = new QPushButton(QStringLiteral("?"), this);
    m_bAyuda->setObjectName(QStringLiteral("BAyuda"));
    m_bAyuda->setToolTip(QStringLiteral("Haga Click aqui y en un formulario para obtener ayuda"));
    m_bAyuda->setFixedWidth(32);

    m_label1 = new QLabel(QStringLiteral("Reclamos anteriores:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    m_quejas = new GrillaTabla(this);
    m_quejas->setObjectName(QStringLiteral("Quejas_Abiertas"));
    // Until the first search the list shows only the header of its columns.
    const char* const encabezado[] = {"Nro", "Fecha", "Hora", "Ape y nom", "DNI"};
    m_quejas->SetCols(5);
    m_quejas->SetRows(1);
    for (int c = 0; c < 5; ++c)
        m_quejas->SetTextMatrix(0, c, QString::fromLatin1(encabezado[c]));

    m_nuevo = new QPushButton(QStringLiteral("Abrir nuevo"), this);
    m_nuevo->setObjectName(QStringLiteral("Nuevo"));

    auto* capa = new QGridLayout(this);
    capa->addWidget(new QLabel(QStringLiteral("DNI:"), this), 0, 0);
    capa->addWidget(m_dni, 0, 1);
    capa->addWidget(m_bAyuda, 0, 2);
    capa->addWidget(m_label1, 1, 0, 1, 3);
    capa->addWidget(m_quejas, 2, 0, 1, 3);
    capa->addWidget(m_nuevo, 3, 2);
    capa->setRowStretch(2, 1);
    setTabOrder(m_dni, m_quejas);
    setTabOrder(m_quejas, m_nuevo);
    setTabOrder(m_nuevo, m_bAyuda);
    resize(600, 360);

    connect(m_nuevo, &QPushButton::clicked, this, &Bsnue::Nuevo_Click);
    connect(m_bAyuda, &QPushButton::clicked, this, &Bsnue::BAyuda_Click);
    connect(m_quejas, &GrillaTabla::Click, this, &Bsnue::Quejas_Abiertas_Click);
    connect(m_quejas, &GrillaTabla::DblClick, this, &Bsnue::Quejas_Abiertas_DblClick);
    // "Abrir nuevo" copies the list's current row: it must be the row the user sees marked, also
    // when it was reached with the keyboard, or another claimant would be copied.
    connect(m_quejas, &QTableWidget::currentCellChanged, this, [this](int fila, int col) {
        if (fila < 0)
            return;
        m_quejas->SetRow(fila);
        m_quejas->SetCol(col);
    });
    // A click on the list below its rows is a click on the list too (help mode).
    m_quejas->viewport()->installEventFilter(this);
}

bool Bsnue::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_dni) {
        if (evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
                DNI_KeyPress(kEnter);
                return true;
            }
        } else if (evento->type() == QEvent::MouseButtonRelease) {
            DNI_Click();
        }
    } else if (objeto == m_quejas->viewport() && evento->type() == QEvent::MouseButtonRelease) {
        // Clicks on a cell arrive as the grid's own Click.
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (raton->button() == Qt::LeftButton && !m_quejas->indexAt(raton->position().toPoint()).isValid())
            Quejas_Abiertas_Click();
    }
    return QWidget::eventFilter(objeto, evento);
}

void Bsnue::mousePressEvent(QMouseEvent* evento)
{
    QWidget::mousePressEvent(evento);
    // Only the window's background: a press that a label passed up is not a click on the window.
    if (evento->button() == Qt::LeftButton && !childAt(evento->position().toPoint()))
        Form_Click();
}

bool Bsnue::atenderAyuda(qint16 tema)
{
    if (!m_modoAyuda)
        return false;
    m_modoAyuda = false;
    Formulario<Ayuda>::Obtener()->Cargar_Ayuda(QStringLiteral("bsnue"), tema);
    return true;
}

void Bsnue::DNI_KeyPress(int tecla)
{
    if (tecla != kEnter)
        return;
    m_quejas->SetVisible(false);
    m_quejas->SetRows(1);
    if (!m_dni->text().isEmpty()) {
        m_dni->setEnabled(false);
        m_nuevo->setEnabled(false);
        m_bAyuda->setEnabled(false);
        // The list lets events run between rows: the window may be closed meanwhile.
        QPointer<Bsnue> yo(this);
        BuscarQuejas(0, m_dni->text(), *m_quejas);
        if (!yo)
            return;
        m_quejas->SetVisible(true);
        // The list leaves its last row current: mark it, as that is the row "Abrir nuevo" copies.
        if (m_quejas->Rows() > 1)
            m_quejas->setCurrentCell(m_quejas->Row(), m_quejas->Col());
    }
    m_dni->setEnabled(true);
    m_nuevo->setEnabled(true);
    m_bAyuda->setEnabled(true);
}

void Bsnue::DNI_Click()
{
    atenderAyuda(0);
}

void Bsnue::Quejas_Abiertas_Click()
{
    atenderAyuda(1);
}

void Bsnue::Form_Click()
{
    atenderAyuda(3);
}

void Bsnue::BAyuda_Click()
{
    m_modoAyuda = true;
    MsgBox(
        QStringLiteral("Haga click en un contról para recibir ayuda del mismo o en el formulario para toda la ayuda"),
        Botones::Aceptar, Icono::Informacion, QStringLiteral("Ostrevia"));
}

void Bsnue::Nuevo_Click()
{
    if (atenderAyuda(2))
        return;

    // Only a complaint row carries a claimant; with none chosen (no search yet, or nothing
    // found) the form starts from the DNI typed here instead of the list's header texts.
    const int fila = m_quejas->Row();
    const bool hayFila = fila >= 1 && fila < m_quejas->Rows();
    QString dni = m_dni->text();
    QStringList nombre;
    if (hayFila) {
        nombre = m_quejas->TextMatrix(fila, kColNombre).split(QStringLiteral(", "));
        m_quejas->SetCol(kColDni);
        dni = m_quejas->Text();
    }

    // The form's load reads its lists, letting events run: this window is not touched after it.
    F_Nuevo* f = Formulario<F_Nuevo>::Obtener();
    if (!f)
        return;
    f->show();
    MostrarDato(f->DNI(), dni);
    MostrarDato(f->Apellido(), nombre.value(0));
    MostrarDato(f->Nombres(), nombre.value(1));
    f->Domicilio()->setFocus();
    f->Fecha()->setText(FechaHoy());
    f->Hora()->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    TraerAlFrente(f);
    Formulario<Bsnue>::Descargar();
}

void Bsnue::Quejas_Abiertas_DblClick()
{
    // The header row names no complaint.
    if (m_quejas->Row() < 1)
        return;
    m_quejas->SetCol(0);
    const QString numero = m_quejas->Text().section(QStringLiteral(" - "), 0, 0);

    QPointer<Bsnue> yo(this);
    if (F_Abrir* abrir = Formulario<F_Abrir>::Obtener())
        TraerAlFrente(abrir);
    Aplicacion::HacerEventos();
    if (F_Abrir* abrir = Formulario<F_Abrir>::SiCargado()) {
        abrir->Numero()->setText(numero);
        abrir->Mostrar();
    }
    if (yo)
        Formulario<Bsnue>::Descargar();
}
