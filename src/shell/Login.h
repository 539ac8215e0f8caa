#pragma once

#include "Ventana.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The login window: where every use of the program starts and every logout returns.
class Login : public Ventana
{
    Q_OBJECT
public:
    Login();

    // The connection target named in the connection error message.
    QString DescConexion() const;

public slots:
    // Keys as Qt key codes; Enter is Qt::Key_Return or Qt::Key_Enter. True when the key was
    // handled here and must not reach the box.
    bool Usuario_KeyPress(int tecla);
    bool Pass_KeyPress(int tecla);
    void Inicio_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void marcarError(QLineEdit* caja);

    QLineEdit* m_usuario;
    QLineEdit* m_pass;
    QPushButton* m_inicio;
    QLabel* m_lblUs[2];
    QLabel* m_image1;
};
