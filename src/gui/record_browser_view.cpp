#include "record_browser_view.hpp"

#include "qt_text.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace orve::gui {

namespace {

QLineEdit* read_only_field(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    return field;
}

} // namespace

RecordBrowserView::RecordBrowserView(const RecordBrowser& browser, QWidget* parent)
    : QWidget(parent), browser_(browser), numbers_(new QListWidget(this)),
      fields_(new QFormLayout) {
    auto* layout = new QVBoxLayout(this);
    for (const auto* line : {&browser.heading, &browser.formula}) {
        if (!line->empty()) {
            layout->addWidget(new QLabel(to_qstring(*line), this));
        }
    }
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    auto* left = new QFormLayout;
    numbers_->setObjectName(QStringLiteral("numbers"));
    for (const int number : browser.numbers) {
        numbers_->addItem(QString::number(number));
    }
    left->addRow(new QLabel(to_qstring(browser.number_label), this));
    left->addRow(numbers_);
    for (const auto& count : browser.counts) {
        left->addRow(to_qstring(count.label), read_only_field(QString::number(count.count), this));
    }
    columns->addLayout(left, 1);
    columns->addLayout(fields_, 2);

    connect(numbers_, &QListWidget::currentTextChanged, this,
            [this](const QString& text) { show_number(text.toInt()); });
}

void RecordBrowserView::clear_fields() {
    while (fields_->rowCount() > 0) {
        fields_->removeRow(0);
    }
}

void RecordBrowserView::show_number(int number) {
    clear_fields();
    const BrowserRecord* record = browser_.find(number);
    if (record == nullptr) {
        return;
    }
    for (const auto& field : *record) {
        const QString label = to_qstring(field.label);
        if (field.is_list) {
            auto* list = new QListWidget(this);
            for (const auto& value : field.values) {
                list->addItem(to_qstring(value));
            }
            fields_->addRow(new QLabel(label, this));
            fields_->addRow(list);
        } else {
            const QString value = field.values.empty() ? QString() : to_qstring(field.values[0]);
            fields_->addRow(label, read_only_field(value, this));
        }
    }
}

} // namespace orve::gui
