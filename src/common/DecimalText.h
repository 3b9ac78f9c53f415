#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>

// The number a text starts with, read the way level file names and the size
// boxes are: blanks (space, tab, line breaks) are skipped wherever they
// stand, the digits up to the first other character give the value, no
// digits give 0. The value stops growing at `cap`.
inline int ReadLeadingDecimal(QStringView text, int cap) {
    int value = 0;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') ||
            ch == QLatin1Char('\r'))
            continue;
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        value = std::min(cap, value * 10 + (ch.unicode() - '0'));
    }
    return value;
}

// `value` in decimal with a space where a minus sign would stand, as the
// position and selection labels write numbers: " 5", "-5".
inline QString DecimalWithSignSpace(long long value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}
