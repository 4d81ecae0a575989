#pragma once
// A framework form shown and active, so that its controls can take the focus (GUI tests).

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/form.h"

struct ActiveForm {
    vexo::TForm form;
    explicit ActiveForm(int width = 300, int height = 200) {
        form.SetClientSize(width, height);
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};
