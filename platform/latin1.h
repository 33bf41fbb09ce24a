// The one crossing between the suite's 8-bit texts (degree sign 0xB0) and
// Qt's strings.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QString>

#include <string>

namespace platform {

inline QString ToQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters beyond Latin-1 become '?'.
inline std::string FromQt(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// What a key types into a field, 8-bit: its printable text when it is
// pressed without Ctrl, Alt or Meta; empty for every other key.
inline std::string TypedText(const QKeyEvent& event)
{
    const QString typed = event.text();
    const bool control = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() || !typed.at(0).isPrint() || control)
        return {};
    return FromQt(typed);
}

// The clipboard's text (or the X selection's) as a field takes it when
// pasted: 8-bit, without the blanks and line break a copied value brings
// along.
inline std::string PastedText(QClipboard::Mode mode = QClipboard::Clipboard)
{
    return FromQt(QApplication::clipboard()->text(mode).trimmed());
}

} // namespace platform
