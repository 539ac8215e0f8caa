#pragma once

#include <QString>

// Connection settings of the workstation: type 0 server, 1 local database file.
struct RegConfig
{
    qint16 Tipo = 0;
    QString IP;
    QString Puerto;
    QString Sentencia;
};

// The settings read at start.
// Per thread, like the connection it describes (a test thread connects as a workstation of its own).
extern thread_local RegConfig ConfigActual;

// Program-folder name of the connection file.
QString RutaConfig();

// Reads the record at the start of the file (little-endian 16-bit type, then three texts each
// behind a 16-bit length, one Windows-1252 byte per character). False when the file is missing;
// a short file leaves the missing fields empty.
bool LeerRegConfig(const QString& ruta, RegConfig& config);
// Writes the record from the first byte; a longer existing file keeps its trailing bytes.
// False when the file cannot be written.
bool EscribirRegConfig(const QString& ruta, const RegConfig& config);

// A text as the binary files beside the program keep it: its 16-bit little-endian length, then
// the text in Windows-1252 (at most 65535 bytes).
QByteArray TextoBinario(const QString& texto);
// Reads one such text at pos and moves pos past it; false when the bytes end before its length.
bool LeerTextoBinario(const QByteArray& bytes, int& pos, QString& texto);
// Writes the bytes from the first byte of the file; a longer existing file keeps its trailing
// bytes. False when the file cannot be written.
bool EscribirDesdeElInicio(const QString& ruta, const QByteArray& bytes);

// One byte per character in Windows-1252; characters it lacks become "?".
QByteArray AWindows1252(const QString& texto);
QString DeWindows1252(const QByteArray& bytes);
