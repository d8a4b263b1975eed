#include "engine/halvex/tags/ExifOrientation.h"

namespace halvex {

namespace {

using C = ExifOrientation::Case;

// New case for each old case, in case order.
constexpr C horizontalFlips[] = {C::mirrorHorizontal, C::normal, C::mirrorVertical, C::rotate180,
                                 C::rotate90, C::mirrorHorizontalRotate270, C::rotate270,
                                 C::mirrorHorizontalRotate90};
constexpr C verticalFlips[] = {C::mirrorVertical, C::rotate180, C::mirrorHorizontal, C::normal,
                               C::rotate270, C::mirrorHorizontalRotate90, C::rotate90,
                               C::mirrorHorizontalRotate270};
constexpr C leftTurns[] = {C::rotate270, C::mirrorHorizontalRotate270, C::rotate90,
                           C::mirrorHorizontalRotate90, C::mirrorVertical, C::normal,
                           C::mirrorHorizontal, C::rotate180};
constexpr C rightTurns[] = {C::rotate90, C::mirrorHorizontalRotate90, C::rotate270,
                            C::mirrorHorizontalRotate270, C::mirrorHorizontal, C::rotate180,
                            C::mirrorVertical, C::normal};
// Each mirrored case is a horizontal mirror followed by a turn; the turn alone.
constexpr C turnsAlone[] = {C::normal, C::normal, C::rotate180, C::rotate180,
                            C::rotate270, C::rotate90, C::rotate90, C::rotate270};

} // namespace

QList<ExifOrientation> ExifOrientation::allCases()
{
    QList<ExifOrientation> cases;
    for (int raw = 0; raw < 8; ++raw)
        cases.append(ExifOrientation(Case(raw)));
    return cases;
}

std::optional<ExifOrientation> ExifOrientation::fromRawValue(int rawValue)
{
    if (rawValue < 0 || rawValue > 7)
        return std::nullopt;
    return ExifOrientation(Case(rawValue));
}

std::optional<ExifOrientation> ExifOrientation::fromExifNumber(int number)
{
    return fromRawValue(number - 1);
}

ExifOrientation ExifOrientation::horizontalFlip() const
{
    return horizontalFlips[value_];
}

ExifOrientation ExifOrientation::verticalFlip() const
{
    return verticalFlips[value_];
}

ExifOrientation ExifOrientation::rotateLeft() const
{
    return leftTurns[value_];
}

ExifOrientation ExifOrientation::rotateRight() const
{
    return rightTurns[value_];
}

bool ExifOrientation::isMirrored() const
{
    return withoutMirror() != *this;
}

ExifOrientation ExifOrientation::withoutMirror() const
{
    return turnsAlone[value_];
}

std::optional<int> ExifOrientation::quicktimeRotation() const
{
    switch (value_) {
    case normal:
        return 0;
    case rotate90:
        return 90;
    case rotate180:
        return 180;
    case rotate270:
        return 270;
    default:
        return std::nullopt;
    }
}

std::optional<ExifOrientation> ExifOrientation::fromQuicktimeRotation(int degrees)
{
    if (degrees % 90 != 0)
        return std::nullopt;
    switch (((degrees % 360) + 360) % 360) {
    case 0:
        return ExifOrientation(normal);
    case 90:
        return ExifOrientation(rotate90);
    case 180:
        return ExifOrientation(rotate180);
    default:
        return ExifOrientation(rotate270);
    }
}

} // namespace halvex
