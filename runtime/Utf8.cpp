#include "Utf8.h"

namespace rt {

char32_t decode_utf8(std::string_view text, std::size_t& pos)
{
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char const lead = byte(pos);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xe ? 3 : (lead >> 3) == 0x1e ? 4 : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return lead;
    }
    char32_t cp = length == 1 ? lead : lead & (0xff >> (length + 1));
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xc0) != 0x80) {
            ++pos;
            return lead;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3f);
    }
    pos += length;
    return cp;
}

std::string encode_utf8(char32_t cp)
{
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xe0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
    return out;
}

char32_t fold_case(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42f)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40f)
        return c + 0x50;
    return c;
}

}
