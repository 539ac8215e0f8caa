#include "PasosImportacion.h"

#include "Aplicacion.h"
#include "Formularios.h"
#include "PCarga.h"
#include "Textos.h"
#include "Valores.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>
#include <cmath>
#include <limits>

QString LetraColumna(qint16 n)
{
    if (n < 1 || n > 46)
        return QString();
    if (n <= 26)
        return QString(QChar('A' + n - 1));
    return QStringLiteral("A") + QChar('A' + n - 27);
}

qint16 TipoQuejaDesdeMarcas(qint16 g, qint16 h, qint16 i, qint16 j, qint16 k)
{
    qint16 tipo = 0;
    if (k == 1)
        tipo = 1;
    if (j == 1)
        tipo = 2;
    if (h == 1)
        tipo = 4;
    if (i == 1)
        tipo = 5;
    if (g == 1)
        tipo = 6;
    return tipo == 0 ? 4 : tipo;
}

void MostrarProgreso(qint32 ultimaFila, qint32 fila)
{
    // Two decimals, then read back as a number: trailing zeros go, as the label always showed.
    const double porcentaje = ultimaFila > 0 ? std::round(100.0 / ultimaFila * fila * 100.0) / 100.0 : 0.0;
    PCarga* carga = Formulario<PCarga>::Obtener();
    carga->Valor(QLocale().toString(porcentaje, 'g', QLocale::FloatingPointShortest) + QStringLiteral("% ") +
                 QString::number(fila - 2) + QStringLiteral(" de ") + QString::number(ultimaFila - 1));
    Aplicacion::HacerEventos();
}

void SepararApellidoNombres(const QString& nombreCompleto, QString& apellido, QString& nombres)
{
    QString limpio = nombreCompleto;
    limpio.remove(QLatin1Char('\''));
    const QStringList palabras = limpio.split(QLatin1Char(' '));
    apellido = palabras.first();
    // Every word after the surname is kept: a long name loses none of its given names.
    if (palabras.size() > 1)
        nombres = palabras.mid(1).join(QLatin1Char(' '));
}

QString FechaValida(const QString& a, const QString& b)
{
    QString f = Celdas::Fecha(a);
    if (f.isEmpty())
        f = Celdas::Fecha(b);
    return f.isEmpty() ? QStringLiteral("01/01/1900") : f;
}

namespace Celdas {

std::optional<double> Numero(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

namespace {
std::optional<qint32> entero(double v)
{
    if (!std::isfinite(v) || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(v);
}
} // namespace

std::optional<qint32> EnteroAbajo(double valor)
{
    return entero(std::floor(valor));
}

std::optional<qint32> EnteroRedondeado(double valor)
{
    return entero(std::round(valor));
}

QString Fecha(const QString& texto)
{
    const QString f = FormatoFecha(texto);
    return EsFechaValida(f) ? f : QString();
}

QString ComoFecha(const QString& texto)
{
    const QString f = Fecha(texto);
    if (!f.isEmpty())
        return f;
    if (const auto n = Numero(texto); n && *n >= 1) {
        if (const auto serial = xlsx::TextoFecha(*n, false))
            return serial->left(10);
    }
    return texto;
}

QString ComoHora(const QString& texto)
{
    static const QRegularExpression hora(QStringLiteral("(?:^|\\s)(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    if (const auto m = hora.match(texto.trimmed()); m.hasMatch()) {
        const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm:ss"));
    }
    if (!Fecha(texto).isEmpty())
        return QStringLiteral("00:00:00");
    if (const auto n = Numero(texto); n && *n >= 0) {
        const auto segundos = qint64(std::llround((*n - std::floor(*n)) * 86400.0)) % 86400;
        return QTime(0, 0).addSecs(int(segundos)).toString(QStringLiteral("HH:mm:ss"));
    }
    return texto;
}

QString PalabraDeOperador(QString texto, const QString& separador)
{
    texto.replace(separador, QStringLiteral(" "));
    return texto.section(QLatin1Char(' '), 0, 0);
}

} // namespace Celdas
