#pragma once

#include <QFile>
#include <QString>

// The version file SysVer.cfg beside the program: one line with the running version, so the
// login can tell the user once after each new installation.

// Major, minor and revision in decimal, one after the other without separators ("1023").
QString LineaVersion(int mayor, int menor, int revision);
// The line of the running program.
QString LineaVersion();

QString RutaSysVer();

// Opens the version file for reading (1), or, when it cannot be read, creates it empty for
// writing (2). 0 when it can be neither read nor created.
int AbrirSysVer(QFile& archivo);

// True when the version file already holds the running version; otherwise it is rewritten with
// it and the answer is False, so the notice shows once per version.
bool VerificarVersion();
