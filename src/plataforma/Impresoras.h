#pragma once

#include <QStringList>
#include <functional>

// The printers installed on the workstation, by device name, as the platform lists them (CUPS on
// Linux). Tests give their own list.
namespace Impresoras {

QStringList Nombres();
// Replaces the source; an empty function restores the platform's own.
void EstablecerFuente(std::function<QStringList()> fuente);

} // namespace Impresoras
