// Little-endian coding of the binary files: integers and doubles decoded from bytes and appended
// to a byte buffer, and the counted string (an unsigned 32-bit count, then the bytes, no
// terminator).
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

namespace salvenor {

std::uint16_t DecodeU16(const unsigned char* bytes);
std::uint32_t DecodeU32(const unsigned char* bytes);
double DecodeF64(const unsigned char* bytes);

// `Bytes` is any buffer of 8-bit values with push_back (std::string, std::vector<std::uint8_t>).
template <class Bytes>
void AppendLittleEndian(Bytes& out, std::uint64_t value, int byteCount) {
    using Byte = typename Bytes::value_type;
    for (int i = 0; i < byteCount; ++i) {
        out.push_back(static_cast<Byte>((value >> (8 * i)) & 0xFFu));
    }
}

template <class Bytes>
void AppendU8(Bytes& out, std::uint8_t value) {
    AppendLittleEndian(out, value, 1);
}
template <class Bytes>
void AppendU16(Bytes& out, std::uint16_t value) {
    AppendLittleEndian(out, value, 2);
}
template <class Bytes>
void AppendU32(Bytes& out, std::uint32_t value) {
    AppendLittleEndian(out, value, 4);
}
template <class Bytes>
void AppendI32(Bytes& out, std::int32_t value) {
    AppendLittleEndian(out, static_cast<std::uint32_t>(value), 4);
}
template <class Bytes>
void AppendF64(Bytes& out, double value) {
    AppendLittleEndian(out, std::bit_cast<std::uint64_t>(value), 8);
}
// The bytes of `text` as they are (a four-letter chunk tag, a counted string's body).
template <class Bytes>
void AppendBytes(Bytes& out, std::string_view text) {
    using Byte = typename Bytes::value_type;
    for (const char c : text) {
        out.push_back(static_cast<Byte>(static_cast<unsigned char>(c)));
    }
}
template <class Bytes>
void AppendCountedString(Bytes& out, std::string_view text) {
    AppendU32(out, static_cast<std::uint32_t>(text.size()));
    AppendBytes(out, text);
}

}  // namespace salvenor
