#include "AtPrinc.h"

#include "AbmMotivo.h"
#include "Administracion.h"
#include "AgregarCat.h"
#include "AltaUsr.h"
#include "Aplicacion.h"
#include "Ayuda.h"
#include "BarraVer.h"
#include "BasePing.h"
#include "Bienvenido.h"
#include "Bsnue.h"
#include "CambiarPass.h"
#include "Conexion.h"
#include "Configurar.h"
#include "DetallesL.h"
#include "Dialogos.h"
#include "Equipos.h"
#include "ErrLog.h"
#include "Estadisticas.h"
#include "FResolucion.h"
#include "FUsuarios.h"
#include "F_Abrir.h"
#include "F_Comprobante.h"
#include "F_Nuevo.h"
#include "FechasPeriodo.h"
#include "Formularios.h"
#include "Importaciones.h"
#include "Inicio.h"
#include "Listado.h"
#include "Login.h"
#include "Lugar.h"
#include "Medidas.h"
#include "MenAb.h"
#include "MenuSecA.h"
#include "PCarga.h"
#include "Registros.h"
#include "Relaciones.h"
#include "Reportes.h"
#include "Seguimiento.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VisAtte.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>

namespace {

// Layout of the statistics frame, in pixels.
constexpr int kAnchoMarco = 700;
constexpr int kAltoMarco = 490;
constexpr int kCentrosBarras[3] = {170, 350, 530};
constexpr int kAnchoTitulo = 170;

QLabel* titulo(QWidget* padre, int indice, const QString& texto, int centro, int tope)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QStringLiteral("Label1%1").arg(indice));
    l->setFont(QFont(QStringLiteral("Arial Narrow"), 10));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(true);
    l->setGeometry(centro - kAnchoTitulo / 2, tope, kAnchoTitulo, 40);
    return l;
}

QAction* accion(QMenu* menu, const char* nombre, const QString& texto)
{
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nombre));
    return a;
}

} // namespace

AtPrinc::AtPrinc()
{
    setObjectName(QStringLiteral("AtPrinc"));
    setWindowTitle(QStringLiteral("Ostrevia"));

    auto* barra = new QMenuBar(this);
    barra->setObjectName(QStringLiteral("BarraMenu"));
    QMenu* arc = barra->addMenu(QStringLiteral("Archivo"));
    arc->setObjectName(QStringLiteral("Arc"));
    connect(accion(arc, "Salir", QStringLiteral("Salir")), &QAction::triggered, this, &AtPrinc::Salir_Click);
    m_importar = barra->addMenu(QStringLiteral("Importar"));
    m_importar->setObjectName(QStringLiteral("Importar"));
    connect(accion(m_importar, "ImpP1", QStringLiteral("Importar pasos 1-2 y 4")), &QAction::triggered, this,
            &AtPrinc::ImpP1_Click);
    connect(accion(m_importar, "ImSeg", QStringLiteral("Importar seguimientos")), &QAction::triggered, this,
            &AtPrinc::ImSeg_Click);
    connect(accion(m_importar, "Actualizadt", QStringLiteral("Actualizar datos")), &QAction::triggered, this,
            &AtPrinc::Actualizadt_Click);
    connect(accion(m_importar, "ImpoCom", QStringLiteral("Importar Comprobantes")), &QAction::triggered, this,
            &AtPrinc::ImpoCom_Click);
    connect(accion(m_importar, "impoexp", QStringLiteral("Importar Expedientes")), &QAction::triggered, this,
            &AtPrinc::impoexp_Click);
    m_usuariosCn = barra->addAction(QStringLiteral("Registros"));
    m_usuariosCn->setObjectName(QStringLiteral("UsuariosCn"));
    connect(m_usuariosCn, &QAction::triggered, this, &AtPrinc::UsuariosCn_Click);

    auto* area = new QWidget(this);
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setMenuBar(barra);
    capa->addWidget(area, 1);

    auto* marco = new QFrame(area);
    marco->setObjectName(QStringLiteral("FrEstadisticas"));
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setGeometry(180, 112, kAnchoMarco, kAltoMarco);
    m_lblCm = new QLabel(marco);
    m_lblCm->setObjectName(QStringLiteral("LblCm"));
    m_lblCm->setWordWrap(true);
    m_lblCm->setGeometry(16, 12, kAnchoMarco - 32, 44);

    // Left to right: BV2, BV1, BV3; each caption stands under the count its bar shows.
    const int topeBarras = Pixeles(1200);
    BarraVer** barras[3] = {&m_bv2, &m_bv1, &m_bv3};
    const char* nombres[3] = {"BV2", "BV1", "BV3"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new BarraVer(marco);
        b->setObjectName(QString::fromLatin1(nombres[i]));
        b->setGeometry(kCentrosBarras[i] - Pixeles(975) / 2, topeBarras, Pixeles(975), Pixeles(5175));
        *barras[i] = b;
    }
    const int topeTitulos = topeBarras + Pixeles(5175) + 6;
    titulo(marco, 0, QStringLiteral("Finalizados sin cerrar"), kCentrosBarras[0], topeTitulos);
    titulo(marco, 1, QStringLiteral("Cerrados"), kCentrosBarras[1], topeTitulos);
    titulo(marco, 2, QStringLiteral("Sin finalizar"), kCentrosBarras[2], topeTitulos);

    m_menAb1 = new MenAb(area);
    m_menAb1->setObjectName(QStringLiteral("MenAb1"));
    m_menAb1->move(8, 8);
    m_mnu = new MenuSecA(area);
    m_mnu->setObjectName(QStringLiteral("MNU"));
    m_mnu->move(8, 112);
    m_mnu->hide();
    // The side menu folds out over the statistics.
    m_mnu->raise();
    connect(m_menAb1, &MenAb::Presionado, this, &AtPrinc::MenAb1_Presionado);
    connect(m_mnu, &MenuSecA::Presionado, this, &AtPrinc::MNU_Presionado);

    resize(900, 640);

    m_tmrBarr.setObjectName(QStringLiteral("TmrBarr"));
    m_tmrBarr.setInterval(100);
    m_tmrOffLine.setObjectName(QStringLiteral("TmrOffLine"));
    m_tmrOffLine.setInterval(60000);
    connect(&m_tmrBarr, &QTimer::timeout, this, &AtPrinc::TmrBarr_Timer);
    connect(&m_tmrOffLine, &QTimer::timeout, this, &AtPrinc::TmrOffLine_Timer);
}

void AtPrinc::Form_Load()
{
    // The other windows switch this window off, reset its idle time and re-arm its bars
    // through the main-window interface.
    VentanaPrincipal::Instalar(this);

    m_indiceBarra = 0;
    for (BarraVer* b : {m_bv1, m_bv2, m_bv3}) {
        b->Set_Max(100);
        b->Set_Min(0);
        b->Set_Curr(0);
    }
    try {
        setWindowTitle(windowTitle() + QStringLiteral(" - ") + UsuarioActual.Apellido + QStringLiteral(", ") +
                       UsuarioActual.Nombres);
        setWindowTitle(windowTitle() + QStringLiteral(" - ") + GetNivelDesc(UsuarioActual.Nivel));
        if (UsuarioActual.Nivel < 3) {
            // The menu itself, not its action: a menu enables its action again whenever this window
            // is switched back on.
            m_importar->setEnabled(false);
            m_usuariosCn->setEnabled(false);
        }
        show();
        const QString hasta = FechaHoy();
        const QString desde = FechaMesAtras();
        // The bars show the same period 100 ms later: one pass over it serves the label and them.
        m_conteoDeCarga = ConteoDeCarga{desde, hasta, ContarEstados(desde, hasta)};
        MostrarPeriodo(desde, hasta, m_conteoDeCarga->conteos.Total);
    } catch (const ErrorEjecucion& e) {
        EscribirErrLog(QStringLiteral("Caption me.caption en AtPrinc"), e);
    }
    show();
    m_tmrBarr.start();
    m_tmrOffLine.start();
}

void AtPrinc::MostrarPeriodo(const QString& desde, const QString& hasta, qint32 total)
{
    m_lblCm->setText(QStringLiteral("Cantidad de solicitudes cargadas en el periodo entre ") + desde +
                     QStringLiteral(" hasta ") + hasta + QStringLiteral(": ") + QString::number(total));
}

void AtPrinc::TiempoACero()
{
    m_tiempoOcioso = 0;
}

void AtPrinc::Habilitar(bool habilitada)
{
    setEnabled(habilitada);
}

void AtPrinc::RearmarBarras()
{
    // A re-arm asks for the figures as they are now.
    m_conteoDeCarga.reset();
    m_tmrBarr.start();
}

void AtPrinc::TmrBarr_Timer()
{
    // The four counts of the period in one statement, shared by the three bars: on a large
    // database each count is a pass over the period.
    const QString hasta = FechaHoy();
    const QString desde = FechaMesAtras();
    const bool deLaCarga = m_conteoDeCarga && m_conteoDeCarga->desde == desde && m_conteoDeCarga->hasta == hasta;
    const RegConteoEstados conteos = deLaCarga ? m_conteoDeCarga->conteos : ContarEstados(desde, hasta);
    m_conteoDeCarga.reset();
    for (int i = 0; i < 3; ++i)
        ActualizarBarra(m_indiceBarra++, desde, hasta, conteos);
    m_tmrBarr.stop();
    m_indiceBarra = 0;
}

void AtPrinc::ActualizarBarra(int n, const QString& desde, const QString& hasta, const RegConteoEstados& conteos)
{
    MostrarPeriodo(desde, hasta, conteos.Total);
    if (n < 0 || n > 2)
        return;
    BarraVer* const barras[3] = {m_bv2, m_bv1, m_bv3};
    const qint32 actuales[3] = {conteos.SinCerrar, conteos.Cerrados, conteos.SinResolucion};
    barras[n]->Set_Max(conteos.Total);
    barras[n]->Set_Curr(actuales[n]);
}

void AtPrinc::TmrOffLine_Timer()
{
    // A failed heartbeat is retried at the next tick; the user is not disturbed.
    try {
        RegistrarMAC(MacLocal(), NombrePC());
    } catch (...) {
    }
}

void AtPrinc::MenAb1_Presionado()
{
    m_mnu->setVisible(!m_mnu->isVisible());
}

void AtPrinc::MNU_Presionado()
{
    QPointer<AtPrinc> yo(this);
    Aplicacion::HacerEventos();
    if (!yo)
        return;
    const int item = m_mnu->NrPresionado();
    if (item >= 3 && item <= 7 && UsuarioActual.Nivel < 2) {
        MsgBox(QStringLiteral("Nivel de usuario insuficiente para realizar modificaciones"), Botones::Aceptar,
               Icono::Informacion, QStringLiteral("Error de permisos"));
        return;
    }
    switch (item) {
    case 0: Nuevo_Click(); break;
    case 1: Abrir_Click(); break;
    case 2: break;
    case 3: AbrirRelaciones(); break;
    case 4:
        m_mnu->setVisible(false);
        AbrirAbmMotivo();
        return;
    case 5: AbrirAgregarCat(); break;
    case 6: AbrirAltaUsr(); break;
    case 7: AbrirFUsuarios(); break;
    case 8: AbrirCambiarPass(); break;
    case 98: PreguntarSalida(); return;
    case 99: AbrirReportes(); break;
    default: return;
    }
    if (yo)
        m_mnu->setVisible(false);
}

void AtPrinc::PreguntarSalida()
{
    if (MsgBox(QStringLiteral("Esta seguro/a que desea salir?"), Botones::SiNo, Icono::Ninguno,
               QStringLiteral("Salir del sistema")) != Respuesta::Si ||
        !PuedeCerrarSesion())
        return;
    m_mnu->setVisible(false);
    Formulario<AtPrinc>::Descargar();
}

void AtPrinc::Nuevo_Click()
{
    TiempoACero();
    MostrarVentana<Bsnue>();
}

void AtPrinc::Abrir_Click()
{
    TiempoACero();
    PCarga* carga = Formulario<PCarga>::Obtener();
    carga->descripcion(QStringLiteral("Abriendo formulario de carga"));
    carga->Valor(QStringLiteral("Abriendo"));
    carga->show();
    Aplicacion::HacerEventos();
    // The search window's load lets events run too: it may be closed before it is shown.
    if (F_Abrir* abrir = Formulario<F_Abrir>::Obtener())
        TraerAlFrente(abrir);
    Formulario<PCarga>::Descargar();
}

void AtPrinc::AbrirRelaciones()
{
    MostrarVentana<Relaciones>();
}

void AtPrinc::AbrirAbmMotivo()
{
    MostrarVentana<AbmMotivo>();
}

void AtPrinc::AbrirAgregarCat()
{
    MostrarVentana<AgregarCat>();
}

void AtPrinc::AbrirAltaUsr()
{
    TiempoACero();
    MostrarVentana<AltaUsr>();
}

void AtPrinc::AbrirFUsuarios()
{
    MostrarVentana<FUsuarios>();
}

void AtPrinc::AbrirCambiarPass()
{
    TiempoACero();
    MostrarVentana<CambiarPass>();
}

void AtPrinc::AbrirReportes()
{
    MostrarVentana<Reportes>();
}

void AtPrinc::Salir_Click()
{
    TiempoACero();
    if (!PuedeCerrarSesion())
        return;
    Formulario<Login>::Obtener()->show();
    Formulario<AtPrinc>::Descargar();
}

void AtPrinc::UsuariosCn_Click()
{
    // Its load fills the grid letting events run: it may be closed before it is shown.
    MostrarVentana<Registros>();
}

// Each import is handed the path of its workbook in the program folder and nothing else.
void AtPrinc::ImpP1_Click()
{
    ImportarNovedades(Aplicacion::Ruta(QStringLiteral("imp.xlsx")));
}
void AtPrinc::ImSeg_Click()
{
    ImportarSeguimientos(Aplicacion::Ruta(QStringLiteral("seg.xlsx")));
}
void AtPrinc::Actualizadt_Click()
{
    ActualizarTiposQueja(Aplicacion::Ruta(QStringLiteral("imp.xlsx")));
}
void AtPrinc::ImpoCom_Click()
{
    ImportarComprobantes(Aplicacion::Ruta(QStringLiteral("imp.xlsx")));
}
void AtPrinc::impoexp_Click()
{
    ImportarExpedientes(Aplicacion::Ruta(QStringLiteral("imp.xlsx")));
}

bool AtPrinc::PuedeCerrarSesion()
{
    // Its question may save, which reloads the case window: the logout then unloads that too.
    return Formulario<FResolucion>::Descargar();
}

void AtPrinc::closeEvent(QCloseEvent* evento)
{
    // Switched off, the window takes no input, its close button included: an import or a form
    // in progress would go on behind the login window, or be thrown away unasked.
    if (evento->spontaneous() && !isEnabled()) {
        evento->ignore();
        return;
    }
    Ventana::closeEvent(evento);
}

// Every way out is the logout; it is cancelled only while the resolution window stays open.
bool AtPrinc::Form_QueryUnload()
{
    return PuedeCerrarSesion();
}

void AtPrinc::Form_Unload()
{
    CerrarSesion();
    VentanaPrincipal::Quitar(this);
    // After the logout: the case window's unload inside it re-arms the bars' timer.
    m_tmrBarr.stop();
    m_tmrOffLine.stop();
    DesconectarMAC(MacLocal());
    Formulario<Login>::Obtener()->show();
}

void CerrarSesion()
{
    Aplicacion::HacerEventos();
    Formulario<Login>::Descargar();
    CerrarRs();
    // The session's windows in a fixed order: some unloads act on others (the case window's
    // re-arms the main window's bars).
    Formulario<AltaUsr>::Descargar();
    Formulario<Bienvenido>::Descargar();
    Formulario<CambiarPass>::Descargar();
    Formulario<PCarga>::Descargar();
    Formulario<AgregarCat>::Descargar();
    Formulario<Configurar>::Descargar();
    Formulario<F_Abrir>::Descargar();
    Formulario<F_Nuevo>::Descargar();
    Formulario<FResolucion>::Descargar();
    Formulario<FUsuarios>::Descargar();
    Formulario<Inicio>::Descargar();
    Formulario<Listado>::Descargar();
    Formulario<Lugar>::Descargar();
    Formulario<Reportes>::Descargar();
    Formulario<Seguimiento>::Descargar();
    Formulario<Relaciones>::Descargar();
    // The reasons window too: left open, it would let the next user, of any level, maintain reasons.
    Formulario<AbmMotivo>::Descargar();
    // And the DNI lookup with its help: left open, it would list complaints with nobody signed in
    // and open the entry form in the name of the user who left.
    Formulario<Bsnue>::Descargar();
    Formulario<Ayuda>::Descargar();
    Formulario<F_Comprobante>::Descargar();
    Formulario<VisAtte>::Descargar();
    Formulario<Reportes>::Descargar();
    Formulario<PCarga>::Descargar();
    Formulario<DetallesL>::Descargar();
    Formulario<AtPrinc>::Descargar();
    Formulario<Registros>::Descargar();
    Aplicacion::HacerEventos();
    Formulario<Login>::Obtener()->show();
}
