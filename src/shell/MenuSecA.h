#pragma once

#include <QFrame>
#include <QToolButton>
#include <QWidget>

// The side menu: five header pictures in a column (three section headers, statistics, exit)
// and, beside each section header, a folding row of three item pictures.
class MenuSecA : public QWidget
{
    Q_OBJECT
public:
    explicit MenuSecA(QWidget* padre = nullptr);

    // The item number pressed last: 0-8 for the items, 99 statistics, 98 exit; -1 before any.
    int NrPresionado() const { return m_nrPresionado; }
    // A section (0-2) is open while its frame is visible.
    bool SeccionAbierta(int k) const;

    QSize sizeHint() const override;

signals:
    void Presionado();

public slots:
    void Prop_Click(int indice);
    void Sec_Click(int indice);

private:
    void CerrarSecciones();
    void Ajustar();

    QFrame* m_frmPrin;
    QToolButton* m_prop[5];
    QFrame* m_seccion[3];
    QToolButton* m_sec[9];
    int m_nrPresionado = -1;
    // The pictures' sizes: the design sizes, widened where the font needs room for the words.
    int m_anchoEncabezado = 0;
    int m_anchoItem = 0;
    int m_alto = 0;
};
