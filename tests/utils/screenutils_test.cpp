#include "utils/screenutils.h"

#include <gtest/gtest.h>

#include "platform/runtime/screen.h"

using namespace vexo;

TEST(ScreenUtils, FormByNameIsTheLastOfThatNameInAnyCase) {
    TComponentObject first, other, last;
    first.SetName("Editor");
    other.SetName("Viewer");
    last.SetName("EDITOR");
    for (TComponent* form : {&first, &other, &last})
        Screen().AddForm(form);
    EXPECT_EQ(GetScreenFormByName("editor"), &last);
    EXPECT_EQ(GetScreenFormByName("Viewer"), &other);
    EXPECT_EQ(GetScreenFormByName("missing"), nullptr);
    for (TComponent* form : {&first, &other, &last})
        Screen().RemoveForm(form);
    EXPECT_TRUE(SystemSmallFonts()); // no screen counts as 96 pixels per inch
}
