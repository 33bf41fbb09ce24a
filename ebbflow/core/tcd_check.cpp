#include "ebbflow/core/tcd_check.h"

#include "ebbflow/core/tcd_header.h"
#include "ebbflow/core/tide_errors.h"

#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

namespace ebbflow {
namespace {

constexpr std::string_view TableEnd = "__END__";
// libtcd keeps a reference station's amplitudes in arrays of 255.
constexpr std::uint32_t MostConstituents = 255;
// Entries of the tables that end with "__END__" are counted by their bits;
// libtcd keeps the time zone and country indexes in 16-bit signed fields.
constexpr std::uint32_t MostTableBits = 15;
constexpr std::uint32_t LongestTableEntry = 10000;
// The longest one-line text libtcd keeps, its zero byte included (tcd.h's
// ONELINER_LENGTH).
constexpr std::uint64_t TcdLineLength = 90;
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

    // Skips a string, ended by a zero byte; returns its length.
    std::uint64_t String()
    {
        std::uint64_t length = 0;
        while (Unsigned(8) != 0)
            ++length;
        return length;
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
        // libtcd reads every record's first fields, the name among them,
        // into a buffer sized for a name of a line, and asserts (aborting
        // the program) where one runs on past it.
        if (record.String() >= TcdLineLength)
            Refuse(what + " has a name longer than " + Number(TcdLineLength - 1) + " characters");
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
    TcdHeader Head;
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
