// The apparent spans (ephemeris_spans.h) of 1900-2100 made once, by
// scripts/make-ephemeris, and linked into the library (data/ephemeris.bin,
// described in data/README), so that a program's first computations
// decode spans instead of summing the series. Nothing is read at run time.
//
// Format (little-endian):
//   "VORLAN ephemeris 1\n"
//   uint8 rows (8), uint8 terms (20), uint16 span days (16)
//   int32 first span index, uint32 span count, uint32 record bytes
//   int8 quantum exponent e[row]: the row's coefficients are integers times 2^e
//   uint8 width[row][term]: bits of each coefficient (0: it is 0 in every span)
//   span count records, each the coefficients row by row, term by term,
//     in two's complement of their widths, packed from each byte's lowest
//     bit up, the record padded to whole bytes
//   uint64 checksum: 64-bit FNV-1a over the little-endian 64-bit words of
//     all the bytes before it (the last word padded with zeros)
//
// Each coefficient is rounded to its quantum, so a decoded series differs
// from the fitted one by at most 20 half quanta (QuantisationBound):
// 0.6 mm for the Moon, 1 cm for the Sun (7e-14 rad), 2e-9" for the angles.
#pragma once

#include "astro/astro_error.h"
#include "astro/ephemeris_spans.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace astro::table {

// A table refused; what() says why.
class TableError : public AstroError {
public:
    using AstroError::AstroError;
};

// The largest difference a row's decoded series can have from the fitted
// one (the row's unit: km or radians).
double QuantisationBound(int row);

// The table of `spans`, consecutive spans in order. Throws TableError
// when they are not, or a coefficient is not a finite number in reach.
std::vector<std::uint8_t> Encode(const std::vector<spans::ApparentSpan>& spans);

// A table checked once: its layout against this library's spans, its size
// against its span count, its coverage against the library's reach, and
// its checksum. It refers to `bytes`, which must outlive it.
class Table {
public:
    // Throws TableError, naming the fault, for a table that fails a check.
    explicit Table(std::span<const std::uint8_t> bytes);

    long long FirstIndex() const { return first_; }
    long long SpanCount() const { return count_; }
    bool Covers(long long index) const { return index >= first_ && index - first_ < count_; }

    // The span `index`, which the table covers.
    spans::ApparentSpan SpanAt(long long index) const;

private:
    std::span<const std::uint8_t> bytes_;
    long long first_ = 0, count_ = 0;
    std::size_t recordBytes_ = 0;
    int exponents_[spans::ApparentRows] = {};
    int widths_[spans::ApparentRows][spans::Nodes] = {};
};

// The bytes linked into the library (empty in a build made without them).
std::span<const std::uint8_t> LinkedBytes();

// The linked table, checked at the first call; nullptr when there is none
// or it was refused (LinkedTableProblem() then says why), in which case
// every span is fitted as the table's maker fits it.
const Table* LinkedTable();
std::string LinkedTableProblem();

} // namespace astro::table
