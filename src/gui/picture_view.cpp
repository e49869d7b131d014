#include "picture_view.hpp"

#include <QPainter>

namespace orve::gui {

PictureView::PictureView(const QString& path, QWidget* parent) : QWidget(parent), image_(path) {
    setMinimumSize(160, 120);
}

void PictureView::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    if (image_.isNull()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("The picture cannot be shown."));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image_);
}

} // namespace orve::gui
