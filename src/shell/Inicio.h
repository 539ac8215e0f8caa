#pragma once

#include "Ventana.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

// The splash: logo, version and a three-line progress log; reads the configuration, makes the
// temporary folder, connects and hands over to the login window.
class Inicio : public Ventana
{
    Q_OBJECT
public:
    Inicio();

    void AdInLog(const QString& texto, bool agregar);
    QPixmap CargarLogo();
    bool LeerConfig();

    QTimer* Timer1() { return &m_timer1; }
    QTimer* Timer2() { return &m_timer2; }

public slots:
    void Timer2_Timer();
    void Timer1_Timer();

protected:
    void Form_Load() override;

private:
    QLabel* m_log[3];
    QLabel* m_logo;
    QLabel* m_version;
    QTimer m_timer1;
    QTimer m_timer2;
    bool m_configValida = false;
};

// Program entry: resets the failure count and shows the splash.
void Main();
// Makes sure the temporary folder exists; a failure is logged and start-up goes on.
void VerificarCarpetaTemp();
