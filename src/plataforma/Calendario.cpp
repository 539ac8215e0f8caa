#include "Calendario.h"

#include <QApplication>

Calendario::Calendario(QWidget* padre) : QCalendarWidget(padre)
{
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(this, &QCalendarWidget::clicked, this, [this](const QDate& fecha) {
        m_ultimoClic.start();
        m_fechaClic = fecha;
        emit DateClick(fecha);
    });
    // Keyboard users pick with Enter, which Qt reports as activated; so does the second click
    // of a double-click, which must not deliver the same pick twice.
    connect(this, &QCalendarWidget::activated, this, [this](const QDate& fecha) {
        if (fecha == m_fechaClic && m_ultimoClic.isValid() &&
            m_ultimoClic.elapsed() <= QApplication::doubleClickInterval())
            return;
        emit DateClick(fecha);
    });
}

void Calendario::SetValue(const QDate& fecha)
{
    if (!fecha.isValid())
        return;
    setSelectedDate(fecha);
    setCurrentPage(fecha.year(), fecha.month());
}

void Calendario::SetVisible(bool visible)
{
    setVisible(visible);
    if (visible)
        raise();
}

void Calendario::Elegir(const QDate& fecha)
{
    setSelectedDate(fecha);
    emit DateClick(fecha);
}

QString Calendario::TextoCorto(const QDate& fecha)
{
    // Day first with four digits: a locale's own short form (month first, two-digit year) would be
    // read back as another date by the save checks and the database.
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}
