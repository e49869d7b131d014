// The general operations: questions, notes, text input, file dialogues, the
// message window, the title, the menu states and the progress of long tests.
#include "gui_dialogs.hpp"

#include "dialog_frame.hpp"
#include "dialog_mapping.hpp"
#include "message_window.hpp"
#include "modal_runner.hpp"
#include "qt_text.hpp"
#include "sound_player.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QVBoxLayout>

#include <algorithm>

namespace orve::gui {

GuiDialogs::GuiDialogs(WindowHost& host) : host_(host) {}

GuiDialogs::~GuiDialogs() = default;

int GuiDialogs::ask(const std::string& title, const std::string& text,
                    const std::vector<std::string>& buttons) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    dialog.add_label(to_qstring(text));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        dialog.add_button(button_caption(buttons[i]), static_cast<int>(i) + 1);
    }
    const int count = static_cast<int>(buttons.size());
    return ask_answer(run_modal(dialog) - 1, count);
}

bool GuiDialogs::yes_no(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, to_qstring(title), to_qstring(text),
                    QMessageBox::Yes | QMessageBox::No, host_.dialog_parent());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    run_modal(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void GuiDialogs::note(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Information, to_qstring(title), to_qstring(text), QMessageBox::Ok,
                    host_.dialog_parent());
    run_modal(box);
}

std::string GuiDialogs::get_text(const std::string& title, const std::string& prompt,
                                 const std::string& initial) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    dialog.add_label(to_qstring(prompt));
    auto* field = new QLineEdit(to_qstring(initial), &dialog);
    dialog.body()->addWidget(field);
    dialog.add_button(QStringLiteral("&OK"), kContinueCode);
    dialog.add_button(QStringLiteral("&Cancel"), QDialog::Rejected);
    // A cancelled input gives the empty text, which ends the caller's step.
    return run_modal(dialog) == kContinueCode ? from_qstring(field->text()) : std::string();
}

std::string GuiDialogs::file_dialog(bool save, const std::string& mask,
                                    const std::vector<FileFilter>& filters,
                                    const std::string& title) {
    QFileDialog dialog(host_.dialog_parent(), to_qstring(title), QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Callers that replace a file ask for it themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList names = file_filters(filters);
    if (names.isEmpty()) {
        names << to_qstring(mask);
    }
    dialog.setNameFilters(names);
    // Bases written on another system differ in letter case from their patterns.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (run_modal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::string GuiDialogs::open_file(const std::string& mask, const std::vector<FileFilter>& filters,
                                  const std::string& title) {
    return file_dialog(false, mask, filters, title);
}

std::string GuiDialogs::save_file(const std::string& mask, const std::vector<FileFilter>& filters,
                                  const std::string& title) {
    return file_dialog(true, mask, filters, title);
}

void GuiDialogs::msg_append(const std::string& text) {
    host_.messages().append_text(to_qstring(text));
}

void GuiDialogs::msg_clear() {
    host_.messages().clear();
}

void GuiDialogs::msg_recreate() {
    host_.recreate_messages();
}

void GuiDialogs::confirm_end(const std::string& question) {
    if (yes_no("Attention!", question)) {
        throw ProgramClosed{};
    }
}

void GuiDialogs::progress_begin(const std::string& title) {
    progress_ = std::make_unique<QProgressDialog>(to_qstring(title), QStringLiteral("&Cancel"), 0,
                                                  0, host_.dialog_parent());
    progress_->setWindowTitle(to_qstring(title));
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setObjectName(QStringLiteral("progress"));
}

bool GuiDialogs::progress_step(long long done, long long total) {
    if (!progress_) {
        return true;
    }
    // The bar counts in thousandths, so long counts fit its int range.
    constexpr int kScale = 1000;
    if (total > 0) {
        progress_->setMaximum(kScale);
        const double share =
            static_cast<double>(std::min(std::max(done, 0LL), total)) / static_cast<double>(total);
        progress_->setValue(static_cast<int>(share * kScale));
    } else {
        progress_->setMaximum(0);
        progress_->setValue(0);
    }
    // The window stays responsive, and the Cancel button can be pressed.
    QApplication::processEvents();
    return !progress_->wasCanceled();
}

void GuiDialogs::progress_end() {
    progress_.reset();
}

void GuiDialogs::set_main_title(const std::string& title) {
    host_.set_title(to_qstring(title));
}

void GuiDialogs::command_state_changed(int id, bool enabled) {
    host_.set_command_enabled(id, enabled);
}

void GuiDialogs::set_sound_player(std::unique_ptr<SoundPlayer> player) {
    sound_ = std::move(player);
}

void GuiDialogs::play_sound(const std::string& path) {
    if (!sound_) {
        sound_ = std::make_unique<QtSoundPlayer>();
    }
    sound_->play(QFile::decodeName(path.c_str()));
}

} // namespace orve::gui
