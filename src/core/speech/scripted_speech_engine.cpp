#include "speech/scripted_speech_engine.h"

namespace lexorama::speech {

bool ScriptedSpeechEngine::waitUntilDone(int timeoutMs)
{
    record("wait " + std::to_string(timeoutMs));
    if (waits_.empty())
        return true;
    const bool answer = waits_.front();
    waits_.pop_front();
    return answer;
}

void ScriptedSpeechEngine::record(std::string line)
{
    calls_.push_back(line);
    if (onCall_)
        onCall_(line); // a copy: the hook may add calls
}

} // namespace lexorama::speech
