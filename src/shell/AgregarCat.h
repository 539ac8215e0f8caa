#pragma once

#include "Ventana.h"

#include <QLineEdit>
#include <QListWidget>

// Adds categories: a name and Enter. The list of existing categories is read again on every key.
class AgregarCat : public Ventana
{
    Q_OBJECT
public:
    AgregarCat();

    // The key as the user typed it (kEnter for Enter); runs before a typed character lands.
    void TxtAgCat_KeyPress(int tecla);

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* m_txtAgCat;
    QListWidget* m_categoria;
    // Counts the reloads: one overtaken while its reader yielded leaves the list to the newer one.
    int m_recargas = 0;
};
