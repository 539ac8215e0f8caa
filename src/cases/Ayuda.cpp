#include "Ayuda.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const QString kRenglon = QStringLiteral("\r\n");

struct Tema
{
    QString titulo;
    QString texto;
};

// The lookup window's topics: 0 the DNI box, 1 the list, 2 "Abrir nuevo", 3 the window.
const Tema* temaBsnue(int indice)
{
    const QString dosModos =
        QStringLiteral("1 - Haciendo doble click sobre un elemento se abrirá el formulario de apertura de reclamos   "
                       "...o... ") +
        kRenglon + kRenglon +
        QStringLiteral("2 - haciendo un click en un elemento de la lista y presionando 'Abrir Nuevo' se cargarán "
                       "autómaticamente los datos a un formulario para abrir un nuevo");
    static const Tema temas[4] = {
        {QStringLiteral("Texto de carga de DNI"),
         QStringLiteral("En este cuadro de texto ingrese el DNI del solicitante para cargarlo en un nuevo reclamo, "
                        "luego presione 'Enter'") +
             kRenglon +
             QStringLiteral("Si el denunciante no tiene datos se cargará autómaticamente la pantalla para cargar los "
                            "datos del mismo") +
             kRenglon + QStringLiteral("Si se encuentran datos se mostrarán en la lista de abajo.")},
        {QStringLiteral("Lista de antecedentes por DNI."), QStringLiteral("Esta lista se puede utilizar de 2 modos:") +
                                                               kRenglon + kRenglon + dosModos + kRenglon +
                                                               QStringLiteral("reclamo.")},
        {QStringLiteral("Lista de antecedentes por DNI."),
         QStringLiteral("Haga click aqui para abrir un nuevo reclamo, puede leer más opciones haciendo click en "
                        "ayuda '?' y en el formulario")},
        {QStringLiteral("Formulario para creación de reclamo"),
         QStringLiteral("Ingrese el DNI del solicitante y luego presione 'Enter', de no existir una denuncia con el "
                        "dni se cargará una nueva, de existir se cargará una lista de denuncias la cual puede "
                        "utilizar de 2 modos:") +
             kRenglon + kRenglon + dosModos + QStringLiteral(" reclamo.")},
    };
    return indice >= 0 && indice < 4 ? &temas[indice] : nullptr;
}

} // namespace

Ayuda::Ayuda()
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda"));

    m_titulo = new QLabel(this);
    m_titulo->setObjectName(QStringLiteral("Titulo"));
    QFont negrita = m_titulo->font();
    negrita.setBold(true);
    m_titulo->setFont(negrita);
    m_texto = new QPlainTextEdit(this);
    m_texto->setObjectName(QStringLiteral("Texto"));
    m_texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(m_titulo);
    capa->addWidget(m_texto, 1);
    resize(520, 300);
}

void Ayuda::Cargar_Ayuda(const QString& formulario, qint16 indice)
{
    if (formulario == QLatin1String("bsnue")) {
        if (const Tema* t = temaBsnue(indice)) {
            m_titulo->setText(t->titulo);
            m_texto->setPlainText(t->texto);
        }
    }
    TraerAlFrente(this);
}

QString Ayuda::Titulo() const
{
    return m_titulo->text();
}

QString Ayuda::Texto() const
{
    return m_texto->toPlainText();
}
