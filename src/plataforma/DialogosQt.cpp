#include "DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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

QString DialogosQt::InputBox(const QString& texto, const QString& titulo, const QString& porDefecto)
{
    bool ok = false;
    const QString r = QInputDialog::getText(QApplication::activeWindow(),
                                            titulo.isEmpty() ? TituloAplicacion() : titulo, texto,
                                            QLineEdit::Normal, porDefecto, &ok);
    return ok ? r : QString();
}
