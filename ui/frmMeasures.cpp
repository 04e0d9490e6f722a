#include "ui/frmMeasures.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/Measures.h"
#include "ui/Colors.h"
#include "ui/CoreTexts.h"
#include "ui/LocalNumbers.h"
#include "ui/QtText.h"
#include "ui/WidgetColors.h"

namespace {

QLabel* MakeText(QWidget* parent, const char* name, bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QString ListHtml(const Measures::Advice& advice)
{
    QString items;
    for (std::string_view measure : advice.measures)
        items += QStringLiteral("<li style=\"margin-bottom: 4px\">") + CoreText(measure).toHtmlEscaped()
                 + QStringLiteral("</li>");
    return QStringLiteral("<ol style=\"margin-left: 0px; -qt-list-indent: 1\">") + items + QStringLiteral("</ol>");
}

}  // namespace

frmMeasures::frmMeasures(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMeasures"));
    lblMessage = MakeText(this, "lblMeasuresMessage", true);
    lblSummary = MakeText(this, "lblMeasuresSummary");
    lblCoolTo = MakeText(this, "lblCoolTo", true);
    lblMeasures = MakeText(this, "lblMeasures");
    lblMeasures->setTextFormat(Qt::RichText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {lblMessage, lblSummary, lblCoolTo, lblMeasures})
        layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(380);
    resize(420, 440);
}

void frmMeasures::ShowFor(const Calculation& calculation)
{
    const bool valid = calculation.valid;
    setWindowTitle(tr("Measures"));  // again here, so that a new language reaches it
    lblMessage->setText(valid ? CoreText(calculation.answer) : QString());
    lblMessage->setVisible(valid);
    WidgetColors::SetForeColor(lblMessage, calculation.answerColor() == MessageColor::Warning
                                               ? Colors::MessageWarning
                                               : Colors::MessageNormal);
    const Measures::CoolToParts coolToParts = Measures::CoolToPattern(calculation);
    QString coolTo = coolToParts.pattern.empty() ? QString() : CoreText(coolToParts.pattern);
    for (const std::string& value : coolToParts.values)
        coolTo = coolTo.arg(LocalNumbers::Shown(value));
    lblCoolTo->setText(coolTo);
    lblCoolTo->setVisible(!coolTo.isEmpty());
    if (!valid) {
        lblSummary->setText(CoreText(Measures::NoRate));
        lblMeasures->clear();
        return;
    }
    const Measures::Advice& advice = Measures::For(calculation.precaution);
    lblSummary->setText(CoreText(advice.summary));
    lblMeasures->setText(ListHtml(advice));
}
