#pragma once

#include "Excel.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <initializer_list>

// The workbook templates of the repository (recursos/app), as the build lays them out.
inline QString PlantillaDelRepositorio(const QString& nombre)
{
    return QStringLiteral(OSTREVIA_PLANTILLAS "/") + nombre;
}

// Copies the named templates into a test's program folder; false when one is missing.
inline bool CopiarPlantillas(const QString& carpeta, std::initializer_list<const char*> nombres)
{
    for (const char* nombre : nombres)
        if (!QFile::copy(PlantillaDelRepositorio(QLatin1String(nombre)), carpeta + QLatin1Char('/') + nombre))
            return false;
    return true;
}

// While alive, the workbooks handed to the desktop's spreadsheet program are recorded instead.
class LibrosMostrados
{
public:
    LibrosMostrados()
    {
        Excel::EstablecerAbridor([this](const QString& ruta) {
            rutas << ruta;
            return true;
        });
    }
    ~LibrosMostrados() { Excel::EstablecerAbridor({}); }
    LibrosMostrados(const LibrosMostrados&) = delete;
    LibrosMostrados& operator=(const LibrosMostrados&) = delete;

    QStringList rutas;
};
