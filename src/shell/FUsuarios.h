#pragma once

#include "Ventana.h"

#include <QComboBox>
#include <QPushButton>

// Changes a user's level and resets a user's password to the known text "731905".
class FUsuarios : public Ventana
{
    Q_OBJECT
public:
    FUsuarios();

public slots:
    void CmbNivel_Click();
    void Rcon_Click();

protected:
    void Form_Load() override;

private:
    // The chosen user's key; false with a message when none is chosen.
    bool usuarioElegido(qint16& pid);
    // The level choice as the user made it, refusals included.
    void cambiarNivel();
    // The level box shows the chosen user's stored level; it stores and asks nothing.
    void mostrarNivel();

    QComboBox* m_cmbUsuarios;
    QComboBox* m_cmbNivel;
    QPushButton* m_rcon;
};
