#pragma once

#include "Ventana.h"

class QLabel;
class QPlainTextEdit;

// "Ayuda": a modeless window explaining one control of a window. Each topic request
// overwrites its contents; an unknown window or topic shows what it held before.
class Ayuda : public Ventana
{
    Q_OBJECT
public:
    Ayuda();

    void Cargar_Ayuda(const QString& formulario, qint16 indice);

    QString Titulo() const;
    QString Texto() const;

private:
    QLabel* m_titulo = nullptr;
    QPlainTextEdit* m_texto = nullptr;
};
