#pragma once
// Twips: 1/1440 inch, the unit of the window's layout; 15 to a pixel at 96 dots per inch.

constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel, halves away from zero.
constexpr int TwipsToPixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2)) / kTwipsPerInch);
}

constexpr int PixelsToTwips(int pixels, int dpi)
{
    const long long scaled = static_cast<long long>(pixels) * kTwipsPerInch;
    return static_cast<int>((scaled + (scaled >= 0 ? dpi / 2 : -dpi / 2)) / dpi);
}
