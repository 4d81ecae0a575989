#include "platform/runtime/typinfo.h"

#include <gtest/gtest.h>

#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "platform/runtime/stringlist.h"

using namespace vexo;

namespace {

class Sample : public TComponentObject {
    Q_OBJECT
    Q_CLASSINFO("Default.Active", "True")
    Q_CLASSINFO("Default.Align", "alNone")
    Q_CLASSINFO("Default.Style", "[fsBold]")
    Q_CLASSINFO("Default.Width", "64")
    Q_CLASSINFO("Default.Ratio", "2.5")
    Q_PROPERTY(bool Active MEMBER active)
    Q_PROPERTY(TAlign Align MEMBER align)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Width MEMBER width)
    Q_PROPERTY(quint32 Color MEMBER color)
    Q_PROPERTY(char Letter MEMBER letter)
    Q_PROPERTY(QChar WideLetter MEMBER wideLetter)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(float Scale MEMBER scale)
    Q_PROPERTY(QByteArray Short MEMBER shortText)
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(QVariant Data MEMBER data)
    Q_PROPERTY(qint64 Big MEMBER big)
    Q_PROPERTY(vexo::TStrings* Lines MEMBER lines)
    Q_PROPERTY(QStringList Many MEMBER many)
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)
public:
    enum TAlign { alNone, alTop, alBottom, alClient };
    Q_ENUM(TAlign)
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    Q_INVOKABLE explicit Sample(vexo::TComponent* owner = nullptr) : TComponentObject(owner) {}

    TFontStyles Style() const { return style; }
    void SetStyle(TFontStyles value) { style = value; }

    bool active = true;
    TAlign align = alNone;
    TFontStyles style = fsBold;
    int width = 64;
    quint32 color = 0x8000000F;
    char letter = 'a';
    QChar wideLetter = QChar(0x416);
    double ratio = 2.5;
    float scale = 1.5f;
    QByteArray shortText = "short";
    QString caption = "caption";
    QVariant data = 7;
    qint64 big = 1LL << 40;
    TStrings* lines = nullptr;
    QStringList many;
    TNotifyEvent OnChange;
};

struct KindCase {
    const char* name;
    TTypeKind kind;
};

class PropertyKinds : public ::testing::TestWithParam<KindCase> {};

} // namespace

TEST_P(PropertyKinds, KindCodeOfEachPropertyType) {
    Sample sample;
    const TPropInfo info = GetPropInfo(&sample, GetParam().name);
    ASSERT_TRUE(info.IsValid()) << GetParam().name;
    EXPECT_EQ(int(info.Kind()), int(GetParam().kind)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    TypeInfo, PropertyKinds,
    ::testing::Values(KindCase{"Width", tkInteger}, KindCase{"Color", tkInteger},
                      KindCase{"Letter", tkChar}, KindCase{"Align", tkEnumeration},
                      KindCase{"Active", tkEnumeration}, KindCase{"Ratio", tkFloat},
                      KindCase{"Short", tkString}, KindCase{"Style", tkSet},
                      KindCase{"Lines", tkClass}, KindCase{"WideLetter", tkWChar},
                      KindCase{"Caption", tkLString}, KindCase{"Data", tkVariant},
                      KindCase{"Big", tkInt64}, KindCase{"Many", tkDynArray},
                      KindCase{"Name", tkLString}, KindCase{"Tag", tkInteger}));

TEST(TypeInfoLookup, NamesAreFoundInAnyLetterCase) {
    Sample sample;
    EXPECT_EQ(GetPropInfo(&sample, "cAPTION").Name(), "Caption");
    EXPECT_FALSE(GetPropInfo(&sample, "Missing").IsValid());
    EXPECT_FALSE(GetPropInfo(static_cast<QObject*>(nullptr), "Caption").IsValid());
}

TEST(TypeInfoLookup, QtOwnPropertiesAreNotPublished) {
    Sample sample;
    EXPECT_FALSE(GetPropInfo(&sample, "objectName").IsValid());
    for (const TPropInfo& info : GetPropList(&sample))
        EXPECT_NE(info.Name(), "objectName");
}

TEST(TypeInfoLookup, ListFollowsDeclarationOrderAndFilter) {
    Sample sample;
    const QList<TPropInfo> all = GetPropList(&sample, tkAny);
    ASSERT_GE(all.size(), 4);
    EXPECT_EQ(all.at(0).Name(), "Name");
    EXPECT_EQ(all.at(1).Name(), "Tag");
    EXPECT_EQ(all.at(2).Name(), "Active");
    const QList<TPropInfo> floats = GetPropList(&sample, KindBit(tkFloat));
    ASSERT_EQ(floats.size(), 2);
    EXPECT_EQ(floats.at(0).Name(), "Ratio");
    EXPECT_EQ(floats.at(0).FloatPrecision(), 15);
    EXPECT_EQ(floats.at(1).FloatPrecision(), 7);
}

TEST(TypeInfoEnums, IdentifiersAndValues) {
    Sample sample;
    const TPropInfo align = GetPropInfo(&sample, "Align");
    EXPECT_EQ(align.EnumName(3), "alClient");
    EXPECT_EQ(align.EnumName(9), "");
    EXPECT_EQ(align.EnumValue("ALCLIENT"), 3);
    EXPECT_EQ(align.EnumValue("alMissing"), -1);
    EXPECT_EQ(align.EnumNames(), (QStringList{"alNone", "alTop", "alBottom", "alClient"}));
    const TPropInfo active = GetPropInfo(&sample, "Active");
    EXPECT_EQ(active.EnumName(0), "False");
    EXPECT_EQ(active.EnumValue("true"), 1);
}

TEST(TypeInfoEnums, SetElementsByBit) {
    Sample sample;
    const TPropInfo style = GetPropInfo(&sample, "Style");
    EXPECT_EQ(style.SetElementName(0), "fsBold");
    EXPECT_EQ(style.SetElementName(3), "fsStrikeOut");
    EXPECT_EQ(style.SetElementName(4), "");
    EXPECT_EQ(style.SetElementName(40), "");
    EXPECT_EQ(style.SetElementValue("fsitalic"), 1);
    EXPECT_EQ(style.SetElementValue("fsNone"), -1);
}

TEST(TypeInfoValues, OrdinalAccess) {
    Sample sample;
    EXPECT_EQ(GetOrdProp(&sample, GetPropInfo(&sample, "Color")), 0x8000000FLL);
    SetOrdProp(&sample, GetPropInfo(&sample, "Align"), 2);
    EXPECT_EQ(sample.align, Sample::alBottom);
    SetOrdProp(&sample, GetPropInfo(&sample, "Style"), 6);
    EXPECT_EQ(int(sample.style), 6);
    EXPECT_EQ(GetOrdProp(&sample, GetPropInfo(&sample, "Style")), 6);
    SetOrdProp(&sample, GetPropInfo(&sample, "Active"), 0);
    EXPECT_FALSE(sample.active);
    EXPECT_EQ(GetOrdProp(&sample, GetPropInfo(&sample, "WideLetter")), 0x416);
    SetOrdProp(&sample, GetPropInfo(&sample, "WideLetter"), 'z');
    EXPECT_EQ(sample.wideLetter, QChar('z'));
    SetInt64Prop(&sample, GetPropInfo(&sample, "Big"), -(1LL << 50));
    EXPECT_EQ(GetInt64Prop(&sample, GetPropInfo(&sample, "Big")), -(1LL << 50));
}

TEST(TypeInfoValues, FloatTextVariantAndObjectAccess) {
    Sample sample;
    SetFloatProp(&sample, GetPropInfo(&sample, "Ratio"), 0.125);
    EXPECT_EQ(sample.ratio, 0.125);
    SetStrProp(&sample, GetPropInfo(&sample, "Caption"), "Hello");
    EXPECT_EQ(GetStrProp(&sample, GetPropInfo(&sample, "caption")), "Hello");
    SetVariantProp(&sample, GetPropInfo(&sample, "Data"), QVariant("x"));
    EXPECT_EQ(sample.data, QVariant("x"));
    TStringList list;
    SetObjectProp(&sample, GetPropInfo(&sample, "Lines"), &list);
    EXPECT_EQ(sample.lines, &list);
    EXPECT_EQ(GetObjectProp(&sample, GetPropInfo(&sample, "Lines")), &list);
    // An object of the wrong class is not stored.
    QObject plain;
    SetObjectProp(&sample, GetPropInfo(&sample, "Lines"), &plain);
    EXPECT_EQ(sample.lines, &list);
    SetObjectProp(&sample, GetPropInfo(&sample, "Lines"), nullptr);
    EXPECT_EQ(sample.lines, nullptr);
}

TEST(TypeInfoDefaults, RecordedStreamDefaults) {
    Sample sample;
    EXPECT_EQ(StreamDefault(sample.metaObject(), "Active").value_or("?"), "True");
    EXPECT_EQ(StreamDefault(sample.metaObject(), "active").value_or("?"), "True");
    EXPECT_FALSE(StreamDefault(sample.metaObject(), "Caption").has_value());
    for (const char* name : {"Active", "Align", "Style", "Width", "Ratio"})
        EXPECT_TRUE(IsDefaultPropValue(&sample, GetPropInfo(&sample, name))) << name;
    EXPECT_FALSE(IsDefaultPropValue(&sample, GetPropInfo(&sample, "Caption")));
    sample.style = Sample::fsItalic;
    sample.align = Sample::alTop;
    sample.active = false;
    sample.width = 65;
    sample.ratio = 2.25;
    for (const char* name : {"Active", "Align", "Style", "Width", "Ratio"})
        EXPECT_FALSE(IsDefaultPropValue(&sample, GetPropInfo(&sample, name))) << name;
}

TEST(TypeInfoEvents, EventsAreMethodPropertiesThatCarryTheirHandler) {
    Sample sample;
    const TPropInfo onChange = GetPropInfo(&sample, QStringLiteral("onchange"));
    EXPECT_EQ(onChange.Kind(), tkMethod);
    for (const TPropInfo& stored : GetPropList(&sample)) // not among the stored properties
        EXPECT_NE(stored.Name(), QStringLiteral("OnChange"));
    EXPECT_EQ(GetPropList(&sample, tkMethods).size(), 1);
    int calls = 0;
    SetVariantProp(&sample, onChange,
                   QVariant::fromValue(TNotifyEvent([&](QObject*) { ++calls; })));
    ASSERT_TRUE(sample.OnChange);
    // Chained: the handler read back is called from a new one.
    const auto previous = GetVariantProp(&sample, onChange).value<TNotifyEvent>();
    sample.OnChange = [&, previous](QObject* s) {
        previous(s);
        calls += 10;
    };
    sample.OnChange(&sample);
    EXPECT_EQ(calls, 11);
}

#include "typinfo_test.moc"
