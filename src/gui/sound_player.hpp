// Plays sound files without waiting; a new sound replaces one still playing.
#pragma once

#include <QString>

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace orve::gui {

class SoundPlayer {
  public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops what is playing and starts `path`; returns at once.
    void play(const QString& path);
    // The file last started (empty before the first).
    QString current() const;

  private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace orve::gui
