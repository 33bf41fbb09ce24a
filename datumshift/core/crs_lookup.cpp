#include "datumshift/core/crs_lookup.h"

#include "datumshift/core/errors.h"
#include "geo/constants.h"

#include <proj_experimental.h> // proj_crs_demote_to_2D

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace datumshift {
namespace {

constexpr double RadiansPerDegree = geo::Pi / 180.0;
constexpr double DegreesPerTurn = 360.0;
constexpr std::string_view EpsgPrefix = "EPSG:";
constexpr std::size_t MaxCodeDigits = 9; // EPSG's codes have at most 6; more cannot be one

// A unit within this of the degree is the degree (the database stores
// pi/180 to 16 digits): positions in it pass unconverted, to the last bit.
constexpr double SameUnitTolerance = 1e-12;

bool IsDegree(double radiansPerUnit) { return std::fabs(radiansPerUnit / RadiansPerDegree - 1) < SameUnitTolerance; }

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool IsGeographic(const PJ* crs)
{
    const PJ_TYPE type = proj_get_type(crs);
    return type == PJ_TYPE_GEOGRAPHIC_2D_CRS || type == PJ_TYPE_GEOGRAPHIC_3D_CRS;
}

std::string NameAndCode(const PJ* object) { return TextOf(proj_get_name(object)) + " (" + CodeOf(object) + ")"; }

CrsDescription DescriptionOf(PJ_CONTEXT* context, const PJ* crs)
{
    CrsDescription d;
    d.Name = TextOf(proj_get_name(crs));
    d.Code = CodeOf(crs);
    d.ThreeD = proj_get_type(crs) == PJ_TYPE_GEOGRAPHIC_3D_CRS;
    d.Area = AreaOf(context, crs);

    const Object ellipsoid(proj_get_ellipsoid(context, crs));
    double semiMinor = 0, inverseFlattening = 0;
    int computed = 0;
    if (!ellipsoid ||
        !proj_ellipsoid_get_parameters(context, ellipsoid.get(), &d.SemiMajorAxis, &semiMinor, &computed,
                                       &inverseFlattening))
        throw DatumError(d.Name + " (" + d.Code + ") has no ellipsoid");
    d.Ellipsoid = TextOf(proj_get_name(ellipsoid.get()));
    d.EllipsoidCode = CodeOf(ellipsoid.get());
    d.Flattening = inverseFlattening == 0 ? 0.0 : 1 / inverseFlattening; // PROJ gives 0 for a sphere

    const Object meridian(proj_get_prime_meridian(context, crs));
    double longitude = 0, radiansPerUnit = RadiansPerDegree;
    if (meridian && proj_prime_meridian_get_parameters(context, meridian.get(), &longitude, &radiansPerUnit, nullptr))
        d.PrimeMeridian = IsDegree(radiansPerUnit) ? longitude : longitude * radiansPerUnit / RadiansPerDegree;
    return d;
}

Object FromCode(PJ_CONTEXT* context, std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    const std::string code(first == std::string_view::npos ? "0" : digits.substr(first));
    Object crs(proj_create_from_database(context, "EPSG", code.c_str(), PJ_CATEGORY_CRS, 0, nullptr));
    if (!crs)
        throw DatumError("EPSG:" + code + " is not a coordinate reference system of the EPSG database");
    if (!IsGeographic(crs.get()))
        throw DatumError(NameAndCode(crs.get()) + " is not a geographic coordinate reference system");
    return crs;
}

Object FromName(PJ_CONTEXT* context, std::string_view text)
{
    const std::array<PJ_TYPE, 2> types = {PJ_TYPE_GEOGRAPHIC_2D_CRS, PJ_TYPE_GEOGRAPHIC_3D_CRS};
    const std::string name(text);
    const ObjectList list(proj_create_from_name(context, "EPSG", name.c_str(), types.data(), types.size(), 0, 0,
                                                nullptr));
    std::vector<Object> found;
    for (int i = 0, n = list ? proj_list_get_count(list.get()) : 0; i < n; ++i)
        found.emplace_back(proj_list_get(context, list.get(), i));
    if (found.empty())
        throw DatumError("No geographic coordinate reference system of the EPSG database is named " + Quoted(text));

    // The 3D twin of a 2D CRS bears its name: the name means the 2D one.
    const auto is2D = [](const Object& crs) { return proj_get_type(crs.get()) == PJ_TYPE_GEOGRAPHIC_2D_CRS; };
    if (std::ranges::any_of(found, is2D))
        std::erase_if(found, [&](const Object& crs) { return !is2D(crs); });
    if (found.size() == 1)
        return std::move(found.front());

    std::string fits;
    for (const Object& crs : found)
        fits += (fits.empty() ? "" : ", ") + NameAndCode(crs.get());
    throw DatumError(Quoted(text) + " fits several geographic coordinate reference systems: " + fits +
                     "; give its EPSG code");
}

} // namespace

std::string CodeOf(const PJ* object)
{
    const char* authorityText = proj_get_id_auth_name(object, 0);
    const char* code = proj_get_id_code(object, 0);
    if (!authorityText || !code)
        return std::string();
    // PROJ marks the operations it inverts or derives from a database entry
    // as INVERSE(EPSG) and DERIVED_FROM(EPSG): the entry is EPSG's.
    std::string_view authority = authorityText;
    while (!authority.empty() && authority.back() == ')') {
        const auto open = authority.find('(');
        if (open == std::string_view::npos)
            break;
        authority = authority.substr(open + 1, authority.size() - open - 2);
    }
    return std::string(authority) + ":" + code;
}

AreaOfUse AreaOf(PJ_CONTEXT* context, const PJ* object)
{
    AreaOfUse area;
    const char* name = nullptr;
    if (!proj_get_area_of_use(context, object, &area.West, &area.South, &area.East, &area.North, &name))
        return AreaOfUse();
    area.Name = TextOf(name);
    return area;
}

bool AreaOfUse::Contains(double latitude, double longitude) const
{
    if (!(latitude >= South && latitude <= North) || !std::isfinite(longitude))
        return false;
    // The box's longitudes from its west edge, and the position's.
    const double width = East >= West ? East - West : East - West + DegreesPerTurn;
    double offset = std::fmod(longitude - West, DegreesPerTurn);
    if (offset < 0)
        offset += DegreesPerTurn;
    return offset <= width;
}

GeographicCrs::GeographicCrs(PJ_CONTEXT* context, Object crs) : Crs(std::move(crs))
{
    if (!Crs || !IsGeographic(Crs.get()))
        throw DatumError("Not a geographic coordinate reference system");
    Describe = DescriptionOf(context, Crs.get());

    const Object system(proj_crs_get_coordinate_system(context, Crs.get()));
    const int count = system ? proj_cs_get_axis_count(context, system.get()) : 0;
    bool haveLatitude = false, haveLongitude = false, haveHeight = false;
    for (int i = 0; i < count; ++i) {
        const char* direction = nullptr;
        double factor = 1;
        if (!proj_cs_get_axis_info(context, system.get(), i, nullptr, nullptr, &direction, &factor, nullptr, nullptr,
                                   nullptr))
            continue;
        const Axis axis{i, factor, IsDegree(factor)};
        const std::string_view towards = direction ? direction : "";
        if (EqualNoCase(towards, "north")) {
            Latitude = axis;
            haveLatitude = true;
        } else if (EqualNoCase(towards, "east")) {
            Longitude = axis;
            haveLongitude = true;
        } else if (EqualNoCase(towards, "up")) {
            Height = axis;
            haveHeight = true;
        }
    }
    if (!haveLatitude || !haveLongitude || (Describe.ThreeD && !haveHeight))
        throw DatumError(Describe.Name + " (" + Describe.Code + ") does not count latitudes north, longitudes east and heights up");
}

PJ_COORD GeographicCrs::ToOwn(double latitude, double longitude, double height) const
{
    const auto own = [](const Axis& axis, double degrees) {
        return axis.Degrees ? degrees : degrees * RadiansPerDegree / axis.Factor;
    };
    PJ_COORD c = proj_coord(0, 0, 0, 0);
    c.v[Latitude.Index] = own(Latitude, latitude);
    c.v[Longitude.Index] = own(Longitude, longitude);
    if (Describe.ThreeD)
        c.v[Height.Index] = height / Height.Factor;
    return c;
}

void GeographicCrs::FromOwn(const PJ_COORD& own, double& latitude, double& longitude, double& height) const
{
    const auto degrees = [&](const Axis& axis) {
        const double value = own.v[axis.Index];
        return axis.Degrees ? value : value * axis.Factor / RadiansPerDegree;
    };
    latitude = degrees(Latitude);
    longitude = degrees(Longitude);
    height = Describe.ThreeD ? own.v[Height.Index] * Height.Factor : 0.0;
}

GeographicCrs GeographicCrs::TwoD(PJ_CONTEXT* context) const
{
    Object copy(Describe.ThreeD ? proj_crs_demote_to_2D(context, nullptr, Crs.get()) : proj_clone(context, Crs.get()));
    if (!copy)
        throw DatumError(Describe.Name + " (" + Describe.Code + ") has no 2D form");
    return GeographicCrs(context, std::move(copy));
}

GeographicCrs FindCrs(PJ_CONTEXT* context, std::string_view text)
{
    if (text.empty())
        throw DatumError("No coordinate reference system is given");
    if (text.size() > MaxCrsTextLength)
        throw DatumError("A coordinate reference system is named in at most " + std::to_string(MaxCrsTextLength) +
                         " characters");
    if (std::ranges::any_of(text, [](unsigned char c) { return std::iscntrl(c); }))
        throw DatumError("A coordinate reference system's name holds no control characters");

    const bool prefixed = text.size() >= EpsgPrefix.size() && EqualNoCase(text.substr(0, EpsgPrefix.size()), EpsgPrefix);
    const std::string_view digits = prefixed ? text.substr(EpsgPrefix.size()) : text;
    const bool numeric = !digits.empty() && std::ranges::all_of(digits, [](unsigned char c) { return std::isdigit(c); });
    if (prefixed && (!numeric || digits.size() > MaxCodeDigits))
        throw DatumError(Quoted(text) + " is not an EPSG code");
    if (numeric && digits.size() <= MaxCodeDigits)
        return GeographicCrs(context, FromCode(context, digits));
    return GeographicCrs(context, FromName(context, text));
}

} // namespace datumshift
