#include "sound_player.hpp"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace orve::gui {

SoundPlayer::SoundPlayer()
    : output_(std::make_unique<QAudioOutput>()), player_(std::make_unique<QMediaPlayer>()) {
    player_->setAudioOutput(output_.get());
}

SoundPlayer::~SoundPlayer() {
    player_->stop();
}

void SoundPlayer::play(const QString& path) {
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

QString SoundPlayer::current() const {
    return player_->source().toLocalFile();
}

} // namespace orve::gui
