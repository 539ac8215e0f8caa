#pragma once

#include "Ventana.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// Adds a user: login name, password typed twice, names and a level no higher than the
// acting user's. Enter moves on from box to box.
class AltaUsr : public Ventana
{
    Q_OBJECT
public:
    AltaUsr();

    // Enter becomes a Tab: the focus moves to the next control.
    void EnterComoTab(int& tecla);

public slots:
    void Aceptar_Click();
    void Nivel_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* m_usuario;
    QLineEdit* m_pass[2];
    QLineEdit* m_nombre;
    QLineEdit* m_apellido;
    QComboBox* m_nivel;
    QPushButton* m_aceptar;
};
