#pragma once

#include <QComboBox>

// A combo box for a narrow place: its list shows every entry in full, and the box shows the
// chosen entry by its short name (the entry's ShortTextRole) when the full one does not fit.
class CompactComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ShortTextRole = Qt::UserRole + 1;

    explicit CompactComboBox(QWidget* parent = nullptr);
    void addEntry(const QString& text, const QString& shortText);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
