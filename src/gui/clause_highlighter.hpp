// Colours the clauses of a base file in the editor: clause names, quoted texts
// and numbers.
#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <vector>

namespace orve::gui {

class ClauseHighlighter : public QSyntaxHighlighter {
  public:
    explicit ClauseHighlighter(QTextDocument* document);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    std::vector<Rule> rules_;
};

} // namespace orve::gui
