#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

// A vertical percentage bar: a fixed frame, a coloured bar growing upwards inside it and the
// current value under it. Sizes are kept in twips (15 twips = 1 pixel).
class BarraVer : public QWidget
{
    Q_OBJECT
public:
    explicit BarraVer(QWidget* padre = nullptr);

    void Set_Max(long valor);
    void Set_Min(long valor);
    // Sets the current value and redraws the bar.
    void Set_Curr(long valor);

    long Maximo() const { return m_maximo; }
    long Minimo() const { return m_minimo; }
    long Actual() const { return m_actual; }
    double Porcentaje() const { return m_porcentaje; }
    // Fill colour of the bar as a BGR value.
    long ColorBarra() const { return m_color; }
    int AltoMarco() const { return m_altoMarco; }
    int AltoBarra() const { return m_altoBarra; }
    int TopeBarra() const { return m_topeBarra; }

    static constexpr int kAnchoMarco = 975;
    static constexpr int kAltoMarcoDiseno = 4815;

private:
    void Recalcular();
    void Ubicar();

    QFrame* m_shape1;
    QFrame* m_shape2;
    QLabel* m_canti;
    long m_maximo = 0;
    long m_minimo = 0;
    long m_actual = 0;
    double m_porcentaje = 0;
    long m_color;
    int m_topeMarco = 0;
    int m_altoMarco = kAltoMarcoDiseno;
    int m_altoBarra = 0;
    int m_topeBarra = 0;
};
