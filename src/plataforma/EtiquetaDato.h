#pragma once

#include <QLabel>

// A label that shows a stored text: on one line, cut with "…" to the room its window gives it,
// the whole text in its tooltip. Its size does not follow the text, so no text can widen its
// window; text() keeps the whole text.
class EtiquetaDato : public QLabel
{
    Q_OBJECT
public:
    explicit EtiquetaDato(QWidget* padre = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text as the label shows it now.
    QString TextoVisible() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    QRect zonaTexto() const;
};

// An EtiquetaDato carrying the system's control name, as Etiqueta does for fixed captions.
EtiquetaDato* EtiquetaDeDato(QWidget* padre, const QString& nombre);

// Answers a tooltip request of a control that cuts a stored text and has no tooltip of its own:
// the whole text while it is cut, none otherwise. False for any other event.
bool AyudaDeTextoCortado(QEvent* evento, QWidget* control, bool cortado, const QString& entero);
