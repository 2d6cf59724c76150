#pragma once

#include "common/feedback.h"
#include "speech/speech_engine.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::speech {

/// The main window's binding to the speech engine: creates the engine, keeps the model of the
/// voice selector (its items, the selected item and whether it may be used), sends the voice
/// and the rate to the engine, and speaks. The window calls one method per event and shows
/// what the binding holds afterwards; status texts go through Feedback::status.
class SpeechBinding {
public:
    /// The rate track bar's hint before it is first moved.
    static constexpr std::string_view kInitialRateHint = "0 (Скорость чтения)";

    SpeechBinding(SpeechEngineFactory factory, Feedback &feedback);

    /// Creates the engine, lists its voices as the selector's items and selects the remembered
    /// voice (ComboBox1Change runs for it). With no voices: the status text
    /// "Найдено Sapi Voices - 0", and the selector and the read-word button are disabled for
    /// the rest of the run. Engine failures are passed on.
    void TTSInit();
    /// Gives back the voice handles attached to the selector's items; the items stay.
    void TTSDone();
    /// Re-creates the binding: remembers selectorIndex (the selector's present item), rebuilds
    /// engine and items, marks the dictionary index as not built and selects the remembered
    /// item again without sending it to the engine.
    void ReinitTTSActionExecute(int selectorIndex);
    /// The user chose item itemIndex (-1: none): it becomes the engine's voice and its name the
    /// status text.
    void ComboBox1Change(int itemIndex);
    /// Sends the track bar position (-10..10) to the engine as its rate; returns the track
    /// bar's new hint.
    std::string VoiceRateTrackBarChange(int position);
    /// Speaks UTF-8 text without waiting for it, as markup (discarding what is being spoken)
    /// when markup is set, otherwise queued. An empty text speaks nothing.
    void ReadText(std::string_view text, bool markup);
    /// The engine's wait: at most timeoutMs (negative: no limit); true when speech has ended.
    bool WaitUntilDone(int timeoutMs);
    /// The first activation's warm-up: when there is a voice, shows "Загружаются словари...",
    /// speaks a single blank and waits for it, letting window events run. True when it ran.
    bool warmUp();

    /// What the voice selector ComboBox1 shows.
    const std::vector<std::string> &voiceNames() const { return names_; }
    /// The selector's item index; -1 for none.
    int itemIndex() const { return itemIndex_; }
    /// False once an engine had no voices: the selector and ReadWordButton stay disabled.
    bool controlsEnabled() const { return controlsEnabled_; }
    bool hasVoices() const { return !names_.empty(); }
    int rememberedVoiceIndex() const { return rememberedIndex_; }
    /// What marks the dictionary index as not built (run on every re-initialisation).
    void setIndexInvalidator(std::function<void()> invalidate) { invalidateIndex_ = std::move(invalidate); }

private:
    SpeechEngine &engine();

    SpeechEngineFactory factory_;
    Feedback &feedback_;
    std::shared_ptr<SpeechEngine> engine_;
    std::vector<std::string> names_;
    std::vector<std::string> handles_;
    int itemIndex_ = -1;
    int rememberedIndex_ = 0;
    bool controlsEnabled_ = true;
    std::function<void()> invalidateIndex_;
};

} // namespace lexorama::speech
