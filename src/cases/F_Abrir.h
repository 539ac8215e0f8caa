#pragma once

#include "Ventana.h"

class GrillaTabla;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Detalle y seguimiento de reclamo": finds an existing complaint (latest ones, a date range,
// a field or a voucher), shows its summary and opens it in the case window, then minimises
// itself until the case window's "Abrir reclamo" shows it again.
class F_Abrir : public Ventana
{
    Q_OBJECT
public:
    F_Abrir();

    // Looks up the number held by Numero, as Enter in it does.
    void Mostrar();

    // The DNI lookup writes a complaint number here before calling Mostrar.
    QLineEdit* Numero() const { return m_numero; }

public slots:
    void Vfin_Click();
    void Desde_DblClick();
    void Hasta_DblClick();
    void Ir_Click();
    void CmdMF_Click();
    void CmdBuscar_Click();
    void CBus1_Click();
    void Command1_Click();
    void Busqueda_Click();
    // tecla is the character code (13 Enter); only Enter acts.
    void F1_KeyPress(int tecla);
    void F2_KeyPress(int tecla);
    void Numero_KeyPress(int tecla);
    void Quejas_Abiertas_DblClick();
    void Abrir_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void fijarFechas();

    GrillaTabla* m_quejas = nullptr;
    QCheckBox* m_vfin = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QLineEdit* m_desde = nullptr;
    QLineEdit* m_hasta = nullptr;
    QPushButton* m_ir = nullptr;
    QPushButton* m_cmdMF = nullptr;
    QGroupBox* m_frmOB = nullptr;
    QRadioButton* m_seleccion[4] = {};
    QLineEdit* m_tbusqueda = nullptr;
    QPushButton* m_cmdBuscar = nullptr;
    QPushButton* m_cBus1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QGroupBox* m_frmeBoE = nullptr;
    QLineEdit* m_bolEquip = nullptr;
    QLineEdit* m_f1 = nullptr;
    QLineEdit* m_f2 = nullptr;
    QLineEdit* m_f3 = nullptr;
    QPushButton* m_busqueda = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_numero = nullptr;
    QLabel* m_datos[6] = {};
    QPushButton* m_abrir = nullptr;
};
