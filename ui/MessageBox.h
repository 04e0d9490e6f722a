#pragma once

#include <QString>

class QWidget;

// Every message and question the program puts to the user goes through MsgBox.
// The program shows real message boxes; tests install a MessageResponder that
// records each message and answers it, so no test ever waits for a person.
namespace Msg {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Request {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

class Responder {
public:
    virtual ~Responder() = default;
    virtual Answer respond(const Request& request) = 0;
};

// Shows the message modally (or hands it to the installed responder) and returns the answer.
Answer Box(QWidget* parent, const QString& text, Buttons buttons, Icon icon, const QString& title);

// Installs a responder for the lifetime of this object (tests only).
class ScopedResponder {
public:
    explicit ScopedResponder(Responder& responder);
    ~ScopedResponder();
    ScopedResponder(const ScopedResponder&) = delete;
    ScopedResponder& operator=(const ScopedResponder&) = delete;

private:
    Responder* previous_;
};

}  // namespace Msg
