#pragma once

#include "Dialogos.h"

// Message and input boxes as Qt dialogs; the only place that opens a QMessageBox.
class DialogosQt : public Dialogos
{
public:
    Respuesta MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) override;
};
