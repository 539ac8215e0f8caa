#include "DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

Respuesta DialogosQt::MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo)
{
    QMessageBox caja(QApplication::activeWindow());
    caja.setWindowTitle(titulo.isEmpty() ? TituloAplicacion() : titulo);
    caja.setText(texto);
    switch (icono) {
    case Icono::Informacion: caja.setIcon(QMessageBox::Information); break;
    case Icono::Critico: caja.setIcon(QMessageBox::Critical); break;
    case Icono::Exclamacion: caja.setIcon(QMessageBox::Warning); break;
    case Icono::Pregunta: caja.setIcon(QMessageBox::Question); break;
    case Icono::Ninguno: caja.setIcon(QMessageBox::NoIcon); break;
    }
    switch (botones) {
    case Botones::Aceptar: caja.setStandardButtons(QMessageBox::Ok); break;
    case Botones::SiNo: caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Botones::SiNoCancelar:
        caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Botones::AceptarCancelar: caja.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (caja.exec()) {
    case QMessageBox::Yes: return Respuesta::Si;
    case QMessageBox::No: return Respuesta::No;
    case QMessageBox::Cancel: return Respuesta::Cancelar;
    default: return botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
}

namespace {

// Showing selects the whole text, cursor at its end: a proposed text longer than the box would
// read from its last characters. Still wholly chosen, so typing replaces it, but read from its start.
class CajaDeEntrada : public QInputDialog
{
public:
    using QInputDialog::QInputDialog;

protected:
    void showEvent(QShowEvent* evento) override
    {
        QInputDialog::showEvent(evento);
        if (auto* caja = findChild<QLineEdit*>()) {
            const int largo = static_cast<int>(caja->text().size());
            caja->setSelection(largo, -largo);
        }
    }
};

} // namespace

QString DialogosQt::InputBox(const QString& texto, const QString& titulo, const QString& porDefecto)
{
    // Its parent window owns it too and may be deleted while it waits for the answer.
    QPointer<CajaDeEntrada> caja(new CajaDeEntrada(QApplication::activeWindow()));
    caja->setWindowTitle(titulo.isEmpty() ? TituloAplicacion() : titulo);
    caja->setLabelText(texto);
    caja->setTextValue(porDefecto);
    const int respuesta = caja->exec();
    if (!caja)
        return QString();
    const QString r = respuesta == QDialog::Accepted ? caja->textValue() : QString();
    delete caja;
    return r;
}
