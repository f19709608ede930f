#pragma once

#include <vector>

// A plain 8-bit RGB picture, three bytes a pixel, rows without padding.
class RgbImage {
public:
    RgbImage() = default;
    RgbImage(int width, int height);

    void resize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    unsigned char *row(int y);
    const unsigned char *row(int y) const;

    // A copy at the given size. Shrinking averages each target pixel over the source
    // area it covers; growing interpolates linearly.
    RgbImage resampled(int width, int height) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_pixels;
};
