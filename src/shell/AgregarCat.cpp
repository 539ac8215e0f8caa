#include "AgregarCat.h"

#include "Administracion.h"
#include "Catalogos.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Medidas.h"

#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

AgregarCat::AgregarCat()
{
    setObjectName(QStringLiteral("AgregarCat"));
    setWindowTitle(QStringLiteral("Agregar Categoria"));
    resize(360, 380);

    m_txtAgCat = Caja(this, QStringLiteral("TxtAgCat"), QStringLiteral("Luego de creada presione enter"));
    m_categoria = new QListWidget(this);
    m_categoria->setObjectName(QStringLiteral("Categoria"));

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(Etiqueta(this, QStringLiteral("Label1"), QStringLiteral("Nombre de la categoria")));
    capa->addWidget(m_txtAgCat);
    capa->addWidget(Etiqueta(this, QStringLiteral("Label2"), QStringLiteral("Categorias creadas")));
    capa->addWidget(m_categoria, 1);

    m_txtAgCat->installEventFilter(this);
}

void AgregarCat::Form_Load()
{
    QPointer<AgregarCat> yo(this);
    const int recarga = ++m_recargas;
    const RegListaCatalogo categorias = GetMotivos();
    if (!yo || Descargada() || recarga != m_recargas)
        return;
    m_categoria->clear();
    for (const RegCatalogo& c : categorias.Items)
        m_categoria->addItem(c.Detalle);
}

bool AgregarCat::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_txtAgCat && evento->type() == QEvent::KeyPress) {
        const bool enter = EsEnter(evento);
        const QString texto = static_cast<QKeyEvent*>(evento)->text();
        // Keys that type nothing (arrows, shifts) are not key presses of the box.
        if (enter || !texto.isEmpty()) {
            QPointer<AgregarCat> yo(this);
            TxtAgCat_KeyPress(enter ? kEnter : texto.at(0).unicode());
            // Enter types nothing; an unloaded window takes no more keys.
            return enter || !yo || Descargada();
        }
    }
    return Ventana::eventFilter(objeto, evento);
}

void AgregarCat::TxtAgCat_KeyPress(int tecla)
{
    if (tecla == kEnter && m_txtAgCat->text().isEmpty()) {
        MsgBox(QStringLiteral("No se puede agregar vacio"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    if (tecla == kEnter)
        AgregarCategoria(m_txtAgCat->text());
    Form_Load();
}
