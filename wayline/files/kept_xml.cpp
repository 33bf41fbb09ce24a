#include "wayline/files/kept_xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace wayline {
namespace {

std::string Utf8(QStringView text)
{
    return text.toString().toStdString();
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

bool Blank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

void Add(std::vector<std::pair<std::string, std::string>>& found, const std::string& uri, const std::string& prefix)
{
    if (uri.empty() || std::ranges::any_of(found, [&](const auto& p) { return p.first == uri; }))
        return;
    found.emplace_back(uri, prefix);
}

KeptNode ReadElement(QXmlStreamReader& reader, KeptBudget& budget, const std::string& unqualified, int depth)
{
    if (depth > DeepestKept)
        throw KeptTooLarge("its extensions are nested deeper than " + std::to_string(DeepestKept) + " elements");
    budget.Take();
    KeptNode node;
    node.NamespaceUri = reader.namespaceUri().isEmpty() ? unqualified : Utf8(reader.namespaceUri());
    node.Prefix = Utf8(reader.prefix());
    node.Name = Utf8(reader.name());
    const QXmlStreamAttributes attributes = reader.attributes();
    if (static_cast<std::size_t>(attributes.size()) > LargestKeptAttributes)
        throw KeptTooLarge("an element holds more than " + std::to_string(LargestKeptAttributes) + " attributes");
    for (const QXmlStreamAttribute& a : attributes)
        node.Attributes.push_back(
            {Utf8(a.namespaceUri()), Utf8(a.prefix()), Utf8(a.name()), Utf8(a.value())});
    bool hasElements = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            node.Children.push_back(ReadElement(reader, budget, unqualified, depth + 1));
            hasElements = true;
            break;
        case QXmlStreamReader::Characters:
            // One text, however comments or CDATA sections cut it.
            if (!node.Children.empty() && !node.Children.back().IsElement()) {
                node.Children.back().Text += Utf8(reader.text());
            } else {
                budget.Take();
                node.Children.push_back(KeptNode::OfText(Utf8(reader.text())));
            }
            break;
        case QXmlStreamReader::EndElement:
            if (hasElements)
                std::erase_if(node.Children, [](const KeptNode& n) { return !n.IsElement() && Blank(n.Text); });
            return node;
        default: // comments, processing instructions
            break;
        }
    }
    return node; // the reader has an error
}

} // namespace

std::string KeptNode::InnerText() const
{
    std::string text;
    for (const KeptNode& child : Children)
        if (!child.IsElement())
            text += child.Text;
    return text;
}

void KeptBudget::Take()
{
    if (Left == 0)
        throw KeptTooLarge("it holds more than " + std::to_string(LargestKeptNodes) +
                           " elements and texts that this program keeps unread");
    --Left;
}

KeptNode ReadKept(QXmlStreamReader& reader, KeptBudget& budget, const std::string& unqualified)
{
    return ReadElement(reader, budget, unqualified, 0);
}

void WriteExactText(QXmlStreamWriter& writer, const std::string& text)
{
    std::size_t from = 0;
    for (std::size_t at = text.find('\r'); at != std::string::npos; from = at + 1, at = text.find('\r', from)) {
        writer.writeCharacters(Q(text.substr(from, at - from)));
        writer.writeEntityReference(QStringLiteral("#13"));
    }
    writer.writeCharacters(Q(text.substr(from)));
}

void WriteKept(QXmlStreamWriter& writer, const KeptNode& node)
{
    if (!node.IsElement()) {
        WriteExactText(writer, node.Text);
        return;
    }
    writer.writeStartElement(Q(node.NamespaceUri), Q(node.Name));
    for (const KeptAttribute& a : node.Attributes)
        if (a.NamespaceUri.empty())
            writer.writeAttribute(Q(a.Name), Q(a.Value));
        else
            writer.writeAttribute(Q(a.NamespaceUri), Q(a.Name), Q(a.Value));
    for (const KeptNode& child : node.Children)
        WriteKept(writer, child);
    writer.writeEndElement();
}

void CollectNamespaces(const KeptNode& node, std::vector<std::pair<std::string, std::string>>& found)
{
    if (!node.IsElement())
        return;
    Add(found, node.NamespaceUri, node.Prefix);
    for (const KeptAttribute& a : node.Attributes)
        Add(found, a.NamespaceUri, a.Prefix);
    for (const KeptNode& child : node.Children)
        CollectNamespaces(child, found);
}

} // namespace wayline
