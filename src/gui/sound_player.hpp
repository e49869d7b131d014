// Plays sound files without waiting; a new sound replaces one still playing.
#pragma once

#include <QString>

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace orve::gui {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Stops what is playing and starts `path`; returns at once.
    virtual void play(const QString& path) = 0;
};

// The player of the desktop's sound service.
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const QString& path) override;

  private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace orve::gui
