#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <xlsxwriter.h>

// What the benchmarks share.

// A workbook of one sheet that llenar fills, written by libxlsxwriter; the benchmark ends when it
// cannot be written.
inline void Crear(const QString& ruta, void (*llenar)(lxw_workbook*, lxw_worksheet*))
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(ruta).constData());
    llenar(libro, workbook_add_worksheet(libro, nullptr));
    if (workbook_close(libro) != LXW_NO_ERROR) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ruta));
        std::exit(2);
    }
}

// Peak resident memory of this process image, in KB (-1 when unknown). getrusage's ru_maxrss
// would carry over the parent's peak across fork and exec; VmHWM belongs to the image that exec
// started.
inline long PicoDeMemoriaKb()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
