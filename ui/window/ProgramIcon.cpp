#include "ui/window/ProgramIcon.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace varnel {

namespace {

constexpr std::array WindowIconSizes = {16, 22, 24, 32, 48, 64};
constexpr std::array DrawnSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Decoded once, not for every window.
QIcon* decodedIcon = nullptr;

QString DrawingPath(int size) {
    return QString(":/icons/varnel-%1.png").arg(size);
}

void ForgetDecodedIcon() {
    delete decodedIcon;
    decodedIcon = nullptr;
}

void KeepIcon(QIcon icon) {
    decodedIcon = new QIcon(std::move(icon));
    // Its pixmaps go with the application that made them.
    qAddPostRoutine(ForgetDecodedIcon);
}

QIcon IconOf(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images)
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace

std::vector<QImage> DecodeProgramIconImages() {
    std::vector<QImage> images;
    images.reserve(WindowIconSizes.size());
    for (int size : WindowIconSizes)
        images.emplace_back(DrawingPath(size));
    return images;
}

void UseProgramIconImages(std::vector<QImage> images) {
    if (!decodedIcon)
        KeepIcon(IconOf(images));
}

QIcon ProgramIcon() {
    if (!decodedIcon)
        UseProgramIconImages(DecodeProgramIconImages());
    return *decodedIcon;
}

QPixmap ProgramPicture(int size, qreal devicePixelRatio) {
    const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
    // The smallest drawing that covers the place, else the largest.
    const auto covering = std::lower_bound(DrawnSizes.begin(), DrawnSizes.end(), pixels);
    const int drawn = covering != DrawnSizes.end() ? *covering : DrawnSizes.back();
    QPixmap picture(DrawingPath(drawn));
    if (drawn != pixels)
        picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace varnel
