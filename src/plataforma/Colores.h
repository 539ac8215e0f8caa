#pragma once

#include <QColor>

// The system gives colours as BGR values (&HC0C0FF marks a text box in error).
inline QColor ColorBGR(long bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline long BGRDeColor(const QColor& c) { return long(c.red()) | (long(c.green()) << 8) | (long(c.blue()) << 16); }
