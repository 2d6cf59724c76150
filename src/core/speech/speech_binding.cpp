#include "speech/speech_binding.h"

#include <stdexcept>

namespace lexorama::speech {

SpeechBinding::SpeechBinding(SpeechEngineFactory factory, Feedback &feedback)
    : factory_(std::move(factory)), feedback_(feedback)
{
}

SpeechEngine &SpeechBinding::engine()
{
    if (!engine_)
        throw std::logic_error("the speech engine has not been created");
    return *engine_;
}

void SpeechBinding::TTSInit()
{
    engine_.reset(); // an engine may hold process-wide resources: release before replacing
    engine_ = factory_();
    const std::vector<VoiceInfo> voices = engine().voices();
    if (voices.empty()) {
        feedback_.status("Найдено Sapi Voices - " + std::to_string(voices.size()));
        feedback_.processEvents();
        controlsEnabled_ = false;
        return;
    }
    for (const VoiceInfo &voice : voices) {
        names_.push_back(voice.name);
        handles_.push_back(voice.handle);
    }
    const bool inRange = rememberedIndex_ >= 0 && rememberedIndex_ < static_cast<int>(names_.size());
    itemIndex_ = inRange ? rememberedIndex_ : -1;
    ComboBox1Change(itemIndex_);
}

void SpeechBinding::TTSDone()
{
    handles_.clear();
}

void SpeechBinding::ReinitTTSActionExecute(int selectorIndex)
{
    rememberedIndex_ = selectorIndex;
    TTSDone();
    names_.clear();
    itemIndex_ = -1;
    feedback_.processEvents();
    TTSInit();
    feedback_.processEvents();
    if (invalidateIndex_)
        invalidateIndex_();
    const bool inRange = rememberedIndex_ >= 0 && rememberedIndex_ < static_cast<int>(names_.size());
    itemIndex_ = inRange ? rememberedIndex_ : -1;
}

void SpeechBinding::ComboBox1Change(int itemIndex)
{
    if (itemIndex < 0 || itemIndex >= static_cast<int>(handles_.size()))
        return;
    itemIndex_ = itemIndex;
    engine().setVoice(handles_[static_cast<std::size_t>(itemIndex)]);
    feedback_.status(names_[static_cast<std::size_t>(itemIndex)]);
    feedback_.processEvents();
}

std::string SpeechBinding::VoiceRateTrackBarChange(int position)
{
    engine().setRate(position);
    return std::to_string(position);
}

void SpeechBinding::ReadText(std::string_view text, bool markup)
{
    if (text.empty())
        return;
    if (markup)
        engine().speakMarkup(text);
    else
        engine().speak(text);
}

bool SpeechBinding::WaitUntilDone(int timeoutMs)
{
    return engine().waitUntilDone(timeoutMs, [this] { feedback_.processEvents(); });
}

bool SpeechBinding::warmUp()
{
    if (!hasVoices())
        return false;
    feedback_.status("Загружаются словари...");
    ReadText(" ", false);
    do
        feedback_.processEvents();
    while (!WaitUntilDone(100));
    return true;
}

} // namespace lexorama::speech
