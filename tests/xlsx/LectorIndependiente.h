#pragma once

#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

// Our outputs as openpyxl (Debian's python3-openpyxl) reads them: an independent check of what
// another program sees in the files this layer writes.
struct CeldaLeida
{
    QJsonValue valor;
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
