#pragma once

#include <QPushButton>

// A button with its picture above a caption that wraps onto as many lines as the
// button's width needs, for the tall, narrow buttons of the data frame.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString& text, const QIcon& icon, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
