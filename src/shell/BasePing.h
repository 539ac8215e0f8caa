#pragma once

#include <QString>

#include <array>
#include <cstdint>

// This workstation's identity for the workstation registry: its IPv4 address, hardware address
// and computer name. The platform's tables come from Red.h (fixed tables can be given in tests).

// The four bytes in decimal, first byte first, joined by ".".
QString IPaTexto(const std::array<std::uint8_t, 4>& direccion);

// The chosen local IPv4 address, or "" (also when the table has more than six rows).
QString IPDeTabla();
QString IPLocal();

// Six upper-case two-digit hexadecimal bytes joined by ":", or "" when there is no usable address.
QString MacLocal();

// Hardware address of a.b.c.d, formatted by FormatearMAC, or "" when no local interface holds it.
QString EscanearIP(int a, int b, int c, int d);

QString FormatearMAC(const std::array<std::uint8_t, 6>& bytes);
QString HexByte(std::uint8_t valor);

// The computer name.
QString NombrePC();
