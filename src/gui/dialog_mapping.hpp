// The small decisions between a dialogue's widgets and the answer the core
// receives, kept apart from the widgets so they can be checked directly.
#pragma once

#include "report/dialogs.hpp"

#include <QString>
#include <QStringList>

#include <vector>

namespace orve::gui {

// The answer of "Ask": the 1-based position of the clicked button (`clicked`
// counted from 0), or the last button when the dialogue was closed (-1).
int ask_answer(int clicked, int button_count);

// Name filters of a file dialogue, "Rule Base (RU*.EEB)": a description that
// already ends with its pattern in brackets is kept as it is.
QStringList file_filters(const std::vector<FileFilter>& filters);

// A button caption for the core's text: the core writes the access key as
// "&" already ("&Yes"); a literal ampersand is not expected in captions.
QString button_caption(const std::string& caption);

} // namespace orve::gui
