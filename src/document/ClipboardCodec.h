#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QString>

class CellBlock;
class QMimeData;

// The forms a block of cells takes on the system clipboard: a private MIME
// type with both planes and the episode, for our own windows and other
// running copies of the program, and plain text for everything else: the
// tile numbers as comma-separated rows, then a blank line and the info
// values in the same shape. Text read back may also use tabs (as copied
// from a spreadsheet) and may hold tile numbers only.
namespace ClipboardCodec {

QString MimeType();

QByteArray ToBytes(const CellBlock& block);
// On failure `block` is left as it was and the result names the reason.
IoResult FromBytes(const QByteArray& bytes, CellBlock& block);

QString ToText(const CellBlock& block);
// On failure `block` is left as it was and the result names the reason.
IoResult FromText(const QString& text, CellBlock& block);

// Puts both forms into `data`.
void Store(const CellBlock& block, QMimeData& data);
// Reads the private form when present, the text otherwise.
IoResult Read(const QMimeData& data, CellBlock& block);

} // namespace ClipboardCodec
