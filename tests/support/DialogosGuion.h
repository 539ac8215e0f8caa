#pragma once

#include "Dialogos.h"

#include <QQueue>
#include <QStringList>
#include <QVector>
#include <memory>

// Dialogs for tests: answers from a queue (OK, or No for yes/no boxes, when it runs dry)
// and records every box shown.
class DialogosGuion : public Dialogos
{
public:
    Respuesta MsgBox(const QString& texto, Botones botones, Icono icono, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) override;

    void Responder(Respuesta r) { m_respuestas.enqueue(r); }
    void Escribir(const QString& texto) { m_textos.enqueue(texto); }

    QVector<CuadroMostrado> mostrados;
    // The default text of each input box shown.
    QStringList porDefecto;

private:
    QQueue<Respuesta> m_respuestas;
    QQueue<QString> m_textos;
};

// Installs fresh scripted dialogs and returns them.
std::shared_ptr<DialogosGuion> InstalarDialogosGuion();
