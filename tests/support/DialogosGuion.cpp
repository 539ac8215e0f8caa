#include "DialogosGuion.h"

Respuesta DialogosGuion::MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo)
{
    mostrados.append(CuadroMostrado{texto, botones, icono, titulo});
    if (!m_respuestas.isEmpty())
        return m_respuestas.dequeue();
    return botones == Botones::SiNo || botones == Botones::SiNoCancelar ? Respuesta::No : Respuesta::Aceptar;
}

QString DialogosGuion::InputBox(const QString& texto, const QString& titulo, const QString& porDefectoDado)
{
    mostrados.append(CuadroMostrado{texto, Botones::AceptarCancelar, Icono::Ninguno, titulo});
    porDefecto.append(porDefectoDado);
    return m_textos.isEmpty() ? QString() : m_textos.dequeue();
}

std::shared_ptr<DialogosGuion> InstalarDialogosGuion()
{
    auto d = std::make_shared<DialogosGuion>();
    EstablecerDialogos(d);
    return d;
}
