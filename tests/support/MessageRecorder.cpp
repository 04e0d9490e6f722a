#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

MessageRecorder::MessageRecorder() : scope_(*this) {}

Msg::Answer MessageRecorder::respond(const Msg::Request& request)
{
    messages_.push_back(request);
    if (request.buttons == Msg::Buttons::Ok)
        return Msg::Answer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << request.text.toStdString();
        return Msg::Answer::No;
    }
    const Msg::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}
