#pragma once

#include "Ventana.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

// Assigns reasons to a category: the middle list holds the enabled reasons in no pair, the
// right one the chosen category's; double-clicks move reasons between them until "Guardar".
class Relaciones : public Ventana
{
    Q_OBJECT
public:
    Relaciones();

public slots:
    void Categoria_Click();
    void Motivo_DblClick();
    void Seleccionada_DblClick();
    void Guardar_Click();
    void Aiuda_Click();
    void RelCatMov_ir_Click();

protected:
    void Form_Load() override;

private:
    // The chosen category's key; false when none is chosen.
    bool categoriaElegida(qint16& pid) const;

    QComboBox* m_categoria;
    QListWidget* m_motivo;
    QListWidget* m_seleccionada;
    QPushButton* m_guardar;
    QPushButton* m_aiuda;
    QPushButton* m_relCatMovIr;
    // Counts the category choices: a read overtaken by a newer choice while it yielded fills nothing.
    int m_elecciones = 0;
    // The choice whose reasons the right list shows; behind m_elecciones while a choice is read.
    int m_eleccionMostrada = 0;
};
