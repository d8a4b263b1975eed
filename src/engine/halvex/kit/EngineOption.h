#pragma once

#include <QStringList>

namespace halvex {

// A set of ExifTool API options the engine runs with.
class EngineOption {
public:
    // QuickTime dates are stored as UTC: read and write them as such.
    static const EngineOption quickTimeUTC;
    // Movies over 2 GB are otherwise cut short ("LargeFileSupport not enabled").
    static const EngineOption largeFileSupport;
    static const EngineOption all;

    constexpr EngineOption() = default;

    constexpr bool contains(EngineOption other) const { return (bits_ & other.bits_) == other.bits_; }
    constexpr bool isEmpty() const { return bits_ == 0; }
    constexpr EngineOption operator|(EngineOption other) const { return EngineOption(bits_ | other.bits_); }

    // The ExifTool arguments for these options: "-api", "Name=1" pairs.
    QStringList apiArguments() const;

    friend constexpr bool operator==(EngineOption, EngineOption) = default;

private:
    constexpr explicit EngineOption(unsigned bits) : bits_(bits) {}
    unsigned bits_ = 0;
};

inline constexpr EngineOption EngineOption::quickTimeUTC{1u << 0};
inline constexpr EngineOption EngineOption::largeFileSupport{1u << 1};
inline constexpr EngineOption EngineOption::all = quickTimeUTC | largeFileSupport;

} // namespace halvex
