#pragma once

#include <QComboBox>

// A drop-down list of stored texts: its width does not follow its items, so a long name cannot
// squeeze its neighbours. The chosen item is cut with "…" to the room the window gives it and
// shown whole in the tooltip; every item carries its whole text as its tooltip in the open list.
class ListaDato : public QComboBox
{
    Q_OBJECT
public:
    explicit ListaDato(QWidget* padre = nullptr);

    // The chosen item's text as the list shows it now.
    QString TextoVisible() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    QRect zonaTexto() const;
};

// A ListaDato carrying the system's control name.
ListaDato* ListaDeDato(QWidget* padre, const QString& nombre);
