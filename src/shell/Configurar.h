#pragma once

#include "Ventana.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// Writes the connection settings file; they take effect at the next start.
class Configurar : public Ventana
{
    Q_OBJECT
public:
    Configurar();

public slots:
    void Comunes_Click();
    void Actualizar_Click();

protected:
    void Form_Load() override;

private:
    QComboBox* m_combo1;
    QLineEdit* m_ip;
    QLineEdit* m_puerto;
    QLineEdit* m_sentencia;
    QListWidget* m_comunes;
    QPushButton* m_actualizar;
};
