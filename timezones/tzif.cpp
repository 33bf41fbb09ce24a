#include "timezones/tzif.h"

#include "timezones/time_errors.h"

#include <string>

namespace timezones {
namespace {

constexpr std::size_t HeaderBytes = 44;
constexpr std::size_t TypeRecordBytes = 6;
constexpr std::size_t MaxTypes = 256; // a transition names its type in one byte
// RFC 9636's bounds for a UTC offset: -25:59:59 .. +25:59:59.
constexpr std::int32_t MinUtcOffset = -93599;
constexpr std::int32_t MaxUtcOffset = 93599;

struct Counts {
    std::uint32_t IsUt, IsStd, Leap, Time, Type, Char;
};

// The bytes of the file with a read position; every read is checked
// against what remains, so no count can lead outside the file.
class Bytes {
public:
    Bytes(std::string_view bytes, const std::string& fileName) : bytes_(bytes), fileName_(fileName) {}

    [[noreturn]] void Fail(const std::string& reason) const { throw ZoneFileError(fileName_, reason); }

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }

    void Need(std::uint64_t count, const char* what) const
    {
        if (count > Remaining())
            Fail("it is truncated: " + std::string(what) + " at byte " + std::to_string(pos_) + " needs " +
                 std::to_string(count) + " bytes, and " + std::to_string(Remaining()) + " remain");
    }

    std::string_view Take(std::size_t count)
    {
        const std::string_view part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }

    std::uint8_t Byte() { return static_cast<std::uint8_t>(Take(1)[0]); }

    std::uint64_t Unsigned(std::size_t width)
    {
        std::uint64_t value = 0;
        for (char c : Take(width))
            value = value << 8 | static_cast<std::uint8_t>(c);
        return value;
    }

    std::int64_t Signed(std::size_t width)
    {
        const std::uint64_t value = Unsigned(width);
        if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return static_cast<std::int64_t>(value);
    }

private:
    std::string_view bytes_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
};

// The header; returns the version (1..4) and the counts.
int ReadHeader(Bytes& in, Counts& counts)
{
    in.Need(HeaderBytes, "a header");
    if (in.Take(4) != "TZif") in.Fail("it is not a TZif file: it does not begin with TZif");
    const std::uint8_t versionByte = in.Byte();
    int version = 0;
    if (versionByte == 0)
        version = 1;
    else if (versionByte >= '2' && versionByte <= '4')
        version = versionByte - '0';
    else
        in.Fail("its TZif version (byte " + std::to_string(versionByte) + ") is not one of 1 to 4");
    in.Take(15);
    counts.IsUt = static_cast<std::uint32_t>(in.Unsigned(4));
    counts.IsStd = static_cast<std::uint32_t>(in.Unsigned(4));
    counts.Leap = static_cast<std::uint32_t>(in.Unsigned(4));
    counts.Time = static_cast<std::uint32_t>(in.Unsigned(4));
    counts.Type = static_cast<std::uint32_t>(in.Unsigned(4));
    counts.Char = static_cast<std::uint32_t>(in.Unsigned(4));
    return version;
}

std::uint64_t DataBytes(const Counts& c, std::size_t timeWidth)
{
    // Each count is below 2^32, so the sum cannot overflow 64 bits.
    return std::uint64_t{c.Time} * timeWidth + c.Time + std::uint64_t{c.Type} * TypeRecordBytes + c.Char +
           std::uint64_t{c.Leap} * (timeWidth + 4) + c.IsStd + c.IsUt;
}

bool IsPrintable(char c) { return c >= ' ' && c <= '~'; }

std::string Abbreviation(const Bytes& in, std::string_view chars, std::size_t index, std::size_t type)
{
    const std::string which = "type " + std::to_string(type) + "'s abbreviation";
    if (index >= chars.size()) in.Fail(which + " starts beyond the abbreviation characters");
    const std::size_t end = chars.find('\0', index);
    if (end == std::string_view::npos) in.Fail(which + " is not ended by a NUL");
    const std::string_view text = chars.substr(index, end - index);
    for (char c : text)
        if (!IsPrintable(c)) in.Fail(which + " holds a character that is not printable");
    return std::string(text);
}

TzifData ReadData(Bytes& in, const Counts& counts, std::size_t timeWidth, int version)
{
    if (counts.Type == 0 || counts.Type > MaxTypes)
        in.Fail("it counts " + std::to_string(counts.Type) + " local time types; a file holds 1 to 256");
    if (counts.Char == 0) in.Fail("it counts no abbreviation characters");
    if ((counts.IsStd != 0 && counts.IsStd != counts.Type) || (counts.IsUt != 0 && counts.IsUt != counts.Type))
        in.Fail("its standard/wall or UT/local indicators are not one for each local time type");
    if (counts.Leap != 0) in.Fail("it counts leap seconds (a right/ zone), which civil time does not");
    in.Need(DataBytes(counts, timeWidth), "the data its header counts");

    TzifData data;
    data.Version = version;
    data.TransitionTimes.reserve(counts.Time);
    for (std::uint32_t i = 0; i < counts.Time; ++i) {
        const std::int64_t t = in.Signed(timeWidth);
        if (i > 0 && t <= data.TransitionTimes.back())
            in.Fail("transition " + std::to_string(i) + " is not later than the one before it");
        data.TransitionTimes.push_back(t);
    }
    data.TransitionTypes.reserve(counts.Time);
    for (std::uint32_t i = 0; i < counts.Time; ++i) {
        const std::uint8_t type = in.Byte();
        if (type >= counts.Type)
            in.Fail("transition " + std::to_string(i) + " names type " + std::to_string(type) + " of only " +
                    std::to_string(counts.Type));
        data.TransitionTypes.push_back(type);
    }
    struct Record {
        std::int32_t Offset;
        std::uint8_t IsDst, Index;
    };
    std::vector<Record> records;
    for (std::uint32_t i = 0; i < counts.Type; ++i) {
        const auto offset = static_cast<std::int32_t>(in.Signed(4));
        const std::uint8_t isDst = in.Byte();
        const std::uint8_t index = in.Byte();
        if (offset < MinUtcOffset || offset > MaxUtcOffset)
            in.Fail("type " + std::to_string(i) + " has the UTC offset " + std::to_string(offset) +
                    " s, beyond 26 hours");
        if (isDst > 1) in.Fail("type " + std::to_string(i) + " has a summer-time flag other than 0 or 1");
        records.push_back({offset, isDst, index});
    }
    const std::string_view chars = in.Take(counts.Char);
    for (std::size_t i = 0; i < records.size(); ++i)
        data.Types.push_back({records[i].Offset, records[i].IsDst == 1, Abbreviation(in, chars, records[i].Index, i)});
    for (std::uint32_t i = 0; i < counts.IsStd + counts.IsUt; ++i)
        if (in.Byte() > 1) in.Fail("a standard/wall or UT/local indicator is other than 0 or 1");
    return data;
}

void ReadFooter(Bytes& in, TzifData& data)
{
    if (in.Remaining() == 0 || in.Byte() != '\n') in.Fail("its footer does not start on a new line");
    std::string footer;
    while (in.Remaining() > 0) {
        const char c = static_cast<char>(in.Byte());
        if (c == '\n') {
            if (!footer.empty()) {
                try {
                    data.Footer = ParsePosixTz(footer);
                } catch (const TimeError& e) {
                    in.Fail(std::string("its footer ") + e.what());
                }
            }
            return;
        }
        if (!IsPrintable(c)) in.Fail("its footer holds a character that is not printable");
        footer += c;
    }
    in.Fail("its footer does not end with a new line");
}

} // namespace

TzifData ParseTzif(std::string_view bytes, const std::string& fileName)
{
    Bytes in(bytes, fileName);
    if (bytes.size() > MaxTzifBytes) in.Fail("it is larger than 64 KiB");
    Counts counts{};
    const int version = ReadHeader(in, counts);
    TzifData data;
    if (version == 1) {
        data = ReadData(in, counts, 4, version);
    } else {
        // The 32-bit section is there for old readers: checked in size, skipped.
        in.Need(DataBytes(counts, 4), "the 32-bit data its header counts");
        in.Take(static_cast<std::size_t>(DataBytes(counts, 4)));
        if (ReadHeader(in, counts) != version) in.Fail("its second header gives another version than its first");
        data = ReadData(in, counts, 8, version);
        ReadFooter(in, data);
    }
    if (in.Remaining() != 0) in.Fail("it goes on for " + std::to_string(in.Remaining()) + " bytes after its end");
    return data;
}

} // namespace timezones
