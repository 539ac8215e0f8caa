#pragma once

#include "EtiquetaDato.h"
#include "ListaDato.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

// Controls as every window creates them: owned by their parent and carrying the system's
// control name as objectName, by which other windows and the tests find them.

inline QLabel* Etiqueta(QWidget* padre, const QString& nombre, const QString& texto = QString())
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

inline QLineEdit* Caja(QWidget* padre, const QString& nombre, const QString& ayuda = QString())
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(nombre);
    if (!ayuda.isEmpty())
        c->setToolTip(ayuda);
    return c;
}

// Puts a stored text into a one-line box showing it from its start: setText leaves the cursor at
// the end, which scrolls a text longer than the box to its last characters.
inline void MostrarDato(QLineEdit* caja, const QString& texto)
{
    caja->setText(texto);
    caja->setCursorPosition(0);
}

inline QPushButton* Boton(QWidget* padre, const QString& nombre, const QString& texto, const QString& ayuda = QString())
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    if (!ayuda.isEmpty())
        b->setToolTip(ayuda);
    return b;
}

// Limits what the user types or pastes to a length; a longer text the window loads is kept
// whole (imports store longer texts) and cannot grow.
inline void LimitarEscritura(QPlainTextEdit* t, int largo)
{
    auto tope = std::make_shared<int>(largo);
    QObject::connect(t, &QPlainTextEdit::textChanged, t, [t, largo, tope] {
        const int total = t->toPlainText().size();
        // What the window sets cannot be undone; what the user types or pastes can.
        if (!t->document()->isUndoAvailable()) {
            *tope = std::max(largo, total);
            return;
        }
        if (total <= *tope)
            return;
        // The excess is the end of what was just typed or pasted, right before the cursor.
        QTextCursor c = t->textCursor();
        const int fin = c.position();
        c.setPosition(std::max(0, fin - (total - *tope)));
        c.setPosition(fin, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    });
}
