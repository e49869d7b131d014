// A picture drawn stretched over the whole widget whenever it is painted (the
// welcome window and the picture dialogue).
#pragma once

#include <QImage>
#include <QWidget>

namespace orve::gui {

class PictureView : public QWidget {
  public:
    PictureView(const QString& path, QWidget* parent = nullptr);

    // False when the file could not be read as a picture.
    bool loaded() const { return !image_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

} // namespace orve::gui
