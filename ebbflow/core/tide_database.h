// A tide-constituent database (TCD) read whole into immutable values: the
// constituents with their speeds, equilibrium arguments and node factors
// year by year, and every station with its harmonic constants or offsets.
//
// Debian's xtide-data file is read by default: public-domain data, mostly of
// US waters, marked "not for navigation" by its makers. A file the user
// names is never trusted: it is checked whole (tcd_check.h) before libtcd
// reads it, and libtcd reads a private copy of the bytes checked, so a file
// changed meanwhile cannot slip past the check.
//
// Texts are UTF-8 (the file's are ISO-8859-1).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ebbflow {

inline constexpr std::string_view DefaultTideFile = "/usr/share/xtide/harmonics-dwf-20191229-free.tcd";
// Far above Debian's file (2 MB); a larger file is refused unread.
inline constexpr std::size_t LargestTideFile = 64u << 20;

enum class StationKind { ReferenceTide, SubordinateTide, ReferenceCurrent, SubordinateCurrent };

// The units of a station's heights or speeds. Hydraulic current stations
// keep their constants in knots squared and their datum and offsets in
// knots.
enum class Units { Feet, Metres, Knots, KnotsSquared };

// One harmonic constituent of a reference station.
struct Term {
    int Constituent = 0;  // index into the database's constituents
    double Amplitude = 0; // H, in the station's units
    double Epoch = 0;     // kappa, degrees, referred to the station's meridian
};

// What a subordinate station applies to one kind of event of its
// reference station.
struct EventOffset {
    int Minutes = 0;  // added to the time
    double Ratio = 1; // the reference's value multiplied by it...
    double Add = 0;   // ...then this added, in the station's units
};

struct Station {
    int Record = 0;    // its index in the file, 0-based
    std::string Name;
    StationKind Kind = StationKind::ReferenceTide;
    double Latitude = 0, Longitude = 0; // degrees, north and east positive
    bool PositionKnown = true;           // false for the file's 0, 0
    std::string Zone;                    // time-zone name, "Pacific/Honolulu"
    std::string Country, State;          // the region; State may be empty
    Units Unit = Units::Feet;
    // The datum heights refer to ("Mean Lower Low Water"): a reference
    // tide's own, a subordinate tide's reference's; empty for currents.
    std::string Datum;
    std::string Notes;       // notes the data's makers want shown with it
    std::string Restriction; // "Public domain"
    std::string Legalese;    // a legal notice to show with it, or empty
    bool SpeedsUnreliable = false; // legalese "IGNORE VELOCITIES": times only

    // Reference stations
    double DatumOffset = 0;      // Z0, in the station's units (knots for knots squared)
    int ZoneOffsetMinutes = 0;   // the meridian its epochs refer to, east of UTC
    std::vector<Term> Terms;

    // Subordinate stations
    int Reference = -1;           // record of its reference station
    EventOffset High, Low;        // high water / max flood; low water / max ebb
    std::optional<int> FloodBegins, EbbBegins; // minutes, slack before flood / ebb

    // Currents: directions (degrees true) of the flood and the ebb, if given
    std::optional<double> FloodDirection, EbbDirection;

    bool IsCurrent() const { return Kind == StationKind::ReferenceCurrent || Kind == StationKind::SubordinateCurrent; }
    bool IsReference() const { return Kind == StationKind::ReferenceTide || Kind == StationKind::ReferenceCurrent; }
};

// The constituents: speeds and their arguments and factors for each year.
struct Constituents {
    std::vector<std::string> Names;
    std::vector<double> Speeds; // degrees per hour
    int FirstYear = 0, LastYear = 0;
    std::vector<float> Equilibrium; // V0 + u, degrees: [constituent * years + year - FirstYear]
    std::vector<float> NodeFactor;  // f, the same layout

    std::size_t Years() const { return static_cast<std::size_t>(LastYear - FirstYear + 1); }
    double EquilibriumOf(int constituent, int year) const;
    double NodeFactorOf(int constituent, int year) const;
};

// The database's own texts, for display beside its predictions.
struct DatabaseNotice {
    std::string Version;      // the writer's version text
    std::string LastModified; // "2019-12-29 12:43 EST"
    std::vector<std::string> Restrictions; // the terms its stations carry ("Public domain")
    std::vector<std::string> Legaleses;    // their legal notices, "NULL" left out
};

class TideDatabase {
public:
    // Reads the file `file`. Throws TideDataError ("The tide data could not
    // be read from <file>: <reason>") for a file that is missing, not a
    // regular file, larger than LargestTideFile, or not a TCD file libtcd 2
    // reads whole; nothing of it is kept then.
    static TideDatabase Open(const std::string& file = std::string(DefaultTideFile));

    // The same from the bytes of a file named `name` (the fuzz target's way in).
    static TideDatabase FromBytes(const std::string& name, std::string_view bytes);

    const std::string& File() const { return FileName; }
    const DatabaseNotice& Notice() const { return Texts; }
    const Constituents& Harmonics() const { return Table; }
    const std::vector<Station>& Stations() const { return All; }
    // The station of record `record`; throws std::out_of_range outside.
    const Station& StationAt(int record) const { return All.at(static_cast<std::size_t>(record)); }

private:
    TideDatabase() = default;

    std::string FileName;
    DatabaseNotice Texts;
    Constituents Table;
    std::vector<Station> All;
};

} // namespace ebbflow
