#include "Red.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QSysInfo>

namespace Red {
namespace {

std::function<QVector<DireccionLocal>()>& fuenteTabla()
{
    static std::function<QVector<DireccionLocal>()> f;
    return f;
}

std::function<QString()>& fuenteNombre()
{
    static std::function<QString()> f;
    return f;
}

// An all-zero or missing address is no answer to an address request.
QByteArray hardwareDe(const QNetworkInterface& interfaz)
{
    if (interfaz.flags().testFlag(QNetworkInterface::IsLoopBack))
        return {};
    QString texto = interfaz.hardwareAddress();
    texto.remove(QLatin1Char(':'));
    const QByteArray bytes = QByteArray::fromHex(texto.toLatin1());
    if (bytes.count('\0') == bytes.size())
        return {};
    return bytes;
}

QVector<DireccionLocal> tablaDelSistema()
{
    QVector<DireccionLocal> tabla;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interfaz : interfaces) {
        const QByteArray hardware = hardwareDe(interfaz);
        const auto entradas = interfaz.addressEntries();
        for (const QNetworkAddressEntry& entrada : entradas) {
            const QHostAddress ip = entrada.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            const quint32 valor = ip.toIPv4Address();
            DireccionLocal fila;
            fila.ip = {std::uint8_t(valor >> 24), std::uint8_t(valor >> 16), std::uint8_t(valor >> 8),
                       std::uint8_t(valor)};
            fila.hardware = hardware;
            tabla.append(fila);
        }
    }
    return tabla;
}

} // namespace

QVector<DireccionLocal> TablaDirecciones()
{
    return fuenteTabla() ? fuenteTabla()() : tablaDelSistema();
}

QString NombreEquipo()
{
    return fuenteNombre() ? fuenteNombre()() : QSysInfo::machineHostName();
}

void EstablecerTabla(std::function<QVector<DireccionLocal>()> fuente)
{
    fuenteTabla() = std::move(fuente);
}

void EstablecerNombreEquipo(std::function<QString()> fuente)
{
    fuenteNombre() = std::move(fuente);
}

} // namespace Red
