// The text format of component streams: values read back as written, faults named by line.

#include "platform/runtime/streamtext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "platform/runtime/filer.h"

using namespace vexo;

namespace {

TStreamValue Value(TStreamValue::TKind kind) {
    return TStreamValue::Of(kind);
}

TStreamProperty Prop(const char* name, TStreamValue value) {
    return {QString::fromLatin1(name), std::move(value), 0};
}

TStreamValue Int(qint64 n) {
    TStreamValue v;
    v.Integer = n;
    return v;
}

TStreamValue Float(double f) {
    TStreamValue v = Value(TStreamValue::vaFloat);
    v.Float = f;
    return v;
}

TStreamValue Text(TStreamValue::TKind kind, const QString& text) {
    TStreamValue v = Value(kind);
    v.Text = text;
    return v;
}

// Every kind of value, nested.
TStreamObject Sample() {
    TStreamObject root{QStringLiteral("Form1"), QStringLiteral("TForm"), {}, {}, 0};
    root.Properties.push_back(
        Prop("Caption", Text(TStreamValue::vaString, QStringLiteral("It's \"quoted\"\n\tПривет"))));
    root.Properties.push_back(Prop("Empty", Text(TStreamValue::vaString, QString())));
    root.Properties.push_back(Prop("Tag", Int(std::numeric_limits<qint64>::min())));
    root.Properties.push_back(Prop("Big", Int(std::numeric_limits<qint64>::max())));
    root.Properties.push_back(Prop("Ratio", Float(0.1)));
    root.Properties.push_back(Prop("Whole", Float(-3)));
    root.Properties.push_back(Prop("Tiny", Float(1e-300)));
    root.Properties.push_back(Prop("Infinite", Float(-std::numeric_limits<double>::infinity())));
    root.Properties.push_back(
        Prop("Font.Color", Text(TStreamValue::vaIdent, QStringLiteral("clBtnFace"))));
    TStreamValue set = Value(TStreamValue::vaSet);
    set.Elements = QStringList{QStringLiteral("fsBold"), QStringLiteral("fsItalic")};
    root.Properties.push_back(Prop("Font.Style", set));
    root.Properties.push_back(Prop("NoStyle", Value(TStreamValue::vaSet)));
    TStreamValue list = Value(TStreamValue::vaList);
    list.List.push_back(Int(2));
    list.List.push_back(Text(TStreamValue::vaString, QStringLiteral("OkButton")));
    TStreamValue inner = Value(TStreamValue::vaList);
    inner.List.push_back(Float(2.5));
    list.List.push_back(inner);
    root.Properties.push_back(Prop("OutList", list));
    TStreamValue binary = Value(TStreamValue::vaBinary);
    for (int i = 0; i < 100; ++i)
        binary.Binary.append(char(i * 7));
    root.Properties.push_back(Prop("Data", binary));
    TStreamValue collection = Value(TStreamValue::vaCollection);
    collection.Items.push_back(
        {Prop("Caption", Text(TStreamValue::vaString, QStringLiteral("a")))});
    collection.Items.push_back({});
    root.Properties.push_back(Prop("Columns", collection));
    root.Properties.push_back(Prop("NoItems", Value(TStreamValue::vaCollection)));
    TStreamObject child{QStringLiteral("Edit1"), QStringLiteral("TEdit"), {}, {}, 0};
    child.Properties.push_back(Prop("Text", Text(TStreamValue::vaString, QStringLiteral("x"))));
    TStreamObject unnamed{QString(), QStringLiteral("TTimer"), {}, {}, 0};
    child.Children.push_back(unnamed);
    root.Children.push_back(child);
    return root;
}

void ExpectSameValue(const TStreamValue& a, const TStreamValue& b, const QString& where) {
    ASSERT_EQ(a.Kind, b.Kind) << where.toStdString();
    EXPECT_EQ(a.Integer, b.Integer) << where.toStdString();
    if (std::isnan(a.Float))
        EXPECT_TRUE(std::isnan(b.Float));
    else
        EXPECT_EQ(a.Float, b.Float) << where.toStdString();
    EXPECT_EQ(a.Text, b.Text) << where.toStdString();
    EXPECT_EQ(a.Elements, b.Elements) << where.toStdString();
    EXPECT_EQ(a.Binary, b.Binary) << where.toStdString();
    ASSERT_EQ(a.List.size(), b.List.size()) << where.toStdString();
    for (std::size_t i = 0; i < a.List.size(); ++i)
        ExpectSameValue(a.List[i], b.List[i], where + QStringLiteral("[%1]").arg(i));
    ASSERT_EQ(a.Items.size(), b.Items.size()) << where.toStdString();
    for (std::size_t i = 0; i < a.Items.size(); ++i) {
        ASSERT_EQ(a.Items[i].size(), b.Items[i].size());
        for (std::size_t j = 0; j < a.Items[i].size(); ++j) {
            EXPECT_EQ(a.Items[i][j].Name, b.Items[i][j].Name);
            ExpectSameValue(a.Items[i][j].Value, b.Items[i][j].Value, where);
        }
    }
}

void ExpectSameObject(const TStreamObject& a, const TStreamObject& b) {
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.ClassName, b.ClassName);
    ASSERT_EQ(a.Properties.size(), b.Properties.size());
    for (std::size_t i = 0; i < a.Properties.size(); ++i) {
        EXPECT_EQ(a.Properties[i].Name, b.Properties[i].Name);
        ExpectSameValue(a.Properties[i].Value, b.Properties[i].Value, a.Properties[i].Name);
    }
    ASSERT_EQ(a.Children.size(), b.Children.size());
    for (std::size_t i = 0; i < a.Children.size(); ++i)
        ExpectSameObject(a.Children[i], b.Children[i]);
}

} // namespace

TEST(StreamText, EveryKindOfValueReadsBackAsWritten) {
    const TStreamObject sample = Sample();
    const QString text = StreamTextOf(sample);
    const TStreamObject read = ParseStreamText(text);
    ExpectSameObject(sample, read);
    EXPECT_EQ(StreamTextOf(read), text);
    // Strings keep printable letters in quotes and control characters as codes.
    EXPECT_TRUE(text.contains(QStringLiteral("Caption = 'It''s \"quoted\"'#10#9'Привет'")));
    EXPECT_TRUE(text.contains(QStringLiteral("Whole = -3.0")));
    EXPECT_TRUE(text.startsWith(QStringLiteral("object Form1: TForm\n  Caption = ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n    object TTimer\n    end\n")));
}

TEST(StreamText, LinesCommentsAndNotationsAreRead) {
    const TStreamObject object = ParseStreamText(QStringLiteral("// a layout kept beside its code\n"
                                                                "object Form1: TForm\n"
                                                                "  Left = $1F  // hexadecimal\n"
                                                                "  Ratio = 2E3\n"
                                                                "  Odd = NaN\n"
                                                                "  Name = 'a'#39'b'\n"
                                                                "  Bits = {0a 1B\n"
                                                                "          ff}\n"
                                                                "  object OK: TButton\n"
                                                                "  end\n"
                                                                "end\n"));
    EXPECT_EQ(object.Line, 2);
    ASSERT_EQ(object.Properties.size(), 5u);
    EXPECT_EQ(object.Properties[0].Value.Integer, 31);
    EXPECT_EQ(object.Properties[0].Line, 3);
    EXPECT_EQ(object.Properties[1].Value.Float, 2000.0);
    EXPECT_TRUE(std::isnan(object.Properties[2].Value.Float));
    EXPECT_EQ(object.Properties[3].Value.Text, QStringLiteral("a'b"));
    EXPECT_EQ(object.Properties[4].Value.Binary, QByteArray("\x0a\x1b\xff", 3));
    ASSERT_EQ(object.Children.size(), 1u);
    EXPECT_EQ(object.Children[0].Line, 9);
}

struct FaultCase {
    const char* text;
    int line;
    const char* message;
};

class StreamTextFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StreamTextFaults, AreRefusedNamingTheLine) {
    const FaultCase& c = GetParam();
    try {
        ParseStreamText(QString::fromUtf8(c.text));
        FAIL() << "accepted: " << c.text;
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), c.line) << c.text;
        EXPECT_EQ(e.Reason(), QString::fromUtf8(c.message)) << c.text;
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Line %1: ").arg(c.line)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, StreamTextFaults,
    ::testing::Values(
        FaultCase{"", 1, "'object' expected"},
        FaultCase{"object Form1: TForm\n  Caption = 'open\nend\n", 2, "Invalid string constant"},
        FaultCase{"object Form1: TForm\n  Caption 'x'\nend\n", 2, "'=' expected"},
        FaultCase{"object Form1: TForm\n  Left = ]\nend\n", 2, "Property value expected"},
        FaultCase{"object Form1: TForm\n  Left = 12abc\nend\n", 2, "Invalid number"},
        FaultCase{"object Form1: TForm\n  Left = 99999999999999999999\nend\n", 2, "Invalid number"},
        FaultCase{"object Form1: TForm\n  S = [a, 1]\nend\n", 2, "Identifier expected"},
        FaultCase{"object Form1: TForm\n  B = {0G}\nend\n", 2, "Invalid binary value"},
        FaultCase{"object Form1: TForm\n  C = <\n    end>\nend\n", 3, "'item' or '>' expected"},
        FaultCase{"object Form1: TForm\n  L = (1 2\n", 3, "')' expected"},
        FaultCase{"object Form1: TForm\n  object Edit1: TEdit\n  end\n", 4, "'end' expected"},
        FaultCase{"object Form1: TForm\nend\nend\n", 3, "End of text expected"},
        FaultCase{"object Form1: TForm\n  S = #55555555\nend\n", 2, "Invalid string constant"}));

TEST(StreamText, NestingTooDeepIsRefused) {
    QString text;
    for (int i = 0; i < MaxStreamNesting + 1; ++i)
        text += QStringLiteral("object O%1: TX\n").arg(i);
    EXPECT_THROW(ParseStreamText(text), EReadError);
    QString lists = QStringLiteral("object A: TX\n  L = ");
    lists += QString(100000, QLatin1Char('('));
    EXPECT_THROW(ParseStreamText(lists), EReadError);
}
