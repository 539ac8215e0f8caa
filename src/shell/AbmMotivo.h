#pragma once

#include "Ventana.h"

#include <QLineEdit>
#include <QPushButton>

class GrillaTabla;

// Lists the reasons with their state and category; renames, enables or disables the current
// one and adds new ones on Enter.
class AbmMotivo : public Ventana
{
    Q_OBJECT
public:
    AbmMotivo();

    GrillaTabla* ListaMotivos() { return m_grilla; }
    void TxtAgCat_KeyPress(int tecla);

public slots:
    void BtnRen_Click();
    void Inhabilitar_Click();
    void RelCatMov_ir_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Fills the grid under the progress window; false when the window was unloaded meanwhile.
    bool llenar();
    // Every cell of the current row in the colour of the state.
    void pintarFila(bool anulada);

    GrillaTabla* m_grilla;
    QPushButton* m_btnRen;
    QPushButton* m_inhabilitar;
    QPushButton* m_relCatMovIr;
    QLineEdit* m_txtAgCat;
    // The fill lets events run: the actions wait until it is over.
    bool m_llenando = false;
};
