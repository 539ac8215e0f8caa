#include "Registros.h"

#include "Aplicacion.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

namespace {

constexpr int kIntervaloInicial = 60000;
constexpr int kIntervalos[3] = {10000, 30000, 60000};

struct Columna
{
    const char* titulo;
    int ancho;
};

const Columna kColumnas[9] = {{"PID", 500},   {"Nombre", 3500},  {"PC", 2000},      {"MAC", 2000},  {"Fecha", 1000},
                              {"Hora", 1000}, {"Usuario", 1000}, {"Versión", 1000}, {"Online", 700}};

} // namespace

Registros::Registros()
{
    setObjectName(QStringLiteral("Registros"));
    setWindowTitle(QStringLiteral("Registro de usuarios"));
    resize(900, 420);

    m_grilla = new GrillaTabla(this);
    m_grilla->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grilla->setFont(QFont(QStringLiteral("Arial Narrow")));

    auto* botones = new QHBoxLayout();
    const char* textos[3] = {"10s", "30s", "1M"};
    for (int i = 0; i < 3; ++i) {
        m_setr[i] = new QPushButton(QString::fromLatin1(textos[i]), this);
        m_setr[i]->setObjectName(QStringLiteral("Setr%1").arg(i));
        connect(m_setr[i], &QPushButton::clicked, this, [this, i] { Setr_Click(i); });
        botones->addWidget(m_setr[i]);
    }
    botones->addStretch();

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(m_grilla, 1);
    capa->addLayout(botones);

    m_tRefresh.setObjectName(QStringLiteral("TRefresh"));
    m_tRefresh.setInterval(kIntervaloInicial);
    connect(&m_tRefresh, &QTimer::timeout, this, &Registros::TRefresh_Timer);
}

void Registros::Form_Load()
{
    if (Refrescar())
        m_tRefresh.start();
}

bool Registros::Refrescar()
{
    m_llenando = true;
    m_lista = GetRegistrosDepurados();

    m_grilla->SetRows(1);
    m_grilla->SetCols(9);
    m_grilla->SetRow(0);
    m_grilla->SetCol(0);
    for (int c = 0; c < 9; ++c) {
        m_grilla->SetTextMatrix(0, c, QString::fromUtf8(kColumnas[c].titulo));
        m_grilla->SetColWidth(c, kColumnas[c].ancho);
    }

    m_grilla->SetVisible(false);
    QPointer<Registros> yo(this);
    for (int i = 0; i <= m_lista.Ultimo && i < m_lista.Items.size(); ++i) {
        const RegEquipo& e = m_lista.Items[i];
        m_grilla->AddItem(QString::number(e.PID));
        const int fila = m_grilla->Rows() - 1;
        m_grilla->SetRow(fila);
        const QString textos[8] = {e.Nombre,  e.PC,       e.MAC, e.Fecha, e.Hora, QString::number(e.Usuario),
                                   e.Version, e.Conectado};
        for (int c = 1; c <= 8; ++c)
            m_grilla->SetTextMatrix(fila, c, textos[c - 1]);
        m_grilla->SetCol(8);
        if (e.Conectado == QLatin1String("0"))
            m_grilla->SetCellBackColor(0xC0C0FF);
        else if (e.Conectado == QLatin1String("1"))
            m_grilla->SetCellBackColor(0xC0FFC0);
        else if (e.Conectado.isEmpty())
            m_grilla->SetCellBackColor(0xFF);
        Aplicacion::HacerEventos();
        // The window may have been unloaded while events ran (a logout, a close).
        if (!yo || Descargada())
            return false;
    }
    m_grilla->SetVisible(true);
    m_llenando = false;
    return true;
}

void Registros::TRefresh_Timer()
{
    // A tick while the grid is still filling is left to the next tick.
    if (m_llenando)
        return;
    Refrescar();
}

void Registros::Setr_Click(int indice)
{
    if (indice < 0 || indice > 2)
        return;
    m_tRefresh.setInterval(kIntervalos[indice]);
    // Restart the countdown so the next refresh comes a whole interval after the press.
    m_tRefresh.stop();
    m_tRefresh.start();
}

void Registros::Form_Unload()
{
    m_tRefresh.stop();
}
