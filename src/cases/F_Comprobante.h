#pragma once

#include "Ventana.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Comprobantes": the tickets, luggage tickets or parcel invoices one complaint cites. The
// case window shows it, then calls Carga_Comp with the complaint number. Every addition is
// stored at once.
class F_Comprobante : public Ventana
{
    Q_OBJECT
public:
    F_Comprobante();

    // Loads the complaint's vouchers; the number is kept for every addition and change.
    void Carga_Comp(qint32 nroQueja);

public slots:
    void TipoTicket_Click();
    // key is the character code (13 Enter); only Enter acts.
    void Boleto_KeyPress(int tecla);
    void Equipaje_KeyPress(int tecla);
    void Enc1_KeyPress(int tecla);
    void Enc2_KeyPress(int tecla);
    void Enc3_KeyPress(int tecla);
    void ListBolet_DblClick();
    void ListEquip_DblClick();
    void Guardado_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Habilitar_Controles();
    qint16 Buscar_En_Lista(const QString& texto, QListWidget* lista);
    void agregarTicket(QLineEdit* caja, QListWidget* lista, qint16 tipo, const QString& yaCargado);
    void cambiarTicket(QListWidget* lista, qint16 tipo, const QString& negado, const QString& pregunta);

    qint32 m_nroQuejaComp = 0;
    qint16 m_tipoCargado = 0;

    QComboBox* m_tipoTicket = nullptr;
    QGroupBox* m_frmBol = nullptr;
    QGroupBox* m_frmEq = nullptr;
    QGroupBox* m_factura = nullptr;
    QLineEdit* m_boleto = nullptr;
    QLineEdit* m_equipaje = nullptr;
    QLineEdit* m_enc1 = nullptr;
    QLineEdit* m_enc2 = nullptr;
    QLineEdit* m_enc3 = nullptr;
    QListWidget* m_listBolet = nullptr;
    QListWidget* m_listEquip = nullptr;
    QListWidget* m_listEnco = nullptr;
    QPushButton* m_guardado = nullptr;
};
