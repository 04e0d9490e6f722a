#include "ui/MessageBox.h"

#include <QMessageBox>

namespace Msg {
namespace {

Responder* installedResponder = nullptr;

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer Box(QWidget* parent, const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    const Request request{text, title, icon, buttons};
    if (installedResponder)
        return installedResponder->respond(request);

    QMessageBox box(toQt(icon), title, text,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

ScopedResponder::ScopedResponder(Responder& responder) : previous_(installedResponder)
{
    installedResponder = &responder;
}

ScopedResponder::~ScopedResponder()
{
    installedResponder = previous_;
}

}  // namespace Msg
