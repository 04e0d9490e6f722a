#pragma once

#include <deque>
#include <vector>

#include "ui/MessageBox.h"

// Stands in for the user at every message box while it lives: records each
// message and answers questions from a queue of prepared answers. A question
// nobody prepared an answer for fails the test.
class MessageRecorder : public Msg::Responder {
public:
    MessageRecorder();

    void answerNext(Msg::Answer answer) { answers_.push_back(answer); }
    const std::vector<Msg::Request>& messages() const { return messages_; }
    void clear() { messages_.clear(); }
    // Prepared answers that no question has used yet.
    std::size_t unusedAnswers() const { return answers_.size(); }

    Msg::Answer respond(const Msg::Request& request) override;

private:
    std::vector<Msg::Request> messages_;
    std::deque<Msg::Answer> answers_;
    Msg::ScopedResponder scope_;
};
