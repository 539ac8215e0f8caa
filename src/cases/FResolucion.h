#pragma once

#include "Resoluciones.h"
#include "Ventana.h"

#include <QDate>

class Calendario;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Resolución": solves or annuls one complaint. The case window shows it, then calls SNqueja
// with the complaint number; a save replaces the resolution row and reloads the case window.
class FResolucion : public Ventana
{
    Q_OBJECT
public:
    FResolucion();

    // Remembers the number and shows its resolution; without a row the fields stay as they are.
    void SNqueja(qint32 nr);

public slots:
    void CMV1_Click();
    void CMV2_Click();
    void Fecha_DblClick();
    void MV1_DateClick(const QDate& fecha);
    void MV2_DateClick(const QDate& fecha);
    void Solucionar_Click();

protected:
    void Form_Load() override;
    bool Form_QueryUnload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Back to the fields of a freshly opened window.
    void vaciar();
    // True when the picked date was taken into the box.
    bool TomarFecha(const QDate& fecha, QLineEdit* caja, Calendario* calendario);

    qint32 m_nroQueja = 0;
    // The resolution as read when the window was filled: a save replaces only that one.
    RegResolucion m_leida;
    bool m_guardado = false;

    QPlainTextEdit* m_detalle = nullptr;
    QLineEdit* m_fecha = nullptr;
    QPushButton* m_cmv1 = nullptr;
    Calendario* m_mv1 = nullptr;
    QLineEdit* m_fechaFin = nullptr;
    QPushButton* m_cmv2 = nullptr;
    Calendario* m_mv2 = nullptr;
    QLineEdit* m_montoI = nullptr;
    QPlainTextEdit* m_sancion = nullptr;
    QComboBox* m_cmbsup = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_usuario = nullptr;
    QCheckBox* m_solucionado = nullptr;
    QCheckBox* m_anulado = nullptr;
    QPushButton* m_solucionar = nullptr;
};
