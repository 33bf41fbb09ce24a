#include "wayline/files/gpx_read.h"

#include "wayline/core/utc_time.h"
#include "wayline/files/leg_kind_extension.h"

#include <QXmlStreamReader>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace wayline {
namespace {

constexpr double QuarterTurn = 90.0, HalfTurn = 180.0; // degrees

// The GPX 1.1 elements of a route and of a route point that are kept as
// they were (name and time, and the points, are read).
constexpr std::array<const char*, 6> RouteElements = {"cmt", "desc", "src", "link", "number", "type"};
constexpr std::array<const char*, 16> PointElements = {"ele", "magvar", "geoidheight", "cmt", "desc", "src",
                                                        "link", "sym", "type", "fix", "sat", "hdop", "vdop",
                                                        "pdop", "ageofdgpsdata", "dgpsid"};

// Why a file is refused, without its name.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Utf8(QStringView text)
{
    return text.toString().toStdString();
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A text of the file as a message quotes it: not beyond a line's length.
std::string Quoted(const std::string& text)
{
    constexpr std::size_t Longest = 64;
    if (text.size() <= Longest)
        return text;
    std::size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) // not within a character
        --cut;
    return text.substr(0, cut) + "...";
}

// A decimal number as XML writes one (blanks around it, a sign), or none.
std::optional<double> Decimal(const std::string& text)
{
    std::string t = Trimmed(text);
    if (t.starts_with('+') && t.size() > 1 && t[1] != '-')
        t.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

// Every element of `node` in the namespace the file's GPX elements were
// read in, moved to GPX 1.1's.
void InGpx11(KeptNode& node, const std::string& sourceNamespace)
{
    if (!node.IsElement())
        return;
    if (node.NamespaceUri == sourceNamespace) {
        node.NamespaceUri = Gpx11Namespace;
        node.Prefix.clear();
    }
    for (KeptNode& child : node.Children)
        InGpx11(child, sourceNamespace);
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : Xml(bytes) {}

    GpxDocument Document()
    {
        while (!Xml.atEnd() && Next() != QXmlStreamReader::StartElement) {
        }
        CheckXml();
        if (Xml.atEnd())
            throw Refusal("it is not a GPX file (it holds no element)");
        const QString ns = Xml.namespaceUri().toString();
        if (Xml.name() != u"gpx")
            throw Refusal("it is not a GPX file (its root element is <" + Quoted(Utf8(Xml.qualifiedName())) + ">)");
        if (ns != Gpx11Namespace && ns != Gpx10Namespace && !ns.isEmpty())
            throw Refusal("it is not a GPX file (its <gpx> is of the namespace '" + Quoted(ns.toStdString()) + "')");
        GpxNs = ns.toStdString();
        GpxDocument document;
        document.Version10 = ns == Gpx10Namespace;
        while (Xml.readNextStartElement()) {
            if (!InGpx())
                Xml.skipCurrentElement();
            else if (Xml.name() == u"rte")
                document.Routes.push_back(ReadRoute(document.Routes.size()));
            else {
                document.Tracks += Xml.name() == u"trk";
                document.Waypoints += Xml.name() == u"wpt";
                Xml.skipCurrentElement();
            }
        }
        // What follows the root must be comments and blanks.
        while (!Xml.atEnd())
            Next();
        CheckXml();
        if (document.Routes.empty())
            throw Refusal(NoRoute(document));
        return document;
    }

private:
    [[noreturn]] void Refuse(const std::string& why) const
    {
        throw Refusal("line " + std::to_string(Xml.lineNumber()) + ": " + why);
    }

    // The next token; a document type declaration is refused before any
    // entity it declares could be used.
    QXmlStreamReader::TokenType Next()
    {
        const QXmlStreamReader::TokenType token = Xml.readNext();
        if (token == QXmlStreamReader::DTD)
            Refuse("a document type declaration (<!DOCTYPE ...>) is not taken in a GPX file");
        if (token == QXmlStreamReader::EntityReference)
            Refuse("the entity reference &" + Quoted(Utf8(Xml.name())) + "; is not taken in a GPX file");
        return token;
    }

    void CheckXml() const
    {
        if (Xml.hasError())
            throw Refusal("line " + std::to_string(Xml.lineNumber()) + ", column " +
                          std::to_string(Xml.columnNumber()) + ": it is not well-formed XML (" +
                          Utf8(Xml.errorString()) + ")");
    }

    bool InGpx() const { return Xml.namespaceUri() == QString::fromStdString(GpxNs); }

    std::string NoRoute(const GpxDocument& d) const
    {
        const auto count = [](std::size_t n, const char* one) {
            return std::to_string(n) + " " + one + (n == 1 ? "" : "s");
        };
        std::string what = "it holds no route";
        if (d.Tracks > 0 && d.Waypoints > 0)
            what += ", only " + count(d.Tracks, "track") + " and " + count(d.Waypoints, "waypoint");
        else if (d.Tracks > 0 || d.Waypoints > 0)
            what += ", only " + (d.Tracks > 0 ? count(d.Tracks, "track") : count(d.Waypoints, "waypoint"));
        return what;
    }

    std::string Text()
    {
        const QString text = Xml.readElementText();
        CheckXml();
        if (static_cast<std::size_t>(text.size()) > LargestGpxName)
            Refuse("a <" + Utf8(Xml.name()) + "> is longer than " + std::to_string(LargestGpxName) + " characters");
        return text.toStdString();
    }

    KeptNode Kept()
    {
        try {
            KeptNode node = ReadKept(Xml, Budget, Gpx11Namespace);
            CheckXml();
            return node;
        } catch (const KeptTooLarge& e) {
            Refuse(e.what());
        }
    }

    // A GPX element of a route or point: kept among its elements where
    // GPX 1.1 has it there, among its extensions otherwise.
    void KeepGpx(std::vector<KeptNode>& elements, std::vector<KeptNode>& extensions, bool known)
    {
        KeptNode node = Kept();
        if (known) {
            InGpx11(node, GpxNs);
            elements.push_back(std::move(node));
        } else {
            extensions.push_back(std::move(node));
        }
    }

    template <std::size_t N>
    bool Among(const std::array<const char*, N>& names) const
    {
        for (const char* name : names)
            if (Xml.name() == QLatin1StringView(name))
                return true;
        return false;
    }

    std::optional<double> Speed(const std::string& text)
    {
        if (Trimmed(text).empty())
            return std::nullopt;
        const std::optional<double> knots = Decimal(text);
        if (!knots || !std::isfinite(*knots) || *knots < 0)
            Refuse("the planned speed '" + Quoted(Trimmed(text)) + "' is not a speed in knots");
        return knots;
    }

    std::optional<double> Time(const std::string& text, const char* what)
    {
        if (Trimmed(text).empty())
            return std::nullopt;
        const std::optional<double> t = ReadUtcText(Trimmed(text));
        if (!t)
            Refuse(std::string("the ") + what + " '" + Quoted(Trimmed(text)) + "' is not a date and time");
        return t;
    }

    // The children of <extensions>, or a foreign element in a route or point.
    void Extensions(std::vector<KeptNode>& into, bool wrapped, bool atPoint)
    {
        const auto one = [&] {
            into.push_back(Kept());
            Understand(into.back(), atPoint);
        };
        if (!wrapped) {
            one();
            return;
        }
        while (Xml.readNextStartElement())
            one();
        CheckXml();
    }

    // Reads what this program understands in an extension just kept.
    void Understand(const KeptNode& node, bool atPoint)
    {
        if (atPoint && node.NamespaceUri == WaylineNamespace) {
            try {
                if (const std::optional<LegKind> kind = LegKindOf(node)) {
                    if (PointKind)
                        Refuse("the route point holds wayline:" + node.Name + " twice");
                    PointKind = kind;
                }
            } catch (const LegKindRefused& e) {
                Refuse(e.what());
            }
        }
        if (node.NamespaceUri != OpenCpnNamespace)
            return;
        // Said twice, a value would be either; a writer says it once.
        const auto once = [&](bool& seen) {
            if (seen)
                Refuse("the " + std::string(atPoint ? "route point" : "route") + " holds opencpn:" + node.Name +
                       " twice");
            seen = true;
        };
        if (!atPoint && node.Name == "planned_speed") {
            once(SeenSpeed);
            RouteSpeed = Speed(node.InnerText());
        } else if (!atPoint && node.Name == "planned_departure") {
            once(SeenDeparture);
            Planned = Time(node.InnerText(), "planned departure");
        } else if (atPoint && node.Name == "rte_properties") {
            once(SeenProperties);
            for (const KeptAttribute& a : node.Attributes)
                if (a.NamespaceUri.empty() && a.Name == "planned_speed")
                    PointSpeed = Speed(a.Value);
        }
    }

    double Coordinate(const char* name, double bound)
    {
        const QXmlStreamAttributes attributes = Xml.attributes();
        if (!attributes.hasAttribute(QLatin1StringView(name)))
            Refuse(std::string("a route point has no ") + name);
        const std::string text = Utf8(attributes.value(QLatin1StringView(name)));
        const std::optional<double> value = Decimal(text);
        if (!value || !(std::fabs(*value) <= bound))
            Refuse(std::string("the ") + name + " '" + Quoted(text) + "' of a route point is not a " +
                   (bound == QuarterTurn ? "latitude (-90 to 90)" : "longitude (-180 to 180)"));
        return *value;
    }

    void ReadPoint(GpxRoute& route)
    {
        if (route.Plan.Points.size() == LargestRoutePoints)
            Refuse("a route holds more than " + std::to_string(LargestRoutePoints) + " points");
        Waypoint p;
        p.Lat = Coordinate("lat", QuarterTurn);
        p.Lon = Coordinate("lon", HalfTurn);
        GpxPoint extra;
        PointSpeed.reset();
        PointKind.reset();
        SeenProperties = false;
        while (Xml.readNextStartElement()) {
            if (!InGpx())
                Extensions(extra.Extensions, false, true);
            else if (Xml.name() == u"name")
                p.Name = Text();
            else if (Xml.name() == u"time")
                extra.Time = Time(Text(), "time");
            else if (Xml.name() == u"extensions")
                Extensions(extra.Extensions, true, true);
            else
                KeepGpx(extra.Elements, extra.Extensions, Among(PointElements));
        }
        CheckXml();
        route.Plan.Points.push_back(std::move(p));
        route.Points.push_back(std::move(extra));
        PointSpeeds.push_back(PointSpeed);
        PointKinds.push_back(PointKind);
    }

    GpxRoute ReadRoute(std::size_t before)
    {
        if (before == LargestRoutes)
            Refuse("the file holds more than " + std::to_string(LargestRoutes) + " routes");
        GpxRoute route;
        RouteSpeed.reset();
        Planned.reset();
        SeenSpeed = SeenDeparture = false;
        PointSpeeds.clear();
        PointKinds.clear();
        while (Xml.readNextStartElement()) {
            if (!InGpx())
                Extensions(route.Extensions, false, false);
            else if (Xml.name() == u"name")
                route.Plan.Name = Text();
            else if (Xml.name() == u"rtept")
                ReadPoint(route);
            else if (Xml.name() == u"extensions")
                Extensions(route.Extensions, true, false);
            else
                KeepGpx(route.Elements, route.Extensions, Among(RouteElements));
        }
        CheckXml();
        route.Plan.Legs.assign(route.Plan.Points.empty() ? 0 : route.Plan.Points.size() - 1, Leg{});
        route.Plan.Speed = RouteSpeed;
        // A point's speed is the leg's that ends there; the route's speed,
        // which OpenCPN writes at every point, and 0 (none set) are no
        // speed of the leg's own.
        for (std::size_t i = 1; i < PointSpeeds.size(); ++i)
            if (PointSpeeds[i] && *PointSpeeds[i] > 0 && PointSpeeds[i] != RouteSpeed)
                route.Plan.Legs[i - 1].Speed = PointSpeeds[i];
        // A point's leg kind is the leg's that ends there, as its speed.
        for (std::size_t i = 1; i < PointKinds.size(); ++i)
            route.Plan.Legs[i - 1].Kind = PointKinds[i].value_or(LegKind::Rhumb);
        try {
            CheckRoute(route.Plan); // a leg said to run along a parallel whose ends are not on one
        } catch (const RouteError& e) {
            Refuse(e.what());
        }
        if (Planned) {
            route.Plan.Departure = Planned;
            route.Departure = DepartureSource::Planned;
        } else if (!route.Points.empty() && route.Points.front().Time) {
            route.Plan.Departure = route.Points.front().Time;
            route.Departure = DepartureSource::FirstPointTime;
        }
        return route;
    }

    QXmlStreamReader Xml;
    KeptBudget Budget;
    std::string GpxNs; // the namespace of the file's GPX elements
    std::optional<double> RouteSpeed, Planned, PointSpeed;
    std::vector<std::optional<double>> PointSpeeds;
    std::optional<LegKind> PointKind;
    std::vector<std::optional<LegKind>> PointKinds;
    bool SeenSpeed = false, SeenDeparture = false, SeenProperties = false;
};

std::string Prefix(const QString& fileName)
{
    return "The route could not be opened from " + fileName.toStdString() + ": ";
}

} // namespace

GpxDocument ReadGpx(const QByteArray& bytes, const QString& fileName)
{
    if (static_cast<std::size_t>(bytes.size()) > LargestGpxFile)
        throw GpxError(Prefix(fileName) + "it is larger than " + std::to_string(LargestGpxFile / (1024 * 1024)) +
                       " MiB, more than any route file");
    try {
        return Reader(bytes).Document();
    } catch (const Refusal& why) {
        throw GpxError(Prefix(fileName) + why.what());
    }
}

const GpxRoute& ChooseRoute(const GpxDocument& document, std::optional<std::size_t> index, const QString& fileName)
{
    const std::size_t n = document.Routes.size();
    if (index && *index >= n)
        throw GpxError(Prefix(fileName) + "it holds " + std::to_string(n) + (n == 1 ? " route" : " routes") +
                       ", not a route " + std::to_string(*index + 1));
    return document.Routes.at(index.value_or(0));
}

} // namespace wayline
