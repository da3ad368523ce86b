#include "ui/common/ThemeColours.h"

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr double MinimumTextContrast = 4.5;

double Channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
           0.0722 * Channel(rgb.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Base)) < Luminance(palette.color(QPalette::Text));
}

QColor TintedBackground(const QPalette& palette, const QColor& lightTint) {
    if (!IsDarkPalette(palette))
        return lightTint;
    const QColor base = palette.color(QPalette::Base);
    const QColor tint = lightTint.toHsl();
    // A quarter of the way from the base to a full shade of the tint's hue:
    // the cells keep their meaning and light text stays readable on them.
    const QColor shade = QColor::fromHslF(std::max<float>(0, tint.hslHueF()), 0.6F, 0.45F);
    const double share = tint.hslSaturationF() > 0.05 ? 0.25 : 0.08;
    auto mix = [share](double from, double to) { return from + (to - from) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(base.redF(), shade.redF())),
                            static_cast<float>(mix(base.greenF(), shade.greenF())),
                            static_cast<float>(mix(base.blueF(), shade.blueF())));
}

QColor ReadableText(const QColor& wanted, const QColor& background) {
    if (ContrastRatio(wanted, background) >= MinimumTextContrast)
        return wanted;
    const QColor hsl = wanted.toHsl();
    const bool lighter = Luminance(background) < 0.18;
    const float hue = std::max<float>(0, hsl.hslHueF());
    const float saturation = hsl.hslSaturationF();
    float lightness = hsl.lightnessF();
    for (int step = 0; step < 40; ++step) {
        lightness = std::clamp(lightness + (lighter ? 0.025F : -0.025F), 0.0F, 1.0F);
        const QColor candidate = QColor::fromHslF(hue, saturation, lightness);
        if (ContrastRatio(candidate, background) >= MinimumTextContrast)
            return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor ThemedText(const QPalette& palette, const QColor& wanted, QColor background) {
    if (!IsDarkPalette(palette))
        return wanted;
    if (!background.isValid())
        background = palette.color(QPalette::Base);
    return ReadableText(wanted, background);
}

} // namespace varnel
