#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

// Writes the connection settings file; they take effect at the next start.
class Configurar : public QWidget
{
    Q_OBJECT
public:
    Configurar();

public slots:
    void Comunes_Click();
    void Actualizar_Click();

private:
    void Form_Load();

    QComboBox* m_combo1;
    QLineEdit* m_ip;
    QLineEdit* m_puerto;
    QLineEdit* m_sentencia;
    QListWidget* m_comunes;
    QPushButton* m_actualizar;
};
