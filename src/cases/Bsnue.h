#pragma once

#include "Ventana.h"

class GrillaTabla;
class QLabel;
class QLineEdit;
class QPushButton;

// "Nuevo reclamo": the first step of a new complaint. The claimant's DNI lists the earlier
// complaints; from there the user opens one of them or starts the entry form.
class Bsnue : public Ventana
{
    Q_OBJECT
public:
    Bsnue();

    bool ModoAyuda() const { return m_modoAyuda; }

public slots:
    // tecla is the character code (13 Enter); only Enter acts.
    void DNI_KeyPress(int tecla);
    void DNI_Click();
    void Nuevo_Click();
    void Quejas_Abiertas_Click();
    void Quejas_Abiertas_DblClick();
    void BAyuda_Click();
    void Form_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    // In help mode a click shows the topic and ends help mode; true when it did.
    bool atenderAyuda(qint16 tema);

    bool m_modoAyuda = false;

    QLineEdit* m_dni = nullptr;
    QLabel* m_label1 = nullptr;
    GrillaTabla* m_quejas = nullptr;
    QPushButton* m_nuevo = nullptr;
    QPushButton* m_bAyuda = nullptr;
};
