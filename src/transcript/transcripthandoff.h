#pragma once

// What the essay window asks of the transcript. The transcript window
// implements it; the essay window finds it through the window registry, so
// neither window includes the other.

namespace zm::transcript {

class TranscriptHandOff
{
public:
    virtual ~TranscriptHandOff() = default;

    // "speichern": the save dialog and the write, as the transcript's own button.
    virtual void saveTranscript() = 0;
    // The transcript in front, titled "Ausdruck vom …" with today's date.
    virtual void showTranscript() = 0;
};

} // namespace zm::transcript
