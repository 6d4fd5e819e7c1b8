// The sound seam: play a WAV file once in the background, stop it, or sound a tone.
#pragma once

#include <string>

namespace salvenor {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the file (a native path) in the background, replacing any sound still playing.
    // A file that is missing or cannot be played gives the default sound instead. Never blocks
    // and never fails the caller.
    virtual void play(const std::string& path) = 0;
    // Stops whatever is playing.
    virtual void stop() = 0;
    // A tone of the given frequency and duration, in the background.
    virtual void beep(int frequencyHz, int durationMs) = 0;
    // Whether the system has a sound output device at all; without one nothing is heard.
    virtual bool hasOutputDevice() const = 0;
};

}  // namespace salvenor
