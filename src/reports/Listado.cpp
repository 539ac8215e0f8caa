#include "Listado.h"

#include "Aplicacion.h"
#include "Config.h"
#include "Dialogos.h"
#include "ErrLog.h"
#include "Formularios.h"
#include "Impresoras.h"

#include <QFile>
#include <QPointer>
#include <QVBoxLayout>

namespace {

QString rutaImpresora()
{
    return Aplicacion::Ruta(QStringLiteral("impresora.IMPref"));
}

} // namespace

Listado::Listado()
{
    setObjectName(QStringLiteral("Listado"));
    setWindowTitle(QStringLiteral("Listado de impresoras disponibles"));
    m_etiqueta = new QLabel(QStringLiteral("Seleccione la impresora con la que va a imprimir los boletos"), this);
    m_etiqueta->setObjectName(QStringLiteral("Etiqueta"));
    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_aceptar = new QPushButton(QStringLiteral("Seleccionar"), this);
    m_aceptar->setObjectName(QStringLiteral("Aceptar"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_etiqueta);
    v->addWidget(m_list1);
    v->addWidget(m_aceptar, 0, Qt::AlignRight);
    connect(m_aceptar, &QPushButton::clicked, this, &Listado::Aceptar_Click);
}

bool Listado::Comprobar(const QString& nombre)
{
    const QString minusculas = nombre.toLower();
    for (const char* excluido : {"pdf", "office", "xps", "fax", "microsoft "})
        if (minusculas.contains(QLatin1String(excluido)))
            return false;
    return true;
}

void Listado::Cargar_Impresoras(QListWidget* lista)
{
    lista->addItems(Impresoras::Nombres());
    // Each item is tested in turn, letting events run; a rejected one is removed and the pass
    // starts again from the top.
    QPointer<Listado> guarda(this);
    for (bool otraPasada = true; otraPasada;) {
        otraPasada = false;
        for (int i = 0; i < lista->count(); ++i) {
            Aplicacion::HacerEventos();
            if (!guarda)
                return;
            lista->setCurrentRow(i);
            if (!Comprobar(lista->item(i)->text())) {
                delete lista->takeItem(i);
                otraPasada = true;
                break;
            }
        }
    }
}

QString Listado::LeerImpresora()
{
    QFile f(rutaImpresora());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    RegImpresora r;
    int pos = 0;
    LeerTextoBinario(f.readAll(), pos, r.Nombre);
    return r.Nombre;
}

void Listado::Form_Load()
{
    LeerImpresora();
    m_list1->clear();
    Cargar_Impresoras(m_list1);
}

void Listado::Aceptar_Click()
{
    QListWidgetItem* elegido = m_list1->currentItem();
    if (!elegido || !elegido->isSelected()) {
        MsgBox(QStringLiteral("No ha seleccionado ninguna impresora"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Error al guardar"));
        return;
    }
    const RegImpresora r{elegido->text()};
    if (!EscribirDesdeElInicio(rutaImpresora(), TextoBinario(r.Nombre))) {
        // A choice that was not stored must not look stored: the window stays open.
        const QString texto = QStringLiteral("No se pudo guardar la impresora en ") + rutaImpresora();
        EscribirErrLog(QStringLiteral("Listado.Aceptar_Click"), ErrorEjecucion{75, texto});
        MsgBox(texto, Botones::Aceptar, Icono::Informacion, QStringLiteral("Error al guardar"));
        return;
    }
    Formulario<Listado>::Descargar();
}
