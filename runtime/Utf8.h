#pragma once

#include <string>
#include <string_view>

namespace rt {

// Decodes the code point at pos and moves pos past it; malformed bytes come
// back one at a time as themselves.
char32_t decode_utf8(std::string_view text, std::size_t& pos);
std::string encode_utf8(char32_t);
// Lower case for the letters that access keys use: Latin and Cyrillic.
char32_t fold_case(char32_t);

}
