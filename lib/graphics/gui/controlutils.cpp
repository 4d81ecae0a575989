#include "graphics/gui/controlutils.h"

#include "platform/gui/memo.h"
#include "platform/gui/pagecontrol.h"
#include "platform/runtime/stringlist.h"

namespace vexo {

namespace {
constexpr int kMaxCaretColumn = 300;
}

void SetCursorPos(TMemo* memo, int col, int row) {
    if (memo == nullptr || col < 1 || col > kMaxCaretColumn || row < 1 ||
        memo->Lines()->Count() < row)
        return;
    int position = col - 1;
    for (int i = 0; i < row - 1; ++i)
        position += int(memo->Lines()->Get(i).size()) + 2;
    memo->setFocus();
    memo->SetSelStart(position);
    memo->SetSelLength(0);
}

void SetPageIndex(TPageControl* pageControl, int index) {
    if (pageControl == nullptr)
        return;
    pageControl->SetActivePageIndex(index);
    if (pageControl->OnChange)
        pageControl->OnChange(pageControl);
}

int GetPageIndex(const TPageControl* pageControl) {
    return pageControl == nullptr ? -1 : pageControl->ActivePageIndex();
}

} // namespace vexo
