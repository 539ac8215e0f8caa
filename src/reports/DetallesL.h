#pragma once

#include "GrillaTabla.h"
#include "Ventana.h"

#include <QLabel>

// The drill-down list: the complaints behind one reason row of the statistics window.
class DetallesL : public Ventana
{
    Q_OBJECT
public:
    DetallesL();

    // Fills the list from QuejasDetalle and shows the window; a second call refills it.
    void Llenar_Detalles(const QString& tipo, const QString& desde, const QString& hasta);

protected:
    void Form_Load() override;

private:
    QLabel* m_lDetalle;
    GrillaTabla* m_msf1;
};
