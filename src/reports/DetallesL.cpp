#include "DetallesL.h"

#include "Estadisticas.h"

#include <QVBoxLayout>

DetallesL::DetallesL()
{
    setObjectName(QStringLiteral("DetallesL"));
    setWindowTitle(QStringLiteral("Detalle de  reclamos"));
    m_lDetalle = new QLabel(this);
    m_lDetalle->setObjectName(QStringLiteral("lDetalle"));
    m_msf1 = new GrillaTabla(this);
    m_msf1->setObjectName(QStringLiteral("Msf1"));
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(m_lDetalle);
    capa->addWidget(m_msf1, 1);
    resize(800, 420);
}

void DetallesL::Form_Load()
{
    static const int kAnchos[] = {800, 1000, 1800, 3500, 4500};
    static const char* const kTitulos[] = {"Nro", "ID Queja", "Fecha suseso", "Apellido", "Nombres"};
    m_msf1->SetCols(5);
    m_msf1->SetRows(1);
    for (int c = 0; c < 5; ++c) {
        m_msf1->SetColWidth(c, kAnchos[c]);
        m_msf1->SetTextMatrix(0, c, QString::fromLatin1(kTitulos[c]));
    }
}

void DetallesL::Llenar_Detalles(const QString& tipo, const QString& desde, const QString& hasta)
{
    const RegListaQuejas lista = QuejasDetalle;
    m_lDetalle->setText(QStringLiteral("Detalle de indencias por fechas entre ") + desde + QStringLiteral(" y ") +
                        hasta + QStringLiteral(".\nTipo de incidencia: ") + tipo + QLatin1Char('.'));
    m_msf1->SetRows(1);
    for (int i = 0; i < lista.Cantidad && i < lista.Quejas.size(); ++i) {
        const RegQueja& q = lista.Quejas[i];
        const int r = m_msf1->Rows();
        m_msf1->SetRows(r + 1);
        m_msf1->SetTextMatrix(r, 0, QString::number(i));
        m_msf1->SetTextMatrix(r, 1, QString::number(q.pid));
        m_msf1->SetTextMatrix(r, 2, q.fecha_queja);
        m_msf1->SetTextMatrix(r, 3, q.Apellido);
        m_msf1->SetTextMatrix(r, 4, q.Nombres);
    }
    TraerAlFrente(this);
}
