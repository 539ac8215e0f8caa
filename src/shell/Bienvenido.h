#pragma once

#include "Ventana.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The first-user window: creates the first administrator while the user table is still
// (almost) empty; the login window comes back when it closes.
class Bienvenido : public Ventana
{
    Q_OBJECT
public:
    Bienvenido();

    // Called by the login before it shows the window.
    void Administra(bool flag);
    void TextoCartel(const QString& texto);
    void SetUsuario(const QString& nombre);

public slots:
    void Aceptar_Click();

protected:
    void Form_Unload() override;

private:
    bool m_administra = false;
    QLabel* m_usuario;
    QLineEdit* m_pass[2];
    QLineEdit* m_nombre;
    QLineEdit* m_apellido;
    QComboBox* m_nivel;
    QPushButton* m_aceptar;
};
