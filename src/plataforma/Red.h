#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <functional>

// The workstation's network identity as the platform gives it: its IPv4 address table and
// its computer name. Tests replace both sources with fixed values.
namespace Red {

struct DireccionLocal
{
    // The address, first byte first ("10.2.3.4" is 10, 2, 3, 4).
    std::array<std::uint8_t, 4> ip{};
    // Hardware address of the interface holding the address; empty when the interface has
    // none that a neighbour could answer with (loopback, tunnels, all-zero addresses).
    QByteArray hardware;
};

// The machine's IPv4 addresses in interface order, loopback included.
QVector<DireccionLocal> TablaDirecciones();
// The computer name; "" when the platform gives none.
QString NombreEquipo();

// Replace the sources; an empty function restores the platform's own.
void EstablecerTabla(std::function<QVector<DireccionLocal>()> fuente);
void EstablecerNombreEquipo(std::function<QString()> fuente);

} // namespace Red
