#include "timezones/zone_files.h"

#include "timezones/time_errors.h"
#include "timezones/tzif.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace timezones {
namespace {

constexpr std::size_t MaxListBytes = 1024 * 1024; // tzdata.zi is about 110 KiB

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '+' || c == '.';
}

// The bytes of the regular file `path`, at most `limit` of them. A missing
// file gives nothing; any other failure throws ZoneFileError.
std::optional<std::string> ReadBounded(const std::string& path, std::size_t limit, const char* limitText)
{
    // Non-blocking, so that a pipe put in the file's place cannot hold us
    // before fstat has seen it is not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw ZoneFileError(path, std::strerror(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw ZoneFileError(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) throw ZoneFileError(path, "it is not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > limit)
        throw ZoneFileError(path, std::string("it is larger than ") + limitText);
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw ZoneFileError(path, std::strerror(errno));
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) // it grew while being read
            throw ZoneFileError(path, std::string("it is larger than ") + limitText);
    }
}

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The `index`th field of a line split at blanks or tabs.
std::string_view Field(std::string_view line, std::size_t index, bool tabsOnly)
{
    const char* separators = tabsOnly ? "\t" : " \t";
    std::size_t start = 0;
    for (std::size_t i = 0;; ++i) {
        if (!tabsOnly) start = std::min(line.find_first_not_of(separators, start), line.size());
        const std::size_t end = std::min(line.find_first_of(separators, start), line.size());
        if (i == index) return line.substr(start, end - start);
        if (end == line.size()) return {};
        start = end + 1;
    }
}

// The names a list file gives: tzdata.zi's "Z name ..." and
// "L target name", or a .tab file's third column.
std::vector<std::string> NamesInList(std::string_view text, bool zi)
{
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string_view name;
        if (zi && line.starts_with("Z "))
            name = Field(line, 1, false);
        else if (zi && line.starts_with("L "))
            name = Field(line, 2, false);
        else if (!zi && !line.empty() && line.front() != '#')
            name = Field(line, 2, true);
        if (IsZoneName(name)) names.emplace_back(name);
    }
    return names;
}

} // namespace

bool IsZoneName(std::string_view name)
{
    if (name.empty() || name.size() > MaxZoneNameLength) return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.front() == '-' ||
            !std::all_of(part.begin(), part.end(), IsNameCharacter))
            return false;
        start = end + 1;
    }
    return true;
}

Zone LoadZone(std::string_view name, const std::string& directory)
{
    if (!IsZoneName(name)) throw TimeError("'" + std::string(name) + "' is not a time-zone name");
    const std::string path = directory + "/" + std::string(name);
    const std::optional<std::string> bytes = ReadBounded(path, MaxTzifBytes, "64 KiB");
    if (!bytes) throw TimeError("There is no time zone " + std::string(name) + " in " + directory);
    return Zone::FromTzif(std::string(name), *bytes, path);
}

std::vector<std::string> ZoneNames(const std::string& directory)
{
    struct List {
        const char* file;
        bool zi;
    };
    for (const List list : {List{"tzdata.zi", true}, List{"zone1970.tab", false}, List{"zone.tab", false}}) {
        const std::optional<std::string> text = ReadBounded(directory + "/" + list.file, MaxListBytes, "1 MiB");
        if (!text) continue;
        std::vector<std::string> names = NamesInList(*text, list.zi);
        std::erase_if(names, [&](const std::string& name) { return !IsRegularFile(directory + "/" + name); });
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        return names;
    }
    throw ZoneFileError(directory, "it holds none of tzdata.zi, zone1970.tab and zone.tab");
}

Zone ParseZoneArgument(std::string_view text, std::optional<double> longitudeDeg, const std::string& directory)
{
    if (text.starts_with(':')) text.remove_prefix(1);
    if (text == "UTC") return Zone::Utc();
    if (text == "ZT") {
        if (!longitudeDeg) throw TimeError("ZT needs the position's longitude");
        return Zone::Nautical(*longitudeDeg);
    }
    if (!IsZoneName(text))
        throw TimeError("'" + std::string(text) + "' is not a time zone: give UTC, ZT or a name such as Europe/London");
    return LoadZone(text, directory);
}

} // namespace timezones
