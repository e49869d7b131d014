#include "dialog_mapping.hpp"

#include "qt_text.hpp"

namespace orve::gui {

int ask_answer(int clicked, int button_count) {
    if (clicked < 0 || clicked >= button_count) {
        return button_count;
    }
    return clicked + 1;
}

QStringList file_filters(const std::vector<FileFilter>& filters) {
    QStringList list;
    for (const auto& filter : filters) {
        const QString description = to_qstring(filter.description);
        const QString pattern = to_qstring(filter.pattern);
        const QString bracketed = QStringLiteral("(") + pattern + QStringLiteral(")");
        list << (description.endsWith(bracketed) ? description
                                                 : description + QStringLiteral(" ") + bracketed);
    }
    return list;
}

QString button_caption(const std::string& caption) {
    return to_qstring(caption);
}

} // namespace orve::gui
