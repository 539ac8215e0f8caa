#pragma once

#include <QString>

// A text as it enters the program (a statement literal, a workbook cell): a NUL, which survives a
// paste into a line edit, is removed, and a lone UTF-16 surrogate becomes U+FFFD, since neither
// engine stores one faithfully. Header only, so the workbook layer uses it without linking this
// library.
inline QString TextoLimpio(const QString& texto)
{
    const QChar* d = texto.constData();
    const qsizetype n = texto.size();
    qsizetype i = 0;
    while (i < n && d[i].unicode() != 0 && !d[i].isSurrogate())
        ++i;
    if (i == n)
        return texto;
    QString r;
    r.reserve(n);
    r.append(d, i);
    for (; i < n; ++i) {
        const QChar c = d[i];
        if (c.unicode() == 0)
            continue;
        if (c.isHighSurrogate() && i + 1 < n && d[i + 1].isLowSurrogate()) {
            r.append(c);
            r.append(d[++i]);
        } else if (c.isSurrogate()) {
            r.append(QChar(QChar::ReplacementCharacter));
        } else {
            r.append(c);
        }
    }
    return r;
}
