// The inspection windows, the advice and picture dialogues, and the documents
// handed to the desktop's opener.
#include "dialog_frame.hpp"
#include "gui_dialogs.hpp"
#include "modal_runner.hpp"
#include "picture_view.hpp"
#include "qt_text.hpp"
#include "record_browser_view.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace orve::gui {

namespace {

// The help file of the inspection windows, looked for in the current folder.
const char* const kInspectionHelp = "Ruvo_vo.HLP";

QPlainTextEdit* add_read_only_text(DialogFrame& dialog, const QString& text) {
    auto* editor = new QPlainTextEdit(text, &dialog);
    editor->setReadOnly(true);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setObjectName(QStringLiteral("text"));
    editor->moveCursor(QTextCursor::Start);
    dialog.body()->addWidget(editor, 1);
    return editor;
}

// "&Help" of the inspection windows: opens the help file when it is there.
void add_help_button(DialogFrame& dialog) {
    auto* help = new QPushButton(QStringLiteral("&Help"), &dialog);
    help->setAutoDefault(false);
    QObject::connect(help, &QPushButton::clicked, &dialog, [] {
        if (QFile::exists(QString::fromLatin1(kInspectionHelp))) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(
                QDir::current().absoluteFilePath(QString::fromLatin1(kInspectionHelp))));
        }
    });
    dialog.body()->addWidget(help, 0, Qt::AlignRight);
}

} // namespace

void GuiDialogs::show_text(const std::string& title, const std::string& text) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    add_read_only_text(dialog, to_qstring(text));
    dialog.add_button(QStringLiteral("&Close"), kContinueCode);
    dialog.resize(760, 520);
    run_modal(dialog);
}

void GuiDialogs::show_headed_text(const std::string& title, const std::string& heading,
                                  const std::string& text) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    dialog.add_read_only_line(to_qstring(heading))->setObjectName(QStringLiteral("heading"));
    add_read_only_text(dialog, to_qstring(text));
    dialog.add_button(QStringLiteral("&Continue"), kContinueCode);
    dialog.resize(640, 420);
    run_modal(dialog);
}

void GuiDialogs::show_list(const std::string& title, const std::vector<std::string>& lines) {
    DialogFrame dialog(host_.dialog_parent(), QStringLiteral("Inspection of askables"));
    dialog.add_read_only_line(to_qstring(title));
    QStringList rows;
    for (const auto& line : lines) {
        rows << to_qstring(line);
    }
    dialog.add_list(rows)->setObjectName(QStringLiteral("lines"));
    add_help_button(dialog);
    dialog.add_button(QStringLiteral("&Close"), kContinueCode);
    dialog.resize(520, 440);
    run_modal(dialog);
}

void GuiDialogs::show_sections(const std::string& title, const std::vector<ListSection>& sections) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    for (const auto& section : sections) {
        dialog.add_label(to_qstring(section.heading));
        QStringList rows;
        for (const auto& line : section.lines) {
            rows << to_qstring(line);
        }
        dialog.add_list(rows);
    }
    dialog.add_button(QStringLiteral("&OK"), kContinueCode);
    dialog.resize(560, 440);
    run_modal(dialog);
}

void GuiDialogs::browse_records(const RecordBrowser& browser) {
    DialogFrame dialog(host_.dialog_parent(), to_qstring(browser.title));
    auto* view = new RecordBrowserView(browser, &dialog);
    dialog.body()->addWidget(view, 1);
    add_help_button(dialog);
    dialog.add_button(QStringLiteral("&Close"), kContinueCode);
    dialog.resize(680, 520);
    run_modal(dialog);
}

void GuiDialogs::show_picture(const std::string& title, const std::string& path) {
    const QString file = QFile::decodeName(path.c_str());
    if (welcome_) {
        host_.show_welcome(to_qstring(title), file);
        return;
    }
    DialogFrame dialog(host_.dialog_parent(), to_qstring(title));
    auto* view = new PictureView(file, &dialog);
    view->setObjectName(QStringLiteral("picture"));
    dialog.body()->addWidget(view, 1);
    dialog.add_button(QStringLiteral("&End"), kContinueCode);
    dialog.resize(560, 460);
    run_modal(dialog);
}

void GuiDialogs::open_document(const std::string& path) {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QFile::decodeName(path.c_str()))));
}

void GuiDialogs::show_help(const std::string& path) {
    open_document(path);
}

} // namespace orve::gui
