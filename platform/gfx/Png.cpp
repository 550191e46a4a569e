#include "platform/gfx/Png.h"

#include <png.h>

#include <vector>

namespace gfx {

bool WritePng(const Surface& surface, const std::string& path) {
    if (surface.PixelWidth() <= 0 || surface.PixelHeight() <= 0) {
        return false;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.PixelWidth());
    image.height = static_cast<png_uint_32>(surface.PixelHeight());
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes;
    bytes.reserve(static_cast<std::size_t>(surface.PixelWidth()) * surface.PixelHeight() * 3);
    for (int y = 0; y < surface.PixelHeight(); ++y) {
        const std::uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.PixelWidth(); ++x) {
            bytes.push_back(static_cast<png_byte>(row[x] >> 16));
            bytes.push_back(static_cast<png_byte>(row[x] >> 8));
            bytes.push_back(static_cast<png_byte>(row[x]));
        }
    }
    return png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
}

bool ReadPng(const std::string& path, Surface& surface) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    const png_color white{255, 255, 255};
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, &white, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    surface.Resize(static_cast<int>(image.width), static_cast<int>(image.height));
    std::size_t i = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        std::uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x, i += 3) {
            row[x] =
                (std::uint32_t{bytes[i]} << 16) | (std::uint32_t{bytes[i + 1]} << 8) | bytes[i + 2];
        }
    }
    return true;
}

} // namespace gfx
