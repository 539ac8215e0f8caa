#include "VentanaDePrueba.h"

#include "AbmMotivo.h"
#include "AgregarCat.h"
#include "AltaUsr.h"
#include "AplicacionQt.h"
#include "AtPrinc.h"
#include "Ayuda.h"
#include "Bienvenido.h"
#include "Bsnue.h"
#include "Busquedas.h"
#include "CambiarPass.h"
#include "Configurar.h"
#include "DetallesL.h"
#include "FResolucion.h"
#include "FUsuarios.h"
#include "F_Abrir.h"
#include "F_Comprobante.h"
#include "F_Nuevo.h"
#include "Formularios.h"
#include "GrillaTabla.h"
#include "Inicio.h"
#include "Listado.h"
#include "Login.h"
#include "Lugar.h"
#include "PCarga.h"
#include "Red.h"
#include "Registros.h"
#include "Relaciones.h"
#include "Reportes.h"
#include "Resoluciones.h"
#include "Seguimiento.h"
#include "Usuarios.h"
#include "VisAtte.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

void VentanaDePrueba::TearDown()
{
    DescargarVentanas();
    Red::EstablecerTabla(nullptr);
    Red::EstablecerNombreEquipo(nullptr);
    BaseDePrueba::TearDown();
}

void VentanaDePrueba::entrar(qint16 nivel)
{
    UsuarioActual.Pid = 5;
    UsuarioActual.Nivel = nivel;
    UsuarioActual.Apellido = QStringLiteral("Pérez");
    UsuarioActual.Nombres = QStringLiteral("Ana María");
}

void VentanaDePrueba::fijarEquipo()
{
    Red::DireccionLocal d;
    d.ip = {10, 4, 0, 7};
    d.hardware = QByteArray::fromHex("001BA005FF0A");
    Red::EstablecerTabla([d] { return QVector<Red::DireccionLocal>{d}; });
    Red::EstablecerNombreEquipo([] { return QStringLiteral("PUESTO-07"); });
}

void VentanaDePrueba::enOtroPuesto(qint16 pid, qint16 nivel, const std::function<void()>& accion)
{
    // The signed-in user is one for the program: this desk's comes back once the other is done.
    const RegUsuario propio = UsuarioActual;
    UsuarioActual.Pid = pid;
    UsuarioActual.Nivel = nivel;
    EnHilos(1, [&](int) { accion(); });
    UsuarioActual = propio;
}

void VentanaDePrueba::resolverEnOtroPuesto(qint32 queja, const QString& detalle, int cerrada, int anulado)
{
    enOtroPuesto(7, 3, [&] {
        RegResolucion r = ResolucionVacia();
        r.IDQueja = queja;
        r.Detalle = detalle;
        r.Cerrada = static_cast<qint16>(cerrada);
        r.Anulado = static_cast<qint16>(anulado);
        r.usr_Anula = anulado ? 7 : -1;
        ASSERT_TRUE(GuardarResolucion(r));
    });
}

AtPrinc* VentanaDePrueba::principal()
{
    fijarEquipo();
    return Formulario<AtPrinc>::Obtener();
}

AtPrinc* VentanaDePrueba::principalQuieta()
{
    AtPrinc* w = principal();
    w->TmrBarr()->stop();
    w->TmrOffLine()->stop();
    return w;
}

AplicacionDelPrograma::AplicacionDelPrograma()
    : m_fuente(QApplication::font()), m_finAlCerrarLaUltima(QGuiApplication::quitOnLastWindowClosed())
{
    PrepararAplicacionQt(*qApp);
}

AplicacionDelPrograma::~AplicacionDelPrograma()
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QApplication::setFont(m_fuente);
    QLocale::setDefault(m_idioma);
    QGuiApplication::setQuitOnLastWindowClosed(m_finAlCerrarLaUltima);
    // The program's own end rule goes with it.
    delete qApp->findChild<QObject*>(QStringLiteral("VigiaDeVentanas"), Qt::FindDirectChildrenOnly);
}

void CerrarComoElSistema(QWidget* ventana)
{
    ASSERT_NE(ventana->windowHandle(), nullptr);
    QCloseEvent cierre;
    QSpontaneKeyEvent::setSpontaneous(&cierre);
    QCoreApplication::sendEvent(ventana->windowHandle(), &cierre);
}

bool CorrerHastaElFin(int milisegundos)
{
    bool vencido = false;
    QTimer plazo;
    plazo.setSingleShot(true);
    QObject::connect(&plazo, &QTimer::timeout, [&vencido] {
        vencido = true;
        QCoreApplication::exit(1);
    });
    plazo.start(milisegundos);
    const int codigo = QCoreApplication::exec();
    return !vencido && codigo == 0;
}

void DescargarVentanas()
{
    // The main window first: its logout unloads the others in the program's own order.
    Formulario<AtPrinc>::Descargar();
    Formulario<FResolucion>::Descargar();
    Formulario<Seguimiento>::Descargar();
    Formulario<F_Comprobante>::Descargar();
    Formulario<Lugar>::Descargar();
    Formulario<Ayuda>::Descargar();
    Formulario<VisAtte>::Descargar();
    Formulario<F_Nuevo>::Descargar();
    Formulario<F_Abrir>::Descargar();
    Formulario<Bsnue>::Descargar();
    Formulario<Reportes>::Descargar();
    Formulario<DetallesL>::Descargar();
    Formulario<Registros>::Descargar();
    Formulario<Listado>::Descargar();
    Formulario<AltaUsr>::Descargar();
    Formulario<FUsuarios>::Descargar();
    Formulario<CambiarPass>::Descargar();
    Formulario<Relaciones>::Descargar();
    Formulario<AgregarCat>::Descargar();
    Formulario<AbmMotivo>::Descargar();
    Formulario<PCarga>::Descargar();
    Formulario<Inicio>::Descargar();
    Formulario<Bienvenido>::Descargar();
    Formulario<Configurar>::Descargar();
    // Last: every logout above shows it again.
    Formulario<Login>::Descargar();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool DuranteOtroLlenado(const std::function<void()>& accion)
{
    GrillaTabla otra;
    bool corrio = false;
    // Bound to the grid: without a row to yield after, it goes with the grid unrun.
    QTimer::singleShot(0, &otra, [&] {
        corrio = true;
        accion();
    });
    ListarQuejas(otra, 100, false);
    return corrio;
}

void Elegir(QComboBox* lista, int indice)
{
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

QStringList Items(const QComboBox* lista)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->itemText(i);
    return r;
}

std::string CajasSinSuInicio(const QWidget* ventana, const QStringList& nombres)
{
    QString r;
    for (const QString& nombre : nombres) {
        const QLineEdit* caja = ventana->findChild<QLineEdit*>(nombre);
        if (!caja || caja->cursorPosition() != 0)
            r +=
                nombre + QStringLiteral(": ") + (caja ? caja->text() : QStringLiteral("<missing>")) + QLatin1Char('\n');
    }
    return r.toStdString();
}

void EscribirYEnter(QLineEdit* caja, const QString& texto)
{
    caja->clear();
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Return);
}

namespace {
QPoint centro(GrillaTabla* g, int fila, int col)
{
    return g->visualRect(g->model()->index(fila, col)).center();
}
} // namespace

void ClicCelda(GrillaTabla* g, int fila, int col)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centro(g, fila, col));
}

void DobleClicCelda(GrillaTabla* g, int fila, int col)
{
    ClicCelda(g, fila, col);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centro(g, fila, col));
}
