#pragma once

#include "GrillaTabla.h"
#include "Ventana.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVector>

// The statistics window: per reason or per category, counts or percentages of a period, the
// drill-down into one reason and the export into a workbook.
class Reportes : public Ventana
{
    Q_OBJECT
public:
    Reportes();

    // What the grid shows since the last "Ver"; the drill-down acts on reasons only.
    enum class Contenido { Ninguno, PorCausa, PorMotivo };
    Contenido ContenidoGrilla() const { return m_contenido; }

public slots:
    void Desde_DblClick();
    void Hasta_DblClick();
    void MPas_Click();
    void SacarConsulta_Click();
    void MsfSalida_DblClick();
    void Exportar_Click();
    void ReporteDet_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void agregarFila(const QString& detalle, const QString& valor, qint16 pid);

    QRadioButton* m_option1[2];
    QLineEdit* m_desde;
    QLineEdit* m_hasta;
    QPushButton* m_mpas;
    QCheckBox* m_ne0;
    QCheckBox* m_eep;
    QPushButton* m_reporteDet;
    QPushButton* m_sacarConsulta;
    GrillaTabla* m_msfSalida;
    QPushButton* m_exportar;

    Contenido m_contenido = Contenido::Ninguno;
    // PID of the reason or category of each data row (grid row i is entry i - 1), so the
    // drill-down needs no look-up by name.
    QVector<qint16> m_pids;
    bool m_consultando = false;
};
