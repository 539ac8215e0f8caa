#pragma once

#include "Ventana.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Alta de Incidencia": the entry form of a new complaint. While it is loaded the main
// window is off. Saving stores the complaint, tells its number and opens it in the case window.
class F_Nuevo : public Ventana
{
    Q_OBJECT
public:
    F_Nuevo();

    // The fields the DNI lookup fills before showing the form.
    QLineEdit* DNI() const { return m_dni; }
    QLineEdit* Apellido() const { return m_apellido; }
    QLineEdit* Nombres() const { return m_nombres; }
    QLineEdit* Fecha() const { return m_fecha; }
    QLineEdit* Hora() const { return m_hora; }
    QLineEdit* Domicilio() const { return m_domicilio; }

public slots:
    void Guardar_Click();
    void Motivo_rec_Click();
    // tecla is the character code (13 Enter); only Enter acts.
    void Apellido_KeyPress(int tecla);
    void Nombres_KeyPress(int tecla);
    void DNI_KeyPress(int tecla);
    void Fecha_KeyPress(int tecla);
    void Fecha_DblClick();
    void Hora_KeyPress(int tecla);
    void Hora_DblClick();
    void Domicilio_KeyPress(int tecla);
    void Localidad_KeyPress(int tecla);
    void Provincia_KeyPress(int tecla);
    void Pais_KeyPress(int tecla);
    void Telefono_KeyPress(int tecla);
    void Celular_KeyPress(int tecla);

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void mostrarUsuario();

    QGroupBox* m_frame1 = nullptr;
    QGroupBox* m_dtRec = nullptr;
    QLineEdit* m_apellido = nullptr;
    QLineEdit* m_nombres = nullptr;
    QLineEdit* m_dni = nullptr;
    QLineEdit* m_fecha = nullptr;
    QLineEdit* m_hora = nullptr;
    QLineEdit* m_telefono = nullptr;
    QLineEdit* m_celular = nullptr;
    QLineEdit* m_correo = nullptr;
    QLineEdit* m_domicilio = nullptr;
    QLineEdit* m_localidad = nullptr;
    QComboBox* m_provincia = nullptr;
    QLineEdit* m_pais = nullptr;
    QLabel* m_usuario = nullptr;
    QComboBox* m_tipoRec = nullptr;
    QComboBox* m_motivoRec = nullptr;
    QComboBox* m_causaRec = nullptr;
    QComboBox* m_cmbEmpresa = nullptr;
    QLineEdit* m_numero = nullptr;
    QLineEdit* m_mediador = nullptr;
    QPlainTextEdit* m_detalle = nullptr;
    QPushButton* m_guardar = nullptr;
};
