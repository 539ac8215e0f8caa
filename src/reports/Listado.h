#pragma once

#include "Ventana.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>

// The printer the tickets are printed on: a name stored in the file impresora.IMPref beside the
// program.
struct RegImpresora
{
    QString Nombre;
};

// "Listado de impresoras disponibles": picks one of the workstation's printers (PDF writers,
// office, XPS and fax printers are not offered) and stores its name.
class Listado : public Ventana
{
    Q_OBJECT
public:
    Listado();

    // True when the name holds none of "pdf", "office", "xps", "fax", "microsoft " in any case.
    static bool Comprobar(const QString& nombre);
    // Fills the list with the acceptable printers, in the platform's order; the last one stays
    // selected.
    void Cargar_Impresoras(QListWidget* lista);
    // The stored name; "" when nothing could be read.
    static QString LeerImpresora();

public slots:
    void Aceptar_Click();

protected:
    void Form_Load() override;

private:
    QLabel* m_etiqueta;
    QListWidget* m_list1;
    QPushButton* m_aceptar;
};
