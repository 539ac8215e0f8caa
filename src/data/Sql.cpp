#include "Sql.h"

#include "TextoLimpio.h"
#include "Textos.h"

QString SqlTexto(const QString& texto)
{
    QString r = TextoLimpio(texto);
    r.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

QString SqlEntero(qint64 valor)
{
    return QString::number(valor);
}

QString SqlFecha(const QString& fechaDiaPrimero)
{
    const QDate d = FechaDiaPrimero(fechaDiaPrimero);
    if (!d.isValid())
        return QStringLiteral("NULL");
    return QLatin1Char('\'') + d.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString SqlContienePlegada(const QString& columnaPlegada, const QString& valor)
{
    QString v = PlegarTexto(valor);
    // SQLite refuses a LIKE pattern past 50,000 bytes (a long paste into a search box); such a
    // text is looked for as it stands, which both engines answer with strpos.
    if (v.toUtf8().size() > 40000)
        return QStringLiteral("strpos(") + columnaPlegada + QStringLiteral(", ") + SqlTexto(v) +
               QStringLiteral(") > 0");
    const QString como = columnaPlegada + QStringLiteral(" LIKE ");
    // Most texts hold none of LIKE's own characters and need no ESCAPE, which SQLite pays for
    // on every row.
    if (!v.contains(QLatin1Char('\\')) && !v.contains(QLatin1Char('%')) && !v.contains(QLatin1Char('_')))
        return como + SqlTexto(QLatin1Char('%') + v + QLatin1Char('%'));
    // Typed wildcards are plain characters.
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('%'), QLatin1String("\\%"));
    v.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return como + SqlTexto(QLatin1Char('%') + v + QLatin1Char('%')) + QStringLiteral(" ESCAPE '\\'");
}

QString SqlContiene(const QString& columna, const QString& valor)
{
    return SqlContienePlegada(SqlPlegado(columna), valor);
}
