#pragma once

#include "Ventana.h"

class GrillaTabla;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Seguimientos": the follow-up notes of one complaint, newest first, and a new note dated
// today. The main window stays off while it is open.
class Seguimiento : public Ventana
{
    Q_OBJECT
public:
    Seguimiento();

    // Loads and shows the follow-ups of the complaint; the number is kept for Agregar.
    void Cargar_Seg(qint32 numero);

public slots:
    void Agregar_Click();
    void Imprimir_Click();
    void Msf1_Click();
    void Frmdetalle_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    qint32 m_numero = 0;

    QLabel* m_nrQueja[2] = {};
    GrillaTabla* m_msf1 = nullptr;
    QLineEdit* m_fecha = nullptr;
    QPlainTextEdit* m_seguimiento = nullptr;
    QPushButton* m_agregar = nullptr;
    QPushButton* m_imprimir = nullptr;
    QGroupBox* m_frmdetalle = nullptr;
    QPlainTextEdit* m_txtDetalle = nullptr;
};
