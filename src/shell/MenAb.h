#pragma once

#include <QLabel>
#include <QWidget>

// The menu button: a picture at rest and a pressed picture in the same place. Each press
// raises Presionado once; the release folds the control's width in or out.
class MenAb : public QWidget
{
    Q_OBJECT
public:
    explicit MenAb(QWidget* padre = nullptr);

    bool Abierto() const { return m_abierto; }

    // Sizes in twips (15 twips = 1 pixel).
    static constexpr int kAnchoCerrado = 2220;
    static constexpr int kAltoCerrado = 1440;
    static constexpr int kAnchoAbierto = 12870;

signals:
    void Presionado();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QLabel* m_botonn;
    QLabel* m_botons;
    bool m_abierto = false;
    bool m_presionado = false;
};
