#pragma once

namespace orvan::gui {

// The forms measure in twips: 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixelsOfTwips(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr int twipsOfPixels(int pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace orvan::gui
