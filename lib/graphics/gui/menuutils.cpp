#include "graphics/gui/menuutils.h"

#include "platform/gui/mainmenu.h"
#include "platform/gui/menuitem.h"

namespace vexo {

TMenuItem* CopyMenuItem(TComponent* owner, const TMenuItem* item) {
    if (item == nullptr)
        return nullptr;
    auto* copy = new TMenuItem(owner);
    copy->SetBreak(item->Break());
    copy->SetCaption(item->Caption());
    copy->SetChecked(item->Checked());
    copy->SetDefault(item->Default());
    copy->SetRadioItem(item->RadioItem());
    copy->SetEnabled(item->Enabled());
    copy->SetGroupIndex(item->GroupIndex());
    copy->SetHelpContext(item->HelpContext());
    copy->SetHint(item->Hint());
    copy->SetShortCut(item->ShortCut());
    copy->SetVisible(item->Visible());
    copy->SetImageIndex(item->ImageIndex());
    copy->OnClick = item->OnClick;
    copy->SetTag(item->Tag());
    for (int i = 0; i < item->Count(); ++i)
        copy->Add(CopyMenuItem(owner, item->Items(i)));
    return copy;
}

bool MenuItemRightAlign(TMainMenu* menu, TMenuItem* item) {
    if (menu == nullptr || item == nullptr || item->Parent() != menu->Items())
        return false;
    item->SetRightJustify(true);
    return true;
}

} // namespace vexo
