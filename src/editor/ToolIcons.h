#pragma once

#include <QIcon>

// The pictures of the edit tools on the tool bar and in the Tools menu,
// drawn here so that the program needs no image files for them.
namespace ToolIcons {

QIcon Brush();
QIcon Select();
QIcon SameTile();
QIcon MagicWand();
QIcon BucketFill();
QIcon RectangleFill();
QIcon Line();

} // namespace ToolIcons
