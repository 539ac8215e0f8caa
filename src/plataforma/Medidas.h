#pragma once

// The system gives sizes in twips: 15 twips are one pixel, rounded to the nearest pixel.
constexpr int kTwipsPorPixel = 15;

constexpr int Pixeles(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPorPixel / 2 : -(kTwipsPorPixel / 2))) / kTwipsPorPixel;
}
constexpr int Twips(int pixeles)
{
    return pixeles * kTwipsPorPixel;
}

// The key code the KeyPress handlers receive for Enter.
constexpr int kEnter = 13;
