#include "CambiarPass.h"

#include "Administracion.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Formularios.h"
#include "Medidas.h"
#include "Principal.h"
#include "Textos.h"
#include "Usuarios.h"

#include <QFormLayout>

namespace {
constexpr int kLargoMinimo = 5;
}

CambiarPass::CambiarPass()
{
    setObjectName(QStringLiteral("CambiarPass"));
    setWindowTitle(QStringLiteral("Cambiar mi contraseña"));

    m_ctanr = Caja(this, QStringLiteral("CTANR"));
    m_ctn1 = Caja(this, QStringLiteral("CTN1"));
    m_ctn2 = Caja(this, QStringLiteral("CTN2"));
    m_cambioPass = Boton(this, QStringLiteral("CambioPass"), QStringLiteral("Cambiar"));

    const QString titulos[] = {QStringLiteral("Contraseña anterior"), QStringLiteral("Contraseña nueva"),
                               QStringLiteral("Reescriba la contraseña nueva")};
    QLineEdit* cajas[] = {m_ctanr, m_ctn1, m_ctn2};
    auto* f = new QFormLayout(this);
    for (int i = 0; i < 3; ++i) {
        cajas[i]->setEchoMode(QLineEdit::Password);
        cajas[i]->setMinimumWidth(180);
        f->addRow(Etiqueta(this, QStringLiteral("Label1%1").arg(i), titulos[i]), cajas[i]);
    }
    f->addRow(m_cambioPass);

    m_ctanr->installEventFilter(this);
    connect(m_cambioPass, &QPushButton::clicked, this, &CambiarPass::CambioPass_Click);
}

bool CambiarPass::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_ctanr && EsEnter(evento)) {
        CTANR_KeyPress(kEnter);
        return true;
    }
    return Ventana::eventFilter(objeto, evento);
}

void CambiarPass::CTANR_KeyPress(int tecla)
{
    if (tecla == kEnter)
        m_ctn1->setFocus();
}

void CambiarPass::CambioPass_Click()
{
    if (m_ctanr->text().size() < kLargoMinimo) {
        MsgBox(QStringLiteral("Contraseña anterior equivocada"));
        return;
    }
    // A short new password is the new password's fault, not the old one's.
    if (m_ctn1->text().size() < kLargoMinimo || m_ctn2->text().size() < kLargoMinimo) {
        MsgBox(QStringLiteral("La contraseña no puede tener menos de 5 carácteres"));
        return;
    }
    if (!ComprobarPass(m_ctanr->text(), UsuarioActual.Pid)) {
        MsgBox(QStringLiteral("Contraseña anterior incorrecta"), Botones::Aceptar, Icono::Informacion);
        return;
    }
    if (m_ctn1->text() != m_ctn2->text()) {
        MsgBox(QStringLiteral("Las contraseñas nuevas no coinciden"), Botones::Aceptar, Icono::Informacion,
               QStringLiteral("Contraseñas incorrectas"));
        m_ctn1->clear();
        m_ctn2->clear();
        return;
    }
    SetPass(CodificarBase64(m_ctn1->text()), UsuarioActual.Pid);
    VentanaPrincipal::TiempoACero();
    Formulario<CambiarPass>::Descargar();
}
