#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::speech {

/// One installed voice: the name the user sees and the handle that makes it the current voice.
struct VoiceInfo {
    std::string name;
    std::string handle;

    bool operator==(const VoiceInfo &) const = default;
};

/// What the program needs of a speech engine. Speaking never blocks the caller: the engine
/// speaks on its own while the program goes on, and the program polls it with waitUntilDone.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    /// The installed voices, in the order the voice selector lists them.
    virtual std::vector<VoiceInfo> voices() = 0;
    /// Makes the voice with this handle the current one for everything spoken after it.
    virtual void setVoice(const std::string &handle) = 0;
    /// Speaking rate from -10 (slowest) to 10 (fastest); 0 is the engine's normal rate.
    virtual void setRate(int rate) = 0;
    /// Queues UTF-8 text behind whatever is still being spoken.
    virtual void speak(std::string_view text) = 0;
    /// Discards everything queued or being spoken, then speaks the XML markup; the phoneme
    /// markup (phoneme_markup.h) is read as its IPA transcription.
    virtual void speakMarkup(std::string_view markup) = 0;
    /// Waits until nothing is queued or being spoken, at most timeoutMs milliseconds (a negative
    /// time-out waits without limit). True when that state was reached.
    virtual bool waitUntilDone(int timeoutMs) = 0;
    /// The same wait for a caller that must stay responsive (a window): whileWaiting runs every
    /// few milliseconds until the wait ends. Engines that never really wait need not override it.
    virtual bool waitUntilDone(int timeoutMs, const std::function<void()> &whileWaiting)
    {
        (void)whileWaiting;
        return waitUntilDone(timeoutMs);
    }
};

/// Creates the engine the binding speaks through; throws when no engine can be created.
using SpeechEngineFactory = std::function<std::shared_ptr<SpeechEngine>()>;

} // namespace lexorama::speech
