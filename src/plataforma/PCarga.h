#pragma once

#include "Ventana.h"

#include <QLabel>

// The progress window of long operations. Loading it switches the main window off and
// unloading it switches the main window on again, whatever else is still open.
class PCarga : public Ventana
{
    Q_OBJECT
public:
    PCarga();

    void Valor(const QString& texto);
    void descripcion(const QString& texto);
    void descripcionb(const QString& texto);

protected:
    void Form_Load() override;

private:
    QLabel* m_label2;
    QLabel* m_label3;
    QLabel* m_label4;
};
