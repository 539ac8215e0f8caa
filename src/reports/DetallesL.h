#pragma once

#include "GrillaTabla.h"

#include <QLabel>
#include <QWidget>

// The drill-down list: the complaints behind one reason row of the statistics window.
class DetallesL : public QWidget
{
    Q_OBJECT
public:
    DetallesL();

    // Fills the list from QuejasDetalle and shows the window; a second call refills it.
    void Llenar_Detalles(const QString& tipo, const QString& desde, const QString& hasta);

private:
    void Form_Load();

    QLabel* m_lDetalle;
    GrillaTabla* m_msf1;
};
