#include "Sql.h"

#include "TextoLimpio.h"
#include "Textos.h"

namespace {
// Upper- and lower-case accented letters, folded in SQL by translate(): PostgreSQL's lower()
// leaves non-ASCII letters alone under the C locale, and SQLite's own lower() always does.
const QString kConAcento = QStringLiteral("ÁÀÄÂÃÉÈËÊÍÌÏÎÓÒÖÔÕÚÙÜÛÑÇáàäâãéèëêíìïîóòöôõúùüûñç");
const QString kSinAcento = QStringLiteral("aaaaaeeeeiiiiooooouuuuncaaaaaeeeeiiiiooooouuuunc");
} // namespace

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

QString PlegarTexto(const QString& texto)
{
    QString r = texto.toLower();
    for (QChar& c : r) {
        const int i = kConAcento.indexOf(c);
        if (i >= 0)
            c = kSinAcento[i];
    }
    return r;
}

QString SqlContiene(const QString& columna, const QString& valor)
{
    QString v = PlegarTexto(valor);
    // LIKE's own wildcards in the typed text are plain characters.
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('%'), QLatin1String("\\%"));
    v.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QStringLiteral("translate(lower(%1), %2, %3) LIKE %4 ESCAPE '\\'")
        .arg(columna, SqlTexto(kConAcento), SqlTexto(kSinAcento), SqlTexto(QLatin1Char('%') + v + QLatin1Char('%')));
}
