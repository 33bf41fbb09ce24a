// What a key or a paste brings into a field, as the suite's 8-bit text.
#pragma once

#include "platform/desktop/latin1.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <string>

namespace platform {

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
