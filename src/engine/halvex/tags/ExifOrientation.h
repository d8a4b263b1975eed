#pragma once

#include <QList>

#include <optional>

namespace halvex {

// The orientation of an image or movie as the EXIF Orientation tag gives it. The cases stand
// in EXIF order: rawValue() is 0-based, exifNumber() the tag's value 1..8.
class ExifOrientation {
public:
    enum Case : int {
        normal,                    // 1
        mirrorHorizontal,          // 2
        rotate180,                 // 3
        mirrorVertical,            // 4
        mirrorHorizontalRotate270, // 5: mirrored horizontally, then turned 270° clockwise
        rotate90,                  // 6: turned 90° clockwise
        mirrorHorizontalRotate90,  // 7: mirrored horizontally, then turned 90° clockwise
        rotate270,                 // 8: turned 270° clockwise
    };

    constexpr ExifOrientation(Case value) : value_(value) {}

    static QList<ExifOrientation> allCases();
    // Nothing outside 0..7.
    static std::optional<ExifOrientation> fromRawValue(int rawValue);
    // Nothing outside 1..8.
    static std::optional<ExifOrientation> fromExifNumber(int number);

    constexpr Case value() const { return value_; }
    constexpr int rawValue() const { return int(value_); }
    constexpr int exifNumber() const { return int(value_) + 1; }

    // The orientation after mirroring or turning the shown picture once more.
    ExifOrientation horizontalFlip() const;
    ExifOrientation verticalFlip() const;
    ExifOrientation rotateLeft() const;  // 90° counter-clockwise
    ExifOrientation rotateRight() const; // 90° clockwise

    bool isMirrored() const;
    // The turn alone, the mirroring dropped: the nearest orientation a movie can hold.
    ExifOrientation withoutMirror() const;

    // A movie's track can only be turned, never mirrored: its rotation in degrees clockwise
    // (0, 90, 180, 270) for the four unmirrored cases, nothing for a mirrored one; the editor
    // writes withoutMirror() instead and reports that the mirroring was dropped.
    std::optional<int> quicktimeRotation() const;
    // Any multiple of 90 degrees, negative ones and full turns included; nothing otherwise.
    static std::optional<ExifOrientation> fromQuicktimeRotation(int degrees);

    friend constexpr bool operator==(ExifOrientation, ExifOrientation) = default;

private:
    Case value_;
};

} // namespace halvex
