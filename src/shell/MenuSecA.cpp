#include "MenuSecA.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kAnchoEncabezado = 112;
constexpr int kAnchoItem = 124;
constexpr int kAlto = 84;
constexpr int kLado = 48;

enum class Dibujo {
    Reclamos,
    NuevoReclamo,
    AbrirReclamo,
    CerrarMenu,
    Catalogos,
    Relaciones,
    Motivos,
    AgregarCategoria,
    Usuarios,
    AltaUsuario,
    AdministrarUsuarios,
    CambiarContrasena,
    Estadisticas,
    Salir
};

const QColor kTinta(0x33, 0x3D, 0x4D);
const QColor kPapel(0xFF, 0xFF, 0xFF);
const QColor kVerde(0x2E, 0xA0, 0x4F);
const QColor kAzul(0x2F, 0x6F, 0xC6);
const QColor kAmbar(0xE8, 0xB0, 0x30);
const QColor kRojo(0xC8, 0x3A, 0x3A);

void hoja(QPainter& p, const QRectF& r)
{
    QPainterPath camino;
    const qreal pliegue = r.width() * 0.3;
    camino.moveTo(r.topLeft());
    camino.lineTo(r.right() - pliegue, r.top());
    camino.lineTo(r.right(), r.top() + pliegue);
    camino.lineTo(r.bottomRight());
    camino.lineTo(r.bottomLeft());
    camino.closeSubpath();
    p.setBrush(kPapel);
    p.drawPath(camino);
    p.drawLine(QPointF(r.right() - pliegue, r.top()), QPointF(r.right() - pliegue, r.top() + pliegue));
    p.drawLine(QPointF(r.right() - pliegue, r.top() + pliegue), QPointF(r.right(), r.top() + pliegue));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + r.height() * (0.45 + 0.15 * i);
        p.drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 5, y));
    }
}

void insignia(QPainter& p, const QPointF& centro, const QColor& color, bool mas)
{
    p.save();
    p.setBrush(color);
    p.setPen(QPen(kPapel, 2));
    p.drawEllipse(centro, 9, 9);
    p.setPen(QPen(kPapel, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centro + QPointF(-5, 0), centro + QPointF(5, 0));
    if (mas)
        p.drawLine(centro + QPointF(0, -5), centro + QPointF(0, 5));
    p.restore();
}

void persona(QPainter& p, const QPointF& cabeza, qreal escala, const QColor& color)
{
    p.save();
    p.setBrush(color);
    p.drawEllipse(cabeza, 7 * escala, 7 * escala);
    QRectF cuerpo(cabeza.x() - 13 * escala, cabeza.y() + 9 * escala, 26 * escala, 22 * escala);
    p.drawChord(cuerpo, 0, 180 * 16);
    p.restore();
}

void barras(QPainter& p)
{
    const QColor colores[] = {kVerde, kAmbar, kRojo};
    const int altos[] = {18, 30, 24};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colores[i]);
        p.drawRect(QRectF(8 + i * 12, 42 - altos[i], 9, altos[i]));
    }
    p.drawLine(4, 42, 44, 42);
}

QPixmap dibujar(Dibujo d)
{
    QPixmap pm(kLado, kLado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kTinta, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (d) {
    case Dibujo::Reclamos: hoja(p, QRectF(12, 4, 26, 36)); break;
    case Dibujo::NuevoReclamo:
        hoja(p, QRectF(8, 4, 26, 36));
        insignia(p, QPointF(36, 36), kVerde, true);
        break;
    case Dibujo::AbrirReclamo: {
        p.setBrush(kAmbar.darker(115));
        p.drawRect(QRectF(4, 12, 34, 26));
        p.setBrush(kAmbar);
        QPolygonF tapa({QPointF(10, 20), QPointF(44, 20), QPointF(38, 38), QPointF(4, 38)});
        p.drawPolygon(tapa);
        break;
    }
    case Dibujo::CerrarMenu:
        p.setPen(QPen(kTinta, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(24, 10), QPointF(12, 24), QPointF(24, 38)}));
        p.drawPolyline(QPolygonF({QPointF(36, 10), QPointF(24, 24), QPointF(36, 38)}));
        break;
    case Dibujo::Catalogos:
        for (int i = 2; i >= 0; --i) {
            p.setBrush(i == 0 ? kAzul : kAzul.lighter(130 + 20 * i));
            p.drawRoundedRect(QRectF(6 + i * 4, 8 + i * 6, 30, 20), 3, 3);
        }
        break;
    case Dibujo::Relaciones:
        p.setBrush(kAzul);
        p.drawRoundedRect(QRectF(4, 6, 16, 12), 2, 2);
        p.drawRoundedRect(QRectF(28, 6, 16, 12), 2, 2);
        p.drawRoundedRect(QRectF(16, 30, 16, 12), 2, 2);
        p.drawLine(QPointF(12, 18), QPointF(24, 30));
        p.drawLine(QPointF(36, 18), QPointF(24, 30));
        break;
    case Dibujo::Motivos:
        for (int i = 0; i < 4; ++i) {
            const qreal y = 10 + i * 9;
            p.setBrush(kAzul);
            p.drawEllipse(QPointF(10, y), 3, 3);
            p.drawLine(QPointF(17, y), QPointF(42, y));
        }
        break;
    case Dibujo::AgregarCategoria: {
        p.setBrush(kAzul.lighter(140));
        QPolygonF etiqueta({QPointF(4, 14), QPointF(26, 14), QPointF(36, 24), QPointF(26, 34), QPointF(4, 34)});
        p.drawPolygon(etiqueta);
        p.drawEllipse(QPointF(10, 24), 2.5, 2.5);
        insignia(p, QPointF(36, 36), kVerde, true);
        break;
    }
    case Dibujo::Usuarios:
    case Dibujo::AdministrarUsuarios:
        persona(p, QPointF(31, 13), 0.85, kAzul.lighter(140));
        persona(p, QPointF(18, 17), 1.0, kAzul);
        break;
    case Dibujo::AltaUsuario:
        persona(p, QPointF(20, 13), 1.0, kAzul);
        insignia(p, QPointF(36, 36), kVerde, true);
        break;
    case Dibujo::CambiarContrasena:
        p.setBrush(kAmbar);
        p.drawEllipse(QPointF(14, 24), 9, 9);
        p.setBrush(kPapel);
        p.drawEllipse(QPointF(12, 24), 3, 3);
        p.setPen(QPen(kTinta, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(23, 24), QPointF(44, 24));
        p.drawLine(QPointF(38, 24), QPointF(38, 32));
        p.drawLine(QPointF(32, 24), QPointF(32, 30));
        break;
    case Dibujo::Estadisticas: barras(p); break;
    case Dibujo::Salir:
        p.setBrush(QColor(0x9A, 0x6B, 0x3F));
        p.drawRect(QRectF(6, 4, 20, 40));
        p.setPen(QPen(kRojo, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(22, 24), QPointF(44, 24));
        p.drawPolyline(QPolygonF({QPointF(36, 16), QPointF(44, 24), QPointF(36, 32)}));
        break;
    }
    return pm;
}

QToolButton* imagen(QWidget* padre, const QString& nombre, const QString& texto, Dibujo d)
{
    auto* b = new QToolButton(padre);
    b->setObjectName(nombre);
    b->setText(texto);
    b->setToolTip(texto);
    b->setIcon(QIcon(dibujar(d)));
    b->setIconSize(QSize(kLado, kLado));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The widest and tallest picture of a group, never below the design size.
QSize medida(QToolButton* const* botones, int cuantos, QSize diseno)
{
    for (int i = 0; i < cuantos; ++i)
        diseno = diseno.expandedTo(botones[i]->sizeHint());
    return diseno;
}

struct Item
{
    const char* texto;
    Dibujo dibujo;
};

// Words under each picture name what the main window does with that item number.
const Item kEncabezados[5] = {{"Reclamos", Dibujo::Reclamos},
                              {"Catálogos", Dibujo::Catalogos},
                              {"Usuarios", Dibujo::Usuarios},
                              {"Estadísticas", Dibujo::Estadisticas},
                              {"Salir", Dibujo::Salir}};
const Item kItems[9] = {{"Nuevo reclamo", Dibujo::NuevoReclamo},
                        {"Abrir reclamo", Dibujo::AbrirReclamo},
                        {"Cerrar menú", Dibujo::CerrarMenu},
                        {"Relaciones", Dibujo::Relaciones},
                        {"Motivos", Dibujo::Motivos},
                        {"Agregar categoría", Dibujo::AgregarCategoria},
                        {"Alta de usuario", Dibujo::AltaUsuario},
                        {"Administrar usuarios", Dibujo::AdministrarUsuarios},
                        {"Cambiar contraseña", Dibujo::CambiarContrasena}};

} // namespace

MenuSecA::MenuSecA(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("MenuSecA"));
    m_frmPrin = new QFrame(this);
    m_frmPrin->setObjectName(QStringLiteral("FrmPrin"));
    m_frmPrin->setFrameShape(QFrame::StyledPanel);
    m_frmPrin->setAutoFillBackground(true);
    for (int i = 0; i < 5; ++i) {
        m_prop[i] = imagen(m_frmPrin, QStringLiteral("Prop%1").arg(i), QString::fromUtf8(kEncabezados[i].texto),
                           kEncabezados[i].dibujo);
        connect(m_prop[i], &QToolButton::clicked, this, [this, i] { Prop_Click(i); });
    }
    for (int k = 0; k < 3; ++k) {
        m_seccion[k] = new QFrame(this);
        m_seccion[k]->setObjectName(QStringLiteral("MenuSec%1").arg(k + 1));
        m_seccion[k]->setFrameShape(QFrame::StyledPanel);
        m_seccion[k]->setAutoFillBackground(true);
        for (int j = 0; j < 3; ++j) {
            const int i = k * 3 + j;
            m_sec[i] = imagen(m_seccion[k], QStringLiteral("Sec%1").arg(i), QString::fromUtf8(kItems[i].texto),
                              kItems[i].dibujo);
            connect(m_sec[i], &QToolButton::clicked, this, [this, i] { Sec_Click(i); });
        }
        m_seccion[k]->hide();
    }

    // Every word shows whole under its picture, whatever the font.
    const QSize encabezado = medida(m_prop, 5, QSize(kAnchoEncabezado, kAlto));
    const QSize item = medida(m_sec, 9, QSize(kAnchoItem, kAlto));
    m_anchoEncabezado = encabezado.width();
    m_anchoItem = item.width();
    m_alto = qMax(encabezado.height(), item.height());
    m_frmPrin->setGeometry(0, 0, m_anchoEncabezado, 5 * m_alto);
    for (int i = 0; i < 5; ++i) {
        m_prop[i]->setFixedSize(m_anchoEncabezado, m_alto);
        m_prop[i]->move(0, i * m_alto);
    }
    // Each section unfolds beside its header.
    for (int k = 0; k < 3; ++k) {
        m_seccion[k]->setGeometry(m_anchoEncabezado, k * m_alto, 3 * m_anchoItem, m_alto);
        for (int j = 0; j < 3; ++j) {
            m_sec[k * 3 + j]->setFixedSize(m_anchoItem, m_alto);
            m_sec[k * 3 + j]->move(j * m_anchoItem, 0);
        }
    }
    Ajustar();
}

bool MenuSecA::SeccionAbierta(int k) const
{
    return k >= 0 && k < 3 && m_seccion[k]->isVisibleTo(this);
}

QSize MenuSecA::sizeHint() const
{
    bool abierta = false;
    for (int k = 0; k < 3; ++k)
        abierta = abierta || SeccionAbierta(k);
    return QSize(m_anchoEncabezado + (abierta ? 3 * m_anchoItem : 0), 5 * m_alto);
}

void MenuSecA::Prop_Click(int indice)
{
    if (indice >= 0 && indice < 3) {
        if (SeccionAbierta(indice)) {
            m_seccion[indice]->hide();
        } else {
            for (int k = 0; k < 3; ++k)
                m_seccion[k]->setVisible(k == indice);
        }
        Ajustar();
        return;
    }
    if (indice == 3 || indice == 4) {
        CerrarSecciones();
        m_nrPresionado = indice == 3 ? 99 : 98;
        emit Presionado();
    }
}

void MenuSecA::Sec_Click(int indice)
{
    if (indice < 0 || indice > 8)
        return;
    CerrarSecciones();
    m_nrPresionado = indice;
    emit Presionado();
}

void MenuSecA::CerrarSecciones()
{
    for (QFrame* s : m_seccion)
        s->hide();
    Ajustar();
}

// The control takes only the room its open parts need, so the window behind stays usable.
void MenuSecA::Ajustar()
{
    updateGeometry();
    resize(sizeHint());
}
