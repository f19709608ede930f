#include "store/RgbImage.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// Weights of source samples contributing to one target sample.
struct Contribution {
    int first = 0;
    std::vector<float> weights;
};

// Area coverage when shrinking, a triangle (linear) filter when growing.
std::vector<Contribution> contributions(int sourceSize, int targetSize)
{
    std::vector<Contribution> result(static_cast<size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int t = 0; t < targetSize; ++t) {
        Contribution &c = result[static_cast<size_t>(t)];
        if (scale >= 1.0) {
            const double begin = t * scale;
            const double end = begin + scale;
            c.first = static_cast<int>(std::floor(begin));
            const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = c.first; s <= last; ++s) {
                const double overlap = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
                c.weights.push_back(static_cast<float>(overlap / scale));
            }
        } else {
            const double centre = (t + 0.5) * scale - 0.5;
            const int left = static_cast<int>(std::floor(centre));
            const double fraction = centre - left;
            c.first = std::clamp(left, 0, sourceSize - 1);
            const int right = std::clamp(left + 1, 0, sourceSize - 1);
            if (right == c.first) {
                c.weights = {1.0f};
            } else {
                c.weights = {static_cast<float>(1.0 - fraction), static_cast<float>(fraction)};
            }
        }
    }
    return result;
}

unsigned char toByte(float value)
{
    return static_cast<unsigned char>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

} // namespace

RgbImage::RgbImage(int width, int height)
{
    resize(width, height);
}

void RgbImage::resize(int width, int height)
{
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0);
}

unsigned char *RgbImage::row(int y)
{
    return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width) * 3;
}

const unsigned char *RgbImage::row(int y) const
{
    return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width) * 3;
}

RgbImage RgbImage::resampled(int width, int height) const
{
    if (width == m_width && height == m_height)
        return *this;
    const std::vector<Contribution> across = contributions(m_width, width);
    const std::vector<Contribution> down = contributions(m_height, height);

    // Horizontal pass into floats, then the vertical pass into bytes.
    std::vector<float> between(static_cast<size_t>(width) * static_cast<size_t>(m_height) * 3);
    for (int y = 0; y < m_height; ++y) {
        const unsigned char *source = row(y);
        float *target = between.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
        for (int x = 0; x < width; ++x) {
            const Contribution &c = across[static_cast<size_t>(x)];
            float sum[3] = {0, 0, 0};
            const unsigned char *pixel = source + static_cast<size_t>(c.first) * 3;
            for (const float weight : c.weights) {
                sum[0] += weight * pixel[0];
                sum[1] += weight * pixel[1];
                sum[2] += weight * pixel[2];
                pixel += 3;
            }
            std::copy(sum, sum + 3, target + static_cast<size_t>(x) * 3);
        }
    }
    RgbImage result(width, height);
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<float> sums(stride);
    for (int y = 0; y < height; ++y) {
        const Contribution &c = down[static_cast<size_t>(y)];
        std::fill(sums.begin(), sums.end(), 0.0f);
        for (size_t k = 0; k < c.weights.size(); ++k) {
            const float weight = c.weights[k];
            const float *source = between.data() + (static_cast<size_t>(c.first) + k) * stride;
            for (size_t i = 0; i < stride; ++i)
                sums[i] += weight * source[i];
        }
        unsigned char *target = result.row(y);
        for (size_t i = 0; i < stride; ++i)
            target[i] = toByte(sums[i]);
    }
    return result;
}
