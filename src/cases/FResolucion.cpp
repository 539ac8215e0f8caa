#include "FResolucion.h"

#include "Calendario.h"
#include "Catalogos.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Resoluciones.h"
#include "Textos.h"
#include "Usuarios.h"
#include "VisAtte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QString kSinFecha = QStringLiteral("01/01/1900");
constexpr int kLargoDetalle = 200;

// "inf" and "nan" read as numbers but are no amount.
bool esMonto(bool leido, double valor)
{
    return leido && std::isfinite(valor);
}

// Amounts as the workstation writes them, or with a decimal point as the window shows them.
bool leerMonto(const QString& texto, double& valor)
{
    bool ok = false;
    valor = QLocale().toDouble(texto.trimmed(), &ok);
    if (!ok)
        valor = QLocale::c().toDouble(texto.trimmed(), &ok);
    return esMonto(ok, valor);
}

// A stored amount never carries a thousands mark: its decimal mark is a point, or a comma where an
// older workstation wrote one. Read through the workstation's rules, 0.001 would be 1.
bool leerMontoGuardado(const QString& texto, double& valor)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    valor = c.toDouble(texto.trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return esMonto(ok, valor);
}

QPushButton* botonCalendario(QWidget* padre, const QString& nombre)
{
    auto* b = new QPushButton(QStringLiteral("..."), padre);
    b->setObjectName(nombre);
    b->setFixedWidth(30);
    return b;
}

} // namespace

FResolucion::FResolucion()
{
    setObjectName(QStringLiteral("FResolucion"));
    setWindowTitle(QStringLiteral("Resolución"));

    m_detalle = new QPlainTextEdit(this);
    m_detalle->setObjectName(QStringLiteral("Detalle"));
    m_detalle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detalle->setMaximumHeight(90);
    LimitarEscritura(m_detalle, kLargoDetalle);
    m_fecha = new QLineEdit(this);
    m_fecha->setObjectName(QStringLiteral("Fecha"));
    m_fecha->installEventFilter(this);
    m_cmv1 = botonCalendario(this, QStringLiteral("CMV1"));
    m_mv1 = new Calendario(this);
    m_mv1->setObjectName(QStringLiteral("MV1"));
    m_mv1->setVisible(false);
    m_fechaFin = new QLineEdit(this);
    m_fechaFin->setObjectName(QStringLiteral("FechaFin"));
    m_cmv2 = botonCalendario(this, QStringLiteral("CMV2"));
    m_mv2 = new Calendario(this);
    m_mv2->setObjectName(QStringLiteral("MV2"));
    m_mv2->setVisible(false);
    m_montoI = new QLineEdit(QStringLiteral("0"), this);
    m_montoI->setObjectName(QStringLiteral("MontoI"));
    m_sancion = new QPlainTextEdit(this);
    m_sancion->setObjectName(QStringLiteral("Sancion"));
    m_sancion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_cmbsup = ListaDeDato(this, QStringLiteral("cmbsup"));
    m_label4 = EtiquetaDeDato(this, QStringLiteral("Label4"));
    m_usuario = EtiquetaDeDato(this, QStringLiteral("Usuario"));
    m_solucionado = new QCheckBox(QStringLiteral("Solucionado"), this);
    m_solucionado->setObjectName(QStringLiteral("Solucionado"));
    m_anulado = new QCheckBox(QStringLiteral("Anulado"), this);
    m_anulado->setObjectName(QStringLiteral("Anulado"));
    m_solucionar = new QPushButton(QStringLiteral("Guardar y cerrar"), this);
    m_solucionar->setObjectName(QStringLiteral("Solucionar"));

    auto* g = new QGridLayout(this);
    g->addWidget(Etiqueta(this, QStringLiteral("Resoluci"), QStringLiteral("Detalle")), 0, 0, Qt::AlignTop);
    g->addWidget(m_detalle, 0, 1, 1, 3);
    g->addWidget(Etiqueta(this, QStringLiteral("Label10"), QStringLiteral("Fecha ")), 1, 0);
    auto* fila1 = new QHBoxLayout;
    fila1->addWidget(m_fecha);
    fila1->addWidget(m_cmv1);
    g->addLayout(fila1, 1, 1);
    g->addWidget(Etiqueta(this, QStringLiteral("Label11"), QStringLiteral("Fecha Fin")), 1, 2);
    auto* fila2 = new QHBoxLayout;
    fila2->addWidget(m_fechaFin);
    fila2->addWidget(m_cmv2);
    g->addLayout(fila2, 1, 3);
    g->addWidget(m_mv1, 2, 1);
    g->addWidget(m_mv2, 2, 3);
    g->addWidget(Etiqueta(this, QStringLiteral("Label2"), QStringLiteral("Monto Indemnización")), 3, 0);
    g->addWidget(m_montoI, 3, 1);
    g->addWidget(Etiqueta(this, QStringLiteral("Label3"), QStringLiteral("Sanción")), 4, 0, Qt::AlignTop);
    g->addWidget(m_sancion, 4, 1, 1, 3);
    g->addWidget(Etiqueta(this, QStringLiteral("Label5"), QStringLiteral("Supervisor")), 5, 0);
    g->addWidget(m_cmbsup, 5, 1);
    g->addWidget(Etiqueta(this, QStringLiteral("Label6"), QStringLiteral("Supervisor guardado:")), 5, 2);
    g->addWidget(m_label4, 5, 3);
    g->addWidget(m_usuario, 6, 0, 1, 4);
    auto* pie = new QHBoxLayout;
    pie->addWidget(m_solucionado);
    pie->addWidget(m_anulado);
    pie->addStretch();
    pie->addWidget(m_solucionar);
    g->addLayout(pie, 7, 0, 1, 4);

    connect(m_cmv1, &QPushButton::clicked, this, &FResolucion::CMV1_Click);
    connect(m_cmv2, &QPushButton::clicked, this, &FResolucion::CMV2_Click);
    connect(m_mv1, &Calendario::DateClick, this, &FResolucion::MV1_DateClick);
    connect(m_mv2, &Calendario::DateClick, this, &FResolucion::MV2_DateClick);
    connect(m_solucionar, &QPushButton::clicked, this, &FResolucion::Solucionar_Click);
}

void FResolucion::Form_Load()
{
    m_guardado = false;
    const RegListaSupervisores s = GetSupervisores();
    for (int i = 0; i <= s.Ultimo; ++i)
        m_cmbsup->addItem(s.Items[i]);
    m_cmbsup->setCurrentIndex(-1);
    m_mv1->SetValue(QDate::currentDate());
    m_mv2->SetValue(QDate::currentDate());
}

void FResolucion::vaciar()
{
    m_detalle->clear();
    m_fecha->clear();
    m_fechaFin->clear();
    m_montoI->setText(QStringLiteral("0"));
    m_sancion->clear();
    m_cmbsup->setCurrentIndex(-1);
    m_label4->clear();
    m_usuario->clear();
    m_solucionado->setChecked(false);
    m_anulado->setChecked(false);
    m_solucionar->setEnabled(true);
}

void FResolucion::SNqueja(qint32 nr)
{
    // The one instance may still hold another complaint's resolution; a save would store it here.
    if (m_nroQueja != 0 && m_nroQueja != nr)
        vaciar();
    m_nroQueja = nr;
    m_leida = GetResolucion(nr);
    const RegResolucion& r = m_leida;
    if (r.IDQueja == -1)
        return;

    m_detalle->setPlainText(r.Detalle);
    if (r.Fecha != kSinFecha)
        MostrarDato(m_fecha, FormatoFecha(r.Fecha));
    double monto = 0;
    MostrarDato(m_montoI, leerMontoGuardado(r.Monto, monto) ? QLocale::c().toString(monto, 'f', 2) : r.Monto);
    m_solucionado->setChecked(r.Cerrada != 0);
    m_usuario->setText(GetNombreUsuario(r.Usuario));
    m_sancion->setPlainText(r.Sancion);
    m_anulado->setChecked(r.Anulado != 0);

    // A solved or annulled case is saved again only from level 3 up.
    m_solucionar->setEnabled(!((r.Anulado == 1 || r.Cerrada == 1) && UsuarioActual.Nivel < 3));
    if (r.Anulado == 1)
        m_usuario->setText(QStringLiteral("Anulado por: ") + GetNombreUsuario(r.usr_Anula));
    if (r.FechaFin != kSinFecha)
        MostrarDato(m_fechaFin, r.FechaFin);
    m_label4->setText(r.Supervisor);
}

void FResolucion::CMV1_Click()
{
    m_mv1->SetVisible(true);
}

void FResolucion::CMV2_Click()
{
    m_mv2->SetVisible(true);
}

void FResolucion::Fecha_DblClick()
{
    if (m_fecha->text().isEmpty())
        m_fecha->setText(FechaHoy());
}

bool FResolucion::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_fecha && evento->type() == QEvent::MouseButtonDblClick)
        Fecha_DblClick();
    return QWidget::eventFilter(objeto, evento);
}

bool FResolucion::TomarFecha(const QDate& fecha, QLineEdit* caja, Calendario* calendario)
{
    if (fecha > QDate::currentDate()) {
        MsgBox(QStringLiteral("No se puede cargar una fecha posterior al día de hoy"), Botones::Aceptar,
               Icono::Informacion);
        return false;
    }
    caja->setText(Calendario::TextoCorto(fecha));
    calendario->SetVisible(false);
    return true;
}

void FResolucion::MV1_DateClick(const QDate& fecha)
{
    TomarFecha(fecha, m_fecha, m_mv1);
}

void FResolucion::MV2_DateClick(const QDate& fecha)
{
    TomarFecha(fecha, m_fechaFin, m_mv2);
}

void FResolucion::Solucionar_Click()
{
    RegResolucion r = ResolucionVacia();
    r.Fecha = m_fecha->text();
    r.Detalle = m_detalle->toPlainText();
    r.Monto = m_montoI->text();
    r.Sancion = m_sancion->toPlainText();
    r.Cerrada = m_solucionado->isChecked() ? 1 : 0;
    r.FechaFin = m_fechaFin->text();

    if (m_anulado->isChecked()) {
        r.Fecha = FechaHoy();
        r.usr_Anula = UsuarioActual.Pid;
        r.Anulado = 1;
        if (MsgBox(QStringLiteral("Esta seguro/a que desea anular el reclamo?"), Botones::SiNo, Icono::Ninguno,
                   QStringLiteral("Anular reclamo")) != Respuesta::Si)
            return;
        if (m_detalle->toPlainText().size() < 3) {
            MsgBox(QStringLiteral("Para anular un reclamo debe escribir un detalle"), Botones::Aceptar,
                   Icono::Informacion, QStringLiteral("Anular reclamo"));
            return;
        }
    } else {
        r.Anulado = 0;
        r.usr_Anula = -1;
    }

    // Choosing none keeps the supervisor shown as stored: a later save must not forget who supervised.
    r.Supervisor = m_cmbsup->currentIndex() >= 0 ? m_cmbsup->currentText() : m_label4->text();

    // An end date that is no date would be stored as none, losing the one stored before.
    for (const QLineEdit* caja : {m_fecha, m_fechaFin}) {
        if (!caja->text().isEmpty() && !EsFechaValida(caja->text())) {
            MsgBox(QStringLiteral("Fecha Incorrecta"), Botones::Aceptar, Icono::Informacion,
                   QStringLiteral("Error al guardar"));
            return;
        }
    }

    if (!m_montoI->text().isEmpty()) {
        double monto = 0;
        if (!leerMonto(m_montoI->text(), monto)) {
            MsgBox(QStringLiteral("El monto tiene que ser numerico o vacio"), Botones::Aceptar, Icono::Informacion);
            return;
        }
        if (monto < 0) {
            MsgBox(QStringLiteral("El monto tiene que ser mayor que cero o vacio"), Botones::Aceptar,
                   Icono::Informacion);
            return;
        }
        // Written with a decimal point whatever the workstation's settings, so every reader agrees.
        r.Monto = QLocale::c().toString(monto, 'f', QLocale::FloatingPointShortest);
    } else {
        r.Monto = QStringLiteral("0");
    }

    r.IDQueja = m_nroQueja;
    if (!EsFechaValida(r.Fecha))
        r.Fecha = kSinFecha;
    if (!EsFechaValida(r.FechaFin))
        r.FechaFin = kSinFecha;
    // Another workstation's save since this window read the resolution is not replaced unseen.
    const Escritura escrito = GuardarResolucion(r, m_leida);
    if (escrito == Escritura::Rechazada)
        MsgBox(QStringLiteral("La resolución fue modificada desde otro equipo. Vuelva a abrirla para ver la guardada."),
               Botones::Aceptar, Icono::Informacion);
    // A failed replacement keeps the old row: it must not be reported as saved.
    if (escrito != Escritura::Guardada)
        return;

    m_guardado = true;
    MsgBox(QStringLiteral("Guardado"), Botones::Aceptar, Icono::Informacion,
           QStringLiteral("Incidente guardado correctamente"));
    // The case window's first load reads its lists, letting events run.
    if (VisAtte* caso = Formulario<VisAtte>::Obtener())
        caso->Cargar_Reclamo(r.IDQueja);
    Formulario<FResolucion>::Descargar();
}

bool FResolucion::Form_QueryUnload()
{
    // A user the level rule keeps from saving is not offered a save on the way out either.
    if (m_guardado || !m_solucionar->isEnabled())
        return true;
    const Respuesta a = MsgBox(QStringLiteral("Desea guardar los cambios sin solucionar el llamado?"),
                               Botones::SiNoCancelar, Icono::Ninguno);
    if (a == Respuesta::Cancelar)
        return false;
    // A save that did not happen, refused by a check or by the database, keeps the window: closing
    // would throw away what was typed.
    if (a == Respuesta::Si) {
        QPointer<FResolucion> yo(this);
        Solucionar_Click();
        return !yo || m_guardado;
    }
    return true;
}
