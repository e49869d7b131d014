// The body of a record browser: the number list with the counts beside it, and
// the fields of the clause picked in the list.
#pragma once

#include "report/record_browser.hpp"

#include <QWidget>

class QFormLayout;
class QListWidget;

namespace orve::gui {

class RecordBrowserView : public QWidget {
  public:
    // Shows `browser`, which must outlive the view.
    RecordBrowserView(const RecordBrowser& browser, QWidget* parent = nullptr);

    // Shows the fields of the clause with `number` (its first clause), or none.
    void show_number(int number);

  private:
    void clear_fields();

    const RecordBrowser& browser_;
    QListWidget* numbers_;
    QFormLayout* fields_;
};

} // namespace orve::gui
