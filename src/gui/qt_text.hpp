// Conversion between the byte strings the core keeps and the QStrings of the
// widgets: bases may be written in UTF-8 or in Windows code page 1250.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace orve::gui {

// Text for a widget: valid UTF-8 as UTF-8, anything else decoded as code page 1250.
QString to_qstring(std::string_view bytes);

// Text the user typed, for the core: UTF-8.
std::string from_qstring(const QString& text);

// `text` in code page 1250, for a file that was written in it; nothing when a
// character has no place in that code page.
std::optional<std::string> to_cp1250(const QString& text);

} // namespace orve::gui
