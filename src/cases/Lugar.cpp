#include "Lugar.h"

#include "Aplicacion.h"
#include "Calendario.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Lugares.h"
#include "Medidas.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VisAtte.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace {

bool soloDigitos(const QString& texto)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]+$"));
    return digitos.match(texto).hasMatch();
}

} // namespace

Lugar::Lugar()
{
    setObjectName(QStringLiteral("Lugar"));
    setWindowTitle(QStringLiteral("Datos del hecho"));

    auto* frame1 = new QGroupBox(QStringLiteral("Lugar del Hecho"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frame2 = new QGroupBox(QStringLiteral("Datos del hecho"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* frame3 = new QGroupBox(QStringLiteral("Datos del Servicio:"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* lugarH1 = new QGroupBox(frame2);
    lugarH1->setObjectName(QStringLiteral("LugarH1"));
    auto* datos = new QGroupBox(frame2);
    datos->setObjectName(QStringLiteral("Datos"));

    // Created in tab order: kind, code, date, time, details, staff, trip, save.
    m_etiqueta[11] = Etiqueta(frame1, QStringLiteral("Etiqueta11"), QStringLiteral("Seleccione"));
    m_lugar = new QComboBox(frame1);
    m_lugar->setObjectName(QStringLiteral("Lugar"));
    m_lugar->addItems({QStringLiteral("Otros"), QStringLiteral("Agencia"), QStringLiteral("Unidad")});
    m_lugar->setCurrentIndex(-1);

    for (int i = 0; i < 10; ++i) {
        QWidget* padre = i < 3 ? lugarH1 : datos;
        m_etiqueta[i] = Etiqueta(padre, QStringLiteral("Etiqueta%1").arg(i), QString());
        m_dato[i] = Caja(padre, QStringLiteral("Dato%1").arg(i));
        m_dato[i]->setEnabled(i < 3);
        m_dato[i]->installEventFilter(this);
    }
    m_etiqueta[1]->setText(QStringLiteral("Fecha del suceso."));
    m_etiqueta[2]->setText(QStringLiteral("Hora del suceso."));

    m_openFecha = new QPushButton(QStringLiteral("..."), lugarH1);
    m_openFecha->setObjectName(QStringLiteral("OpenFecha"));
    m_openFecha->setToolTip(QStringLiteral("Haga click aqui para mostrar fechas"));
    m_mv1 = new Calendario(this);
    m_mv1->setObjectName(QStringLiteral("MV1"));
    m_mv1->setVisible(false);

    m_etiqueta[10] = Etiqueta(frame2, QStringLiteral("Etiqueta10"), QStringLiteral("Responsable/s"));
    m_legajos = Caja(frame2, QStringLiteral("Legajos"));

    const QStringList titulosServicio{QStringLiteral("Desde"), QStringLiteral("Hasta"),
                                      QStringLiteral("Horario del servicio"), QStringLiteral("Unidad")};
    QLabel* lblDetServ[4];
    for (int i = 0; i < 4; ++i)
        lblDetServ[i] = Etiqueta(frame3, QStringLiteral("LblDetServ%1").arg(i), titulosServicio[i]);
    m_desde = Caja(frame3, QStringLiteral("Desde"));
    m_hasta = Caja(frame3, QStringLiteral("Hasta"));
    m_horaServ = Caja(frame3, QStringLiteral("Hora_Serv"));
    m_unidad = Caja(frame3, QStringLiteral("Unidad"));

    m_guarda = new QPushButton(QStringLiteral("Guardar"), this);
    m_guarda->setObjectName(QStringLiteral("Guarda"));

    auto* g1 = new QHBoxLayout(frame1);
    g1->addWidget(m_etiqueta[11]);
    g1->addWidget(m_lugar, 1);

    auto* gH1 = new QGridLayout(lugarH1);
    for (int i = 0; i < 3; ++i) {
        gH1->addWidget(m_etiqueta[i], 0, i);
        gH1->addWidget(m_dato[i], 1, i);
    }
    gH1->addWidget(m_openFecha, 1, 3);

    auto* gDatos = new QGridLayout(datos);
    for (int i = 3; i < 10; ++i) {
        const int fila = ((i - 3) / 2) * 2;
        const int col = (i - 3) % 2;
        gDatos->addWidget(m_etiqueta[i], fila, col);
        gDatos->addWidget(m_dato[i], fila + 1, col);
    }

    auto* g2 = new QGridLayout(frame2);
    g2->addWidget(lugarH1, 0, 0, 1, 2);
    g2->addWidget(datos, 1, 0, 1, 2);
    g2->addWidget(m_etiqueta[10], 2, 0);
    g2->addWidget(m_legajos, 2, 1);

    auto* g3 = new QGridLayout(frame3);
    QLineEdit* cajasServicio[4] = {m_desde, m_hasta, m_horaServ, m_unidad};
    for (int i = 0; i < 4; ++i) {
        g3->addWidget(lblDetServ[i], 0, i);
        g3->addWidget(cajasServicio[i], 1, i);
    }

    auto* principal = new QGridLayout(this);
    principal->addWidget(frame1, 0, 0);
    principal->addWidget(frame2, 1, 0);
    principal->addWidget(m_mv1, 1, 1);
    principal->addWidget(frame3, 2, 0);
    principal->addWidget(m_guarda, 3, 0, 1, 1, Qt::AlignRight);

    connect(m_lugar, &QComboBox::activated, this, &Lugar::Lugar_Click);
    connect(m_openFecha, &QPushButton::clicked, this, &Lugar::OpenFecha_Click);
    connect(m_mv1, &Calendario::DateClick, this, &Lugar::MV1_DateClick);
    connect(m_guarda, &QPushButton::clicked, this, &Lugar::Guarda_Click);
}

void Lugar::Form_Load()
{
    m_mv1->SetValue(QDate::currentDate());
}

bool Lugar::eventFilter(QObject* objeto, QEvent* evento)
{
    for (int i = 0; i < 10; ++i) {
        if (objeto != m_dato[i])
            continue;
        if (evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
                Dato_KeyPress(i, kEnter);
                return true;
            }
        } else if (evento->type() == QEvent::MouseButtonDblClick) {
            Dato_DblClick(i);
        }
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void Lugar::Lugar_Click()
{
    QPointer<Lugar> yo(this);
    Aplicacion::HacerEventos();
    if (!yo)
        return;
    switch (m_lugar->currentIndex()) {
    case 0:
        m_etiqueta[0]->clear();
        m_etiqueta[5]->clear();
        m_etiqueta[6]->clear();
        m_dato[5]->setEnabled(false);
        m_dato[6]->setEnabled(false);
        m_dato[0]->clear();
        m_dato[0]->setVisible(false);
        m_dato[0]->setEnabled(true);
        m_etiqueta[0]->setVisible(false);
        m_dato[5]->setVisible(false);
        m_dato[6]->setVisible(false);
        m_etiqueta[7]->setText(QStringLiteral("Direccion"));
        m_dato[7]->setEnabled(true);
        for (int i = 3; i <= 6; ++i)
            m_etiqueta[i]->setVisible(false);
        m_dato[3]->setVisible(false);
        m_dato[4]->setVisible(false);
        m_dato[8]->setEnabled(true);
        m_dato[8]->setVisible(true);
        m_dato[9]->setVisible(true);
        m_dato[9]->setEnabled(true);
        m_etiqueta[8]->setText(QStringLiteral("Localidad"));
        m_etiqueta[8]->setVisible(true);
        m_etiqueta[9]->setText(QStringLiteral("Provincia"));
        m_etiqueta[9]->setVisible(true);
        break;
    case 1:
        m_etiqueta[0]->setVisible(true);
        m_dato[0]->setVisible(true);
        m_etiqueta[0]->setText(QStringLiteral("Cod. Agencia"));
        m_etiqueta[3]->setText(QStringLiteral("Agencia"));
        m_etiqueta[4]->setText(QStringLiteral("Teléfono"));
        m_etiqueta[5]->setText(QStringLiteral("Localidad"));
        m_etiqueta[6]->setText(QStringLiteral("Provincia"));
        m_etiqueta[3]->setVisible(true);
        m_etiqueta[4]->setVisible(true);
        m_dato[3]->setVisible(true);
        m_dato[4]->setVisible(true);
        break;
    case 2:
        m_etiqueta[0]->setVisible(true);
        m_dato[0]->setVisible(true);
        m_etiqueta[3]->setVisible(true);
        m_etiqueta[4]->setVisible(true);
        m_dato[3]->setVisible(true);
        m_dato[4]->setVisible(true);
        m_etiqueta[0]->setText(QStringLiteral("Nr. Coche"));
        m_etiqueta[3]->setText(QStringLiteral("Empresa"));
        m_etiqueta[4]->setText(QStringLiteral("Dominio"));
        m_etiqueta[5]->setVisible(true);
        m_etiqueta[5]->setText(QStringLiteral("Asientos"));
        m_etiqueta[6]->setVisible(true);
        m_etiqueta[6]->setText(QStringLiteral("Localidad"));
        m_dato[5]->setVisible(true);
        m_dato[6]->setVisible(true);
        break;
    default: break;
    }
}

void Lugar::Dato_KeyPress(int indice, int tecla)
{
    if (tecla != kEnter)
        return;
    if (indice == 1) {
        const QString t = m_dato[1]->text();
        if (t.size() == 8 && soloDigitos(t)) {
            m_dato[1]->setText(t.mid(0, 2) + QLatin1Char('/') + t.mid(2, 2) + QLatin1Char('/') + t.mid(4, 4));
            m_dato[2]->setFocus();
        }
    } else if (indice == 2) {
        QString t = m_dato[2]->text();
        if (t.size() == 4 && soloDigitos(t))
            t = t.mid(0, 2) + QLatin1Char(':') + t.mid(2, 2);
        if (t.size() == 3 && soloDigitos(t))
            t = QLatin1Char('0') + t.mid(0, 1) + QLatin1Char(':') + t.mid(1, 2);
        m_dato[2]->setText(t);
    } else if (indice == 0) {
        buscarLugar();
    }
}

// Fills the place details from the master tables for the code in Dato(0).
void Lugar::buscarLugar()
{
    if (m_lugar->currentIndex() == 1) {
        // The look-up may normalise the code; the box keeps what was typed.
        QString codigo = m_dato[0]->text();
        const RegAgencia a = GetAgencia(codigo);
        MostrarDato(m_dato[3], a.Descripcion);
        MostrarDato(m_dato[4], a.Telefono1);
        MostrarDato(m_dato[5], a.localidad);
        m_dato[5]->setVisible(true);
        MostrarDato(m_dato[6], a.Provincia);
        MostrarDato(m_dato[7], a.Domicilio);
        m_etiqueta[6]->setVisible(true);
        m_etiqueta[5]->setVisible(true);
        m_dato[6]->setVisible(true);
        m_dato[7]->setVisible(true);
        m_etiqueta[7]->setVisible(true);
        m_etiqueta[7]->setText(QStringLiteral("Dirección"));
        m_etiqueta[8]->setVisible(false);
        m_dato[8]->setVisible(false);
        m_etiqueta[9]->setVisible(false);
        m_dato[9]->setVisible(false);
        m_dato[9]->clear();
        m_dato[8]->clear();
    } else if (m_lugar->currentIndex() == 2) {
        const RegCoche c = GetCoche(m_dato[0]->text());
        m_etiqueta[5]->setVisible(true);
        m_dato[5]->setVisible(true);
        m_etiqueta[5]->setText(QStringLiteral("Asientos"));
        MostrarDato(m_dato[5], QString::number(c.Asientos));
        MostrarDato(m_dato[3], c.Empresa.Detalle);
        MostrarDato(m_dato[4], c.Dominio);
        m_etiqueta[6]->setText(QStringLiteral("Chasis"));
        MostrarDato(m_dato[6], c.Chasis);
        m_dato[7]->setEnabled(true);
        m_dato[8]->setEnabled(true);
        m_dato[8]->setVisible(true);
        m_dato[9]->setVisible(true);
        m_dato[0]->setEnabled(true);
        m_etiqueta[7]->setText(QStringLiteral("Direccion"));
        m_etiqueta[8]->setText(QStringLiteral("Localidad"));
        m_etiqueta[8]->setVisible(true);
        m_etiqueta[9]->setText(QStringLiteral("Provincia"));
        m_etiqueta[9]->setVisible(true);
        m_dato[9]->setEnabled(true);
    }
}

void Lugar::Dato_DblClick(int indice)
{
    if (indice == 1)
        m_dato[1]->setText(FechaHoy());
}

void Lugar::OpenFecha_Click()
{
    m_mv1->SetVisible(true);
}

void Lugar::MV1_DateClick(const QDate& fecha)
{
    if (fecha > QDate::currentDate()) {
        MsgBox(QStringLiteral("No se puede cargar una fecha posterior al día de hoy"), Botones::Aceptar,
               Icono::Informacion);
        return;
    }
    m_dato[1]->setText(Calendario::TextoCorto(fecha));
    m_mv1->SetVisible(false);
}

// Back to the state of a freshly opened window.
void Lugar::vaciar()
{
    m_lugar->setCurrentIndex(-1);
    for (int i = 0; i < 10; ++i) {
        m_dato[i]->clear();
        m_dato[i]->setEnabled(i < 3);
        m_dato[i]->setVisible(true);
        m_etiqueta[i]->setVisible(true);
        if (i != 1 && i != 2)
            m_etiqueta[i]->clear();
    }
    for (QLineEdit* c : {m_legajos, m_desde, m_hasta, m_horaServ, m_unidad})
        c->clear();
    m_guarda->setEnabled(true);
}

void Lugar::Setear_Queja(qint32 nroQueja)
{
    // The one instance may still show another complaint's place; a save would copy it here.
    if (m_nroQuejaLugar != 0 && m_nroQuejaLugar != nroQueja)
        vaciar();
    m_nroQuejaLugar = nroQueja;
    const RegLugar r = GetLugar(nroQueja);
    if (r.Tipo_Comprob == -5)
        return;
    // A kind the list does not offer stays unselected: the texts still show, and a save asks
    // for a kind instead of storing one the other windows cannot read.
    if (r.Lugar >= 0 && r.Lugar <= 2) {
        m_lugar->setCurrentIndex(r.Lugar);
        Lugar_Click();
    }
    MostrarDato(m_dato[0], r.Det_Lugar);
    buscarLugar();
    MostrarDato(m_dato[1], r.Fecha);
    MostrarDato(m_dato[2], r.Hora);
    MostrarDato(m_dato[3], r.Dato3);
    MostrarDato(m_dato[4], r.Dato4);
    MostrarDato(m_dato[5], r.Dato5);
    MostrarDato(m_dato[6], r.Dato6);
    MostrarDato(m_dato[7], r.Dato7);
    MostrarDato(m_dato[8], r.Dato8);
    MostrarDato(m_dato[9], r.Dato9);
    MostrarDato(m_desde, r.Desde);
    MostrarDato(m_hasta, r.Hasta);
    MostrarDato(m_unidad, r.Unidad);
    MostrarDato(m_horaServ, r.Hora_Serv);
    MostrarDato(m_legajos, r.Legajos);
    m_guarda->setEnabled(UsuarioActual.Nivel >= 2);
}

void Lugar::Guarda_Click()
{
    const int tipo = m_lugar->currentIndex();
    if (tipo < 0) {
        MsgBox(QStringLiteral("Lugar no seteado"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    RegLugar r = LugarVacio();
    r.Lugar = static_cast<qint16>(tipo);
    r.Det_Lugar = m_dato[0]->text();
    r.Fecha = m_dato[1]->text();
    r.Hora = m_dato[2]->text();
    r.Dato3 = m_dato[3]->text();
    r.Dato4 = m_dato[4]->text();
    r.Dato5 = m_dato[5]->text();
    r.Dato6 = m_dato[6]->text();
    r.Dato7 = m_dato[7]->text();
    r.Dato8 = m_dato[8]->text();
    r.Dato9 = m_dato[9]->text();
    r.Legajos = m_legajos->text();
    r.Desde = m_desde->text();
    r.Hasta = m_hasta->text();
    r.Hora_Serv = m_horaServ->text();
    r.Unidad = m_unidad->text();
    r.Tipo_Comprob = 0;

    if ((tipo == 1 || tipo == 2) && (r.Det_Lugar.isEmpty() || r.Dato3.isEmpty())) {
        MsgBox(QStringLiteral("No se ha seteado el lugar del suceso"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Error al guardar"));
        return;
    }
    const QDate fecha = FechaDiaPrimero(r.Fecha);
    if (!fecha.isValid() || fecha > QDate::currentDate()) {
        MsgBox(QStringLiteral("Fecha de suceso no valida"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Error en fecha"));
        return;
    }
    // Below level 2 only a complaint's first place is stored, also when another workstation stored
    // one after this window was filled.
    const Escritura escrito = GuardarLugar(r, m_nroQuejaLugar, UsuarioActual.Nivel < 2);
    if (escrito == Escritura::Rechazada)
        MsgBox(QStringLiteral("Los datos del hecho fueron modificados desde otro equipo. Vuelva a abrirlos para ver "
                              "los guardados."),
               Botones::Aceptar, Icono::Informacion);
    // A failed save must not be reported as stored nor close the window with the texts.
    if (escrito != Escritura::Guardada)
        return;
    MsgBox(QStringLiteral("Datos guardados correctamente"), Botones::Aceptar, Icono::Informacion,
           QStringLiteral("Fecha, hora y datos lugar guardados"));
    // The case window shows the saved place; once the user has closed it there is nothing to refresh.
    if (VisAtte* caso = Formulario<VisAtte>::SiCargado()) {
        caso->Cerrar_Reclamo();
        caso->Cargar_Reclamo(m_nroQuejaLugar);
    }
    Formulario<Lugar>::Descargar();
}
