#include "Impresoras.h"

#include <QPrinterInfo>

namespace {
std::function<QStringList()>& fuente()
{
    static std::function<QStringList()> f;
    return f;
}
} // namespace

namespace Impresoras {

QStringList Nombres()
{
    return fuente() ? fuente()() : QPrinterInfo::availablePrinterNames();
}

void EstablecerFuente(std::function<QStringList()> f)
{
    fuente() = std::move(f);
}

} // namespace Impresoras
