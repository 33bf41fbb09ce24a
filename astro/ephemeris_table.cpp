#include "astro/ephemeris_table.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

#ifdef VORLAN_EPHEMERIS_TABLE_LINKED
// Defined by ephemeris_table_data.S around the file it includes.
extern "C" const std::uint8_t vorlan_ephemeris_table[];
extern "C" const std::uint64_t vorlan_ephemeris_table_size;
#endif

namespace astro::table {
namespace {

using spans::ApparentRows;
using spans::Nodes;

constexpr char Magic[] = "VORLAN ephemeris 1\n";
constexpr std::size_t MagicBytes = sizeof Magic - 1;
constexpr std::size_t ExponentsAt = MagicBytes + 4 + 12;
constexpr std::size_t WidthsAt = ExponentsAt + ApparentRows;
constexpr std::size_t HeaderBytes = WidthsAt + ApparentRows * Nodes;
constexpr std::size_t ChecksumBytes = 8;

// The widest coefficient: its integer and its value times 2^e exact in a double.
constexpr int MaxWidth = 54; // with the 7 bits of a start inside a byte, within a 64-bit word
constexpr int MinExponent = -64, MaxExponent = 0;

// The quanta: 2^-20 km (1 mm) for the Sun, 2^-24 km for the Moon, 2^-50
// radians (2e-10") for the angles; each far below what the fit itself
// leaves (7 cm for the Moon).
constexpr int Exponents[ApparentRows] = {-20, -20, -20, -24, -24, -24, -50, -50};

constexpr std::uint64_t FnvOffsetBasis = 14695981039346656037ull;
constexpr std::uint64_t FnvPrime = 1099511628211ull;

// The little-endian word at p (one load where the machine is little-endian).
std::uint64_t Word(const std::uint8_t* p)
{
    return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 | std::uint64_t{p[3]} << 24
        | std::uint64_t{p[4]} << 32 | std::uint64_t{p[5]} << 40 | std::uint64_t{p[6]} << 48 | std::uint64_t{p[7]} << 56;
}

std::uint64_t Checksum(std::span<const std::uint8_t> bytes)
{
    std::uint64_t h = FnvOffsetBasis;
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8)
        h = (h ^ Word(bytes.data() + at)) * FnvPrime;
    if (at < bytes.size()) {
        std::uint8_t last[8] = {};
        std::memcpy(last, bytes.data() + at, bytes.size() - at);
        h = (h ^ Word(last)) * FnvPrime;
    }
    return h;
}

std::uint64_t ReadLittle(std::span<const std::uint8_t> bytes, std::size_t at, int count)
{
    std::uint64_t v = 0;
    for (int i = 0; i < count; ++i)
        v |= std::uint64_t{bytes[at + i]} << (8 * i);
    return v;
}

void AppendLittle(std::vector<std::uint8_t>& out, std::uint64_t v, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Bits of `q` in two's complement: 0 for 0.
int WidthOf(std::int64_t q)
{
    if (q == 0)
        return 0;
    const auto magnitude = static_cast<std::uint64_t>(q < 0 ? ~q : q);
    return std::bit_width(magnitude) + 1;
}

void AppendBits(std::vector<std::uint8_t>& record, std::size_t& bit, std::int64_t q, int width)
{
    const auto u = static_cast<std::uint64_t>(q);
    for (int i = 0; i < width; ++i, ++bit)
        if ((u >> i) & 1)
            record[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
}

// The `width` bits (at most MaxWidth) at `bit` of a record, from the word
// at its byte: the 8 bytes are always there, the checksum following the
// last record.
std::int64_t ReadBits(const std::uint8_t* record, std::size_t& bit, int width)
{
    if (width == 0)
        return 0;
    std::uint64_t u = Word(record + bit / 8) >> (bit % 8);
    bit += static_cast<std::size_t>(width);
    u &= ~std::uint64_t{0} >> (64 - width);
    if ((u >> (width - 1)) & 1)
        u |= ~std::uint64_t{0} << width; // the sign extended
    return static_cast<std::int64_t>(u);
}

std::size_t RecordBytes(const int (&widths)[ApparentRows][Nodes])
{
    std::size_t bits = 0;
    for (const auto& row : widths)
        for (const int w : row)
            bits += static_cast<std::size_t>(w);
    return (bits + 7) / 8;
}

} // namespace

double QuantisationBound(int row)
{
    return Nodes * std::ldexp(0.5, Exponents[row]);
}

std::vector<std::uint8_t> Encode(const std::vector<spans::ApparentSpan>& spans)
{
    if (spans.empty())
        throw TableError("no spans to encode");
    // The coefficients as integers, and the width each needs in every span.
    std::vector<std::int64_t> integers;
    int widths[ApparentRows][Nodes] = {};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].Index != spans[0].Index + static_cast<long long>(i))
            throw TableError("the spans are not consecutive");
        for (int r = 0; r < ApparentRows; ++r)
            for (int k = 0; k < Nodes; ++k) {
                const double scaled = std::ldexp(spans[i].Coefficients[r][k], -Exponents[r]);
                if (!(std::fabs(scaled) < std::ldexp(1.0, MaxWidth - 1)))
                    throw TableError("a coefficient is out of reach");
                const std::int64_t q = std::llround(scaled);
                integers.push_back(q);
                widths[r][k] = std::max(widths[r][k], WidthOf(q));
            }
    }
    std::vector<std::uint8_t> out(Magic, Magic + MagicBytes);
    AppendLittle(out, ApparentRows, 1);
    AppendLittle(out, Nodes, 1);
    AppendLittle(out, static_cast<std::uint64_t>(spans::SpanDays), 2);
    AppendLittle(out, static_cast<std::uint32_t>(spans[0].Index), 4);
    AppendLittle(out, spans.size(), 4);
    const std::size_t recordBytes = RecordBytes(widths);
    AppendLittle(out, recordBytes, 4);
    for (const int e : Exponents)
        AppendLittle(out, static_cast<std::uint8_t>(e), 1);
    for (const auto& row : widths)
        for (const int w : row)
            AppendLittle(out, static_cast<std::uint64_t>(w), 1);
    std::size_t next = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::vector<std::uint8_t> record(recordBytes, 0);
        std::size_t bit = 0;
        for (int r = 0; r < ApparentRows; ++r)
            for (int k = 0; k < Nodes; ++k)
                AppendBits(record, bit, integers[next++], widths[r][k]);
        out.insert(out.end(), record.begin(), record.end());
    }
    AppendLittle(out, Checksum(out), 8);
    return out;
}

Table::Table(std::span<const std::uint8_t> bytes) : bytes_(bytes)
{
    if (bytes.size() < HeaderBytes + ChecksumBytes || std::memcmp(bytes.data(), Magic, MagicBytes) != 0)
        throw TableError("it is not an ephemeris table");
    std::size_t at = MagicBytes;
    if (ReadLittle(bytes, at, 1) != ApparentRows || ReadLittle(bytes, at + 1, 1) != Nodes
        || ReadLittle(bytes, at + 2, 2) != static_cast<std::uint64_t>(spans::SpanDays))
        throw TableError("its spans are not this library's");
    first_ = static_cast<std::int32_t>(ReadLittle(bytes, at + 4, 4));
    count_ = static_cast<long long>(ReadLittle(bytes, at + 8, 4));
    recordBytes_ = static_cast<std::size_t>(ReadLittle(bytes, at + 12, 4));
    for (int r = 0; r < ApparentRows; ++r) {
        exponents_[r] = static_cast<std::int8_t>(bytes[ExponentsAt + r]);
        if (exponents_[r] < MinExponent || exponents_[r] > MaxExponent)
            throw TableError("a quantum is out of range");
        for (int k = 0; k < Nodes; ++k) {
            widths_[r][k] = bytes[WidthsAt + r * Nodes + k];
            if (widths_[r][k] > MaxWidth)
                throw TableError("a width is out of range");
        }
    }
    const long long lowest = spans::SpanIndex(-spans::LimitDays), highest = spans::SpanIndex(spans::LimitDays);
    if (count_ < 1 || first_ < lowest || first_ + count_ - 1 > highest)
        throw TableError("its spans lie beyond the library's years");
    if (recordBytes_ != RecordBytes(widths_))
        throw TableError("its record size does not match its widths");
    if (bytes.size() != HeaderBytes + static_cast<std::size_t>(count_) * recordBytes_ + ChecksumBytes)
        throw TableError("its size does not match its span count");
    const std::size_t body = bytes.size() - ChecksumBytes;
    if (Checksum(bytes.first(body)) != ReadLittle(bytes, body, 8))
        throw TableError("its checksum does not match");
}

spans::ApparentSpan Table::SpanAt(long long index) const
{
    spans::ApparentSpan span{};
    span.Index = index;
    span.Middle = (index + 0.5) * spans::SpanDays;
    const std::uint8_t* record = bytes_.data() + HeaderBytes + static_cast<std::size_t>(index - first_) * recordBytes_;
    std::size_t bit = 0;
    for (int r = 0; r < ApparentRows; ++r)
        for (int k = 0; k < Nodes; ++k)
            span.Coefficients[r][k] = std::ldexp(static_cast<double>(ReadBits(record, bit, widths_[r][k])), exponents_[r]);
    return span;
}

std::span<const std::uint8_t> LinkedBytes()
{
#ifdef VORLAN_EPHEMERIS_TABLE_LINKED
    return {vorlan_ephemeris_table, static_cast<std::size_t>(vorlan_ephemeris_table_size)};
#else
    return {};
#endif
}

namespace {

struct Linked {
    std::optional<Table> Checked;
    std::string Problem;
};

const Linked& TheLinked()
{
    static const Linked linked = [] {
        Linked l;
        if (LinkedBytes().empty()) {
            l.Problem = "this build has no ephemeris table";
            return l;
        }
        try {
            l.Checked.emplace(LinkedBytes());
        } catch (const TableError& e) {
            l.Problem = std::string("the ephemeris table is refused: ") + e.what();
        }
        return l;
    }();
    return linked;
}

} // namespace

const Table* LinkedTable()
{
    const Linked& l = TheLinked();
    return l.Checked ? &*l.Checked : nullptr;
}

std::string LinkedTableProblem()
{
    return TheLinked().Problem;
}

} // namespace astro::table
