// The one place that calls libtcd. libtcd keeps one open database in
// global state, so every use of it is serialised here, and the database is
// read whole and closed again before anything else happens.
#include "ebbflow/core/tide_database.h"

#include "ebbflow/core/tcd_check.h"
#include "ebbflow/core/text_fold.h"
#include "ebbflow/core/tide_errors.h"

#include <tcd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <set>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace ebbflow {
namespace {

constexpr int NoDirection = 361;
constexpr int MinutesPerHour = 60;
constexpr int HhmmHours = 100; // TCD times are hours * 100 + minutes

std::mutex& LibtcdLock()
{
    static std::mutex lock;
    return lock;
}

[[noreturn]] void Refuse(const std::string& file, const std::string& reason)
{
    throw TideDataError("The tide data could not be read from " + file + ": " + reason);
}

// The checked bytes, where libtcd can open them by name: an anonymous
// memory file, or a temporary file removed again.
class Snapshot {
public:
    explicit Snapshot(std::string_view bytes)
    {
#ifdef __linux__
        Fd = memfd_create("vorlan-tide-data", MFD_CLOEXEC);
        if (Fd >= 0)
            Name = "/proc/self/fd/" + std::to_string(Fd);
#endif
        if (Fd < 0) {
            std::string pattern = (std::filesystem::temp_directory_path() / "vorlan-tide-XXXXXX").string();
            Fd = mkstemp(pattern.data());
            if (Fd < 0)
                throw TideDataError(std::strerror(errno));
            Name = Removed = pattern;
        }
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = write(Fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                throw TideDataError(std::strerror(errno));
            done += static_cast<std::size_t>(n);
        }
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    ~Snapshot()
    {
        if (!Removed.empty())
            unlink(Removed.c_str());
        close(Fd);
    }

    std::string Name;

private:
    int Fd = -1;
    std::string Removed;
};

// An open libtcd database, closed however the reading ends.
class OpenTcd {
public:
    explicit OpenTcd(std::string name) : Name(std::move(name))
    {
        if (!open_tide_db(Name.data()))
            throw TideDataError("libtcd could not read it");
    }
    OpenTcd(const OpenTcd&) = delete;
    OpenTcd& operator=(const OpenTcd&) = delete;
    ~OpenTcd() { close_tide_db(); }

private:
    std::string Name;
};

int HhmmMinutes(int hhmm, const std::string& what)
{
    const int magnitude = std::abs(hhmm);
    if (magnitude % HhmmHours >= MinutesPerHour)
        throw TideDataError(what + " has a time that is not hours and minutes (" + std::to_string(hhmm) + ")");
    const int minutes = magnitude / HhmmHours * MinutesPerHour + magnitude % HhmmHours;
    return hhmm < 0 ? -minutes : minutes;
}

std::optional<double> Direction(int degrees)
{
    if (degrees < 0 || degrees > 360 || degrees == NoDirection)
        return std::nullopt;
    return degrees == 360 ? 0.0 : degrees;
}

// The value of "key:value" in the record's extra fields, or empty.
std::string ExtraField(const char* fields, std::string_view key)
{
    std::string_view text(fields);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == ':')
            return Latin1ToUtf8(line.substr(key.size() + 1));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return {};
}

Units UnitsOf(std::string_view name, const std::string& what)
{
    if (name == "feet")
        return Units::Feet;
    if (name == "meters")
        return Units::Metres;
    if (name == "knots")
        return Units::Knots;
    if (name == "knots^2")
        return Units::KnotsSquared;
    throw TideDataError(what + " has unknown units (" + Latin1ToUtf8(name) + ")");
}

Station ReadStation(const TIDE_RECORD& r, std::uint32_t constituents)
{
    Station s;
    s.Record = r.header.record_number;
    s.Name = Latin1ToUtf8(r.header.name);
    const std::string what = "the station " + s.Name;
    s.Unit = UnitsOf(get_level_units(r.level_units), what);
    const bool current = s.Unit == Units::Knots || s.Unit == Units::KnotsSquared;
    const bool reference = r.header.record_type == REFERENCE_STATION;
    s.Kind = reference ? (current ? StationKind::ReferenceCurrent : StationKind::ReferenceTide)
                       : (current ? StationKind::SubordinateCurrent : StationKind::SubordinateTide);
    s.Latitude = r.header.latitude;
    s.Longitude = r.header.longitude;
    if (!(std::abs(s.Latitude) <= 90 && std::abs(s.Longitude) <= 180))
        throw TideDataError(what + " lies off the globe");
    s.PositionKnown = s.Latitude != 0 || s.Longitude != 0;
    std::string zone = Latin1ToUtf8(get_tzfile(r.header.tzfile));
    s.Zone = zone.starts_with(':') ? zone.substr(1) : zone == "Unknown" ? std::string() : zone;
    s.Country = Latin1ToUtf8(get_country(r.country));
    s.State = ExtraField(r.xfields, "State");
    s.Notes = Latin1ToUtf8(r.notes);
    s.Restriction = Latin1ToUtf8(get_restriction(r.restriction));
    const std::string legalese = Latin1ToUtf8(get_legalese(r.legalese));
    s.Legalese = legalese == "NULL" ? std::string() : legalese;
    s.SpeedsUnreliable = s.Legalese == "IGNORE VELOCITIES";
    if (current) {
        s.FloodDirection = Direction(r.max_direction);
        s.EbbDirection = Direction(r.min_direction);
    }
    if (reference) {
        if (!current)
            s.Datum = Latin1ToUtf8(get_datum(r.datum));
        s.DatumOffset = r.datum_offset;
        s.ZoneOffsetMinutes = HhmmMinutes(r.zone_offset, what);
        for (std::uint32_t c = 0; c < constituents; ++c)
            if (r.amplitude[c] > 0)
                s.Terms.push_back(Term{static_cast<int>(c), r.amplitude[c], r.epoch[c]});
    } else {
        s.Reference = r.header.reference_station;
        const auto offset = [&](int time, float add, float ratio) {
            return EventOffset{HhmmMinutes(time, what), ratio == 0 ? 1.0 : ratio, add};
        };
        s.High = offset(r.max_time_add, r.max_level_add, r.max_level_multiply);
        s.Low = offset(r.min_time_add, r.min_level_add, r.min_level_multiply);
        if (r.flood_begins != NULLSLACKOFFSET)
            s.FloodBegins = HhmmMinutes(r.flood_begins, what);
        if (r.ebb_begins != NULLSLACKOFFSET)
            s.EbbBegins = HhmmMinutes(r.ebb_begins, what);
    }
    return s;
}

// Subordinate stations take their reference's datum, and its directions
// where they give none; a reference that is not one of their kind is refused.
void LinkSubordinates(std::vector<Station>& stations)
{
    for (Station& s : stations) {
        if (s.IsReference())
            continue;
        const Station& r = stations[static_cast<std::size_t>(s.Reference)];
        if (!r.IsReference() || r.IsCurrent() != s.IsCurrent())
            throw TideDataError("the station " + s.Name + " refers to " + r.Name +
                                ", which is not a reference station of its kind");
        s.Datum = r.Datum;
        if (!s.FloodDirection)
            s.FloodDirection = r.FloodDirection;
        if (!s.EbbDirection)
            s.EbbDirection = r.EbbDirection;
    }
}

} // namespace

double Constituents::EquilibriumOf(int constituent, int year) const
{
    return Equilibrium[static_cast<std::size_t>(constituent) * Years() + static_cast<std::size_t>(year - FirstYear)];
}

double Constituents::NodeFactorOf(int constituent, int year) const
{
    return NodeFactor[static_cast<std::size_t>(constituent) * Years() + static_cast<std::size_t>(year - FirstYear)];
}

TideDatabase TideDatabase::Open(const std::string& file)
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error); // links followed
    if (error)
        Refuse(file, error.message());
    if (!std::filesystem::is_regular_file(status))
        Refuse(file, "it is not a regular file");
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size > LargestTideFile)
        Refuse(file, "it is larger than " + std::to_string(LargestTideFile >> 20) + " MiB");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        Refuse(file, std::strerror(errno));
    // One byte more than it should hold tells a file that grew meanwhile.
    std::string bytes(std::min<std::uintmax_t>(error ? LargestTideFile : size, LargestTideFile) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        Refuse(file, std::strerror(errno));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > LargestTideFile)
        Refuse(file, "it is larger than " + std::to_string(LargestTideFile >> 20) + " MiB");
    return FromBytes(file, bytes);
}

TideDatabase TideDatabase::FromBytes(const std::string& name, std::string_view bytes)
{
    TideDatabase db;
    db.FileName = name;
    try {
        if (bytes.size() > LargestTideFile)
            throw TideDataError("it is larger than " + std::to_string(LargestTideFile >> 20) + " MiB");
        const TcdSummary summary = CheckTcd(bytes);
        db.Texts.Version = summary.Version;
        db.Texts.LastModified = summary.LastModified;

        const std::lock_guard<std::mutex> hold(LibtcdLock());
        const Snapshot snapshot(bytes);
        const OpenTcd open(snapshot.Name);
        const DB_HEADER_PUBLIC header = get_tide_db_header();
        Constituents& table = db.Table;
        table.FirstYear = header.start_year;
        table.LastYear = header.start_year + static_cast<int>(header.number_of_years) - 1;
        for (std::uint32_t c = 0; c < header.constituents; ++c) {
            const int i = static_cast<int>(c);
            table.Names.push_back(Latin1ToUtf8(get_constituent(i)));
            table.Speeds.push_back(get_speed(i));
            const float* equilibrium = get_equilibriums(i);
            const float* factors = get_node_factors(i);
            table.Equilibrium.insert(table.Equilibrium.end(), equilibrium, equilibrium + header.number_of_years);
            table.NodeFactor.insert(table.NodeFactor.end(), factors, factors + header.number_of_years);
        }
        const auto record = std::make_unique<TIDE_RECORD>();
        std::set<std::string> restrictions, legaleses;
        for (std::uint32_t i = 0; i < header.number_of_records; ++i) {
            if (read_tide_record(static_cast<NV_INT32>(i), record.get()) < 0)
                throw TideDataError("libtcd could not read its station record " + std::to_string(i + 1));
            db.All.push_back(ReadStation(*record, header.constituents));
            restrictions.insert(db.All.back().Restriction);
            if (!db.All.back().Legalese.empty())
                legaleses.insert(db.All.back().Legalese);
        }
        LinkSubordinates(db.All);
        db.Texts.Restrictions.assign(restrictions.begin(), restrictions.end());
        db.Texts.Legaleses.assign(legaleses.begin(), legaleses.end());
    } catch (const TideDataError& e) {
        Refuse(name, e.what());
    }
    return db;
}

} // namespace ebbflow
