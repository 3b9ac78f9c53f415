#include "InfoValueText.h"

#include "InfoOverlay.h"

namespace {

bool allDigits(const QString& text, int base) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool hexLetter = (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!digit && !(base == 16 && hexLetter))
            return false;
    }
    return true;
}

} // namespace

namespace InfoValueText {

Parsed Parse(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {State::Empty, 0};
    const Parsed invalid{State::Invalid, 0};
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(2);
        if (!allDigits(digits, 16) || digits.size() > 4)
            return invalid;
        return {State::Valid, qint16(quint16(digits.toUInt(nullptr, 16)))};
    }
    const bool negative = t.startsWith(QLatin1Char('-'));
    const QString digits = negative ? t.mid(1) : t;
    // Six digits already exceed the range; the limit also keeps the
    // conversion far from overflowing.
    if (!allDigits(digits, 10) || digits.size() > 6)
        return invalid;
    const int magnitude = digits.toInt();
    const int value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return invalid;
    return {State::Valid, qint16(value)};
}

QString Format(qint16 value) {
    return InfoOverlay::Text(value);
}

} // namespace InfoValueText
