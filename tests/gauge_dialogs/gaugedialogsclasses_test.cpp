#include "gauge_dialogs/gaugedialogsclasses.h"

#include <QPointer>
#include <gtest/gtest.h>

#include "gauge_dialogs/vexobrowsefolder.h"
#include "gauge_dialogs/vexogauge.h"
#include "platform/gui/form.h"
#include "platform/image/canvas.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/typinfo.h"
#include "platform/text/font.h"

using namespace vexo;

TEST(GaugeComponent, OwnerFreesGaugeAndBrowseFolder) {
    QPointer<TvexoGauge> gauge;
    QPointer<TvexoBrowseFolder> browse;
    {
        TComponentObject owner;
        gauge = new TvexoGauge(&owner);
        browse = new TvexoBrowseFolder(&owner);
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(gauge->Owner(), &owner);
        EXPECT_EQ(browse->Owner(), &owner);
        // A non-visual owner gives the gauge no visual parent.
        EXPECT_EQ(gauge->parentWidget(), nullptr);
    }
    EXPECT_TRUE(gauge.isNull());
    EXPECT_TRUE(browse.isNull());
}

TEST(GaugeComponent, FreedGaugeLeavesItsOwner) {
    TComponentObject owner;
    auto* gauge = new TvexoGauge(&owner);
    gauge->SetName(QStringLiteral("ProgressBar1"));
    delete gauge;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent(QStringLiteral("ProgressBar1")), nullptr);
}

TEST(GaugeComponent, FoundByNameAmongTheOwnersComponents) {
    TForm form;
    auto* gauge = new TvexoGauge(&form);
    gauge->SetName(QStringLiteral("ProgressBar1"));
    auto* browse = new TvexoBrowseFolder(&form);
    browse->SetName(QStringLiteral("BrowseFolder1"));
    EXPECT_EQ(form.FindComponent(QStringLiteral("progressbar1")), gauge);
    EXPECT_EQ(form.FindComponent(QStringLiteral("BrowseFolder1")), browse);
    EXPECT_EQ(gauge->Name(), QStringLiteral("ProgressBar1"));
    EXPECT_EQ(gauge->objectName(), QStringLiteral("ProgressBar1"));
    // The form owns and shows the gauge.
    EXPECT_EQ(gauge->parentWidget(), &form);
    // Names stay unique among the owner's components whatever the class.
    EXPECT_THROW(browse->SetName(QStringLiteral("PROGRESSBAR1")), EComponentError);
}

TEST(GaugeComponent, ExplicitParentShowsTheGaugeElsewhere) {
    TForm form;
    QWidget panel(&form);
    auto* gauge = new TvexoGauge(&form, &panel);
    EXPECT_EQ(gauge->parentWidget(), &panel);
    EXPECT_EQ(gauge->Owner(), &form);
}

TEST(GaugeComponent, CreatedByClassNameWithAnOwner) {
    RegisterGaugeDialogsClasses();
    TForm form;
    TComponent* gauge = CreateComponent(QStringLiteral("TvexoGauge"), &form);
    ASSERT_NE(gauge, nullptr);
    auto* g = qobject_cast<TvexoGauge*>(gauge->Object());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Owner(), &form);
    EXPECT_EQ(g->parentWidget(), &form);
    EXPECT_EQ(gauge->ClassName(), QStringLiteral("TvexoGauge"));

    TComponent* browse = CreateComponent(QStringLiteral("TvexoBrowseFolder"), &form);
    ASSERT_NE(browse, nullptr);
    EXPECT_NE(qobject_cast<TvexoBrowseFolder*>(browse->Object()), nullptr);
    EXPECT_EQ(browse->Owner(), &form);
    EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(GaugeComponent, BrowseDialogParentIsTheOwningForm) {
    TForm form;
    TvexoBrowseFolder* browse = new TvexoBrowseFolder(&form);
    auto dialog = browse->CreateDialog();
    EXPECT_EQ(dialog->parentWidget(), &form);
}

TEST(GaugeProperties, PublishedThroughTypeInfo) {
    TvexoGauge g;
    for (const char* name :
         {"Name", "Tag", "Caption", "Bevel", "BevelMargin", "ProgressBevel", "Kind", "ShowText",
          "ForeColor", "BackColor", "MinValue", "MaxValue", "Progress", "ShowPercentSymbol",
          "Color", "Font", "Enabled", "Visible"})
        EXPECT_TRUE(GetPropInfo(&g, QString::fromLatin1(name)).IsValid()) << name;
    EXPECT_EQ(GetPropInfo(&g, QStringLiteral("Kind")).Kind(), tkEnumeration);
    EXPECT_EQ(GetPropInfo(&g, QStringLiteral("Font")).Kind(), tkClass);

    const TPropInfo kind = GetPropInfo(&g, QStringLiteral("Kind"));
    SetOrdProp(&g, kind, TvexoGauge::gkPie);
    EXPECT_EQ(g.Kind(), TvexoGauge::gkPie);
    const TPropInfo progress = GetPropInfo(&g, QStringLiteral("progress"));
    SetOrdProp(&g, progress, 40);
    EXPECT_EQ(GetOrdProp(&g, progress), 40);
}

TEST(GaugeProperties, NewGaugeMatchesItsDeclaredDefaults) {
    TvexoGauge g;
    for (const char* name : {"Caption", "BevelMargin", "Kind", "ShowText", "ForeColor", "BackColor",
                             "MinValue", "MaxValue", "ShowPercentSymbol", "Color"})
        EXPECT_TRUE(IsDefaultPropValue(&g, GetPropInfo(&g, QString::fromLatin1(name)))) << name;
    g.SetColor(clYellow);
    g.SetShowText(false);
    EXPECT_FALSE(IsDefaultPropValue(&g, GetPropInfo(&g, QStringLiteral("Color"))));
    EXPECT_FALSE(IsDefaultPropValue(&g, GetPropInfo(&g, QStringLiteral("ShowText"))));
}

TEST(GaugeProperties, ColorAndFontAreTheControlsOwn) {
    TvexoGauge g;
    TControl& control = g;
    g.SetColor(clYellow);
    EXPECT_EQ(control.Color(), clYellow);
    EXPECT_EQ(GetOrdProp(&g, GetPropInfo(&g, QStringLiteral("Color"))), qint64(clYellow));

    TFont font;
    font.SetSize(20);
    SetObjectProp(&g, GetPropInfo(&g, QStringLiteral("Font")), &font);
    EXPECT_EQ(g.Font()->Size(), 20);
    // The text is drawn in the widget's font, which follows the control's Font.
    TFont drawn;
    AssignQFont(drawn, g.font());
    EXPECT_EQ(drawn.Size(), 20);
}
