// The line a leg follows, kept in a GPX file: GPX itself says nothing of
// it, and a plotter draws every leg straight. This program writes it in an
// extension of its own at the point where the leg ends (where OpenCPN keeps
// a leg's planned speed), for the legs that are not rhumb lines:
//
//   <rtept lat="41.0" lon="-69.5">
//     <extensions>
//       <wayline:leg kind="great_circle"/>        or "parallel"; "rhumb" read too
//     </extensions>
//   </rtept>
//
// with xmlns:wayline="urn:x-vorlan:wayline". Other programs keep or drop
// it as they keep unknown extensions; a leg without it is a rhumb line.
#pragma once

#include "wayline/core/route.h"
#include "wayline/files/kept_xml.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wayline {

inline constexpr const char* WaylineNamespace = "urn:x-vorlan:wayline";

// A kept extension that says a kind it does not know; what() is the reason.
class LegKindRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The kind `node` gives, when it is this program's leg extension; none
// for any other node. Throws LegKindRefused for one whose kind is missing
// or unknown.
std::optional<LegKind> LegKindOf(const KeptNode& node);

// The extensions of the point where a leg of `kind` ends, saying it: a
// leg extension that says the same is kept as it was, one that says
// another kind is replaced (or, for a rhumb line, removed), and one is
// added for a great circle or a parallel where there is none.
void UpdateLegKind(std::vector<KeptNode>& extensions, LegKind kind);

} // namespace wayline
