#pragma once

#include "Ventana.h"

#include <QLineEdit>
#include <QPushButton>

// The signed-in user changes their own password, proving the old one first.
class CambiarPass : public Ventana
{
    Q_OBJECT
public:
    CambiarPass();

    void CTANR_KeyPress(int tecla);

public slots:
    void CambioPass_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* m_ctanr;
    QLineEdit* m_ctn1;
    QLineEdit* m_ctn2;
    QPushButton* m_cambioPass;
};
