#include "datumshift/core/operation_choice.h"

#include "datumshift/core/errors.h"

#include <algorithm>
#include <cmath>

namespace datumshift {
namespace {

// Half the side of the area of interest around a position, in degrees
// (about a centimetre): PROJ reads a box of no width as spanning every
// longitude, which would bring in operations for far-away areas.
constexpr double AreaHalfWidth = 1e-7;
constexpr double MaxLatitude = 90.0, HalfTurn = 180.0, Turn = 360.0;

std::string MethodOf(PJ_CONTEXT* context, const PJ* operation)
{
    if (proj_get_type(operation) == PJ_TYPE_CONCATENATED_OPERATION) {
        std::string methods;
        for (int i = 0, n = proj_concatoperation_get_step_count(context, operation); i < n; ++i) {
            const Object step(proj_concatoperation_get_step(context, operation, i));
            if (step)
                methods += (methods.empty() ? "" : " + ") + MethodOf(context, step.get());
        }
        return methods;
    }
    const char* name = nullptr;
    proj_coordoperation_get_method_info(context, operation, &name, nullptr, nullptr);
    return TextOf(name);
}

Transformation Describe(PJ_CONTEXT* context, const PJ* operation)
{
    Transformation t;
    t.Name = TextOf(proj_get_name(operation));
    if (std::string code = CodeOf(operation); !code.empty())
        t.Code = std::move(code);
    t.Method = MethodOf(context, operation);
    if (const double accuracy = proj_coordoperation_get_accuracy(context, operation); accuracy >= 0)
        t.Accuracy = accuracy; // -1: none stated
    t.Ballpark = proj_coordoperation_has_ballpark_transformation(context, operation) != 0;
    t.Area = AreaOf(context, operation);
    return t;
}

std::vector<std::string> MissingGridsOf(PJ_CONTEXT* context, const PJ* operation)
{
    std::vector<std::string> missing;
    for (int i = 0, n = proj_coordoperation_get_grid_used_count(context, operation); i < n; ++i) {
        const char* name = nullptr;
        int available = 1;
        if (proj_coordoperation_get_grid_used(context, operation, i, &name, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, &available) &&
            !available)
            missing.push_back(TextOf(name));
    }
    return missing;
}

ObjectList Candidates(PJ_CONTEXT* context, const GeographicCrs& source, const GeographicCrs& target, double latitude,
                      double longitude, PROJ_GRID_AVAILABILITY_USE grids)
{
    const OperationFactory factory(proj_create_operation_factory_context(context, nullptr));
    if (!factory)
        throw DatumError("PROJ could not look for transformations");
    double west = longitude - AreaHalfWidth, east = longitude + AreaHalfWidth;
    if (west < -HalfTurn)
        west += Turn; // the box crosses 180°: PROJ takes a west edge east of the east edge
    if (east > HalfTurn)
        east -= Turn;
    const double south = std::max(latitude - AreaHalfWidth, -MaxLatitude);
    const double north = std::min(latitude + AreaHalfWidth, MaxLatitude);
    PJ_OPERATION_FACTORY_CONTEXT* f = factory.get();
    proj_operation_factory_context_set_area_of_interest(context, f, west, south, east, north);
    proj_operation_factory_context_set_spatial_criterion(context, f, PROJ_SPATIAL_CRITERION_PARTIAL_INTERSECTION);
    proj_operation_factory_context_set_grid_availability_use(context, f, grids);
    proj_operation_factory_context_set_allow_use_intermediate_crs(context, f,
                                                                  PROJ_INTERMEDIATE_CRS_USE_IF_NO_DIRECT_TRANSFORMATION);
    proj_operation_factory_context_set_allow_ballpark_transformations(context, f, 1);
    return ObjectList(proj_create_operations(context, source.Pj(), target.Pj(), f));
}

// PROJ's suggestion among `list` for the position; where none of them
// holds it, the first PROJ ranks (the area check then says so).
Object Suggested(PJ_CONTEXT* context, PJ_OBJ_LIST* list, const PJ_COORD& own)
{
    if (!list || proj_list_get_count(list) == 0)
        return Object();
    const int index = proj_get_suggested_operation(context, list, PJ_FWD, own);
    return Object(proj_list_get(context, list, index >= 0 ? index : 0));
}

std::string Between(const GeographicCrs& source, const GeographicCrs& target)
{
    return "from " + source.Description().Name + " to " + target.Description().Name;
}

} // namespace

OperationChoice ChooseOperation(PJ_CONTEXT* context, const GeographicCrs& source, const GeographicCrs& target,
                                double latitude, double longitude, const PJ_COORD& own)
{
    OperationChoice choice;
    const ObjectList every =
        Candidates(context, source, target, latitude, longitude, PROJ_GRID_AVAILABILITY_IGNORED);
    Object best = Suggested(context, every.get(), own);
    if (!best)
        throw DatumError("PROJ knows no transformation " + Between(source, target) + " at this position");
    if (proj_coordoperation_is_instantiable(context, best.get())) {
        choice.Used = std::move(best);
    } else {
        choice.Better = Describe(context, best.get());
        choice.MissingGrids = MissingGridsOf(context, best.get());
        const ObjectList runnable = Candidates(context, source, target, latitude, longitude,
                                               PROJ_GRID_AVAILABILITY_DISCARD_OPERATION_IF_MISSING_GRID);
        choice.Used = Suggested(context, runnable.get(), own);
        if (!choice.Used)
            throw DatumError("No transformation " + Between(source, target) +
                             " at this position runs on this machine: " + choice.Better->Name + " needs grids it lacks");
    }
    choice.UsedDescription = Describe(context, choice.Used.get());
    return choice;
}

} // namespace datumshift
