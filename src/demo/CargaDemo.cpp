#include "CargaDemo.h"

#include "Aplicacion.h"
#include "Conexion.h"
#include "Config.h"
#include "MotorBD.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace CargaDemo {

namespace {

QTextStream& salida()
{
    static QTextStream s(stdout);
    return s;
}

} // namespace

QStringList TablasMaestras()
{
    return {QStringLiteral("Tipos_Quejas"),     QStringLiteral("Motivos_quejas"),     QStringLiteral("Causas_Quejas"),
            QStringLiteral("RelCatMov_Quejas"), QStringLiteral("Empresas_quejas"),    QStringLiteral("Coches_quejas"),
            QStringLiteral("MasterAgencias"),   QStringLiteral("supervisores_quejas")};
}

QString TablaConFilas(bool* ok)
{
    if (ok)
        *ok = true;
    for (const QString& tabla : TablasMaestras()) {
        QString sql = QStringLiteral("Select 1 from ") + tabla;
        if (tabla == QLatin1String("Motivos_quejas"))
            sql += QStringLiteral(" where PID <> 0");
        sql += QStringLiteral(" LIMIT 1");
        Lectura lectura(sql, true);
        if (!lectura.Ok()) {
            if (ok)
                *ok = false;
            return QString();
        }
        if (lectura.HayFila())
            return tabla;
    }
    return QString();
}

QStringList Sentencias(const QString& sql)
{
    QStringList r;
    QString actual;
    bool enTexto = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (enTexto) {
            actual += c;
            if (c == QLatin1Char('\''))
                enTexto = false; // a doubled apostrophe reopens at once on the next character
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('-')) {
            while (i < sql.size() && sql[i] != QLatin1Char('\n'))
                ++i;
            actual += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char(';')) {
            if (!actual.trimmed().isEmpty())
                r << actual.trimmed();
            actual.clear();
            continue;
        }
        if (c == QLatin1Char('\''))
            enTexto = true;
        actual += c;
    }
    if (!actual.trimmed().isEmpty())
        r << actual.trimmed();
    return r;
}

Resultado Cargar(const QString& carpetaSql)
{
    const QDir carpeta(carpetaSql);
    const QStringList archivos = carpeta.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (archivos.isEmpty())
        return Resultado::SinArchivos;
    QStringList sentencias;
    for (const QString& nombre : archivos) {
        QFile f(carpeta.filePath(nombre));
        if (!f.open(QIODevice::ReadOnly))
            return Resultado::Fallo;
        sentencias += Sentencias(QString::fromUtf8(f.readAll()));
    }
    bool ok = false;
    const QString conFilas = TablaConFilas(&ok);
    if (!ok)
        return Resultado::Fallo;
    if (!conFilas.isEmpty())
        return Resultado::BaseConDatos;
    // All or nothing: a half-loaded catalogue would pass for a site's own data next time.
    return EjecutarTransaccion(sentencias, true) ? Resultado::Cargado : Resultado::Fallo;
}

int Ejecutar(const QString& carpetaPrograma, const QString& carpetaSql)
{
    Aplicacion::EstablecerCarpeta(carpetaPrograma);
    RegConfig local;
    local.Tipo = MotorBD::ArchivoLocal;
    local.IP = QStringLiteral("NoIp");
    local.Puerto = QStringLiteral("NoPuerto");
    ConfigActual = local;
    Reconectar();
    if (!BaseConectada) {
        salida() << "cargar_demo: cannot open " << MotorBD::RutaArchivoLocal() << Qt::endl;
        return 1;
    }
    switch (Cargar(carpetaSql)) {
    case Resultado::Cargado:
        salida() << "cargar_demo: sample master data loaded into " << MotorBD::RutaArchivoLocal() << Qt::endl;
        return 0;
    case Resultado::BaseConDatos:
        salida() << "cargar_demo: " << MotorBD::RutaArchivoLocal() << " already holds master data (" << TablaConFilas()
                 << "); nothing loaded" << Qt::endl;
        return 0;
    case Resultado::SinArchivos: salida() << "cargar_demo: no .sql file in " << carpetaSql << Qt::endl; return 1;
    case Resultado::Fallo: break;
    }
    salida() << "cargar_demo: loading failed, nothing written; see " << Aplicacion::Ruta(QStringLiteral("Errlog.txt"))
             << Qt::endl;
    return 1;
}

} // namespace CargaDemo
