#pragma once
// What the button tests share: a shown form, and the stream default a class declares.

#include <QMetaObject>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/form.h"
#include "platform/image/pixelformat.h"

namespace vexo::test {

struct ShownForm {
    TForm form;
    explicit ShownForm(int width = 240, int height = 160, TColor color = clBtnFace) {
        form.SetClientSize(width, height);
        form.SetColor(color);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

inline QString ClassDefault(const QObject& object, const char* property) {
    const QMetaObject* meta = object.metaObject();
    const int i = meta->indexOfClassInfo(QByteArray("Default.") + property);
    return i < 0 ? QString() : QString::fromLatin1(meta->classInfo(i).value());
}

} // namespace vexo::test
