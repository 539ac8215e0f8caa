#include "Ventana.h"

#include "Principal.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace {
// How long after a show a placement by the window manager is still checked.
constexpr int kEsperaUbicacion = 1000;
} // namespace

Ventana::Ventana(QWidget* padre) : QWidget(padre) {}

void TraerAlFrente(QWidget* ventana)
{
    ventana->show();
    // show() leaves a minimised window where it is; a maximised one stays maximised.
    if (ventana->isMinimized())
        ventana->setWindowState(ventana->windowState() & ~Qt::WindowMinimized);
    ventana->raise();
    ventana->activateWindow();
}

Ventana::~Ventana()
{
    // A window destroyed without being closed still gives the main window back.
    devolverPrincipal();
}

void Ventana::Cargar()
{
    if (m_cargada)
        return;
    m_cargada = true;
    Form_Load();
}

void Ventana::ApagarPrincipal()
{
    // A load that yielded may find its window already closed: the main window stays on.
    if (m_descargada)
        return;
    m_principalApagado = true;
    VentanaPrincipal::Habilitar(false);
}

void Ventana::devolverPrincipal()
{
    if (!m_principalApagado)
        return;
    m_principalApagado = false;
    VentanaPrincipal::Habilitar(true);
}

void Ventana::closeEvent(QCloseEvent* evento)
{
    if (m_descargada) {
        evento->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        evento->ignore();
        return;
    }
    evento->accept();
    m_descargada = true;
    Form_Unload();
    devolverPrincipal();
}

void Ventana::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (evento->spontaneous() || !isWindow())
        return;
    // The window manager places a new window only once it is mapped, and may put part of it off
    // the screen: its placements during a short while after the show are checked too.
    dentroDeLaPantalla();
    m_ubicando = true;
    QTimer::singleShot(kEsperaUbicacion, this, [this] {
        m_ubicando = false;
        dentroDeLaPantalla();
    });
}

void Ventana::moveEvent(QMoveEvent* evento)
{
    QWidget::moveEvent(evento);
    if (m_ubicando && evento->spontaneous())
        dentroDeLaPantalla();
}

void Ventana::dentroDeLaPantalla()
{
    if (!isWindow() || !isVisible() ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QScreen* pantalla = screen();
    if (!pantalla)
        return;
    const QRect zona = pantalla->availableGeometry();
    // The frame is known once the window manager has decorated the window.
    const QRect marco = frameGeometry();
    const QSize bordes = marco.size() - size();
    const QSize cabe = zona.size() - bordes;
    if (width() > cabe.width() || height() > cabe.height())
        resize(qMax(minimumWidth(), qMin(width(), cabe.width())), qMax(minimumHeight(), qMin(height(), cabe.height())));
    const QSize total = size() + bordes;
    // A window still larger than the area keeps its top left corner, with the title bar, inside.
    const int x = qMax(zona.left(), qMin(marco.left(), zona.right() + 1 - total.width()));
    const int y = qMax(zona.top(), qMin(marco.top(), zona.bottom() + 1 - total.height()));
    if (x != marco.left() || y != marco.top())
        move(x, y);
}
