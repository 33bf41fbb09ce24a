#include "wayline/files/gpx_write.h"

#include "wayline/core/utc_time.h"
#include "wayline/files/leg_kind_extension.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace wayline {
namespace {

constexpr double FullTurn = 360.0; // degrees
constexpr const char* XsiNamespace = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* XmlNamespace = "http://www.w3.org/XML/1998/namespace"; // xml:lang and the like, never declared
constexpr const char* SchemaLocation = "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd";
constexpr const char* Creator = "VORLAN wayline";

// GPX 1.1's order of the elements of a route and of a point that are
// kept; the point's <time> comes after its first (ele), its <name> after
// its third (geoidheight).
constexpr std::array<const char*, 6> RouteOrder = {"cmt", "desc", "src", "link", "number", "type"};
constexpr std::array<const char*, 16> PointOrder = {"ele", "magvar", "geoidheight", "cmt", "desc", "src",
                                                     "link", "sym", "type", "fix", "sat", "hdop", "vdop",
                                                     "pdop", "ageofdgpsdata", "dgpsid"};
constexpr std::size_t TimeAfter = 1, NameAfter = 3;

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The shortest fixed decimals that read back as the same double: no
// exponent, which XML's decimals do not have.
std::string Decimal(double value)
{
    if (value == 0)
        value = 0; // no "-0"
    std::array<char, 512> buffer{}; // fixed notation of any double
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> NumberIn(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n+");
    if (first == std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto last = text.find_last_not_of(" \t\r\n");
    const auto [end, error] = std::from_chars(text.data() + first, text.data() + last + 1, value);
    if (error != std::errc() || end != text.data() + last + 1)
        return std::nullopt;
    return value;
}

template <std::size_t N>
std::size_t Rank(const std::array<const char*, N>& order, const KeptNode& node)
{
    const auto found = std::ranges::find_if(order, [&](const char* name) { return node.Name == name; });
    return static_cast<std::size_t>(found - order.begin());
}

bool IsOpenCpn(const KeptNode& node, const char* name)
{
    return node.IsElement() && node.NamespaceUri == OpenCpnNamespace && node.Name == name;
}

KeptNode TextElement(const char* name, const std::string& text)
{
    KeptNode node = KeptNode::OfElement(OpenCpnNamespace, "opencpn", name);
    node.Children.push_back(KeptNode::OfText(text));
    return node;
}

// An OpenCPN extension holding `value` as its text: kept as it was where
// it says the same (a blank one says none), its text replaced where not,
// dropped for no value, added where missing.
template <class Read, class Write>
void Update(std::vector<KeptNode>& extensions, const char* name, const std::optional<double>& value, Read read,
            Write write)
{
    const auto it = std::ranges::find_if(extensions, [&](const KeptNode& n) { return IsOpenCpn(n, name); });
    if (it == extensions.end()) {
        if (value)
            extensions.push_back(TextElement(name, write(*value)));
    } else if (read(it->InnerText()) != value) {
        if (value)
            *it = TextElement(name, write(*value));
        else
            extensions.erase(it);
    }
}

std::optional<double> Speed(const std::string& text)
{
    return NumberIn(text);
}

std::optional<double> Instant(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::nullopt;
    return ReadUtcText(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

// The leg's own speed at the point where it ends, in rte_properties; the
// reader takes a speed there equal to the route's as the route's.
void UpdatePointSpeed(std::vector<KeptNode>& extensions, const std::optional<double>& own,
                      const std::optional<double>& routeSpeed)
{
    const auto said = [&](const KeptNode& node) -> std::optional<double> {
        for (const KeptAttribute& a : node.Attributes)
            if (a.NamespaceUri.empty() && a.Name == "planned_speed") {
                const std::optional<double> knots = NumberIn(a.Value);
                return knots && *knots > 0 && knots != routeSpeed ? knots : std::nullopt;
            }
        return std::nullopt;
    };
    const std::optional<double> written = own ? own : routeSpeed;
    for (KeptNode& node : extensions) {
        if (!IsOpenCpn(node, "rte_properties"))
            continue;
        if (said(node) == own)
            return;
        std::erase_if(node.Attributes,
                      [](const KeptAttribute& a) { return a.NamespaceUri.empty() && a.Name == "planned_speed"; });
        if (written)
            node.Attributes.insert(node.Attributes.begin(), {"", "", "planned_speed", Decimal(*written)});
        return;
    }
    if (own) {
        KeptNode node = KeptNode::OfElement(OpenCpnNamespace, "opencpn", "rte_properties");
        node.Attributes.push_back({"", "", "planned_speed", Decimal(*own)});
        extensions.push_back(std::move(node));
    }
}

class Writer {
public:
    explicit Writer(QByteArray& out) : Xml(&out)
    {
        Xml.setAutoFormatting(true);
        Xml.setAutoFormattingIndent(2);
    }

    void Document(const std::vector<GpxRoute>& routes)
    {
        std::vector<std::pair<std::string, std::string>> used = {{XsiNamespace, "xsi"}, {OpenCpnNamespace, "opencpn"}};
        const auto notRhumb = [](const Leg& leg) { return leg.Kind != LegKind::Rhumb; };
        if (std::ranges::any_of(routes, [&](const GpxRoute& r) { return std::ranges::any_of(r.Plan.Legs, notRhumb); }))
            used.emplace_back(WaylineNamespace, "wayline");
        for (const GpxRoute& route : routes) {
            const auto collect = [&](const std::vector<KeptNode>& nodes) {
                for (const KeptNode& node : nodes)
                    CollectNamespaces(node, used);
            };
            collect(route.Elements);
            collect(route.Extensions);
            for (const GpxPoint& point : route.Points) {
                collect(point.Elements);
                collect(point.Extensions);
            }
        }
        Xml.writeStartDocument();
        Xml.writeDefaultNamespace(Gpx11Namespace);
        std::vector<std::string> prefixes;
        for (auto& [uri, prefix] : used) {
            if (uri == Gpx11Namespace || uri == XmlNamespace)
                continue;
            // A prefix the file had, where it is free; one of our own otherwise.
            if (prefix.empty() || prefix.starts_with("xml") || std::ranges::find(prefixes, prefix) != prefixes.end())
                prefix = "ns" + std::to_string(prefixes.size() + 1);
            prefixes.push_back(prefix);
            Xml.writeNamespace(Q(uri), Q(prefix));
        }
        Xml.writeStartElement(Gpx11Namespace, "gpx");
        Xml.writeAttribute("version", "1.1");
        Xml.writeAttribute("creator", Creator);
        Xml.writeAttribute(XsiNamespace, "schemaLocation", SchemaLocation);
        for (const GpxRoute& route : routes)
            Route(route);
        Xml.writeEndElement();
        Xml.writeEndDocument();
    }

private:
    void Text(const char* name, const std::string& text)
    {
        Xml.writeStartElement(Gpx11Namespace, name);
        WriteExactText(Xml, text);
        Xml.writeEndElement();
    }

    template <std::size_t N>
    std::vector<KeptNode> Ordered(std::vector<KeptNode> nodes, const std::array<const char*, N>& order)
    {
        std::ranges::stable_sort(nodes, {}, [&](const KeptNode& n) { return Rank(order, n); });
        return nodes;
    }

    void Extensions(const std::vector<KeptNode>& nodes)
    {
        if (nodes.empty())
            return;
        Xml.writeStartElement(Gpx11Namespace, "extensions");
        for (const KeptNode& node : nodes)
            WriteKept(Xml, node);
        Xml.writeEndElement();
    }

    void Point(const Waypoint& p, const GpxPoint& extra, const std::vector<KeptNode>& extensions)
    {
        Xml.writeStartElement(Gpx11Namespace, "rtept");
        Xml.writeAttribute("lat", Q(Decimal(p.Lat)));
        Xml.writeAttribute("lon", Q(Decimal(std::remainder(p.Lon, FullTurn))));
        const std::vector<KeptNode> elements = Ordered(extra.Elements, PointOrder);
        std::size_t next = 0;
        const auto before = [&](std::size_t rank) {
            while (next < elements.size() && Rank(PointOrder, elements[next]) < rank)
                WriteKept(Xml, elements[next++]);
        };
        before(TimeAfter);
        if (extra.Time)
            Text("time", UtcText(*extra.Time, TimeResolution::Milliseconds));
        before(NameAfter);
        if (!p.Name.empty())
            Text("name", p.Name);
        before(PointOrder.size() + 1);
        Extensions(extensions);
        Xml.writeEndElement();
    }

    void Route(const GpxRoute& route)
    {
        Xml.writeStartElement(Gpx11Namespace, "rte");
        if (!route.Plan.Name.empty())
            Text("name", route.Plan.Name);
        for (const KeptNode& node : Ordered(route.Elements, RouteOrder))
            WriteKept(Xml, node);
        std::vector<KeptNode> extensions = route.Extensions;
        Update(extensions, "planned_speed", route.Plan.Speed, Speed, Decimal);
        Update(extensions, "planned_departure", route.Plan.Departure, Instant,
               [](double t) { return UtcText(t, TimeResolution::Milliseconds); });
        Extensions(extensions);
        for (std::size_t i = 0; i < route.Plan.Points.size(); ++i) {
            const GpxPoint extra = i < route.Points.size() ? route.Points[i] : GpxPoint{};
            std::vector<KeptNode> pointExtensions = extra.Extensions;
            if (i > 0) {
                UpdatePointSpeed(pointExtensions, route.Plan.Legs[i - 1].Speed, route.Plan.Speed);
                UpdateLegKind(pointExtensions, route.Plan.Legs[i - 1].Kind);
            }
            Point(route.Plan.Points[i], extra, pointExtensions);
        }
        Xml.writeEndElement();
    }

    QXmlStreamWriter Xml;
};

} // namespace

QByteArray WriteGpx(const std::vector<GpxRoute>& routes)
{
    for (const GpxRoute& route : routes)
        CheckRoute(route.Plan);
    QByteArray out;
    Writer(out).Document(routes);
    return out;
}

} // namespace wayline
