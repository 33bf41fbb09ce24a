// XML a route file holds that this program does not read itself (a
// plotter's extensions, a point's symbol), kept as it came so that it is
// written back unchanged at the point or route where it was.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace wayline {

// Equal when they say the same: the prefix is how one file spelt the
// namespace, which a writer may spell otherwise.
struct KeptAttribute {
    std::string NamespaceUri, Prefix, Name, Value; // UTF-8; the URI empty for a plain attribute

    bool operator==(const KeptAttribute& o) const
    {
        return NamespaceUri == o.NamespaceUri && Name == o.Name && Value == o.Value;
    }
};

// An element with its attributes and children, or (Name empty) a text.
// Text between child elements that is only blanks is layout and not kept;
// comments and processing instructions are not kept.
struct KeptNode {
    std::string NamespaceUri, Prefix, Name;
    std::vector<KeptAttribute> Attributes;
    std::vector<KeptNode> Children;
    std::string Text;

    static KeptNode OfText(std::string text)
    {
        KeptNode node;
        node.Text = std::move(text);
        return node;
    }
    static KeptNode OfElement(std::string namespaceUri, std::string prefix, std::string name)
    {
        KeptNode node;
        node.NamespaceUri = std::move(namespaceUri);
        node.Prefix = std::move(prefix);
        node.Name = std::move(name);
        return node;
    }

    bool IsElement() const { return !Name.empty(); }
    // The texts directly in the element, joined.
    std::string InnerText() const;
    bool operator==(const KeptNode& o) const
    {
        return NamespaceUri == o.NamespaceUri && Name == o.Name && Attributes == o.Attributes &&
               Children == o.Children && Text == o.Text;
    }
};

// What one file may make this program keep; bounds the memory and the
// writer's recursion whatever the file holds.
inline constexpr std::size_t LargestKeptNodes = 100000;
inline constexpr int DeepestKept = 32; // nesting of elements within one kept element
inline constexpr std::size_t LargestKeptAttributes = 64; // per element

// A kept element beyond those bounds; its what() is the reason.
class KeptTooLarge : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class KeptBudget {
public:
    // Counts one more node; throws KeptTooLarge beyond LargestKeptNodes.
    void Take();

private:
    std::size_t Left = LargestKeptNodes;
};

// The element at which `reader` stands (a StartElement), read to its end.
// An element in no namespace is taken into `unqualified` (a writer that
// declares a default namespace could not put it back in none). Throws
// KeptTooLarge beyond the bounds; a reader error leaves what was read so
// far, and the reader says what went wrong.
KeptNode ReadKept(QXmlStreamReader& reader, KeptBudget& budget, const std::string& unqualified);

// Writes `node` as it was read; its namespaces must have been declared
// (the writer gives an undeclared one a prefix of its own).
void WriteKept(QXmlStreamWriter& writer, const KeptNode& node);

// Writes `text` (UTF-8) as character data that reads back the same: a
// carriage return as a character reference, which a reader would
// otherwise take as a line end.
void WriteExactText(QXmlStreamWriter& writer, const std::string& text);

// The namespaces `node` and its descendants use, element and attribute,
// each with the prefix it was read with, appended to `found` where new.
void CollectNamespaces(const KeptNode& node, std::vector<std::pair<std::string, std::string>>& found);

} // namespace wayline
