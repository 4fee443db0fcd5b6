#pragma once

// A small gzip reader: the gzip container and the deflate decoder (stored, fixed and dynamic
// Huffman blocks), so that the font generator needs no outside library.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fontgen {

// The deflate stream of raw data, decoded; nullopt (with the reason) for damaged input.
std::optional<std::vector<std::uint8_t>> Inflate(const std::vector<std::uint8_t>& data,
                                                 std::size_t start, std::size_t* end,
                                                 std::string* error);
// The content of a gzip file, its CRC and length checked.
std::optional<std::vector<std::uint8_t>> Gunzip(const std::vector<std::uint8_t>& data,
                                                std::string* error);

}  // namespace fontgen
