#pragma once

#include "EtiquetaDato.h"
#include "ListaDato.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

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
        // The excess is the end of what was just typed or pasted, right before the cursor. A
        // character written as two UTF-16 units (an emoji) that does not fit whole goes whole.
        QTextCursor c = t->textCursor();
        const int fin = c.position();
        int desde = std::max(0, fin - (total - *tope));
        const QTextDocument* d = t->document();
        if (desde > 0 && d->characterAt(desde).isLowSurrogate() && d->characterAt(desde - 1).isHighSurrogate())
            --desde;
        c.setPosition(desde);
        c.setPosition(fin, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    });
}

// A box's maximum length cuts what is typed or pasted by UTF-16 units, and may keep half of a
// character written as two (an emoji): that half is left out too, with the rest the cut left out.
class CaracteresEnteros : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& texto, int& pos) const override
    {
        for (qsizetype i = texto.size() - 1; i >= 0; --i) {
            const QChar c = texto.at(i);
            const bool mitad = c.isHighSurrogate()  ? i + 1 == texto.size() || !texto.at(i + 1).isLowSurrogate()
                               : c.isLowSurrogate() ? i == 0 || !texto.at(i - 1).isHighSurrogate()
                                                    : false;
            if (!mitad)
                continue;
            texto.remove(i, 1);
            if (pos > i)
                --pos;
        }
        return Acceptable;
    }
};

// At most largo UTF-16 units typed or pasted into the box, in whole characters.
inline void LimitarCaja(QLineEdit* caja, int largo)
{
    caja->setMaxLength(largo);
    caja->setValidator(new CaracteresEnteros(caja));
}
