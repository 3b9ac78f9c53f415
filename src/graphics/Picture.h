#pragma once

#include <QImage>
#include <memory>

// An image shared by reference: tile and sprite sets and their copies hold the
// same Picture objects, so copying a set never copies pixels.
using Picture = std::shared_ptr<const QImage>;

inline Picture makePicture(QImage image) {
    return std::make_shared<const QImage>(std::move(image));
}
