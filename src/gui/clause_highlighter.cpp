#include "clause_highlighter.hpp"

namespace orve::gui {

namespace {

QTextCharFormat coloured(const QColor& colour, bool bold) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold) {
        format.setFontWeight(QFont::Bold);
    }
    return format;
}

} // namespace

ClauseHighlighter::ClauseHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    // Later rules win where they overlap: a number inside a quoted text stays a text.
    rules_.push_back({QRegularExpression(QStringLiteral("\\b[a-z_][A-Za-z0-9_]*(?=\\s*\\()")),
                      coloured(QColor(0x1f, 0x4e, 0x9c), true)});
    rules_.push_back({QRegularExpression(QStringLiteral("-?\\b\\d+(\\.\\d+)?\\b")),
                      coloured(QColor(0x9c, 0x33, 0x1f), false)});
    rules_.push_back({QRegularExpression(QStringLiteral("\"[^\"]*\"?")),
                      coloured(QColor(0x1f, 0x7a, 0x33), false)});
}

void ClauseHighlighter::highlightBlock(const QString& text) {
    for (const auto& rule : rules_) {
        auto matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const auto match = matches.next();
            setFormat(static_cast<int>(match.capturedStart()),
                      static_cast<int>(match.capturedLength()), rule.format);
        }
    }
}

} // namespace orve::gui
