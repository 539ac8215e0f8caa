#pragma once

#include <QString>
#include <memory>

// Message and input boxes with the system's semantics. The data layer shows its own
// failures through this interface, so it never needs a window library.
enum class Botones { Aceptar, SiNo, SiNoCancelar, AceptarCancelar };
enum class Icono { Ninguno, Informacion, Critico, Exclamacion, Pregunta };
enum class Respuesta { Aceptar, Cancelar, Si, No };

struct CuadroMostrado
{
    QString texto;
    Botones botones = Botones::Aceptar;
    Icono icono = Icono::Ninguno;
    QString titulo;
};

class Dialogos
{
public:
    virtual ~Dialogos() = default;
    // Title "" means the application title.
    virtual Respuesta MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo) = 0;
    // Returns the typed text; "" when cancelled, as the system's input box does.
    virtual QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) = 0;
};

// Title of boxes that give none of their own.
QString TituloAplicacion();

// The dialogs in use; until one is installed, boxes are written to the standard error and
// answered with No/OK (a program without windows must not block).
Dialogos& Dlg();
void EstablecerDialogos(std::shared_ptr<Dialogos> dialogos);

inline Respuesta MsgBox(const QString& texto, Botones botones = Botones::Aceptar, Icono icono = Icono::Ninguno,
                        const QString& titulo = QString())
{
    return Dlg().MsgBox(texto, botones, icono, titulo);
}
