#include "datumshift/core/datum_shift.h"

#include "datumshift/core/errors.h"
#include "geo/position_text.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace datumshift {
namespace {

constexpr double MaxLatitude = 90.0, Turn = 360.0;

std::string GridWords(const std::vector<std::string>& grids)
{
    if (grids.empty())
        return "a grid that this machine does not have";
    std::string names;
    for (std::size_t i = 0; i < grids.size(); ++i)
        names += (i == 0 ? "" : i + 1 == grids.size() ? " and " : ", ") + grids[i];
    return (grids.size() == 1 ? "the grid " : "the grids ") + names + " that this machine does not have";
}

std::string RefusalText(const DatumShift& shift)
{
    return NameWithCode(*shift.Better) + ", the best transformation from " + shift.From.Name + " to " + shift.To.Name +
           " here, needs " + GridWords(shift.MissingGrids) + "; " + NameWithCode(shift.Used) +
           " would be used in its place";
}

void CheckPosition(const Position& p)
{
    if (!std::isfinite(p.Latitude))
        throw DatumError("The latitude is not a number of degrees");
    if (std::fabs(p.Latitude) > MaxLatitude)
        throw DatumError("The latitude " + geo::DecimalText(p.Latitude) + " is beyond 90 degrees");
    if (!std::isfinite(p.Longitude))
        throw DatumError("The longitude is not a number of degrees");
    if (!std::isfinite(p.Height))
        throw DatumError("The height is not a number of metres");
}

// The CRS as the pair is transformed: 3D only when both are.
GeographicCrs ForPair(PJ_CONTEXT* context, GeographicCrs crs, bool threeD)
{
    return crs.Description().ThreeD && !threeD ? crs.TwoD(context) : std::move(crs);
}

std::optional<std::string> OutsideArea(const DatumShift& s, double latitude, double longitude, double latitudeTo,
                                       double longitudeTo)
{
    const std::string outside = "The position is outside the area of use of ";
    if (!s.Used.Area.Contains(latitude, longitude))
        return outside + NameWithCode(s.Used);
    if (!s.From.Area.Contains(latitude, longitude))
        return outside + s.From.Name + " (" + s.From.Code + ")";
    if (!s.To.Area.Contains(latitudeTo, longitudeTo))
        return outside + s.To.Name + " (" + s.To.Code + ")";
    return std::nullopt;
}

} // namespace

DatumShifter::DatumShifter() : Pj(OfflineContext()) {}

CrsDescription DatumShifter::Describe(std::string_view crs) { return FindCrs(Pj.get(), crs).Description(); }

DatumShift DatumShifter::Shift(std::string_view from, std::string_view to, const Position& position,
                               FallbackRule rule)
{
    CheckPosition(position);
    PJ_CONTEXT* context = Pj.get();
    GeographicCrs foundFrom = FindCrs(context, from);
    GeographicCrs foundTo = FindCrs(context, to);
    DatumShift s;
    s.From = foundFrom.Description();
    s.To = foundTo.Description();
    const bool threeD = s.From.ThreeD && s.To.ThreeD;
    const GeographicCrs source = ForPair(context, std::move(foundFrom), threeD);
    const GeographicCrs target = ForPair(context, std::move(foundTo), threeD);

    const double latitude = position.Latitude;
    const double longitude = std::remainder(position.Longitude, Turn);
    const double greenwich = std::remainder(longitude + s.From.PrimeMeridian, Turn);
    const PJ_COORD own = source.ToOwn(latitude, longitude, position.Height);

    OperationChoice choice = ChooseOperation(context, source, target, latitude, greenwich, own);
    s.Used = std::move(choice.UsedDescription);
    s.Better = std::move(choice.Better);
    s.MissingGrids = std::move(choice.MissingGrids);
    if (s.Fallback() && rule == FallbackRule::Refuse)
        throw DatumError(RefusalText(s));

    proj_errno_reset(choice.Used.get());
    const PJ_COORD moved = proj_trans(choice.Used.get(), PJ_FWD, own);
    double height = 0;
    target.FromOwn(moved, s.Latitude, s.Longitude, height);
    if (!std::isfinite(s.Latitude) || !std::isfinite(s.Longitude) || !std::isfinite(height)) {
        const int error = proj_errno(choice.Used.get());
        throw DatumError("The position could not be moved from " + s.From.Name + " to " + s.To.Name + " by " +
                         NameWithCode(s.Used) + (error ? ": " + TextOf(proj_context_errno_string(context, error)) : ""));
    }
    if (threeD)
        s.Height = height;

    const double greenwichTo = std::remainder(s.Longitude + s.To.PrimeMeridian, Turn);
    const GeographicLib::Geodesic geodesic(s.From.SemiMajorAxis, s.From.Flattening);
    double azimuth = 0, azimuthAtEnd = 0;
    geodesic.Inverse(latitude, greenwich, s.Latitude, greenwichTo, s.ShiftDistance, azimuth, azimuthAtEnd);
    if (s.ShiftDistance > 0) {
        const double direction = azimuth < 0 ? azimuth + Turn : azimuth + 0.0; // no -0
        s.ShiftDirection = direction < Turn ? direction : 0.0; // -1e-17 + 360 rounds to 360
    }
    s.OutsideArea = OutsideArea(s, latitude, greenwich, s.Latitude, greenwichTo);
    return s;
}

std::string NameWithCode(const Transformation& t) { return t.Code ? t.Name + " (" + *t.Code + ")" : t.Name; }

std::string FallbackText(const DatumShift& shift)
{
    if (!shift.Fallback())
        return std::string();
    return NameWithCode(shift.Used) + " is used in place of " + NameWithCode(*shift.Better) + ", which needs " +
           GridWords(shift.MissingGrids);
}

} // namespace datumshift
