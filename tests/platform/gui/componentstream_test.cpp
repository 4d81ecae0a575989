// Component streaming with the framework's forms and controls: a form with nested controls,
// a collection, a string list, references and a defined property written, read back into a
// new form and compared property by property; broken streams refused without a trace.

#include "platform/runtime/componentstream.h"

#include <QPointer>
#include <gtest/gtest.h>

#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/label.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/collection.h"
#include "platform/runtime/reader.h"
#include "platform/runtime/stringlist.h"
#include "platform/runtime/writer.h"
#include "support/testdir.h"

using namespace vexo;

namespace streamtest {

QStringList loadedOrder;

class TColumn : public TCollectionItem {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_CLASSINFO("Default.Width", "64")
    Q_PROPERTY(int Width MEMBER width)
    Q_PROPERTY(QWidget* Control MEMBER control)

public:
    explicit TColumn(TCollection* collection = nullptr) : TCollectionItem(collection) {}

    QString caption;
    int width = 64;
    QWidget* control = nullptr;
};

// A form with a property of every kind the stream knows, and a defined property "Checked":
// the count of checked controls, then their names, as a list.
class TStreamForm : public TForm {
    Q_OBJECT
    Q_PROPERTY(vexo::TCollection* Columns READ Columns)
    Q_PROPERTY(vexo::TStrings* Lines READ Lines)
    Q_CLASSINFO("Default.Ratio", "1")
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(QWidget* DefaultControl MEMBER defaultControl)
    Q_PROPERTY(QStringList Notes MEMBER notes)
    Q_PROPERTY(QVariant Extra MEMBER extra)
    Q_PROPERTY(qint64 Big MEMBER big)
    Q_PROPERTY(QByteArray Blob MEMBER blob)

public:
    Q_INVOKABLE explicit TStreamForm(vexo::TComponent* owner = nullptr)
        : TForm(owner), columns(&TColumn::staticMetaObject, TCollection::FactoryOf<TColumn>()) {}

    TCollection* Columns() { return &columns; }
    TStrings* Lines() { return &lines; }
    int Count() const { return count; }
    // Refuses what no count can be.
    void SetCount(int value) {
        if (value < 0)
            throw EConvertError(QStringLiteral("A count cannot be negative"));
        count = value;
    }

    TCollection columns;
    TStringList lines;
    double ratio = 1;
    int count = 0;
    QWidget* defaultControl = nullptr;
    QStringList notes;
    QVariant extra;
    qint64 big = 0;
    QByteArray blob;
    QList<QPointer<QWidget>> checked;

protected:
    void DefineProperties(TFiler& filer) override {
        TForm::DefineProperties(filer);
        filer.DefineProperty(
            QStringLiteral("Checked"),
            [this](TReader& reader) {
                checked.clear();
                reader.ReadListBegin();
                const qint64 n = reader.ReadInteger();
                for (qint64 i = 0; i < n; ++i) {
                    const QString name = reader.ReadString();
                    TComponent* found = reader.Root()->FindComponent(name);
                    if (found == nullptr)
                        throw EConvertError(name + QStringLiteral(" is not found!"));
                    checked.append(static_cast<QWidget*>(found->Object()));
                }
                reader.ReadListEnd();
            },
            [this](TWriter& writer) {
                writer.WriteListBegin();
                writer.WriteInteger(checked.size());
                for (const QPointer<QWidget>& w : checked)
                    writer.WriteString(w->objectName());
                writer.WriteListEnd();
            },
            !checked.isEmpty());
    }
    void Loaded() override {
        loadedOrder.append(Name());
        TForm::Loaded();
    }
};

// A non-visual component that notes what streaming showed it.
class TProbe : public TComponentObject {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
    Q_INVOKABLE explicit TProbe(vexo::TComponent* owner = nullptr) : TComponentObject(owner) {}
    QString Text() const { return text; }
    void SetText(const QString& value) {
        text = value;
        loadingWhenSet = ComponentState().testFlag(csLoading);
    }

    QString text;
    bool loadingWhenSet = false;

protected:
    void Loaded() override {
        loadedOrder.append(Name());
        TComponentObject::Loaded();
    }
};

} // namespace streamtest

using streamtest::TColumn;
using streamtest::TProbe;
using streamtest::TStreamForm;

namespace {

void RegisterStreamClasses() {
    RegisterClass<TStreamForm>();
    RegisterClass<TProbe>();
    RegisterClass<TEdit>();
    RegisterClass<TLabel>();
    RegisterClass<TGroupBox>();
}

template <class T> T* Make(TStreamForm& form, QWidget* parent, const char* name) {
    T* control = new T(&form, parent);
    control->SetName(QString::fromLatin1(name));
    return control;
}

// Form1 { Edit1, Outer { Label1, Inner { Edit2 } }, Probe1 } with every kind of property set.
struct Designed {
    Designed() {
        RegisterStreamClasses();
        form.SetName(QStringLiteral("Form1"));
        form.SetCaption(QStringLiteral("Orders — 'quoted'"));
        form.SetColor(clInfoBk);
        form.Font()->SetStyle(fsBold | fsItalic);
        form.Font()->SetHeight(-13);
        form.SetBorderStyle(TForm::bsDialog);
        form.SetTag(-7);
        form.ratio = 2.5;
        form.count = 3;
        form.notes = QStringList{QStringLiteral("first"), QStringLiteral("second\nline")};
        form.extra = QVariant(42);
        form.big = Q_INT64_C(1) << 40;
        form.blob = QByteArray("\x00\x01\xFE", 3);
        form.lines.AddStrings(
            QStringList{QStringLiteral("alpha"), QString(), QStringLiteral("gamma")});
        edit1 = Make<TEdit>(form, &form, "Edit1");
        edit1->SetText(QStringLiteral("hello"));
        edit1->SetReadOnly(true);
        outer = Make<TGroupBox>(form, &form, "Outer");
        outer->SetCaption(QStringLiteral("&Outer"));
        label1 = Make<TLabel>(form, outer, "Label1");
        label1->SetCaption(QStringLiteral("Label"));
        label1->SetEnabled(false);
        inner = Make<TGroupBox>(form, outer, "Inner");
        inner->SetColor(clRed);
        edit2 = Make<TEdit>(form, inner, "Edit2");
        edit2->SetVisible(false);
        probe = new TProbe(&form);
        probe->SetName(QStringLiteral("Probe1"));
        probe->SetText(QStringLiteral("probe"));
        form.defaultControl = edit2;
        auto* c1 = static_cast<TColumn*>(form.columns.Add());
        c1->caption = QStringLiteral("Name");
        c1->width = 120;
        c1->control = edit1;
        auto* c2 = static_cast<TColumn*>(form.columns.Add());
        c2->caption = QStringLiteral("Value");
        form.checked = {edit2, label1};
    }

    TStreamForm form;
    TEdit* edit1;
    TGroupBox* outer;
    TLabel* label1;
    TGroupBox* inner;
    TEdit* edit2;
    TProbe* probe;
};

QString RefName(const QObject* object) {
    return object ? object->objectName() : QStringLiteral("(none)");
}

// Every published property of a and b alike: plain values by value, components by name,
// collections item by item, string lists line by line, nested objects property by property.
void ExpectSameProperties(const QObject* a, const QObject* b, const QString& where) {
    ASSERT_EQ(a->metaObject(), b->metaObject()) << where.toStdString();
    for (const TPropInfo& prop : GetPropList(a)) {
        const QString name = where + QLatin1Char('.') + prop.Name();
        if (prop.Kind() != tkClass) {
            EXPECT_EQ(GetVariantProp(a, prop), GetVariantProp(b, prop)) << name.toStdString();
            continue;
        }
        const QObject* va = GetObjectProp(a, prop);
        const QObject* vb = GetObjectProp(b, prop);
        if (va == nullptr || TComponent::FromObject(va) != nullptr) {
            EXPECT_EQ(RefName(va), RefName(vb)) << name.toStdString();
        } else if (const auto* ca = qobject_cast<const TCollection*>(va)) {
            const auto* cb = qobject_cast<const TCollection*>(vb);
            ASSERT_EQ(ca->Count(), cb->Count()) << name.toStdString();
            for (int i = 0; i < ca->Count(); ++i)
                ExpectSameProperties(ca->Items(i), cb->Items(i), name + QString::number(i));
        } else if (const auto* sa = qobject_cast<const TStrings*>(va)) {
            EXPECT_EQ(sa->ToStringList(), qobject_cast<const TStrings*>(vb)->ToStringList())
                << name.toStdString();
        } else {
            ExpectSameProperties(va, vb, name);
        }
    }
}

// The same components (by name, class and container) with the same properties.
void ExpectSameForms(TStreamForm& a, TStreamForm& b) {
    ExpectSameProperties(&a, &b, a.Name());
    ASSERT_EQ(a.ComponentCount(), b.ComponentCount());
    for (int i = 0; i < a.ComponentCount(); ++i) {
        TComponent* ca = a.Components(i);
        TComponent* cb = b.FindComponent(ca->Name());
        ASSERT_NE(cb, nullptr) << ca->Name().toStdString();
        EXPECT_EQ(cb->ComponentIndex(), i);
        EXPECT_EQ(StreamContainer(ca, &a)->Name(), StreamContainer(cb, &b)->Name());
        ExpectSameProperties(ca->Object(), cb->Object(), ca->Name());
    }
    ASSERT_EQ(a.checked.size(), b.checked.size());
    for (qsizetype i = 0; i < a.checked.size(); ++i)
        EXPECT_EQ(RefName(a.checked[i]), RefName(b.checked[i]));
}

} // namespace

TEST(ComponentStream, AFormReadsBackIntoANewFormPropertyByProperty) {
    Designed designed;
    const QString text = ComponentToText(&designed.form);
    TStreamForm copy;
    ReadComponentText(text, &copy);
    ExpectSameForms(designed.form, copy);
    // Controls sit in their containers, references point into the new form.
    auto* edit2 = static_cast<TEdit*>(copy.FindComponent(QStringLiteral("Edit2"))->Object());
    EXPECT_EQ(edit2->parentWidget()->objectName(), QStringLiteral("Inner"));
    EXPECT_EQ(copy.defaultControl, edit2);
    EXPECT_EQ(static_cast<TColumn*>(copy.columns.Items(0))->control,
              copy.FindComponent(QStringLiteral("Edit1"))->Object());
    EXPECT_FALSE(edit2->Visible());
    EXPECT_TRUE(
        static_cast<TEdit*>(copy.FindComponent(QStringLiteral("Edit1"))->Object())->Visible());
    // Written again, the copy gives the same text.
    EXPECT_EQ(ComponentToText(&copy), text);
}

TEST(ComponentStream, OnlyValuesOffTheirDefaultsAreWritten) {
    Designed designed;
    const QString text = ComponentToText(&designed.form);
    EXPECT_TRUE(text.startsWith(QStringLiteral("object Form1: TStreamForm\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Ratio = 2.5\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Color = clInfoBk\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Font.Style = [fsBold, fsItalic]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Lines.Strings = ('alpha' '' 'gamma')\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  Checked = (2 'Edit2' 'Label1')\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  DefaultControl = Edit2\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n    object Label1: TLabel\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n      object Edit2: TEdit\n")));
    // Default values stay out: Tag 0, Enabled and Visible True, a column's Width 64.
    EXPECT_FALSE(text.contains(QStringLiteral("Tag = 0")));
    EXPECT_FALSE(text.contains(QStringLiteral("Enabled = True")));
    EXPECT_FALSE(text.contains(QStringLiteral("Width = 64\n"))); // not the form's 640
    EXPECT_TRUE(text.contains(QStringLiteral("Visible = False")));
}

TEST(ComponentStream, LoadedRunsOnEachAfterReferencesAreResolved) {
    RegisterStreamClasses();
    streamtest::loadedOrder.clear();
    TStreamForm form;
    ReadComponentText(QStringLiteral("object Form1: TStreamForm\n"
                                     "  DefaultControl = Edit1\n" // a name read further down
                                     "  object Probe1: TProbe\n"
                                     "    Text = 'x'\n"
                                     "  end\n"
                                     "  object Edit1: TEdit\n"
                                     "  end\n"
                                     "end\n"),
                      &form);
    EXPECT_EQ(streamtest::loadedOrder,
              (QStringList{QStringLiteral("Form1"), QStringLiteral("Probe1")}));
    auto* probe = static_cast<TProbe*>(form.FindComponent(QStringLiteral("Probe1"))->Object());
    EXPECT_TRUE(probe->loadingWhenSet);
    EXPECT_EQ(form.defaultControl, form.FindComponent(QStringLiteral("Edit1"))->Object());
    for (int i = 0; i < form.ComponentCount(); ++i)
        EXPECT_EQ(form.Components(i)->ComponentState() & (csLoading | csReading),
                  TComponentState());
    EXPECT_EQ(form.ComponentState() & (csLoading | csReading), TComponentState());
}

TEST(ComponentStream, ExistingComponentsAreReadIntoAndMovedToTheirContainer) {
    Designed designed;
    QPointer<TEdit> edit1 = designed.edit1;
    ReadComponentText(QStringLiteral("object Form1: TStreamForm\n"
                                     "  object Box: TGroupBox\n"
                                     "    object Edit1: TEdit\n"
                                     "      Text = 'moved'\n"
                                     "    end\n"
                                     "  end\n"
                                     "end\n"),
                      &designed.form);
    ASSERT_TRUE(edit1);
    EXPECT_EQ(designed.form.FindComponent(QStringLiteral("Edit1"))->Object(), edit1.data());
    EXPECT_EQ(edit1->Text(), QStringLiteral("moved"));
    EXPECT_EQ(edit1->parentWidget()->objectName(), QStringLiteral("Box"));
    EXPECT_EQ(designed.label1->Caption(), QStringLiteral("Label")); // not in the stream
}

TEST(ComponentStream, ARootIsCreatedByClassNameAndFilesAreReplacedWhole) {
    Designed designed;
    TestDir dir;
    const QString file = dir.File(QStringLiteral("form1.vxf"));
    WriteComponentResFile(file, &designed.form);
    designed.form.SetName(QStringLiteral("Original")); // the copy takes the name Form1
    std::unique_ptr<TComponent> read(ReadComponentResFile(file, nullptr));
    ASSERT_NE(dynamic_cast<TStreamForm*>(read.get()), nullptr);
    designed.form.SetName(QStringLiteral("Form1"));
    ExpectSameForms(designed.form, *static_cast<TStreamForm*>(read.get()));
    EXPECT_THROW(ReadComponentResFile(dir.File(QStringLiteral("missing.vxf")), nullptr),
                 EFOpenError);
    // A file stands where the folder would have to be.
    EXPECT_THROW(WriteComponentResFile(file + QStringLiteral("/f.vxf"), &designed.form),
                 EFCreateError);
}

// --- Broken streams --------------------------------------------------------------------------

namespace {

// A stream that changes much of the designed form before it reaches its fault.
QString BrokenStream(const QString& fault) {
    return QStringLiteral("object Form1: TStreamForm\n"  // 1
                          "  Caption = 'changed'\n"      // 2
                          "  Ratio = 9.5\n"              // 3
                          "  Font.Height = -20\n"        // 4
                          "  Lines.Strings = ('x')\n"    // 5
                          "  Columns = <\n"              // 6
                          "    item\n"                   // 7
                          "      Caption = 'Only'\n"     // 8
                          "    end>\n"                   // 9
                          "  Checked = (1 'Label1')\n"   // 10
                          "  DefaultControl = Edit1\n"   // 11
                          "  object Edit1: TEdit\n"      // 12
                          "    Text = 'changed'\n"       // 13
                          "  end\n"                      // 14
                          "  object NewBox: TGroupBox\n" // 15
                          "    object Label1: TLabel\n"  // 16
                          "      Caption = 'moved'\n"    // 17
                          "    end\n"                    // 18
                          "    object NewEdit: TEdit\n"  // 19
                          "      Text = 'new'\n"         // 20
                          "    end\n"                    // 21
                          "  end\n"                      // 22
                          "  object NewProbe: TProbe\n"  // 23
                          "  end\n") +                   // 24
           fault +                                       // 25...
           QStringLiteral("end\n");
}

} // namespace

struct BrokenCase {
    const char* fault; // stands from line 25 on
    int line;
    const char* message;
};

class ComponentStreamBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(ComponentStreamBroken, IsRefusedAndLeavesTheFormAsItWas) {
    const BrokenCase& c = GetParam();
    Designed designed;
    const QString before = ComponentToText(&designed.form);
    const int count = designed.form.ComponentCount();
    QPointer<QWidget> labelParent = designed.label1->parentWidget();
    try {
        ReadComponentText(BrokenStream(QString::fromUtf8(c.fault)), &designed.form);
        FAIL() << "accepted: " << c.fault;
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), c.line) << e.Message().toStdString();
        EXPECT_TRUE(e.Reason().contains(QString::fromUtf8(c.message))) << e.Message().toStdString();
    }
    EXPECT_EQ(designed.form.ComponentCount(), count);
    EXPECT_EQ(designed.form.FindComponent(QStringLiteral("NewBox")), nullptr);
    EXPECT_EQ(designed.label1->parentWidget(), labelParent.data());
    EXPECT_EQ(designed.form.findChildren<QWidget*>(QStringLiteral("NewEdit")).size(), 0);
    EXPECT_EQ(ComponentToText(&designed.form), before);
    for (int i = 0; i < designed.form.ComponentCount(); ++i)
        EXPECT_EQ(designed.form.Components(i)->ComponentState() & (csLoading | csReading),
                  TComponentState());
    EXPECT_EQ(designed.form.ComponentState() & (csLoading | csReading), TComponentState());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ComponentStreamBroken,
    ::testing::Values(
        BrokenCase{"  object X: TNoSuchControl\n  end\n", 25, "Class TNoSuchControl not found"},
        BrokenCase{"  object X: TEdit\n    Foo = 1\n  end\n", 26,
                   "Error reading X.Foo: Property Foo does not exist"},
        BrokenCase{"  object X: TEdit\n    Enabled = Maybe\n  end\n", 26,
                   "Error reading X.Enabled: Invalid property value"},
        BrokenCase{"  object X: TEdit\n    Font.Nope = 1\n  end\n", 26,
                   "Error reading X.Font.Nope: Property Nope does not exist"},
        BrokenCase{"  object X: TEdit\n    Tag = 99999999999\n  end\n", 26,
                   "Invalid property value"},
        BrokenCase{"  object X: TEdit\n    Font.Style = [fsBold, fsWide]\n  end\n", 26,
                   "Invalid property value"},
        BrokenCase{"  object X: TEdit\n    Text = 5\n  end\n", 26,
                   "Invalid property value, an integer"},
        BrokenCase{"  Count = -1\n", 25, "Error reading Form1.Count: A count cannot be negative"},
        BrokenCase{"  DefaultControl = Edit9\n", 25, "Component Edit9 not found"},
        BrokenCase{"  Checked = (1 'Nobody')\n", 25, "Nobody is not found!"},
        BrokenCase{"  Checked = ('Label1')\n", 25, "Integer expected, a string found"},
        BrokenCase{"  object Edit1: TEdit\n  end\n", 25, "A component named Edit1 already exists"},
        BrokenCase{"  object Probe1: TEdit\n  end\n", 25,
                   "Component Probe1 is a TProbe, not a TEdit"},
        BrokenCase{"  object NewEdit2: TEdit\n    Name = 'Edit1'\n  end\n", 26,
                   "A component named Edit1 already exists"},
        BrokenCase{"  Caption = 'unterminated\n", 25, "Invalid string constant"}));

TEST(ComponentStream, AStreamOfAnotherClassIsRefused) {
    RegisterStreamClasses();
    TStreamForm form;
    try {
        ReadComponentText(QStringLiteral("object Edit1: TEdit\nend\n"), &form);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Reason(), QStringLiteral("The stream holds a TEdit, not a TStreamForm"));
    }
    EXPECT_THROW(CreateComponentFromText(QStringLiteral("object X: TNope\nend\n"), nullptr),
                 EReadError);
    // A created root that fails to read is freed again (ASan sees any leak).
    EXPECT_THROW(CreateComponentFromText(
                     QStringLiteral("object X: TStreamForm\n  Count = -2\nend\n"), nullptr),
                 EReadError);
}

#include "componentstream_test.moc"
