#include "Dialogos.h"

#include <cstdio>

namespace {

class DialogosConsola : public Dialogos
{
public:
    Respuesta MsgBox(const QString& texto, Botones botones, Icono, const QString& titulo) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(titulo), qPrintable(texto));
        return botones == Botones::Aceptar || botones == Botones::AceptarCancelar ? Respuesta::Aceptar : Respuesta::No;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return QString(); }
};

std::shared_ptr<Dialogos>& actual()
{
    static std::shared_ptr<Dialogos> d = std::make_shared<DialogosConsola>();
    return d;
}

} // namespace

QString TituloAplicacion() { return QStringLiteral("Velmora"); }

Dialogos& Dlg() { return *actual(); }

void EstablecerDialogos(std::shared_ptr<Dialogos> dialogos)
{
    actual() = dialogos ? std::move(dialogos) : std::make_shared<DialogosConsola>();
}
