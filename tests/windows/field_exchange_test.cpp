// The settings windows' field exchange: numbers as shown and scanned, the readers' messages,
// and what the number edits let through when typed.
#include "windows/field_exchange.h"

#include <QTest>
#include <QWidget>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/texts.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

using ::testing::IsEmpty;

// Expected texts are what printf's "%.15g" writes.
struct FormatCase {
    double value;
    const char* text;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.text;
}

class FormatDouble15Test : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDouble15Test, WritesLikePrintfG15) {
    EXPECT_EQ(FormatDouble15(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatDouble15Test,
                         ::testing::Values(FormatCase{0.0, "0"}, FormatCase{21.4225, "21.4225"},
                                           FormatCase{-58.3816, "-58.3816"},
                                           FormatCase{1.0 / 3.0, "0.333333333333333"},
                                           FormatCase{123456789012345678.0, "1.23456789012346e+17"},
                                           FormatCase{0.0001, "0.0001"},
                                           FormatCase{0.00001, "1e-05"},
                                           FormatCase{2500.0, "2500"}));

struct DoubleScanCase {
    const char* text;
    std::optional<double> value;
};
void PrintTo(const DoubleScanCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ScanLeadingDoubleTest : public ::testing::TestWithParam<DoubleScanCase> {};

TEST_P(ScanLeadingDoubleTest, TakesTheNumberAtTheStart) {
    EXPECT_EQ(ScanLeadingDouble(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanLeadingDoubleTest,
    ::testing::Values(DoubleScanCase{"12.5", 12.5}, DoubleScanCase{"  -3.25", -3.25},
                      DoubleScanCase{"\t+7", 7.0}, DoubleScanCase{"30.05 N", 30.05},
                      DoubleScanCase{"1e3x", 1000.0}, DoubleScanCase{".5", 0.5},
                      DoubleScanCase{"-.5", -0.5}, DoubleScanCase{"7.", 7.0},
                      DoubleScanCase{"", std::nullopt}, DoubleScanCase{"   ", std::nullopt},
                      DoubleScanCase{"abc", std::nullopt}, DoubleScanCase{"-", std::nullopt},
                      DoubleScanCase{".", std::nullopt}, DoubleScanCase{"- 5", std::nullopt},
                      DoubleScanCase{"inf", std::nullopt}, DoubleScanCase{"nan", std::nullopt},
                      DoubleScanCase{"1e999", std::nullopt}));

struct IntegerScanCase {
    const char* text;
    std::optional<long long> value;
};
void PrintTo(const IntegerScanCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ScanLeadingIntegerTest : public ::testing::TestWithParam<IntegerScanCase> {};

TEST_P(ScanLeadingIntegerTest, TakesTheIntegerAtTheStart) {
    EXPECT_EQ(ScanLeadingInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ScanLeadingIntegerTest,
                         ::testing::Values(IntegerScanCase{"13", 13}, IntegerScanCase{" -12", -12},
                                           IntegerScanCase{"+4", 4}, IntegerScanCase{"5.9", 5},
                                           IntegerScanCase{"07h", 7},
                                           IntegerScanCase{"", std::nullopt},
                                           IntegerScanCase{"x1", std::nullopt},
                                           IntegerScanCase{"--1", std::nullopt},
                                           IntegerScanCase{".5", std::nullopt},
                                           IntegerScanCase{"99999999999999999999", std::nullopt}));

// The readers on a live edit: the value, or the message with the exclamation icon, the focus
// back on the edit and its text selected.
class FieldExchangeTest : public ::testing::Test {
  protected:
    FieldExchangeTest() : edit(new QLineEdit(&window)), other(new QLineEdit(&window)) {
        window.show();
        other->setFocus();
    }

    void ExpectRefused(const std::string& message) {
        ASSERT_EQ(boxes.entries.size(), 1u);
        EXPECT_EQ(boxes.entries[0].text, message);
        EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(window.focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), edit->text());
    }

    QWidget window;
    QLineEdit* edit;
    QLineEdit* other;
    testing::RecordingMessageBoxes boxes;
};

TEST_F(FieldExchangeTest, ReadDouble) {
    double value = 4.0;
    edit->setText(" 21.5 deg");
    EXPECT_TRUE(fx::ReadDouble(edit, value, boxes));
    EXPECT_EQ(value, 21.5);
    EXPECT_THAT(boxes.entries, IsEmpty());

    edit->setText("deg 21.5");
    EXPECT_FALSE(fx::ReadDouble(edit, value, boxes));
    EXPECT_EQ(value, 21.5);
    ExpectRefused(texts::EnterNumber);
}

TEST_F(FieldExchangeTest, ReadIntegerRefusesTextAndNumbersBeyondInt) {
    int value = 3;
    edit->setText("42 minutes");
    EXPECT_TRUE(fx::ReadInteger(edit, value, boxes));
    EXPECT_EQ(value, 42);
    edit->setText("4294967296");
    EXPECT_FALSE(fx::ReadInteger(edit, value, boxes));
    EXPECT_EQ(value, 42);
    ExpectRefused(texts::EnterInteger);
}

struct RangeCase {
    const char* text;
    int min;
    int max;
    bool accepted;
    const char* message;
};
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" in " << c.min << ".." << c.max;
}

class ReadIntegerInRangeTest : public FieldExchangeTest,
                               public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ReadIntegerInRangeTest, ChecksTheBounds) {
    const RangeCase& c = GetParam();
    int value = 0;
    edit->setText(c.text);
    EXPECT_EQ(fx::ReadIntegerInRange(edit, value, c.min, c.max, boxes), c.accepted);
    if (c.accepted) {
        EXPECT_THAT(boxes.entries, IsEmpty());
    } else {
        ExpectRefused(c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ReadIntegerInRangeTest,
    ::testing::Values(RangeCase{"13", -12, 13, true, ""}, RangeCase{"-12", -12, 13, true, ""},
                      RangeCase{"14", -12, 13, false,
                                "Please enter an integer between -12 and 13."},
                      RangeCase{"0", 1, 30, false, "Please enter an integer between 1 and 30."},
                      RangeCase{"31", 1, 30, false, "Please enter an integer between 1 and 30."},
                      RangeCase{"x", 1, 30, false, "Please enter an integer."}));

struct PositiveCase {
    const char* text;
    std::optional<unsigned> value;
};
void PrintTo(const PositiveCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadPositiveIntegerTest : public FieldExchangeTest,
                                public ::testing::WithParamInterface<PositiveCase> {};

TEST_P(ReadPositiveIntegerTest, RefusesSignsAndText) {
    const PositiveCase& c = GetParam();
    unsigned value = 77;
    edit->setText(c.text);
    EXPECT_EQ(fx::ReadPositiveInteger(edit, value, boxes), c.value.has_value());
    if (c.value) {
        EXPECT_EQ(value, *c.value);
    } else {
        EXPECT_EQ(value, 77u);
        ExpectRefused(texts::EnterPositiveInteger);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadPositiveIntegerTest,
    ::testing::Values(PositiveCase{"5", 5u}, PositiveCase{" 0", 0u}, PositiveCase{"10 min", 10u},
                      PositiveCase{"4294967295", 4294967295u}, PositiveCase{"-1", std::nullopt},
                      PositiveCase{"-0", std::nullopt}, PositiveCase{"4294967296", std::nullopt},
                      PositiveCase{"", std::nullopt}, PositiveCase{"five", std::nullopt}));

struct PositiveRangeCase {
    const char* text;
    bool accepted;
    unsigned value;  // held after the reading: the number typed, or 77 when none was read
    const char* message;
};
void PrintTo(const PositiveRangeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadPositiveIntegerInRangeTest : public FieldExchangeTest,
                                       public ::testing::WithParamInterface<PositiveRangeCase> {};

TEST_P(ReadPositiveIntegerInRangeTest, ChecksTheSignThenTheBounds) {
    const PositiveRangeCase& c = GetParam();
    unsigned value = 77;
    edit->setText(c.text);
    EXPECT_EQ(fx::ReadPositiveIntegerInRange(edit, value, 1, 30, boxes), c.accepted);
    EXPECT_EQ(value, c.value);
    if (c.accepted) {
        EXPECT_THAT(boxes.entries, IsEmpty());
    } else {
        ExpectRefused(c.message);
    }
}

constexpr const char* Between1And30 = "Please enter an integer between 1 and 30.";
INSTANTIATE_TEST_SUITE_P(
    Days, ReadPositiveIntegerInRangeTest,
    ::testing::Values(PositiveRangeCase{"1", true, 1u, ""}, PositiveRangeCase{"30", true, 30u, ""},
                      PositiveRangeCase{" 7 of Rajab", true, 7u, ""},
                      PositiveRangeCase{"0", false, 0u, Between1And30},
                      PositiveRangeCase{"31", false, 31u, Between1And30},
                      PositiveRangeCase{"4294967295", false, 4294967295u, Between1And30},
                      PositiveRangeCase{"-3", false, 77u, texts::EnterPositiveInteger},
                      PositiveRangeCase{"", false, 77u, texts::EnterPositiveInteger}));

// Typing: `text` is the edit's text without any selection, `position` the insertion point.
struct TypingCase {
    const char* text;
    std::size_t position;
    char typed;
    fx::TypedNumber kind;
    bool accepted;
};
void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << '\'' << c.typed << "' at " << c.position << " of \"" << c.text << "\" kind "
        << static_cast<int>(c.kind);
}

class AcceptsTypedCharacterTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(AcceptsTypedCharacterTest, LetsThroughWhatTheKindTakes) {
    const TypingCase& c = GetParam();
    EXPECT_EQ(fx::AcceptsTypedCharacter(c.text, c.position, c.typed, c.kind), c.accepted)
        << "'" << c.typed << "' at " << c.position << " of \"" << c.text << "\"";
}

using K = fx::TypedNumber;
INSTANTIATE_TEST_SUITE_P(Characters, AcceptsTypedCharacterTest,
                         ::testing::Values(TypingCase{"", 0, '7', K::Digits, true},
                                           TypingCase{"", 0, '-', K::Digits, false},
                                           TypingCase{"", 0, '.', K::Digits, false},
                                           TypingCase{"12", 0, '-', K::SignedInteger, true},
                                           TypingCase{"12", 1, '-', K::SignedInteger, false},
                                           TypingCase{"-12", 0, '-', K::SignedInteger, false},
                                           TypingCase{"-12", 0, '5', K::SignedInteger, false},
                                           TypingCase{"-12", 1, '5', K::SignedInteger, true},
                                           TypingCase{"1", 1, '.', K::SignedInteger, false},
                                           TypingCase{"1", 1, '.', K::SignedDecimal, true},
                                           TypingCase{"1.5", 3, '.', K::SignedDecimal, false},
                                           TypingCase{"-5", 0, '.', K::SignedDecimal, false},
                                           TypingCase{"-5", 1, '.', K::SignedDecimal, true},
                                           TypingCase{"", 0, 'e', K::SignedDecimal, false},
                                           TypingCase{"", 0, ' ', K::SignedDecimal, false},
                                           TypingCase{"", 0, '+', K::SignedDecimal, false}));

TEST_F(FieldExchangeTest, TypingReplacesTheSelection) {
    fx::RestrictTyping(edit, fx::TypedNumber::SignedInteger);
    edit->setText("-5");
    edit->selectAll();
    QTest::keyClicks(edit, "-7");
    EXPECT_EQ(edit->text(), "-7");  // the old sign went with the selection
    // Editing keys and shortcuts still work.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "");
}

}  // namespace
}  // namespace salvenor
