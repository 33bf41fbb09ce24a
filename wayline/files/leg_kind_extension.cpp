#include "wayline/files/leg_kind_extension.h"

#include <algorithm>
#include <array>
#include <utility>

namespace wayline {
namespace {

constexpr const char* Element = "leg";
constexpr const char* Attribute = "kind";
constexpr const char* Prefix = "wayline";

constexpr std::array<std::pair<const char*, LegKind>, 3> Kinds = {{
    {"rhumb", LegKind::Rhumb},
    {"great_circle", LegKind::GreatCircle},
    {"parallel", LegKind::Parallel},
}};

bool IsLegExtension(const KeptNode& node)
{
    return node.IsElement() && node.NamespaceUri == WaylineNamespace && node.Name == Element;
}

// A kind as a message quotes it: not beyond a few words, cut between characters.
std::string Quoted(const std::string& text)
{
    constexpr std::size_t Longest = 32;
    if (text.size() <= Longest)
        return text;
    std::size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}

const char* NameOf(LegKind kind)
{
    return std::ranges::find(Kinds, kind, &std::pair<const char*, LegKind>::second)->first;
}

} // namespace

std::optional<LegKind> LegKindOf(const KeptNode& node)
{
    if (!IsLegExtension(node))
        return std::nullopt;
    for (const KeptAttribute& a : node.Attributes) {
        if (!a.NamespaceUri.empty() || a.Name != Attribute)
            continue;
        for (const auto& [name, kind] : Kinds)
            if (a.Value == name)
                return kind;
        throw LegKindRefused("the leg kind '" + Quoted(a.Value) + "' is none of rhumb, great_circle and parallel");
    }
    throw LegKindRefused("a wayline:leg says no kind");
}

void UpdateLegKind(std::vector<KeptNode>& extensions, LegKind kind)
{
    const auto found = std::ranges::find_if(extensions, IsLegExtension);
    if (found != extensions.end() && LegKindOf(*found) == kind)
        return;
    KeptNode node = KeptNode::OfElement(WaylineNamespace, Prefix, Element);
    node.Attributes.push_back({"", "", Attribute, NameOf(kind)});
    if (found == extensions.end()) {
        if (kind != LegKind::Rhumb)
            extensions.push_back(std::move(node));
    } else if (kind == LegKind::Rhumb) {
        extensions.erase(found);
    } else {
        *found = std::move(node);
    }
}

} // namespace wayline
