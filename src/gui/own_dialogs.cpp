// The system's own modal dialogues: the two-choice radio dialogues, the pick
// lists, "Message" and "Argument value". "End" asks the close question and, when
// the user stays, opens the dialogue again as it was.
#include "dialog_frame.hpp"
#include "gui_dialogs.hpp"
#include "modal_runner.hpp"
#include "qt_text.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orve::gui {

namespace {

const std::string kCloseQuestion = "Do you really wish to close the program?";
// The "Argument value" dialogue asks with its own wording.
const std::string kArgumentCloseQuestion = "Do you really wich to close the program?";

QStringList to_qstrings(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) {
        list << to_qstring(line);
    }
    return list;
}

// A pick dialogue: the caller's title, the prompt in a read-only field, the list.
QListWidget* fill_pick_list(DialogFrame& dialog, const PickList& pick) {
    dialog.add_read_only_line(to_qstring(pick.prompt));
    auto* list = dialog.add_list(to_qstrings(pick.lines));
    list->setObjectName(QStringLiteral("lines"));
    return list;
}

} // namespace

int GuiDialogs::radio_choice(const RadioChoice& choice) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(choice.title));
    dialog.add_label(to_qstring(choice.prompt));
    auto* first = new QRadioButton(to_qstring(choice.first), &dialog);
    auto* second = new QRadioButton(to_qstring(choice.second), &dialog);
    dialog.body()->addWidget(first);
    dialog.body()->addWidget(second);
    (choice.preselected == 2 ? second : first)->setChecked(true);
    dialog.add_button(QStringLiteral("&OK"), kContinueCode);
    // Closing the dialogue in any other way keeps the last answer too.
    run_modal(dialog);
    return second->isChecked() ? 2 : 1;
}

int GuiDialogs::pick_fact(const PickList& pick) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(pick.title));
    auto* list = fill_pick_list(dialog, pick);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCurrentRow(0);
    dialog.add_button(QStringLiteral("&Continue"), kContinueCode);
    dialog.add_button(QStringLiteral("End"), kEndCode);
    while (run_modal(dialog) != kContinueCode) {
        confirm_end(kCloseQuestion);
    }
    return std::max(list->currentRow(), 0) + 1;
}

std::vector<int> GuiDialogs::pick_facts(const PickList& pick) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(pick.title));
    auto* list = fill_pick_list(dialog, pick);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    dialog.add_button(QStringLiteral("&Continue"), kContinueCode);
    dialog.add_button(QStringLiteral("End"), kEndCode);
    while (run_modal(dialog) != kContinueCode) {
        confirm_end(kCloseQuestion);
    }
    std::vector<int> picked;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) {
            picked.push_back(row);
        }
    }
    return picked;
}

void GuiDialogs::message_list(const std::string& heading, const std::vector<std::string>& lines) {
    DialogFrame dialog(host_.dialog_parent(), QStringLiteral("Message"));
    dialog.add_read_only_line(to_qstring(heading));
    dialog.add_list(to_qstrings(lines))->setObjectName(QStringLiteral("lines"));
    dialog.add_button(QStringLiteral("&Continue"), kContinueCode);
    dialog.add_button(QStringLiteral("End"), kEndCode);
    while (run_modal(dialog) != kContinueCode) {
        confirm_end(kCloseQuestion);
    }
}

std::string GuiDialogs::argument_value(const std::string& argument) {
    DialogFrame dialog(host_.dialog_parent(), QStringLiteral("Argument value"));
    dialog.add_label(QStringLiteral("Determine value of argument:"));
    dialog.add_read_only_line(to_qstring(argument));
    dialog.add_label(QStringLiteral("="));
    auto* value = new QLineEdit(&dialog);
    value->setObjectName(QStringLiteral("value"));
    dialog.body()->addWidget(value);
    dialog.add_button(QStringLiteral("&OK"), kContinueCode);
    dialog.add_button(QStringLiteral("End"), kEndCode);
    while (run_modal(dialog) != kContinueCode) {
        confirm_end(kArgumentCloseQuestion);
    }
    return from_qstring(value->text());
}

std::optional<int> GuiDialogs::pick_line(const PickList& pick) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(pick.title));
    auto* list = fill_pick_list(dialog, pick);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCurrentRow(0);
    dialog.add_button(QStringLiteral("&OK"), kContinueCode);
    dialog.add_button(QStringLiteral("&Cancel"), QDialog::Rejected);
    if (run_modal(dialog) != kContinueCode || list->currentRow() < 0) {
        return std::nullopt;
    }
    return list->currentRow() + 1;
}

} // namespace orve::gui
