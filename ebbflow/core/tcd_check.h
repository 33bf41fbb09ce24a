// The check a tide-constituent database (TCD) file passes before libtcd
// reads it.
//
// libtcd trusts its files: it takes table sizes and bit widths from the
// header as they stand, indexes arrays with values from the records, and
// ends the program (assert, exit) on what it cannot read. This check walks
// the whole file the way libtcd 2 will, field by field, and refuses, with
// the reason, anything that would make it read outside its buffers, abort
// or exit: so that libtcd is only ever handed a file it reads whole.
//
// The layout (TCD version 2, all integers bit-packed, big-endian):
//   an ASCII header "[KEY] = value" a line up to "[END OF ASCII HEADER
//   DATA]", padded with zeros to [HEADER SIZE] bytes; a CRC-32 of those
//   bytes; the string tables (level units, direction units, restrictions,
//   time zones, countries, datums, legal notices, constituent names); the
//   constituents' speeds, then their equilibrium arguments and node factors
//   year by year; then the station records, one after the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ebbflow {

// The only format version this reader takes (libtcd 2's).
inline constexpr unsigned TcdMajorVersion = 2;

// What the header says, once the whole file has been checked.
struct TcdSummary {
    std::string Version;      // the writer's version text
    std::string LastModified; // as the header gives it, e.g. "2019-12-29 12:43 EST"
    std::uint32_t Records = 0;
    std::uint32_t Constituents = 0;
    int StartYear = 0;        // the first year of the equilibrium arguments
    std::uint32_t Years = 0;  // how many years they cover
};

// Checks `bytes`, a whole TCD file. Returns its summary, or throws
// TideDataError whose what() is the reason alone ("it is not a tide-
// constituent database", "it is truncated", "its header claims 5407
// stations but holds 12", ...); the caller names the file.
TcdSummary CheckTcd(std::string_view bytes);

// The CRC-32 (ISO-HDLC, as zlib computes it) of `bytes`: the checksum a TCD
// file keeps of its ASCII header.
std::uint32_t Crc32(std::string_view bytes);

} // namespace ebbflow
