#include "Relaciones.h"

#include "AbmMotivo.h"
#include "Administracion.h"
#include "Catalogos.h"
#include "Controles.h"
#include "Dialogos.h"

#include <QGridLayout>
#include <QPointer>

namespace {

// Reasons read as their key with three digits (7 reads 007), " - " and the name.
void llenarCausas(QListWidget* lista, const RegListaCatalogo& causas)
{
    lista->clear();
    for (const RegCatalogo& c : causas.Items)
        lista->addItem(QStringLiteral("%1 - ").arg(c.PID, 3, 10, QLatin1Char('0')) + c.Detalle);
}

// Moves the item from one list to the end of the other.
void moverItem(QListWidget* desde, QListWidget* hacia)
{
    QListWidgetItem* item = desde->currentItem();
    if (!item || item->text().isEmpty())
        return;
    hacia->addItem(item->text());
    delete desde->takeItem(desde->row(item));
}

} // namespace

Relaciones::Relaciones()
{
    setObjectName(QStringLiteral("Relaciones"));
    setWindowTitle(QStringLiteral("Relaciones entre categorias y motivos"));
    resize(760, 420);

    m_categoria = ListaDeDato(this, QStringLiteral("Categoria"));
    m_categoria->setMinimumWidth(220);
    m_motivo = new QListWidget(this);
    m_motivo->setObjectName(QStringLiteral("Motivo"));
    m_seleccionada = new QListWidget(this);
    m_seleccionada->setObjectName(QStringLiteral("Seleccionada"));
    m_guardar = Boton(this, QStringLiteral("Guardar"), QStringLiteral("Guardar"));
    m_aiuda = Boton(this, QStringLiteral("Aiuda"), QStringLiteral("Ayuda"));
    m_relCatMovIr = Boton(this, QStringLiteral("RelCatMov_ir"), QStringLiteral("Ir Alta de Motivos"));

    auto* g = new QGridLayout(this);
    g->addWidget(m_categoria, 0, 0);
    g->addWidget(m_motivo, 0, 1, 5, 1);
    g->addWidget(m_seleccionada, 0, 2, 5, 1);
    g->setRowStretch(1, 1);
    g->addWidget(m_guardar, 2, 0);
    g->addWidget(m_aiuda, 3, 0);
    g->addWidget(m_relCatMovIr, 4, 0);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 1);

    connect(m_categoria, &QComboBox::activated, this, &Relaciones::Categoria_Click);
    connect(m_motivo, &QListWidget::itemDoubleClicked, this, &Relaciones::Motivo_DblClick);
    connect(m_seleccionada, &QListWidget::itemDoubleClicked, this, &Relaciones::Seleccionada_DblClick);
    connect(m_guardar, &QPushButton::clicked, this, &Relaciones::Guardar_Click);
    connect(m_aiuda, &QPushButton::clicked, this, &Relaciones::Aiuda_Click);
    connect(m_relCatMovIr, &QPushButton::clicked, this, &Relaciones::RelCatMov_ir_Click);
}

void Relaciones::Form_Load()
{
    QPointer<Relaciones> yo(this);
    // The readers let events run: the window may be unloaded meanwhile.
    const RegListaCatalogo libres = GetCausasLibres(0);
    if (!yo || Descargada())
        return;
    llenarCausas(m_motivo, libres);
    const RegListaCatalogo categorias = GetMotivos();
    if (!yo || Descargada())
        return;
    m_categoria->clear();
    for (const RegCatalogo& c : categorias.Items)
        m_categoria->addItem(QString::number(c.PID) + QStringLiteral(" - ") + c.Detalle);
    m_categoria->setCurrentIndex(-1);
}

bool Relaciones::categoriaElegida(qint16& pid) const
{
    if (m_categoria->currentIndex() < 0)
        return false;
    pid = ClaveDeItem(m_categoria->currentText());
    return true;
}

void Relaciones::Categoria_Click()
{
    qint16 pid = 0;
    if (!categoriaElegida(pid))
        return;
    QPointer<Relaciones> yo(this);
    const int eleccion = ++m_elecciones;
    const RegListaCatalogo causas = GetCausasCategoria(pid, 0);
    if (!yo || Descargada() || eleccion != m_elecciones)
        return;
    llenarCausas(m_seleccionada, causas);
    m_eleccionMostrada = eleccion;
}

void Relaciones::Motivo_DblClick()
{
    moverItem(m_motivo, m_seleccionada);
}

void Relaciones::Seleccionada_DblClick()
{
    moverItem(m_seleccionada, m_motivo);
}

void Relaciones::Guardar_Click()
{
    // While a chosen category's reasons are still being read, the right list holds the previous
    // category's: saving it under the new one would move those reasons.
    if (m_eleccionMostrada != m_elecciones)
        return;
    qint16 categoria = 0;
    const bool elegida = categoriaElegida(categoria);
    if (m_seleccionada->count() > 0 && elegida) {
        if (categoria == 0) {
            MsgBox(QStringLiteral("Reclamo general no es una categoria valida de relación"));
            return;
        }
        QVector<qint16> causas;
        for (int i = 0; i < m_seleccionada->count(); ++i)
            causas << ClaveDeItem(m_seleccionada->item(i)->text());
        // One transaction: a failure keeps the category's old pairs.
        GuardarRelaciones(categoria, causas);
        return;
    }
    if (MsgBox(QStringLiteral("Desea borrar los motivos de esta categoría?"), Botones::SiNo) == Respuesta::Si) {
        if (elegida)
            BorrarRelaciones(categoria);
    } else {
        MsgBox(QStringLiteral("Nada que guardar"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Nada que guardar"));
    }
}

void Relaciones::Aiuda_Click()
{
    MsgBox(QStringLiteral("Para crear la relación:\r\n"
                          "1 - Seleccione la categoría que desea modificar\r\n"
                          "2 - Haga doble click sobre el motivo del cuadro del medio, el mismo se agregará a la "
                          "categoria\r\n"
                          "Si desea borrar un motivo haga doble click en el cuadro de la derecha y el mismo quedará "
                          "fuera de la lista."),
           Botones::Aceptar, Icono::Ninguno, QStringLiteral("Ayuda para generar relaciones"));
}

void Relaciones::RelCatMov_ir_Click()
{
    MostrarVentana<AbmMotivo>();
}
