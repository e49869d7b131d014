// Runs every modal dialogue of the front end. A test installs an answerer that
// acts on each dialogue once it is shown (clicks its buttons, fills its fields),
// so the real dialogues are exercised without a person.
#pragma once

#include <QDialog>

#include <functional>

namespace orve::gui {

// Acts on a dialogue that has just been shown.
using Answerer = std::function<void(QDialog& dialog)>;

// Installs `answerer` for every following dialogue; an empty one removes it.
void set_answerer(Answerer answerer);

// Shows `dialog` modally and returns its result code, as QDialog::exec does.
int run_modal(QDialog& dialog);

// Clicks the button of `dialog` whose caption, without its access-key marker,
// is `caption`; false when there is none.
bool click_button(QDialog& dialog, const QString& caption);

} // namespace orve::gui
