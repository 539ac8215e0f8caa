#include "BasePing.h"

#include "ErrLog.h"
#include "Red.h"

#include <QStringList>

namespace {

// The address table holds six rows; a workstation with more has no usable address.
constexpr int kFilasTabla = 6;

} // namespace

QString IPaTexto(const std::array<std::uint8_t, 4>& direccion)
{
    return QStringLiteral("%1.%2.%3.%4").arg(direccion[0]).arg(direccion[1]).arg(direccion[2]).arg(direccion[3]);
}

QString IPDeTabla()
{
    const QVector<Red::DireccionLocal> tabla = Red::TablaDirecciones();
    if (tabla.isEmpty() || tabla.size() > kFilasTabla)
        return QString();
    QStringList textos;
    for (const Red::DireccionLocal& fila : tabla)
        textos << IPaTexto(fila.ip);
    // The last address outside loopback, link-local and the usual home range wins; without one
    // the first address stands.
    QString resultado = textos.first();
    for (const QString& texto : textos) {
        const QString inicio = texto.left(3);
        if (inicio != QLatin1String("127") && inicio != QLatin1String("169") && inicio != QLatin1String("192"))
            resultado = texto;
    }
    return resultado;
}

QString IPLocal()
{
    return IPDeTabla();
}

QString MacLocal()
{
    const QStringList partes = IPLocal().split(QLatin1Char('.'));
    if (partes.size() < 4)
        return QString();
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = partes[i].trimmed().toInt(&ok);
        if (!ok || n[i] < 0 || n[i] > 255)
            return QString();
    }
    return EscanearIP(n[0], n[1], n[2], n[3]);
}

QString EscanearIP(int a, int b, int c, int d)
{
    for (int v : {a, b, c, d})
        if (v < 0 || v > 255)
            return QString();
    const std::array<std::uint8_t, 4> buscada{std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d)};
    // Only the interface holding the address answers: the request to oneself.
    const QVector<Red::DireccionLocal> tabla = Red::TablaDirecciones();
    for (const Red::DireccionLocal& fila : tabla) {
        if (fila.ip != buscada)
            continue;
        if (fila.hardware.size() != 6)
            return QString();
        std::array<std::uint8_t, 6> bytes;
        for (int i = 0; i < 6; ++i)
            bytes[i] = std::uint8_t(fila.hardware[i]);
        return FormatearMAC(bytes);
    }
    return QString();
}

QString FormatearMAC(const std::array<std::uint8_t, 6>& bytes)
{
    QStringList partes;
    for (std::uint8_t b : bytes)
        partes << HexByte(b);
    return partes.join(QLatin1Char(':'));
}

QString HexByte(std::uint8_t valor)
{
    return QStringLiteral("%1").arg(valor, 2, 16, QLatin1Char('0')).toUpper();
}

QString NombrePC()
{
    const QString nombre = Red::NombreEquipo();
    if (nombre.isEmpty())
        EscribirErrLog(
            QStringLiteral("GetComputerName en NombrePC"),
            ErrorEjecucion{kErrorDefinidoPorUsuario, QStringLiteral("No se pudo leer el nombre del equipo")});
    // The name stops at its first NUL, as the platform's buffer did.
    const int nul = nombre.indexOf(QChar(0));
    return nul < 0 ? nombre : nombre.left(nul);
}
