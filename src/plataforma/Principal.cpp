#include "Principal.h"

namespace {
Principal* g_principal = nullptr;
}

namespace VentanaPrincipal {

void Instalar(Principal* principal)
{
    g_principal = principal;
}

void Quitar(Principal* principal)
{
    if (g_principal == principal)
        g_principal = nullptr;
}

Principal* Actual()
{
    return g_principal;
}

void Habilitar(bool habilitada)
{
    if (g_principal)
        g_principal->Habilitar(habilitada);
}

void TiempoACero()
{
    if (g_principal)
        g_principal->TiempoACero();
}

void RearmarBarras()
{
    if (g_principal)
        g_principal->RearmarBarras();
}

void Nuevo_Click()
{
    if (g_principal)
        g_principal->Nuevo_Click();
}

void Abrir_Click()
{
    if (g_principal)
        g_principal->Abrir_Click();
}

} // namespace VentanaPrincipal
