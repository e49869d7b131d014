#include "dialog_script.hpp"

#include "modal_runner.hpp"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace orve::gui::test {

namespace {

// A step that does not fit its dialogue fails the test and closes the dialogue.
void fail(QDialog& dialog, const std::string& why) {
    ADD_FAILURE() << why << " in the dialogue " << dialog.windowTitle().toStdString();
    dialog.reject();
}

// Clicks the button with this caption; a missing one fails and closes the dialogue.
void press(QDialog& dialog, const QString& caption) {
    if (!click_button(dialog, caption)) {
        fail(dialog, "no button " + caption.toStdString());
    }
}

} // namespace

DialogScript::DialogScript() {
    set_answerer([this](QDialog& dialog) { answer(dialog); });
}

DialogScript::~DialogScript() {
    set_answerer({});
}

void DialogScript::answer(QDialog& dialog) {
    titles_ << dialog.windowTitle();
    if (observer_) {
        observer_(dialog);
    }
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected dialogue: " << dialog.windowTitle().toStdString();
        // Yes to the close question ends the program; everything else is closed.
        if (!click_button(dialog, QStringLiteral("Yes"))) {
            dialog.reject();
        }
        return;
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step(dialog);
}

DialogScript& DialogScript::then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

DialogScript& DialogScript::click(const QString& caption) {
    return then([caption](QDialog& dialog) { press(dialog, caption); });
}

DialogScript& DialogScript::choose_file(const QString& name) {
    return then([name](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (files == nullptr) {
            return fail(dialog, "not a file dialogue");
        }
        files->selectFile(name);
        dialog.accept(); // QFileDialog::accept, reached through the base
    });
}

DialogScript& DialogScript::pick(const std::vector<int>& rows, const QString& caption) {
    return then([rows, caption](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lines"));
        if (list == nullptr) {
            return fail(dialog, "no list");
        }
        list->clearSelection();
        for (const int row : rows) {
            list->setCurrentRow(row, QItemSelectionModel::Select);
        }
        press(dialog, caption);
    });
}

DialogScript& DialogScript::type(const QString& text, const QString& caption) {
    return then([text, caption](QDialog& dialog) {
        QLineEdit* field = nullptr;
        for (auto* line : dialog.findChildren<QLineEdit*>()) {
            if (!line->isReadOnly()) {
                field = line;
            }
        }
        if (field == nullptr) {
            return fail(dialog, "no entry field");
        }
        field->setText(text);
        press(dialog, caption);
    });
}

DialogScript& DialogScript::radio(const QString& caption) {
    return then([caption](QDialog& dialog) {
        for (auto* button : dialog.findChildren<QRadioButton*>()) {
            if (button->text() == caption) {
                button->click();
            }
        }
        press(dialog, QStringLiteral("OK"));
    });
}

DialogScript& DialogScript::close_box() {
    return then([](QDialog& dialog) { dialog.reject(); });
}

} // namespace orve::gui::test
