#include "Config.h"

#include "Aplicacion.h"

#include <QFile>

thread_local RegConfig ConfigActual;

namespace {
// 0x80-0x9F of Windows-1252; 0 marks the five unassigned codes.
const char16_t kAltos[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                             0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void escribir16(QByteArray& b, quint16 v)
{
    b += char(v & 0xFF);
    b += char(v >> 8);
}

bool leer16(const QByteArray& b, int& pos, quint16& v)
{
    if (pos + 2 > b.size())
        return false;
    v = quint16(static_cast<unsigned char>(b[pos])) | quint16(static_cast<unsigned char>(b[pos + 1]) << 8);
    pos += 2;
    return true;
}

} // namespace

QByteArray TextoBinario(const QString& texto)
{
    const QByteArray x = AWindows1252(texto).left(0xFFFF);
    QByteArray b;
    escribir16(b, static_cast<quint16>(x.size()));
    return b + x;
}

bool LeerTextoBinario(const QByteArray& bytes, int& pos, QString& texto)
{
    quint16 n = 0;
    if (!leer16(bytes, pos, n))
        return false;
    texto = DeWindows1252(bytes.mid(pos, n));
    pos += n;
    return true;
}

bool EscribirDesdeElInicio(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    // ReadWrite without Truncate: bytes beyond the new record stay as they were.
    if (!f.open(QIODevice::ReadWrite))
        return false;
    return f.write(bytes) == bytes.size() && f.flush();
}

QByteArray AWindows1252(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r += char(u);
            continue;
        }
        int codigo = '?';
        for (int i = 0; i < 32; ++i)
            if (kAltos[i] == u && u != 0)
                codigo = 0x80 + i;
        r += char(codigo);
    }
    return r;
}

QString DeWindows1252(const QByteArray& bytes)
{
    QString r;
    r.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            r += QChar(kAltos[b - 0x80] ? kAltos[b - 0x80] : char16_t(b));
        else
            r += QChar(b);
    }
    return r;
}

QString RutaConfig()
{
    return Aplicacion::Ruta(QStringLiteral("Config.ini"));
}

bool LeerRegConfig(const QString& ruta, RegConfig& config)
{
    QFile f(ruta);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray b = f.readAll();
    config = RegConfig();
    int pos = 0;
    quint16 tipo = 0;
    if (leer16(b, pos, tipo)) {
        config.Tipo = static_cast<qint16>(tipo);
        LeerTextoBinario(b, pos, config.IP) && LeerTextoBinario(b, pos, config.Puerto) &&
            LeerTextoBinario(b, pos, config.Sentencia);
    }
    return true;
}

bool EscribirRegConfig(const QString& ruta, const RegConfig& config)
{
    QByteArray b;
    escribir16(b, static_cast<quint16>(config.Tipo));
    for (const QString* t : {&config.IP, &config.Puerto, &config.Sentencia})
        b += TextoBinario(*t);
    return EscribirDesdeElInicio(ruta, b);
}
