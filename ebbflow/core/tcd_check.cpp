#include "ebbflow/core/tcd_check.h"

#include "ebbflow/core/tide_errors.h"

#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

namespace ebbflow {
namespace {

constexpr std::string_view HeaderEnd = "[END OF ASCII HEADER DATA]";
// libtcd reads header lines into 90 bytes: the text, its newline and a NUL.
constexpr std::size_t LongestHeaderLine = 88;
constexpr std::string_view TableEnd = "__END__";
// libtcd keeps a reference station's amplitudes in arrays of 255.
constexpr std::uint32_t MostConstituents = 255;
// Entries of the tables that end with "__END__" are counted by their bits;
// libtcd keeps the time zone and country indexes in 16-bit signed fields.
constexpr std::uint32_t MostTableBits = 15;
constexpr std::uint32_t LongestTableEntry = 10000;
constexpr std::int64_t LargestHeader = 1 << 20;
constexpr int ReferenceStation = 1, SubordinateStation = 2;

[[noreturn]] void Refuse(const std::string& reason)
{
    throw TideDataError(reason);
}

std::string Number(std::uint64_t n)
{
    return std::to_string(n);
}

enum class Kind { Text, Unsigned, Signed };

struct Key {
    std::string_view Name;
    Kind Type;
};

// Every key libtcd 2 reads; it finds a key anywhere in a line, so no other
// line may stand in the header.
constexpr std::array Keys{
    Key{"[VERSION]", Kind::Text},
    Key{"[MAJOR REV]", Kind::Unsigned},
    Key{"[MINOR REV]", Kind::Unsigned},
    Key{"[LAST MODIFIED]", Kind::Text},
    Key{"[NUMBER OF RECORDS]", Kind::Unsigned},
    Key{"[START YEAR]", Kind::Signed},
    Key{"[NUMBER OF YEARS]", Kind::Unsigned},
    Key{"[CONSTITUENTS]", Kind::Unsigned},
    Key{"[LEVEL UNIT TYPES]", Kind::Unsigned},
    Key{"[DIRECTION UNIT TYPES]", Kind::Unsigned},
    Key{"[RESTRICTION TYPES]", Kind::Unsigned},
    Key{"[PEDIGREE TYPES]", Kind::Unsigned},
    Key{"[TZFILES]", Kind::Unsigned},
    Key{"[COUNTRIES]", Kind::Unsigned},
    Key{"[DATUM TYPES]", Kind::Unsigned},
    Key{"[LEGALESES]", Kind::Unsigned},
    Key{"[LEGALESE TYPES]", Kind::Unsigned},
    Key{"[HEADER SIZE]", Kind::Unsigned},
    Key{"[SPEED BITS]", Kind::Unsigned},
    Key{"[SPEED SCALE]", Kind::Unsigned},
    Key{"[SPEED OFFSET]", Kind::Signed},
    Key{"[EQUILIBRIUM BITS]", Kind::Unsigned},
    Key{"[EQUILIBRIUM SCALE]", Kind::Unsigned},
    Key{"[EQUILIBRIUM OFFSET]", Kind::Signed},
    Key{"[NODE BITS]", Kind::Unsigned},
    Key{"[NODE SCALE]", Kind::Unsigned},
    Key{"[NODE OFFSET]", Kind::Signed},
    Key{"[AMPLITUDE BITS]", Kind::Unsigned},
    Key{"[AMPLITUDE SCALE]", Kind::Unsigned},
    Key{"[EPOCH BITS]", Kind::Unsigned},
    Key{"[EPOCH SCALE]", Kind::Unsigned},
    Key{"[CONSTITUENT BITS]", Kind::Unsigned},
    Key{"[LEVEL UNIT BITS]", Kind::Unsigned},
    Key{"[DIRECTION UNIT BITS]", Kind::Unsigned},
    Key{"[RESTRICTION BITS]", Kind::Unsigned},
    Key{"[PEDIGREE BITS]", Kind::Unsigned},
    Key{"[TZFILE BITS]", Kind::Unsigned},
    Key{"[COUNTRY BITS]", Kind::Unsigned},
    Key{"[DATUM BITS]", Kind::Unsigned},
    Key{"[LEGALESE BITS]", Kind::Unsigned},
    Key{"[RECORD TYPE BITS]", Kind::Unsigned},
    Key{"[LATITUDE SCALE]", Kind::Unsigned},
    Key{"[LATITUDE BITS]", Kind::Unsigned},
    Key{"[LONGITUDE SCALE]", Kind::Unsigned},
    Key{"[LONGITUDE BITS]", Kind::Unsigned},
    Key{"[RECORD SIZE BITS]", Kind::Unsigned},
    Key{"[STATION BITS]", Kind::Unsigned},
    Key{"[DATUM OFFSET BITS]", Kind::Unsigned},
    Key{"[DATUM OFFSET SCALE]", Kind::Unsigned},
    Key{"[DATE BITS]", Kind::Unsigned},
    Key{"[MONTHS ON STATION BITS]", Kind::Unsigned},
    Key{"[CONFIDENCE VALUE BITS]", Kind::Unsigned},
    Key{"[TIME BITS]", Kind::Unsigned},
    Key{"[LEVEL ADD BITS]", Kind::Unsigned},
    Key{"[LEVEL ADD SCALE]", Kind::Unsigned},
    Key{"[LEVEL MULTIPLY BITS]", Kind::Unsigned},
    Key{"[LEVEL MULTIPLY SCALE]", Kind::Unsigned},
    Key{"[DIRECTION BITS]", Kind::Unsigned},
    Key{"[CONSTITUENT SIZE]", Kind::Unsigned},
    Key{"[LEVEL UNIT SIZE]", Kind::Unsigned},
    Key{"[DIRECTION UNIT SIZE]", Kind::Unsigned},
    Key{"[RESTRICTION SIZE]", Kind::Unsigned},
    Key{"[PEDIGREE SIZE]", Kind::Unsigned},
    Key{"[TZFILE SIZE]", Kind::Unsigned},
    Key{"[COUNTRY SIZE]", Kind::Unsigned},
    Key{"[DATUM SIZE]", Kind::Unsigned},
    Key{"[LEGALESE SIZE]", Kind::Unsigned},
    Key{"[END OF FILE]", Kind::Unsigned},
};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The ASCII header, each key's value as it was written.
class Header {
public:
    explicit Header(std::string_view bytes)
    {
        std::size_t at = 0;
        for (int line = 1;; ++line) {
            const std::size_t end = bytes.find('\n', at);
            if (end == std::string_view::npos)
                Refuse(line == 1 ? "it is not a tide-constituent database" : "it is truncated");
            const std::string_view text = bytes.substr(at, end - at);
            if (line == 1 && !text.starts_with("[VERSION]"))
                Refuse("it is not a tide-constituent database");
            at = end + 1;
            if (text == HeaderEnd)
                break;
            Read(text, line);
        }
        EndOfText = at;
    }

    std::size_t EndOfText = 0; // just after the header's last line

    std::string Text(std::string_view key) const
    {
        const auto found = Values.find(key);
        return found == Values.end() ? std::string() : std::string(found->second);
    }

    // The value of a numeric key that must be there, within min..max.
    std::int64_t Get(const std::string& key, std::int64_t min, std::int64_t max) const
    {
        const auto found = Values.find(key);
        if (found == Values.end())
            Refuse("its header has no " + key);
        std::int64_t value = 0;
        const std::string_view text = found->second;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
            Refuse("its header's " + key + " is out of range (" + std::string(text) + ")");
        return value;
    }

private:
    void Read(std::string_view text, int line)
    {
        const std::string where = "its header's line " + std::to_string(line);
        if (text.size() > LongestHeaderLine)
            Refuse(where + " is too long");
        for (const char c : text)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
                Refuse(where + " holds a character that is not text");
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            Refuse(where + " is not \"[KEY] = value\"");
        const std::string_view name = Trimmed(text.substr(0, equals));
        const std::string_view value = Trimmed(text.substr(equals + 1));
        const Key* key = nullptr;
        for (const Key& k : Keys)
            if (k.Name == name)
                key = &k;
        if (key == nullptr)
            Refuse(where + " has an unknown key " + std::string(name));
        if (value.find_first_of("[]") != std::string_view::npos)
            Refuse(where + " holds a bracket in its value");
        if (key->Type != Kind::Text) {
            const std::string_view digits = key->Type == Kind::Signed && value.starts_with('-') ? value.substr(1) : value;
            if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string_view::npos)
                Refuse(where + " has no number for " + std::string(name));
            std::int64_t n = 0;
            std::from_chars(value.data(), value.data() + value.size(), n);
            const bool fits = key->Type == Kind::Signed
                                  ? n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()
                                  : n <= std::numeric_limits<std::uint32_t>::max();
            if (!fits)
                Refuse(where + " has no number for " + std::string(name));
        }
        Values[name] = value;
    }

    std::map<std::string_view, std::string_view, std::less<>> Values;
};

// Big-endian bit fields within one part of the file, never read past it.
class Bits {
public:
    Bits(std::string_view bytes, std::string what) : Bytes(bytes), What(std::move(what)) {}

    std::uint32_t Unsigned(std::uint32_t bits)
    {
        Need(bits);
        std::uint64_t value = 0;
        for (std::uint32_t i = 0; i < bits;) {
            const std::uint64_t byte = static_cast<unsigned char>(Bytes[Position / 8]);
            const std::uint32_t offset = static_cast<std::uint32_t>(Position % 8);
            const std::uint32_t take = std::min<std::uint32_t>(8 - offset, bits - i);
            value = (value << take) | ((byte >> (8 - offset - take)) & ((1u << take) - 1));
            Position += take;
            i += take;
        }
        return static_cast<std::uint32_t>(value);
    }

    std::int64_t Signed(std::uint32_t bits)
    {
        const std::int64_t value = Unsigned(bits);
        return value >= (std::int64_t{1} << (bits - 1)) ? value - (std::int64_t{1} << bits) : value;
    }

    void String()
    {
        while (Unsigned(8) != 0) {
        }
    }

    std::uint64_t Position = 0; // in bits

private:
    void Need(std::uint64_t bits) const
    {
        if (Position + bits > 8 * static_cast<std::uint64_t>(Bytes.size()))
            Refuse(What + " runs past its end");
    }

    std::string_view Bytes;
    std::string What;
};

std::uint64_t BytesOfBits(std::uint64_t bits)
{
    return (bits + 7) / 8;
}

// The bit widths and scales a record is packed with.
struct Widths {
    std::uint32_t RecordSize, RecordType, Latitude, Longitude, Tzfile, Station, Country, Restriction, Legalese, Date,
        DirectionUnit, Direction, LevelUnit, DatumOffset, Datum, Time, MonthsOnStation, Confidence, Constituent,
        Amplitude, Epoch, LevelAdd, LevelMultiply;
};

class Checker {
public:
    explicit Checker(std::string_view bytes) : Bytes(bytes), Head(bytes) {}

    TcdSummary Check()
    {
        TcdSummary summary;
        summary.Version = Head.Text("[VERSION]");
        summary.LastModified = Head.Text("[LAST MODIFIED]");
        const auto major = Head.Get("[MAJOR REV]", 0, std::numeric_limits<std::uint32_t>::max());
        if (major != TcdMajorVersion)
            Refuse("it was written in version " + Number(static_cast<std::uint64_t>(major)) +
                   " of the tide-constituent format; this program reads version " + Number(TcdMajorVersion));
        const auto headerSize = Head.Get("[HEADER SIZE]", 1, LargestHeader);
        if (static_cast<std::size_t>(headerSize) < Head.EndOfText)
            Refuse("its header is larger than its [HEADER SIZE]");
        summary.Records = static_cast<std::uint32_t>(Head.Get("[NUMBER OF RECORDS]", 1, (1 << 17) - 1));
        summary.StartYear = static_cast<int>(Head.Get("[START YEAR]", 1, 9999));
        summary.Years = static_cast<std::uint32_t>(Head.Get("[NUMBER OF YEARS]", 1, 10000 - summary.StartYear));
        summary.Constituents = static_cast<std::uint32_t>(Head.Get("[CONSTITUENTS]", 1, MostConstituents));
        const auto endOfFile = Head.Get("[END OF FILE]", 0, std::numeric_limits<std::uint32_t>::max());
        if (static_cast<std::uint64_t>(endOfFile) > Bytes.size())
            Refuse("it is truncated (" + Number(Bytes.size()) + " of " + Number(static_cast<std::uint64_t>(endOfFile)) +
                   " bytes)");

        Take(static_cast<std::uint64_t>(headerSize) + 4, "its header");
        std::uint32_t stored = 0;
        for (int i = 0; i < 4; ++i)
            stored = (stored << 8) | static_cast<unsigned char>(Bytes[static_cast<std::size_t>(headerSize) + i]);
        if (stored != Crc32(Bytes.substr(0, static_cast<std::size_t>(headerSize))))
            Refuse("its header's checksum is wrong (the header was changed or is damaged)");

        CheckTables(summary.Constituents);
        CheckYearTables(summary.Constituents, summary.Years);
        CheckRecords(summary.Records, summary.Constituents);
        return summary;
    }

private:
    std::uint32_t Width(const std::string& key, std::uint32_t most = 32) const
    {
        return static_cast<std::uint32_t>(Head.Get(key, 1, most));
    }

    // The next `size` bytes, which must be there.
    std::string_view Take(std::uint64_t size, const std::string& what)
    {
        if (size > Bytes.size() - At)
            Refuse("it is truncated (" + what + " runs past the end of the file)");
        const std::string_view part = Bytes.substr(At, static_cast<std::size_t>(size));
        At += static_cast<std::size_t>(size);
        return part;
    }

    // A table of `count` texts of `size` bytes, each ending within its size;
    // with `endMarked`, the table ends early at "__END__".
    std::vector<std::string> Table(std::string_view name, std::uint64_t count, std::uint64_t size, bool endMarked)
    {
        const std::string what = "its table of " + std::string(name);
        const std::string_view table = Take(count * size, what);
        std::vector<std::string> entries;
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::string_view entry = table.substr(static_cast<std::size_t>(i * size), static_cast<std::size_t>(size));
            const std::size_t end = entry.find('\0');
            if (end == std::string_view::npos)
                Refuse(what + " holds an entry that does not end");
            if (endMarked && entry.substr(0, end) == TableEnd)
                break;
            entries.emplace_back(entry.substr(0, end));
        }
        return entries;
    }

    void EndMarkedTable(std::string_view name, const std::string& bitsKey, const std::string& sizeKey)
    {
        const std::uint32_t bits = Width(bitsKey, MostTableBits);
        Table(name, std::uint64_t{1} << bits, Head.Get(sizeKey, 1, LongestTableEntry), true);
    }

    void CheckTables(std::uint32_t constituents)
    {
        Table("level units", Head.Get("[LEVEL UNIT TYPES]", 1, 255), Head.Get("[LEVEL UNIT SIZE]", 1, LongestTableEntry),
              false);
        const auto directionUnits = Table("direction units", Head.Get("[DIRECTION UNIT TYPES]", 1, 255),
                                          Head.Get("[DIRECTION UNIT SIZE]", 1, LongestTableEntry), false);
        // libtcd looks this unit up for every record it reads, and stops the
        // program when it is missing or first.
        bool degreesTrue = false;
        for (std::size_t i = 1; i < directionUnits.size(); ++i)
            degreesTrue = degreesTrue || directionUnits[i] == "degrees true";
        if (!degreesTrue || directionUnits[0] == "degrees true")
            Refuse("its table of direction units lacks \"degrees true\"");
        EndMarkedTable("restrictions", "[RESTRICTION BITS]", "[RESTRICTION SIZE]");
        EndMarkedTable("time zones", "[TZFILE BITS]", "[TZFILE SIZE]");
        EndMarkedTable("countries", "[COUNTRY BITS]", "[COUNTRY SIZE]");
        EndMarkedTable("datums", "[DATUM BITS]", "[DATUM SIZE]");
        EndMarkedTable("legal notices", "[LEGALESE BITS]", "[LEGALESE SIZE]");
        Table("constituents", constituents, Head.Get("[CONSTITUENT SIZE]", 1, LongestTableEntry), false);
    }

    // Values of `bits` bits plus `offset` as libtcd adds them, in 32 bits:
    // each must stay within least..INT32_MAX.
    void OffsetValues(std::string_view name, std::uint64_t count, std::string_view prefix, std::int64_t least)
    {
        const std::string key(prefix);
        const std::uint32_t bits = Width("[" + key + " BITS]", 31);
        Head.Get("[" + key + " SCALE]", 1, std::numeric_limits<std::uint32_t>::max());
        const std::string offsetKey = "[" + key + " OFFSET]";
        const std::int64_t offset = Head.Get(offsetKey, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max());
        const std::string what = "its " + std::string(name);
        Bits values(Take(BytesOfBits(count * bits), what), what);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::int64_t value = values.Unsigned(bits) + offset;
            if (value < least || value > std::numeric_limits<std::int32_t>::max())
                Refuse(what + " hold a value out of range");
        }
    }

    void CheckYearTables(std::uint32_t constituents, std::uint32_t years)
    {
        const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
        OffsetValues("speeds", constituents, "SPEED", 0);
        OffsetValues("equilibrium arguments", std::uint64_t{constituents} * years, "EQUILIBRIUM", lowest);
        OffsetValues("node factors", std::uint64_t{constituents} * years, "NODE", 1);
    }

    Widths RecordWidths() const
    {
        Widths w{};
        w.RecordSize = Width("[RECORD SIZE BITS]");
        w.RecordType = Width("[RECORD TYPE BITS]");
        w.Latitude = Width("[LATITUDE BITS]", 31);
        w.Longitude = Width("[LONGITUDE BITS]", 31);
        w.Tzfile = Width("[TZFILE BITS]", MostTableBits);
        w.Station = Width("[STATION BITS]", 31);
        w.Country = Width("[COUNTRY BITS]", MostTableBits);
        w.Restriction = Width("[RESTRICTION BITS]", MostTableBits);
        w.Legalese = Width("[LEGALESE BITS]", MostTableBits);
        w.Date = Width("[DATE BITS]");
        w.DirectionUnit = Width("[DIRECTION UNIT BITS]");
        w.Direction = Width("[DIRECTION BITS]");
        w.LevelUnit = Width("[LEVEL UNIT BITS]");
        w.DatumOffset = Width("[DATUM OFFSET BITS]", 31);
        w.Datum = Width("[DATUM BITS]", MostTableBits);
        w.Time = Width("[TIME BITS]", 31);
        w.MonthsOnStation = Width("[MONTHS ON STATION BITS]");
        w.Confidence = Width("[CONFIDENCE VALUE BITS]");
        w.Constituent = Width("[CONSTITUENT BITS]");
        w.Amplitude = Width("[AMPLITUDE BITS]");
        w.Epoch = Width("[EPOCH BITS]");
        w.LevelAdd = Width("[LEVEL ADD BITS]", 31);
        w.LevelMultiply = Width("[LEVEL MULTIPLY BITS]");
        for (const char* scale : {"[AMPLITUDE SCALE]", "[EPOCH SCALE]", "[LATITUDE SCALE]", "[LONGITUDE SCALE]",
                                  "[DATUM OFFSET SCALE]", "[LEVEL ADD SCALE]", "[LEVEL MULTIPLY SCALE]"})
            Head.Get(scale, 1, std::numeric_limits<std::uint32_t>::max());
        return w;
    }

    void CheckRecords(std::uint32_t records, std::uint32_t constituents)
    {
        const Widths w = RecordWidths();
        for (std::uint32_t i = 0; i < records; ++i) {
            const std::string what = "its station record " + Number(i + 1);
            if (At >= Bytes.size() || BytesOfBits(w.RecordSize) > Bytes.size() - At)
                Refuse("its header claims " + Number(records) + " stations but it holds " + Number(i));
            const std::uint32_t size = Bits(Bytes.substr(At), what).Unsigned(w.RecordSize);
            if (size > Bytes.size() - At)
                Refuse("its header claims " + Number(records) + " stations but it holds " + Number(i));
            CheckRecord(Bits(Take(size, what), what), w, records, constituents, what);
        }
    }

    static void CheckRecord(Bits record, const Widths& w, std::uint32_t records, std::uint32_t constituents,
                            const std::string& what)
    {
        record.Unsigned(w.RecordSize);
        const std::uint32_t type = record.Unsigned(w.RecordType);
        if (type != ReferenceStation && type != SubordinateStation)
            Refuse(what + " is of an unknown type (" + Number(type) + ")");
        record.Signed(w.Latitude);
        record.Signed(w.Longitude);
        record.Unsigned(w.Tzfile);
        record.String(); // name
        const std::int64_t reference = record.Signed(w.Station);
        if (type == SubordinateStation && (reference < 0 || reference >= records))
            Refuse(what + " refers to a reference station that is not there");
        record.Unsigned(w.Country);
        record.String(); // source
        record.Unsigned(w.Restriction);
        record.String(); // comments
        record.String(); // notes
        record.Unsigned(w.Legalese);
        record.String(); // station id context
        record.String(); // station id
        record.Unsigned(w.Date);
        record.String(); // extra fields
        record.Unsigned(w.DirectionUnit);
        record.Unsigned(w.Direction);
        record.Unsigned(w.Direction);
        record.Unsigned(w.LevelUnit);
        if (type == ReferenceStation) {
            record.Signed(w.DatumOffset);
            record.Unsigned(w.Datum);
            record.Signed(w.Time);
            record.Unsigned(w.Date);
            record.Unsigned(w.MonthsOnStation);
            record.Unsigned(w.Date);
            record.Unsigned(w.Confidence);
            const std::uint32_t count = record.Unsigned(w.Constituent);
            for (std::uint32_t i = 0; i < count; ++i) {
                if (record.Unsigned(w.Constituent) >= constituents)
                    Refuse(what + " names a constituent that is not there");
                record.Unsigned(w.Amplitude);
                record.Unsigned(w.Epoch);
            }
        } else {
            for (int side = 0; side < 2; ++side) {
                record.Signed(w.Time);
                record.Signed(w.LevelAdd);
                record.Unsigned(w.LevelMultiply);
            }
            record.Signed(w.Time);
            record.Signed(w.Time);
        }
    }

    std::string_view Bytes;
    Header Head;
    std::size_t At = 0;
};

} // namespace

std::uint32_t Crc32(std::string_view bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = ~0u;
    for (const char b : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

TcdSummary CheckTcd(std::string_view bytes)
{
    return Checker(bytes).Check();
}

} // namespace ebbflow
