#include "VersionSistema.h"

#include "Aplicacion.h"

namespace {

bool escribirLinea(QFile& archivo, const QString& linea)
{
    const QByteArray bytes = linea.toLatin1() + '\n';
    const bool ok = archivo.write(bytes) == bytes.size();
    archivo.close();
    return ok;
}

} // namespace

QString LineaVersion(int mayor, int menor, int revision)
{
    return QString::number(mayor) + QString::number(menor) + QString::number(revision);
}

QString LineaVersion()
{
    return LineaVersion(Aplicacion::VersionMayor(), Aplicacion::VersionMenor(), Aplicacion::VersionRevision());
}

QString RutaSysVer()
{
    return Aplicacion::Ruta(QStringLiteral("SysVer.cfg"));
}

int AbrirSysVer(QFile& archivo)
{
    archivo.setFileName(RutaSysVer());
    if (archivo.open(QIODevice::ReadOnly))
        return 1;
    if (archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;
    return 0;
}

bool VerificarVersion()
{
    const QString actual = LineaVersion();
    QFile archivo;
    switch (AbrirSysVer(archivo)) {
    case 1: {
        // An empty file has no line to read: it counts as another version. A file written on
        // Windows ends its line with CR LF.
        QByteArray leida = archivo.readLine();
        archivo.close();
        while (leida.endsWith('\n') || leida.endsWith('\r'))
            leida.chop(1);
        if (QString::fromLatin1(leida) == actual)
            return true;
        if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return true; // cannot record the new version: do not repeat the notice at every start
        escribirLinea(archivo, actual);
        return false;
    }
    case 2: escribirLinea(archivo, actual); return false;
    default:
        // Neither readable nor creatable: the notice could never be recorded as shown.
        return true;
    }
}
