#pragma once

#include "Ventana.h"

#include <QDate>

class Calendario;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Datos del hecho": where and when the event of one complaint happened and which trip it
// concerns. The case window shows it, then calls Setear_Queja with the complaint number.
class Lugar : public Ventana
{
    Q_OBJECT
public:
    Lugar();

    // Loads the complaint's place row; the number is kept for the save.
    void Setear_Queja(qint32 nroQueja);

public slots:
    void Lugar_Click();
    // key is the character code (13 Enter); only Enter acts.
    void Dato_KeyPress(int indice, int tecla);
    void Dato_DblClick(int indice);
    void OpenFecha_Click();
    void MV1_DateClick(const QDate& fecha);
    void Guarda_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void buscarLugar();
    void vaciar();

    qint32 m_nroQuejaLugar = 0;

    QComboBox* m_lugar = nullptr;
    QLineEdit* m_dato[10] = {};
    QLabel* m_etiqueta[12] = {};
    QLineEdit* m_legajos = nullptr;
    QLineEdit* m_desde = nullptr;
    QLineEdit* m_hasta = nullptr;
    QLineEdit* m_horaServ = nullptr;
    QLineEdit* m_unidad = nullptr;
    QPushButton* m_openFecha = nullptr;
    Calendario* m_mv1 = nullptr;
    QPushButton* m_guarda = nullptr;
};
