#pragma once

#include "Equipos.h"
#include "GrillaTabla.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

// The workstation registry, refreshed on a timer (60 s unless the user picks 10 s or 30 s).
// Every refresh also marks silent workstations disconnected and purges old rows.
class Registros : public QWidget
{
    Q_OBJECT
public:
    Registros();

    GrillaTabla* MSFlexGrid1() { return m_grilla; }
    QTimer* TRefresh() { return &m_tRefresh; }

public slots:
    void TRefresh_Timer();
    void Setr_Click(int indice);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();

    GrillaTabla* m_grilla;
    QPushButton* m_setr[3];
    QTimer m_tRefresh;
    RegListaEquipos m_lista;
    bool m_llenando = false;
    bool m_descargado = false;
};
