// Recording fakes of the platform seams, shared by the tests.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_boxes.h"
#include "platform/notifier.h"
#include "platform/sound_player.h"

namespace salvenor::testing {

// Records every message and question; questions take the queued answers in order, then Yes.
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    struct Entry {
        std::string text;
        MessageIcon icon;
        bool question;
    };

    void show(std::string_view text, MessageIcon icon) override {
        entries.push_back({std::string(text), icon, false});
    }
    bool askYesNo(std::string_view text, MessageIcon icon) override {
        entries.push_back({std::string(text), icon, true});
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& e : entries) {
            out.push_back(e.text);
        }
        return out;
    }

    // A stand-in translation: the texts listed are shown in their listed form, others stay English.
    std::string inUserLanguage(const char* english) const override {
        const auto found = language.find(english);
        return found == language.end() ? std::string(english) : found->second;
    }

    std::vector<Entry> entries;
    std::deque<bool> answers;
    std::map<std::string, std::string> language;
};

// Records every request in order: "play:<path>", "stop", "beep:<hz>:<ms>".
class RecordingSoundPlayer final : public SoundPlayer {
  public:
    void play(const std::string& path) override { requests.push_back("play:" + path); }
    void stop() override { requests.push_back("stop"); }
    void beep(int frequencyHz, int durationMs) override {
        requests.push_back("beep:" + std::to_string(frequencyHz) + ":" +
                           std::to_string(durationMs));
    }

    bool hasOutputDevice() const override { return outputDevice; }

    std::vector<std::string> requests;
    bool outputDevice = true;  // the answer to hasOutputDevice
};

// Records every notification as "summary | body".
class RecordingNotifier final : public Notifier {
  public:
    void notify(const std::string& summary, const std::string& body) override {
        notes.push_back(summary + " | " + body);
    }
    std::vector<std::string> notes;
};

}  // namespace salvenor::testing
