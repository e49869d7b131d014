#include "modal_runner.hpp"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>

namespace orve::gui {

namespace {

Answerer& answerer() {
    static Answerer installed;
    return installed;
}

} // namespace

void set_answerer(Answerer answerer_to_use) {
    answerer() = std::move(answerer_to_use);
}

int run_modal(QDialog& dialog) {
    if (answerer()) {
        QPointer<QDialog> guarded(&dialog);
        QTimer::singleShot(0, &dialog, [guarded] {
            if (guarded && answerer()) {
                answerer()(*guarded);
            }
        });
    }
    return dialog.exec();
}

bool click_button(QDialog& dialog, const QString& caption) {
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text().remove(QLatin1Char('&')) == caption) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace orve::gui
