#pragma once

#include <cstdint>
#include <string>

namespace vostrel::controls {

// A back colour: either the system colour for window backgrounds, whatever the
// desktop makes of it, or a fixed RGB value.
struct Colour {
    bool systemWindow = true;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour window() { return Colour{}; }
    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Colour{false, r, g, b};
    }

    // "window" or "#RRGGBB", as the state dump shows it.
    std::string toString() const;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// The colours with a meaning in the editor.
inline constexpr Colour kDarkGreen = Colour::rgb(0, 128, 0);
inline constexpr Colour kLightYellow = Colour::rgb(255, 255, 192);  // added since start or delete
inline constexpr Colour kLightPink = Colour::rgb(255, 192, 255);    // present in the opened file

}  // namespace vostrel::controls
