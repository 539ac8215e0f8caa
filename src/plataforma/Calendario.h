#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QElapsedTimer>
#include <QString>

// The month calendar of the place and resolution windows: a date value, shown on demand and
// hidden once a date is taken. A click on a day is delivered as DateClick, the only way a
// picked date reaches the window.
class Calendario : public QCalendarWidget
{
    Q_OBJECT
public:
    explicit Calendario(QWidget* padre = nullptr);

    QDate Value() const { return selectedDate(); }
    // Also moves the shown month to the date.
    void SetValue(const QDate& fecha);

    bool Visible() const { return isVisibleTo(parentWidget()); }
    void SetVisible(bool visible);

    // Picks a day as a click would (tests use it; the window sees the same DateClick).
    void Elegir(const QDate& fecha);

    // A picked date as the windows' date boxes hold it.
    static QString TextoCorto(const QDate& fecha);

signals:
    void DateClick(const QDate& fecha);

private:
    QElapsedTimer m_ultimoClic;
    QDate m_fechaClic;
};
