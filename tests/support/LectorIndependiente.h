#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

// Our workbooks as openpyxl (Debian's python3-openpyxl) reads them: an independent check of what
// another program sees in the files we write.
struct CeldaLeida
{
    QJsonValue valor;
    QString texto; // the value as Python prints it
    QString tipo;
    bool negrita = false;
    bool cursiva = false;
    double tamano = 0;
    QString fuente;
    QString colorFuente;
    QString relleno; // "FF99CCFF", or "" when the cell has no solid fill
    QString horizontal;
    QString vertical;
    QString bordeIzquierdo, bordeDerecho, bordeSuperior, bordeInferior;
    QString formato;
    bool prefijoTexto = false;
};

struct LibroLeido
{
    QString error; // empty when openpyxl read the file
    QStringList hojas;
    QStringList combinadas;
    bool fechas1904 = false;
    QMap<QString, CeldaLeida> celdas;
    QString definidos;
    QString encabezado;
    QString pie;
    bool apaisado = false;

    CeldaLeida Celda(const QString& ref) const { return celdas.value(ref); }
};

LibroLeido LeerConOpenpyxl(const QString& ruta);

// Runs a Python script with Debian's interpreter (and its openpyxl), the file as argv[1].
// Returns the standard output; an error text in *error when it failed.
QByteArray EjecutarPython(const char* script, const QString& archivo, QString* error);
