#include "qt_text.hpp"

#include "text_encoding.hpp"

#include <QHash>

namespace orve::gui {

QString to_qstring(std::string_view bytes) {
    if (cli::is_valid_utf8(bytes)) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    const std::string utf8 = cli::cp1250_to_utf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string from_qstring(const QString& text) {
    return text.toUtf8().toStdString();
}

std::optional<std::string> to_cp1250(const QString& text) {
    static const QHash<char16_t, char> high = [] {
        QHash<char16_t, char> table;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded = to_qstring(cli::cp1250_to_utf8(std::string_view(&c, 1)));
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter) {
                table.insert(decoded[0].unicode(), c);
            }
        }
        return table;
    }();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            bytes += static_cast<char>(ch.unicode());
        } else if (const auto found = high.find(ch.unicode()); found != high.end()) {
            bytes += found.value();
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace orve::gui
