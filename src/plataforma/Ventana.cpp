#include "Ventana.h"

#include "Principal.h"

#include <QCloseEvent>

Ventana::Ventana(QWidget* padre) : QWidget(padre) {}

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
