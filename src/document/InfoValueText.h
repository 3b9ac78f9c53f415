#pragma once

#include <QString>

// Reading and writing the info values that the editor's "Value" box holds.
namespace InfoValueText {

enum class State {
    Empty,   // nothing typed: the selected sprite is placed
    Valid,   // `value` is placed
    Invalid, // the text is no info value; nothing from it is placed
};

struct Parsed {
    State state = State::Empty;
    qint16 value = 0;
};

// Reads a value typed by the user, surrounding blanks ignored: decimal
// -32768..32767, or "0x" (either case) followed by 1 to 4 hexadecimal
// digits for the 16-bit word itself, so "0x8003" is the word 0x8003
// (-32765). Anything else, or a number out of range, is Invalid.
Parsed Parse(const QString& text);

// The text a picked value is put into the box as: decimal below 256,
// otherwise the 16-bit word in hexadecimal ("0x8003"), the same as the
// info-value overlay shows. Parse reads it back to the same value.
QString Format(qint16 value);

} // namespace InfoValueText
