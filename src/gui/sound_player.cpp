#include "sound_player.hpp"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace orve::gui {

QtSoundPlayer::QtSoundPlayer()
    : output_(std::make_unique<QAudioOutput>()), player_(std::make_unique<QMediaPlayer>()) {
    player_->setAudioOutput(output_.get());
}

QtSoundPlayer::~QtSoundPlayer() {
    player_->stop();
}

void QtSoundPlayer::play(const QString& path) {
    // One player for all sounds: starting a new source stops the one playing.
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

} // namespace orve::gui
