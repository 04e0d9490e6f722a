#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "output/Csv.h"

namespace {

// The table the field edition's copy of the rule is tested against too.
TEST(Csv, FieldsAreQuotedAndNeverRunAsFormulas)
{
    QFile file(QStringLiteral(BRACKMERE_CSV_CASES));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << BRACKMERE_CSV_CASES;
    const QJsonArray cases = QJsonDocument::fromJson(file.readAll()).object().value("cases").toArray();
    ASSERT_GE(cases.size(), 10);
    for (const QJsonValue& c : cases) {
        const QJsonObject row = c.toObject();
        EXPECT_EQ(Csv::Field(row["value"].toString()), row["csv"].toString()) << row["name"].toString().toStdString();
    }
}

TEST(Csv, TabSeparatedFieldsAreQuotedForTabsAndLineBreaks)
{
    const std::pair<QString, QString> cases[] = {
        {"a,b", "a,b"}, {"a\tb", "\"a\tb\""}, {"=1", "'=1"}, {"-5", "-5"}, {"say \"hi\"", "\"say \"\"hi\"\"\""}};
    for (const auto& [value, field] : cases)
        EXPECT_EQ(Csv::Field(value, u'\t'), field) << value.toStdString();
    EXPECT_EQ(Csv::Line({"=x", "-5", "a,b"}, "\n"), "'=x,-5,\"a,b\"\n");
}

}  // namespace
