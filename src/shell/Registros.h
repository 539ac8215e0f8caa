#pragma once

#include "Equipos.h"
#include "GrillaTabla.h"
#include "Ventana.h"

#include <QPushButton>
#include <QTimer>

// The workstation registry, refreshed on a timer (60 s unless the user picks 10 s or 30 s).
// Every refresh also marks silent workstations disconnected and purges old rows.
class Registros : public Ventana
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
    void Form_Load() override;
    void Form_Unload() override;

private:
    // Reads the registry and fills the grid again; false when the window was unloaded meanwhile.
    bool Refrescar();

    GrillaTabla* m_grilla;
    QPushButton* m_setr[3];
    QTimer m_tRefresh;
    RegListaEquipos m_lista;
    // A refresh lets events run between rows: a tick then must not start a second fill, which
    // would add every row twice.
    bool m_llenando = false;
};
