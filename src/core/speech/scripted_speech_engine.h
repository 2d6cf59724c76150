#pragma once

#include "speech/speech_engine.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lexorama::speech {

/// A speech engine that speaks nothing: it records every call as a line of text and answers
/// waits from a script, for tests of the commands and windows that speak.
///
/// The lines are "voice HANDLE", "rate N", "speak TEXT", "markup TEXT" and "wait MS".
class ScriptedSpeechEngine : public SpeechEngine {
public:
    explicit ScriptedSpeechEngine(std::vector<VoiceInfo> voices = {}) : voices_(std::move(voices)) {}

    std::vector<VoiceInfo> voices() override { return voices_; }
    void setVoice(const std::string &handle) override { record("voice " + handle); }
    void setRate(int rate) override { record("rate " + std::to_string(rate)); }
    void speak(std::string_view text) override { record("speak " + std::string(text)); }
    void speakMarkup(std::string_view markup) override { record("markup " + std::string(markup)); }
    /// Answers with the next scripted answer, true when none is left.
    bool waitUntilDone(int timeoutMs) override;

    /// Answers for the coming waits, in order.
    void scriptWaits(std::initializer_list<bool> answers) { waits_.insert(waits_.end(), answers); }
    /// Runs after each call has been recorded, with its line: lets a test act "while speaking".
    void onCall(std::function<void(const std::string &)> hook) { onCall_ = std::move(hook); }

    const std::vector<std::string> &calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

private:
    void record(std::string line);

    std::vector<VoiceInfo> voices_;
    std::deque<bool> waits_;
    std::vector<std::string> calls_;
    std::function<void(const std::string &)> onCall_;
};

} // namespace lexorama::speech
