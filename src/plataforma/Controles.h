#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Controls as every window creates them: owned by their parent and carrying the system's
// control name as objectName, by which other windows and the tests find them.

inline QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto = QString())
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

inline QLineEdit* Caja(QWidget* padre, const QString& nombre, const QString& ayuda = QString())
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    if (!ayuda.isEmpty())
        c->setToolTip(ayuda);
    return c;
}

inline QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, const QString& ayuda = QString())
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    if (!ayuda.isEmpty())
        b->setToolTip(ayuda);
    return b;
}
