#include "Plegado.h"

namespace {
// Upper- and lower-case accented letters, folded in SQL by translate(): PostgreSQL's lower()
// leaves non-ASCII letters alone under the C locale, and SQLite's own lower() always does.
const QString kConAcento = QStringLiteral("ÁÀÄÂÃÉÈËÊÍÌÏÎÓÒÖÔÕÚÙÜÛÑÇáàäâãéèëêíìïîóòöôõúùüûñç");
const QString kSinAcento = QStringLiteral("aaaaaeeeeiiiiooooouuuuncaaaaaeeeeiiiiooooouuuunc");
} // namespace

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

QString SqlPlegado(const QString& expresion)
{
    // Both letter lists hold no apostrophe, so they go in quoted as they stand.
    return QStringLiteral("translate(lower(%1), '%2', '%3')").arg(expresion, kConAcento, kSinAcento);
}
